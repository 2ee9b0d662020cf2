#pragma once

#include <QWidget>

class TFormQuellen : public QWidget
{
    Q_OBJECT
public:
    TFormQuellen();
};

#pragma once

#include <QWidget>

class TFormPause : public QWidget
{
    Q_OBJECT
public:
    TFormPause();
};

#pragma once

#include <QWidget>

class TFormInfo : public QWidget
{
    Q_OBJECT
public:
    TFormInfo();
};

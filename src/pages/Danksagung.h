#pragma once

#include <QWidget>

class TFormDanksagung : public QWidget
{
    Q_OBJECT
public:
    TFormDanksagung();
};

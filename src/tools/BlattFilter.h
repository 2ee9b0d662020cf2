#pragma once

#include <QWidget>

class TFormFilter : public QWidget
{
    Q_OBJECT
public:
    TFormFilter();
};

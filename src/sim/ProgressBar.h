#pragma once

#include <QWidget>

class TFormProgressBar : public QWidget
{
    Q_OBJECT
public:
    TFormProgressBar();
};

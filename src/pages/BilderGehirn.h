#pragma once

#include <QWidget>

class TFormBilderGehirn : public QWidget
{
    Q_OBJECT
public:
    TFormBilderGehirn();
};

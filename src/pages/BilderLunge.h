#pragma once

#include <QWidget>

class TFormBilderLunge : public QWidget
{
    Q_OBJECT
public:
    TFormBilderLunge();
};

#pragma once

#include <QWidget>

class TFormEingabe : public QWidget
{
    Q_OBJECT
public:
    TFormEingabe();
};

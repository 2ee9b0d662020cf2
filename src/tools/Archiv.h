#pragma once

#include <QWidget>

class TFormArchiv : public QWidget
{
    Q_OBJECT
public:
    TFormArchiv();
};

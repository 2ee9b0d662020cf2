#pragma once

#include <QWidget>

class TFormGraucode : public QWidget
{
    Q_OBJECT
public:
    TFormGraucode();
};

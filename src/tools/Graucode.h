#pragma once

#include <QWidget>

class TFormGraucode : public QWidget
{
    Q_OBJECT
public:
    TFormGraucode();

    // The window's lower bound, 0 ... 254; deleting the CT picture resets it.
    int Schieberposition = 0;
};

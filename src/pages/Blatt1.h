#pragma once

#include "app/Kursseite.h"


class TForm1 : public Kursseite
{
    Q_OBJECT
public:
    TForm1();
};

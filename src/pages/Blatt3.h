#pragma once

#include "app/Kursseite.h"


class TForm3 : public Kursseite
{
    Q_OBJECT
public:
    TForm3();
};

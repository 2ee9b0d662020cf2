#pragma once

#include "app/Kursseite.h"


class TForm2 : public Kursseite
{
    Q_OBJECT
public:
    TForm2();
};

#pragma once

#include "app/Kursseite.h"


class TForm5 : public Kursseite
{
    Q_OBJECT
public:
    TForm5();
};

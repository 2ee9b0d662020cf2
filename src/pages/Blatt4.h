#pragma once

#include "app/Kursseite.h"


class TForm4 : public Kursseite
{
    Q_OBJECT
public:
    TForm4();
};

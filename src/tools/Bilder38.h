#pragma once

#include "tools/Musterbibliothek.h"

// The pattern library of the 38 x 38 grid.
class TFormBilder38 : public Musterbibliothek
{
    Q_OBJECT
public:
    explicit TFormBilder38(Simulatorzustand& zustand);
};

#pragma once

#include "tools/Musterbibliothek.h"

// The pattern library of the 56 x 56 grid.
class TFormBilder56 : public Musterbibliothek
{
    Q_OBJECT
public:
    explicit TFormBilder56(Simulatorzustand& zustand);
};

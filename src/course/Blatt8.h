#pragma once

#include "app/Kursseite.h"


class TForm8 : public Kursseite
{
    Q_OBJECT
public:
    TForm8();

    // Restarts the exercise ("&New").
    void NeuStart();
    // The page's own mode switch.
    void Demonstration1();
    void Lernprogramm1();
};

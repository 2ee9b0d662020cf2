#pragma once

#include "app/Kursseite.h"


class TForm9 : public Kursseite
{
    Q_OBJECT
public:
    TForm9();

    // Restarts the exercise ("&New").
    void NeuStart();
    // The page's own mode switch.
    void Demonstration1();
    void Lernprogramm1();

protected:
    void FormShow() override;
};

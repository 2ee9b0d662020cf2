#pragma once

#include "app/Kursseite.h"


class TForm7 : public Kursseite
{
    Q_OBJECT
public:
    TForm7();

    // Restarts the exercise ("&New").
    void NeuStart();

protected:
    void FormShow() override;
};

#pragma once

#include "app/Kursseite.h"


class TForm11 : public Kursseite
{
    Q_OBJECT
public:
    TForm11();

    // Restarts the exercise ("&New").
    void NeuStart();

protected:
    void FormShow() override;
};

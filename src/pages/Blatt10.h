#pragma once

#include "app/Kursseite.h"


class TForm10 : public Kursseite
{
    Q_OBJECT
public:
    TForm10();

protected:
    void FormShow() override;
};

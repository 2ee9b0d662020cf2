#pragma once

#include "app/Kursseite.h"


class TForm6 : public Kursseite
{
    Q_OBJECT
public:
    TForm6();

protected:
    void FormShow() override;
};

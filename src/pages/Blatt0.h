#pragma once

#include "app/Kursseite.h"

class QLabel;
class QLineEdit;

class TForm0 : public Kursseite
{
    Q_OBJECT
public:
    TForm0();

    QLabel* Label1;
    QLineEdit* Namensfeld;

protected:
    void FormActivate() override;
};

#pragma once

#include "app/Kursseite.h"

class Bildanzeige;
class Panel;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// Page 6: a real CT scanner, outside and inside.
class TForm5 : public Kursseite
{
    Q_OBJECT
public:
    TForm5();

    QPlainTextEdit* Memo1;
    Panel* Panel1;
    Bildanzeige* BildComputertomograph;
    QLabel* Label1;
    QLabel* Label2;
    Panel* Panel2;
    Bildanzeige* BildCTInnen;
    Bildanzeige* Pfeil1;
    Bildanzeige* Pfeil2;
    Bildanzeige* Pfeil3;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QPushButton* BilderButton;

    void BilderButtonClick();
};

#pragma once

#include "app/Kursseite.h"

class Bildanzeige;
class Panel;
class QLabel;
class QPlainTextEdit;

// Page 5: the measuring set-up, and a layer of the head cut into volume elements.
class TForm4 : public Kursseite
{
    Q_OBJECT
public:
    TForm4();

    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo2;
    Panel* Panel1;
    Bildanzeige* BildAnordnung;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    Bildanzeige* BildSchicht;
    Bildanzeige* BildRaster;
};

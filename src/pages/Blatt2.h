#pragma once

#include "app/Kursseite.h"

class Bildanzeige;
class Panel;
class QLineEdit;
class QPlainTextEdit;

// Page 3: what a profile cannot tell, and the average attenuation factor.
class TForm2 : public Kursseite
{
    Q_OBJECT
public:
    TForm2();

    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo2;
    QLineEdit* Edit1;
    Bildanzeige* BildGesetz2;
    Bildanzeige* BildMueGesamt;
    Panel* Panel1;
    Bildanzeige* Gesetz2;
};

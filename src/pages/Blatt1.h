#pragma once

#include "app/Kursseite.h"

class Bildanzeige;
class Panel;
class QLineEdit;
class QPlainTextEdit;

// Page 2: X-rays, their attenuation and the attenuation law.
class TForm1 : public Kursseite
{
    Q_OBJECT
public:
    TForm1();

    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo2;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    Bildanzeige* BildGesetz1;
    Bildanzeige* BildProfile;
    Bildanzeige* BildIdentischeProfile;
    Panel* Panel1;
    Bildanzeige* Gesetz1;
};

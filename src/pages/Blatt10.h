#pragma once

#include "app/Kursseite.h"

class Bildanzeige;
class Panel;
class QPlainTextEdit;
class QPushButton;

// Page 11: many directions, attenuation factors of materials and the scale of
// relative attenuation values with its gray tones.
class TForm10 : public Kursseite
{
    Q_OBJECT
public:
    TForm10();

    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo2;
    Bildanzeige* Bild1;
    Panel* Panel1;
    Bildanzeige* Bild2;
    Bildanzeige* Bild3;
    Panel* Panel2;
    Bildanzeige* GesetzMueRelativ;
    QPushButton* BilderButton;

    void BilderButtonClick();

protected:
    void FormShow() override;

private:
    void GraukeilZeichnen();
};

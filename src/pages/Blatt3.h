#pragma once

#include "app/Kursseite.h"

class Bildanzeige;
class Panel;
class QPlainTextEdit;

// Page 4: what a radiograph shows, and what it hides.
class TForm3 : public Kursseite
{
    Q_OBJECT
public:
    TForm3();

    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo2;
    Bildanzeige* Bild1;
    Panel* Panel1;
    Bildanzeige* Bild2;

protected:
    void FormShow() override;

private:
    bool m_bilderDa = false;
};

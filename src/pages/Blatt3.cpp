#include "pages/Blatt3.h"

#include "pages/Bausteine.h"
#include "pages/Koerperbilder.h"
#include "platform/Bildanzeige.h"
#include "platform/Fokusfalle.h"
#include "platform/Steuerelemente.h"

#include <QPlainTextEdit>

TForm3::TForm3()
    : Kursseite(QStringLiteral("Form3"))
{
    Memo1 = Bausteine::memo(this, QStringLiteral("Memo1"), 22, 14, 499, 259, QStringLiteral("blatt3_memo1"));
    Memo2 = Bausteine::memo(this, QStringLiteral("Memo2"), 248, 280, 505, 241, QStringLiteral("blatt3_memo2"));
    Bild1 = Bausteine::bild(this, QStringLiteral("Bild1"), 552, 14, 209, 243, {},
                            tr("X-ray of a human hand"));
    Panel1 = new Panel(this, QStringLiteral("Panel1"), 32, 256, 193, 257);
    Bild2 = Bausteine::bild(Panel1, QStringLiteral("Bild2"), 8, 0, 177, 249, {},
                            tr("X-ray of a human head."));
    seiteEinrichten();
    Bausteine::breiteSichern(Memo1);
    Bausteine::breiteSichern(Memo2);
    fokusfalleFuerAlleTexte(this, WeiterButton);
}

void TForm3::FormShow()
{
    // Both X-rays are computed when the page is first shown, at the size they
    // are shown at.
    if (m_bilderDa)
        return;
    m_bilderDa = true;
    Bild1->setzeBild(Koerperbilder::handRoentgen(Bild1->width(), Bild1->height()));
    Bild2->setzeBild(Koerperbilder::kopfRoentgen(Bild2->width(), Bild2->height()));
}

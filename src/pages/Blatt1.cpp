#include "pages/Blatt1.h"

#include "app/HauptBlatt.h"
#include "pages/Bausteine.h"
#include "platform/Bildanzeige.h"
#include "platform/Fokusfalle.h"
#include "platform/Skalierung.h"
#include "platform/Steuerelemente.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
// The subscript "0" of the initial intensity, over the place the text leaves for it.
QLineEdit* tiefgestellt(QWidget* seite, const QString& name, const QRect& stelle)
{
    return Bausteine::zeichenfeld(seite, name, stelle.left(), stelle.bottom() - 9, 8, 13, QStringLiteral("0"), 11);
}

// At the larger layout the subscript fields stand at fixed places. A field's
// digit has its baseline 11 pixels below the field's top; with the field's
// top 8 pixels above the line's baseline the digit sits 3 pixels below the
// line, and the field begins where the "I" before it ends.
constexpr int GrundlinieImFeld = 8;

QPoint feldOrt(const QPlainTextEdit* memo, int stelle)
{
    const QRect o = Bausteine::ort(memo, stelle);
    return {o.left(), o.top() + Bausteine::grundlinie(memo) - GrundlinieImFeld};
}

// The text box follows the field by the few pixels that its own font puts
// the place elsewhere. Each text follows one field only: a second field of
// the same text is then put at its own letter, since two places in a text
// never lie exactly as far apart as two fixed fields.
void textNachFeld(QPlainTextEdit* memo, int stelle, const QLineEdit* feld)
{
    memo->move(memo->pos() + feld->pos() - feldOrt(memo, stelle));
}
}  // namespace

TForm1::TForm1()
    : Kursseite(QStringLiteral("Form1"))
{
    Memo1 = Bausteine::memo(this, QStringLiteral("Memo1"), 22, 14, 499, 259, QStringLiteral("blatt1_memo1"));
    Memo2 = Bausteine::memo(this, QStringLiteral("Memo2"), 14, 294, 467, 211, QStringLiteral("blatt1_memo2"));
    const QList<int> oben = Bausteine::markenErsetzen(Memo1, QChar(0x2080));
    const QList<int> unten = Bausteine::markenErsetzen(Memo2, QChar(0x2080));
    Edit1 = tiefgestellt(this, QStringLiteral("Edit1"), Bausteine::ort(Memo1, oben.value(0)));
    Edit2 = tiefgestellt(this, QStringLiteral("Edit2"), Bausteine::ort(Memo2, unten.value(0)));
    Edit3 = tiefgestellt(this, QStringLiteral("Edit3"), Bausteine::ort(Memo2, unten.value(1)));
    BildGesetz1 = Bausteine::bild(this, QStringLiteral("BildGesetz1"), 520, 30, 250, 170,
                                  QStringLiteral(":/pages/bilder/gesetz_bild1.svg"),
                                  tr("An X-ray beam loses intensity in a body"));
    BildProfile = Bausteine::bild(this, QStringLiteral("BildProfile"), 528, 208, 270, 150,
                                  QStringLiteral(":/pages/bilder/profile.svg"), tr("Attenuation profiles"));
    BildIdentischeProfile = Bausteine::bild(this, QStringLiteral("BildIdentischeProfile"), 512, 360, 275, 150,
                                            QStringLiteral(":/pages/bilder/identische_profile.svg"),
                                            tr("Different bodies, identical profiles"));
    Panel1 = new Panel(this, QStringLiteral("Panel1"), 78, 248, 381, 40);
    Gesetz1 = Bausteine::bild(Panel1, QStringLiteral("Gesetz1"), 78, 0, 225, 40, {},
                              tr("The attenuation law"));
    seiteEinrichten();
    Bausteine::breiteSichern(Memo1);
    Bausteine::breiteSichern(Memo2);
    if (Bildschirmbreite == 800) {
        Bausteine::quelleSetzen(Gesetz1, QStringLiteral(":/pages/bilder/gesetz1_klein.svg"));
    } else {
        Panel1->setGeometry((Memo1->width() - Panel1->width()) / 2, 308, Panel1->width(), 45);
        Gesetz1->resize(245, 45);
        Bausteine::quelleSetzen(Gesetz1, QStringLiteral(":/pages/bilder/gesetz1_gross.svg"));
        const QPoint orte[] = {{514, 158}, {48, 403}, {488, 461}};
        QLineEdit* const felder[] = {Edit1, Edit2, Edit3};
        for (int i = 0; i < 3; ++i) {
            felder[i]->setFont(arial(Skalierung::pixelAusPunkten(8)));
            felder[i]->setGeometry(orte[i].x(), orte[i].y(), felder[i]->width(), 13);
        }
        // The second text follows the subscript of its unchanged fifth line;
        // the one in its second line stands where the text puts it.
        textNachFeld(Memo1, oben.value(0), Edit1);
        textNachFeld(Memo2, unten.value(1), Edit3);
        Edit2->move(feldOrt(Memo2, unten.value(0)));
    }
    for (QLineEdit* f : {Edit1, Edit2, Edit3})
        f->raise();
    fokusfalleFuerAlleTexte(this, WeiterButton);
}

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

// At the larger layout the subscript fields stand at fixed places. The text
// box follows its fields by the few pixels that its own font puts the places
// elsewhere: every subscript then begins where its "I" ends, and its digit
// sits a little below the line.
void textNachFeldern(QPlainTextEdit* memo, const QList<int>& stellen, const QList<QLineEdit*>& felder)
{
    if (stellen.isEmpty() || stellen.size() != felder.size())
        return;
    // the digit's baseline lies 11 pixels below the field's top; the line's 3 pixels above it
    constexpr int GrundlinieImFeld = 8;
    int dx = 0, dy = 0;
    for (int i = 0; i < stellen.size(); ++i) {
        const QRect o = Bausteine::ort(memo, stellen[i]);
        dx += felder[i]->x() - o.left();
        dy += felder[i]->y() + GrundlinieImFeld - (o.top() + Bausteine::grundlinie(memo));
    }
    const int n = int(stellen.size());
    memo->move(memo->pos() + QPoint(dx / n, dy / n));
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
                                  QStringLiteral("An X-ray beam loses intensity in a body"));
    BildProfile = Bausteine::bild(this, QStringLiteral("BildProfile"), 528, 208, 270, 150,
                                  QStringLiteral(":/pages/bilder/profile.svg"), QStringLiteral("Attenuation profiles"));
    BildIdentischeProfile = Bausteine::bild(this, QStringLiteral("BildIdentischeProfile"), 512, 360, 275, 150,
                                            QStringLiteral(":/pages/bilder/identische_profile.svg"),
                                            QStringLiteral("Different bodies, identical profiles"));
    Panel1 = new Panel(this, QStringLiteral("Panel1"), 78, 248, 381, 40);
    Gesetz1 = Bausteine::bild(Panel1, QStringLiteral("Gesetz1"), 78, 0, 225, 40, {},
                              QStringLiteral("The attenuation law"));
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
        textNachFeldern(Memo1, oben, {Edit1});
        textNachFeldern(Memo2, unten, {Edit2, Edit3});
    }
    for (QLineEdit* f : {Edit1, Edit2, Edit3})
        f->raise();
    fokusfalleFuerAlleTexte(this, WeiterButton);
}

#include "pages/Blatt2.h"

#include "app/HauptBlatt.h"
#include "pages/Bausteine.h"
#include "platform/Bildanzeige.h"
#include "platform/Fokusfalle.h"
#include "platform/Steuerelemente.h"

#include <QLineEdit>
#include <QPlainTextEdit>

TForm2::TForm2()
    : Kursseite(QStringLiteral("Form2"))
{
    Memo1 = Bausteine::memo(this, QStringLiteral("Memo1"), 14, 14, 483, 187, QStringLiteral("blatt2_memo1"));
    Memo2 = Bausteine::memo(this, QStringLiteral("Memo2"), 14, 224, 473, 137, QStringLiteral("blatt2_memo2"));
    Edit1 = Bausteine::zeichenfeld(this, QStringLiteral("Edit1"), 136, 245, 20, 13, tr(" "), 11);
    BildGesetz2 = Bausteine::bild(this, QStringLiteral("BildGesetz2"), 504, 24, 250, 160,
                                  QStringLiteral(":/pages/bilder/gesetz_bild2.svg"),
                                  tr("A beam through several layers"));
    BildMueGesamt = Bausteine::bild(this, QStringLiteral("BildMueGesamt"), 504, 224, 250, 150,
                                    QStringLiteral(":/pages/bilder/mue_gesamt.svg"),
                                    tr("Different layers, the same total attenuation"));
    Panel1 = new Panel(this, QStringLiteral("Panel1"), 7, 184, 481, 40);
    Gesetz2 = Bausteine::bild(Panel1, QStringLiteral("Gesetz2"), 128, 0, 225, 40, {},
                              tr("The attenuation law for several layers"));
    seiteEinrichten();
    Bausteine::breiteSichern(Memo1);
    Bausteine::breiteSichern(Memo2);
    if (Bildschirmbreite == 800) {
        Bausteine::quelleSetzen(Gesetz2, QStringLiteral(":/pages/bilder/gesetz2_klein.svg"));
    } else {
        Panel1->setGeometry((Memo1->width() - Panel1->width()) / 2, 223, Panel1->width(), 45);
        Gesetz2->resize(260, 45);
        Bausteine::quelleSetzen(Gesetz2, QStringLiteral(":/pages/bilder/gesetz2_gross.svg"));
        Edit1->move(176, 310);
    }
    Edit1->raise();
    fokusfalleFuerAlleTexte(this, WeiterButton);
}

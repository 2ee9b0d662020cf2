#include "pages/Blatt10.h"

#include "app/Fenster.h"
#include "pages/Bausteine.h"
#include "pages/BilderLunge.h"
#include "platform/Bildanzeige.h"
#include "platform/Farbtabelle.h"
#include "platform/Fensterart.h"
#include "platform/Fokusfalle.h"
#include "platform/Steuerelemente.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>

TForm10::TForm10()
    : Kursseite(QStringLiteral("Form10"))
{
    Memo1 = Bausteine::memo(this, QStringLiteral("Memo1"), 14, 14, 435, 203, QStringLiteral("blatt10_memo1"));
    Memo2 = Bausteine::memo(this, QStringLiteral("Memo2"), 22, 276, 443, 285, QStringLiteral("blatt10_memo2"));
    Bild1 = Bausteine::bild(this, QStringLiteral("Bild1"), 464, 16, 325, 240,
                            QStringLiteral(":/pages/bilder/schwaechungskoeffizienten.svg"),
                            tr("Attenuation factors of materials"));
    Panel1 = new Panel(this, QStringLiteral("Panel1"), 464, 264, 340, 240);
    Bild2 = new Bildanzeige(Panel1, QStringLiteral("Bild2"));
    Bild2->setGeometry(0, 0, 325, 225);
    Bild2->setzeTransparent(true);
    Bild2->setToolTip(tr("The scale of relative attenuation values"));
    Bild2->setAccessibleName(Bild2->toolTip());
    Bild3 = new Bildanzeige(Panel1, QStringLiteral("Bild3"));
    Bild3->setAccessibleName(tr("Gray wedge from black to white beside the scale"));
    Panel2 = new Panel(this, QStringLiteral("Panel2"), 87, 208, 289, 50);
    GesetzMueRelativ = Bausteine::bild(Panel2, QStringLiteral("GesetzMueRelativ"), 49, 16, 190, 50,
                                       QStringLiteral(":/pages/bilder/gesetz_mue_relativ.svg"),
                                       tr("The relative attenuation value (CT number)"));
    BilderButton = knopf(this, QStringLiteral("BilderButton"), tr("Picture..."), 376, 488, 75, 25);
    connect(BilderButton, &QPushButton::clicked, this, &TForm10::BilderButtonClick);
    seiteEinrichten();
    Bausteine::breiteSichern(Memo1);
    Bausteine::breiteSichern(Memo2);
    // The scale and the gray bar beside it keep their pixel size at every layout.
    Bild2->setzeBildquelleInEigenerGroesse(QStringLiteral(":/pages/bilder/skala_relativ.svg"));
    GraukeilZeichnen();
    fokusfalleFuerAlleTexte(this, WeiterButton);
}

void TForm10::GraukeilZeichnen()
{
    Bild3->setGeometry(209, 39, 36, 124);
    Bild3->setzeGestreckt(false);
    Zeichenflaeche& f = Bild3->flaeche();
    f.setzeGroesse(36, 124);
    f.setzePinsel(Farben::Weiss);
    f.fillRect(0, 0, 36, 124);
    for (int i = 1; i <= 20; ++i) {
        const int g = int(std::nearbyint((20 - i) * 12.8));
        f.setzeStift(qRgb(g, g, g));
        f.setzePinsel(qRgb(g, g, g));
        const int y = 1 + 6 * (i - 1);
        f.polygon({{1, y}, {35, y}, {35, y + 7}, {1, y + 7}});
    }
    f.setzeStift(Farben::Schwarz);
    f.polyline({{1, 1}, {35, 1}, {35, 123}, {1, 123}, {1, 1}});
    Bild3->aktualisieren();
}

void TForm10::FormShow()
{
    kurs().neuAnbieten(false);
}

void TForm10::BilderButtonClick()
{
    zeigenVorn(FormBilderLunge);
}

#include "pages/Blatt5.h"

#include "app/Fenster.h"
#include "pages/Bausteine.h"
#include "pages/BilderGehirn.h"
#include "platform/Bildanzeige.h"
#include "platform/Farbtabelle.h"
#include "platform/Fensterart.h"
#include "platform/Fokusfalle.h"
#include "platform/Steuerelemente.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
QLabel* rotesSchild(QWidget* eltern, const QString& name, const QString& text, int x, int y)
{
    QLabel* l = bezeichnung(eltern, name, text, x, y, 13, true, QColor(Farben::Rot));
    l->setAttribute(Qt::WA_TranslucentBackground, true);
    return l;
}
}  // namespace

TForm5::TForm5()
    : Kursseite(QStringLiteral("Form5"))
{
    Memo1 = Bausteine::memo(this, QStringLiteral("Memo1"), 318, 14, 467, 499, QStringLiteral("blatt5_memo1"));
    Panel1 = new Panel(this, QStringLiteral("Panel1"), 14, 14, 281, 257);
    BildComputertomograph = Bausteine::bild(Panel1, QStringLiteral("BildComputertomograph"), 8, 8, 259, 231,
                                            QStringLiteral(":/pages/bilder/computertomograph.svg"),
                                            tr("A CT scanner of the third generation with its patient table"));
    Label1 = rotesSchild(Panel1, QStringLiteral("Label1"), tr("Gantry"), 138, 16);
    Label2 = rotesSchild(Panel1, QStringLiteral("Label2"), tr("Table"), 84, 144);
    Panel2 = new Panel(this, QStringLiteral("Panel2"), 42, 264, 241, 249);
    BildCTInnen = Bausteine::bild(Panel2, QStringLiteral("BildCTInnen"), 0, 0, 228, 236,
                                  QStringLiteral(":/pages/bilder/ct_innen.svg"),
                                  tr("Inside the gantry of a CT scanner of the third generation"));
    Pfeil1 = Bausteine::bild(Panel2, QStringLiteral("Pfeil1"), 122, 34, 14, 22, QStringLiteral(":/pages/bilder/pfeil_unten.svg"));
    Pfeil2 = Bausteine::bild(Panel2, QStringLiteral("Pfeil2"), 30, 148, 20, 20, QStringLiteral(":/pages/bilder/pfeil_schraeg.svg"));
    Pfeil3 = Bausteine::bild(Panel2, QStringLiteral("Pfeil3"), 114, 194, 14, 22, QStringLiteral(":/pages/bilder/pfeil_oben.svg"));
    for (Bildanzeige* p : {Pfeil1, Pfeil2, Pfeil3})
        p->setzeTransparent(true);
    Pfeil1->setAccessibleName(tr("Arrow to the tube"));
    Pfeil2->setAccessibleName(tr("Arrow to the data acquisition system"));
    Pfeil3->setAccessibleName(tr("Arrow to the detector"));
    Label3 = rotesSchild(Panel2, QStringLiteral("Label3"), tr("DAS"), 12, 170);
    Label4 = rotesSchild(Panel2, QStringLiteral("Label4"), tr("Tube"), 112, 16);
    Label5 = rotesSchild(Panel2, QStringLiteral("Label5"), tr("Detector"), 96, 216);
    BilderButton = knopf(this, QStringLiteral("BilderButton"), tr("Picture..."), 664, 472, 75, 25);
    connect(BilderButton, &QPushButton::clicked, this, &TForm5::BilderButtonClick);
    seiteEinrichten();
    Bausteine::breiteSichern(Memo1);
    fokusfalleFuerAlleTexte(this, WeiterButton);
}

void TForm5::BilderButtonClick()
{
    zeigenVorn(FormBilderGehirn);
}

#include "pages/Blatt4.h"

#include "pages/Bausteine.h"
#include "platform/Bildanzeige.h"
#include "platform/Fokusfalle.h"
#include "platform/Steuerelemente.h"

#include <QLabel>
#include <QPlainTextEdit>

TForm4::TForm4()
    : Kursseite(QStringLiteral("Form4"))
{
    Memo1 = Bausteine::memo(this, QStringLiteral("Memo1"), 410, 14, 375, 275, QStringLiteral("blatt4_memo1"));
    Memo2 = Bausteine::memo(this, QStringLiteral("Memo2"), 24, 256, 465, 249, QStringLiteral("blatt4_memo2"));
    Panel1 = new Panel(this, QStringLiteral("Panel1"), 30, 30, 363, 211);
    BildAnordnung = Bausteine::bild(Panel1, QStringLiteral("BildAnordnung"), 11, 10, 340, 190,
                                    QStringLiteral(":/pages/bilder/anordnung.svg"),
                                    tr("The measuring set-up of computer tomography"));
    Label1 = bezeichnung(Panel1, QStringLiteral("Label1"), tr("X-ray tube"), 8, 8);
    Label2 = bezeichnung(Panel1, QStringLiteral("Label2"), tr("Collimator"), 24, 128);
    Label3 = bezeichnung(Panel1, QStringLiteral("Label3"), tr("Detector"), 240, 184);
    Label4 = bezeichnung(Panel1, QStringLiteral("Label4"), tr("Collimator"), 248, 56);
    for (QLabel* l : {Label1, Label2, Label3, Label4})
        l->setAttribute(Qt::WA_TranslucentBackground, true);
    BildSchicht = Bausteine::bild(this, QStringLiteral("BildSchicht"), 502, 280, 151, 200,
                                  QStringLiteral(":/pages/bilder/schicht.svg"),
                                  tr("A layer of the head"));
    BildRaster = Bausteine::bild(this, QStringLiteral("BildRaster"), 656, 312, 140, 153,
                                 QStringLiteral(":/pages/bilder/raster.svg"),
                                 tr("The layer divided into volume elements"));
    seiteEinrichten();
    Bausteine::breiteSichern(Memo1);
    Bausteine::breiteSichern(Memo2);
    fokusfalleFuerAlleTexte(this, WeiterButton);
}

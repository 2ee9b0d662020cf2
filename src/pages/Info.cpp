#include "pages/Info.h"

#include "app/BlattAnfang.h"
#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "pages/Bausteine.h"
#include "platform/Bildanzeige.h"
#include "platform/Bildschirm.h"
#include "platform/Farbtabelle.h"
#include "platform/Fensterart.h"
#include "platform/Fokusfalle.h"
#include "platform/Skalierung.h"
#include "platform/Steuerelemente.h"

#include <QLabel>
#include <QPushButton>

namespace {
QLabel* verweis(QWidget* eltern, const QString& name, const QString& text, int x, int y, const QString& ziel)
{
    QLabel* l = bezeichnung(eltern, name, text, x, y, 13, false, QColor(Farben::Navy));
    QFont f = l->font();
    f.setUnderline(true);
    l->setFont(f);
    l->adjustSize();
    Bausteine::alsVerweis(l, ziel);
    return l;
}
}  // namespace

TFormInfo::TFormInfo()
{
    setObjectName(QStringLiteral("FormInfo"));
    setWindowTitle(tr("Info"));
    fensterart(this, Rahmen::NurSchliessen, Lage::Feld);
    setFont(arial(13));
    setzeClientgroesse(this, 520, 400);
    setzeZweitesSymbol(this);

    const QColor titelfarbe(Farben::Navy);
    Bild1 = Bausteine::bild(this, QStringLiteral("Bild1"), 24, 24, 151, 180, {},
                            tr("Cross section of a human head"));
    Panel1 = new Panel(this, QStringLiteral("Panel1"), 222, 24, 261, 4, titelfarbe);
    Label1 = bezeichnung(this, QStringLiteral("Label1"), tr("Image Reconstruction"), 227, 44, 24, true);
    Label2 = bezeichnung(this, QStringLiteral("Label2"), tr("in"), 344, 76, 24, true);
    Label3 = bezeichnung(this, QStringLiteral("Label3"), tr(" Computer Tomography"), 223, 115, 24, true);
    Panel2 = new Panel(this, QStringLiteral("Panel2"), 222, 158, 261, 4, titelfarbe);
    LabelVersion = bezeichnung(this, QStringLiteral("LabelVersion"), QString(), 321, 166, 10);

    const QStringList zeilen =
        ressourcentext(QStringLiteral(":/pages/texte/info.txt")).split(QLatin1Char('\n'));
    const auto zeile = [&zeilen](int i) { return zeilen.value(i); };
    TextZeile1 = bezeichnung(this, QStringLiteral("TextZeile1"), zeile(0), 222, 214);
    InternetLink1 = verweis(this, QStringLiteral("InternetLink1"), zeile(1), 222, 232, Bausteine::Webadresse);
    InternetLink2 = verweis(this, QStringLiteral("InternetLink2"), zeile(2), 222, 250, Bausteine::Webadresse);
    TextZeile2 = bezeichnung(this, QStringLiteral("TextZeile2"), zeile(3), 222, 268);
    TextZeile3 = bezeichnung(this, QStringLiteral("TextZeile3"), zeile(4), 222, 292);
    TextZeile4 = bezeichnung(this, QStringLiteral("TextZeile4"), zeile(5), 222, 310);
    TextZeile5 = bezeichnung(this, QStringLiteral("TextZeile5"), zeile(6), 222, 334);
    EMailLink = verweis(this, QStringLiteral("EMailLink"), Bausteine::Mailadresse, 222, 352, Bausteine::Mailverweis);
    TextZeile6 = bezeichnung(this, QStringLiteral("TextZeile6"), zeile(7), 24, 216);
    TextDatum = bezeichnung(this, QStringLiteral("TextDatum"), zeile(8), 24, 234);
    WeiterButton = knopf(this, QStringLiteral("WeiterButton"), tr("OK"), 62, 337, 75, 25);
    connect(WeiterButton, &QPushButton::clicked, this, &QWidget::close);

    // Scaled with the real screen; at the 1024 x 768 layout a fixed outer size.
    Skalierung::fensterSkalieren(this, Bildschirm::breite(), Bildschirm::hoehe());
    if (Bildschirmbreite == 1024)
        setzeAussengroesse(this, 676, 538);
    aufBildschirmZentrieren(this);

    // The start window's head picture and version text.
    Bild1->setzeBild(FormAnfang->Bild1->flaeche().bild());
    LabelVersion->setText(FormAnfang->LabelVersion->text());
    LabelVersion->adjustSize();
    fokusfalleFuerAlleTexte(this, WeiterButton);
}

#include "sim/Hinweis.h"

#include "app/Fenster.h"
#include "platform/Bildanzeige.h"
#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"
#include "sim/Einstellungen.h"

#include <QLabel>
#include <QPushButton>

TFormHinweis::TFormHinweis()
{
    fensterAnlegen(this, QStringLiteral("FormHinweis"), tr("Hinweis"), Rahmen::OhneSymbole, Lage::Dialog);
    setzeClientgroesse(this, 290, 163);

    Image1 = new Bildanzeige(this, QStringLiteral("Image1"));
    Image1->setGeometry(16, 16, 40, 90);
    Image1->setzeBildquelle(QStringLiteral(":/sim/hinweis.svg"));
    Label1 = bezeichnung(this, QStringLiteral("Label1"), tr("The adjustments have been changed"), 67, 16);
    Label2 = bezeichnung(this, QStringLiteral("Label2"), tr("If you accept the new settings"), 67, 40);
    Label3 = bezeichnung(this, QStringLiteral("Label3"), tr("the CT picture will be deleted."), 67, 64);
    Label4 = bezeichnung(this, QStringLiteral("Label4"), QString(), 67, 88);
    OKButton = knopf(this, QStringLiteral("OKButton"), tr("OK"), 50, 128, 75, 25);
    AbbrechenButton = knopf(this, QStringLiteral("AbbrechenButton"), tr("Abort"), 166, 128, 75, 25);
    connect(OKButton, &QPushButton::clicked, this, &TFormHinweis::OKButtonClick);
    connect(AbbrechenButton, &QPushButton::clicked, this, &TFormHinweis::AbbrechenButtonClick);

    aufBildschirmZentrieren(this);
}

void TFormHinweis::OKButtonClick()
{
    close();
    FormEinstellungen->Bestaetigen();
}

void TFormHinweis::AbbrechenButtonClick()
{
    FormEinstellungen->Verwerfen();
}

#include "app/Ausstieg.h"

#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "platform/Bildschirm.h"
#include "platform/Fensterart.h"
#include "platform/Skalierung.h"
#include "platform/Steuerelemente.h"

#include <QLabel>
#include <QPushButton>

bool Programmende()
{
    return FormAusstieg && FormAusstieg->programmende();
}

TFormAusstieg::TFormAusstieg()
{
    fensterAnlegen(this, QStringLiteral("FormAusstieg"), tr(" Computer Tomography"), Rahmen::NurSchliessen, Lage::Dialog);
    setzeClientgroesse(this, 292, 103);

    Label1 = new QLabel(tr("Do you really want to quit?"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setGeometry(16, 24, 268, 16);
    ButtonJa = knopf(this, QStringLiteral("ButtonJa"), tr("Yes"), 72, 56, 55, 25);
    ButtonNein = knopf(this, QStringLiteral("ButtonNein"), tr("No"), 160, 56, 55, 25);
    connect(ButtonJa, &QPushButton::clicked, this, &TFormAusstieg::ButtonJaClick);
    connect(ButtonNein, &QPushButton::clicked, this, &TFormAusstieg::ButtonNeinClick);

    Skalierung::fensterSkalieren(this, Bildschirm::breite(), Bildschirm::hoehe());
    if (Bildschirmbreite == 1024)
        setzeAussengroesse(this, 384, 150);
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);
}

void TFormAusstieg::ButtonJaClick()
{
    m_programmende = true;
    FormHaupt->close();
}

void TFormAusstieg::ButtonNeinClick()
{
    close();
}

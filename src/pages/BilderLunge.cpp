#include "pages/BilderLunge.h"

#include "core/Koerperphantome.h"
#include "pages/Bausteine.h"
#include "pages/Koerperbilder.h"
#include "platform/Bildanzeige.h"
#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

TFormBilderLunge::TFormBilderLunge()
{
    setObjectName(QStringLiteral("FormBilderLunge"));
    setWindowTitle(tr("Images of lungs with different windowing"));
    fensterart(this, Rahmen::NurSchliessen, Lage::Feld);
    setFont(arial(13));
    setzeClientgroesse(this, 464, 321);
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);

    Panel1 = new Panel(this, QStringLiteral("Panel1"), 14, 14, 437, 259);
    Panel1->setzeEinfacherRahmen(true);
    BildLunge1 = Bausteine::bild(Panel1, QStringLiteral("BildLunge1"), 8, 8, 198, 198, {},
                                 tr("The chest in the lung window"));
    BildLunge2 = Bausteine::bild(Panel1, QStringLiteral("BildLunge2"), 226, 8, 198, 198, {},
                                 tr("The same slice in the soft tissue window"));
    Label1 = bezeichnung(Panel1, QStringLiteral("Label1"), tr("Lung Window"), 62, 212);
    Label2 = bezeichnung(Panel1, QStringLiteral("Label2"), tr("C = - 720 HU"), 18, 232);
    Label3 = bezeichnung(Panel1, QStringLiteral("Label3"), tr("W = 750 HU"), 120, 232);
    Label4 = bezeichnung(Panel1, QStringLiteral("Label4"), tr("Soft Tissue Window"), 274, 212);
    Label5 = bezeichnung(Panel1, QStringLiteral("Label5"), tr("C = +35 HU"), 249, 232);
    Label6 = bezeichnung(Panel1, QStringLiteral("Label6"), tr("W = 400 HU"), 343, 232);
    EndeButton = Bausteine::endeKnopf(this, 195, 288);
    connect(EndeButton, &QPushButton::clicked, this, &QWidget::close);
}

void TFormBilderLunge::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    // The two pictures are computed when the window is first shown.
    if (m_bilderDa)
        return;
    m_bilderDa = true;
    BildLunge1->setzeBild(Koerperbilder::lunge(BildLunge1->width(), BildLunge1->height(),
                                               phantom::LungenfensterZentrum, phantom::LungenfensterBreite));
    BildLunge2->setzeBild(Koerperbilder::lunge(BildLunge2->width(), BildLunge2->height(),
                                               phantom::WeichteilfensterZentrum, phantom::WeichteilfensterBreite));
}

#include "pages/BilderGehirn.h"

#include "app/BlattAnfang.h"
#include "app/Fenster.h"
#include "pages/Bausteine.h"
#include "pages/Koerperbilder.h"
#include "platform/Bildanzeige.h"
#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

TFormBilderGehirn::TFormBilderGehirn()
{
    setObjectName(QStringLiteral("FormBilderGehirn"));
    setWindowTitle(tr("Images of heads from the ears 1974 and 1996"));
    fensterart(this, Rahmen::NurSchliessen, Lage::Feld);
    setFont(arial(13));
    setzeClientgroesse(this, 502, 396);
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);

    Panel1 = new Panel(this, QStringLiteral("Panel1"), 14, 14, 475, 331);
    Panel1->setzeEinfacherRahmen(true);
    Label1 = bezeichnung(Panel1, QStringLiteral("Label1"), tr("Images of heads"), 166, 8, 16, true);
    BildGehirnalt = Bausteine::bild(Panel1, QStringLiteral("BildGehirnalt"), 16, 32, 207, 245, {},
                                    tr("A head scanned in 1974: a coarse matrix of about 3 mm elements"));
    BildGehirnneu = Bausteine::bild(Panel1, QStringLiteral("BildGehirnneu"), 248, 32, 207, 245, {},
                                    tr("A head scanned in 1996: a fine matrix of 512 x 512 elements"));
    BildGehirnneu->setzeBild(FormAnfang->Bild1->flaeche().bild());
    LabelGeraetalt = bezeichnung(Panel1, QStringLiteral("LabelGeraetalt"),
                                 tr("A head scanner of the first generation"), 8, 280);
    LabelGeraetneu = bezeichnung(Panel1, QStringLiteral("LabelGeraetneu"),
                                 tr("A spiral CT scanner"), 248, 280);
    LabelJahralt = bezeichnung(Panel1, QStringLiteral("LabelJahralt"), tr("1974"), 8, 296);
    LabelJahrneu = bezeichnung(Panel1, QStringLiteral("LabelJahrneu"), tr("1996"), 248, 296);
    EndeButton = Bausteine::endeKnopf(this, 213, 360);
    connect(EndeButton, &QPushButton::clicked, this, &QWidget::close);
}

void TFormBilderGehirn::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    // The head of 1974 is computed when the window is first shown.
    if (m_bilderDa)
        return;
    m_bilderDa = true;
    BildGehirnalt->setzeBild(Koerperbilder::kopf1974(BildGehirnalt->width(), BildGehirnalt->height()));
}

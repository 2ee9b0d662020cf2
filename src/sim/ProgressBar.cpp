#include "sim/ProgressBar.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

#include <QProgressBar>

TFormProgressBar::TFormProgressBar()
{
    fensterAnlegen(this, QStringLiteral("FormProgressBar"), tr("Please be patient"), Rahmen::OhneSymbole, Lage::Feld);
    setzeClientgroesse(this, 348, 65);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(30, 25, 289, 16);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);

    aufBildschirmZentrieren(this);
}

#include "sim/ProgressBar.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

#include <QProgressBar>

TFormProgressBar::TFormProgressBar()
{
    setObjectName(QStringLiteral("FormProgressBar"));
    setWindowTitle(QStringLiteral("Please be patient"));
    fensterart(this, Rahmen::OhneSymbole, true);
    setFont(arial(13));
    setContextMenuPolicy(Qt::NoContextMenu);
    setzeClientgroesse(this, 348, 65);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(30, 25, 289, 16);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);

    aufBildschirmZentrieren(this);
}

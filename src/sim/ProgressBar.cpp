#include "sim/ProgressBar.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

TFormProgressBar::TFormProgressBar()
{
    setObjectName(QStringLiteral("FormProgressBar"));
    setWindowTitle(QStringLiteral("Please be patient"));
    fensterart(this, Rahmen::OhneSymbole, true);
    setFont(arial(13));
    setzeClientgroesse(this, 348, 65);
    aufBildschirmZentrieren(this);
}

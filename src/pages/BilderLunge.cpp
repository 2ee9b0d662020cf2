#include "pages/BilderLunge.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

TFormBilderLunge::TFormBilderLunge()
{
    setObjectName(QStringLiteral("FormBilderLunge"));
    setWindowTitle(QStringLiteral("Images of lungs with different windowing"));
    fensterart(this, Rahmen::NurSchliessen, true);
    setFont(arial(13));
    setzeClientgroesse(this, 464, 321);
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);
}

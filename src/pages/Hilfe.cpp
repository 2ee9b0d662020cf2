#include "pages/Hilfe.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

TFormHilfe::TFormHilfe()
{
    setObjectName(QStringLiteral("FormHilfe"));
    setWindowTitle(QStringLiteral("Help"));
    fensterart(this, Rahmen::NurSchliessen, true);
    setFont(arial(13));
    setzeClientgroesse(this, 509, 410);
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);
}

void TFormHilfe::HilfeZeigen(int, int)
{
    zeigenVorn(this);
}

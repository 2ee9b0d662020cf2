#include "pages/BilderGehirn.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

TFormBilderGehirn::TFormBilderGehirn()
{
    setObjectName(QStringLiteral("FormBilderGehirn"));
    setWindowTitle(QStringLiteral("Images of heads from the ears 1974 and 1996"));
    fensterart(this, Rahmen::NurSchliessen, true);
    setFont(arial(13));
    setzeClientgroesse(this, 502, 396);
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);
}

#include "pages/Quellen.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

TFormQuellen::TFormQuellen()
{
    setObjectName(QStringLiteral("FormQuellen"));
    setWindowTitle(QStringLiteral("Sources"));
    fensterart(this, Rahmen::NurSchliessen, true);
    setFont(arial(13));
    setzeClientgroesse(this, 542, 348);
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);
}

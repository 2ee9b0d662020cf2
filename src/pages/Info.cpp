#include "pages/Info.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

TFormInfo::TFormInfo()
{
    setObjectName(QStringLiteral("FormInfo"));
    setWindowTitle(QStringLiteral("Info"));
    fensterart(this, Rahmen::NurSchliessen, true);
    setFont(arial(13));
    setzeClientgroesse(this, 520, 400);
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);
}

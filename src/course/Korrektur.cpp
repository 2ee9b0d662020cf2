#include "course/Korrektur.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

TFormKorrektur::TFormKorrektur()
{
    setObjectName(QStringLiteral("FormKorrektur"));
    fensterart(this, Rahmen::NurSchliessen, false);
    setFont(arial(13));
    setzeClientgroesse(this, 371, 145);
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);
}

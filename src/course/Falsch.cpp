#include "course/Falsch.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

TFormFalsch::TFormFalsch()
{
    setObjectName(QStringLiteral("FormFalsch"));
    fensterart(this, Rahmen::NurSchliessen, true);
    setFont(arial(13));
    setzeClientgroesse(this, 265, 140);
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);
}

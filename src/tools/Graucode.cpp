#include "tools/Graucode.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

TFormGraucode::TFormGraucode()
{
    setObjectName(QStringLiteral("FormGraucode"));
    setWindowTitle(QStringLiteral("Gray scaling"));
    fensterart(this, Rahmen::NurSchliessen, true);
    setFont(arial(13));
    setzeClientgroesse(this, 332, 215);
}

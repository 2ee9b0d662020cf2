#include "tools/Eingabe.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

TFormEingabe::TFormEingabe()
{
    setObjectName(QStringLiteral("FormEingabe"));
    setWindowTitle(QStringLiteral("Input window for linear filters"));
    fensterart(this, Rahmen::NurSchliessen, true);
    setFont(arial(13));
    setzeClientgroesse(this, 271, 228);
}

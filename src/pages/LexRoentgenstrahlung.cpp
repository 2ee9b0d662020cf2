#include "pages/LexRoentgenstrahlung.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

TFormLexikonRoentgenstrahlung::TFormLexikonRoentgenstrahlung()
{
    setObjectName(QStringLiteral("FormLexikonRoentgenstrahlung"));
    setWindowTitle(QStringLiteral("X-rays"));
    fensterart(this, Rahmen::NurSchliessen, true);
    setFont(arial(13));
    setzeClientgroesse(this, 646, 532);
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);
}

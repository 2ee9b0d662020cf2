#include "pages/LexComputertomograph.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

TFormLexikonComputertomograph::TFormLexikonComputertomograph()
{
    setObjectName(QStringLiteral("FormLexikonComputertomograph"));
    setWindowTitle(QStringLiteral("The 'real' comper tomography"));
    fensterart(this, Rahmen::NurSchliessen, true);
    setFont(arial(13));
    setzeClientgroesse(this, 612, 524);
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);
}

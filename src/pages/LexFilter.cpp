#include "pages/LexFilter.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

TFormLexikonFilter::TFormLexikonFilter()
{
    setObjectName(QStringLiteral("FormLexikonFilter"));
    setWindowTitle(QStringLiteral("Filter and Convolution"));
    fensterart(this, Rahmen::NurSchliessen, true);
    setFont(arial(13));
    setzeClientgroesse(this, 578, 470);
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);
}

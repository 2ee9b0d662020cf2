#include "tools/Archiv.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

TFormArchiv::TFormArchiv()
{
    setObjectName(QStringLiteral("FormArchiv"));
    setWindowTitle(QStringLiteral(" Computer Tomography"));
    fensterart(this, Rahmen::MitMaximieren, true);
    setFont(arial(13));
    setzeClientgroesse(this, 544, 306);
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);
}

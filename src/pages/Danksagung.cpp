#include "pages/Danksagung.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

TFormDanksagung::TFormDanksagung()
{
    setObjectName(QStringLiteral("FormDanksagung"));
    setWindowTitle(QStringLiteral("Acknowledgements"));
    fensterart(this, Rahmen::NurSchliessen, true);
    setFont(arial(13));
    setzeClientgroesse(this, 504, 348);
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);
}

#include "tools/Bilder38.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

TFormBilder38::TFormBilder38()
{
    setObjectName(QStringLiteral("FormBilder38"));
    setWindowTitle(QStringLiteral("Pattern Library"));
    fensterart(this, Rahmen::MitMinimieren, true);
    setFont(arial(13));
    setzeClientgroesse(this, 285, 341);
    aufBildschirmZentrieren(this);
}

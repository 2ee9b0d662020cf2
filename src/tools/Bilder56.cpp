#include "tools/Bilder56.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

TFormBilder56::TFormBilder56()
{
    setObjectName(QStringLiteral("FormBilder56"));
    setWindowTitle(QStringLiteral("Pattern Library"));
    fensterart(this, Rahmen::MitMinimieren, true);
    setFont(arial(13));
    setzeClientgroesse(this, 283, 336);
    aufBildschirmZentrieren(this);
}

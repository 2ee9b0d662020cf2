#include "sim/Pause.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

TFormPause::TFormPause()
{
    setObjectName(QStringLiteral("FormPause"));
    fensterart(this, Rahmen::Ohne, true);
    setFont(arial(13));
    setzeClientgroesse(this, 67, 23);
}

#include "sim/Einstellungen.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

TFormEinstellungen::TFormEinstellungen()
{
    setObjectName(QStringLiteral("FormEinstellungen"));
    setWindowTitle(QStringLiteral("Adjustments to the computer tomography"));
    fensterart(this, Rahmen::OhneSymbole, true);
    setFont(arial(13));
    setzeClientgroesse(this, 317, 355);
}

#include "sim/Hinweis.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

TFormHinweis::TFormHinweis()
{
    setObjectName(QStringLiteral("FormHinweis"));
    setWindowTitle(QStringLiteral("Hinweis"));
    fensterart(this, Rahmen::OhneSymbole, true);
    setFont(arial(13));
    setzeClientgroesse(this, 290, 163);
    aufBildschirmZentrieren(this);
}

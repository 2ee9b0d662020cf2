#include "tools/Archivbearbeiten.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

TFormArchivbearbeiten::TFormArchivbearbeiten()
{
    setObjectName(QStringLiteral("FormArchivbearbeiten"));
    setWindowTitle(QStringLiteral("CT Picture"));
    fensterart(this, Rahmen::NurSchliessen, true);
    setFont(arial(13));
    setzeClientgroesse(this, 337, 210);
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);
}

#include "tools/BlattFilter.h"

#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

#include <QRadioButton>

TFormFilter::TFormFilter()
{
    setObjectName(QStringLiteral("FormFilter"));
    setWindowTitle(QStringLiteral("Filter"));
    fensterart(this, Rahmen::NurSchliessen, true);
    setFont(arial(13));
    setzeClientgroesse(this, 422, 266);
    keinFilter = optionsfeld(this, QStringLiteral("keinFilter"), QStringLiteral("No filter"), 26, 25, true);
}

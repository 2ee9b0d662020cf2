#include "pages/Blatt0.h"

#include "app/HauptBlatt.h"
#include "platform/Steuerelemente.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

TForm0::TForm0()
    : Kursseite(QStringLiteral("Form0"))
{
    Label1 = bezeichnung(this, QStringLiteral("Label1"), QStringLiteral("Hello"), 35, 14);
    Namensfeld = eingabefeld(this, QStringLiteral("Namensfeld"), 70, 14, 169, 18);
    Namensfeld->setReadOnly(true);
    setzeRahmen(Namensfeld, false);
    seiteEinrichten();
}

void TForm0::FormActivate()
{
    (Lernmodus ? FormHaupt->Lernprogramm1 : FormHaupt->Demonstration1)->setChecked(true);
}

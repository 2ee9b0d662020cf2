#include "course/Blatt6.h"

#include "app/HauptBlatt.h"

#include <QAction>
#include <QMenu>

TForm6::TForm6()
    : Kursseite(QStringLiteral("Form6"))
{
    seiteEinrichten();
}

void TForm6::FormShow()
{
    FormHaupt->Neu->setEnabled(false);
}

#include "pages/Blatt10.h"

#include "app/HauptBlatt.h"

#include <QAction>
#include <QMenu>

TForm10::TForm10()
    : Kursseite(QStringLiteral("Form10"))
{
    seiteEinrichten();
}

void TForm10::FormShow()
{
    FormHaupt->Neu->setEnabled(false);
    FormHaupt->Optionen->setEnabled(true);
}

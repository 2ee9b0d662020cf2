#include "course/Blatt7.h"

#include "app/HauptBlatt.h"

#include <QAction>
#include <QMenu>

TForm7::TForm7()
    : Kursseite(QStringLiteral("Form7"))
{
    seiteEinrichten();
}

void TForm7::NeuStart()
{
}

void TForm7::FormShow()
{
    FormHaupt->Neu->setEnabled(true);
}

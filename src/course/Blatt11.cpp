#include "course/Blatt11.h"

#include "app/HauptBlatt.h"

#include <QAction>
#include <QMenu>

TForm11::TForm11()
    : Kursseite(QStringLiteral("Form11"))
{
    seiteEinrichten();
}

void TForm11::NeuStart()
{
}

void TForm11::FormShow()
{
    FormHaupt->Neu->setEnabled(true);
}

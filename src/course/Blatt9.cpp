#include "course/Blatt9.h"

#include "app/HauptBlatt.h"

#include <QAction>
#include <QMenu>

TForm9::TForm9()
    : Kursseite(QStringLiteral("Form9"))
{
    seiteEinrichten();
}

void TForm9::NeuStart()
{
}

void TForm9::Demonstration1()
{
    Lernmodus = false;
    FormHaupt->Demonstration1->setChecked(true);
}

void TForm9::Lernprogramm1()
{
    Lernmodus = true;
    FormHaupt->Lernprogramm1->setChecked(true);
}

void TForm9::FormShow()
{
    FormHaupt->Neu->setEnabled(true);
}

#include "course/Blatt8.h"

#include "app/HauptBlatt.h"

#include <QAction>
#include <QMenu>

TForm8::TForm8()
    : Kursseite(QStringLiteral("Form8"))
{
    seiteEinrichten();
}

void TForm8::NeuStart()
{
}

void TForm8::Demonstration1()
{
    Lernmodus = false;
    FormHaupt->Demonstration1->setChecked(true);
}

void TForm8::Lernprogramm1()
{
    Lernmodus = true;
    FormHaupt->Lernprogramm1->setChecked(true);
}

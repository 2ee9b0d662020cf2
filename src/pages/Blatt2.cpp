#include "pages/Blatt2.h"

#include "app/HauptBlatt.h"

#include <QAction>
#include <QMenu>

TForm2::TForm2()
    : Kursseite(QStringLiteral("Form2"))
{
    seiteEinrichten();
}

#include "pages/Blatt1.h"

#include "app/HauptBlatt.h"

#include <QAction>
#include <QMenu>

TForm1::TForm1()
    : Kursseite(QStringLiteral("Form1"))
{
    seiteEinrichten();
}

#include "pages/Blatt4.h"

#include "app/HauptBlatt.h"

#include <QAction>
#include <QMenu>

TForm4::TForm4()
    : Kursseite(QStringLiteral("Form4"))
{
    seiteEinrichten();
}

#include "pages/Blatt5.h"

#include "app/HauptBlatt.h"

#include <QAction>
#include <QMenu>

TForm5::TForm5()
    : Kursseite(QStringLiteral("Form5"))
{
    seiteEinrichten();
}

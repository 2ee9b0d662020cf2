#include "pages/Blatt3.h"

#include "app/HauptBlatt.h"

#include <QAction>
#include <QMenu>

TForm3::TForm3()
    : Kursseite(QStringLiteral("Form3"))
{
    seiteEinrichten();
}

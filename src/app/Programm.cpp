#include "app/Programm.h"

#include "app/Version.h"

#include <QApplication>
#include <QWidget>
#include <QtGlobal>

// The resource initialisers are global functions: they must be named outside any namespace.
static void alleRessourcenLaden()
{
    Q_INIT_RESOURCE(app);
    Q_INIT_RESOURCE(sim);
    Q_INIT_RESOURCE(tools);
    Q_INIT_RESOURCE(course);
    Q_INIT_RESOURCE(pages);
    Q_INIT_RESOURCE(ausgaben);
}

namespace Programm {

namespace {
bool ende = false;
bool hauptschleife = false;
}  // namespace

void endeAnfordern()
{
    ende = true;
}

bool endeAngefordert()
{
    return ende;
}

void endeZuruecksetzen()
{
    ende = false;
}

void setzeHauptschleife(bool laeuft)
{
    hauptschleife = laeuft;
}

void beenden()
{
    // Every window goes with the main window; a modal wait then returns too.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            w->hide();
    if (hauptschleife)
        QCoreApplication::exit(0);
}

void benennen()
{
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvel"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEL_KENNUNG));
}

void ressourcenLaden()
{
    alleRessourcenLaden();
}

}  // namespace Programm

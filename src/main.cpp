#include "app/Fenster.h"
#include "app/Kommandozeile.h"
#include "app/Programm.h"
#include "platform/Einpassung.h"
#include "platform/Sprache.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>
#include <QTimer>

int main(int argc, char* argv[])
{
    // --help, --version and a wrong command line are answered before anything
    // needs a display.
    if (const std::optional<int> ende = Kommandozeile::behandeln(argc, argv))
        return *ende;

    // The layout is fitted to the screen: Qt's scale factor must be known
    // before the application object exists.
    Einpassung::vorbereiten(argc, argv);
    QApplication anwendung(argc, argv);
    Einpassung::uebernehmen();
    Programm::benennen();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    Programm::ressourcenLaden();
    // The edition the desktop's languages ask for (none in the C locale).
    Sprache::einrichten();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app/icon.svg")));
    // The windows hide when they close; the program ends with its main window.
    QApplication::setQuitOnLastWindowClosed(false);

    Fenstersatz::erzeugen();
    Fenstersatz::starten();
    Programm::setzeHauptschleife(true);
    if (Programm::endeAngefordert())
        QTimer::singleShot(0, [] { Programm::beenden(); });
    const int ergebnis = QApplication::exec();
    Programm::setzeHauptschleife(false);
    Fenstersatz::abbauen();
    return ergebnis;
}

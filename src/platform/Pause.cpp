#include "platform/Pause.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

void pause(int ms)
{
    QElapsedTimer uhr;
    uhr.start();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    while (uhr.elapsed() <= ms) {
        bool abgelaufen = false;
        QEventLoop schleife;
        QTimer wecker;
        wecker.setSingleShot(true);
        wecker.setTimerType(Qt::PreciseTimer);
        QObject::connect(&wecker, &QTimer::timeout, &schleife, [&] {
            abgelaufen = true;
            schleife.quit();
        });
        wecker.start(int(ms - uhr.elapsed() + 1));
        schleife.exec();
        // An event loop that returns before its timer fired was ended by the
        // application shutting down; waiting on would only spin.
        if (!abgelaufen)
            return;
    }
}

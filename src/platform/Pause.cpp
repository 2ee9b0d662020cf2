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
    const qint64 grenze = qint64(ms) * 1000000;  // nanoseconds
    while (uhr.nsecsElapsed() <= grenze) {
        bool abgelaufen = false;
        QEventLoop schleife;
        QTimer wecker;
        wecker.setSingleShot(true);
        wecker.setTimerType(Qt::PreciseTimer);
        QObject::connect(&wecker, &QTimer::timeout, &schleife, [&] {
            abgelaufen = true;
            schleife.quit();
        });
        // Whole milliseconds, rounded up: the timer never fires early, and
        // the wait ends within a millisecond of its bound.
        wecker.start(int((grenze - uhr.nsecsElapsed() + 999999) / 1000000));
        schleife.exec();
        // An event loop that returns before its timer fired was ended by the
        // application shutting down; waiting on would only spin.
        if (!abgelaufen)
            return;
    }
}

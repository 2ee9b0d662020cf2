#include "platform/Pause.h"

#include <QCoreApplication>
#include <algorithm>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <thread>
#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace {

// Waits a little more than grenze nanoseconds, measured by uhr (running).
void wartenBis(const QElapsedTimer& uhr, qint64 grenze)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    constexpr qint64 millisekunde = 1000000;
    for (qint64 rest = grenze - uhr.nsecsElapsed(); rest >= 0; rest = grenze - uhr.nsecsElapsed()) {
        if (rest < millisekunde) {
            // The event loop's timers count whole milliseconds; the last part
            // of a millisecond is slept precisely (idle, not spinning). The
            // kernel may otherwise add 50 microseconds of slack to every sleep.
#ifdef __linux__
            static const bool genau = prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0;
            (void)genau;
#endif
            std::this_thread::sleep_for(std::chrono::nanoseconds(rest + 1));
            continue;
        }
        bool abgelaufen = false;
        QEventLoop schleife;
        QTimer wecker;
        wecker.setSingleShot(true);
        wecker.setTimerType(Qt::PreciseTimer);
        QObject::connect(&wecker, &QTimer::timeout, &schleife, [&] {
            abgelaufen = true;
            schleife.quit();
        });
        // Whole milliseconds, rounded down: the timer may fire up to a
        // millisecond late, and the rest is slept above.
        wecker.start(int(rest / millisekunde));
        schleife.exec();
        // An event loop that returns before its timer fired was ended by the
        // application shutting down; waiting on would only spin.
        if (!abgelaufen)
            return;
    }
}

}  // namespace

void pause(int ms)
{
    QElapsedTimer uhr;
    uhr.start();
    wartenBis(uhr, qint64(ms) * 1000000);
}

void Takt::beginnen()
{
    m_uhr.start();
    m_soll = 0;
}

void Takt::warten(int ms)
{
    if (!m_uhr.isValid())
        beginnen();
    const qint64 schritt = qint64(ms) * 1000000;
    constexpr qint64 hoechstensNachholen = 100000000;  // ns, for short steps
    m_soll = std::max(m_soll + schritt, m_uhr.nsecsElapsed() - std::max(schritt, hoechstensNachholen));
    wartenBis(m_uhr, m_soll);
}

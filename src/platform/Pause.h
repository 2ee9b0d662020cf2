#pragma once

#include <QElapsedTimer>

// Waits a little more than ms milliseconds while the window system goes on:
// pending events (input, painting, timers) are processed at least once, and
// then whenever they arrive, so the learner can click, close or minimise
// windows during the wait. The processor stays idle meanwhile. Re-entrant: an
// event handled during the wait may itself call pause. Returns once strictly
// more than ms milliseconds have passed, or at once when the application is
// shutting down its event loops.
void pause(int ms);

// The pace of an animation: the k-th wait after beginnen() ends k times ms
// milliseconds after it, so the drawing done between two waits is part of
// the step rather than added to it, and a scan keeps its pace on any screen
// whose drawing fits into a step on average. A step that overran shortens the
// next waits; at most one step, or 100 ms of short steps, is made up that way
// (a slow first step of a scan is absorbed, a long stall such as a pause is
// never followed by a rush). Every wait handles the
// pending events at least once (pause(0)), so the window is painted and input
// is taken even when no time is left.
class Takt
{
public:
    void beginnen();
    void warten(int ms);

private:
    QElapsedTimer m_uhr;
    qint64 m_soll = 0;  // where the last wait ended by the pace, ns after beginnen()
};

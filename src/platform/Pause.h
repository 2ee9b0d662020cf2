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

// The pace of an animation: each wait ends ms milliseconds after the previous
// one ended, so the drawing done between two waits is part of the step rather
// than added to it, and a scan keeps its pace on any screen whose drawing
// fits into a step. A step that took longer than ms still handles the pending
// events once (pause(0)), so the window is painted and input is taken. The
// first wait after beginnen() counts from there.
class Takt
{
public:
    void beginnen();
    void warten(int ms);

private:
    QElapsedTimer m_uhr;
};

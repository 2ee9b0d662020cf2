#pragma once

// Waits a little more than ms milliseconds while the window system goes on:
// pending events (input, painting, timers) are processed at least once, and
// then whenever they arrive, so the learner can click, close or minimise
// windows during the wait. The processor stays idle meanwhile. Re-entrant: an
// event handled during the wait may itself call pause. Returns once strictly
// more than ms milliseconds have passed, or at once when the application is
// shutting down its event loops.
void pause(int ms);

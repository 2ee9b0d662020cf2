#pragma once

#include <functional>

class QObject;
class QWidget;

// Calls `aktion` whenever a mouse button is pressed on `element` while
// `bedingung` holds (always, without one). Such a press, and the moves and
// the release after it, go no further: no caret, no selection. For a text
// with scroll bars the press is caught on its viewport too. Returns the
// filter, owned by `element`.
QObject* mausdruckAbfangen(QWidget* element, std::function<bool()> bedingung, std::function<void()> aktion);

// Read-only texts must never show a caret or a selection: a mouse button
// pressed on such a text hands the keyboard focus to `ziel` (an off-screen
// button or the window's close button) and the press goes no further.
// Scroll bars keep working.
void fokusfalle(QWidget* text, QWidget* ziel);

// The same for every one-line and multi-line text field inside `fenster`.
void fokusfalleFuerAlleTexte(QWidget* fenster, QWidget* ziel);

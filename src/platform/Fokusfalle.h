#pragma once

class QWidget;

// Read-only texts must never show a caret or a selection: a mouse button
// pressed on such a text hands the keyboard focus to `ziel` (an off-screen
// button or the window's close button) and the press goes no further.
// Scroll bars keep working.
void fokusfalle(QWidget* text, QWidget* ziel);

// The same for every one-line and multi-line text field inside `fenster`.
void fokusfalleFuerAlleTexte(QWidget* fenster, QWidget* ziel);

#pragma once

// The program's own lifetime, apart from its windows.
namespace Programm {

// A display check asked for the program's end: start-up still completes, and
// the event loop stops at its first turn.
void endeAnfordern();
bool endeAngefordert();
void endeZuruecksetzen();

// The main event loop runs (set by main around the loop).
void setzeHauptschleife(bool laeuft);
// Ends the program: all windows are hidden, and every event loop, the main
// one included, returns at its next turn (without a running main loop, as in
// tests, only the windows are hidden).
void beenden();

// Tells Qt and the desktop who the program is: its name, its version, and
// the id of its desktop entry (with which a Wayland desktop matches the
// window to its entry and icon).
void benennen();

// Loads the resources (pictures, icons and texts) of every part.
void ressourcenLaden();

}  // namespace Programm

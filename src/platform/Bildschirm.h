#pragma once

// What the program asks of the display at start: pixels per inch (the
// screen's logical DPI, so a high-DPI screen scaled by Qt reports 96), colour
// depth in bits per pixel, and the screen size in pixels. Tests replace the
// answer to try any display without having it.
struct Anzeigedaten
{
    int ppi = 96;
    int farbtiefe = 24;
    int breite = 800;
    int hoehe = 600;
};

namespace Bildschirm {

Anzeigedaten abfragen();
// From now on abfragen() answers `daten` instead of asking the screen.
void ersetzen(const Anzeigedaten& daten);
// Back to asking the screen.
void zuruecksetzen();

// The real screen width and height (not the layout values).
inline int breite() { return abfragen().breite; }
inline int hoehe() { return abfragen().hoehe; }

}  // namespace Bildschirm

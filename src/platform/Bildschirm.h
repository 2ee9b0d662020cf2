#pragma once

#include <QRect>
#include <QSize>

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

// The screen as the windows see it. Where the layout is fitted to a larger
// screen (einpassen), its size is the layout's: every window then sizes and
// centres itself as on a screen of exactly that size.
Anzeigedaten abfragen();
// From now on the real screen is taken to be `daten` instead of asking Qt.
void ersetzen(const Anzeigedaten& daten);
// Back to asking the screen, with no layout fitted.
void zuruecksetzen();

// The layout (800 x 600 or 1024 x 768) stands horizontally centred on the
// whole screen, which is at least as large; an empty size ends that. Where
// the screen's size in the layout's pixels is a fraction, `bildschirm` gives
// it rounded up (else the screen's size as Qt reports it holds).
void einpassen(QSize layout, QSize bildschirm = {});
bool eingepasst();
// The whole screen, in device-independent pixels: the main window and the
// simulator fill it.
QRect flaeche();
// Where the layout's left edge stands on the screen (0 unless fitted to a
// wider screen).
int versatz();
// The screen part the windows see as the screen: the layout where it is
// fitted, else the whole screen.
QRect layoutrahmen();

// The screen width and height as the windows see them (not the layout values).
inline int breite() { return abfragen().breite; }
inline int hoehe() { return abfragen().hoehe; }

}  // namespace Bildschirm

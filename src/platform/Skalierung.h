#pragma once

class QWidget;

// The window scaling rule. Every window is designed for an 800 x 600 screen;
// on the 1024 x 768 layout it grows with the screen.
namespace Skalierung {

// a * m / d rounded to the nearest integer, halves away from zero.
int mulDivRund(int a, int m, int d);

// Pixel height of an Arial font <-> its size in points at 96 dots per inch.
int punkteAusPixeln(int pixel);
int pixelAusPunkten(int punkte);

// Scales a window designed for 800 x 600 to a screen of breite x hoehe:
//  1. client height := client height x hoehe / 600   (integer, truncating)
//  2. client width  := client width  x hoehe / 800   (integer, truncating)
//  3. every control (every named child widget, recursively through containers)
//     gets left L = left x M / 800, top T = top x M / 800,
//     width (left + width) x M / 800 - L, height (top + height) x M / 800 - T;
//     every font of its own (and the window's font) is scaled in points by M / 800;
//     the client width and height are multiplied by M / 800,
// with M = breite and every product of step 3 rounded half away from zero.
// Does nothing when the screen is exactly 800 x 600.
void fensterSkalieren(QWidget* fenster, int breite, int hoehe);

// Step 3 alone on one control and everything inside it.
void steuerelementSkalieren(QWidget* element, int m);

}  // namespace Skalierung

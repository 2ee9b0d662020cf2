#pragma once

#include <QRgb>

// The colours the windows draw and paint with, as 0xRRGGBB. A QColor is made
// from one with QColor(Farben::Navy).
namespace Farben {

constexpr QRgb Weiss = 0xFFFFFF;
constexpr QRgb Schwarz = 0x000000;
constexpr QRgb Rot = 0xFF0000;
constexpr QRgb Blau = 0x0000FF;
constexpr QRgb Navy = 0x000080;
// The gray of pattern cells and of the exercises' dark cells.
constexpr QRgb Grau = 0x808080;
// The light gray of page strips, group boxes and the exercises' light cells.
constexpr QRgb Silber = 0xC0C0C0;
// The face of buttons, menu bars and status bars.
constexpr QRgb Knopfflaeche = 0xD4D0C8;

}  // namespace Farben

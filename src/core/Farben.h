#pragma once

// Colours of the scan drawing and the two mappings from attenuation values to
// gray levels: the default colouring after a scan or a filter (Faerben) and
// the adjustable gray-scale window (GraucodeAenderung). Pure functions: the
// window paints the cells with the levels they return.

#include "core/Bildfeld.h"

#include <cstdint>

namespace ct {

struct Farbe
{
    std::uint8_t r = 0, g = 0, b = 0;

    // 0xRRGGBB, the form a 24-bit colour value takes on the drawing surface.
    constexpr std::uint32_t Rgb() const
    {
        return (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | std::uint32_t{b};
    }
    static constexpr Farbe Grau(int stufe)
    {
        const auto s = static_cast<std::uint8_t>(stufe);
        return {s, s, s};
    }

    friend bool operator==(const Farbe&, const Farbe&) = default;
};

inline constexpr Farbe Weiss{255, 255, 255};
inline constexpr Farbe Schwarz{0, 0, 0};
inline constexpr Farbe Rot{255, 0, 0};

// The arriving beam of a ray that crossed `anzahl` pattern cells: red for
// none, otherwise (255, g, g) with g = Round((2^anzahl - 1) * 255 / 2^anzahl),
// paler the more cells absorbed it (128 for one cell, 255 from nine on).
Farbe Strahlfarbe(int anzahl);

// The detector reading for `anzahl` pattern cells: white for none, otherwise
// the gray 255 - 5 * anzahl (250 for one cell, black from 51 cells on).
Farbe Anzeigefarbe(int anzahl);

// The largest and the smallest value over the n x n cells.
float Maximum(const Bildfeld& bild, int n);
float Minimum(const Bildfeld& bild, int n);

// Default colouring: the gray level of a value in a picture whose values run
// from `min` to `max` (min <= wert <= max):
// 255 - Round((wert - min) * 255 / (max - min + 1)).
// The smallest value is white; the added 1 keeps the largest from black
// (max - min = 10 gives 23).
int FaerbenGrau(float wert, float min, float max);

// The default colouring of the n x n cells of a picture, with the picture's
// own minimum and maximum. Cells outside n x n are left white.
Graufeld Faerben(const Bildfeld& bild, int n);

// The gray-scale window at position P (0 to 254): the threshold T, the value
// that P/255 of the way from `min` to `max` lies, stored as a float.
float Graucodeschwelle(float min, float max, int P);

// The gray level of a value under the gray-scale window with threshold T:
// white below T, otherwise 255 - Round((wert - T) / (max - T) * 255), so T
// maps to white and `max` to black. Where the window has no width
// (max <= T) every value at or above T is white. Levels are kept within
// 0 ... 255 for values above `max`.
int GraucodeGrau(float wert, float T, float max);

// The gray-scale window applied to the n x n cells of a picture, with the
// picture bounds `min` and `max` (the simulator's Bildminimum and
// Bildmaximum). Cells outside n x n are left white.
Graufeld GraucodeAenderung(int P, const Bildfeld& bild, int n, float min, float max);

}  // namespace ct

#pragma once

// Arithmetic of the computed pictures of the reading pages and the reference
// windows: fields of numbers, a 3 x 3 filter, the windowing of numbers into
// gray levels, a film's response, and back-projection with and without the
// ramp filter of filtered back-projection. The pictures themselves follow at
// the end: each is a recipe of these steps on a phantom or a simple pattern.

#include "core/Phantom.h"

#include <array>
#include <vector>

namespace bildrechnung {

// A field of numbers, row by row from the top.
struct Feld
{
    int breite = 0, hoehe = 0;
    std::vector<double> wert;

    Feld() = default;
    Feld(int b, int h, double anfang = 0.0)
        : breite(b), hoehe(h), wert(std::size_t(b) * std::size_t(h), anfang)
    {
    }
    double& operator()(int x, int y) { return wert[std::size_t(y) * std::size_t(breite) + std::size_t(x)]; }
    double operator()(int x, int y) const { return wert[std::size_t(y) * std::size_t(breite) + std::size_t(x)]; }
};

// The gray levels of an 8-bit picture as numbers.
Feld ausGraubild(const phantom::Graubild& bild);

// A 3 x 3 filter: nine weights in reading order (the first applies to the
// neighbour above left, the ninth to the one below right), the sum divided by
// `teiler`. Outside the field the nearest edge point is used again.
Feld falten(const Feld& f, const std::array<double, 9>& kern, double teiler);

// Numbers through a window: `tief` becomes black, `hoch` white, linear in
// between and clamped beyond, rounded half to even. With `hoch` below `tief`
// the window is reversed (large numbers dark).
phantom::Graubild fenstern(const Feld& f, double tief, double hoch);

// A film's response to an attenuation d: 255 * (d / hellste)^gamma, clamped
// to 0 ... 255 and rounded half to even; `hellste` is the attenuation that
// the film shows white.
phantom::Graubild film(const Feld& daempfung, double hellste, double gamma);

// The ramp filter of filtered back-projection in picture space, for profiles
// of `strahlen` rays: entry k + strahlen (k = -strahlen ... strahlen) is 1/4
// for k = 0, -1 / (pi^2 k^2) for odd k and 0 for even k, the simulator's
// RamLak kernel (ct::Kernwerte).
std::vector<double> rampenkern(int strahlen);

// Projection and back-projection of an n x n pattern from `richtungen`
// directions evenly spread over 180 degrees (direction r at r * 180 /
// richtungen degrees). For each direction every pattern point adds its value
// to the ray it falls on (rounded to the nearest of `strahlen` rays, centred
// on the pattern's middle); with `mitFaltung` the profile is convolved with
// the ramp filter; then every picture point receives the profile's value at
// its place, interpolated linearly between the two nearest rays.
Feld rueckprojektion(const Feld& muster, int richtungen, int strahlen, bool mitFaltung);

// --- The pictures -----------------------------------------------------------

// The X-ray of a hand: the top view of the hand phantom on film.
phantom::Graubild handaufnahme(int breite, int hoehe);

// Three views of the head's cross-section side by side, 8 points apart on
// white: as measured (with grain), smoothed by a low-pass filter, and its
// strong edges (a Laplace filter after further smoothing) dark on white.
phantom::Graubild filterbeispiel(int breite, int hoehe);

// A ring and a small square on a 64 x 64 grid, back-projected from 90
// directions over 91 rays, without or with the ramp filter; as in the
// simulator the smallest value is white and larger values darker (with the
// filter, values below 0 are white too).
phantom::Graubild rueckprojektionsbild(bool mitFaltung);

}  // namespace bildrechnung

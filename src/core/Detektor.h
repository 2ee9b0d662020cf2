#pragma once

// What a real detector would have measured of the scanned pattern, beside
// the scan's own counted readings: the attenuation along each ray's path,
// and, at a finite dose, the photons that arrive, with their noise.
//
// Path length. Ray k at angle a (the simulator's rays, core/Strahlmatrix.h)
// reads the sum over the cells of its path length in the cell times the
// cell's attenuation, 1 for a pattern cell and 0 for an empty one, in cell
// sides. Every row of a pattern's sinogram then sums to about the pattern's
// number of cells, at every angle: the rays, one cell side apart, sample the
// pattern's projection once per cell side.
//
// Dose and noise. A ray of N0 photons (the dose, photons per ray before the
// body) that crosses the attenuation p (in cell sides) arrives with
// N0 exp(-mu p) photons on average, where mu is the attenuation of one cell
// side of the pattern (Zellschwaechungskoeffizient); the detector counts a
// Poisson-distributed number N of them and the scanner takes
// -ln(N / N0) / mu as the reading. A count of 0 is taken as half a photon, so
// the reading stays finite. The noise comes from a generator seeded by the
// dose, the row and the ray: the same scan at the same dose always gives the
// same readings.

#include "core/Bildfeld.h"
#include "core/Sinogramm.h"

#include <cstdint>

namespace ct {

// The attenuation of one cell side of a pattern cell: a cell is 5 mm of a
// water-like tissue of 0.2 per cm, so 56 cells (28 cm, a body's width) let
// exp(-5.6), about 0.4 %, of the photons through.
inline constexpr double Zellschwaechungskoeffizient = 0.1;

// The doses offered, in photons per ray before the body.
inline constexpr double KleinsteDosis = 1e2, GroessteDosis = 1e6;

// A seeded random generator (SplitMix64): the same seed, the same numbers,
// on every machine.
class Zufall
{
public:
    explicit Zufall(std::uint64_t saat) : m_zustand(saat) {}
    std::uint64_t Naechste();
    // Uniform in [0, 1).
    double Gleich();

private:
    std::uint64_t m_zustand;
};

// A Poisson-distributed count with the mean `mittel` (>= 0): by inversion
// for means below 10, by transformed rejection (PTRS) above.
std::int64_t Poisson(double mittel, Zufall& zufall);

// The seed of the reading of ray k in row z at the dose.
std::uint64_t Messsaat(double photonen, int zeile, int strahl);

// The photons counted behind the attenuation p at the dose (a Poisson draw
// with the mean photonen * exp(-mu p)), and the reading taken from a count.
std::int64_t Photonenzahl(double attenuation, double photonen, std::uint64_t saat);
float Messwert(std::int64_t photonenzahl, double photonen);

// Brings `ziel` up to the measured rays of the scan's readings `scan`: the
// path-length readings of the pattern (the cells with Belegt in `muster`)
// for the same layout, rows and rays, with noise at the dose `photonen`
// (0: no noise). Only the rows `ziel` lacks are computed, so calling it after
// every measured row costs one row each time; a `ziel` of another layout or
// with more rows than `scan` is laid out afresh.
void Nachfuehren(const Sinogramm& scan, const Bildfeld& muster, double photonen, Sinogramm& ziel);

// The same for all measured rays at once.
Sinogramm Detektormessung(const Sinogramm& scan, const Bildfeld& muster, double photonen);

}  // namespace ct

#pragma once

// Pictures from a recorded sinogram, in the simulator's own geometry, and the
// links between the sinogram and the grid.
//
// Back-projection adds every reading to every cell its ray touched, exactly as
// a scan adds its values to CTBild: the plain back-projection of a scan's
// sinogram is the CT picture of that scan without convolution, value for
// value (for a scan stopped between two angles as well). The filtered
// back-projection first convolves each angle's row of readings over the ray
// index with a ramp kernel, which takes out the blur that plain
// back-projection spreads around every object: a disc comes out as a
// plateau, not as a bell.
//
// Which cells a ray touched is not stored with the sinogram but walked again
// from its grid, with the simulator's own ray walk; the walks of a grid are
// kept after their first use, so the first picture of a grid takes about as
// long as a scan's arithmetic and every later one a fraction of it.
//
// Every function reads only the sinogram (and the pictures it is given).
// A sinogram of no scan, or of a grid the simulator does not have, gives a
// picture of zeros and no links.

#include "core/Bildfeld.h"
#include "core/Simulator.h"
#include "core/Sinogramm.h"

#include <vector>

namespace ct {

// The convolution kernels of the filtered back-projection, with m the
// distance of two rays in ray spacings:
//   RamLak      the discrete ramp: h(0) = 1/4, h(m) = -1 / (pi^2 m^2) for
//               odd m, 0 for even m; the sharpest, and the noisiest.
//   SheppLogan  h(m) = -2 / (pi^2 (4 m^2 - 1)); the ramp softened at high
//               frequencies, a little smoother.
enum class Faltungskern { RamLak, SheppLogan };

// The kernel's values h(m) for m = -weite ... weite, h(m) at index m + weite;
// empty for a negative `weite`.
std::vector<double> Kernwerte(Faltungskern kern, int weite);

// The plain back-projection of the measured rows: in angle order, every
// reading added to every cell its ray touched, as floats. The n x n cells
// hold the sums; every cell has Belegt true, every cell beyond n x n the
// value 0.
Bildfeld Rueckprojektion(const Sinogramm& s);

// The filtered back-projection of the measured rows: each row convolved with
// the kernel (q(k) = sum over the rays j of reading(j) * h(k - j), no
// readings beyond the rays), then back-projected as above. The values keep
// the scale of the simulator's sums (no factor pi / number of angles), so
// only normalised pictures compare with each other.
Bildfeld GefilterteRueckprojektion(const Sinogramm& s, Faltungskern kern);

// The n x n values mapped linearly to 0 ... 1, the smallest to 0 and the
// largest to 1; all 0 where the picture is flat. Belegt is kept; cells
// beyond n x n are 0.
Bildfeld Normiert(const Bildfeld& bild, int n);

// How far a picture lies from the pattern: the root mean square, over the
// n x n cells, of the difference between the normalised picture (Normiert)
// and the pattern taken as 1 for a cell with Belegt in `muster`, 0 else.
// 0 for a perfect picture; a picture of zeros against a pattern of f % of
// the cells gives sqrt(f / 100).
double RmsAbweichung(const Bildfeld& bild, const Bildfeld& muster, int n);

// A reading of the sinogram: row (angle index) and ray 1 ... Strahlzahl.
struct Sinogrammpunkt
{
    int Zeile = 0;
    int Strahl = 0;

    friend bool operator==(const Sinogrammpunkt&, const Sinogrammpunkt&) = default;
};

// The sine curve of cell (x, y): every (row, ray) whose ray touches the cell,
// for every row of the layout (measured or not), rows in order and rays
// ascending within a row. Empty for a cell outside the grid.
std::vector<Sinogrammpunkt> Sinuskurve(const Sinogramm& s, int x, int y);

// The cells inside the grid that ray `strahl` touches in row `zeile` (measured
// or not), in the order the scan adds to them. Empty for a ray beside the
// grid, or a row or ray outside the layout.
std::vector<Kaestchen> KaestchenDesStrahls(const Sinogramm& s, int zeile, int strahl);

}  // namespace ct

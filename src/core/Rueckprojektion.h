#pragma once

// Pictures from a recorded sinogram, in the simulator's own geometry, and the
// links between the sinogram and the grid.
//
// Back-projection adds every reading to every cell its ray passes, times the
// ray's weight in the cell (core/Strahlmatrix.h): for the scan's counted
// readings the weight is 1 for every cell the ray touched, exactly as a scan
// adds its values to CTBild, so the plain back-projection of a scan's
// sinogram is the CT picture of that scan without convolution, value for
// value (for a stopped scan as well, with the rays of a stopped projection).
// For a detector's readings the weight is the ray's path length in the cell.
// The filtered back-projection first convolves each angle's row of readings
// over the ray index with a ramp kernel, which takes out the blur that plain
// back-projection spreads around every object: a disc comes out as a
// plateau, not as a bell.
//
// Every function reads only the sinogram (and the pictures it is given).
// A sinogram of no scan, or of a grid the simulator does not have, gives a
// picture of zeros and no links.

#include "core/Bildfeld.h"
#include "core/Simulator.h"
#include "core/Sinogramm.h"

#include <optional>
#include <vector>

namespace ct {

// The convolution kernels of the filtered back-projection, with m the
// distance of two rays in ray spacings and r(m) the ramp:
//   RamLak      the discrete ramp r: r(0) = 1/4, r(m) = -1 / (pi^2 m^2) for
//               odd m, 0 for even m; the sharpest, and the noisiest.
//   SheppLogan  h(m) = -2 / (pi^2 (4 m^2 - 1)); the ramp softened at high
//               frequencies, a little smoother.
//   Hann        the ramp times a Hann window, 1/2 (1 + cos 2 pi f) at the
//               frequency f (cycles per ray spacing): in rays
//               h(m) = r(m) / 2 + (r(m - 1) + r(m + 1)) / 4; it passes the
//               finest detail least, so it calms noise most, and blurs most.
enum class Faltungskern { RamLak, SheppLogan, Hann };

// The kernel's values h(m) for m = -weite ... weite, h(m) at index m + weite;
// empty for a negative `weite`.
std::vector<double> Kernwerte(Faltungskern kern, int weite);

// One row of readings convolved with the kernel: q(k) = sum over the rays j
// of werte[j] * h(k - j) for k, j = 1 ... zahl (no readings beyond the rays;
// werte and q indexed from 1, index 0 not used).
void ZeileFiltern(const float* werte, float* q, int zahl, Faltungskern kern);

// The measured rays of s, every row convolved with the kernel (a part of a
// row as far as it was measured, its other rays read as 0): the filtered
// sinogram that the filtered back-projection spreads back. Its values are
// signed: a ray beside an edge gets a negative value.
Sinogramm GefiltertesSinogramm(const Sinogramm& s, Faltungskern kern);
// The same row by row: brings `ziel` up to the measured rays of s, filtering
// only the rows it lacks; a `ziel` of another layout, or with more rows than
// s, is laid out afresh.
void GefiltertNachfuehren(const Sinogramm& s, Faltungskern kern, Sinogramm& ziel);

// A back-projection that grows with the scan: Nachfuehren adds the rows of
// the sinogram that were measured since the last call (and a stopped
// projection's part once it is there), so the picture after the last row is
// the back-projection of the whole sinogram, value for value. A sinogram of
// another layout, or with fewer rows than were added, starts it afresh.
class Rueckprojektionsaufbau
{
public:
    // Plain back-projection without a kernel, filtered with one.
    explicit Rueckprojektionsaufbau(std::optional<Faltungskern> kern = std::nullopt) : m_kern(kern) {}

    void Nachfuehren(const Sinogramm& s);
    void Zuruecksetzen();
    const Bildfeld& Bild() const { return m_bild; }
    // The rows back-projected so far (a part of a row counts as one).
    int Zeilen() const { return m_zeilen; }

private:
    void ZeileHinzufuegen(const Sinogramm& s, int zeile);

    std::optional<Faltungskern> m_kern;
    Bildfeld m_bild;
    int m_zeilen = 0;
    bool m_teil = false;
    Sinogramm m_layout;   // the empty sinogram of the layout added from
};

// The plain back-projection of the measured rays: in angle order, every
// reading times the ray's weight added to every cell the ray passes, as
// floats. The n x n cells hold the sums; every cell has Belegt true, every
// cell beyond n x n the value 0.
Bildfeld Rueckprojektion(const Sinogramm& s);

// The filtered back-projection of the measured rays: each row convolved with
// the kernel (ZeileFiltern), then back-projected as above. The values keep
// the scale of the sums (no factor pi / number of angles); the figures of
// core/Kennzahlen.h fit scale and offset before they compare.
Bildfeld GefilterteRueckprojektion(const Sinogramm& s, Faltungskern kern);

// A reading of the sinogram: row (angle index) and ray 1 ... Strahlzahl.
struct Sinogrammpunkt
{
    int Zeile = 0;
    int Strahl = 0;

    friend bool operator==(const Sinogrammpunkt&, const Sinogrammpunkt&) = default;
};

// The sine curve of cell (x, y): every (row, ray) whose ray passes the cell,
// for every row of the layout (measured or not), rows in order and rays
// ascending within a row. Empty for a cell outside the grid.
std::vector<Sinogrammpunkt> Sinuskurve(const Sinogramm& s, int x, int y);

// The cells inside the grid that ray `strahl` passes in row `zeile` (measured
// or not), in the order the scan adds to them (for a detector's readings in
// the order along the ray), and the ray's weight in each. Empty for a ray
// beside the grid, or a row or ray outside the layout.
std::vector<Kaestchen> KaestchenDesStrahls(const Sinogramm& s, int zeile, int strahl);
std::vector<float> GewichteDesStrahls(const Sinogramm& s, int zeile, int strahl);

}  // namespace ct

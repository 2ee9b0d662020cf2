#include "core/Iterativ.h"

#include "core/Strahlmatrix.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdlib>

namespace ct {

namespace {

// A ray whose weights' squares sum to less than this only grazes the grid
// (a chord of half a cell side through one cell): its share would divide the
// reading's noise by that tiny length and throw huge values into the corner
// cells it clips, so it is left out of the sweeps. A counted ray touches at
// least one cell and is always taken.
constexpr float KleinsteQuadratsumme = 0.25f;

}  // namespace

std::vector<int> Zeilenfolge(int zeilen)
{
    std::vector<int> folge;
    if (zeilen < 1)
        return folge;
    // The distance of every row to the nearest one taken, on the circle of
    // 180 degrees (the angle 179 lies next to 0).
    std::vector<int> abstand(static_cast<std::size_t>(zeilen), zeilen);
    int naechste = 0;
    for (int i = 0; i < zeilen; ++i) {
        folge.push_back(naechste);
        int bester = -1;
        for (int z = 0; z < zeilen; ++z) {
            const int d = std::abs(z - naechste);
            int& a = abstand[static_cast<std::size_t>(z)];
            a = std::min(a, std::min(d, zeilen - d));
            if (a > 0 && (bester < 0 || a > abstand[static_cast<std::size_t>(bester)]))
                bester = z;
        }
        naechste = bester;
    }
    return folge;
}

Iterationsergebnis IterativeRekonstruktion(const Sinogramm& s, int durchlaeufe)
{
    Iterationsergebnis e;
    Strahlmatrix* matrix = MatrixFuer(s);
    if (!matrix || s.Messzeilen() == 0)
        return e;
    const int n = s.Raster();
    std::array<float, Feldgroesse * Feldgroesse> x{};
    std::vector<int> folge;
    for (const int z : Zeilenfolge(s.Zeilenzahl()))
        if (s.GemesseneStrahlen(z) > 0)
            folge.push_back(z);

    // The readings' size, which the residual is measured against.
    double lesung = 0.0;
    for (const int z : folge)
        for (int k = 1; k <= s.GemesseneStrahlen(z); ++k)
            lesung += static_cast<double>(s.Messwert(z, k)) * s.Messwert(z, k);

    for (int d = 0; d < durchlaeufe; ++d) {
        for (const int z : folge) {
            const int a = s.Winkel(z);
            for (int k = 1; k <= s.GemesseneStrahlen(z); ++k) {
                const float quadrate = matrix->Quadratsumme(a, k);
                if (quadrate < KleinsteQuadratsumme)
                    continue;   // beside the grid, or grazing it
                const Strahlmatrix::Strahl r = matrix->Bei(a, k);
                float summe = 0.0f;
                for (std::size_t i = 0; i < r.Stellen.size(); ++i)
                    summe += x[r.Stellen[i]] * r.Gewichte[i];
                const float anteil = (s.Messwert(z, k) - summe) / quadrate;
                for (std::size_t i = 0; i < r.Stellen.size(); ++i)
                    x[r.Stellen[i]] += anteil * r.Gewichte[i];
            }
        }
        for (float& w : x)
            w = std::max(w, 0.0f);

        // How far the picture is from explaining the readings.
        double rest = 0.0;
        for (const int z : folge) {
            const int a = s.Winkel(z);
            for (int k = 1; k <= s.GemesseneStrahlen(z); ++k) {
                const Strahlmatrix::Strahl r = matrix->Bei(a, k);
                double summe = 0.0;
                for (std::size_t i = 0; i < r.Stellen.size(); ++i)
                    summe += static_cast<double>(x[r.Stellen[i]]) * r.Gewichte[i];
                const double u = s.Messwert(z, k) - summe;
                rest += u * u;
            }
        }
        e.Residuen.push_back(lesung > 0.0 ? std::sqrt(rest / lesung) : 0.0);
    }
    for (int xx = 1; xx <= n; ++xx)
        for (int y = 1; y <= n; ++y)
            e.Bild(xx, y).Wert = x[Bildfeld::Stelle(xx, y)];
    return e;
}

}  // namespace ct

#include "core/Kennzahlen.h"

#include <algorithm>
#include <cmath>

namespace ct {

Anpassung Anpassen(const Bildfeld& bild, const Bildfeld& muster, int n)
{
    Anpassung a;
    if (n < 1)
        return a;
    const double zahl = static_cast<double>(n) * n;
    double sx = 0.0, sy = 0.0;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
            sx += bild(x, y).Wert;
            sy += muster(x, y).Belegt ? 1.0 : 0.0;
        }
    const double mx = sx / zahl, my = sy / zahl;
    double sxx = 0.0, sxy = 0.0;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
            const double dx = bild(x, y).Wert - mx, dy = (muster(x, y).Belegt ? 1.0 : 0.0) - my;
            sxx += dx * dx;
            sxy += dx * dy;
        }
    // A flat picture, or one that would need a negative scale, is fitted by
    // the pattern's mean alone.
    a.Faktor = sxx > 0.0 ? std::max(sxy / sxx, 0.0) : 0.0;
    a.Versatz = my - a.Faktor * mx;
    double rest = 0.0;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
            const double d = a.Angepasst(bild(x, y).Wert) - (muster(x, y).Belegt ? 1.0 : 0.0);
            rest += d * d;
        }
    a.Rms = std::sqrt(rest / zahl);
    return a;
}

}  // namespace ct

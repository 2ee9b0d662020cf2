#include "core/Detektor.h"

#include "core/Simulator.h"
#include "core/Strahlmatrix.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>

namespace ct {

std::uint64_t Zufall::Naechste()
{
    std::uint64_t z = (m_zustand += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Zufall::Gleich()
{
    // the upper 53 bits as a fraction
    return static_cast<double>(Naechste() >> 11) * 0x1.0p-53;
}

std::int64_t Poisson(double mittel, Zufall& zufall)
{
    if (!(mittel > 0.0))
        return 0;
    if (mittel < 10.0) {
        // Inversion: walk up the cumulative distribution.
        double p = std::exp(-mittel), summe = p;
        const double u = zufall.Gleich();
        std::int64_t k = 0;
        while (u > summe && k < 1000) {
            ++k;
            p *= mittel / static_cast<double>(k);
            summe += p;
        }
        return k;
    }
    // Transformed rejection with squeeze (Hoermann 1993, "PTRS").
    const double wurzel = std::sqrt(mittel), logm = std::log(mittel);
    const double b = 0.931 + 2.53 * wurzel;
    const double a = -0.059 + 0.02483 * b;
    const double alpha = 1.1239 + 1.1328 / (b - 3.4);
    const double vr = 0.9277 - 3.6224 / (b - 2.0);
    for (;;) {
        const double u = zufall.Gleich() - 0.5, v = zufall.Gleich();
        const double us = 0.5 - std::fabs(u);
        const double k = std::floor((2.0 * a / us + b) * u + mittel + 0.43);
        if (us >= 0.07 && v <= vr)
            return static_cast<std::int64_t>(k);
        if (k < 0.0 || (us < 0.013 && v > us))
            continue;
        if (std::log(v) + std::log(alpha) - std::log(a / (us * us) + b)
            <= -mittel + k * logm - std::lgamma(k + 1.0))
            return static_cast<std::int64_t>(k);
    }
}

std::uint64_t Messsaat(double photonen, int zeile, int strahl)
{
    Zufall z(std::bit_cast<std::uint64_t>(photonen) ^ 0x5155'4F52'5645'4Cull);
    const std::uint64_t a = z.Naechste() ^ (static_cast<std::uint64_t>(zeile) << 32);
    Zufall y(a + static_cast<std::uint64_t>(strahl));
    return y.Naechste();
}

std::int64_t Photonenzahl(double attenuation, double photonen, std::uint64_t saat)
{
    Zufall z(saat);
    return Poisson(photonen * std::exp(-Zellschwaechungskoeffizient * attenuation), z);
}

float Messwert(std::int64_t photonenzahl, double photonen)
{
    const double n = photonenzahl > 0 ? static_cast<double>(photonenzahl) : 0.5;
    return static_cast<float>(-std::log(n / photonen) / Zellschwaechungskoeffizient);
}

void Nachfuehren(const Sinogramm& scan, const Bildfeld& muster, double photonen, Sinogramm& ziel)
{
    const bool gleich = ziel.Art() == Messart::Weglaenge && ziel.Raster() == scan.Raster()
                        && ziel.Kaestchengroesse() == scan.Kaestchengroesse()
                        && ziel.Strahlzahl() == scan.Strahlzahl() && ziel.Winkelschritt() == scan.Winkelschritt()
                        && ziel.Messzeilen() <= scan.Messzeilen() && ziel.Teilstrahlen() == 0;
    if (!gleich)
        ziel = Sinogramm(scan.Raster(), scan.Kaestchengroesse(), scan.Strahlzahl(), scan.Winkelschritt(),
                         Messart::Weglaenge);
    Strahlmatrix* matrix = MatrixFuer(ziel);
    if (!matrix)
        return;
    std::array<float, Simulator::Strahlplatz> werte{};
    for (int z = ziel.Messzeilen(); z < scan.Messzeilen(); ++z) {
        const int strahlen = scan.GemesseneStrahlen(z);
        for (int k = 1; k <= strahlen; ++k) {
            const Strahlmatrix::Strahl s = matrix->Bei(scan.Winkel(z), k);
            double p = 0.0;
            for (std::size_t i = 0; i < s.Stellen.size(); ++i)
                if (muster[s.Stellen[i]].Belegt)
                    p += s.Gewichte[i];
            if (photonen > 0.0)
                p = Messwert(Photonenzahl(p, photonen, Messsaat(photonen, z, k)), photonen);
            werte[static_cast<std::size_t>(k)] = static_cast<float>(p);
        }
        if (strahlen == scan.Strahlzahl())
            ziel.ZeileAnfuegen(werte.data());
        else
            ziel.TeilzeileAnfuegen(werte.data(), strahlen);
    }
}

Sinogramm Detektormessung(const Sinogramm& scan, const Bildfeld& muster, double photonen)
{
    Sinogramm ziel;
    Nachfuehren(scan, muster, photonen, ziel);
    return ziel;
}

}  // namespace ct

#include "core/Rueckprojektion.h"

#include "core/Strahlmatrix.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>

namespace ct {

namespace {

double Rampe(int m)
{
    const double pi2 = std::numbers::pi * std::numbers::pi;
    return m == 0 ? 0.25 : (m % 2 == 0 ? 0.0 : -1.0 / (pi2 * m * m));
}

bool GleichesLayout(const Sinogramm& a, const Sinogramm& b)
{
    return a.Raster() == b.Raster() && a.Kaestchengroesse() == b.Kaestchengroesse()
           && a.Strahlzahl() == b.Strahlzahl() && a.Winkelschritt() == b.Winkelschritt() && a.Art() == b.Art();
}

}  // namespace

std::vector<double> Kernwerte(Faltungskern kern, int weite)
{
    const double pi2 = std::numbers::pi * std::numbers::pi;
    std::vector<double> h(static_cast<std::size_t>(std::max(2 * weite + 1, 0)));
    for (int m = -weite; m <= weite; ++m) {
        double& w = h[static_cast<std::size_t>(m + weite)];
        switch (kern) {
        case Faltungskern::RamLak:
            w = Rampe(m);
            break;
        case Faltungskern::SheppLogan:
            w = -2.0 / (pi2 * (4.0 * m * m - 1.0));
            break;
        case Faltungskern::Hann:
            // cos(2 pi f) * cos(2 pi f m) = (cos(2 pi f (m + 1)) + cos(2 pi f (m - 1))) / 2
            w = 0.5 * Rampe(m) + 0.25 * (Rampe(m - 1) + Rampe(m + 1));
            break;
        }
    }
    return h;
}

void ZeileFiltern(const float* werte, float* q, int zahl, Faltungskern kern)
{
    // h(m) for m = -(zahl - 1) ... zahl - 1 at h[zahl - 1 + m].
    const std::vector<double> h = Kernwerte(kern, zahl - 1);
    std::array<double, Simulator::Strahlplatz> summe{};
    for (int j = 1; j <= zahl; ++j) {
        // Only rays that read something contribute, and most rays beside an
        // object read nothing.
        const double p = werte[j];
        if (p == 0.0)
            continue;
        // h(k - j) for k = 1 ... zahl, one after the other.
        const double* hj = h.data() + (zahl - j);
        for (int k = 1; k <= zahl; ++k)
            summe[static_cast<std::size_t>(k)] += p * hj[k - 1];
    }
    for (int k = 1; k <= zahl; ++k)
        q[k] = static_cast<float>(summe[static_cast<std::size_t>(k)]);
}

void GefiltertNachfuehren(const Sinogramm& s, Faltungskern kern, Sinogramm& ziel)
{
    if (!GleichesLayout(s, ziel) || ziel.Messzeilen() > s.Messzeilen() || ziel.Teilstrahlen() > 0)
        ziel = Sinogramm(s.Raster(), s.Kaestchengroesse(), s.Strahlzahl(), s.Winkelschritt(), s.Art());
    const int zahl = s.Strahlzahl();
    std::array<float, Simulator::Strahlplatz> werte{}, q{};
    for (int z = ziel.Messzeilen(); z < s.Messzeilen(); ++z) {
        for (int k = 1; k <= zahl; ++k)
            werte[static_cast<std::size_t>(k)] = s.Messwert(z, k);
        ZeileFiltern(werte.data(), q.data(), zahl, kern);
        if (s.Gemessen(z))
            ziel.ZeileAnfuegen(q.data());
        else
            ziel.TeilzeileAnfuegen(q.data(), s.Teilstrahlen());
    }
}

Sinogramm GefiltertesSinogramm(const Sinogramm& s, Faltungskern kern)
{
    Sinogramm g;
    GefiltertNachfuehren(s, kern, g);
    return g;
}

void Rueckprojektionsaufbau::Zuruecksetzen()
{
    m_bild = Bildfeld();
    m_zeilen = 0;
    m_teil = false;
    m_layout = Sinogramm();
}

void Rueckprojektionsaufbau::Nachfuehren(const Sinogramm& s)
{
    if (!GleichesLayout(s, m_layout) || s.Messzeilen() < m_zeilen || (m_teil && s.Teilstrahlen() == 0)) {
        Zuruecksetzen();
        m_layout = Sinogramm(s.Raster(), s.Kaestchengroesse(), s.Strahlzahl(), s.Winkelschritt(), s.Art());
    }
    if (m_teil)
        return;   // a stopped projection's part is the last row there is
    while (m_zeilen < s.Messzeilen()) {
        ZeileHinzufuegen(s, m_zeilen);
        m_teil = !s.Gemessen(m_zeilen);
        ++m_zeilen;
    }
}

void Rueckprojektionsaufbau::ZeileHinzufuegen(const Sinogramm& s, int zeile)
{
    Strahlmatrix* matrix = MatrixFuer(s);
    if (!matrix)
        return;
    const int zahl = s.Strahlzahl();
    std::array<float, Simulator::Strahlplatz> werte{}, gefiltert{};
    for (int k = 1; k <= zahl; ++k)
        werte[static_cast<std::size_t>(k)] = s.Messwert(zeile, k);
    if (m_kern)
        ZeileFiltern(werte.data(), gefiltert.data(), zahl, *m_kern);
    else
        gefiltert = werte;
    for (int k = 1; k <= zahl; ++k) {
        // Adding 0 changes no sum; the rays beside an object read 0.
        const float v = gefiltert[static_cast<std::size_t>(k)];
        if (v == 0.0f)
            continue;
        const Strahlmatrix::Strahl strahl = matrix->Bei(s.Winkel(zeile), k);
        for (std::size_t i = 0; i < strahl.Stellen.size(); ++i)
            m_bild[strahl.Stellen[i]].Wert += v * strahl.Gewichte[i];
    }
}

Bildfeld Rueckprojektion(const Sinogramm& s)
{
    Rueckprojektionsaufbau aufbau;
    aufbau.Nachfuehren(s);
    return aufbau.Bild();
}

Bildfeld GefilterteRueckprojektion(const Sinogramm& s, Faltungskern kern)
{
    Rueckprojektionsaufbau aufbau(kern);
    aufbau.Nachfuehren(s);
    return aufbau.Bild();
}

std::vector<Sinogrammpunkt> Sinuskurve(const Sinogramm& s, int x, int y)
{
    std::vector<Sinogrammpunkt> kurve;
    Strahlmatrix* matrix = MatrixFuer(s);
    const int n = s.Raster();
    if (!matrix || x < 1 || x > n || y < 1 || y > n)
        return kurve;
    const auto gesucht = static_cast<std::uint16_t>(Bildfeld::Stelle(x, y));
    for (int z = 0; z < s.Zeilenzahl(); ++z)
        for (int k = 1; k <= s.Strahlzahl(); ++k) {
            const auto stellen = matrix->Bei(s.Winkel(z), k).Stellen;
            if (std::find(stellen.begin(), stellen.end(), gesucht) != stellen.end())
                kurve.push_back({z, k});
        }
    return kurve;
}

std::vector<Kaestchen> KaestchenDesStrahls(const Sinogramm& s, int zeile, int strahl)
{
    std::vector<Kaestchen> zellen;
    Strahlmatrix* matrix = MatrixFuer(s);
    if (!matrix || zeile < 0 || zeile >= s.Zeilenzahl() || strahl < 1 || strahl > s.Strahlzahl())
        return zellen;
    for (const std::uint16_t stelle : matrix->Bei(s.Winkel(zeile), strahl).Stellen)
        zellen.push_back({stelle / Feldgroesse + 1, stelle % Feldgroesse + 1});
    return zellen;
}

std::vector<float> GewichteDesStrahls(const Sinogramm& s, int zeile, int strahl)
{
    Strahlmatrix* matrix = MatrixFuer(s);
    if (!matrix || zeile < 0 || zeile >= s.Zeilenzahl() || strahl < 1 || strahl > s.Strahlzahl())
        return {};
    const auto g = matrix->Bei(s.Winkel(zeile), strahl).Gewichte;
    return {g.begin(), g.end()};
}

}  // namespace ct

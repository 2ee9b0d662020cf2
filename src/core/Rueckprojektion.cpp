#include "core/Rueckprojektion.h"

#include "core/Farben.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <numbers>
#include <span>

namespace ct {

namespace {

// The cells of every ray at every whole angle 0 ... 179 of one grid, as
// field positions. A laid-out simulator walks them; each angle is walked
// the first time it is asked for and kept.
class Strahlengang
{
public:
    // False when the simulator has no grid of n cells with cell size c.
    bool Einrichten(int n, int c)
    {
        m_geometrie.Kaestchengroesse = c;
        // Any width but 800 and 1024 keeps the cell size just set.
        return m_geometrie.RasterEinrichten(n, 0, 0.0f, 0.0f) && m_geometrie.Kaestchengroesse == c;
    }

    bool Fuer(int n, int c) const { return m_geometrie.Raster == n && m_geometrie.Kaestchengroesse == c; }
    int Strahlzahl() const { return m_geometrie.Strahlzahl; }

    std::span<const std::uint16_t> Stellen(int a, int k)
    {
        Winkelwege& w = m_winkel[static_cast<std::size_t>(a)];
        if (w.anfang.empty())
            Gehen(a, w);
        const auto von = w.anfang[static_cast<std::size_t>(k)], bis = w.anfang[static_cast<std::size_t>(k) + 1];
        return {w.stellen.data() + von, bis - von};
    }

private:
    struct Winkelwege
    {
        std::vector<std::uint16_t> stellen;   // all rays' cells, ray after ray
        std::vector<std::uint32_t> anfang;    // ray k: stellen[anfang[k] ... anfang[k + 1])
    };

    void Gehen(int a, Winkelwege& w) const
    {
        const int zahl = m_geometrie.Strahlzahl;
        w.anfang.assign(static_cast<std::size_t>(zahl) + 2, 0);
        Strahlstellen stellen;
        for (int k = 1; k <= zahl; ++k) {
            const int m = m_geometrie.StrahlstellenFuellen(a, k, stellen);
            w.stellen.insert(w.stellen.end(), stellen.begin(), stellen.begin() + m);
            w.anfang[static_cast<std::size_t>(k) + 1] = static_cast<std::uint32_t>(w.stellen.size());
        }
    }

    Simulator m_geometrie;
    std::array<Winkelwege, 180> m_winkel;
};

// The walks of the sinogram's grid, or nullptr for a sinogram without a grid
// the simulator knows. There are at most eight grids (four sizes at two
// layout widths); each is walked once per run of the program.
Strahlengang* GangFuer(const Sinogramm& s)
{
    static std::vector<std::unique_ptr<Strahlengang>> gaenge;
    if (s.Zeilenzahl() == 0)
        return nullptr;
    for (const auto& g : gaenge)
        if (g->Fuer(s.Raster(), s.Kaestchengroesse()))
            return g->Strahlzahl() == s.Strahlzahl() ? g.get() : nullptr;
    auto neu = std::make_unique<Strahlengang>();
    if (!neu->Einrichten(s.Raster(), s.Kaestchengroesse()) || neu->Strahlzahl() != s.Strahlzahl())
        return nullptr;
    gaenge.push_back(std::move(neu));
    return gaenge.back().get();
}

// Back-projects the measured rows, each filtered by `filtern`(readings,
// result), both indexed by ray 1 ... Strahlzahl.
template <class Filtern>
Bildfeld Zurueckprojizieren(const Sinogramm& s, Filtern&& filtern)
{
    Bildfeld bild;
    Strahlengang* gang = GangFuer(s);
    if (!gang)
        return bild;
    const int zahl = s.Strahlzahl();
    std::array<float, Simulator::Strahlplatz> werte{}, gefiltert{};
    for (int z = 0; z < s.GemesseneZeilen(); ++z) {
        for (int k = 1; k <= zahl; ++k)
            werte[static_cast<std::size_t>(k)] = s.Messwert(z, k);
        filtern(werte, gefiltert);
        for (int k = 1; k <= zahl; ++k) {
            // Adding 0 changes no sum; the rays beside an object read 0.
            const float v = gefiltert[static_cast<std::size_t>(k)];
            if (v == 0.0f)
                continue;
            for (const std::uint16_t stelle : gang->Stellen(s.Winkel(z), k))
                bild[stelle].Wert += v;
        }
    }
    return bild;
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
            w = m == 0 ? 0.25 : (m % 2 == 0 ? 0.0 : -1.0 / (pi2 * m * m));
            break;
        case Faltungskern::SheppLogan:
            w = -2.0 / (pi2 * (4.0 * m * m - 1.0));
            break;
        }
    }
    return h;
}

Bildfeld Rueckprojektion(const Sinogramm& s)
{
    return Zurueckprojizieren(s, [](const auto& werte, auto& gefiltert) { gefiltert = werte; });
}

Bildfeld GefilterteRueckprojektion(const Sinogramm& s, Faltungskern kern)
{
    // h(m) for m = -(Strahlzahl - 1) ... Strahlzahl - 1 at h[Strahlzahl - 1 + m].
    const int zahl = s.Strahlzahl();
    const std::vector<double> h = Kernwerte(kern, zahl - 1);

    return Zurueckprojizieren(s, [&](const auto& werte, auto& gefiltert) {
        // q(k) = sum of reading(j) * h(k - j); only rays that read something
        // contribute, and most rays beside an object read nothing.
        std::array<double, Simulator::Strahlplatz> q{};
        for (int j = 1; j <= zahl; ++j) {
            const double p = werte[static_cast<std::size_t>(j)];
            if (p == 0.0)
                continue;
            // h(k - j) for k = 1 ... Strahlzahl, one after the other.
            const double* hj = h.data() + (zahl - j);
            for (int k = 1; k <= zahl; ++k)
                q[static_cast<std::size_t>(k)] += p * hj[k - 1];
        }
        for (int k = 1; k <= zahl; ++k)
            gefiltert[static_cast<std::size_t>(k)] = static_cast<float>(q[static_cast<std::size_t>(k)]);
    });
}

Bildfeld Normiert(const Bildfeld& bild, int n)
{
    Bildfeld norm = bild;
    const float max = Maximum(bild, n), min = Minimum(bild, n);
    const double breite = static_cast<double>(max) - min;
    for (int x = 1; x <= Feldgroesse; ++x)
        for (int y = 1; y <= Feldgroesse; ++y) {
            float& w = norm(x, y).Wert;
            w = x <= n && y <= n && breite > 0.0 ? static_cast<float>((w - static_cast<double>(min)) / breite) : 0.0f;
        }
    return norm;
}

double RmsAbweichung(const Bildfeld& bild, const Bildfeld& muster, int n)
{
    if (n < 1)
        return 0.0;
    const Bildfeld norm = Normiert(bild, n);
    double summe = 0.0;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
            const double d = norm(x, y).Wert - (muster(x, y).Belegt ? 1.0 : 0.0);
            summe += d * d;
        }
    return std::sqrt(summe / (static_cast<double>(n) * n));
}

std::vector<Sinogrammpunkt> Sinuskurve(const Sinogramm& s, int x, int y)
{
    std::vector<Sinogrammpunkt> kurve;
    Strahlengang* gang = GangFuer(s);
    const int n = s.Raster();
    if (!gang || x < 1 || x > n || y < 1 || y > n)
        return kurve;
    const auto gesucht = static_cast<std::uint16_t>(Bildfeld::Stelle(x, y));
    for (int z = 0; z < s.Zeilenzahl(); ++z)
        for (int k = 1; k <= s.Strahlzahl(); ++k) {
            const auto stellen = gang->Stellen(s.Winkel(z), k);
            if (std::find(stellen.begin(), stellen.end(), gesucht) != stellen.end())
                kurve.push_back({z, k});
        }
    return kurve;
}

std::vector<Kaestchen> KaestchenDesStrahls(const Sinogramm& s, int zeile, int strahl)
{
    std::vector<Kaestchen> zellen;
    Strahlengang* gang = GangFuer(s);
    if (!gang || zeile < 0 || zeile >= s.Zeilenzahl() || strahl < 1 || strahl > s.Strahlzahl())
        return zellen;
    for (const std::uint16_t stelle : gang->Stellen(s.Winkel(zeile), strahl))
        zellen.push_back({stelle / Feldgroesse + 1, stelle % Feldgroesse + 1});
    return zellen;
}

}  // namespace ct

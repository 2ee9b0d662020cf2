#include "core/Strahlmatrix.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <memory>
#include <numbers>

namespace ct {

namespace {

// The crossings of the line with the grid lines 0 ... n of one direction,
// in the order of growing t, for the part t0 ... t1 of the line inside the
// grid: t = (i - p) / d for the lines i between the two ends.
struct Kreuzungen
{
    Kreuzungen(int n, double p, double d, double t0, double t1)
    {
        if (std::fabs(d) < 1e-12) {
            // parallel to these lines: never crossed
            m_naechste = std::numeric_limits<double>::infinity();
            return;
        }
        m_p = p;
        m_d = d;
        const double a = p + t0 * d;   // where the line enters the grid
        const double b = p + t1 * d;
        if (d > 0) {
            m_i = static_cast<int>(std::floor(a)) + 1;
            m_schritt = 1;
            m_ende = std::min(static_cast<int>(std::ceil(b)) - 1, n);
            m_i = std::max(m_i, 0);
        } else {
            m_i = static_cast<int>(std::ceil(a)) - 1;
            m_schritt = -1;
            m_ende = std::max(static_cast<int>(std::floor(b)) + 1, 0);
            m_i = std::min(m_i, n);
        }
        Weiter();
    }

    double Naechste() const { return m_naechste; }
    void Weiter()
    {
        if ((m_schritt > 0 && m_i > m_ende) || (m_schritt < 0 && m_i < m_ende) || m_schritt == 0) {
            m_naechste = std::numeric_limits<double>::infinity();
            return;
        }
        m_naechste = (m_i - m_p) / m_d;
        m_i += m_schritt;
    }

private:
    double m_p = 0.0, m_d = 0.0, m_naechste = 0.0;
    int m_i = 0, m_schritt = 0, m_ende = 0;
};

}  // namespace

void Weglaengen(int n, double px, double py, double dx, double dy, std::vector<std::uint16_t>& stellen,
                std::vector<float>& laengen)
{
    // The part of the line inside the square [0, n] x [0, n] (slab clipping).
    double t0 = -std::numeric_limits<double>::infinity(), t1 = std::numeric_limits<double>::infinity();
    for (const auto& [p, d] : {std::pair{px, dx}, std::pair{py, dy}}) {
        if (std::fabs(d) < 1e-12) {
            if (p <= 0.0 || p >= n)
                return;   // beside the grid or on its border
            continue;
        }
        double a = (0.0 - p) / d, b = (n - p) / d;
        if (a > b)
            std::swap(a, b);
        t0 = std::max(t0, a);
        t1 = std::min(t1, b);
    }
    if (!(t1 > t0))
        return;

    // Walk from crossing to crossing; between two, the line lies in one cell,
    // the one that holds the middle of the piece.
    Kreuzungen senkrecht(n, px, dx, t0, t1), waagrecht(n, py, dy, t0, t1);
    constexpr double Winzig = 1e-9;
    double t = t0;
    while (t < t1) {
        const double naechste = std::min({senkrecht.Naechste(), waagrecht.Naechste(), t1});
        if (senkrecht.Naechste() <= naechste)
            senkrecht.Weiter();
        if (waagrecht.Naechste() <= naechste)
            waagrecht.Weiter();
        if (naechste - t > Winzig) {
            const double mitte = 0.5 * (t + naechste);
            const int x = std::clamp(static_cast<int>(std::floor(px + mitte * dx)), 0, n - 1) + 1;
            const int y = std::clamp(static_cast<int>(std::floor(py + mitte * dy)), 0, n - 1) + 1;
            stellen.push_back(static_cast<std::uint16_t>(Bildfeld::Stelle(x, y)));
            laengen.push_back(static_cast<float>(naechste - t));
        }
        t = std::max(t, naechste);
    }
}

bool Strahlmatrix::Einrichten(int n, int c, Messart art)
{
    m_art = art;
    m_geometrie.Kaestchengroesse = c;
    // Any width but 800 and 1024 keeps the cell size just set.
    return m_geometrie.RasterEinrichten(n, 0, 0.0f, 0.0f) && m_geometrie.Kaestchengroesse == c;
}

Strahlmatrix::Winkelwege& Strahlmatrix::Weg(int a)
{
    Winkelwege& w = m_winkel[static_cast<std::size_t>(a)];
    if (w.anfang.empty())
        Gehen(a, w);
    return w;
}

Strahlmatrix::Strahl Strahlmatrix::Bei(int a, int k)
{
    const Winkelwege& w = Weg(a);
    const auto von = w.anfang[static_cast<std::size_t>(k)], bis = w.anfang[static_cast<std::size_t>(k) + 1];
    return {{w.stellen.data() + von, bis - von}, {w.gewichte.data() + von, bis - von}};
}

float Strahlmatrix::Quadratsumme(int a, int k)
{
    return Weg(a).quadratsumme[static_cast<std::size_t>(k)];
}

void Strahlmatrix::Gehen(int a, Winkelwege& w) const
{
    const int zahl = m_geometrie.Strahlzahl, n = m_geometrie.Raster;
    w.anfang.assign(static_cast<std::size_t>(zahl) + 2, 0);
    w.quadratsumme.assign(static_cast<std::size_t>(zahl) + 1, 0.0f);
    if (m_art == Messart::Zaehlung) {
        Strahlstellen stellen;
        for (int k = 1; k <= zahl; ++k) {
            const int m = m_geometrie.StrahlstellenFuellen(a, k, stellen);
            w.stellen.insert(w.stellen.end(), stellen.begin(), stellen.begin() + m);
            w.gewichte.insert(w.gewichte.end(), static_cast<std::size_t>(m), 1.0f);
            w.quadratsumme[static_cast<std::size_t>(k)] = static_cast<float>(m);
            w.anfang[static_cast<std::size_t>(k) + 1] = static_cast<std::uint32_t>(w.stellen.size());
        }
        return;
    }
    // The direction turned by a, as the simulator turns (clockwise on the
    // screen, y downwards); exact at 0 and 90 degrees.
    const double bogen = a * std::numbers::pi / 180.0;
    const double co = a == 90 ? 0.0 : std::cos(bogen), si = a == 0 ? 0.0 : std::sin(bogen);
    const double mitte = n * 0.5;
    for (int k = 1; k <= zahl; ++k) {
        const double d = k - 0.5 - zahl * 0.5;
        const std::size_t vorher = w.stellen.size();
        Weglaengen(n, mitte - d * si, mitte + d * co, co, si, w.stellen, w.gewichte);
        double q = 0.0;
        for (std::size_t i = vorher; i < w.gewichte.size(); ++i)
            q += static_cast<double>(w.gewichte[i]) * w.gewichte[i];
        w.quadratsumme[static_cast<std::size_t>(k)] = static_cast<float>(q);
        w.anfang[static_cast<std::size_t>(k) + 1] = static_cast<std::uint32_t>(w.stellen.size());
    }
}

Strahlmatrix* MatrixFuer(const Sinogramm& s)
{
    static std::vector<std::unique_ptr<Strahlmatrix>> matrizen;
    if (s.Zeilenzahl() == 0)
        return nullptr;
    for (const auto& m : matrizen)
        if (m->Fuer(s.Raster(), s.Kaestchengroesse(), s.Art()))
            return m->Strahlzahl() == s.Strahlzahl() ? m.get() : nullptr;
    auto neu = std::make_unique<Strahlmatrix>();
    if (!neu->Einrichten(s.Raster(), s.Kaestchengroesse(), s.Art()) || neu->Strahlzahl() != s.Strahlzahl())
        return nullptr;
    matrizen.push_back(std::move(neu));
    return matrizen.back().get();
}

}  // namespace ct

#include "core/Filter.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace ct {

namespace {

constexpr std::array<Filterangabe, 13> Tabelle{{
    {Filterart::Keiner, Rechenweg::Keiner, {}, 1, 0, 0},
    {Filterart::Rechteck, Rechenweg::Linear, {1, 1, 1, 1, 1, 1, 1, 1, 1}, 9, 0, 0},
    {Filterart::Gauss, Rechenweg::Linear, {1, 2, 1, 2, 4, 2, 1, 2, 1}, 16, 0, 0},
    {Filterart::Laplace, Rechenweg::Linear, {0, 1, 0, 1, -4, 1, 0, 1, 0}, 1, 0, 0},
    {Filterart::Tiefpass, Rechenweg::Linear, {1, 1, 1, 1, 2, 1, 1, 1, 1}, 10, 0, 0},
    {Filterart::Hochpass, Rechenweg::Linear, {-1, -1, -1, -1, 9, -1, -1, -1, -1}, 1, 0, 0},
    {Filterart::Eigen, Rechenweg::Eigen, {}, 1, 0, 0},
    {Filterart::Median1, Rechenweg::Rang, {}, 1, 1, 5},
    {Filterart::Median2, Rechenweg::Rang, {}, 1, 2, 3},
    {Filterart::Erosion1, Rechenweg::Rang, {}, 1, 1, 1},
    {Filterart::Erosion2, Rechenweg::Rang, {}, 1, 2, 1},
    {Filterart::Dilatation1, Rechenweg::Rang, {}, 1, 1, 9},
    {Filterart::Dilatation2, Rechenweg::Rang, {}, 1, 2, 5},
}};

// The rang-th smallest of the first `anzahl` values (1 to 9); the largest
// when there are fewer values than the rank. The values are sorted in place.
float Rangwert(std::array<float, 9>& werte, int anzahl, int rang)
{
    for (int i = 1; i < anzahl; ++i) {
        const float v = werte[static_cast<std::size_t>(i)];
        int j = i - 1;
        while (j >= 0 && v < werte[static_cast<std::size_t>(j)]) {
            werte[static_cast<std::size_t>(j + 1)] = werte[static_cast<std::size_t>(j)];
            --j;
        }
        werte[static_cast<std::size_t>(j + 1)] = v;
    }
    const int r = std::clamp(rang, 1, anzahl);
    return werte[static_cast<std::size_t>(r - 1)];
}

void EckenKopieren(const Bildfeld& ct, Bildfeld& filter, int n)
{
    filter(1, 1).Wert = ct(1, 1).Wert;
    filter(1, n).Wert = ct(1, n).Wert;
    filter(n, 1).Wert = ct(n, 1).Wert;
    filter(n, n).Wert = ct(n, n).Wert;
}

// Sorts a few values ascending with a fixed sequence of compare-exchanges
// (a sorting network), unrolled at compile time: no branches that depend on
// the picture, which keeps the full masks inside the picture fast. Values are
// only moved, never changed.
constexpr std::array<std::pair<int, int>, 25> Netz9{{
    {0, 1}, {3, 4}, {6, 7}, {1, 2}, {4, 5}, {7, 8}, {0, 1}, {3, 4}, {6, 7}, {0, 3}, {3, 6}, {0, 3}, {1, 4},
    {4, 7}, {1, 4}, {2, 5}, {5, 8}, {2, 5}, {1, 3}, {5, 7}, {2, 6}, {4, 6}, {2, 4}, {2, 3}, {5, 6},
}};

// Leaves the middle (5th smallest) of nine values at index 4.
constexpr std::array<std::pair<int, int>, 19> Mitte9{{
    {1, 2}, {4, 5}, {7, 8}, {0, 1}, {3, 4}, {6, 7}, {1, 2}, {4, 5}, {7, 8}, {0, 3},
    {5, 8}, {4, 7}, {3, 6}, {1, 4}, {2, 5}, {4, 7}, {4, 2}, {6, 4}, {4, 2},
}};

constexpr std::array<std::pair<int, int>, 9> Netz5{{
    {0, 1}, {3, 4}, {2, 4}, {2, 3}, {0, 3}, {0, 2}, {1, 4}, {1, 3}, {1, 2},
}};

template <std::size_t I, std::size_t J, std::size_t N>
inline void Tauschen(std::array<float, N>& w)
{
    const float a = std::get<I>(w), b = std::get<J>(w);
    std::get<I>(w) = std::min(a, b);
    std::get<J>(w) = std::max(a, b);
}

template <const auto& Netz, std::size_t N, std::size_t... K>
inline void Sortiernetz(std::array<float, N>& w, std::index_sequence<K...>)
{
    (Tauschen<static_cast<std::size_t>(Netz[K].first), static_cast<std::size_t>(Netz[K].second)>(w), ...);
}

template <const auto& Netz, std::size_t N>
inline void Sortiernetz(std::array<float, N>& w)
{
    Sortiernetz<Netz>(w, std::make_index_sequence<Netz.size()>{});
}

// The value at 0-based rank r among nine: the smallest and the largest
// directly, the middle by its own shorter network, the others by sorting.
inline float Rang9(std::array<float, 9>& w, std::size_t r)
{
    if (r == 0 || r == 8) {
        float m = w[0];
        for (std::size_t i = 1; i < 9; ++i)
            m = r == 0 ? std::min(m, w[i]) : std::max(m, w[i]);
        return m;
    }
    if (r == 4) {
        Sortiernetz<Mitte9>(w);
        return w[4];
    }
    Sortiernetz<Netz9>(w);
    return w[r];
}

}  // namespace

void LineareFilter(const Bildfeld& ct, Bildfeld& filter, int n, const Kern& w, int divisor)
{
    assert(&ct != &filter);
    const long double teiler = divisor != 0 ? divisor : 1;
    for (int y = 1; y <= n; ++y) {
        const int ys[3] = {std::max(1, y - 1), y, std::min(n, y + 1)};
        for (int x = 1; x <= n; ++x) {
            const int xs[3] = {std::max(1, x - 1), x, std::min(n, x + 1)};
            long double summe = 0.0L;
            for (int zeile = 0; zeile < 3; ++zeile)
                for (int spalte = 0; spalte < 3; ++spalte)
                    summe += static_cast<long double>(w[static_cast<std::size_t>(zeile * 3 + spalte)])
                             * ct(xs[spalte], ys[zeile]).Wert;
            filter(x, y).Wert = static_cast<float>(summe / teiler);
        }
    }
}

void NLinFilter1(const Bildfeld& ct, Bildfeld& filter, int n, int rang)
{
    assert(&ct != &filter);
    std::array<float, 9> werte{};
    const std::size_t neun = static_cast<std::size_t>(std::clamp(rang, 1, 9) - 1);
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
            if (x >= 2 && x <= n - 1 && y >= 2 && y <= n - 1) {
                // The whole square lies inside the grid.
                for (int i = 0; i < 3; ++i)
                    for (int j = 0; j < 3; ++j)
                        werte[static_cast<std::size_t>(i * 3 + j)] = ct(x - 1 + i, y - 1 + j).Wert;
                filter(x, y).Wert = Rang9(werte, neun);
                continue;
            }
            int anzahl = 0;
            for (int i = std::max(1, x - 1); i <= std::min(n, x + 1); ++i)
                for (int j = std::max(1, y - 1); j <= std::min(n, y + 1); ++j)
                    werte[static_cast<std::size_t>(anzahl++)] = ct(i, j).Wert;
            filter(x, y).Wert = Rangwert(werte, anzahl, rang);
        }
    EckenKopieren(ct, filter, n);
}

void NLinFilter2(const Bildfeld& ct, Bildfeld& filter, int n, int rang)
{
    assert(&ct != &filter);
    std::array<float, 9> werte{};
    std::array<float, 5> fuenf{};
    const std::size_t fuenfte = static_cast<std::size_t>(std::clamp(rang, 1, 5) - 1);
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
            if (y >= 3 && y <= n - 2) {
                for (int j = 0; j < 5; ++j)
                    fuenf[static_cast<std::size_t>(j)] = ct(x, y - 2 + j).Wert;
                Sortiernetz<Netz5>(fuenf);
                filter(x, y).Wert = fuenf[fuenfte];
                continue;
            }
            int anzahl = 0;
            for (int j = std::max(1, y - 2); j <= std::min(n, y + 2); ++j)
                werte[static_cast<std::size_t>(anzahl++)] = ct(x, j).Wert;
            filter(x, y).Wert = Rangwert(werte, anzahl, rang);
        }
    EckenKopieren(ct, filter, n);
}

std::span<const Filterangabe> Filtertabelle()
{
    return Tabelle;
}

const Filterangabe& Filterzu(Filterart art)
{
    for (const Filterangabe& f : Tabelle)
        if (f.Art == art)
            return f;
    assert(false);
    return Tabelle.front();
}

int Eigendivisor(const Kern& w)
{
    int summe = 0;
    for (int g : w)
        summe += g;
    return summe != 0 ? summe : 1;
}

bool FilterAnwenden(Filterart art, const Bildfeld& ct, Bildfeld& filter, int n, const Kern& eigen)
{
    const Filterangabe* f = &Filterzu(art);
    switch (f->Weg) {
    case Rechenweg::Keiner:
        return false;
    case Rechenweg::Linear:
        LineareFilter(ct, filter, n, f->Gewichte, f->Divisor);
        return true;
    case Rechenweg::Eigen:
        LineareFilter(ct, filter, n, eigen, Eigendivisor(eigen));
        return true;
    case Rechenweg::Rang:
        if (f->Maske == 1)
            NLinFilter1(ct, filter, n, f->Rang);
        else
            NLinFilter2(ct, filter, n, f->Rang);
        return true;
    }
    return false;
}

}  // namespace ct

#include "core/Filter.h"

#include <algorithm>
#include <cassert>

namespace ct {

namespace {

constexpr std::array<Filterangabe, 13> Tabelle{{
    {0, "keinFilter", "Filter: kein Filter", Filterart::Keiner, {}, 1, 0, 0},
    {1, "Rechtecksfilter", "Filter: Rechtecksfilter", Filterart::Linear, {1, 1, 1, 1, 1, 1, 1, 1, 1}, 9, 0, 0},
    {2, "Gaussfilter", "Filter: Gaußfilter", Filterart::Linear, {1, 2, 1, 2, 4, 2, 1, 2, 1}, 16, 0, 0},
    {3, "Laplacefilter", "Filter: Laplacefilter", Filterart::Linear, {0, 1, 0, 1, -4, 1, 0, 1, 0}, 1, 0, 0},
    {71, "KernelTiefpass", "Filter: Kernelfilter mit Tiefpaß", Filterart::Linear, {1, 1, 1, 1, 2, 1, 1, 1, 1}, 10, 0,
     0},
    {72, "KernelHochpass", "Filter: Kernelfilter mit Hochpaß", Filterart::Linear,
     {-1, -1, -1, -1, 9, -1, -1, -1, -1}, 1, 0, 0},
    {8, "Eigenkreation", "Filter: Eigenkreation", Filterart::Eigen, {}, 1, 0, 0},
    {41, "MedianMaske1", "Filter: Medianfilter 1.Maske", Filterart::Rang, {}, 1, 1, 5},
    {42, "MedianMaske2", "Filter: Medianfilter 2.Maske", Filterart::Rang, {}, 1, 2, 3},
    {51, "ErosionMaske1", "Filter: Erosionsfilter 1.Maske", Filterart::Rang, {}, 1, 1, 1},
    {52, "ErosionMaske2", "Filter: Erosionsfilter 2.Maske", Filterart::Rang, {}, 1, 2, 1},
    {61, "DilatationMaske1", "Filter: Dilatationsfilter 1.Maske", Filterart::Rang, {}, 1, 1, 9},
    {62, "DilatationMaske2", "Filter: Dilatationsfilter 2.Maske", Filterart::Rang, {}, 1, 2, 5},
}};

// The rang-th smallest of the first `anzahl` values (at most 9); the largest
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
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
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
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
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

const Filterangabe* FilterZuCode(int code)
{
    for (const Filterangabe& f : Tabelle)
        if (f.Code == code)
            return &f;
    return nullptr;
}

int Eigendivisor(const Kern& w)
{
    int summe = 0;
    for (int g : w)
        summe += g;
    return summe != 0 ? summe : 1;
}

bool FilterAnwenden(int code, const Bildfeld& ct, Bildfeld& filter, int n, const Kern& eigen)
{
    const Filterangabe* f = FilterZuCode(code);
    if (!f)
        return false;
    switch (f->Art) {
    case Filterart::Keiner:
        return false;
    case Filterart::Linear:
        LineareFilter(ct, filter, n, f->Gewichte, f->Divisor);
        return true;
    case Filterart::Eigen:
        LineareFilter(ct, filter, n, eigen, Eigendivisor(eigen));
        return true;
    case Filterart::Rang:
        if (f->Maske == 1)
            NLinFilter1(ct, filter, n, f->Rang);
        else
            NLinFilter2(ct, filter, n, f->Rang);
        return true;
    }
    return false;
}

}  // namespace ct

#include "core/Simulator.h"

#include "core/Arithmetik.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <utility>

namespace ct {

namespace {

struct Rasterart
{
    int n;
    int c800, c1024;
    int strahlzahl;
};

// Cell sizes for the two layout widths and the ray count of each grid; the
// rays reach (Strahlzahl - n) div 2 ray widths beyond the grid on either side.
constexpr std::array<Rasterart, 4> Rasterarten{{
    {4, 54, 76, 6},
    {20, 10, 14, 28},
    {38, 6, 8, 54},
    {56, 4, 6, 80},
}};

float AlsFloat(long double v)
{
    return static_cast<float>(v);
}

// Adds v to a stored value in extended precision and stores the sum.
void Addieren(Bildpunkt& p, long double v)
{
    p.Wert = AlsFloat(static_cast<long double>(p.Wert) + v);
}

// The same for a float v. The extended sum of two floats is exact unless
// their exponents lie more than 39 apart, and then the smaller one is far
// below half a float step of the larger; either way storing it gives the
// correctly rounded float sum, which the float addition computes directly.
void Addieren(Bildpunkt& p, float v)
{
    p.Wert += v;
}

// Trunc(t / c) for a crossing t in [0, n * c]. For t >= 0 and a whole c
// this is Trunc(Trunc(t) / c); the whole-number quotient is taken as a
// product with the 32-bit reciprocal ceil(2^32 / c), exact for every
// dividend below 2^32 / c (far beyond any grid).
int Zellindex(float t, std::uint64_t kehrwert)
{
    const auto ganz = static_cast<std::uint64_t>(static_cast<std::uint32_t>(t));
    return static_cast<int>((ganz * kehrwert) >> 32);
}

// What a ray walk needs of the grid, copied so that it stays in registers.
struct Gitter
{
    Gitter(int zelle, int von, int bis)
        : c(zelle), min(von), max(bis), minF(static_cast<float>(von)), maxF(static_cast<float>(bis)),
          kehrwert(((std::uint64_t{1} << 32) + static_cast<std::uint64_t>(zelle) - 1)
                   / static_cast<std::uint64_t>(zelle))
    {
    }

    int c, min, max;
    float minF, maxF;
    std::uint64_t kehrwert;
};

// Where a ray (middle point p, slope tan) crosses the grid line at pixel
// `linie`: a vertical line is crossed at the height
// t = (linie - p.x) * tan + p.y, a horizontal one at the position
// s = (linie - p.y) / tan + p.x; computed in extended precision and stored
// as a float.
template <bool Waagrecht>
float Querlage(int linie, float tan, PunktF p)
{
    if constexpr (Waagrecht)
        return AlsFloat((static_cast<long double>(linie) - p.y) / tan + p.x);
    else
        return AlsFloat((static_cast<long double>(linie) - p.x) * tan + p.y);
}

// The crossing with the grid line at pixel `linie` as a cell: (0, 0) off the
// grid (line or crossing outside [min, max]); otherwise the line gives the
// column (or row) Trunc(linie / c) and the crossing the row (or column)
// Trunc(t / c) + 1.
template <bool Waagrecht>
Kaestchen Kreuzung(const Gitter& g, int linie, float tan, PunktF p)
{
    if (linie < g.min || linie > g.max)
        return {};
    const float quer = Querlage<Waagrecht>(linie, tan, p);
    if (!(quer >= g.minF && quer <= g.maxF))
        return {};
    const int zelle = Zellindex(quer, g.kehrwert) + 1;
    const int gerade = linie / g.c;
    return Waagrecht ? Kaestchen{zelle, gerade} : Kaestchen{gerade, zelle};
}

// Narrows the lines von ... bis that a ray can cross on the grid. Solving
// "crossing within the grid" for the line position in double precision and
// widening the result by a margin of 1e-3 pixels and one line on either
// side keeps every line whose exact crossing lies on the grid: the two
// differ by far less. `steigung` is the ray's slope tan for horizontal lines
// and 1 / tan for vertical ones.
template <bool Waagrecht>
void Trefferbereich(const Gitter& g, int n, double steigung, PunktF p, int& von, int& bis)
{
    const double rand = 1e-3 + 1e-6 * g.max;
    const double unten = g.min - rand, oben = g.max + rand;
    const double laengs = Waagrecht ? p.y : p.x, quer = Waagrecht ? p.x : p.y;
    double a = laengs + (unten - quer) * steigung;
    double b = laengs + (oben - quer) * steigung;
    if (!(std::isfinite(a) && std::isfinite(b)))
        return;
    if (a > b)
        std::swap(a, b);
    const double mVon = std::ceil(a / g.c) - 1.0, mBis = std::floor(b / g.c) + 1.0;
    von = mVon < 0.0 ? 0 : (mVon > n ? n + 1 : static_cast<int>(mVon));
    bis = mBis > n ? n : (mBis < 0.0 ? -1 : static_cast<int>(mBis));
}

// Walks the grid lines m = 0 ... n (at m * c, all on the grid) and lists,
// for each line, the two cells on either side of it in the crossed row (or
// column). When consecutive lines are crossed in the same row the shared
// cell is already the last entry and is not listed again. A line the ray
// misses gives (0, 0), listed the same way, which yields only entries
// outside the grid. Returns the number of entries after the sentinel
// eintrag[0].
template <bool Waagrecht>
int Listenweg(const Gitter& g, int n, float tan, PunktF p, Kaestchen* eintrag)
{
    int anzahl = 0;
    for (int m = 0; m <= n; ++m) {
        const Kaestchen z = Kreuzung<Waagrecht>(g, m * g.c, tan, p);
        // A crossing exactly on the far edge (cell n + 1) is dropped.
        if (z.Spalte > n || z.Zeile > n)
            continue;
        if (!(eintrag[anzahl] == z))
            eintrag[++anzahl] = z;
        eintrag[++anzahl] = Waagrecht ? Kaestchen{z.Spalte, z.Zeile + 1} : Kaestchen{z.Spalte + 1, z.Zeile};
    }
    return anzahl;
}

// The same walk as the scan needs it: only the field positions of the
// listed cells that lie inside the grid, in list order. Lines the ray misses
// list nothing inside the grid and are skipped. On a vertical line m the
// crossed row r gives the cells (m, r) and (m + 1, r); (m, r) is already the
// last entry exactly when line m - 1 was crossed in the same row (any other
// last entry is another cell, or a miss's entry outside the grid).
// Horizontal lines likewise with columns. Returns the number of positions.
template <bool Waagrecht>
int Strahlweg(const Gitter& g, int n, float tan, double steigung, PunktF p, std::uint16_t* stellen)
{
    int von = 0, bis = n;
    Trefferbereich<Waagrecht>(g, n, steigung, p, von, bis);

    // From a cell to its neighbour across the line: one row or one column
    // further in the field's storage.
    constexpr int schritt = Waagrecht ? 1 : Feldgroesse;
    int zahl = 0;
    int vorige = -1;   // the cell crossed on the previous line, -1 for none
    for (int m = von; m <= bis; ++m) {
        const float quer = Querlage<Waagrecht>(m * g.c, tan, p);
        if (!(quer >= g.minF && quer <= g.maxF)) {
            vorige = -1;
            continue;
        }
        const int zelle = Zellindex(quer, g.kehrwert) + 1;
        // A crossing exactly on the far edge (cell n + 1) is dropped.
        if (zelle > n) {
            vorige = -1;
            continue;
        }
        // Position of the cell before the line (column m or row m), which
        // lies inside the grid unless m is 0; its neighbour beyond the line
        // lies inside unless m is n.
        const int stelle = static_cast<int>(Waagrecht ? Bildfeld::Stelle(zelle, m) : Bildfeld::Stelle(m, zelle));
        stellen[zahl] = static_cast<std::uint16_t>(stelle);
        zahl += (zelle != vorige) & (m >= 1);
        stellen[zahl] = static_cast<std::uint16_t>(stelle + schritt);
        zahl += m < n;
        vorige = zelle;
    }
    return zahl;
}

PunktF Drehen(const std::array<float, 181>& sinTab, const std::array<float, 181>& cosTab, int a, long double cx,
              long double cy, long double x, long double y)
{
    const long double s = sinTab[static_cast<std::size_t>(a)];
    const long double co = cosTab[static_cast<std::size_t>(a)];
    return {AlsFloat(cx + (x - cx) * co - (y - cy) * s), AlsFloat(cy + (x - cx) * s + (y - cy) * co)};
}

bool Senkrechtwinkel(int a)
{
    return (a >= 1 && a <= 45) || (a >= 135 && a <= 179);
}

bool Waagrechtwinkel(int a)
{
    return a >= 46 && a <= 134 && a != 90;
}

// Place i of the line j that ray L + j follows in an n x n grid, as a
// position in a Bildfeld: row j at 0 degrees, column n + 1 - j at 90 degrees
// (from the rightmost column leftwards).
std::size_t Geradenstelle(int n, bool spalten, int j, int i)
{
    return spalten ? Bildfeld::Stelle(n + 1 - j, i) : Bildfeld::Stelle(i, j);
}

}  // namespace

// The direction of the oblique rays at one angle.
struct Simulator::Richtung
{
    int a;
    bool waagrecht;   // walk the horizontal grid lines
    float tan;        // SinTab[a] / CosTab[a], stored as a float
    double steigung;  // for narrowing the lines a ray can cross
};

bool SchrittWirdGezeigt(Darstellung d, int drehwinkel, int winkelschritt)
{
    switch (d) {
    case Darstellung::Alles:
        return true;
    case Darstellung::Zwischenstufe:
        return winkelschritt > 0 && drehwinkel % (10 * winkelschritt) == 0;
    case Darstellung::Endergebnis:
        return false;
    }
    return false;
}

Simulator::Simulator()
{
    // Sine and cosine of i degrees as i * pi * (1/180) in extended precision,
    // stored as floats. Every rotation uses these tables.
    const long double pi = std::numbers::pi_v<long double>;
    for (int i = 0; i <= 180; ++i) {
        const long double bogen = static_cast<long double>(i) * pi * (1.0L / 180.0L);
        SinTab[static_cast<std::size_t>(i)] = AlsFloat(std::sin(bogen));
        CosTab[static_cast<std::size_t>(i)] = AlsFloat(std::cos(bogen));
    }
    RasterEinrichten(38, 800, 0.0f, 0.0f);
}

bool Simulator::RasterEinrichten(int n, int breite, float versatzX, float versatzY)
{
    const Rasterart* art = nullptr;
    for (const Rasterart& r : Rasterarten)
        if (r.n == n)
            art = &r;
    if (!art)
        return false;

    // Cell size and ray count, then the grid bounds.
    Raster = n;
    if (breite == 800)
        Kaestchengroesse = art->c800;
    else if (breite == 1024)
        Kaestchengroesse = art->c1024;
    else if (Kaestchengroesse == 0)
        Kaestchengroesse = art->c800;
    Strahlzahl = art->strahlzahl;
    const int c = Kaestchengroesse;
    RasterMin = 0;
    RasterMax = n * c;

    // The drawing geometry, in this order.
    VersatzX = versatzX;
    VersatzY = versatzY;
    Halbraster = AlsFloat(static_cast<long double>(n * c) * 0.5L);
    MitteX = AlsFloat(static_cast<long double>(Halbraster) + VersatzX);
    MitteY = AlsFloat(static_cast<long double>(Halbraster) + VersatzY);
    Diagonale = AlsFloat(static_cast<long double>(n) * std::sqrt(2.0L) * c);
    Balkendicke = static_cast<float>(breite * 10 / 800);

    // Rays one cell wide, c apart, centred on the grid.
    Strahlposition.fill(0.0f);
    for (int k = 1; k <= Strahlzahl; ++k)
        Strahlposition[static_cast<std::size_t>(k)] = AlsFloat(
            (static_cast<long double>(k) - 0.5L - static_cast<long double>(Strahlzahl) * 0.5L) * c + Halbraster);

    CTBildLoeschen();
    VorigeStrahlkaestchen.Leeren();
    VorigerStrahlwert = 0.0f;
    return true;
}

void Simulator::CTBildLoeschen()
{
    CTBild.Fuellen(Bildpunkt{0.0f, true});
    Messung = Sinogramm{};
}

void Simulator::Einlesen(const Pixelleser& pixel)
{
    const int n = Raster;
    const int c = Kaestchengroesse;
    Weisszahl = 0;
    for (int y = 1; y <= n; ++y)
        for (int x = 1; x <= n; ++x) {
            const std::uint32_t farbe = pixel((x - 1) * c + c / 2, (y - 1) * c + c / 2) & 0xFFFFFFu;
            const bool weiss = farbe == 0xFFFFFFu;
            CTBild(x, y).Belegt = !weiss;
            if (weiss)
                ++Weisszahl;
        }
}

void Simulator::BildgrenzenSetzen()
{
    Bildmaximum = Maximum(CTBild, Raster);
    Bildminimum = Minimum(CTBild, Raster);
}

bool Simulator::Tomographie(Scanbeobachter& b)
{
    const int s = Winkelschritt;
    const int projektionen = s >= 1 ? 180 / s : 0;
    Messung = Sinogramm(Raster, Kaestchengroesse, Strahlzahl, s);
    Drehwinkel = -s;
    b.SchleifeBeginn(projektionen);
    for (int i = 0; i < projektionen; ++i) {
        if (b.SchleifeAbbruch())
            return false;
        Drehwinkel += s;
        b.WinkelBeginn(Drehwinkel);
        b.CTZeichnen(Drehwinkel);
        if (AlleStrahlSchnitt(b)) {
            Messung.ZeileAnfuegen(m_strahlwerte.data());
            b.ZeileGemessen(Drehwinkel);
        } else if (m_gemesseneStrahlen > 0) {
            // Stopped within the projection: the rays it measured have added
            // their values to CTBild, so their readings are kept too.
            Messung.TeilzeileAnfuegen(m_strahlwerte.data(), m_gemesseneStrahlen);
        }
        b.WinkelEnde(Drehwinkel);
    }
    b.Faerben(CTBild);
    b.SchleifeEnde();
    return true;
}

bool Simulator::AlleStrahlSchnitt(Scanbeobachter& b)
{
    const int a = Drehwinkel;
    if (a == 0)
        return GeradeSchnitt(b, false);
    if (a == 90)
        return GeradeSchnitt(b, true);
    if (Senkrechtwinkel(a) || Waagrechtwinkel(a))
        return SchiefSchnitt(b);
    return true;   // no projection outside 0 ... 179
}

// Rows at 0 degrees (ray L + y is row y), columns at 90 degrees (ray L + j is
// column n + 1 - j, from the rightmost column leftwards). With convolution
// each line also loses half the previous line's value.
bool Simulator::GeradeSchnitt(Scanbeobachter& b, bool spalten)
{
    const int a = spalten ? 90 : 0;
    const int n = Raster;
    const int leer = (Strahlzahl - n) / 2;
    auto zelle = [&](int j, int i) -> Bildpunkt& { return CTBild[Geradenstelle(n, spalten, j, i)]; };

    VorigerStrahlwert = 0.0f;
    m_strahlwerte.fill(0.0f);   // the rays beside the grid read nothing
    m_gemesseneStrahlen = 0;
    if (b.SchrittGezeigt(a)) {
        b.CTZeichnen(a);
        for (int k = 1; k <= leer; ++k) {
            if (b.Abbruch())
                return false;
            b.RoentgenZeichnen(a, k, 0);
            m_gemesseneStrahlen = k;
        }
    }
    m_gemesseneStrahlen = leer;   // drawn or not, they read 0
    for (int j = 1; j <= n; ++j) {
        if (b.Abbruch())
            return false;
        int anzahl = 0;
        for (int i = 1; i <= n; ++i)
            if (zelle(j, i).Belegt)
                ++anzahl;
        if (b.SchrittGezeigt(a))
            b.RoentgenZeichnen(a, leer + j, anzahl);
        const float strahlwert = AlsFloat(static_cast<long double>(anzahl) * Zellschwaechung);
        m_strahlwerte[static_cast<std::size_t>(leer + j)] = strahlwert;
        for (int i = 1; i <= n; ++i)
            Addieren(zelle(j, i), strahlwert);
        if (Faltung) {
            if (VorigerStrahlwert != 0.0f) {
                const long double nachbar = static_cast<long double>(VorigerStrahlwert) / Faltungsnachbar;
                for (int i = 1; i <= n; ++i)
                    Addieren(zelle(j, i), -nachbar);
            }
            if (strahlwert != 0.0f) {
                const long double mitte = static_cast<long double>(strahlwert) / Faltungsmitte;
                for (int i = 1; i <= n; ++i)
                    Addieren(zelle(j, i), mitte);
            }
            VorigerStrahlwert = strahlwert;
        }
        m_gemesseneStrahlen = leer + j;
    }
    if (b.SchrittGezeigt(a))
        for (int k = leer + n + 1; k <= Strahlzahl; ++k) {
            if (b.Abbruch())
                return false;
            b.RoentgenZeichnen(a, k, 0);
            m_gemesseneStrahlen = k;
        }
    if (b.SchrittGezeigt(a))
        b.Faerben(CTBild);
    return true;
}

Simulator::Richtung Simulator::RichtungBei(int a) const
{
    const bool waagrecht = Waagrechtwinkel(a);
    const float tan = AlsFloat(static_cast<long double>(SinTab[static_cast<std::size_t>(a)])
                               / CosTab[static_cast<std::size_t>(a)]);
    return {a, waagrecht, tan, waagrecht ? static_cast<double>(tan) : 1.0 / static_cast<double>(tan)};
}

// Oblique rays: each ray's cells are found, counted and given the ray value;
// with convolution the centre term once more. Every ray starts without a
// previous ray, so no neighbour term reaches the picture at these angles.
bool Simulator::SchiefSchnitt(Scanbeobachter& b)
{
    const Richtung r = RichtungBei(Drehwinkel);
    Strahlstellen stellen;
    for (int k = 1; k <= Strahlzahl; ++k) {
        m_gemesseneStrahlen = k - 1;   // the rays before this one
        if (b.Abbruch())
            return false;
        VorigerStrahlwert = 0.0f;
        VorigeStrahlkaestchen.Leeren();

        // The list's cells inside the grid; each occurs once.
        const int zahl = Strahlzellen(r, k, stellen.data());
        int anzahl = 0;
        for (int i = 0; i < zahl; ++i)
            anzahl += CTBild[stellen[static_cast<std::size_t>(i)]].Belegt ? 1 : 0;
        if (b.SchrittGezeigt(r.a)) {
            b.CTZeichnen(r.a);
            b.RoentgenZeichnen(r.a, k, anzahl);
        }

        const float strahlwert = AlsFloat(static_cast<long double>(anzahl) * Zellschwaechung);
        m_strahlwerte[static_cast<std::size_t>(k)] = strahlwert;
        const long double mitte = static_cast<long double>(strahlwert) / Faltungsmitte;
        if (!Faltung || strahlwert == 0.0f) {
            for (int i = 0; i < zahl; ++i)
                Addieren(CTBild[stellen[static_cast<std::size_t>(i)]], strahlwert);
        } else if (static_cast<long double>(AlsFloat(mitte)) == mitte) {
            // The centre term is a float (always with the divisor 1): both
            // additions in float, one after the other.
            const float m = AlsFloat(mitte);
            for (int i = 0; i < zahl; ++i) {
                Bildpunkt& p = CTBild[stellen[static_cast<std::size_t>(i)]];
                Addieren(p, strahlwert);
                Addieren(p, m);
            }
        } else {
            for (int i = 0; i < zahl; ++i) {
                Bildpunkt& p = CTBild[stellen[static_cast<std::size_t>(i)]];
                Addieren(p, strahlwert);
                Addieren(p, mitte);
            }
        }
    }
    if (b.SchrittGezeigt(r.a))
        b.Faerben(CTBild);
    return true;
}

const Strahlliste& Simulator::StrahlkaestchenFuellen(int a, int k)
{
    Strahlkaestchen.Leeren();
    if (!Senkrechtwinkel(a) && !Waagrechtwinkel(a))
        return Strahlkaestchen;
    const Richtung r = RichtungBei(a);
    const PunktF mitte = DrehenB(a, Halbraster, Strahlposition[static_cast<std::size_t>(k)]);
    const Gitter gitter{Kaestchengroesse, RasterMin, RasterMax};
    Kaestchen* eintrag = Strahlkaestchen.Eintrag.data();
    Strahlkaestchen.Anzahl = r.waagrecht ? Listenweg<true>(gitter, Raster, r.tan, mitte, eintrag)
                                         : Listenweg<false>(gitter, Raster, r.tan, mitte, eintrag);
    assert(Strahlkaestchen.Anzahl < Strahlliste::Platz);
    return Strahlkaestchen;
}

int Simulator::Strahlzellen(const Richtung& r, int k, std::uint16_t* stellen) const
{
    const PunktF mitte = DrehenB(r.a, Halbraster, Strahlposition[static_cast<std::size_t>(k)]);
    const Gitter gitter{Kaestchengroesse, RasterMin, RasterMax};
    return r.waagrecht ? Strahlweg<true>(gitter, Raster, r.tan, r.steigung, mitte, stellen)
                       : Strahlweg<false>(gitter, Raster, r.tan, r.steigung, mitte, stellen);
}

int Simulator::StrahlstellenFuellen(int a, int k, Strahlstellen& stellen) const
{
    const int n = Raster;
    if (k < 1 || k > Strahlzahl)
        return 0;
    if (a == 0 || a == 90) {
        // Ray L + j follows line j, as GeradeSchnitt adds to it.
        const int j = k - (Strahlzahl - n) / 2;
        if (j < 1 || j > n)
            return 0;
        for (int i = 1; i <= n; ++i)
            stellen[static_cast<std::size_t>(i - 1)] = static_cast<std::uint16_t>(Geradenstelle(n, a == 90, j, i));
        return n;
    }
    if (!Senkrechtwinkel(a) && !Waagrechtwinkel(a))
        return 0;
    return Strahlzellen(RichtungBei(a), k, stellen.data());
}

Kaestchen Simulator::SchiefSenkrecht(int x, float tan, PunktF p) const
{
    return Kreuzung<false>(Gitter{Kaestchengroesse, RasterMin, RasterMax}, x, tan, p);
}

Kaestchen Simulator::SchiefWaagrecht(int y, float tan, PunktF p) const
{
    return Kreuzung<true>(Gitter{Kaestchengroesse, RasterMin, RasterMax}, y, tan, p);
}

PunktF Simulator::DrehenB(int a, long double x, long double y) const
{
    return Drehen(SinTab, CosTab, a, Halbraster, Halbraster, x, y);
}

PunktF Simulator::DrehenG(int a, long double x, long double y) const
{
    return Drehen(SinTab, CosTab, a, MitteX, MitteY, x, y);
}

long double Simulator::SenderKante() const
{
    return static_cast<long double>(MitteX) - (static_cast<long double>(Diagonale) * 0.5L + 5.0L);
}

long double Simulator::DetektorKante() const
{
    return static_cast<long double>(MitteX) + (static_cast<long double>(Diagonale) * 0.5L + 5.0L);
}

long double Simulator::BalkenOben() const
{
    return static_cast<long double>(Strahlposition[1]) + VersatzY - Kaestchengroesse * 0.5L;
}

long double Simulator::BalkenUnten() const
{
    return static_cast<long double>(Strahlposition[static_cast<std::size_t>(Strahlzahl)]) + VersatzY
           + Kaestchengroesse * 0.5L;
}

Punkt Simulator::Gerundet(PunktF p) const
{
    return {static_cast<int>(Runden(p.x)), static_cast<int>(Runden(p.y))};
}

// (x1, oben), (x2, oben), (x2, unten), (x1, unten), rotated and rounded.
Viereck Simulator::Vierecksecken(int a, long double x1, long double x2, long double oben, long double unten) const
{
    return {Gerundet(DrehenG(a, x1, oben)), Gerundet(DrehenG(a, x2, oben)), Gerundet(DrehenG(a, x2, unten)),
            Gerundet(DrehenG(a, x1, unten))};
}

Geraeteumriss Simulator::CTUmrisse(int a) const
{
    const long double x0 = SenderKante(), x1 = DetektorKante(), t = Balkendicke;
    const long double oben = BalkenOben(), unten = BalkenUnten();
    return {Vierecksecken(a, x0 - t, x0, oben, unten), Vierecksecken(a, x1 + t, x1, oben, unten),
            Vierecksecken(a, x1 + 2 * t, x1 + t, oben, unten)};
}

Strahlbild Simulator::RoentgenTeile(int a, int k, int anzahl) const
{
    const long double x0 = SenderKante(), x1 = DetektorKante(), t = Balkendicke;
    const long double mitte = static_cast<long double>(Strahlposition[static_cast<std::size_t>(k)]) + VersatzY;
    const long double oben = mitte - Kaestchengroesse * 0.5L;
    const long double unten = oben + Kaestchengroesse;
    return {Vierecksecken(a, x0 - t, x0, oben, unten),
            Vierecksecken(a, x1 + t, x1, oben, unten),
            Vierecksecken(a, x1 + 2 * t, x1 + t, oben, unten),
            Strahlfarbe(anzahl),
            Anzeigefarbe(anzahl),
            Gerundet(DrehenG(a, x0, mitte)),
            Gerundet(DrehenG(a, x1, mitte))};
}

Punkt Simulator::Zeigerspitze(int a, int h) const
{
    return {h - static_cast<int>(Abschneiden(static_cast<long double>(h) * CosTab[static_cast<std::size_t>(a)])),
            h - static_cast<int>(Abschneiden(static_cast<long double>(h) * SinTab[static_cast<std::size_t>(a)]))};
}

}  // namespace ct

// The scan model: grid layout, ray paths, projection and back-projection,
// the angle loop and its observer calls, reading the pattern.

#include "core/Arithmetik.h"
#include "core/Simulator.h"

#include <QTest>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <set>
#include <string>
#include <utility>
#include <vector>

using ct::Kaestchen;
using Zellen = std::vector<Kaestchen>;

namespace {

// Texts here grow by appending: a literal put in front of a temporary string
// ("(" + std::to_string(x)) inserts at its start, which GCC 12 in optimised
// builds wrongly reports as an overlapping copy (-Wrestrict).
std::string Text(const Zellen& l)
{
    std::string s;
    for (const Kaestchen& k : l) {
        s += '(';
        s += std::to_string(k.Spalte);
        s += ',';
        s += std::to_string(k.Zeile);
        s += ')';
    }
    return s;
}

// A word of the protocol: a letter and numbers joined by dots ("R45.3.12").
std::string Wort(char buchstabe, std::initializer_list<int> zahlen)
{
    std::string w(1, buchstabe);
    for (int z : zahlen) {
        if (w.size() > 1)
            w += '.';
        w += std::to_string(z);
    }
    return w;
}

Zellen ImRaster(const Zellen& l, int n)
{
    Zellen r;
    for (const Kaestchen& k : l)
        if (k.Spalte >= 1 && k.Spalte <= n && k.Zeile >= 1 && k.Zeile <= n)
            r.push_back(k);
    return r;
}

Zellen Eintraege(const ct::Strahlliste& l)
{
    return {l.Eintrag.begin() + 1, l.Eintrag.begin() + 1 + l.Anzahl};
}

// --- A literal second implementation of the ray walk and the scan, step by
// step in long double with plain truncation and none of the model's
// shortcuts. The model must agree with it exactly.

Zellen Referenzliste(const ct::Simulator& s, int a, int k)
{
    const int n = s.Raster, c = s.Kaestchengroesse;
    const long double sn = s.SinTab[std::size_t(a)], co = s.CosTab[std::size_t(a)];
    const long double h = s.Halbraster, x = s.Halbraster, y = s.Strahlposition[std::size_t(k)];
    const float rx = float(h + (x - h) * co - (y - h) * sn);
    const float ry = float(h + (x - h) * sn + (y - h) * co);
    const float tan = float(sn / co);
    const bool waagrecht = a >= 46 && a <= 134;
    const long double min = s.RasterMin, max = s.RasterMax;

    Zellen l{{0, 0}};
    for (int m = 0; m <= n; ++m) {
        const long double linie = (long double)m * c;
        int spalte = 0, zeile = 0;
        if (!waagrecht) {
            const float t = float(((linie - rx) / 1.0L) * tan + ry);
            if (linie >= min && linie <= max && t >= min && t <= max) {
                spalte = int(std::trunc(linie / c));
                zeile = int(std::trunc((long double)t / c)) + 1;
            }
        } else {
            const float q = float(((linie - ry) / tan) * 1.0L + rx);
            if (linie >= min && linie <= max && q >= min && q <= max) {
                spalte = int(std::trunc((long double)q / c)) + 1;
                zeile = int(std::trunc(linie / c));
            }
        }
        if (spalte >= 0 && spalte <= n && zeile >= 0 && zeile <= n) {
            const Kaestchen z{spalte, zeile};
            if (!(l.back() == z))
                l.push_back(z);
            l.push_back(waagrecht ? Kaestchen{spalte, zeile + 1} : Kaestchen{spalte + 1, zeile});
        }
    }
    l.erase(l.begin());
    return l;
}

void Dazu(ct::Bildpunkt& p, long double v)
{
    p.Wert = float((long double)p.Wert + v);
}

ct::Bildfeld Referenzscan(const ct::Simulator& s)
{
    ct::Bildfeld bild = s.CTBild;
    const int n = s.Raster;
    for (int a = 0; a < 180; a += s.Winkelschritt) {
        if (a == 0 || a == 90) {
            float vorig = 0.0f;
            for (int j = 1; j <= n; ++j) {
                auto zelle = [&](int i) -> ct::Bildpunkt& { return a == 0 ? bild(i, j) : bild(n + 1 - j, i); };
                int anzahl = 0;
                for (int i = 1; i <= n; ++i)
                    anzahl += zelle(i).Belegt;
                const float wert = float((long double)anzahl * s.Zellschwaechung);
                for (int i = 1; i <= n; ++i)
                    Dazu(zelle(i), wert);
                if (s.Faltung) {
                    for (int i = 1; i <= n && vorig != 0.0f; ++i)
                        Dazu(zelle(i), -((long double)vorig / s.Faltungsnachbar));
                    for (int i = 1; i <= n && wert != 0.0f; ++i)
                        Dazu(zelle(i), (long double)wert / s.Faltungsmitte);
                    vorig = wert;
                }
            }
            continue;
        }
        for (int k = 1; k <= s.Strahlzahl; ++k) {
            const Zellen l = ImRaster(Referenzliste(s, a, k), n);
            int anzahl = 0;
            for (const Kaestchen& z : l)
                anzahl += bild(z.Spalte, z.Zeile).Belegt;
            const float wert = float((long double)anzahl * s.Zellschwaechung);
            for (const Kaestchen& z : l)
                Dazu(bild(z.Spalte, z.Zeile), wert);
            for (const Kaestchen& z : l)
                if (s.Faltung && wert != 0.0f)
                    Dazu(bild(z.Spalte, z.Zeile), (long double)wert / s.Faltungsmitte);
        }
    }
    return bild;
}

void Muster(ct::Simulator& s, const std::vector<std::pair<int, int>>& zellen)
{
    for (int x = 1; x <= ct::Feldgroesse; ++x)
        for (int y = 1; y <= ct::Feldgroesse; ++y)
            s.CTBild(x, y).Belegt = false;
    for (auto [x, y] : zellen)
        s.CTBild(x, y).Belegt = true;
}

// Records the scan's calls as short words; optionally shows every step and
// answers the n-th stop test with yes.
class Protokoll : public ct::StillerBeobachter
{
public:
    bool gezeigt = false;
    int stoppBeiAbbruch = 0, stoppBeiSchleife = 0;
    std::string folge;
    std::vector<int> winkel;

    bool Abbruch() override
    {
        Anhaengen("S");
        return stoppBeiAbbruch && ++abbrueche >= stoppBeiAbbruch;
    }
    bool SchrittGezeigt(int) override { return gezeigt; }
    void CTZeichnen(int a) override { Anhaengen(Wort('C', {a})); }
    void RoentgenZeichnen(int a, int k, int n) override { Anhaengen(Wort('R', {a, k, n})); }
    void Faerben(const ct::Bildfeld&) override { Anhaengen("F"); }
    void SchleifeBeginn(int p) override { Anhaengen(Wort('B', {p})); }
    bool SchleifeAbbruch() override
    {
        Anhaengen("A");
        return stoppBeiSchleife && ++schleifen >= stoppBeiSchleife;
    }
    void WinkelBeginn(int a) override
    {
        Anhaengen(Wort('W', {a}));
        winkel.push_back(a);
    }
    void WinkelEnde(int a) override { Anhaengen(Wort('E', {a})); }
    void SchleifeEnde() override { Anhaengen("Z"); }

private:
    void Anhaengen(const std::string& w)
    {
        if (!folge.empty())
            folge += ' ';
        folge += w;
    }
    int abbrueche = 0, schleifen = 0;
};

}  // namespace

class TestScan : public QObject
{
    Q_OBJECT

private slots:
    void rasterEinrichten_data();
    void rasterEinrichten();
    void strahlen4_data();
    void strahlen4();
    void strahlwegWieReferenz();
    void kreuzungen();
    void beispiel_data();
    void beispiel();
    void scanWieReferenz_data();
    void scanWieReferenz();
    void projektionen_data();
    void projektionen();
    void aufrufFolge();
    void abbruch();
    void gezeigt();
    void einlesen();
    void geraet();
};

void TestScan::rasterEinrichten_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("breite");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("strahlzahl");

    for (auto [n, c800, c1024, zahl] : {std::array{4, 54, 76, 6}, {20, 10, 14, 28}, {38, 6, 8, 54}, {56, 4, 6, 80}}) {
        QTest::addRow("%d at 800", n) << n << 800 << c800 << zahl;
        QTest::addRow("%d at 1024", n) << n << 1024 << c1024 << zahl;
    }
}

// Cell size and ray count per grid and width; rays one cell apart, centred on
// the grid, (Strahlzahl - n) div 2 of them beside it; a fresh CT picture.
void TestScan::rasterEinrichten()
{
    QFETCH(int, n);
    QFETCH(int, breite);
    QFETCH(int, c);
    QFETCH(int, strahlzahl);

    ct::Simulator s;
    s.CTBild(3, 3) = {7.0f, false};
    QVERIFY(s.RasterEinrichten(n, breite, 140.5f, 128.0f));
    QCOMPARE(s.Kaestchengroesse, c);
    QCOMPARE(s.Strahlzahl, strahlzahl);
    QCOMPARE(s.RasterMax, n * c);
    QCOMPARE(s.MitteX, n * c * 0.5f + 140.5f);
    QCOMPARE(s.Balkendicke, breite == 800 ? 10.0f : 12.0f);
    for (int k = 1; k <= strahlzahl; ++k)
        QCOMPARE(s.Strahlposition[std::size_t(k)] + s.Strahlposition[std::size_t(strahlzahl + 1 - k)], n * c * 1.0f);
    QCOMPARE(s.Strahlposition[std::size_t((strahlzahl - n) / 2 + 1)], c * 0.5f);
    if (strahlzahl < 80)
        QCOMPARE(s.Strahlposition[std::size_t(strahlzahl + 1)], 0.0f);
    QCOMPARE(s.CTBild(3, 3), (ct::Bildpunkt{0.0f, true}));

    // Another grid size changes nothing; another width keeps the cell size.
    QVERIFY(!s.RasterEinrichten(30, 800, 0, 0));
    QCOMPARE(s.Raster, n);
    QVERIFY(s.RasterEinrichten(4, 640, 0, 0));
    QCOMPARE(s.Kaestchengroesse, c);
}

void TestScan::strahlen4_data()
{
    QTest::addColumn<int>("winkel");
    QTest::addColumn<int>("strahl");
    QTest::addColumn<Zellen>("zellen");

    QTest::newRow("1 deg ray 1") << 1 << 1 << Zellen{};
    QTest::newRow("1 deg ray 2") << 1 << 2 << Zellen{{1, 1}, {2, 1}, {3, 1}, {4, 1}};
    QTest::newRow("1 deg ray 5") << 1 << 5 << Zellen{{1, 4}, {2, 4}, {3, 4}, {4, 4}};
    QTest::newRow("1 deg ray 6") << 1 << 6 << Zellen{};
    QTest::newRow("45 deg ray 1") << 45 << 1 << Zellen{{4, 1}};
    QTest::newRow("45 deg ray 3") << 45 << 3 << Zellen{{1, 1}, {2, 1}, {2, 2}, {3, 2}, {3, 3}, {4, 3}, {4, 4}};
    QTest::newRow("45 deg ray 6") << 45 << 6 << Zellen{{1, 4}};
    QTest::newRow("135 deg ray 1") << 135 << 1 << Zellen{{4, 4}};
}

// The rays of the 4 x 4 grid at 1, 45 and 135 degrees touch exactly these
// cells (with 800 x 600: positions -27, 27, 81, 135, 189, 243).
void TestScan::strahlen4()
{
    QFETCH(int, winkel);
    QFETCH(int, strahl);
    QFETCH(Zellen, zellen);

    ct::Simulator s;
    s.RasterEinrichten(4, 800, 0, 0);
    QCOMPARE(s.Strahlposition[1], -27.0f);
    const Zellen l = ImRaster(Eintraege(s.StrahlkaestchenFuellen(winkel, strahl)), 4);
    QVERIFY2(l == zellen, Text(l).c_str());
    QCOMPARE(s.Strahlkaestchen.Eintrag[0], Kaestchen{});
}

// Every ray of every grid at both widths and every oblique angle: the list
// equals the literal walk entry for entry, and no cell of the grid occurs
// twice in it.
void TestScan::strahlwegWieReferenz()
{
    for (int breite : {800, 1024})
        for (int n : {4, 20, 38, 56}) {
            ct::Simulator s;
            s.RasterEinrichten(n, breite, 0, 0);
            for (int a = 1; a < 180; ++a)
                for (int k = 1; k <= s.Strahlzahl && a != 90; ++k) {
                    const Zellen l = Eintraege(s.StrahlkaestchenFuellen(a, k));
                    const Zellen r = Referenzliste(s, a, k);
                    const std::string wo = QString::asprintf("n %d width %d angle %d ray %d: ", n, breite, a, k)
                                               .toStdString();
                    if (l != r)
                        QFAIL((wo + Text(l) + " instead of " + Text(r)).c_str());
                    std::set<std::pair<int, int>> gesehen;
                    for (const Kaestchen& z : ImRaster(l, n))
                        if (!gesehen.insert({z.Spalte, z.Zeile}).second)
                            QFAIL((wo + Text(l) + " lists a cell twice").c_str());
                }
            QCOMPARE(s.StrahlkaestchenFuellen(90, 10).Anzahl, 0);
        }
}

// A crossing exactly on a grid line belongs to the cell below (right of) it;
// exactly on the far edge it gives cell n + 1; beyond the grid (0, 0).
void TestScan::kreuzungen()
{
    ct::Simulator s;
    s.RasterEinrichten(4, 800, 0, 0);
    QCOMPARE(s.SchiefSenkrecht(108, 0.5f, {0.0f, 54.0f}), (Kaestchen{2, 3}));   // through a corner
    QCOMPARE(s.SchiefSenkrecht(216, 0.5f, {0.0f, 108.0f}), (Kaestchen{4, 5}));
    QCOMPARE(s.SchiefSenkrecht(216, 0.5f, {0.0f, 108.001f}), (Kaestchen{}));
    QCOMPARE(s.SchiefSenkrecht(0, 0.5f, {0.0f, -0.001f}), (Kaestchen{}));
    QCOMPARE(s.SchiefWaagrecht(54, 2.0f, {27.0f, 0.0f}), (Kaestchen{2, 1}));
    QCOMPARE(s.SchiefWaagrecht(54, 2.0f, {26.99f, 0.0f}), (Kaestchen{1, 1}));
    // 45 and 135 degrees have the slopes 1 and -1 exactly.
    QCOMPARE(s.SinTab[45] / s.CosTab[45], 1.0f);
    QCOMPARE(s.SinTab[135] / s.CosTab[135], -1.0f);
}

void TestScan::beispiel_data()
{
    QTest::addColumn<bool>("faltung");
    QTest::addColumn<std::vector<float>>("zeilen");

    QTest::newRow("plain") << false << std::vector<float>{0, 20, 10, 0};
    QTest::newRow("convolution") << true << std::vector<float>{0, 40, 10, -5};
}

// The cells (2, 2), (3, 2), (2, 3) at 0 degrees: counts 0, 2, 1, 0; with
// convolution a row loses half the value of the row above it.
void TestScan::beispiel()
{
    QFETCH(bool, faltung);
    QFETCH(std::vector<float>, zeilen);

    ct::Simulator s;
    s.RasterEinrichten(4, 800, 0, 0);
    Muster(s, {{2, 2}, {3, 2}, {2, 3}});
    s.Faltung = faltung;
    s.Drehwinkel = 0;
    ct::StillerBeobachter still;
    QVERIFY(s.AlleStrahlSchnitt(still));
    for (int y = 1; y <= 4; ++y)
        for (int x = 1; x <= 4; ++x)
            QCOMPARE(s.CTBild(x, y).Wert, zeilen[std::size_t(y - 1)]);
}

void TestScan::scanWieReferenz_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("breite");
    QTest::addColumn<int>("schritt");
    QTest::addColumn<bool>("faltung");
    QTest::addColumn<int>("dichte");

    for (int n : {4, 20, 38, 56}) {
        for (bool faltung : {false, true}) {
            QTest::addRow("%d%s step 1", n, faltung ? " conv" : "") << n << 800 << 1 << faltung << 40;
            QTest::addRow("%d%s step 2 at 1024", n, faltung ? " conv" : "") << n << 1024 << 2 << faltung << 40;
        }
        // Every ray that touches the grid has a value: no cell can go missing unseen.
        QTest::addRow("%d full", n) << n << 800 << 1 << false << 100;
        QTest::addRow("%d full at 1024", n) << n << 1024 << 1 << false << 100;
    }
}

// Whole scans of a scattered pattern agree value for value with the literal
// computation.
void TestScan::scanWieReferenz()
{
    QFETCH(int, n);
    QFETCH(int, breite);
    QFETCH(int, schritt);
    QFETCH(bool, faltung);
    QFETCH(int, dichte);

    ct::Simulator s;
    s.RasterEinrichten(n, breite, 100, 100);
    std::uint32_t z = 12345;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            s.CTBild(x, y).Belegt = int(((z = z * 1103515245u + 12345u) >> 16) % 100) < dichte;
    s.Winkelschritt = schritt;
    s.Faltung = faltung;
    const ct::Bildfeld erwartet = Referenzscan(s);
    ct::StillerBeobachter still;
    QVERIFY(s.Tomographie(still));
    for (int x = 1; x <= ct::Feldgroesse; ++x)
        for (int y = 1; y <= ct::Feldgroesse; ++y)
            if (!(s.CTBild(x, y) == erwartet(x, y)))
                QFAIL(qPrintable(QString::asprintf("cell %d,%d: %g instead of %g", x, y, double(s.CTBild(x, y).Wert),
                                                   double(erwartet(x, y).Wert))));
}

void TestScan::projektionen_data()
{
    QTest::addColumn<int>("schritt");
    QTest::addColumn<int>("anzahl");

    for (auto [schritt, anzahl] : {std::pair{1, 180}, {2, 90}, {10, 18}, {45, 4}, {90, 2}})
        QTest::addRow("%d", schritt) << schritt << anzahl;
}

void TestScan::projektionen()
{
    QFETCH(int, schritt);
    QFETCH(int, anzahl);

    ct::Simulator s;
    s.RasterEinrichten(20, 800, 0, 0);
    s.Winkelschritt = schritt;
    Protokoll p;
    QVERIFY(s.Tomographie(p));
    QCOMPARE(p.folge.substr(0, p.folge.find(' ')), Wort('B', {anzahl}));
    QCOMPARE(int(p.winkel.size()), anzahl);
    for (int i = 0; i < anzahl; ++i)
        QCOMPARE(p.winkel[std::size_t(i)], i * schritt);
}

// A shown scan of the 4 x 4 grid at step 90: a stop test before every ray
// and every empty ray, the outlines first, colouring after each projection
// and at the end. At 90 degrees the first ray after the empty one is the
// rightmost column. Not shown: only the stop tests of the grid's rays. At 45
// degrees: per ray the stop test, the outlines, the ray with its count.
void TestScan::aufrufFolge()
{
    ct::Simulator s;
    s.RasterEinrichten(4, 800, 0, 0);
    Muster(s, {{2, 2}, {3, 2}, {2, 3}});
    s.Winkelschritt = 90;
    Protokoll p;
    p.gezeigt = true;
    QVERIFY(s.Tomographie(p));
    QCOMPARE(p.folge, std::string("B2 A W0 C0 C0 S R0.1.0 S R0.2.0 S R0.3.2 S R0.4.1 S R0.5.0 S R0.6.0 F E0 "
                                  "A W90 C90 C90 S R90.1.0 S R90.2.0 S R90.3.1 S R90.4.2 S R90.5.0 S R90.6.0 F E90 "
                                  "F Z"));

    Protokoll q;
    QVERIFY(s.Tomographie(q));
    QCOMPARE(q.folge, std::string("B2 A W0 C0 S S S S E0 A W90 C90 S S S S E90 F Z"));

    Muster(s, {{4, 1}, {2, 2}, {4, 4}});
    s.Drehwinkel = 45;
    Protokoll r;
    r.gezeigt = true;
    QVERIFY(s.AlleStrahlSchnitt(r));
    QCOMPARE(r.folge, std::string("S C45 R45.1.1 S C45 R45.2.1 S C45 R45.3.2 S C45 R45.4.2 S C45 R45.5.0 "
                                  "S C45 R45.6.0 F"));
}

// A stop test answering yes ends the projection at once: nothing more is
// drawn, added or coloured. The loop's own test ends the scan before the
// next angle and skips the final colouring.
void TestScan::abbruch()
{
    ct::Simulator s;
    s.RasterEinrichten(4, 800, 0, 0);
    Muster(s, {{1, 1}, {1, 2}, {1, 3}, {1, 4}});
    s.Drehwinkel = 0;
    Protokoll p;
    p.stoppBeiAbbruch = 3;
    QVERIFY(!s.AlleStrahlSchnitt(p));
    QCOMPARE(p.folge, std::string("S S S"));
    QCOMPARE(s.CTBild(4, 2).Wert, 10.0f);
    QCOMPARE(s.CTBild(4, 3).Wert, 0.0f);

    // At 45 degrees after rays 1 ((4, 1)) and 2 ((3, 1), (4, 1), (4, 2)).
    s.CTBildLoeschen();
    Muster(s, {{4, 1}, {3, 1}, {4, 2}});
    s.Drehwinkel = 45;
    Protokoll q;
    q.stoppBeiAbbruch = 3;
    QVERIFY(!s.AlleStrahlSchnitt(q));
    QCOMPARE(s.CTBild(4, 1).Wert, 40.0f);
    QCOMPARE(s.CTBild(4, 2).Wert, 30.0f);
    QCOMPARE(s.CTBild(2, 1).Wert, 0.0f);

    s.Winkelschritt = 10;
    Protokoll r;
    r.stoppBeiSchleife = 3;
    QVERIFY(!s.Tomographie(r));
    QCOMPARE(r.winkel, (std::vector<int>{0, 10}));
    QCOMPARE(r.folge.substr(r.folge.size() - 5), std::string("E10 A"));
}

void TestScan::gezeigt()
{
    using ct::Darstellung;
    QVERIFY(ct::SchrittWirdGezeigt(Darstellung::Alles, 7, 1));
    QVERIFY(!ct::SchrittWirdGezeigt(Darstellung::Endergebnis, 0, 2));
    QVERIFY(ct::SchrittWirdGezeigt(Darstellung::Zwischenstufe, 0, 2));
    QVERIFY(ct::SchrittWirdGezeigt(Darstellung::Zwischenstufe, 40, 2));
    QVERIFY(!ct::SchrittWirdGezeigt(Darstellung::Zwischenstufe, 10, 2));
    QVERIFY(ct::SchrittWirdGezeigt(Darstellung::Zwischenstufe, 100, 10));
    QVERIFY(!ct::SchrittWirdGezeigt(Darstellung::Zwischenstufe, 170, 10));
}

// Only a cell's centre pixel counts; exactly white means empty, whatever
// the byte above the 24 colour bits; the flags of other cells are set anew.
void TestScan::einlesen()
{
    ct::Simulator s;
    s.RasterEinrichten(20, 1024, 0, 0);   // c = 14, centres at 7
    s.CTBild(3, 5).Belegt = false;
    s.CTBild(10, 10).Belegt = false;
    s.Einlesen([](int x, int y) -> std::uint32_t {
        if (x % 14 != 7 || y % 14 != 7)
            return 0x000000u;
        if (x / 14 == 2 && y / 14 == 4)
            return 0xFFFFFEu;   // cell (3, 5): almost white
        return 0xFFFFFFFFu;
    });
    QCOMPARE(s.Weisszahl, 20 * 20 - 1);
    QVERIFY(s.CTBild(3, 5).Belegt);
    QVERIFY(!s.CTBild(1, 1).Belegt);
    QVERIFY(s.CTBild(21, 1).Belegt);   // outside the grid: not read
}

// What the window draws: corners rounded half to even (the beam's top at
// 80.5 gives 80), at 90 degrees the source stands above the grid; the
// gauge's needle, whose tiny cosine at 90 degrees truncates to 0.
void TestScan::geraet()
{
    ct::Simulator s;
    s.RasterEinrichten(4, 800, 134.5f, 134.5f);
    const long double x0 = s.SenderKante(), x1 = s.DetektorKante();
    QCOMPARE(double(s.BalkenOben()), 80.5);
    QCOMPARE(double(s.BalkenUnten()), 404.5);
    auto r = [](long double v) { return int(ct::Runden(v)); };
    const ct::Geraeteumriss null = s.CTUmrisse(0);
    QCOMPARE(null.Sender, (ct::Viereck{{{r(x0 - 10), 80}, {r(x0), 80}, {r(x0), 404}, {r(x0 - 10), 404}}}));
    QCOMPARE(null.Detektor2[0], (ct::Punkt{r(x1 + 20), 80}));
    const ct::Geraeteumriss quer = s.CTUmrisse(90);
    QCOMPARE(quer.Sender[1].y, r(s.MitteY - (s.Diagonale * 0.5L + 5)));

    const ct::Strahlbild strahl = s.RoentgenTeile(0, 2, 1);
    QCOMPARE(strahl.Anfang, (ct::Punkt{r(x0), 162}));   // 27 + 134.5
    QCOMPARE(strahl.Strahl, (ct::Farbe{255, 128, 128}));

    QCOMPARE(s.Zeigerspitze(0, 50), (ct::Punkt{0, 50}));
    QCOMPARE(s.Zeigerspitze(90, 50), (ct::Punkt{50, 0}));
    QCOMPARE(s.Zeigerspitze(180, 50), (ct::Punkt{100, 50}));
}

QTEST_APPLESS_MAIN(TestScan)
#include "tst_scan.moc"

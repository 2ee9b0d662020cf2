// The scan model: grid layout, ray paths, projection and back-projection,
// the angle loop and its observer calls, reading the pattern.

#include "core/Arithmetik.h"
#include "core/Simulator.h"

#include <QTest>

#include <cmath>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

using ct::Kaestchen;

namespace {

std::string Text(const std::vector<Kaestchen>& l)
{
    std::string s;
    for (const Kaestchen& k : l)
        s += "(" + std::to_string(k.Spalte) + "," + std::to_string(k.Zeile) + ")";
    return s;
}

bool ImRaster(const Kaestchen& k, int n)
{
    return k.Spalte >= 1 && k.Spalte <= n && k.Zeile >= 1 && k.Zeile <= n;
}

// All entries after the sentinel.
std::vector<Kaestchen> Eintraege(const ct::Strahlliste& l)
{
    return {l.Eintrag.begin() + 1, l.Eintrag.begin() + 1 + l.Anzahl};
}

std::vector<Kaestchen> ImRaster(const std::vector<Kaestchen>& l, int n)
{
    std::vector<Kaestchen> r;
    for (const Kaestchen& k : l)
        if (ImRaster(k, n))
            r.push_back(k);
    return r;
}

// --- A literal second implementation of the ray walk and the scan, written
// step by step with long double arithmetic and plain truncation, without any
// of the shortcuts of the model. The model must agree with it exactly.

std::vector<Kaestchen> Referenzliste(const ct::Simulator& s, int a, int k)
{
    const int n = s.Raster, c = s.Kaestchengroesse;
    const long double sn = s.SinTab[static_cast<std::size_t>(a)], co = s.CosTab[static_cast<std::size_t>(a)];
    const long double h = s.Halbraster, x = s.Halbraster, y = s.Strahlposition[static_cast<std::size_t>(k)];
    const float rx = static_cast<float>(h + (x - h) * co - (y - h) * sn);
    const float ry = static_cast<float>(h + (x - h) * sn + (y - h) * co);
    const float tan = static_cast<float>(sn / co);
    const bool waagrecht = a >= 46 && a <= 134;
    const long double min = s.RasterMin, max = s.RasterMax;

    std::vector<Kaestchen> l{{0, 0}};
    for (int m = 0; m <= n; ++m) {
        const long double linie = static_cast<long double>(m) * c;
        int spalte = 0, zeile = 0;
        if (!waagrecht) {
            const float t = static_cast<float>(((linie - rx) / 1.0L) * tan + ry);
            if (linie >= min && linie <= max && t >= min && t <= max) {
                spalte = static_cast<int>(std::trunc(linie / c));
                zeile = static_cast<int>(std::trunc(static_cast<long double>(t) / c)) + 1;
            }
        } else {
            const float q = static_cast<float>(((linie - ry) / tan) * 1.0L + rx);
            if (linie >= min && linie <= max && q >= min && q <= max) {
                spalte = static_cast<int>(std::trunc(static_cast<long double>(q) / c)) + 1;
                zeile = static_cast<int>(std::trunc(linie / c));
            }
        }
        if (spalte >= 0 && spalte <= n && zeile >= 0 && zeile <= n) {
            const Kaestchen z{spalte, zeile};
            const Kaestchen nachbar = waagrecht ? Kaestchen{spalte, zeile + 1} : Kaestchen{spalte + 1, zeile};
            if (!(l.back() == z))
                l.push_back(z);
            l.push_back(nachbar);
        }
    }
    l.erase(l.begin());
    return l;
}

void Dazu(ct::Bildpunkt& p, long double v)
{
    p.Wert = static_cast<float>(static_cast<long double>(p.Wert) + v);
}

// The CT picture a whole scan gives, from the pattern in s.CTBild.
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
                    anzahl += zelle(i).Belegt ? 1 : 0;
                const float wert = static_cast<float>(static_cast<long double>(anzahl) * s.Zellschwaechung);
                for (int i = 1; i <= n; ++i)
                    Dazu(zelle(i), wert);
                if (s.Faltung) {
                    if (vorig != 0.0f)
                        for (int i = 1; i <= n; ++i)
                            Dazu(zelle(i), -(static_cast<long double>(vorig) / s.Faltungsnachbar));
                    if (wert != 0.0f)
                        for (int i = 1; i <= n; ++i)
                            Dazu(zelle(i), static_cast<long double>(wert) / s.Faltungsmitte);
                    vorig = wert;
                }
            }
            continue;
        }
        for (int k = 1; k <= s.Strahlzahl; ++k) {
            const std::vector<Kaestchen> l = ImRaster(Referenzliste(s, a, k), n);
            int anzahl = 0;
            for (const Kaestchen& z : l)
                anzahl += bild(z.Spalte, z.Zeile).Belegt ? 1 : 0;
            const float wert = static_cast<float>(static_cast<long double>(anzahl) * s.Zellschwaechung);
            for (const Kaestchen& z : l)
                Dazu(bild(z.Spalte, z.Zeile), wert);
            if (s.Faltung && wert != 0.0f)
                for (const Kaestchen& z : l)
                    Dazu(bild(z.Spalte, z.Zeile), static_cast<long double>(wert) / s.Faltungsmitte);
        }
    }
    return bild;
}

// A repeatable scatter of pattern cells, about `dichte` percent of the grid.
void Streumuster(ct::Simulator& s, int dichte)
{
    std::uint32_t z = 12345;
    for (int x = 1; x <= s.Raster; ++x)
        for (int y = 1; y <= s.Raster; ++y) {
            z = z * 1103515245u + 12345u;
            s.CTBild(x, y).Belegt = (z >> 16) % 100 < static_cast<std::uint32_t>(dichte);
        }
}

void Muster(ct::Simulator& s, const std::vector<std::pair<int, int>>& zellen)
{
    for (int x = 1; x <= ct::Feldgroesse; ++x)
        for (int y = 1; y <= ct::Feldgroesse; ++y)
            s.CTBild(x, y).Belegt = false;
    for (auto [x, y] : zellen)
        s.CTBild(x, y).Belegt = true;
}

// Records every call of the scan; optionally shows every step and stops at
// the n-th stop test.
class Protokoll : public ct::StillerBeobachter
{
public:
    bool gezeigt = false;
    int stoppBeiAbbruch = 0;   // Abbruch() is true from this call on (0: never)
    int stoppBeiSchleife = 0;  // SchleifeAbbruch() likewise
    std::vector<std::string> ereignisse;
    std::vector<int> winkel;
    std::vector<int> anzahlen;   // counts of RoentgenZeichnen, in order

    bool Abbruch() override
    {
        ereignisse.push_back("S");
        return stoppBeiAbbruch > 0 && ++abbrueche >= stoppBeiAbbruch;
    }
    bool SchrittGezeigt(int) override { return gezeigt; }
    void CTZeichnen(int a) override { ereignisse.push_back("C" + std::to_string(a)); }
    void RoentgenZeichnen(int a, int k, int n) override
    {
        ereignisse.push_back("R" + std::to_string(a) + "." + std::to_string(k) + "." + std::to_string(n));
        anzahlen.push_back(n);
    }
    void Faerben(const ct::Bildfeld&) override { ereignisse.push_back("F"); }
    void SchleifeBeginn(int p) override { ereignisse.push_back("B" + std::to_string(p)); }
    bool SchleifeAbbruch() override
    {
        ereignisse.push_back("A");
        return stoppBeiSchleife > 0 && ++schleifen >= stoppBeiSchleife;
    }
    void WinkelBeginn(int a) override
    {
        ereignisse.push_back("W" + std::to_string(a));
        winkel.push_back(a);
    }
    void WinkelEnde(int a) override { ereignisse.push_back("E" + std::to_string(a)); }
    void SchleifeEnde() override { ereignisse.push_back("Z"); }

    std::string Folge() const
    {
        std::string s;
        for (const std::string& e : ereignisse)
            s += (s.empty() ? "" : " ") + e;
        return s;
    }

private:
    int abbrueche = 0;
    int schleifen = 0;
};

}  // namespace

class TestScan : public QObject
{
    Q_OBJECT

private slots:
    void rasterEinrichten_data();
    void rasterEinrichten();
    void rasterEinrichtenUngueltig();
    void strahlen4_data();
    void strahlen4();
    void strahlwegWieReferenz();
    void abgeschnittenUndGerundet();
    void beispielZeilen_data();
    void beispielZeilen();
    void projektionen_data();
    void projektionen();
    void aufrufFolge();
    void schraegGezeigt();
    void abbruchImStrahl();
    void abbruchDerSchleife();
    void scanWieReferenz_data();
    void scanWieReferenz();
    void einlesen();
    void geraet();
};

void TestScan::rasterEinrichten_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("breite");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("strahlzahl");
    QTest::addColumn<float>("balken");

    QTest::newRow("4 at 800") << 4 << 800 << 54 << 6 << 10.0f;
    QTest::newRow("20 at 800") << 20 << 800 << 10 << 28 << 10.0f;
    QTest::newRow("38 at 800") << 38 << 800 << 6 << 54 << 10.0f;
    QTest::newRow("56 at 800") << 56 << 800 << 4 << 80 << 10.0f;
    QTest::newRow("4 at 1024") << 4 << 1024 << 76 << 6 << 12.0f;
    QTest::newRow("20 at 1024") << 20 << 1024 << 14 << 28 << 12.0f;
    QTest::newRow("38 at 1024") << 38 << 1024 << 8 << 54 << 12.0f;
    QTest::newRow("56 at 1024") << 56 << 1024 << 6 << 80 << 12.0f;
}

void TestScan::rasterEinrichten()
{
    QFETCH(int, n);
    QFETCH(int, breite);
    QFETCH(int, c);
    QFETCH(int, strahlzahl);
    QFETCH(float, balken);

    ct::Simulator s;
    s.CTBild(3, 3) = {7.0f, false};
    s.VorigerStrahlwert = 5.0f;
    QVERIFY(s.RasterEinrichten(n, breite, 140.5f, 128.0f));
    QCOMPARE(s.Raster, n);
    QCOMPARE(s.Kaestchengroesse, c);
    QCOMPARE(s.Strahlzahl, strahlzahl);
    QCOMPARE(s.RasterMin, 0);
    QCOMPARE(s.RasterMax, n * c);
    QCOMPARE(s.Halbraster, n * c * 0.5f);
    QCOMPARE(s.MitteX, n * c * 0.5f + 140.5f);
    QCOMPARE(s.MitteY, n * c * 0.5f + 128.0f);
    QCOMPARE(s.Diagonale, static_cast<float>(n * std::sqrt(2.0L) * c));
    QCOMPARE(s.Balkendicke, balken);

    // The rays are one cell apart and centred on the grid; (Strahlzahl - n)
    // div 2 of them pass beside it on either side; the rest of the table is 0.
    for (int k = 1; k <= strahlzahl; ++k) {
        QCOMPARE(s.Strahlposition[std::size_t(k)] - s.Strahlposition[1], float((k - 1) * c));
        QCOMPARE(s.Strahlposition[std::size_t(k)] + s.Strahlposition[std::size_t(strahlzahl + 1 - k)],
                 2 * s.Halbraster);
    }
    const int leer = (strahlzahl - n) / 2;
    QCOMPARE(s.Strahlposition[std::size_t(leer + 1)], c * 0.5f);
    for (int k = strahlzahl + 1; k <= 80; ++k)
        QCOMPARE(s.Strahlposition[std::size_t(k)], 0.0f);

    // A fresh CT picture.
    QCOMPARE(s.CTBild(3, 3), (ct::Bildpunkt{0.0f, true}));
    QCOMPARE(s.VorigerStrahlwert, 0.0f);
}

void TestScan::rasterEinrichtenUngueltig()
{
    ct::Simulator s;
    QVERIFY(s.RasterEinrichten(4, 800, 0, 0));
    const std::array<float, 6> erwartet{-27, 27, 81, 135, 189, 243};
    for (std::size_t k = 1; k <= 6; ++k)
        QCOMPARE(s.Strahlposition[k], erwartet[k - 1]);

    // Another grid size changes nothing.
    QVERIFY(!s.RasterEinrichten(30, 800, 0, 0));
    QCOMPARE(s.Raster, 4);
    QCOMPARE(s.Kaestchengroesse, 54);

    // Another layout width keeps the cell size.
    QVERIFY(s.RasterEinrichten(56, 640, 0, 0));
    QCOMPARE(s.Kaestchengroesse, 54);
    QCOMPARE(s.RasterMax, 56 * 54);
    QCOMPARE(s.Balkendicke, 8.0f);
}

void TestScan::strahlen4_data()
{
    QTest::addColumn<int>("winkel");
    QTest::addColumn<int>("strahl");
    QTest::addColumn<std::vector<Kaestchen>>("zellen");

    QTest::newRow("1 deg ray 1") << 1 << 1 << std::vector<Kaestchen>{};
    QTest::newRow("1 deg ray 2") << 1 << 2 << std::vector<Kaestchen>{{1, 1}, {2, 1}, {3, 1}, {4, 1}};
    QTest::newRow("1 deg ray 3") << 1 << 3 << std::vector<Kaestchen>{{1, 2}, {2, 2}, {3, 2}, {4, 2}};
    QTest::newRow("1 deg ray 4") << 1 << 4 << std::vector<Kaestchen>{{1, 3}, {2, 3}, {3, 3}, {4, 3}};
    QTest::newRow("1 deg ray 5") << 1 << 5 << std::vector<Kaestchen>{{1, 4}, {2, 4}, {3, 4}, {4, 4}};
    QTest::newRow("1 deg ray 6") << 1 << 6 << std::vector<Kaestchen>{};
    QTest::newRow("45 deg ray 1") << 45 << 1 << std::vector<Kaestchen>{{4, 1}};
    QTest::newRow("45 deg ray 3") << 45 << 3
                                  << std::vector<Kaestchen>{{1, 1}, {2, 1}, {2, 2}, {3, 2}, {3, 3}, {4, 3}, {4, 4}};
    QTest::newRow("45 deg ray 6") << 45 << 6 << std::vector<Kaestchen>{{1, 4}};
    QTest::newRow("135 deg ray 1") << 135 << 1 << std::vector<Kaestchen>{{4, 4}};
}

void TestScan::strahlen4()
{
    QFETCH(int, winkel);
    QFETCH(int, strahl);
    QFETCH(std::vector<Kaestchen>, zellen);

    ct::Simulator s;
    s.RasterEinrichten(4, 800, 0, 0);
    const std::vector<Kaestchen> l = ImRaster(Eintraege(s.StrahlkaestchenFuellen(winkel, strahl)), 4);
    QVERIFY2(l == zellen, Text(l).c_str());
    // The sentinel stays (0, 0).
    QCOMPARE(s.Strahlkaestchen.Eintrag[0], Kaestchen{});
}

// Every ray of every grid at both layout widths and every oblique angle:
// the model's list equals the literal walk entry for entry, and no cell of the
// grid occurs twice in it.
void TestScan::strahlwegWieReferenz()
{
    for (int breite : {800, 1024})
        for (int n : {4, 20, 38, 56}) {
            ct::Simulator s;
            s.RasterEinrichten(n, breite, 0, 0);
            for (int a = 1; a < 180; ++a) {
                if (a == 90)
                    continue;
                for (int k = 1; k <= s.Strahlzahl; ++k) {
                    const std::vector<Kaestchen> l = Eintraege(s.StrahlkaestchenFuellen(a, k));
                    const std::vector<Kaestchen> r = Referenzliste(s, a, k);
                    auto wo = [&] {
                        return "n " + std::to_string(n) + " width " + std::to_string(breite) + " angle "
                               + std::to_string(a) + " ray " + std::to_string(k) + ": " + Text(l);
                    };
                    if (l != r)
                        QFAIL((wo() + " instead of " + Text(r)).c_str());
                    std::set<std::pair<int, int>> gesehen;
                    for (const Kaestchen& z : ImRaster(l, n))
                        if (!gesehen.insert({z.Spalte, z.Zeile}).second)
                            QFAIL((wo() + " lists a cell twice").c_str());
                }
            }
            // Rows and columns need no list.
            QCOMPARE(s.StrahlkaestchenFuellen(0, 10).Anzahl, 0);
            QCOMPARE(s.StrahlkaestchenFuellen(90, 10).Anzahl, 0);
        }
}

// The crossing functions at their edges: a crossing exactly on the bottom
// edge gives row n + 1 (which the walk drops), one just outside gives (0, 0).
void TestScan::abgeschnittenUndGerundet()
{
    ct::Simulator s;
    s.RasterEinrichten(4, 800, 0, 0);
    // A ray of slope 0.5 through (0, 54): it crosses x = 108 exactly at the
    // grid line y = 108, a corner, and belongs to the row below it.
    const ct::PunktF p{0.0f, 54.0f};
    QCOMPARE(s.SchiefSenkrecht(0, 0.5f, p), (Kaestchen{0, 2}));
    QCOMPARE(s.SchiefSenkrecht(108, 0.5f, p), (Kaestchen{2, 3}));
    QCOMPARE(s.SchiefSenkrecht(216, 0.5f, {0.0f, 108.0f}), (Kaestchen{4, 5}));
    QCOMPARE(s.SchiefSenkrecht(216, 0.5f, {0.0f, 108.001f}), (Kaestchen{}));
    QCOMPARE(s.SchiefSenkrecht(0, 0.5f, {0.0f, -0.001f}), (Kaestchen{}));
    QCOMPARE(s.SchiefSenkrecht(217, 0.0f, {0.0f, 10.0f}), (Kaestchen{}));
    QCOMPARE(s.SchiefWaagrecht(54, 2.0f, {27.0f, 0.0f}), (Kaestchen{2, 1}));
    QCOMPARE(s.SchiefWaagrecht(54, 2.0f, {26.99f, 0.0f}), (Kaestchen{1, 1}));
    QCOMPARE(s.SchiefWaagrecht(216, -1.0f, {0.0f, 0.0f}), (Kaestchen{}));

    // The tables: 45 degrees has the slope exactly 1, so rays at 45 and 135
    // degrees step one row per column.
    QCOMPARE(s.SinTab[45], s.CosTab[45]);
    QCOMPARE(s.SinTab[30], 0.5f);
    QCOMPARE(s.CosTab[60], 0.5f);
    QCOMPARE(s.SinTab[135], -s.CosTab[135]);
    QVERIFY(std::fabs(s.CosTab[90]) < 1e-7f);
}

void TestScan::beispielZeilen_data()
{
    QTest::addColumn<bool>("faltung");
    QTest::addColumn<std::vector<float>>("zeilen");

    QTest::newRow("plain") << false << std::vector<float>{0, 20, 10, 0};
    QTest::newRow("convolution") << true << std::vector<float>{0, 40, 10, -5};
}

// The three cells (2, 2), (3, 2), (2, 3) at 0 degrees; with convolution a row
// loses half the value of the row above it.
void TestScan::beispielZeilen()
{
    QFETCH(bool, faltung);
    QFETCH(std::vector<float>, zeilen);

    ct::Simulator s;
    s.RasterEinrichten(4, 800, 0, 0);
    Muster(s, {{2, 2}, {3, 2}, {2, 3}});
    s.Faltung = faltung;
    s.Drehwinkel = 0;
    Protokoll p;
    p.gezeigt = true;
    QVERIFY(s.AlleStrahlSchnitt(p));
    for (int y = 1; y <= 4; ++y)
        for (int x = 1; x <= 4; ++x)
            QCOMPARE(s.CTBild(x, y).Wert, zeilen[std::size_t(y - 1)]);
    QCOMPARE(p.anzahlen, (std::vector<int>{0, 0, 2, 1, 0, 0}));
}

void TestScan::projektionen_data()
{
    QTest::addColumn<int>("schritt");
    QTest::addColumn<int>("anzahl");

    QTest::newRow("1") << 1 << 180;
    QTest::newRow("2") << 2 << 90;
    QTest::newRow("10") << 10 << 18;
    QTest::newRow("45") << 45 << 4;
    QTest::newRow("90") << 90 << 2;
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
    QCOMPARE(p.ereignisse.front(), "B" + std::to_string(anzahl));
    QCOMPARE(int(p.winkel.size()), anzahl);
    for (int i = 0; i < anzahl; ++i)
        QCOMPARE(p.winkel[std::size_t(i)], i * schritt);
    QCOMPARE(s.Drehwinkel, (anzahl - 1) * schritt);
}

// A whole shown scan of the 4 x 4 grid at 0 and 90 degrees: stop test before
// every ray and every empty ray, outlines first, colouring after each shown
// projection and at the end. At 90 degrees the first ray after the empty
// one is the rightmost column.
void TestScan::aufrufFolge()
{
    ct::Simulator s;
    s.RasterEinrichten(4, 800, 0, 0);
    Muster(s, {{2, 2}, {3, 2}, {2, 3}});
    s.Winkelschritt = 90;
    Protokoll p;
    p.gezeigt = true;
    QVERIFY(s.Tomographie(p));
    const std::string erwartet = "B2 A W0 C0 C0 S R0.1.0 S R0.2.0 S R0.3.2 S R0.4.1 S R0.5.0 S R0.6.0 F E0 "
                                 "A W90 C90 C90 S R90.1.0 S R90.2.0 S R90.3.1 S R90.4.2 S R90.5.0 S R90.6.0 F E90 "
                                 "F Z";
    QCOMPARE(p.Folge(), erwartet);

    // Not shown: only the stop tests before the rays of the grid.
    ct::Simulator t;
    t.RasterEinrichten(4, 800, 0, 0);
    t.Winkelschritt = 90;
    Protokoll q;
    QVERIFY(t.Tomographie(q));
    QCOMPARE(q.Folge(), std::string("B2 A W0 C0 S S S S E0 A W90 C90 S S S S E90 F Z"));
}

// An oblique shown projection: per ray the stop test, the outlines and the
// ray with its count.
void TestScan::schraegGezeigt()
{
    ct::Simulator s;
    s.RasterEinrichten(4, 800, 0, 0);
    Muster(s, {{4, 1}, {2, 2}, {4, 4}});
    s.Drehwinkel = 45;
    Protokoll p;
    p.gezeigt = true;
    QVERIFY(s.AlleStrahlSchnitt(p));
    QCOMPARE(p.Folge(), std::string("S C45 R45.1.1 S C45 R45.2.1 S C45 R45.3.2 S C45 R45.4.2 S C45 R45.5.0 "
                                    "S C45 R45.6.0 F"));
    // (1, 1) and (4, 4) lie on rays 3 and 4, with two pattern cells each;
    // (4, 1) on rays 1 and 2 with one.
    QCOMPARE(s.CTBild(1, 1).Wert, 40.0f);
    QCOMPARE(s.CTBild(4, 4).Wert, 40.0f);
    QCOMPARE(s.CTBild(4, 1).Wert, 20.0f);
    QCOMPARE(s.CTBild(1, 4).Wert, 0.0f);
    // With convolution oblique rays add their value a second time (no
    // neighbour term).
    ct::Simulator f = s;
    f.CTBildLoeschen();
    Muster(f, {{4, 1}, {2, 2}, {4, 4}});
    f.Faltung = true;
    ct::StillerBeobachter still;
    QVERIFY(f.AlleStrahlSchnitt(still));
    for (int x = 1; x <= 4; ++x)
        for (int y = 1; y <= 4; ++y)
            QCOMPARE(f.CTBild(x, y).Wert, 2 * s.CTBild(x, y).Wert);
}

// A stop test that answers yes ends the projection at once: nothing more is
// drawn or added, and there is no colouring.
void TestScan::abbruchImStrahl()
{
    ct::Simulator s;
    s.RasterEinrichten(4, 800, 0, 0);
    Muster(s, {{1, 1}, {1, 2}, {1, 3}, {1, 4}});
    s.Drehwinkel = 0;
    Protokoll p;
    p.stoppBeiAbbruch = 3;
    QVERIFY(!s.AlleStrahlSchnitt(p));
    for (int x = 1; x <= 4; ++x) {
        QCOMPARE(s.CTBild(x, 1).Wert, 10.0f);
        QCOMPARE(s.CTBild(x, 2).Wert, 10.0f);
        QCOMPARE(s.CTBild(x, 3).Wert, 0.0f);
    }
    QCOMPARE(p.Folge(), std::string("S S S"));

    // Shown: a stop at an empty ray beside the grid.
    ct::Simulator t;
    t.RasterEinrichten(20, 800, 0, 0);
    t.Drehwinkel = 90;
    Protokoll q;
    q.gezeigt = true;
    q.stoppBeiAbbruch = 2;
    QVERIFY(!t.AlleStrahlSchnitt(q));
    QCOMPARE(q.Folge(), std::string("C90 S R90.1.0 S"));
    QCOMPARE(t.CTBild(20, 1).Wert, 0.0f);

    // Oblique: rays 1 and 2 are projected, then the stop.
    ct::Simulator u;
    u.RasterEinrichten(4, 800, 0, 0);
    Muster(u, {{4, 1}, {3, 1}, {4, 2}});
    u.Drehwinkel = 45;
    Protokoll r;
    r.stoppBeiAbbruch = 3;
    QVERIFY(!u.AlleStrahlSchnitt(r));
    // Ray 1 touches (4, 1); ray 2 touches (3, 1), (4, 1), (4, 2), all three
    // pattern cells; ray 3 would reach (2, 1).
    QCOMPARE(u.CTBild(4, 1).Wert, 40.0f);
    QCOMPARE(u.CTBild(3, 1).Wert, 30.0f);
    QCOMPARE(u.CTBild(4, 2).Wert, 30.0f);
    QCOMPARE(u.CTBild(2, 1).Wert, 0.0f);
}

void TestScan::abbruchDerSchleife()
{
    ct::Simulator s;
    s.RasterEinrichten(4, 800, 0, 0);
    Muster(s, {{2, 2}});
    s.Winkelschritt = 10;
    Protokoll p;
    p.stoppBeiSchleife = 3;
    QVERIFY(!s.Tomographie(p));
    QCOMPARE(p.winkel, (std::vector<int>{0, 10}));
    QCOMPARE(p.Folge().substr(p.Folge().size() - 5), std::string("E10 A"));
    // The values of the two projections stay.
    ct::Simulator zwei;
    zwei.RasterEinrichten(4, 800, 0, 0);
    Muster(zwei, {{2, 2}});
    ct::StillerBeobachter still;
    zwei.Drehwinkel = 0;
    zwei.AlleStrahlSchnitt(still);
    zwei.Drehwinkel = 10;
    zwei.AlleStrahlSchnitt(still);
    QVERIFY(s.CTBild == zwei.CTBild);
    QVERIFY(s.CTBild(2, 2).Wert >= 20.0f);
}

void TestScan::scanWieReferenz_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("breite");
    QTest::addColumn<int>("schritt");
    QTest::addColumn<bool>("faltung");

    for (int n : {4, 20, 38, 56})
        for (bool faltung : {false, true}) {
            const std::string name = std::to_string(n) + (faltung ? " conv" : "");
            QTest::newRow((name + " step 1").c_str()) << n << 800 << 1 << faltung;
            QTest::newRow((name + " step 2 at 1024").c_str()) << n << 1024 << 2 << faltung;
        }
}

// Whole scans of a scattered pattern agree exactly with the literal
// computation, value for value.
void TestScan::scanWieReferenz()
{
    QFETCH(int, n);
    QFETCH(int, breite);
    QFETCH(int, schritt);
    QFETCH(bool, faltung);

    ct::Simulator s;
    s.RasterEinrichten(n, breite, 100, 100);
    Streumuster(s, 40);
    s.Winkelschritt = schritt;
    s.Faltung = faltung;
    const ct::Bildfeld erwartet = Referenzscan(s);
    ct::StillerBeobachter still;
    QVERIFY(s.Tomographie(still));
    for (int x = 1; x <= ct::Feldgroesse; ++x)
        for (int y = 1; y <= ct::Feldgroesse; ++y)
            if (!(s.CTBild(x, y) == erwartet(x, y)))
                QFAIL(("cell " + std::to_string(x) + "," + std::to_string(y) + ": "
                       + std::to_string(s.CTBild(x, y).Wert) + " instead of " + std::to_string(erwartet(x, y).Wert))
                          .c_str());
    s.BildgrenzenSetzen();
    QVERIFY(s.Bildmaximum > s.Bildminimum);
}

// Only the centre pixel of a cell counts, exactly white means empty, and a
// byte above the 24 colour bits is ignored.
void TestScan::einlesen()
{
    ct::Simulator s;
    s.RasterEinrichten(20, 1024, 0, 0);   // c = 14, centre at 7
    const int c = s.Kaestchengroesse;
    QCOMPARE(c, 14);
    auto pixel = [c](int x, int y) -> std::uint32_t {
        const int spalte = x / c + 1, zeile = y / c + 1;
        if (x % c != 7 || y % c != 7)
            return 0x000000u;   // everything but the centres is black
        if (spalte == 3 && zeile == 5)
            return 0xFFFFFEu;   // almost white: a pattern cell
        if (spalte == 4 && zeile == 5)
            return 0x808080u;
        if (spalte == 20 && zeile == 20)
            return 0x00000000u;
        return 0xFFFFFFFFu;     // white with an alpha byte
    };
    s.CTBild(10, 10).Belegt = false;
    s.CTBild(3, 5).Belegt = false;
    s.Einlesen(pixel);
    QCOMPARE(s.Weisszahl, 20 * 20 - 3);
    QVERIFY(s.CTBild(3, 5).Belegt);
    QVERIFY(s.CTBild(4, 5).Belegt);
    QVERIFY(s.CTBild(20, 20).Belegt);
    QVERIFY(!s.CTBild(10, 10).Belegt);
    QVERIFY(!s.CTBild(1, 1).Belegt);
    // Cells outside the grid are not read.
    QVERIFY(s.CTBild(21, 1).Belegt);
}

// What the window draws: the bars at 0 degrees are the unrotated corners,
// at 90 degrees the source stands above the grid; the gauge's needle.
void TestScan::geraet()
{
    ct::Simulator s;
    s.RasterEinrichten(4, 800, 134.5f, 134.5f);
    const long double x0 = s.SenderKante(), x1 = s.DetektorKante();
    QCOMPARE(double(x0 + x1), double(2.0L * s.MitteX));
    QCOMPARE(double(s.BalkenOben()), double(134.5L - 27.0L - 27.0L));
    QCOMPARE(double(s.BalkenUnten()), double(134.5L + 243.0L + 27.0L));

    const ct::Geraeteumriss null = s.CTUmrisse(0);
    auto r = [](long double v) { return int(ct::Runden(v)); };
    const int oben = r(s.BalkenOben()), unten = r(s.BalkenUnten());
    QCOMPARE(null.Sender, (ct::Viereck{{{r(x0 - 10), oben}, {r(x0), oben}, {r(x0), unten}, {r(x0 - 10), unten}}}));
    QCOMPARE(null.Detektor2[0], (ct::Punkt{r(x1 + 20), oben}));

    // At 90 degrees the source's inner edge lies at MitteY - (Diagonale / 2 + 5).
    const ct::Geraeteumriss quer = s.CTUmrisse(90);
    QCOMPARE(quer.Sender[1].y, r(s.MitteY - (s.Diagonale * 0.5L + 5)));
    QCOMPARE(quer.Detektor1[1].y, r(s.MitteY + (s.Diagonale * 0.5L + 5)));

    const ct::Strahlbild strahl = s.RoentgenTeile(0, 2, 1);
    QCOMPARE(strahl.Anfang, (ct::Punkt{r(x0), r(27.0L + 134.5L)}));
    QCOMPARE(strahl.Ende, (ct::Punkt{r(x1), r(27.0L + 134.5L)}));
    QCOMPARE(strahl.Strahl, (ct::Farbe{255, 128, 128}));
    QCOMPARE(strahl.Anzeige, ct::Farbe::Grau(250));

    QCOMPARE(s.Zeigerspitze(0, 50), (ct::Punkt{0, 50}));
    QCOMPARE(s.Zeigerspitze(90, 50), (ct::Punkt{50, 0}));
    QCOMPARE(s.Zeigerspitze(180, 50), (ct::Punkt{100, 50}));
}

QTEST_APPLESS_MAIN(TestScan)
#include "tst_scan.moc"

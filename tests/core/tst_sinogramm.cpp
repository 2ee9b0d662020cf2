// The recorded measurements of a scan and the pictures made from them: the
// sinogram row by row, stopped scans, plain and filtered back-projection,
// the fitted figures, and the links between sinogram and grid.

#include "core/Detektor.h"
#include "core/Kennzahlen.h"
#include "core/Rueckprojektion.h"
#include "core/Simulator.h"
#include "Testformen.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

using ct::Kaestchen;
using Zellen = std::vector<Kaestchen>;
using namespace Testformen;

namespace {

Form Streuung(int dichte)
{
    auto z = std::make_shared<std::uint32_t>(4711);
    return [z, dichte](double, double) { return int(((*z = *z * 1103515245u + 12345u) >> 16) % 100) < dichte; };
}

Form Zelle(double dx0, double dy0)
{
    return [=](double dx, double dy) { return dx == dx0 && dy == dy0; };
}

// The cells ray k touches at angle a, found the long way: the row or column
// at 0 and 90 degrees, the cell list of an oblique ray inside the grid.
Zellen Strahl(ct::Simulator& s, int a, int k)
{
    const int n = s.Raster, j = k - (s.Strahlzahl - n) / 2;
    Zellen l;
    if (a == 0 || a == 90) {
        for (int i = 1; i <= n && j >= 1 && j <= n; ++i)
            l.push_back(a == 0 ? Kaestchen{i, j} : Kaestchen{n + 1 - j, i});
        return l;
    }
    const ct::Strahlliste& liste = s.StrahlkaestchenFuellen(a, k);
    for (int i = 1; i <= liste.Anzahl; ++i) {
        const Kaestchen z = liste.Eintrag[std::size_t(i)];
        if (z.Spalte >= 1 && z.Spalte <= n && z.Zeile >= 1 && z.Zeile <= n)
            l.push_back(z);
    }
    return l;
}

// The kernels as written down, in extended precision.
long double Kern(ct::Faltungskern art, int m)
{
    const long double pi = std::numbers::pi_v<long double>;
    const auto rampe = [pi](int j) { return j == 0 ? 0.25L : (j % 2 == 0 ? 0.0L : -1.0L / (pi * pi * j * j)); };
    if (art == ct::Faltungskern::RamLak)
        return rampe(m);
    if (art == ct::Faltungskern::Hann)
        return 0.5L * rampe(m) + 0.25L * (rampe(m - 1) + rampe(m + 1));
    return -2.0L / (pi * pi * (4.0L * m * m - 1.0L));
}

// Filtered back-projection done the straightforward way: every row
// convolved with the whole kernel, every value added to the ray's cells.
std::vector<long double> Referenz(ct::Simulator& s, const ct::Sinogramm& g, ct::Faltungskern art)
{
    const int n = s.Raster, zahl = g.Strahlzahl();
    std::vector<long double> bild(std::size_t(n * n), 0.0L);
    for (int z = 0; z < g.GemesseneZeilen(); ++z)
        for (int k = 1; k <= zahl; ++k) {
            long double q = 0.0L;
            for (int j = 1; j <= zahl; ++j)
                q += (long double)g.Messwert(z, j) * Kern(art, k - j);
            for (const Kaestchen& c : Strahl(s, g.Winkel(z), k))
                bild[std::size_t((c.Zeile - 1) * n + c.Spalte - 1)] += q;
        }
    return bild;
}

// Records the counts the scan draws and when it reports a finished row.
class Zuschauer : public ct::StillerBeobachter
{
public:
    explicit Zuschauer(const ct::Simulator& s) : m_s(s) {}

    std::vector<std::vector<int>> anzahl = std::vector<std::vector<int>>(180, std::vector<int>(81, -1));
    std::vector<int> zeilen;          // the angles reported, in order
    std::vector<int> gemessenDabei;   // GemesseneZeilen() at each report
    std::string folge;
    int stoppBeiAbbruch = 0, stoppBeiSchleife = 0;

    bool SchrittGezeigt(int) override { return true; }
    bool Abbruch() override { return stoppBeiAbbruch && ++m_abbrueche >= stoppBeiAbbruch; }
    // Like the window's stop flag, a stop in a projection ends the loop too.
    bool SchleifeAbbruch() override
    {
        return (stoppBeiSchleife && ++m_schleifen >= stoppBeiSchleife)
               || (stoppBeiAbbruch && m_abbrueche >= stoppBeiAbbruch);
    }
    void RoentgenZeichnen(int a, int k, int n) override { anzahl[std::size_t(a)][std::size_t(k)] = n; }
    void ZeileGemessen(int a) override
    {
        folge += " G" + std::to_string(a);
        zeilen.push_back(a);
        gemessenDabei.push_back(m_s.Messung.GemesseneZeilen());
    }
    void WinkelEnde(int a) override { folge += " E" + std::to_string(a); }

private:
    const ct::Simulator& m_s;
    int m_abbrueche = 0, m_schleifen = 0;
};

// The spread (largest minus smallest) of a picture's values fitted to the
// pattern over the cells of a form.
double Spanne(const ct::Bildfeld& bild, const ct::Anpassung& a, int n, const Form& form)
{
    double lo = 1e9, hi = -1e9;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            if (form(x - (n + 1) / 2.0, y - (n + 1) / 2.0)) {
                lo = std::min(lo, a.Angepasst(bild(x, y).Wert));
                hi = std::max(hi, a.Angepasst(bild(x, y).Wert));
            }
    return hi - lo;
}

}  // namespace

class TestSinogramm : public QObject
{
    Q_OBJECT

private slots:
    void beispiel();
    void messwerte_data();
    void messwerte();
    void abbruch();
    void rueckprojektion_data();
    void rueckprojektion();
    void gefiltert_data();
    void gefiltert();
    void plateau_data();
    void plateau();
    void abweichung_data();
    void abweichung();
    void verknuepfung();
};

// The cells (2, 2), (3, 2), (2, 3) of the 4 x 4 grid: at 0 degrees the rows
// read 0, 2, 1, 0 cells beside an empty ray on either side; at 90 degrees
// the columns from the right.
void TestSinogramm::beispiel()
{
    ct::Simulator s = Laden(4, 800, 90, [](double dx, double dy) {
        return (dx == -0.5 && dy == -0.5) || (dx == 0.5 && dy == -0.5) || (dx == -0.5 && dy == 0.5);
    });
    ct::StillerBeobachter still;
    QVERIFY(s.Tomographie(still));
    const ct::Sinogramm& g = s.Messung;
    QCOMPARE(g.Zeilenzahl(), 2);
    QCOMPARE(g.GemesseneZeilen(), 2);
    QCOMPARE(g.Strahlzahl(), 6);
    QCOMPARE(g.Winkel(1), 90);
    const std::vector<float> null{0, 0, 20, 10, 0, 0}, neunzig{0, 0, 10, 20, 0, 0};
    for (int k = 1; k <= 6; ++k) {
        QCOMPARE(g.Messwert(0, k), null[std::size_t(k - 1)]);
        QCOMPARE(g.Messwert(1, k), neunzig[std::size_t(k - 1)]);
    }
    QCOMPARE(g.Hoechstwert(), 20.0f);
    QCOMPARE(g.Messwert(0, 7), 0.0f);
    QCOMPARE(g.Messwert(2, 3), 0.0f);
}

void TestSinogramm::messwerte_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("breite");
    QTest::addColumn<int>("schritt");

    for (int n : {4, 20, 38, 56})
        for (int schritt : {1, 2, 10, 45, 90})
            QTest::addRow("%d step %d", n, schritt) << n << (schritt % 2 ? 800 : 1024) << schritt;
}

// Every reading is the count the scan draws for that ray times
// Zellschwaechung; a row is reported once per angle, after it is in the
// sinogram and before the angle ends.
void TestSinogramm::messwerte()
{
    QFETCH(int, n);
    QFETCH(int, breite);
    QFETCH(int, schritt);

    ct::Simulator s = Laden(n, breite, schritt, Streuung(35));
    Zuschauer z(s);
    QVERIFY(s.Tomographie(z));
    const ct::Sinogramm& g = s.Messung;
    QCOMPARE(g.Zeilenzahl(), 180 / schritt);
    QVERIFY(g.Vollstaendig());
    QCOMPARE(g.Raster(), n);
    QCOMPARE(g.Kaestchengroesse(), s.Kaestchengroesse);
    QCOMPARE(int(z.zeilen.size()), 180 / schritt);
    float hoechst = 0.0f;
    for (int i = 0; i < g.Zeilenzahl(); ++i) {
        const int a = g.Winkel(i);
        QCOMPARE(a, i * schritt);
        QCOMPARE(z.zeilen[std::size_t(i)], a);
        QCOMPARE(z.gemessenDabei[std::size_t(i)], i + 1);
        for (int k = 1; k <= s.Strahlzahl; ++k) {
            const int anzahl = z.anzahl[std::size_t(a)][std::size_t(k)];
            QCOMPARE(g.Messwert(i, k), float(anzahl) * s.Zellschwaechung);
            hoechst = std::max(hoechst, g.Messwert(i, k));
        }
    }
    QCOMPARE(g.Hoechstwert(), hoechst);
    QVERIFY(z.folge.starts_with(" G0 E0 G" + std::to_string(schritt) + " E"));
}

// A stopped scan keeps the rows it finished: stopped between angles, all of
// them; stopped in the middle of a projection, those and the rays of that
// projection which added to CTBild, so that the readings give the CT picture
// back either way. A new scan lays the sinogram out afresh, deleting the CT
// picture empties it, and a copy lives on.
void TestSinogramm::abbruch()
{
    ct::Simulator voll = Laden(20, 800, 10, Scheibe(6));
    ct::StillerBeobachter still;
    QVERIFY(voll.Tomographie(still));

    ct::Simulator s = Laden(20, 800, 10, Scheibe(6));
    Zuschauer zwischen(s);
    zwischen.stoppBeiSchleife = 4;   // before the fourth angle
    QVERIFY(!s.Tomographie(zwischen));
    QCOMPARE(s.Messung.GemesseneZeilen(), 3);
    QVERIFY(!s.Messung.Vollstaendig());
    QCOMPARE(s.Messung.Zeilenzahl(), 18);
    for (int i = 0; i < 18; ++i)
        for (int k = 1; k <= s.Strahlzahl; ++k)
            QCOMPARE(s.Messung.Messwert(i, k), i < 3 ? voll.Messung.Messwert(i, k) : 0.0f);
    // Stopped between angles, CTBild is the back-projection of the rows.
    const ct::Bildfeld rueck = ct::Rueckprojektion(s.Messung);
    for (int x = 1; x <= 20; ++x)
        for (int y = 1; y <= 20; ++y)
            QCOMPARE(rueck(x, y).Wert, s.CTBild(x, y).Wert);

    ct::Simulator t = Laden(20, 800, 10, Scheibe(6));
    Zuschauer mitten(t);
    mitten.stoppBeiAbbruch = 2 * 28 + 12;   // 28 rays per angle: at angle 20, ray 12
    QVERIFY(!t.Tomographie(mitten));
    QCOMPARE(t.Messung.GemesseneZeilen(), 2);
    QCOMPARE(t.Messung.Teilstrahlen(), 11);
    QCOMPARE(t.Messung.Messzeilen(), 3);
    QCOMPARE(mitten.folge, std::string(" G0 E0 G10 E10 E20"));
    for (int k = 1; k <= t.Strahlzahl; ++k) {
        QCOMPARE(t.Messung.Gemessen(2, k), k <= 11);
        QCOMPARE(t.Messung.Messwert(2, k), k <= 11 ? voll.Messung.Messwert(2, k) : 0.0f);
    }
    QVERIFY(!t.Messung.Gemessen(2));
    QVERIFY(ct::Rueckprojektion(t.Messung) == [&] {
        ct::Bildfeld b;
        for (int x = 1; x <= 20; ++x)
            for (int y = 1; y <= 20; ++y)
                b(x, y).Wert = t.CTBild(x, y).Wert;
        return b;
    }());
    // Nothing is added after the part: it ended the scan.
    ct::Sinogramm teil = t.Messung;
    teil.ZeileAnfuegen(std::vector<float>(std::size_t(t.Strahlzahl) + 1, 5.0f).data());
    QVERIFY(teil == t.Messung);

    const ct::Sinogramm kopie = t.Messung;
    t.Winkelschritt = 45;
    QVERIFY(t.Tomographie(still));
    QCOMPARE(t.Messung.Zeilenzahl(), 4);
    QCOMPARE(t.Messung.GemesseneZeilen(), 4);
    t.CTBildLoeschen();
    QVERIFY(t.Messung == ct::Sinogramm{});
    QCOMPARE(t.Messung.Zeilenzahl(), 0);
    QCOMPARE(kopie.GemesseneZeilen(), 2);
    QCOMPARE(kopie.Messwert(1, 15), voll.Messung.Messwert(1, 15));
    QVERIFY(ct::Rueckprojektion(t.Messung) == ct::Bildfeld{});
}

void TestSinogramm::rueckprojektion_data()
{
    messwerte_data();
}

// The plain back-projection of a scan's sinogram is its CT picture without
// convolution, value for value.
void TestSinogramm::rueckprojektion()
{
    QFETCH(int, n);
    QFETCH(int, breite);
    QFETCH(int, schritt);

    ct::Simulator s = Laden(n, breite, schritt, Streuung(35));
    ct::StillerBeobachter still;
    QVERIFY(s.Tomographie(still));
    const ct::Bildfeld rueck = ct::Rueckprojektion(s.Messung);
    for (int x = 1; x <= ct::Feldgroesse; ++x)
        for (int y = 1; y <= ct::Feldgroesse; ++y)
            if (rueck(x, y).Wert != s.CTBild(x, y).Wert)
                QFAIL(qPrintable(QString::asprintf("cell %d,%d: %g instead of %g", x, y, double(rueck(x, y).Wert),
                                                   double(s.CTBild(x, y).Wert))));
}

void TestSinogramm::gefiltert_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("breite");
    QTest::addColumn<int>("schritt");
    QTest::addColumn<Form>("form");
    QTest::addColumn<ct::Faltungskern>("kern");

    for (int n : {4, 20, 38, 56}) {
        // The single cell: column n div 4 + 1, the row just above the middle.
        const std::vector<std::pair<const char*, Form>> formen{{"cell", Zelle(n / 4 + 0.5 - n / 2.0, -0.5)},
                                                               {"disc", Scheibe(n / 4.0 + 0.5)},
                                                               {"ring", Ring(n * 0.2, n * 0.4)}};
        for (const auto& [name, form] : formen) {
            const int ram = n == 56 ? 1 : 2, shepp = n == 4 ? 1 : 10;
            QTest::addRow("%s %d step %d ram-lak", name, n, ram) << n << 800 << ram << form << ct::Faltungskern::RamLak;
            QTest::addRow("%s %d step %d shepp-logan at 1024", name, n, shepp)
                << n << 1024 << shepp << form << ct::Faltungskern::SheppLogan;
            QTest::addRow("%s %d step %d hann", name, n, shepp) << n << 800 << shepp << form << ct::Faltungskern::Hann;
        }
    }
}

// The filtered back-projection agrees with the straightforward computation
// to the precision of float sums.
void TestSinogramm::gefiltert()
{
    QFETCH(int, n);
    QFETCH(int, breite);
    QFETCH(int, schritt);
    QFETCH(Form, form);
    QFETCH(ct::Faltungskern, kern);

    ct::Simulator s = Laden(n, breite, schritt, form);
    ct::StillerBeobachter still;
    QVERIFY(s.Tomographie(still));
    const ct::Bildfeld bild = ct::GefilterteRueckprojektion(s.Messung, kern);
    const std::vector<long double> ref = Referenz(s, s.Messung, kern);
    long double groesste = 0.0L;
    for (long double v : ref)
        groesste = std::max(groesste, std::fabs(v));
    QVERIFY(groesste > 0.0L);
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
            const long double r = ref[std::size_t((y - 1) * n + x - 1)];
            if (std::fabs(bild(x, y).Wert - r) > 1e-5L * groesste)
                QFAIL(qPrintable(QString::asprintf("cell %d,%d: %g instead of %g", x, y, double(bild(x, y).Wert),
                                                   double(r))));
        }
    if (n < ct::Feldgroesse)
        QCOMPARE(bild(n + 1, 1).Wert, 0.0f);
}

void TestSinogramm::plateau_data()
{
    QTest::addColumn<int>("kern");   // 0 plain, 1 Ram-Lak, 2 Shepp-Logan, 3 Hann, 4 the scan with convolution
    QTest::addColumn<bool>("weg");   // a detector's path-length readings instead of the scan's
    QTest::addColumn<std::vector<double>>("zahlen");

    QTest::newRow("plain") << 0 << false << std::vector<double>{0.5534, 0.1162, 0.3372, 0.1580};
    QTest::newRow("ram-lak") << 1 << false << std::vector<double>{0.2600, 0.0573, 0.1060, 0.0695};
    QTest::newRow("shepp-logan") << 2 << false << std::vector<double>{0.2563, 0.0556, 0.1391, 0.0741};
    QTest::newRow("hann") << 3 << false << std::vector<double>{0.2797, 0.0589, 0.2401, 0.0948};
    QTest::newRow("scan with convolution") << 4 << false << std::vector<double>{};
    QTest::newRow("plain, path length") << 0 << true << std::vector<double>{0.3335, 0.0957, 0.4256, 0.1570};
    QTest::newRow("ram-lak, path length") << 1 << true << std::vector<double>{0.1152, 0.0266, 0.1337, 0.0342};
    QTest::newRow("hann, path length") << 3 << true << std::vector<double>{0.1166, 0.0248, 0.3197, 0.0704};
}

// A disc of radius 8 on the 38 grid at 2 degrees. Plain back-projection
// gives a bell: high in the middle, falling towards the rim, and a skirt far
// beyond it. Filtered, the disc is a plateau with a steep rim. The figures,
// of the pictures fitted to the pattern by scale and offset: over the disc
// without its rim (up to 7 cells from the centre) the spread (largest minus
// smallest value) and the standard deviation; the spread along the middle
// row across the whole disc; the root mean square difference to the
// pattern. With the scan's counted readings the spread over the disc stays
// at about 0.26 when filtered because of four cells next to the centre and a
// faint diagonal texture, which the plain picture has as well: with rays one
// cell wide that count every cell they touch, those cells are touched by
// more rays than their neighbours. A detector's path lengths weigh each cell
// by the length of ray inside it: the plateau's spread halves (0.12) and so
// does the rest after the fit. The smooth kernel (Hann) softens the rim: the
// spread along the middle row, rim included, is the largest of the filters.
void TestSinogramm::plateau()
{
    QFETCH(int, kern);
    QFETCH(bool, weg);
    QFETCH(std::vector<double>, zahlen);

    ct::Simulator s = Laden(38, 800, 2, Scheibe(8));
    s.Faltung = kern == 4;
    const ct::Bildfeld muster = s.CTBild;
    ct::StillerBeobachter still;
    QVERIFY(s.Tomographie(still));
    const ct::Sinogramm g = weg ? ct::Detektormessung(s.Messung, muster, 0.0) : s.Messung;
    const std::array<ct::Faltungskern, 4> kerne{ct::Faltungskern::RamLak, ct::Faltungskern::RamLak,
                                                ct::Faltungskern::SheppLogan, ct::Faltungskern::Hann};
    const ct::Bildfeld bild = kern == 0   ? ct::Rueckprojektion(g)
                              : kern == 4 ? s.CTBild
                                          : ct::GefilterteRueckprojektion(g, kerne[std::size_t(kern)]);
    const ct::Anpassung a = ct::Anpassen(bild, muster, 38);
    double summe = 0.0, quadrate = 0.0;
    int zahl = 0;
    for (int x = 1; x <= 38; ++x)
        for (int y = 1; y <= 38; ++y)
            if (Scheibe(7)(x - 19.5, y - 19.5)) {
                const double w = a.Angepasst(bild(x, y).Wert);
                summe += w;
                quadrate += w * w;
                ++zahl;
            }
    const std::vector<double> gemessen{
        Spanne(bild, a, 38, Scheibe(7)), std::sqrt(quadrate / zahl - summe * summe / zahl / zahl),
        Spanne(bild, a, 38, [](double dx, double dy) { return dy == -0.5 && Scheibe(8)(dx, dy); }), a.Rms};
    if (kern == 4)
        // The scan's convolution leaves the blur: as bell-shaped as the plain picture.
        QVERIFY(a.Rms > 0.15);
    for (std::size_t i = 0; i < zahlen.size(); ++i)
        QVERIFY2(std::fabs(gemessen[i] - zahlen[i]) < 1e-4, qPrintable(QString::number(gemessen[i], 'f', 4)));
}

void TestSinogramm::abweichung_data()
{
    QTest::addColumn<Form>("bildform");
    QTest::addColumn<double>("hoch");
    QTest::addColumn<double>("tief");
    QTest::addColumn<double>("rms");

    // The pattern: the left 5 of 20 columns, a quarter of the cells, so a
    // flat picture leaves sqrt(1/4 * 3/4).
    QTest::newRow("the pattern, any scale") << Form([](double dx, double) { return dx < -5; }) << 7.0 << -2.0 << 0.0;
    QTest::newRow("flat") << Form([](double, double) { return true; }) << 3.0 << 3.0 << std::sqrt(0.1875);
    QTest::newRow("inverted: no better than flat")
        << Form([](double dx, double) { return dx >= -5; }) << 1.0 << 0.0 << std::sqrt(0.1875);
    // Half the pattern: what the fit leaves is var(pattern) - cov^2 / var(picture)
    // = 3/16 - (3/32)^2 / (7/64) = 3/28.
    QTest::newRow("half of it") << Form([](double dx, double dy) { return dx < -5 && dy < 0; }) << 1.0 << 0.0
                                << std::sqrt(3.0 / 28.0);
}

// Pictures are fitted to the pattern (1 and 0) by a scale, never negative,
// and an offset before they are compared; a flat picture, and an inverted
// one, are fitted by the pattern's mean.
void TestSinogramm::abweichung()
{
    QFETCH(Form, bildform);
    QFETCH(double, hoch);
    QFETCH(double, tief);
    QFETCH(double, rms);

    const ct::Simulator muster = Laden(20, 800, 2, [](double dx, double) { return dx < -5; });
    const ct::Simulator s = Laden(20, 800, 2, bildform);
    ct::Bildfeld bild = s.CTBild;
    for (int x = 1; x <= ct::Feldgroesse; ++x)
        for (int y = 1; y <= ct::Feldgroesse; ++y)
            bild(x, y).Wert = float(bild(x, y).Belegt ? hoch : tief);
    const ct::Anpassung a = ct::Anpassen(bild, muster.CTBild, 20);
    QVERIFY2(std::fabs(a.Rms - rms) < 1e-9, qPrintable(QString::number(a.Rms, 'f', 6)));
    QVERIFY(a.Faktor >= 0.0);
    for (int x = 1; x <= 20; ++x)
        for (int y = 1; y <= 20; ++y) {
            const double erwartet = rms == 0.0 ? (bild(x, y).Belegt ? 1.0 : 0.0) : a.Angepasst(bild(x, y).Wert);
            QVERIFY(std::fabs(a.Angepasst(bild(x, y).Wert) - erwartet) < 1e-12);
        }
    if (hoch == tief || rms == std::sqrt(0.1875))
        QCOMPARE(a.Faktor, 0.0);
}

// Both directions of the links on the 4 x 4 grid: the cells of a ray and the
// rays of a cell, pinned at 45-degree steps and checked against each other
// and the long way at every whole degree.
void TestSinogramm::verknuepfung()
{
    ct::Simulator s = Laden(4, 800, 45, Scheibe(1));
    ct::StillerBeobachter still;
    QVERIFY(s.Tomographie(still));
    using P = ct::Sinogrammpunkt;
    // Rows 0 ... 3 are 0, 45, 90, 135 degrees.
    QCOMPARE(ct::Sinuskurve(s.Messung, 1, 1), (std::vector<P>{{0, 2}, {1, 3}, {1, 4}, {2, 5}, {3, 5}, {3, 6}}));
    QCOMPARE(ct::Sinuskurve(s.Messung, 4, 4), (std::vector<P>{{0, 5}, {1, 3}, {1, 4}, {2, 2}, {3, 1}, {3, 2}}));
    QCOMPARE(ct::Sinuskurve(s.Messung, 4, 1), (std::vector<P>{{0, 2}, {1, 1}, {1, 2}, {2, 2}, {3, 3}, {3, 4}}));
    QVERIFY(ct::Sinuskurve(s.Messung, 5, 1).empty());
    QVERIFY(ct::Sinuskurve(s.Messung, 0, 1).empty());
    QCOMPARE(ct::KaestchenDesStrahls(s.Messung, 1, 3),
             (Zellen{{1, 1}, {2, 1}, {2, 2}, {3, 2}, {3, 3}, {4, 3}, {4, 4}}));
    QCOMPARE(ct::KaestchenDesStrahls(s.Messung, 2, 3), (Zellen{{3, 1}, {3, 2}, {3, 3}, {3, 4}}));
    QCOMPARE(ct::KaestchenDesStrahls(s.Messung, 0, 3), (Zellen{{1, 2}, {2, 2}, {3, 2}, {4, 2}}));
    QVERIFY(ct::KaestchenDesStrahls(s.Messung, 0, 1).empty());
    QVERIFY(ct::KaestchenDesStrahls(s.Messung, 4, 3).empty());
    QVERIFY(ct::KaestchenDesStrahls(s.Messung, 1, 7).empty());
    QVERIFY(ct::Sinuskurve(ct::Sinogramm{}, 1, 1).empty());

    s.Winkelschritt = 1;
    QVERIFY(s.Tomographie(still));
    const ct::Sinogramm& g = s.Messung;
    for (int x = 1; x <= 4; ++x)
        for (int y = 1; y <= 4; ++y) {
            const std::vector<P> kurve = ct::Sinuskurve(g, x, y);
            std::vector<P> erwartet;
            for (int z = 0; z < g.Zeilenzahl(); ++z)
                for (int k = 1; k <= g.Strahlzahl(); ++k) {
                    const Zellen zellen = ct::KaestchenDesStrahls(g, z, k);
                    if (z % 9 == 0)
                        QCOMPARE(zellen, Strahl(s, g.Winkel(z), k));
                    if (std::find(zellen.begin(), zellen.end(), Kaestchen{x, y}) != zellen.end())
                        erwartet.push_back({z, k});
                }
            QCOMPARE(kurve, erwartet);
        }
}

QTEST_APPLESS_MAIN(TestSinogramm)
#include "tst_sinogramm.moc"

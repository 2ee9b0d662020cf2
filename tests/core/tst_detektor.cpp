// The laboratory's model beside the scan: a detector's path-length readings,
// dose and noise, the iterative reconstruction, the fitted figures, and the
// back-projection that grows row by row.

#include "core/Detektor.h"
#include "core/Iterativ.h"
#include "core/Kennzahlen.h"
#include "core/Muster.h"
#include "core/Rueckprojektion.h"
#include "core/Simulator.h"
#include "Testformen.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

using namespace Testformen;

namespace {

// A simulator with the cells of the form as its pattern, scanned.
ct::Simulator Gescannt(int n, int schritt, const Form& form)
{
    ct::Simulator s = Laden(n, 800, schritt, form);
    ct::StillerBeobachter still;
    s.Tomographie(still);
    return s;
}

// The library's heart instead of a form.
ct::Simulator Herz(int n, int schritt)
{
    ct::Simulator h = Laden(n, 800, schritt, [](double, double) { return false; });
    ct::HerzMalen(n, [&](int x, int y) { h.CTBild(x, y).Belegt = true; });
    ct::StillerBeobachter still;
    h.Tomographie(still);
    return h;
}

// The pattern the scan read: its Belegt flags.
ct::Bildfeld Muster(const ct::Simulator& s)
{
    return s.CTBild;
}

int Zellenzahl(const ct::Simulator& s)
{
    int z = 0;
    for (int x = 1; x <= s.Raster; ++x)
        for (int y = 1; y <= s.Raster; ++y)
            z += s.CTBild(x, y).Belegt ? 1 : 0;
    return z;
}

}  // namespace

class TestDetektor : public QObject
{
    Q_OBJECT

private slots:
    void einzelneZelle_data();
    void einzelneZelle();
    void zeilensummen_data();
    void zeilensummen();
    void rauschen_data();
    void rauschen();
    void gleicheSaat();
    void kern();
    void artHandrechnung();
    void artKonvergiert_data();
    void artKonvergiert();
    void artMitRauschen();
    void rangfolge_data();
    void rangfolge();
    void wachsend_data();
    void wachsend();
};

void TestDetektor::einzelneZelle_data()
{
    QTest::addColumn<int>("winkel");
    QTest::addColumn<std::vector<double>>("werte");   // rays 1 ... 6

    // The cell (2, 2) of the 4 x 4 grid, whose corner (2, 2) is the grid's
    // centre; ray k runs at the distance k - 3.5 cell sides from the centre.
    // 0 degrees: ray 3 runs along the cell's row, 1 cell side in it.
    QTest::newRow("0 degrees") << 0 << std::vector<double>{0, 0, 1, 0, 0, 0};
    // 45: the cell's diagonal through the centre lies between rays 3 and 4,
    // each half a side off it, so each cuts a chord of sqrt 2 - 1.
    QTest::newRow("45 degrees") << 45
                                << std::vector<double>{0, 0, std::sqrt(2.0) - 1, std::sqrt(2.0) - 1, 0, 0};
    // 30: the cell's corners lie at -0.866, -0.366, 0 and 0.5 across the
    // beam; ray 3 at -0.5 is on the rising flank of the chord length, which
    // reaches 1 / cos 30 at -0.366: (0.866 - 0.5) / 0.5 * 2 / sqrt 3 =
    // 2 - 2 / sqrt 3. Ray 4 at +0.5 only touches the corner.
    QTest::newRow("30 degrees") << 30 << std::vector<double>{0, 0, 2 - 2 / std::sqrt(3.0), 0, 0, 0};
    QTest::newRow("90 degrees, numbered from the right") << 90 << std::vector<double>{0, 0, 0, 1, 0, 0};
}

// A detector's readings of a single cell against chords worked out by hand.
void TestDetektor::einzelneZelle()
{
    QFETCH(int, winkel);
    QFETCH(std::vector<double>, werte);

    const ct::Simulator s = Gescannt(4, 1, [](double dx, double dy) { return dx == -0.5 && dy == -0.5; });
    const ct::Sinogramm w = ct::Detektormessung(s.Messung, Muster(s), 0.0);
    QCOMPARE(w.Art(), ct::Messart::Weglaenge);
    QCOMPARE(w.GemesseneZeilen(), 180);
    for (int k = 1; k <= 6; ++k)
        QVERIFY2(std::fabs(w.Messwert(winkel, k) - werte[std::size_t(k - 1)]) < 1e-5,
                 qPrintable(QStringLiteral("ray %1: %2").arg(k).arg(double(w.Messwert(winkel, k)))));
}

void TestDetektor::zeilensummen_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("form");   // 0 disc, 1 ring, 2 heart, 3 the whole grid
    QTest::addColumn<double>("grenze");

    for (int n : {20, 38, 56}) {
        QTest::addRow("disc %d", n) << n << 0 << 0.02;
        QTest::addRow("ring %d", n) << n << 1 << 0.02;
    }
    QTest::newRow("heart 38") << 38 << 2 << 0.02;
    QTest::newRow("heart 56") << 56 << 2 << 0.02;
    // Four cells across are sampled by four rays: the projection of the
    // whole grid is caught to within 3.2 % at every angle, not 2 %.
    QTest::newRow("whole grid 4") << 4 << 3 << 0.035;
}

// Every row of a detector's sinogram sums to the pattern's number of cells
// (the rays sample its projection once per cell side), at every angle; the
// scan's counted rows do not.
void TestDetektor::zeilensummen()
{
    QFETCH(int, n);
    QFETCH(int, form);
    QFETCH(double, grenze);

    const ct::Simulator s = form == 2   ? Herz(n, 1)
                            : form == 3 ? Gescannt(n, 1, [](double, double) { return true; })
                            : Gescannt(n, 1, form == 0 ? Scheibe(n * 0.4 + 0.5) : Ring(n * 0.2, n * 0.45));
    const ct::Sinogramm w = ct::Detektormessung(s.Messung, Muster(s), 0.0);
    const double zellen = Zellenzahl(s);
    QVERIFY(zellen > 0);
    double zaehlungKlein = 1e9, zaehlungGross = 0.0;
    for (int z = 0; z < w.Zeilenzahl(); ++z) {
        double summe = 0.0, zaehlung = 0.0;
        for (int k = 1; k <= w.Strahlzahl(); ++k) {
            summe += w.Messwert(z, k);
            zaehlung += s.Messung.Messwert(z, k) / s.Zellschwaechung;
        }
        if (std::fabs(summe / zellen - 1.0) > grenze)
            QFAIL(qPrintable(QStringLiteral("%1 degrees: %2 for %3 cells").arg(z).arg(summe).arg(zellen)));
        zaehlungKlein = std::min(zaehlungKlein, zaehlung);
        zaehlungGross = std::max(zaehlungGross, zaehlung);
    }
    if (form != 3)
        QVERIFY(zaehlungGross / zaehlungKlein > 1.2);   // counted: up to 40 % more at 45 degrees
}

void TestDetektor::rauschen_data()
{
    QTest::addColumn<double>("photonen");
    QTest::addColumn<double>("weg");

    // A mean below 10 (counted one by one), one above (by rejection), and
    // the full dose beside the body.
    QTest::newRow("1e2 photons through 30 cells: 5 arrive") << 1e2 << 30.0;
    QTest::newRow("1e4 photons through 60 cells: 25 arrive") << 1e4 << 60.0;
    QTest::newRow("1e6 photons beside the body") << 1e6 << 0.0;
}

// The counts behind a path are Poisson distributed: mean and variance both
// N0 exp(-mu p); the reading from a count is -ln(N / N0) / mu, and a count
// of 0 stays finite.
void TestDetektor::rauschen()
{
    QFETCH(double, photonen);
    QFETCH(double, weg);

    const double mittel = photonen * std::exp(-ct::Zellschwaechungskoeffizient * weg);
    const int zahl = 40000;
    double summe = 0.0, quadrate = 0.0;
    for (int i = 0; i < zahl; ++i) {
        const double n = double(ct::Photonenzahl(weg, photonen, ct::Messsaat(photonen, i / 100, i % 100 + 1)));
        summe += n;
        quadrate += n * n;
    }
    const double m = summe / zahl, v = quadrate / zahl - m * m;
    // Five standard errors of the mean and of the variance.
    QVERIFY2(std::fabs(m - mittel) < 5.0 * std::sqrt(mittel / zahl), qPrintable(QString::number(m)));
    QVERIFY2(std::fabs(v - mittel) < 5.0 * mittel * std::sqrt(2.0 / zahl) + 5.0 * std::sqrt(mittel / zahl),
             qPrintable(QString::number(v)));

    QVERIFY(std::fabs(ct::Messwert(std::llround(mittel), photonen) - weg) < 0.15);
    QVERIFY(std::fabs(ct::Messwert(std::int64_t(photonen), photonen)) < 1e-6f);
    QVERIFY(std::fabs(ct::Messwert(0, photonen) - std::log(2.0 * photonen) / ct::Zellschwaechungskoeffizient)
            < 1e-3);
}

// The same scan at the same dose gives the same readings; another dose
// others; no noise the exact path lengths.
void TestDetektor::gleicheSaat()
{
    const ct::Simulator s = Gescannt(20, 10, Scheibe(6));
    const ct::Sinogramm a = ct::Detektormessung(s.Messung, Muster(s), 1e3);
    const ct::Sinogramm b = ct::Detektormessung(s.Messung, Muster(s), 1e3);
    const ct::Sinogramm c = ct::Detektormessung(s.Messung, Muster(s), 1e4);
    const ct::Sinogramm ohne = ct::Detektormessung(s.Messung, Muster(s), 0.0);
    QVERIFY(a == b);
    QVERIFY(!(a == c));
    int verschieden = 0;
    for (int z = 0; z < a.Zeilenzahl(); ++z)
        for (int k = 1; k <= a.Strahlzahl(); ++k)
            verschieden += a.Messwert(z, k) != ohne.Messwert(z, k) ? 1 : 0;
    QVERIFY(verschieden > a.Zeilenzahl() * a.Strahlzahl() / 2);
}

// The Hann kernel is the ramp times the Hann window in frequency: its
// values against the integral 2 * int_0^1/2 f (1 + cos 2 pi f) / 2
// cos(2 pi f m) df, taken numerically.
void TestDetektor::kern()
{
    const std::vector<double> h = ct::Kernwerte(ct::Faltungskern::Hann, 6);
    QCOMPARE(h.size(), std::size_t(13));
    const double pi = std::numbers::pi;
    for (int m = -6; m <= 6; ++m) {
        const int schritte = 20000;
        double summe = 0.0;
        for (int i = 0; i <= schritte; ++i) {
            const double f = 0.5 * i / schritte;
            const double w = (i == 0 || i == schritte) ? 0.5 : 1.0;
            summe += w * f * 0.5 * (1.0 + std::cos(2 * pi * f)) * std::cos(2 * pi * f * m);
        }
        const double integral = 2.0 * summe * 0.5 / schritte;
        QVERIFY2(std::fabs(h[std::size_t(m + 6)] - integral) < 1e-7,
                 qPrintable(QStringLiteral("m = %1: %2 against %3").arg(m).arg(h[std::size_t(m + 6)]).arg(integral)));
    }
}

// The first sweep over a 4 x 4 scan at 0 and 90 degrees, worked out by
// hand: the cells (2, 2), (3, 2), (2, 3) read 0, 20, 10, 0 along the rows
// and 0, 20, 10, 0 along the columns (from the left). The rows come first:
// each of row y's four cells gets a quarter of its reading (row 2: 5,
// row 3: 2.5). Then each column's cells get a quarter of what its reading
// lacks: column 1 and 4 (0 - 7.5) / 4 = -1.875, column 2 (20 - 7.5) / 4 =
// 3.125, column 3 (10 - 7.5) / 4 = 0.625. At the sweep's end the negative
// cells (rows 1 and 4 of columns 1 and 4) become 0. Then rows 1 and 4 and
// columns 1 and 4 each sum to 3.75 instead of 0: the residual is
// sqrt(4 * 3.75^2 / (2 * (20^2 + 10^2))).
void TestDetektor::artHandrechnung()
{
    const ct::Simulator s = Gescannt(4, 90, [](double dx, double dy) {
        return (dx == -0.5 && dy == -0.5) || (dx == 0.5 && dy == -0.5) || (dx == -0.5 && dy == 0.5);
    });
    const ct::Iterationsergebnis e = ct::IterativeRekonstruktion(s.Messung, 1);
    const double erwartet[4][4] = {{0, 3.125, 0.625, 0},
                                   {3.125, 8.125, 5.625, 3.125},
                                   {0.625, 5.625, 3.125, 0.625},
                                   {0, 3.125, 0.625, 0}};
    for (int y = 1; y <= 4; ++y)
        for (int x = 1; x <= 4; ++x)
            QCOMPARE(double(e.Bild(x, y).Wert), erwartet[y - 1][x - 1]);
    QCOMPARE(e.Residuen.size(), std::size_t(1));
    QVERIFY(std::fabs(e.Residuen[0] - std::sqrt(4 * 3.75 * 3.75 / 1000.0)) < 1e-12);
    QCOMPARE(ct::Zeilenfolge(4), (std::vector<int>{0, 2, 1, 3}));
    QCOMPARE(ct::Zeilenfolge(180)[1], 90);
    QVERIFY(ct::IterativeRekonstruktion(ct::Sinogramm{}, 3).Residuen.empty());
}

void TestDetektor::artKonvergiert_data()
{
    QTest::addColumn<bool>("weg");
    QTest::newRow("counted") << false;
    QTest::newRow("path length") << true;
}

// At 45-degree steps a 4 x 4 pattern is reached in 20 sweeps: the residual
// falls below 1e-3 and every cell is within 1 % of the pattern's value
// (10 per cell counted, 1 per cell side along a path).
void TestDetektor::artKonvergiert()
{
    QFETCH(bool, weg);
    const char* muster = "0110100101101001";
    const ct::Simulator s = Gescannt(4, 45, [&](double dx, double dy) {
        return muster[int((dy + 1.5) * 4 + dx + 1.5)] == '1';
    });
    const ct::Sinogramm m = weg ? ct::Detektormessung(s.Messung, Muster(s), 0.0) : s.Messung;
    const ct::Iterationsergebnis e = ct::IterativeRekonstruktion(m, 20);
    QCOMPARE(e.Residuen.size(), std::size_t(20));
    QVERIFY2(e.Residuen.back() < 1e-3, qPrintable(QString::number(e.Residuen.back())));
    QVERIFY(e.Residuen.back() < e.Residuen.front());
    const double einheit = weg ? 1.0 : 10.0;
    for (int x = 1; x <= 4; ++x)
        for (int y = 1; y <= 4; ++y)
            QVERIFY(std::fabs(e.Bild(x, y).Wert / einheit - (s.CTBild(x, y).Belegt ? 1.0 : 0.0)) < 0.01);
}

// With noise the iterative reconstruction stays close: a disc at 10^4
// photons per ray after 5 sweeps lies far nearer the pattern than its plain
// back-projection, and the picture explains the readings to a few percent.
// (Rays that only graze a corner of the grid would otherwise spread their
// noise, divided by a tiny path, over the corner cells.)
void TestDetektor::artMitRauschen()
{
    const ct::Simulator s = Gescannt(38, 2, Scheibe(8));
    const ct::Sinogramm m = ct::Detektormessung(s.Messung, Muster(s), 1e4);
    const ct::Iterationsergebnis e = ct::IterativeRekonstruktion(m, 5);
    const double art = ct::Anpassen(e.Bild, s.CTBild, 38).Rms;
    QVERIFY2(art < 0.05, qPrintable(QString::number(art)));
    QVERIFY(art < ct::Anpassen(ct::Rueckprojektion(m), s.CTBild, 38).Rms / 3);
    QVERIFY2(e.Residuen.back() < 0.1, qPrintable(QString::number(e.Residuen.back())));
}

void TestDetektor::rangfolge_data()
{
    QTest::addColumn<bool>("weg");
    QTest::newRow("counted") << false;
    QTest::newRow("path length") << true;
}

// The figures rank as a teacher would: a single cell's filtered picture
// better than its plain one; the heart's filtered picture better the more
// photons, and at the lowest dose the smooth kernel better than the sharp
// one.
void TestDetektor::rangfolge()
{
    QFETCH(bool, weg);
    const ct::Simulator zelle = Gescannt(38, 2, [](double dx, double dy) { return dx == -9.5 && dy == -0.5; });
    const ct::Sinogramm z = weg ? ct::Detektormessung(zelle.Messung, Muster(zelle), 0.0) : zelle.Messung;
    const double einfach = ct::Anpassen(ct::Rueckprojektion(z), zelle.CTBild, 38).Rms;
    const double gefiltert = ct::Anpassen(ct::GefilterteRueckprojektion(z, ct::Faltungskern::RamLak), zelle.CTBild, 38).Rms;
    QVERIFY2(gefiltert < einfach, qPrintable(QStringLiteral("%1 against %2").arg(gefiltert).arg(einfach)));
    if (!weg)
        return;

    const ct::Simulator herz = Herz(56, 2);
    std::vector<double> ramLak, hann;
    for (double photonen : {1e2, 1e4, 0.0}) {
        const ct::Sinogramm h = ct::Detektormessung(herz.Messung, Muster(herz), photonen);
        ramLak.push_back(ct::Anpassen(ct::GefilterteRueckprojektion(h, ct::Faltungskern::RamLak), herz.CTBild, 56).Rms);
        hann.push_back(ct::Anpassen(ct::GefilterteRueckprojektion(h, ct::Faltungskern::Hann), herz.CTBild, 56).Rms);
    }
    QVERIFY(ramLak[0] > ramLak[1] && ramLak[1] > ramLak[2]);
    QVERIFY(hann[0] > hann[1] && hann[1] > hann[2]);
    QVERIFY(hann[0] < ramLak[0]);
}

void TestDetektor::wachsend_data()
{
    QTest::addColumn<int>("art");   // 0 counted, 1 path length, 2 path length with noise
    QTest::newRow("counted") << 0;
    QTest::newRow("path length") << 1;
    QTest::newRow("path length, noise") << 2;
}

// Readings and pictures made row by row, as the window follows a scan,
// equal those made of the whole sinogram at once, value for value; a
// stopped projection's part row is taken as well.
void TestDetektor::wachsend()
{
    QFETCH(int, art);
    ct::Simulator s = Gescannt(20, 10, Ring(3, 7));
    const double photonen = art == 2 ? 1e3 : 0.0;
    ct::Sinogramm scan(20, s.Kaestchengroesse, s.Strahlzahl, 10);
    ct::Sinogramm weg, gefiltertesSinogramm;
    ct::Rueckprojektionsaufbau einfach, gefiltert(ct::Faltungskern::SheppLogan);
    std::vector<float> werte(std::size_t(s.Strahlzahl) + 1);
    const auto nachfuehren = [&] {
        if (art > 0)
            ct::Nachfuehren(scan, Muster(s), photonen, weg);
        const ct::Sinogramm& m = art > 0 ? weg : scan;
        ct::GefiltertNachfuehren(m, ct::Faltungskern::SheppLogan, gefiltertesSinogramm);
        einfach.Nachfuehren(m);
        gefiltert.Nachfuehren(m);
    };
    // 17 rows, then 9 rays of the 18th.
    for (int z = 0; z < 17; ++z) {
        for (int k = 1; k <= s.Strahlzahl; ++k)
            werte[std::size_t(k)] = s.Messung.Messwert(z, k);
        scan.ZeileAnfuegen(werte.data());
        nachfuehren();
        QCOMPARE(einfach.Zeilen(), z + 1);
    }
    for (int k = 1; k <= 9; ++k)
        werte[std::size_t(k)] = s.Messung.Messwert(17, k);
    scan.TeilzeileAnfuegen(werte.data(), 9);
    nachfuehren();
    QCOMPARE(einfach.Zeilen(), 18);
    QCOMPARE(scan.Teilstrahlen(), 9);

    const ct::Sinogramm m = art > 0 ? ct::Detektormessung(scan, Muster(s), photonen) : scan;
    QVERIFY(weg == (art > 0 ? m : ct::Sinogramm{}));
    QCOMPARE(m.Teilstrahlen(), 9);
    QVERIFY(gefiltertesSinogramm == ct::GefiltertesSinogramm(m, ct::Faltungskern::SheppLogan));
    QVERIFY(einfach.Bild() == ct::Rueckprojektion(m));
    QVERIFY(gefiltert.Bild() == ct::GefilterteRueckprojektion(m, ct::Faltungskern::SheppLogan));
    QVERIFY(!(einfach.Bild() == ct::Bildfeld{}));
}

QTEST_APPLESS_MAIN(TestDetektor)
#include "tst_detektor.moc"

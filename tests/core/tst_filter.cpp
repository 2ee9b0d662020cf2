// The image filters: linear kernels with edge replication, rank filters with
// their two masks and copied corners, and the table of codes.

#include "core/Filter.h"

#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

namespace {

ct::Bildfeld Konstant(int n, float v)
{
    ct::Bildfeld b;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            b(x, y).Wert = v;
    return b;
}

// Distinct values everywhere, so that every rank is visible.
ct::Bildfeld Verschieden(int n)
{
    ct::Bildfeld b;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            b(x, y).Wert = float((x * 37 + y * 101) % 211) + 0.25f * float(x);
    return b;
}

// The rang-th smallest of the values (largest if there are fewer).
float Rang(std::vector<float> v, int rang)
{
    std::sort(v.begin(), v.end());
    return v[std::size_t(std::clamp(rang, 1, int(v.size())) - 1)];
}

}  // namespace

class TestFilter : public QObject
{
    Q_OBJECT

private slots:
    void konstant_data();
    void konstant();
    void gaussUndEcke();
    void verschiebung();
    void laplace();
    void rangfilter_data();
    void rangfilter();
    void nurWerte();
    void tabelle_data();
    void tabelle();
};

void TestFilter::konstant_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<float>("ergebnis");

    for (const ct::Filterangabe& f : ct::Filtertabelle())
        if (f.Weg == ct::Rechenweg::Linear || f.Weg == ct::Rechenweg::Rang)
            QTest::newRow(std::to_string(int(f.Art)).c_str())
                << int(f.Art) << (f.Art == ct::Filterart::Laplace ? 0.0f : 42.5f);
}

// A constant picture stays constant under every filter but Laplace (0),
// on every cell including edges and corners.
void TestFilter::konstant()
{
    QFETCH(int, code);
    QFETCH(float, ergebnis);
    for (int n : {4, 56}) {
        const ct::Bildfeld ct = Konstant(n, 42.5f);
        ct::Bildfeld f;
        QVERIFY(ct::FilterAnwenden(ct::Filterart(code), ct, f, n));
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y)
                QCOMPARE(f(x, y).Wert, ergebnis);
    }
}

// Gauss spreads a single bright cell 4/16, 2/16, 1/16; under the rectangle
// filter a bright corner counts four times in its own result (edge
// replication) and twice in its edge neighbours.
void TestFilter::gaussUndEcke()
{
    ct::Bildfeld ct;
    ct(5, 7).Wert = 160.0f;
    ct(1, 1).Wert = 9.0f;
    ct::Bildfeld f;
    ct::FilterAnwenden(ct::Filterart::Gauss, ct, f, 20);
    QCOMPARE(f(5, 7).Wert, 40.0f);
    QCOMPARE(f(4, 7).Wert, 20.0f);
    QCOMPARE(f(5, 8).Wert, 20.0f);
    QCOMPARE(f(6, 6).Wert, 10.0f);
    QCOMPARE(f(5, 9).Wert, 0.0f);
    ct::FilterAnwenden(ct::Filterart::Rechteck, ct, f, 20);
    QCOMPARE(f(1, 1).Wert, 4.0f);
    QCOMPARE(f(2, 1).Wert, 2.0f);
    QCOMPARE(f(2, 2).Wert, 1.0f);
}

// The weights are not mirrored: w3 alone takes the upper right neighbour, so
// the result at (x, y) is the CT value at (x + 1, y - 1), the nearest edge
// cell outside the grid.
void TestFilter::verschiebung()
{
    const int n = 20;
    const ct::Bildfeld ct = Verschieden(n);
    ct::Bildfeld f;
    const ct::Kern w{0, 0, 1, 0, 0, 0, 0, 0, 0};
    ct::FilterAnwenden(ct::Filterart::Eigen, ct, f, n, w);
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            QCOMPARE(f(x, y).Wert, ct(std::min(n, x + 1), std::max(1, y - 1)).Wert);

    // A user kernel summing to a negative number divides by that sum.
    const ct::Kern negativ{0, 0, 0, 0, -2, 0, 0, 0, 0};
    ct::FilterAnwenden(ct::Filterart::Eigen, ct, f, n, negativ);
    QCOMPARE(f(7, 9).Wert, ct(7, 9).Wert);
    const ct::Kern null{1, 0, 0, 0, -1, 0, 0, 0, 0};
    QCOMPARE(ct::Eigendivisor(null), 1);
    ct::FilterAnwenden(ct::Filterart::Eigen, ct, f, n, null);
    QCOMPARE(f(7, 9).Wert, ct(6, 8).Wert - ct(7, 9).Wert);
    ct::FilterAnwenden(ct::Filterart::Eigen, ct, f, n, {});
    QCOMPARE(f(7, 9).Wert, 0.0f);
}

// Laplace and the high pass reach below the picture's minimum and above its
// maximum; nothing is clamped or rounded.
void TestFilter::laplace()
{
    ct::Bildfeld ct = Konstant(10, 10.0f);
    ct(5, 5).Wert = 10.5f;
    ct::Bildfeld f;
    ct::FilterAnwenden(ct::Filterart::Laplace, ct, f, 10);
    QCOMPARE(f(5, 5).Wert, -2.0f);
    QCOMPARE(f(4, 5).Wert, 0.5f);
    QCOMPARE(f(4, 4).Wert, 0.0f);
    ct::FilterAnwenden(ct::Filterart::Hochpass, ct, f, 10);
    QCOMPARE(f(5, 5).Wert, 14.5f);
    QCOMPARE(f(4, 4).Wert, 9.5f);
    // The low pass divides the sum once: 1/10 of (8 * 10 + 2 * 10.5).
    ct::FilterAnwenden(ct::Filterart::Tiefpass, ct, f, 10);
    QCOMPARE(f(5, 5).Wert, 10.1f);
}

void TestFilter::rangfilter_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("maske");
    QTest::addColumn<int>("rang");

    for (const ct::Filterangabe& f : ct::Filtertabelle())
        if (f.Weg == ct::Rechenweg::Rang)
            QTest::newRow(std::to_string(int(f.Art)).c_str()) << int(f.Art) << f.Maske << f.Rang;
    // Every other rank of both masks, called directly (code 0).
    for (int rang = 1; rang <= 10; ++rang)
        QTest::newRow(("mask 1 rank " + std::to_string(rang)).c_str()) << 0 << 1 << rang;
    for (int rang = 1; rang <= 6; ++rang)
        QTest::newRow(("mask 2 rank " + std::to_string(rang)).c_str()) << 0 << 2 << rang;
}

// Every cell but the corners gets the rank-th smallest of the mask cells
// inside the grid (the largest where there are fewer); the corners are the CT
// values.
void TestFilter::rangfilter()
{
    QFETCH(int, code);
    QFETCH(int, maske);
    QFETCH(int, rang);
    for (int n : {4, 5, 20}) {
        const ct::Bildfeld ct = Verschieden(n);
        ct::Bildfeld f;
        if (code != 0)
            QVERIFY(ct::FilterAnwenden(ct::Filterart(code), ct, f, n));
        else if (maske == 1)
            ct::NLinFilter1(ct, f, n, rang);
        else
            ct::NLinFilter2(ct, f, n, rang);
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y) {
                const bool ecke = (x == 1 || x == n) && (y == 1 || y == n);
                std::vector<float> werte;
                for (int i = x - 1; i <= x + 1; ++i)
                    for (int j = y - 2; j <= y + 2; ++j) {
                        const bool drin = i >= 1 && i <= n && j >= 1 && j <= n;
                        const bool inMaske = maske == 1 ? (j >= y - 1 && j <= y + 1) : i == x;
                        if (drin && inMaske)
                            werte.push_back(ct(i, j).Wert);
                    }
                const float erwartet = ecke ? ct(x, y).Wert : Rang(werte, rang);
                QVERIFY2(f(x, y).Wert == erwartet,
                         ("n " + std::to_string(n) + " cell " + std::to_string(x) + "," + std::to_string(y)).c_str());
            }
    }
}

// A filter writes only the values of n x n cells and reads only CTBild.
void TestFilter::nurWerte()
{
    const ct::Bildfeld ct = Verschieden(20);
    ct::Bildfeld f;
    for (int x = 1; x <= ct::Feldgroesse; ++x)
        for (int y = 1; y <= ct::Feldgroesse; ++y)
            f(x, y) = {-1.0f, false};
    for (ct::Filterart art : {ct::Filterart::Rechteck, ct::Filterart::Median1, ct::Filterart::Erosion2}) {
        ct::FilterAnwenden(art, ct, f, 20);
        QVERIFY(!f(1, 1).Belegt);
        QVERIFY(!f(20, 20).Belegt);
        QCOMPARE(f(21, 5).Wert, -1.0f);
        QCOMPARE(f(5, 21).Wert, -1.0f);
    }
    // Filters do not chain: the same call gives the same result whatever
    // the filtered picture held.
    ct::Bildfeld g;
    ct::FilterAnwenden(ct::Filterart::Gauss, ct, g, 20);
    ct::FilterAnwenden(ct::Filterart::Rechteck, ct, g, 20);
    ct::FilterAnwenden(ct::Filterart::Rechteck, ct, f, 20);
    QCOMPARE(g(7, 7).Wert, f(7, 7).Wert);
    // "No filter" changes nothing.
    QVERIFY(!ct::FilterAnwenden(ct::Filterart::Keiner, ct, f, 20));
    QCOMPARE(g(7, 7).Wert, f(7, 7).Wert);
}

void TestFilter::tabelle_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("weg");

    QTest::newRow("0") << 0 << int(ct::Rechenweg::Keiner);
    for (int code : {1, 2, 3, 71, 72})
        QTest::newRow(std::to_string(code).c_str()) << code << int(ct::Rechenweg::Linear);
    QTest::newRow("8") << 8 << int(ct::Rechenweg::Eigen);
    for (int code : {41, 42, 51, 52, 61, 62})
        QTest::newRow(std::to_string(code).c_str()) << code << int(ct::Rechenweg::Rang);
}

// The codes of the table: single digits and the kernel filters 71 and 72,
// the rank filters 10 x kind + mask, the ranks of median, erosion and
// dilation.
void TestFilter::tabelle()
{
    QFETCH(int, code);
    QFETCH(int, weg);

    const ct::Filterangabe& f = ct::Filterzu(ct::Filterart(code));
    QCOMPARE(int(f.Art), code);
    QCOMPARE(int(f.Weg), weg);
    if (f.Weg == ct::Rechenweg::Rang) {
        QCOMPARE(f.Maske, code % 10);
        const int art = code / 10;
        QCOMPARE(f.Rang, art == 5 ? 1 : art == 4 ? (f.Maske == 1 ? 5 : 3) : (f.Maske == 1 ? 9 : 5));
    }
    QCOMPARE(int(ct::Filtertabelle().size()), 13);
}

QTEST_APPLESS_MAIN(TestFilter)
#include "tst_filter.moc"

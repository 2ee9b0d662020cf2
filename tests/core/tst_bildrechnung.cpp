// The arithmetic of the computed pictures on small fields worked out by hand:
// the 3 x 3 filter with its edge replication and orientation, windowing and
// the film's response with their rounding, the ramp filter, back-projection
// with and without it, and the grain.

#include "core/Bildrechnung.h"

#include <QTest>

#include <cmath>
#include <numbers>

using bildrechnung::Feld;

namespace {

Feld feld(int breite, int hoehe, std::initializer_list<double> werte)
{
    Feld f(breite, hoehe);
    f.wert.assign(werte);
    return f;
}

// Compares a field with the expected numbers row by row, to a millionth.
bool gleich(const Feld& f, std::initializer_list<double> soll)
{
    if (f.wert.size() != soll.size())
        return false;
    auto s = soll.begin();
    for (double w : f.wert)
        if (std::fabs(w - *s++) > 1e-6)
            return false;
    return true;
}

const double Pi2 = std::numbers::pi * std::numbers::pi;

using Kern = std::array<double, 9>;

}  // namespace

class TestBildrechnung : public QObject
{
    Q_OBJECT

private slots:
    void falten_data()
    {
        QTest::addColumn<Kern>("kern");
        QTest::addColumn<double>("teiler");
        QTest::addColumn<QList<double>>("soll");
        // the field  1 2 3
        //            4 5 6
        // mean of the 3 x 3 neighbourhood, edge points used again: at the top
        // left corner 1+1+2, 1+1+2, 4+4+5 = 21
        QTest::newRow("Rechteck") << Kern{1, 1, 1, 1, 1, 1, 1, 1, 1} << 9.0
                                  << QList<double>{21 / 9., 27 / 9., 33 / 9., 30 / 9., 36 / 9., 42 / 9.};
        // the third weight reads the neighbour above right: the picture moves
        // one point to the left and one down
        QTest::newRow("oben rechts") << Kern{0, 0, 1, 0, 0, 0, 0, 0, 0} << 1.0
                                     << QList<double>{2, 3, 3, 2, 3, 3};
        // Laplace: the sum of the four side neighbours less four times the point
        QTest::newRow("Laplace") << Kern{0, 1, 0, 1, -4, 1, 0, 1, 0} << 1.0
                                 << QList<double>{4, 3, 2, -2, -3, -4};
    }

    void falten()
    {
        QFETCH(Kern, kern);
        QFETCH(double, teiler);
        QFETCH(QList<double>, soll);
        const Feld f = bildrechnung::falten(feld(3, 2, {1, 2, 3, 4, 5, 6}), kern, teiler);
        QCOMPARE(f.breite, 3);
        QCOMPARE(f.hoehe, 2);
        for (int i = 0; i < 6; ++i)
            QVERIFY2(std::fabs(f.wert[std::size_t(i)] - soll[i]) < 1e-12, qPrintable(QString::number(i)));
    }

    void fenstern()
    {
        const Feld f = feld(5, 1, {-3, 0, 5, 10, 20});
        // half way lies at 127.5, which rounds to the even 128
        QCOMPARE(bildrechnung::fenstern(f, 0, 10).grau, (std::vector<std::uint8_t>{0, 0, 128, 255, 255}));
        // reversed: large values dark
        QCOMPARE(bildrechnung::fenstern(f, 10, 0).grau, (std::vector<std::uint8_t>{255, 255, 128, 0, 0}));
    }

    void film()
    {
        // 255 * (d / 0.66)^1.35: half the white attenuation gives 100.03
        const Feld d = feld(5, 1, {-0.1, 0, 0.33, 0.66, 1.0});
        QCOMPARE(bildrechnung::film(d, 0.66, 1.35).grau, (std::vector<std::uint8_t>{0, 0, 100, 255, 255}));
    }

    void rampenkern()
    {
        const std::vector<double> k = bildrechnung::rampenkern(3);
        const std::vector<double> soll{-1 / (9 * Pi2), 0, -1 / Pi2, 0.25, -1 / Pi2, 0, -1 / (9 * Pi2)};
        QCOMPARE(k.size(), soll.size());
        for (std::size_t i = 0; i < k.size(); ++i)
            QVERIFY(std::fabs(k[i] - soll[i]) < 1e-15);
    }

    void rueckprojektion()
    {
        // Two points side by side in the middle row of a 3 x 3 grid, seen
        // from 0 and from 90 degrees over 3 rays. At 0 degrees the rays are
        // the columns: profile (0, 1, 1), spread back over every row. At 90
        // degrees they are the rows: profile (0, 2, 0), spread back over
        // every column.
        const Feld muster = feld(3, 3, {0, 0, 0, 0, 1, 1, 0, 0, 0});
        QVERIFY(gleich(bildrechnung::rueckprojektion(muster, 2, 3, false), {0, 1, 1, 2, 3, 3, 0, 1, 1}));
        // With the ramp filter the profiles become
        //   A = (-1/pi^2, 1/4 - 1/pi^2, 1/4 - 1/pi^2)  and  B = (-2/pi^2, 1/2, -2/pi^2),
        // and point (x, y) receives A[x] + B[y].
        const double a0 = -1 / Pi2, a1 = 0.25 - 1 / Pi2, b0 = -2 / Pi2, b1 = 0.5;
        QVERIFY(gleich(bildrechnung::rueckprojektion(muster, 2, 3, true),
                       {a0 + b0, a1 + b0, a1 + b0, a0 + b1, a1 + b1, a1 + b1, a0 + b0, a1 + b0, a1 + b0}));
    }

    void korn()
    {
        // The hash of (x, y): (x * 73856093 xor y * 19349663), mixed, its
        // low 16 bits spread over [-1, 1].
        QCOMPARE(phantom::korn(0, 0), -1.0);
        QCOMPARE(phantom::korn(1, 0), 45147 / 32767.5 - 1.0);
        QCOMPARE(phantom::korn(0, 1), 25405 / 32767.5 - 1.0);
        QCOMPARE(phantom::korn(3, 7), 41763 / 32767.5 - 1.0);
        QCOMPARE(phantom::korn(-1, 2), 11360 / 32767.5 - 1.0);
    }

    void filterbeispielAufWeiss()
    {
        // three views of (300 - 16) / 3 = 94 points, 8 apart, the rest white
        const phantom::Graubild b = bildrechnung::filterbeispiel(300, 60);
        QCOMPARE(b.breite, 300);
        QCOMPARE(b.hoehe, 60);
        for (int y = 0; y < 60; ++y)
            for (int x : {94, 101, 196, 203, 298, 299})
                QCOMPARE(int(b(x, y)), 255);
        // the measured head's background is black
        QCOMPARE(int(b(0, 0)) < 40, true);
    }
};

QTEST_APPLESS_MAIN(TestBildrechnung)
#include "tst_bildrechnung.moc"

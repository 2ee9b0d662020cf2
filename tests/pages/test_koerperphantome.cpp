#include "core/Koerperphantome.h"

#include <QtTest>

using namespace phantom;

class TestKoerperphantome : public QObject
{
    Q_OBJECT

private slots:
    // The coarse matrix averages the points inside each element, as a wide detector does.
    void grobschnittMittelt()
    {
        Phantom p;
        p.umgebung = 0.0;
        // a column that fills exactly the left half of the field
        p.teile.push_back({-0.5, 0.0, 0.0, 0.5, 10.0, 10.0, 0, 1000.0});
        const std::vector<double> hu = grobschnitt(p, 3, 1, 0.0, 1.0, 1.0, 6);
        QCOMPARE(hu.size(), std::size_t(3));
        QCOMPARE(hu[0], 1000.0);
        QCOMPARE(hu[1], 500.0);  // half of its points lie left of x = 0
        QCOMPARE(hu[2], 0.0);
        QVERIFY(grobschnitt(p, 0, 4, 0.0, 1.0, 1.0, 2).empty());
    }

    // Every matrix element becomes a block of equal pixels, windowed like the rest of the program.
    void mosaikBloecke()
    {
        const std::vector<double> hu = {-1000.0, 0.0, 35.0, 1000.0};
        const Graubild g = mosaik(hu, 2, 2, 6, 4, 35.0, 400.0, 0.0);
        QCOMPARE(g(0, 0), std::uint8_t(0));
        QCOMPARE(g(2, 1), std::uint8_t(0));
        QCOMPARE(g(3, 0), fenstergrau(0.0, 35.0, 400.0));
        QCOMPARE(g(5, 1), fenstergrau(0.0, 35.0, 400.0));
        QCOMPARE(g(0, 2), std::uint8_t(128));
        QCOMPARE(g(5, 3), std::uint8_t(255));
        // too few values: a black picture of the asked size, no reading past the end
        const Graubild leer = mosaik(hu, 3, 3, 5, 5, 0.0, 100.0, 0.0);
        QCOMPARE(leer.grau.size(), std::size_t(25));
    }

    // The two windows of the lung pictures show the tissues as windowing predicts.
    void lungenfenster_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("lungenMin");
        QTest::addColumn<int>("lungenMax");
        QTest::addColumn<int>("weichMin");
        QTest::addColumn<int>("weichMax");
        QTest::newRow("lung") << -0.59 << 0.09 << 40 << 130 << 0 << 0;
        QTest::newRow("fat under the skin") << 0.0 << 0.58 << 255 << 255 << 1 << 80;
        QTest::newRow("heart") << 0.12 << 0.15 << 255 << 255 << 100 << 170;
        QTest::newRow("vertebral cortex") << 0.0 << -0.28 << 255 << 255 << 255 << 255;
        QTest::newRow("air outside") << 0.0 << 0.9 << 0 << 45 << 0 << 0;
    }
    void lungenfenster()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(int, lungenMin);
        QFETCH(int, lungenMax);
        QFETCH(int, weichMin);
        QFETCH(int, weichMax);
        const double hu = wert(brustkorb(), x, y, BrustkorbSchnitthoehe);
        const int l = fenstergrau(hu, LungenfensterZentrum, LungenfensterBreite);
        const int w = fenstergrau(hu, WeichteilfensterZentrum, WeichteilfensterBreite);
        QVERIFY2(l >= lungenMin && l <= lungenMax, qPrintable(QStringLiteral("%1 HU: %2").arg(hu).arg(l)));
        QVERIFY2(w >= weichMin && w <= weichMax, qPrintable(QStringLiteral("%1 HU: %2").arg(hu).arg(w)));
    }

    // In the hand X-ray bone is lighter than the soft tissue, and the soft tissue lighter than the air.
    void handRoentgen()
    {
        const Graubild g = draufsicht(hand(), 100, 120, 1.0, 1.2, 4.5);
        const auto grau = [&g](double x, double y) {
            return int(g(int((x / 1.0 + 1.0) / 2.0 * 100), int((1.0 - y / 1.2) / 2.0 * 120)));
        };
        const int luft = grau(-0.9, 1.0);
        const int weich = grau(-0.35, -0.3);  // the palm beside the little finger's metacarpal
        const int knochen = grau(0.02, -0.2);  // the middle finger's metacarpal
        QVERIFY2(luft < weich && weich < knochen,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(luft).arg(weich).arg(knochen)));
    }
};

QTEST_APPLESS_MAIN(TestKoerperphantome)
#include "test_koerperphantome.moc"

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

    // The top view: the line through every part, the last part owning what it reaches.
    void vonOben_data()
    {
        QTest::addColumn<QList<double>>("teile");  // x, y, a, b, c, winkel, hu for each part
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("soll");
        const QList<double> kugel = {0, 0, 1, 1, 1, 0, 0};
        QTest::newRow("middle of a sphere") << kugel << 0.0 << 0.0 << 2.0;
        QTest::newRow("off the middle") << kugel << 0.6 << 0.0 << 1.6;
        QTest::newRow("outside") << kugel << 1.2 << 0.0 << 0.0;
        QTest::newRow("denser core on top") << (kugel + QList<double>{0, 0, 0.5, 0.5, 0.5, 0, 1000}) << 0.0 << 0.0
                                            << 3.0;
        QTest::newRow("core covered by a later sphere")
            << (QList<double>{0, 0, 0.5, 0.5, 0.5, 0, 1000} + kugel) << 0.0 << 0.0 << 2.0;
        QTest::newRow("turned a quarter") << QList<double>{0, 0, 1, 0.2, 1, 90, 0} << 0.0 << 0.6 << 1.6;
        QTest::newRow("turned, beside it") << QList<double>{0, 0, 1, 0.2, 1, 90, 0} << 0.6 << 0.0 << 0.0;
        QTest::newRow("air counts as nothing") << QList<double>{0, 0, 1, 1, 1, 0, -1000} << 0.0 << 0.0 << 0.0;
    }
    void vonOben()
    {
        QFETCH(QList<double>, teile);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, soll);
        Phantom p;
        for (qsizetype i = 0; i + 6 < teile.size(); i += 7)
            p.teile.push_back({teile[i], teile[i + 1], 0.0, teile[i + 2], teile[i + 3], teile[i + 4], teile[i + 5],
                               teile[i + 6]});
        // a single point of the picture at (x, y)
        const std::vector<double> d = phantom::vonOben(p, 1, 1, x, y, 0.0, 0.0);
        QCOMPARE(d.size(), std::size_t(1));
        QVERIFY2(std::fabs(d[0] - soll) < 1e-9, qPrintable(QString::number(d[0])));
    }
    void vonObenLeer()
    {
        QVERIFY(phantom::vonOben(hand(), 0, 5, 0, 0, 1, 1).empty());
    }

    // In the hand X-ray bone stands out from the soft tissue, and the soft tissue from the air.
    void handRoentgen()
    {
        const auto daempfung = [](double x, double y) { return phantom::vonOben(hand(), 1, 1, x, y, 0, 0)[0]; };
        const double luft = daempfung(-0.8, 0.8);
        const double handflaeche = daempfung(0.0, -0.2);     // between two metacarpals
        const double mittelhand = daempfung(0.061, -0.2);    // the middle finger's metacarpal
        const double finger = daempfung(0.12, 0.45);         // the middle finger's soft tissue beside its bone
        const double fingerknochen = daempfung(0.079, 0.45); // its middle phalanx
        QCOMPARE(luft, 0.0);
        QVERIFY2(handflaeche > 0.15 && mittelhand > 1.2 * handflaeche,
                 qPrintable(QStringLiteral("%1 %2").arg(handflaeche).arg(mittelhand)));
        QVERIFY2(finger > 0.05 && fingerknochen > 1.5 * finger,
                 qPrintable(QStringLiteral("%1 %2").arg(finger).arg(fingerknochen)));
    }
};

QTEST_APPLESS_MAIN(TestKoerperphantome)
#include "test_koerperphantome.moc"

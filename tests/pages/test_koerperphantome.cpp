#include "core/Koerperphantome.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

Q_DECLARE_METATYPE(phantom::Ellipsoid)

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

    // A part tilted in the y-z plane, then turned about z, and cut off by a
    // floor and a top: points are inside where the turned, cut ellipsoid holds them.
    void geneigtUndBeschnitten_data()
    {
        QTest::addColumn<Ellipsoid>("teil");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("z");
        QTest::addColumn<bool>("innen");
        Ellipsoid stab{0, 0, 0, 0.1, 1.0, 0.1, 0, 100};  // long along y
        QTest::newRow("along y, its end") << stab << 0.0 << 0.9 << 0.0 << true;
        QTest::newRow("along y, above it") << stab << 0.0 << 0.0 << 0.5 << false;
        Ellipsoid steil = stab;
        steil.neigung = 90;
        QTest::newRow("tilted upright, its top") << steil << 0.0 << 0.0 << 0.9 << true;
        QTest::newRow("tilted upright, in front") << steil << 0.0 << 0.9 << 0.0 << false;
        Ellipsoid schraeg = stab;
        schraeg.neigung = 45;
        QTest::newRow("tilted 45, front end up") << schraeg << 0.0 << 0.6 << 0.6 << true;
        QTest::newRow("tilted 45, not down") << schraeg << 0.0 << 0.6 << -0.6 << false;
        Ellipsoid gedreht = schraeg;
        gedreht.winkel = 90;  // the front end turned to the body's right, -x
        QTest::newRow("tilted, then turned") << gedreht << -0.6 << 0.0 << 0.6 << true;
        QTest::newRow("tilted, then turned, not +x") << gedreht << 0.6 << 0.0 << 0.6 << false;
        Ellipsoid kugel{0, 0, 0, 1, 1, 1, 0, 100};
        kugel.bodenZ = 0.0;
        QTest::newRow("floor, above") << kugel << 0.0 << 0.0 << 0.5 << true;
        QTest::newRow("floor, below") << kugel << 0.0 << 0.0 << -0.5 << false;
        kugel.bodenSteigung = 1.0;  // z >= y
        QTest::newRow("sloping floor, in front") << kugel << 0.0 << 0.5 << 0.4 << false;
        QTest::newRow("sloping floor, behind") << kugel << 0.0 << -0.5 << -0.4 << true;
        Ellipsoid gedeckt{0, 0, 0, 1, 1, 1, 0, 100};
        gedeckt.deckeZ = 0.2;
        QTest::newRow("top, over it") << gedeckt << 0.0 << 0.0 << 0.3 << false;
        QTest::newRow("top, under it") << gedeckt << 0.0 << 0.0 << 0.1 << true;
    }
    void geneigtUndBeschnitten()
    {
        QFETCH(Ellipsoid, teil);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, z);
        QFETCH(bool, innen);
        Phantom p;
        p.umgebung = 0.0;
        p.teile.push_back(teil);
        const double soll = innen ? 100.0 : 0.0;
        QCOMPARE(wert(p, x, y, z), soll);
        // the plane, tile by tile, says the same, inside its rectangle and outside it
        QCOMPARE(Schnittebene(p, z, -1.0, 1.0, -1.0, 1.0).wert(x, y), soll);
        QCOMPARE(Schnittebene(p, z, 2.0, 3.0, 2.0, 3.0).wert(x, y), soll);
    }

    // The head's cross-section, tile by tile, is point for point the head itself.
    void schnittebeneWieWert()
    {
        const Phantom& k = kopf();
        const Schnittebene ebene(k, KopfSchnitthoehe, -0.7, 0.7, -0.85, 0.85);
        for (int i = 0; i <= 60; ++i)
            for (int j = 0; j <= 60; ++j) {
                const double x = -0.9 + 1.8 * i / 60.0 + 0.0013 * j, y = -1.0 + 2.0 * j / 60.0;
                QCOMPARE(ebene.wert(x, y), wert(k, x, y, KopfSchnitthoehe));
            }
    }

    // The side X-ray follows a cut: a ball cut off below its middle leaves the film black there.
    void seitenaufnahmeBeschnitten()
    {
        Phantom p;
        p.teile.push_back({0, 0, 0, 0.5, 0.5, 0.5, 0, 1000});
        const Graubild ganz = seitenaufnahme(p, 20, 20, 1.0, 1.0);
        p.teile[0].bodenZ = 0.0;
        const Graubild halb = seitenaufnahme(p, 20, 20, 1.0, 1.0);
        // row 6 lies at z = 0.35, row 13 at z = -0.35; column 10 at y = 0.05
        QVERIFY(ganz(10, 6) > 0 && ganz(10, 13) > 0);
        QCOMPARE(halb(10, 6), ganz(10, 6));
        QCOMPARE(halb(10, 13), std::uint8_t(0));
    }

    // The head's tissues keep their CT numbers, and the butterfly of the
    // lateral ventricles lies in them.
    void kopfGewebe_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("hu");
        QTest::newRow("white matter beside the ventricles") << 0.26 << 0.05 << WeisseSubstanz;
        QTest::newRow("white matter behind them") << 0.06 << -0.40 << WeisseSubstanz;
        QTest::newRow("head of the caudate nucleus") << -0.13 << 0.13 << GraueSubstanz;
        QTest::newRow("frontal horn") << 0.07 << 0.15 << Ventrikel;
        QTest::newRow("body beside the septum") << -0.045 << 0.0 << Ventrikel;
        QTest::newRow("septum") << 0.0 << 0.0 << WeisseSubstanz;
        QTest::newRow("atrium") << 0.13 << -0.29 << Ventrikel;
    }
    void kopfGewebe()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, hu);
        QCOMPARE(wert(kopf(), x, y, KopfSchnitthoehe), hu);
    }

    // The cortex is a thin band, folded: from the surface inwards the gray
    // matter mostly ends within a few millimetres, but along the sulci it
    // reaches deep into the white matter; and the ventricles are widest at
    // their horns, front and back, and narrow in the middle.
    void kopfRindeUndVentrikel()
    {
        const Phantom& k = kopf();
        const Schnittebene ebene(k, KopfSchnitthoehe, -0.7, 0.7, -0.85, 0.85);
        std::vector<double> tiefen;
        constexpr double Pi = 3.14159265358979323846;
        for (int i = 0; i < 360; ++i) {
            const double w = i * Pi / 180.0, cx = std::cos(w), cy = std::sin(w);
            // from the skull inwards to the first gray matter, then to the first white matter
            double r = 0.70, grau = -1.0;
            for (; r > 0.2; r -= 0.001) {
                const double v = ebene.wert(r * cx, -0.02 + 1.2 * r * cy);
                if (grau < 0.0 && v == GraueSubstanz)
                    grau = r;
                if (grau >= 0.0 && v == WeisseSubstanz)
                    break;
            }
            QVERIFY(grau > 0.0);
            tiefen.push_back(grau - r);
        }
        std::sort(tiefen.begin(), tiefen.end());
        // between the sulci a ribbon of two or three millimetres, far thinner
        // than a quarter of the brain's radius
        const double duenn = tiefen[tiefen.size() / 10], median = tiefen[tiefen.size() / 2];
        QVERIFY2(duenn > 0.01 && duenn < 0.03, qPrintable(QString::number(duenn)));
        QVERIFY2(median < 0.07, qPrintable(QString::number(median)));
        const auto tief = std::count_if(tiefen.begin(), tiefen.end(), [](double d) { return d > 0.07; });
        QVERIFY2(tief > 25, qPrintable(QString::number(tief)));  // the sulci's linings

        const auto breite = [&](double y) {
            double rechts = 0.0;
            for (double x = 0.0; x < 0.4; x += 0.001)
                if (ebene.wert(x, y) == Ventrikel)
                    rechts = x;
            return rechts;
        };
        QVERIFY(breite(0.22) > breite(0.0) + 0.04);
        QVERIFY(breite(-0.30) > breite(0.0) + 0.06);
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

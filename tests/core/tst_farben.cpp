// Rounding, the beam and reading colours, the default colouring and the
// gray-scale window.

#include "core/Arithmetik.h"
#include "core/Farben.h"

#include <QTest>

#include <cmath>

class TestFarben : public QObject
{
    Q_OBJECT

private slots:
    void runden_data();
    void runden();
    void strahlfarben_data();
    void strahlfarben();
    void faerben();
    void graucode_data();
    void graucode();
    void graucodeBild();
};

void TestFarben::runden_data()
{
    QTest::addColumn<long double>("wert");
    QTest::addColumn<long long>("gerundet");
    QTest::addColumn<long long>("geschnitten");

    const long double klein = std::ldexp(1.0L, -55);   // below a double's resolution at 126
    QTest::newRow("127.5") << 127.5L << 128LL << 127LL;
    QTest::newRow("126.5") << 126.5L << 126LL << 126LL;
    QTest::newRow("-0.5") << -0.5L << 0LL << 0LL;
    QTest::newRow("-2.5") << -2.5L << -2LL << -2LL;
    QTest::newRow("-2.9") << -2.9L << -3LL << -2LL;
    QTest::newRow("126.5 + tiny") << 126.5L + klein << 127LL << 126LL;
    QTest::newRow("127 - tiny") << 127.0L - klein << 127LL << 126LL;
    QTest::newRow("-127 + tiny") << -127.0L + klein << -127LL << -126LL;
    QTest::newRow("2^51 + 0.5") << std::ldexp(1.0L, 51) + 0.5L << (1LL << 51) << (1LL << 51);
}

// Round half to even and Trunc toward zero, also for values whose nearest
// double is the half or the whole number.
void TestFarben::runden()
{
    QFETCH(long double, wert);
    QFETCH(long long, gerundet);
    QFETCH(long long, geschnitten);
    QCOMPARE(ct::Runden(wert), gerundet);
    QCOMPARE(ct::Abschneiden(wert), geschnitten);
}

void TestFarben::strahlfarben_data()
{
    QTest::addColumn<int>("anzahl");
    QTest::addColumn<int>("strahl");   // green and blue of the beam, -1: red
    QTest::addColumn<int>("anzeige");  // gray of the reading

    QTest::newRow("none") << 0 << -1 << 255;
    QTest::newRow("1") << 1 << 128 << 250;
    QTest::newRow("2") << 2 << 191 << 245;
    QTest::newRow("3") << 3 << 223 << 240;
    QTest::newRow("8") << 8 << 254 << 215;
    QTest::newRow("9") << 9 << 255 << 210;
    QTest::newRow("51") << 51 << 255 << 0;
    QTest::newRow("52") << 52 << 255 << 0;
    QTest::newRow("112") << 112 << 255 << 0;
}

void TestFarben::strahlfarben()
{
    QFETCH(int, anzahl);
    QFETCH(int, strahl);
    QFETCH(int, anzeige);

    const ct::Farbe s = ct::Strahlfarbe(anzahl);
    if (strahl < 0)
        QCOMPARE(s, ct::Rot);
    else
        QCOMPARE(s, (ct::Farbe{255, std::uint8_t(strahl), std::uint8_t(strahl)}));
    QCOMPARE(ct::Anzeigefarbe(anzahl), ct::Farbe::Grau(anzeige));
    QCOMPARE(ct::Farbe::Grau(anzeige).Rgb(), std::uint32_t(anzeige * 0x010101));
}

// The default colouring takes the picture's own bounds: the smallest value
// white, the largest never black.
void TestFarben::faerben()
{
    ct::Bildfeld bild;
    for (int x = 1; x <= 4; ++x)
        for (int y = 1; y <= 4; ++y)
            bild(x, y).Wert = 100.0f;
    bild(2, 3).Wert = 110.0f;
    bild(4, 4).Wert = 105.5f;
    bild(5, 5).Wert = 1000.0f;   // outside the 4 x 4 grid: ignored

    QCOMPARE(ct::Maximum(bild, 4), 110.0f);
    QCOMPARE(ct::Minimum(bild, 4), 100.0f);
    const ct::Graufeld g = ct::Faerben(bild, 4);
    QCOMPARE(int(g(1, 1)), 255);
    QCOMPARE(int(g(2, 3)), 23);                            // 255 - Round(2550 / 11)
    QCOMPARE(int(g(4, 4)), 255 - 128);                     // 5.5 * 255 / 11 = 127.5 -> 128
    QCOMPARE(int(g(5, 5)), 255);
    QCOMPARE(ct::FaerbenGrau(110.0f, 100.0f, 110.0f), 23);

    // 1 * 255 / 2 = 127.5 rounds to 128; 3 * 255 / 6 = 127.5 as well.
    QCOMPARE(ct::FaerbenGrau(1.0f, 0.0f, 1.0f), 127);
    QCOMPARE(ct::FaerbenGrau(-2.0f, -5.0f, 0.0f), 127);

    // A uniform picture is white.
    ct::Bildfeld gleich;
    const ct::Graufeld w = ct::Faerben(gleich, 56);
    QCOMPARE(int(w(1, 1)), 255);
    QCOMPARE(int(w(56, 56)), 255);
}

void TestFarben::graucode_data()
{
    QTest::addColumn<float>("min");
    QTest::addColumn<float>("max");
    QTest::addColumn<int>("P");
    QTest::addColumn<float>("wert");
    QTest::addColumn<int>("grau");

    QTest::newRow("P 0: the minimum is white") << 10.0f << 265.0f << 0 << 10.0f << 255;
    QTest::newRow("P 0: the maximum is black") << 10.0f << 265.0f << 0 << 265.0f << 0;
    QTest::newRow("P 0: 1 of 255") << 10.0f << 265.0f << 0 << 11.0f << 254;
    QTest::newRow("below the minimum") << 10.0f << 265.0f << 0 << -50.0f << 255;
    QTest::newRow("P 100: below T") << 10.0f << 265.0f << 100 << 109.9f << 255;
    QTest::newRow("P 100: at T") << 10.0f << 265.0f << 100 << 110.0f << 255;
    QTest::newRow("P 100: maximum") << 10.0f << 265.0f << 100 << 265.0f << 0;
    QTest::newRow("P 254: maximum") << 0.0f << 255.0f << 254 << 255.0f << 0;
    QTest::newRow("P 254: half way") << 0.0f << 255.0f << 254 << 254.5f << 127;   // 0.5 / 1 * 255 = 127.5 -> 128
    QTest::newRow("half to even") << 0.0f << 2.0f << 0 << 1.0f << 127;             // 127.5 -> 128
    QTest::newRow("uniform picture") << 7.0f << 7.0f << 0 << 7.0f << 255;
    QTest::newRow("uniform picture, P 254") << 7.0f << 7.0f << 254 << 7.0f << 255;
    QTest::newRow("maximum below minimum") << 100.0f << -5.0f << 0 << -5.0f << 255;
    QTest::newRow("maximum below minimum, P 200") << 100.0f << -5.0f << 200 << 0.0f << 255;
    QTest::newRow("above the maximum") << 0.0f << 10.0f << 0 << 30.0f << 0;
}

void TestFarben::graucode()
{
    QFETCH(float, min);
    QFETCH(float, max);
    QFETCH(int, P);
    QFETCH(float, wert);
    QFETCH(int, grau);

    const float T = ct::Graucodeschwelle(min, max, P);
    QCOMPARE(ct::GraucodeGrau(wert, T, max), grau);
}

// The threshold takes P / 255 first; the whole picture is mapped cell by
// cell, cells outside n x n stay white.
void TestFarben::graucodeBild()
{
    QCOMPARE(ct::Graucodeschwelle(0.0f, 1.0f, 3), static_cast<float>(3.0L * (1.0L / 255.0L)));
    ct::Bildfeld bild;
    for (int x = 1; x <= 20; ++x)
        for (int y = 1; y <= 20; ++y)
            bild(x, y).Wert = float(x + y);
    const ct::Graufeld g = ct::GraucodeAenderung(0, bild, 20, 2.0f, 40.0f);
    QCOMPARE(int(g(1, 1)), 255);
    QCOMPARE(int(g(20, 20)), 0);
    QCOMPARE(int(g(10, 11)), 255 - 128);   // 19 / 38 * 255 = 127.5
    QCOMPARE(int(g(21, 1)), 255);
}

QTEST_APPLESS_MAIN(TestFarben)
#include "tst_farben.moc"

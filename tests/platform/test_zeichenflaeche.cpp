// The drawing surface, pixel by pixel: every window draws through it.
#include "support/Testumgebung.h"

#include "platform/Feinzeichnung.h"
#include "platform/Zeichenflaeche.h"

#include <cmath>
#include <random>

namespace {
constexpr QRgb W = 0xFFFFFFFFu;
constexpr QRgb S = 0xFF000000u;
constexpr QRgb R = 0xFFFF0000u;
constexpr QRgb G = 0xFF808080u;
constexpr QRgb Weiss = W, Schwarz = S, Rot = R, Grau = G, Blau = 0xFF0000FFu, Tumor = 0xFF7E7E7Eu;

// The surface as rows of characters: '.' white, '#' black, 'r' red, 'g' gray, '?' other.
QStringList bild(const Zeichenflaeche& f)
{
    QStringList zeilen;
    for (int y = 0; y < f.hoehe(); ++y) {
        QString z;
        for (int x = 0; x < f.breite(); ++x) {
            const QRgb p = f.pixel(x, y);
            z += p == W ? '.' : p == S ? '#' : p == R ? 'r' : p == G ? 'g' : '?';
        }
        zeilen << z;
    }
    return zeilen;
}
}  // namespace

class TestZeichenflaeche : public QObject
{
    Q_OBJECT
private slots:
    void linienOhneEndpunkt_data()
    {
        QTest::addColumn<QPoint>("von");
        QTest::addColumn<QPoint>("bis");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("waagrecht") << QPoint(1, 1) << QPoint(5, 1)
                                   << QStringList{"......", ".####.", "......"};
        QTest::newRow("rueckwaerts") << QPoint(5, 1) << QPoint(1, 1)
                                     << QStringList{"......", "..####", "......"};
        QTest::newRow("senkrecht") << QPoint(2, 0) << QPoint(2, 3)
                                   << QStringList{"..#...", "..#...", "..#...", "......"};
        QTest::newRow("diagonal") << QPoint(0, 0) << QPoint(3, 3)
                                  << QStringList{"#.....", ".#....", "..#...", "......"};
        QTest::newRow("punkt") << QPoint(2, 1) << QPoint(2, 1) << QStringList{"......", "......", "......"};
    }

    void linienOhneEndpunkt()
    {
        QFETCH(QPoint, von);
        QFETCH(QPoint, bis);
        QFETCH(QStringList, erwartet);
        Zeichenflaeche f(6, erwartet.size());
        f.moveTo(von.x(), von.y());
        f.lineTo(bis.x(), bis.y());
        QCOMPARE(bild(f), erwartet);
        QCOMPARE(f.position(), bis);
    }

    void polylinieLaesstLetztenPunktAus()
    {
        Zeichenflaeche f(5, 4);
        f.polyline({{0, 0}, {4, 0}, {4, 3}});
        QCOMPARE(bild(f), (QStringList{"#####", "....#", "....#", "....."}));
        // a closed outline: every corner is drawn by the segment that starts there
        Zeichenflaeche g(5, 4);
        g.polyline({{0, 0}, {4, 0}, {4, 3}, {0, 3}, {0, 0}});
        QCOMPARE(bild(g), (QStringList{"#####", "#...#", "#...#", "#####"}));
    }

    void rechteckeRechtsUntenExklusiv()
    {
        Zeichenflaeche f(6, 5);
        f.setzePinsel(R);
        f.fillRect(1, 1, 4, 3);
        QCOMPARE(bild(f), (QStringList{"......", ".rrr..", ".rrr..", "......", "......"}));
        Zeichenflaeche g(6, 5);
        g.setzePinsel(G);
        g.rectangle(0, 0, 5, 4);
        QCOMPARE(bild(g), (QStringList{"#####.", "#ggg#.", "#ggg#.", "#####.", "......"}));
        // swapped corners mean the same rectangle; pixels outside are clipped
        Zeichenflaeche h(3, 3);
        h.setzePinsel(R);
        h.fillRect(5, 5, 1, 1);
        QCOMPARE(bild(h), (QStringList{"...", ".rr", ".rr"}));
    }

    void polygonMitUmriss()
    {
        // the gray bar of the course: a band from (1, y) to (35, y + 7) in one colour
        Zeichenflaeche f(38, 12);
        f.setzeStift(G);
        f.setzePinsel(G);
        f.polygon({{1, 2}, {35, 2}, {35, 9}, {1, 9}});
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 38; ++x) {
                const bool innen = x >= 1 && x <= 35 && y >= 2 && y <= 9;
                QCOMPARE(f.pixel(x, y), innen ? G : W);
            }
        // a different pen outlines a brush-filled interior
        Zeichenflaeche g(5, 5);
        g.setzePinsel(R);
        g.polygon({{0, 0}, {4, 0}, {4, 4}, {0, 4}});
        QCOMPARE(bild(g), (QStringList{"#####", "#rrr#", "#rrr#", "#rrr#", "#####"}));
    }

    void fuellenBisGrenzeUndFlaeche()
    {
        Zeichenflaeche f(7, 5);
        f.rectangle(1, 0, 6, 5);  // black box with white inside
        f.setzePinsel(R);
        f.floodFill(3, 2, S, Zeichenflaeche::Fuellart::Rand);
        QCOMPARE(bild(f), (QStringList{".#####.", ".#rrr#.", ".#rrr#.", ".#rrr#.", ".#####."}));
        // the same area again, by its colour
        f.setzePinsel(G);
        f.floodFill(2, 1, R, Zeichenflaeche::Fuellart::Flaeche);
        QCOMPARE(bild(f), (QStringList{".#####.", ".#ggg#.", ".#ggg#.", ".#ggg#.", ".#####."}));
        // filling a colour with itself changes nothing; outside the surface nothing happens
        f.floodFill(2, 1, G, Zeichenflaeche::Fuellart::Flaeche);
        f.floodFill(-1, 9, W, Zeichenflaeche::Fuellart::Flaeche);
        QCOMPARE(bild(f), (QStringList{".#####.", ".#ggg#.", ".#ggg#.", ".#ggg#.", ".#####."}));
    }

    void fuellenUmEckenHerum()
    {
        // a U-shaped area is filled completely from one arm
        Zeichenflaeche f(5, 4);
        f.setzePinsel(S);
        f.fillRect(1, 0, 4, 3);
        f.setzePinsel(W);
        f.fillRect(2, 0, 3, 2);
        // white: column 0, column 4, row 3, and (2,0),(2,1)
        f.setzePinsel(R);
        f.floodFill(0, 0, W, Zeichenflaeche::Fuellart::Flaeche);
        QCOMPARE(bild(f), (QStringList{"r#.#r", "r#.#r", "r###r", "rrrrr"}));
    }

    void undKopie()
    {
        Zeichenflaeche ziel(4, 2);
        ziel.setzePinsel(R);
        ziel.fillRect(0, 0, 2, 2);
        Zeichenflaeche quelle(4, 2);
        quelle.setPixel(0, 0, G);
        quelle.setPixel(2, 0, S);
        quelle.setPixel(3, 1, 0x00FF00);
        ziel.copyRectAnd(QRect(0, 0, 4, 2), quelle, QRect(0, 0, 4, 2));
        // white leaves the target, red AND gray gives (128, 0, 0)
        QCOMPARE(ziel.pixel(0, 0), qRgb(0x80, 0, 0));
        QCOMPARE(ziel.pixel(1, 0), R);
        QCOMPARE(ziel.pixel(2, 0), S);
        QCOMPARE(ziel.pixel(3, 1), qRgb(0, 0xFF, 0));
        QCOMPARE(ziel.pixel(2, 1), W);
        // a plain copy replaces, and copies clip at the borders
        Zeichenflaeche z2(3, 3);
        z2.copyRect(QRect(1, 1, 4, 2), ziel, QRect(0, 0, 4, 2));
        QCOMPARE(z2.pixel(1, 1), qRgb(0x80, 0, 0));
        QCOMPARE(z2.pixel(2, 2), R);
        QCOMPARE(z2.pixel(0, 0), W);
    }

    void ellipseImKasten()
    {
        Zeichenflaeche f(12, 10);
        f.setzePinsel(G);
        f.ellipse(1, 2, 11, 9);
        // the outline touches the box's edges, right and bottom exclusive
        int links = 99, rechts = -1, oben = 99, unten = -1;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 12; ++x)
                if (f.pixel(x, y) != W) {
                    links = std::min(links, x);
                    rechts = std::max(rechts, x);
                    oben = std::min(oben, y);
                    unten = std::max(unten, y);
                }
        QCOMPARE(links, 1);
        QCOMPARE(rechts, 10);
        QCOMPARE(oben, 2);
        QCOMPARE(unten, 8);
        QCOMPARE(f.pixel(6, 5), G);
        QCOMPARE(f.pixel(1, 2), W);  // corners of the box stay free
    }

    void sehneObereHaelfte()
    {
        // the angle gauge: the upper half of an ellipse cut by its horizontal chord
        Zeichenflaeche f(100, 50);
        f.setzeStift(0x000080);
        f.setzePinsel(0x000080);
        f.chord(0, 0, 100, 100, 100, 49, 0, 49);
        QCOMPARE(f.pixel(50, 10), qRgb(0, 0, 0x80));
        QCOMPARE(f.pixel(50, 45), qRgb(0, 0, 0x80));
        QCOMPARE(f.pixel(2, 2), W);
        QCOMPARE(f.pixel(97, 2), W);
    }

    void weissFuellenNachJederZeichnung_data()
    {
        QTest::addColumn<int>("art");
        for (int i = 0; i < 9; ++i)
            QTest::newRow(qPrintable(QString::number(i))) << i;
    }

    // A white fill of the whole surface leaves it all white, whatever was
    // drawn before it (the surface only clears what was drawn on).
    void weissFuellenNachJederZeichnung()
    {
        QFETCH(int, art);
        Zeichenflaeche f(40, 30);
        Zeichenflaeche quelle(10, 10, S);
        for (int runde = 0; runde < 2; ++runde) {
            f.setzeStift(S);
            f.setzePinsel(R);
            f.setzeStiftbreite(runde + 1);
            switch (art) {
            case 0: f.moveTo(3, 28); f.lineTo(37, 2); break;
            case 1: f.fillRect(30, 20, 40, 30); break;
            case 2: f.rectangle(0, 0, 40, 30); break;
            case 3: f.polygon({{5, 5}, {35, 8}, {20, 25}}); break;
            case 4: f.ellipse(2, 2, 38, 28); break;
            case 5: f.chord(0, 0, 40, 60, 40, 29, 0, 29); break;
            case 6: f.floodFill(0, 0, W, Zeichenflaeche::Fuellart::Flaeche); break;
            case 7: f.copyRectAnd(QRect(35, 25, 10, 10), quelle, QRect(0, 0, 10, 10)); break;
            case 8: f.setPixel(39, 29, S); f.textOut(1, 1, "Wq"); break;
            }
            f.setzePinsel(W);
            f.fillRect(0, 0, 40, 30);
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 40; ++x)
                    QCOMPARE(f.pixel(x, y), W);
        }
        // a picture set from outside is cleared completely too
        f.setzeBild(QImage(40, 30, QImage::Format_RGB32));
        f.setzePinsel(W);
        f.fillRect(0, 0, 40, 30);
        QCOMPARE(f.pixel(17, 13), W);
    }

    // A white fill of any part clears exactly that part, whatever was drawn
    // before and wherever, and a whole copy gives the source's pixels: a
    // random sequence of drawings with white fills and copies in between,
    // each checked.
    void weisseTeilfuellungen()
    {
        std::mt19937 zufall(7);
        const auto z = [&](int n) { return int(zufall() % unsigned(n)); };
        Zeichenflaeche f(60, 45);
        Zeichenflaeche quelle(20, 20, S);
        Zeichenflaeche andere(60, 45);
        int fehler = 0, fuellungen = 0, kopien = 0;
        for (int schritt = 0; schritt < 600; ++schritt) {
            // Whole copies from a surface with its own drawings and fills.
            andere.setzeStift(S);
            andere.moveTo(z(60), z(45));
            andere.lineTo(z(60), z(45));
            if (z(4) == 0) {
                andere.setzePinsel(W);
                andere.fillRect(z(4) == 0 ? QRect(0, 0, 60, 45) : QRect(z(60), z(45), z(40), z(30)));
            }
            if (z(8) == 0) {
                f.copyRect(QRect(0, 0, 60, 45), andere, QRect(0, 0, 60, 45));
                ++kopien;
                for (int y = 0; y < 45; ++y)
                    for (int x = 0; x < 60; ++x)
                        fehler += f.pixel(x, y) != andere.pixel(x, y);
            }
            f.setzeStift(z(2) ? S : R);
            f.setzePinsel(G);
            f.setzeStiftbreite(1 + z(3));
            switch (z(6)) {
            case 0: f.moveTo(z(80) - 10, z(65) - 10); f.lineTo(z(80) - 10, z(65) - 10); break;
            case 1:
                f.polyline({{z(60), z(45)}, {z(60), z(45)}, {z(60), z(45)}, {z(60), z(45)}});
                break;
            case 2: f.fillRect(z(70) - 5, z(55) - 5, z(70) - 5, z(55) - 5); break;
            case 3: f.polygon({{z(60), z(45)}, {z(60), z(45)}, {z(60), z(45)}}); break;
            case 4: f.setPixel(z(62) - 1, z(47) - 1, S); break;
            case 5: f.copyRectAnd(QRect(z(70) - 10, z(55) - 10, 20, 20), quelle, QRect(0, 0, 20, 20)); break;
            }
            if (z(3) != 0)
                continue;
            const QImage vorher = f.bild().copy();
            const QRect r = z(4) == 0 ? QRect(0, 0, 60, 45) : QRect(z(70) - 5, z(55) - 5, z(70), z(55));
            f.setzePinsel(W);
            f.fillRect(r);
            ++fuellungen;
            for (int y = 0; y < 45; ++y)
                for (int x = 0; x < 60; ++x) {
                    const QRgb soll = r.contains(x, y) ? W : (vorher.pixel(x, y) | 0xFF000000u);
                    fehler += f.pixel(x, y) != soll;
                }
        }
        QVERIFY(fuellungen > 100 && kopien > 30);
        QCOMPARE(fehler, 0);
    }

    void groesseBehaeltInhalt()
    {
        Zeichenflaeche f(2, 2, S);
        f.setzeGroesse(3, 1);
        QCOMPARE(bild(f), QStringList{"##."});
        QCOMPARE(f.pixel(5, 5), W);  // outside reads white
    }

    // Drawing at the device's resolution (a scaled screen): the simulator's
    // grid of 38 cells with painted cells, a tumour circle, a flood fill and
    // a copy, recorded and drawn again at the factor.
    void feinzeichnung_data()
    {
        QTest::addColumn<double>("faktor");
        for (double f : {1.2, 1.40625, 1.8, 1600.0 / 768, 2.8125})
            QTest::newRow(qPrintable(QString::number(f))) << f;
    }

    void feinzeichnung()
    {
        QFETCH(double, faktor);
        constexpr int n = 38, c = 8, nc = n * c;
        const auto zeichnen = [](Zeichenflaeche& z) {
            z.setzePinsel(Weiss);
            z.fillRect(0, 0, z.breite(), z.hoehe());
            z.setzeStift(Schwarz);
            for (int i = 0; i <= n; ++i) {
                z.moveTo(i * c, 0);
                z.lineTo(i * c, nc + 1);
                z.moveTo(0, i * c);
                z.lineTo(nc + 1, i * c);
            }
            z.setzePinsel(Grau);
            for (int k = 3; k <= 12; ++k)  // a block of painted cells, as the learner paints them
                for (int j = 3; j <= 5; ++j)
                    z.fillRect((k - 1) * c + 1, (j - 1) * c + 1, k * c, j * c);
            z.setzePinsel(Tumor);
            z.setzeStift(Rot);
            z.ellipse(100, 100, 181, 181);
            z.setzeStift(Schwarz);
            z.setzePinsel(Blau);
            z.floodFill(nc - 4, nc - 4, Weiss, Zeichenflaeche::Fuellart::Flaeche);
            Zeichenflaeche quelle(40, 40);
            quelle.setzeStift(Rot);
            quelle.moveTo(0, 0);
            quelle.lineTo(39, 39);
            z.copyRectAnd(QRect(200, 20, 40, 40), quelle, QRect(0, 0, 40, 40));
        };
        Zeichenflaeche::setzeAufzeichnung(true, faktor);
        Zeichenflaeche fein(nc + 1, nc + 1);
        zeichnen(fein);
        Zeichenflaeche::setzeAufzeichnung(false);
        Zeichenflaeche ohne(nc + 1, nc + 1);
        zeichnen(ohne);
        // the pixels the program reads are those drawn without recording
        QCOMPARE(fein.bild(), ohne.bild());
        QVERIFY(!ohne.befehle());
        QVERIFY(fein.befehle());

        QImage g(Fein::kante(nc + 1, faktor), Fein::kante(nc + 1, faktor), QImage::Format_RGB32);
        g.fill(0xFFFFFFFFu);
        Fein::Feinmaler(g, nc + 1, nc + 1, faktor).zeichnen(*fein.befehle());
        const int w = Fein::strichbreite(1, faktor);
        QCOMPARE(w, faktor < 1.5 ? 1 : int(std::lround(faktor)));

        // Across a row of cells through the painted ones: every vertical
        // line is w device pixels wide, and the cells beside it reach it.
        for (int zeile : {1, 4, 30}) {
            const int y = Fein::kante((zeile - 1) * c + c / 2, faktor);
            std::vector<int> breiten;
            int lauf = 0;
            for (int x = 0; x < g.width(); ++x) {
                const QRgb p = g.pixel(x, y);
                if (p == Schwarz) {
                    ++lauf;
                    continue;
                }
                if (lauf)
                    breiten.push_back(lauf);
                lauf = 0;
                if (zeile == 4 && x > Fein::kante(2 * c + 2, faktor) && x < Fein::kante(12 * c - 1, faktor))
                    QVERIFY2(p == Grau, qPrintable(QStringLiteral("a gap beside a line at %1").arg(x)));
            }
            if (lauf)
                breiten.push_back(lauf);
            QCOMPARE(int(breiten.size()), n + 1);
            for (int b : breiten)
                QCOMPARE(b, w);
        }

        // The circle's edge: from row to row (where it is steep) and from
        // column to column (where it is flat) it moves by one device pixel at most.
        const int x0 = Fein::kante(100, faktor), x1 = Fein::kante(181, faktor);
        const double mitte = (x0 + x1) / 2.0, radius = (x1 - x0) / 2.0, band = radius * 0.65;
        const auto rand = [&](int i, bool zeilenweise) {
            for (int k = x0; k < x1; ++k) {
                const QRgb p = zeilenweise ? g.pixel(k, i) : g.pixel(i, k);
                if (p == Rot || p == Tumor)
                    return k;
            }
            return -1;
        };
        for (const bool zeilenweise : {true, false})
            for (int i = int(mitte - band); i < int(mitte + band); ++i)
                QVERIFY2(std::abs(rand(i + 1, zeilenweise) - rand(i, zeilenweise)) <= 1,
                         qPrintable(QStringLiteral("a step at %1").arg(i)));

        // The flood fill reaches the lines around its cell, at their band.
        const int y = Fein::kante(nc - 4, faktor);
        QCOMPARE(g.pixel(Fein::kante(nc, faktor) - 1, y), Blau);
        QCOMPARE(g.pixel(Fein::kante(nc - c + 1, faktor), y), Blau);
        // the copied line is there, ANDed onto the grid
        QCOMPARE(g.pixel(Fein::kante(220, faktor) + w / 2, Fein::kante(40, faktor) + w / 2), Rot & Schwarz);
    }
};

QUORVEL_GUI_TEST_MAIN(TestZeichenflaeche)
#include "test_zeichenflaeche.moc"

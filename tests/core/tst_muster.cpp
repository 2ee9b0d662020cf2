// The patterns of the pattern library, and reading a painted pattern back.

#include "core/Muster.h"
#include "core/Simulator.h"

#include <QTest>

#include <cstdint>
#include <set>
#include <utility>
#include <vector>

Q_DECLARE_METATYPE(ct::Muster)

namespace {

using Zellen = std::set<std::pair<int, int>>;

Zellen Malen(ct::Muster m, int raster, int* aufrufe = nullptr)
{
    Zellen z;
    int n = 0;
    ct::MusterMalen(m, raster, [&](int x, int y) {
        z.insert({x, y});
        ++n;
    });
    if (aufrufe)
        *aufrufe = n;
    return z;
}

// The pattern image as the simulator draws it: white, black grid lines at
// every multiple of c, and each pattern cell's inside filled gray.
class Vorlage
{
public:
    Vorlage(int n, int c) : c_(c), seite_(n * c + 1), pixel_(std::size_t(seite_ * seite_), 0xFFFFFFu)
    {
        for (int i = 0; i <= n; ++i)
            for (int j = 0; j < seite_; ++j) {
                Setzen(i * c, j, 0x000000u);
                Setzen(j, i * c, 0x000000u);
            }
    }
    void Zelle(int x, int y)
    {
        for (int px = (x - 1) * c_ + 1; px < x * c_; ++px)
            for (int py = (y - 1) * c_ + 1; py < y * c_; ++py)
                Setzen(px, py, 0x808080u);
    }
    std::uint32_t operator()(int x, int y) const { return pixel_[std::size_t(y * seite_ + x)]; }

private:
    void Setzen(int x, int y, std::uint32_t farbe) { pixel_[std::size_t(y * seite_ + x)] = farbe; }

    int c_, seite_;
    std::vector<std::uint32_t> pixel_;
};

}  // namespace

class TestMuster : public QObject
{
    Q_OBJECT

private slots:
    void muster_data();
    void muster();
    void fussreihe();
    void andereRaster();
    void einlesen_data();
    void einlesen();
};

void TestMuster::muster_data()
{
    QTest::addColumn<ct::Muster>("muster");
    QTest::addColumn<int>("raster");
    QTest::addColumn<int>("zellen");
    QTest::addColumn<bool>("senkrecht");    // mirror-symmetric about the vertical middle line
    QTest::addColumn<bool>("waagrecht");    // ... about the horizontal one

    QTest::newRow("heart 38") << ct::Muster::Herz << 38 << 172 << true << false;
    QTest::newRow("brain 38") << ct::Muster::Gehirn << 38 << 912 << true << true;
    QTest::newRow("spine 38") << ct::Muster::Wirbelsaeule << 38 << 213 << false << false;
    QTest::newRow("heart 56") << ct::Muster::Herz << 56 << 1734 << true << false;
    QTest::newRow("brain 56") << ct::Muster::Gehirn << 56 << 2030 << true << false;
    QTest::newRow("spine 56") << ct::Muster::Wirbelsaeule << 56 << 552 << false << false;
}

// Cell counts, no cell painted twice, all inside the grid, and the
// symmetries of the pictures.
void TestMuster::muster()
{
    QFETCH(ct::Muster, muster);
    QFETCH(int, raster);
    QFETCH(int, zellen);
    QFETCH(bool, senkrecht);
    QFETCH(bool, waagrecht);

    int aufrufe = 0;
    const Zellen z = Malen(muster, raster, &aufrufe);
    QCOMPARE(int(z.size()), zellen);
    QCOMPARE(aufrufe, zellen);
    for (auto [x, y] : z) {
        QVERIFY(x >= 1 && x <= raster);
        QVERIFY(y >= 1 && y <= raster);
    }
    bool spiegelS = true, spiegelW = true;
    for (auto [x, y] : z) {
        spiegelS = spiegelS && z.count({raster + 1 - x, y});
        spiegelW = spiegelW && z.count({x, raster + 1 - y});
    }
    QCOMPARE(spiegelS, senkrecht);
    QCOMPARE(spiegelW, waagrecht);
}

void TestMuster::fussreihe()
{
    const Zellen w38 = Malen(ct::Muster::Wirbelsaeule, 38);
    const Zellen w56 = Malen(ct::Muster::Wirbelsaeule, 56);
    for (int x = 1; x <= 38; ++x)
        QVERIFY(w38.count({x, 26}));
    for (int x = 1; x <= 56; ++x)
        QVERIFY(w56.count({x, 40}));
    // The heart's point: row 53 holds columns 28 and 29 only.
    const Zellen h56 = Malen(ct::Muster::Herz, 56);
    QVERIFY(h56.count({28, 53}) && h56.count({29, 53}));
    QVERIFY(!h56.count({27, 53}) && !h56.count({30, 53}) && !h56.count({28, 54}));
    QVERIFY(h56.count({7, 32}) && h56.count({50, 32}) && !h56.count({6, 32}));
}

void TestMuster::andereRaster()
{
    for (int raster : {4, 20, 57}) {
        int aufrufe = 0;
        auto zaehlen = [&](int, int) { ++aufrufe; };
        ct::HerzMalen(raster, zaehlen);
        ct::GehirnMalen(raster, zaehlen);
        ct::WirbelsaeuleMalen(raster, zaehlen);
        QCOMPARE(aufrufe, 0);
        QVERIFY(ct::Musterlaeufe(ct::Muster::Herz, raster).empty());
    }
}

void TestMuster::einlesen_data()
{
    QTest::addColumn<int>("raster");
    QTest::addColumn<int>("breite");
    QTest::addColumn<int>("weisszahl");

    QTest::newRow("heart 56 at 800") << 56 << 800 << 1402;
    QTest::newRow("heart 56 at 1024") << 56 << 1024 << 1402;
    QTest::newRow("heart 38 at 800") << 38 << 800 << 38 * 38 - 172;
    QTest::newRow("heart 38 at 1024") << 38 << 1024 << 38 * 38 - 172;
}

// The heart painted into the pattern image and read back at the start of a
// scan: exactly its cells are pattern cells.
void TestMuster::einlesen()
{
    QFETCH(int, raster);
    QFETCH(int, breite);
    QFETCH(int, weisszahl);

    ct::Simulator s;
    s.RasterEinrichten(raster, breite, 0, 0);
    Vorlage bild(raster, s.Kaestchengroesse);
    ct::HerzMalen(raster, [&](int x, int y) { bild.Zelle(x, y); });
    s.Einlesen([&](int x, int y) { return bild(x, y); });
    QCOMPARE(s.Weisszahl, weisszahl);
    const Zellen herz = Malen(ct::Muster::Herz, raster);
    for (int x = 1; x <= raster; ++x)
        for (int y = 1; y <= raster; ++y)
            QCOMPARE(s.CTBild(x, y).Belegt, bool(herz.count({x, y})));
}

QTEST_APPLESS_MAIN(TestMuster)
#include "tst_muster.moc"

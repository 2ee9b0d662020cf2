// The program on a screen of 1920 x 1080 device pixels, started as the
// program starts: the 1024 x 768 layout at a factor of 1.40625, centred.
// Clicks at device pixels paint the cell shown there, a scan gives the same
// CT picture as unscaled, pixel pictures keep hard edges, and the layout
// stands at its offset.
#include "support/Testumgebung.h"

#include "sim/Simhilfe.h"

#include "app/Ausstieg.h"
#include "app/BlattAnfang.h"
#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "app/Programm.h"
#include "core/Farben.h"
#include "pages/Blatt4.h"
#include "platform/Einpassung.h"
#include "platform/Fensterart.h"
#include "platform/Layout.h"
#include "tools/Graucode.h"

#include <QMenuBar>
#include <QScreen>
#include <cmath>

using namespace Testumgebung;
using namespace Simhilfe;

namespace {
constexpr double Faktor = 1.40625;
// 1920 / 1.40625 = 1365.33 pixels: Qt reports 1365, the windows filling the
// screen take 1366 to reach its last device pixel.
constexpr int Versatz = (1366 - 1024) / 2;

// The first and the last device pixel (counted from the widget's window)
// that show the window pixels von to bis: a device pixel shows the pixel
// under its centre.
std::pair<int, int> geraetepixel(int von, int bis)
{
    int erstes = int(std::ceil(von * Faktor - 0.5));
    int letztes = int(std::ceil((bis + 1) * Faktor - 0.5)) - 1;
    // a device pixel whose centre lies exactly on a pixel edge shows either
    if (std::fmod(erstes + 0.5, Faktor) == 0)
        ++erstes;
    if (std::fmod(letztes + 1.5, Faktor) == 0)
        --letztes;
    return {erstes, letztes};
}

// A left click at a device pixel of the window, delivered as Qt delivers a
// click from the screen: at the device pixel's position in the layout's
// pixels, a fraction.
void klickAufGeraetepixel(QWidget* w, QPoint geraet)
{
    const QPointF lokal = QPointF(geraet) / Faktor - QPointF(w->mapTo(w->window(), QPoint(0, 0)));
    const QPointF global = w->mapToGlobal(lokal);
    QMouseEvent druck(QEvent::MouseButtonPress, lokal, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &druck);
    QMouseEvent los(QEvent::MouseButtonRelease, lokal, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &los);
}

// Clicks at the top-left or bottom-right device pixel of a cell of the pattern.
void zelleKlicken(int spalte, int zeile, bool obenLinks)
{
    const int c = Form12->Modell.Kaestchengroesse;
    const QPoint o = Form12->Image2->mapTo(Form12, QPoint(0, 0));
    const auto [x0, x1] = geraetepixel(o.x() + (spalte - 1) * c + 1, o.x() + spalte * c - 1);
    const auto [y0, y1] = geraetepixel(o.y() + (zeile - 1) * c + 1, o.y() + zeile * c - 1);
    klickAufGeraetepixel(Form12->Image2, obenLinks ? QPoint(x0, y0) : QPoint(x1, y1));
}

// The window reaches the screen's last device pixel (a maximised window
// takes the screen's size from the platform, which rounds it).
bool fuelltBildschirm(const QWidget* w)
{
    return w->pos() == QPoint(0, 0) && std::lround(w->width() * Faktor) >= 1920
        && std::lround(w->height() * Faktor) >= 1080;
}

bool gemalt(int spalte, int zeile)
{
    return pixel(Form12->Image2, zellmitte(spalte, zeile).x(), zellmitte(spalte, zeile).y()) == 0xFF808080u;
}
}  // namespace

class TestHochaufloesend : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        startenWieDasProgramm();
    }

    void faktorUndLayout()
    {
        QCOMPARE(qApp->devicePixelRatio(), Faktor);
        QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1365, 768));
        // the factor is Qt's now; programs started from here do not inherit it
        QVERIFY(qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"));
        QCOMPARE(Einpassung::gewaehlt().layout, QSize(1024, 768));
        QCOMPARE(Layout::breite(), 1024);
        QCOMPARE(Layout::leistenhoehe(), 100);
        // the layout fills the screen's height: no message
        QVERIFY(meldungen().isEmpty());
        QVERIFY(!Programm::endeAngefordert());
    }

    void layoutMittig()
    {
        QVERIFY(fuelltBildschirm(FormHaupt));
        QCOMPARE(FormHaupt->menuBar()->width(), FormHaupt->width());
        QCOMPARE(FormAnfang->pos(), QPoint(Versatz, 18));
        FormHaupt->ZugNeu(4);
        QCOMPARE(Form4->geometry(), QRect(Versatz, 18, 1024, 668));
        QCOMPARE(FormHaupt->Untergrund->geometry(), QRect(Versatz + 115, 676, 794, 51));
        QCOMPARE(FormHaupt->SeiteWeiter->geometry(), QRect(Versatz + 909, 671, 115, 77));
        // the exit dialog, 384 x 150 at this layout, centred on the layout
        QCOMPARE(QRect(FormAusstieg->pos(), QSize(aussenbreite(FormAusstieg), aussenhoehe(FormAusstieg))),
                 QRect(Versatz + 320, 309, 384, 150));
        // the simulator fills the screen; its picture area and its tools stand in the layout
        FormHaupt->ZugNeu(12);
        QVERIFY(fuelltBildschirm(Form12));
        QCOMPARE(Form12->Image3->x(), Versatz + 1024 - 337 - 20);
        QCOMPARE(Form12->CTBedienPanel->geometry(), QRect(0, 644, 1367, 104));
        QCOMPARE(Form12->StartButton->x(), Versatz + 20);
        Form12->StartButton->setEnabled(true);
        malen({{10, 10}});
        Form12->StartButton->click();
        Form12->GraucodezeigenButton->click();
        QCOMPARE(aussenort(FormGraucode).x() + aussenbreite(FormGraucode) / 2, Versatz + 512);
        QCOMPARE(aussenort(FormGraucode).y() + aussenhoehe(FormGraucode), 768);
    }

    void klickTrifftDieGezeigteZelle_data()
    {
        QTest::addColumn<QString>("raster");
        for (const char* r : {"Rastergroesse4", "Rastergroesse20", "Rastergroesse38", "Rastergroesse56"})
            QTest::newRow(r) << QString::fromLatin1(r);
    }

    void klickTrifftDieGezeigteZelle()
    {
        QFETCH(QString, raster);
        FormHaupt->ZugNeu(12);
        einstellen({element<QRadioButton>(FormEinstellungen, raster)});
        const int n = Form12->Modell.Raster;
        for (int k = 1; k <= n; ++k)
            for (const bool obenLinks : {true, false}) {
                Form12->VorlageLoeschenClick();
                zelleKlicken(k, k, obenLinks);
                QVERIFY2(gemalt(k, k), qPrintable(QStringLiteral("cell %1 %2").arg(k).arg(obenLinks ? "top left" : "bottom right")));
                for (const int nachbar : {k - 1, k + 1})
                    if (nachbar >= 1 && nachbar <= n)
                        QVERIFY2(!gemalt(nachbar, nachbar), qPrintable(QStringLiteral("cell %1 painted for %2").arg(nachbar).arg(k)));
            }
    }

    void scanWieUnskaliert()
    {
        FormHaupt->ZugNeu(12);
        einstellen({FormEinstellungen->Rastergroesse20, FormEinstellungen->Winkel10, FormEinstellungen->Endergebnis});
        const std::vector<Zelle> muster = {{1, 1}, {5, 5}, {6, 5}, {7, 5}, {10, 12}, {20, 20}, {15, 3}, {11, 11}};
        for (const auto& [x, y] : muster)
            zelleKlicken(x, y, x % 2 == 0);
        Form12->StartButton->click();
        const ct::Simulator modell = modellscan(20, muster, 10, false);
        for (int x = 1; x <= 20; ++x)
            for (int y = 1; y <= 20; ++y)
                QCOMPARE(Form12->Modell.CTBild(x, y).Wert, modell.CTBild(x, y).Wert);

        // On the screen every cell of the CT picture is one colour up to its
        // edges: the picture is shown pixel for pixel, not smoothed.
        const QImage gezeigt = Form12->Image3->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(gezeigt.devicePixelRatio(), Faktor);
        const ct::Graufeld stufen = ct::Faerben(modell.CTBild, 20);
        const int c = Form12->Modell.Kaestchengroesse;
        for (int x = 1; x <= 20; ++x)
            for (int y = 1; y <= 20; ++y) {
                const auto [gx0, gx1] = geraetepixel((x - 1) * c + 1, x * c - 1);
                const auto [gy0, gy1] = geraetepixel((y - 1) * c + 1, y * c - 1);
                for (int gx = gx0; gx <= gx1; ++gx)
                    for (int gy = gy0; gy <= gy1; ++gy)
                        QVERIFY2(gezeigt.pixel(gx, gy) == grau(stufen(x, y)),
                                 qPrintable(QStringLiteral("cell %1,%2 at %3,%4").arg(x).arg(y).arg(gx).arg(gy)));
            }
    }
};

int main(int argc, char** argv)
{
    for (const char* v : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING"})
        qunsetenv(v);
    Testumgebung::bildschirmVorbereiten("1920x1080", argc, argv);
    QApplication app(argc, argv);
    Einpassung::uebernehmen();
    Testumgebung::anwendungEinrichten();
    TestHochaufloesend test;
    QTEST_SET_MAIN_SOURCE_PATH
    const int ergebnis = QTest::qExec(&test, argc, argv);
    Testumgebung::abbauen();
    return ergebnis;
}

#include "test_hochaufloesend.moc"

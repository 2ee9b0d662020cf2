// The program on a screen of 1920 x 1080 device pixels (or 3840 x 2160, with
// QUORVEL_TESTBILDSCHIRM=3840x2160), started as the program starts: the
// 1024 x 768 layout at a factor of 1.40625 (2.8125), centred. Clicks at
// device pixels paint the cell shown there, a scan gives the same CT picture
// as unscaled, pixel pictures keep hard edges and even lines, the exercise
// page's closed fields show their digits whole over whole grid lines, and
// the layout stands at its offset.
#include "support/Testumgebung.h"

#include "sim/Simhilfe.h"
#include "course/Antworter.h"

#include "app/Ausstieg.h"
#include "app/BlattAnfang.h"
#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "app/Programm.h"
#include "core/Farben.h"
#include "course/Blatt8.h"
#include "course/Blatt9.h"
#include "pages/Blatt4.h"
#include "platform/Einpassung.h"
#include "platform/Fensterart.h"
#include "platform/Layout.h"
#include "platform/Pause.h"
#include "tools/Graucode.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <cmath>

using namespace Testumgebung;
using namespace Simhilfe;

namespace {
// The screen in device pixels, and the factor that fits the layout to it.
QSize Geraet(1920, 1080);
double Faktor = 1.40625;
// 1920 / 1.40625 = 3840 / 2.8125 = 1365.33 pixels: Qt reports 1365, the
// windows filling the screen take 1366 to reach its last device pixel.
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
// takes the screen's size from the platform, which rounds it: the offscreen
// platform at 2.8125 gives the 1365 pixels it reports).
bool fuelltBildschirm(const QWidget* w)
{
    return w->pos() == QPoint(0, 0)
        && ((std::lround(w->width() * Faktor) >= Geraet.width() && std::lround(w->height() * Faktor) >= Geraet.height())
            || w->geometry() == QGuiApplication::primaryScreen()->geometry());
}

// Pixels of a text colour (red or blue, also where antialiased on white or gray).
int textpixel(const QImage& bild, QRgb farbe)
{
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QColor p = bild.pixelColor(x, y);
            const int eigen = qRed(farbe) ? p.red() : p.blue(), andere = qRed(farbe) ? std::max(p.green(), p.blue())
                                                                                   : std::max(p.red(), p.green());
            n += eigen - andere > 60;
        }
    return n;
}

// A field's text is shown whole: as many pixels of its colour as the text
// drawn alone in the field's font at the screen's resolution.
bool ganzeZiffern(QLineEdit* feld, QRgb farbe)
{
    const QImage gezeigt = feld->grab().toImage();
    QImage allein(gezeigt.size() + QSize(40, 0), QImage::Format_RGB32);
    allein.setDevicePixelRatio(gezeigt.devicePixelRatio());
    allein.fill(Qt::white);
    QPainter maler(&allein);
    maler.setFont(feld->font());
    maler.setPen(QColor::fromRgb(farbe));
    maler.drawText(QPointF(4, feld->height() / 2.0 + feld->fontMetrics().ascent() / 2.0), feld->text());
    maler.end();
    const int soll = textpixel(allein, farbe), ist = textpixel(gezeigt, farbe);
    if (ist * 10 < soll * 8)
        qWarning("%s shows %d of %d pixels of its text", qPrintable(feld->objectName()), ist, soll);
    return soll > 0 && ist * 10 >= soll * 8;
}

// The grid lines on a page's grid picture are whole on the screen where the
// fields lie over them: no row of a horizontal line has a white pixel
// between its ends.
bool ganzeLinien(QWidget* gitter)
{
    // What the screen shows, as composed from the window's painting.
    pause(50);
    const QImage bild = QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint o = gitter->mapToGlobal(QPoint(0, 0));
    const QRect g(QPoint(int(std::ceil(o.x() * Faktor)), int(std::ceil(o.y() * Faktor))),
                  QPoint(int((o.x() + gitter->width()) * Faktor) - 1, int((o.y() + gitter->height()) * Faktor) - 1));
    int linien = 0;
    for (int y = g.top(); y <= g.bottom(); ++y) {
        int erste = -1, letzte = -1, schwarz = 0;
        for (int x = g.left(); x <= g.right(); ++x)
            if (qGray(bild.pixel(x, y)) < 64) {
                ++schwarz;
                erste = erste < 0 ? x : erste;
                letzte = x;
            }
        if (schwarz * 10 < g.width() * 3)  // a row of a horizontal line (the grid covers 2/3 of the width)
            continue;
        ++linien;
        for (int x = erste; x <= letzte; ++x)
            if (qGray(bild.pixel(x, y)) > 200) {
                qWarning("a gap in the line at %d,%d", x, y);
                return false;
            }
    }
    return linien >= 5;
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

    // Page 10 in instruction mode: after each check the closed fields show
    // their digits whole and leave the grid lines whole; so does page 9
    // after a switch to demonstration in mid-exercise.
    void felderGanz()
    {
        Antworter antworter;
        FormHaupt->ZugNeu(9);
        TForm9* s10 = Form9;
        const auto tippen = [](const std::array<QLineEdit*, 17>& felder, const QString& werte) {
            for (int n = 1; n <= 16; ++n) {
                felder[std::size_t(n)]->clear();
                QTest::keyClicks(felder[std::size_t(n)], werte.mid(n - 1, 1));
            }
        };
        s10->Start1Button->click();
        tippen(s10->D1, QStringLiteral("2000020000200002"));
        s10->D1Button->click();
        QCOMPARE(s10->Phase, 2);
        for (int n = 1; n <= 16; ++n)
            QVERIFY2(ganzeZiffern(s10->D1[std::size_t(n)], 0xFFFF0000u), qPrintable(QString::number(n)));
        QVERIFY(ganzeLinien(s10->Bild2));
        s10->Start2Button->click();
        tippen(s10->D2, QStringLiteral("0010010110100100"));
        s10->D2Button->click();
        QCOMPARE(s10->Phase, 4);
        for (int n = 1; n <= 16; ++n) {
            QVERIFY2(ganzeZiffern(s10->D1[std::size_t(n)], 0xFFFF0000u), qPrintable(QString::number(n)));
            QVERIFY2(ganzeZiffern(s10->D2[std::size_t(n)], 0xFF0000FFu), qPrintable(QString::number(n)));
        }
        QVERIFY(ganzeLinien(s10->Bild2));
        FormHaupt->Neu->trigger();

        FormHaupt->ZugNeu(8);
        TForm8* s9 = Form8;
        s9->Start1Button->click();
        tippen(s9->Hor, QStringLiteral("0000"));
        FormHaupt->Demonstration1->trigger();
        s9->HorizontalButton->click();
        QCOMPARE(s9->Phase, 2);
        for (int n = 1; n <= 16; ++n)
            QVERIFY2(ganzeZiffern(s9->Hor[std::size_t(n)], 0xFFFF0000u), qPrintable(QString::number(n)));
        QVERIFY(ganzeLinien(s9->Bild2));
        FormHaupt->Neu->trigger();
        FormHaupt->Lernprogramm1->trigger();
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
    if (qgetenv("QUORVEL_TESTBILDSCHIRM") == "3840x2160") {
        Geraet = QSize(3840, 2160);
        Faktor = 2.8125;
    }
    Testumgebung::bildschirmVorbereiten(QStringLiteral("%1x%2").arg(Geraet.width()).arg(Geraet.height()).toLatin1(),
                                        argc, argv);
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

// The sinogram window: opened from the simulator's menu and its key, closed
// by a page change; its rows growing with the scan in every display mode, a
// stopped scan's rows (also a projection stopped in the middle), the
// picture's gray levels, deleting the CT picture, the links between readings
// and cells on the 4 x 4 grid, the archive's readings coming back with their
// picture; the laboratory's choices (readings, dose, reconstruction, the
// filtered sinogram), the difference picture, the export, and where the
// window stands while a scan runs.
#include "Werkzeughilfe.h"

#include "core/Detektor.h"
#include "core/Iterativ.h"
#include "core/Kennzahlen.h"
#include "core/Rueckprojektion.h"
#include "platform/Bildschirm.h"
#include "platform/Einpassung.h"
#include "platform/Fensterart.h"
#include "tools/Sinogrammfenster.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainterPath>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <set>

Q_DECLARE_METATYPE(std::vector<ct::Kaestchen>)
Q_DECLARE_METATYPE(std::vector<Simhilfe::Zelle>)

using namespace Testumgebung;
using namespace Werkzeughilfe;

namespace {

const ct::Sinogramm& messung()
{
    return Form12->Modell.Messung;
}

QPoint mitte(const QRect& r)
{
    return QPoint(r.x() + r.width() / 2, r.y() + r.height() / 2);
}

// The colour the sinogram shows at the middle of a reading's block.
QRgb blockfarbe(int zeile, int strahl)
{
    Sinogrammbild* s = FormSinogramm->Sinogramm;
    return s->grab().toImage().pixel(mitte(s->Block({zeile, strahl})));
}

// The colour a picture of cells shows at the middle of cell (x, y).
QRgb zellfarbe(Zellenbild* b, int x, int y)
{
    return b->grab().toImage().pixel(mitte(b->Rechteck(x, y)));
}

// A scan of a small pattern on the 20 grid at 10 degrees (18 rows), or
// with progression, which draws ray by ray, on the 4 grid at 45 degrees.
void scanVorbereiten(QRadioButton* darstellung, QRadioButton* verlauf)
{
    TFormEinstellungen* e = FormEinstellungen;
    if (verlauf == e->mitVerlauf) {
        einstellen({e->Rastergroesse4, e->Winkel45, darstellung, verlauf});
        malen({{1, 1}, {2, 1}, {3, 3}});
    } else {
        einstellen({e->Rastergroesse20, e->Winkel10, darstellung, verlauf});
        malen({{5, 5}, {6, 5}, {7, 6}, {12, 14}, {13, 14}, {12, 15}});
    }
}

// A disc of radius 4 on the 20 grid scanned at 10 degrees, the window open.
void scheibeScannen()
{
    TFormEinstellungen* e = FormEinstellungen;
    einstellen({e->Rastergroesse20, e->Winkel10, e->Endergebnis, e->ohneFaltung});
    malen(scheibe(10, 4));
    Form12->StartButton->click();
    Form12->Sinogrammzeigen->trigger();
}

void verfahrenWaehlen(TFormSinogramm::Verfahren v)
{
    QComboBox* c = FormSinogramm->Rekonstruktionswahl;
    c->setCurrentIndex(c->findData(int(v)));
}

// The pattern of the scan as the model read it.
ct::Bildfeld vorlage()
{
    ct::Bildfeld b;
    for (int x = 1; x <= Form12->Modell.Raster; ++x)
        for (int y = 1; y <= Form12->Modell.Raster; ++y)
            b(x, y).Belegt = Form12->Modell.CTBild(x, y).Belegt;
    return b;
}

}  // namespace

class TestSinogrammfenster : public QObject
{
    Q_OBJECT
private slots:
    void init() { simulatorZeigen(); }

    void menuepunktOeffnet_data()
    {
        QTest::addColumn<bool>("taste");
        QTest::newRow("menu item") << false;
        QTest::newRow("Ctrl+M") << true;
    }

    void menuepunktOeffnet()
    {
        QFETCH(bool, taste);
        QVERIFY(!FormSinogramm->isVisible());
        // the item is the last of "Computer Tomography", after a separator
        const QList<QAction*> punkte = Form12->Computertomograph->actions();
        QCOMPARE(punkte.last(), Form12->Sinogrammzeigen);
        QVERIFY(punkte[punkte.size() - 2]->isSeparator());
        if (taste)
            QTest::keyClick(Form12, Qt::Key_M, Qt::ControlModifier);
        else
            Form12->Sinogrammzeigen->trigger();
        QVERIFY(FormSinogramm->isVisible());
        QCOMPARE(FormSinogramm->windowTitle(), QStringLiteral("Sinogram and reconstruction"));
    }

    void keineTasteDoppelt()
    {
        std::set<QString> tasten;
        for (QAction* a : Form12->findChildren<QAction*>()) {
            if (a->shortcut().isEmpty())
                continue;
            const QString t = a->shortcut().toString();
            QVERIFY2(tasten.insert(t).second, qPrintable(t));
        }
        QVERIFY(tasten.count(QStringLiteral("Ctrl+M")) == 1);
    }

    void musterFolgtDemMalen_data()
    {
        QTest::addColumn<std::vector<Zelle>>("gemalt");
        QTest::addColumn<std::vector<Zelle>>("geloescht");
        QTest::addColumn<bool>("vorlageLoeschen");
        QTest::addColumn<std::vector<Zelle>>("belegt");
        QTest::newRow("painted") << std::vector<Zelle>{{1, 1}, {3, 2}} << std::vector<Zelle>{} << false
                                 << std::vector<Zelle>{{1, 1}, {3, 2}};
        QTest::newRow("painted, one erased") << std::vector<Zelle>{{2, 2}, {4, 3}, {4, 4}}
                                             << std::vector<Zelle>{{4, 3}} << false
                                             << std::vector<Zelle>{{2, 2}, {4, 4}};
        QTest::newRow("pattern deleted") << std::vector<Zelle>{{1, 4}} << std::vector<Zelle>{} << true
                                         << std::vector<Zelle>{};
    }

    // With the window open and no readings, its pattern copy follows the
    // painting cell by cell.
    void musterFolgtDemMalen()
    {
        QFETCH(std::vector<Zelle>, gemalt);
        QFETCH(std::vector<Zelle>, geloescht);
        QFETCH(bool, vorlageLoeschen);
        QFETCH(std::vector<Zelle>, belegt);
        TFormEinstellungen* e = FormEinstellungen;
        einstellen({e->Rastergroesse4});
        Form12->Sinogrammzeigen->trigger();
        QVERIFY(FormSinogramm->isVisible());
        malen(gemalt);
        malen(geloescht, Qt::RightButton);
        if (vorlageLoeschen)
            Form12->VorlageLoeschenClick();
        for (int x = 1; x <= 4; ++x)
            for (int y = 1; y <= 4; ++y)
                QVERIFY2(FormSinogramm->Vorlage()(x, y).Belegt
                             == (std::find(belegt.begin(), belegt.end(), Zelle{x, y}) != belegt.end()),
                         qPrintable(QStringLiteral("cell %1,%2").arg(x).arg(y)));
    }

    void seitenwechselSchliesst()
    {
        Form12->Sinogrammzeigen->trigger();
        QVERIFY(FormSinogramm->isVisible());
        FormHaupt->ZugNeu(11);
        QVERIFY(!FormSinogramm->isVisible());
    }

    void nichtsVerdeckt_data()
    {
        QTest::addColumn<QSize>("geraet");   // the screen in device pixels; 800 x 600 and 1024 x 768 as designed
        QTest::addColumn<int>("raster");
        QTest::newRow("800 x 600, 56 cells") << QSize(800, 600) << 56;
        QTest::newRow("800 x 600, 38 cells") << QSize(800, 600) << 38;
        QTest::newRow("800 x 600, 4 cells") << QSize(800, 600) << 4;
        QTest::newRow("1024 x 768, 56 cells") << QSize(1024, 768) << 56;
        QTest::newRow("1024 x 768, 38 cells") << QSize(1024, 768) << 38;
        QTest::newRow("1366 x 768") << QSize(1366, 768) << 38;
        QTest::newRow("1280 x 720") << QSize(1280, 720) << 38;
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << 56;
        QTest::newRow("2560 x 1600") << QSize(2560, 1600) << 38;
    }

    // While a scan runs the window leaves the pattern and the source and
    // detector at every angle in view (where the scan's drawing shows
    // them); its frame stands on the screen between the menu and the
    // control strip, during the scan and with the picture after it.
    void nichtsVerdeckt()
    {
        QFETCH(QSize, geraet);
        QFETCH(int, raster);
        if (geraet == QSize(800, 600) || geraet == QSize(1024, 768)) {
            simulatorZeigen(geraet.width(), geraet.height());
        } else {
            const Einpassung::Wahl w = Einpassung::waehlen({double(geraet.width()), double(geraet.height()), 1.0, false});
            const QSize logisch(int(std::lround(geraet.width() / w.faktor)), int(std::lround(geraet.height() / w.faktor)));
            aufbauen({96, 24, logisch.width(), logisch.height()}, {}, w.layout, w.bildschirm);
            Fenstersatz::starten();
            FormHaupt->ZugNeu(12);
        }
        TFormEinstellungen* e = FormEinstellungen;
        QRadioButton* groesse = raster == 4 ? e->Rastergroesse4 : raster == 38 ? e->Rastergroesse38 : e->Rastergroesse56;
        einstellen({groesse, e->Winkel10, e->Alles, e->ohneVerlauf});
        malen({{2, 2}, {3, 3}});
        Form12->Sinogrammzeigen->trigger();
        QVERIFY(!FormSinogramm->Voll());

        const auto imHaupt = [](QWidget* w) { return QRect(w->mapTo(FormHaupt, QPoint(0, 0)), w->size()); };
        const QRect leiste = imHaupt(Form12->CTBedienPanel);
        const QRect muster = imHaupt(Form12->Image2);
        const QRect sicht = imHaupt(Form12->Sichtbild);
        const QPoint zeichnung = Form12->Image1->mapTo(FormHaupt, QPoint(0, 0));
        // The screen, which the main window fills.
        const auto aufDemSchirm = [&](const QRect& f) {
            return Bildschirm::flaeche().contains(f) && f.top() >= Form12->menuBar()->height()
                   && f.bottom() < leiste.top();
        };
        std::vector<QRect> rahmen;
        const auto verbindung = connect(&Form12->Zustand, &Simulatorzustand::winkelFertig, FormSinogramm, [&] {
            QVERIFY(!FormSinogramm->Voll());
            rahmen.push_back(aussenrahmen(FormSinogramm));
        });
        Form12->StartButton->click();
        disconnect(verbindung);
        QCOMPARE(int(rahmen.size()), 18);
        const QRect f = rahmen.front();
        QVERIFY(std::all_of(rahmen.begin(), rahmen.end(), [&](const QRect& r) { return r == f; }));
        QVERIFY(aufDemSchirm(f));
        QVERIFY(!f.intersects(muster));
        QPainterPath sichtbar;
        sichtbar.addRect(sicht);
        for (int a = 0; a < 180; ++a) {
            const ct::Geraeteumriss u = Form12->Modell.CTUmrisse(a);
            for (const ct::Viereck& v : {u.Sender, u.Detektor1, u.Detektor2}) {
                QPolygonF p;
                for (const ct::Punkt& q : v)
                    p << QPointF(q.x + zeichnung.x(), q.y + zeichnung.y());
                QPainterPath balken;
                balken.addPolygon(p);
                balken.closeSubpath();
                QVERIFY2(!balken.intersected(sichtbar).intersects(QRectF(f)), qPrintable(QString::number(a)));
            }
        }
        // With the picture the window opens up, still on the screen.
        QVERIFY(FormSinogramm->Voll());
        QVERIFY(aufDemSchirm(aussenrahmen(FormSinogramm)));
        Form12->CTLoeschenClick();
        QVERIFY(!FormSinogramm->Voll());
        QCOMPARE(aussenrahmen(FormSinogramm), f);
    }

    void zeilenWachsen_data()
    {
        QTest::addColumn<int>("darstellung");
        QTest::addColumn<bool>("verlauf");
        QTest::newRow("every step") << int(ct::Darstellung::Alles) << false;
        QTest::newRow("every 10 steps") << int(ct::Darstellung::Zwischenstufe) << false;
        QTest::newRow("at the end") << int(ct::Darstellung::Endergebnis) << false;
        QTest::newRow("every step with progression") << int(ct::Darstellung::Alles) << true;
    }

    // The sinogram is laid out as the scan begins; each angle's row is shown
    // when the model has finished it, with the plain and the filtered
    // picture of the rows so far; at the end every reading shows
    // 255 - Round(255 v / vmax).
    void zeilenWachsen()
    {
        QFETCH(int, darstellung);
        QFETCH(bool, verlauf);
        TFormEinstellungen* e = FormEinstellungen;
        QRadioButton* knopf = darstellung == int(ct::Darstellung::Alles)           ? e->Alles
                              : darstellung == int(ct::Darstellung::Zwischenstufe) ? e->Zwischenstufe
                                                                                   : e->Endergebnis;
        scanVorbereiten(knopf, verlauf ? e->mitVerlauf : e->ohneVerlauf);
        Form12->Sinogrammzeigen->trigger();
        QCOMPARE(FormSinogramm->Sinogramm->Blockhoehe(), 0);   // "Start a scan"
        int bloeckeBeimBeginn = -1;
        const auto beginn = connect(&Form12->Zustand, &Simulatorzustand::scanBegonnen, FormSinogramm,
                                    [&] { bloeckeBeimBeginn = FormSinogramm->Sinogramm->Blockhoehe(); });
        std::vector<int> gezeigt;
        bool bilderWachsen = true;
        const auto verbindung = connect(&Form12->Zustand, &Simulatorzustand::winkelFertig, FormSinogramm, [&] {
            gezeigt.push_back(FormSinogramm->Sinogramm->GezeigteZeilen());
            bilderWachsen = bilderWachsen && FormSinogramm->Rueckprojektion() == ct::Rueckprojektion(messung())
                            && FormSinogramm->Rekonstruktion()
                                   == ct::GefilterteRueckprojektion(messung(), ct::Faltungskern::RamLak);
        });
        Form12->StartButton->click();
        disconnect(verbindung);
        disconnect(beginn);
        QVERIFY(bloeckeBeimBeginn >= 2);
        QVERIFY(bilderWachsen);
        const int zeilen = verlauf ? 4 : 18;
        std::vector<int> erwartet(std::size_t(zeilen), 0);
        for (int z = 0; z < zeilen; ++z)
            erwartet[std::size_t(z)] = z + 1;
        QCOMPARE(gezeigt, erwartet);
        QCOMPARE(messung().GemesseneZeilen(), zeilen);
        for (int z = 0; z < zeilen; ++z)
            for (int k = 1; k <= messung().Strahlzahl(); ++k) {
                const int g = Sinogrammgrau(messung().Messwert(z, k), messung().Hoechstwert());
                QCOMPARE(blockfarbe(z, k), grau(g));
            }
        // the largest reading is black, a ray beside the pattern white
        QCOMPARE(Sinogrammgrau(messung().Hoechstwert(), messung().Hoechstwert()), 0);
        QCOMPARE(blockfarbe(0, 1), grau(255));
        // every row at least 2 pixels high, also at 1 degree
        QVERIFY(FormSinogramm->Sinogramm->Blockhoehe() >= 2);
    }

    void grauwerte_data()
    {
        QTest::addColumn<float>("wert");
        QTest::addColumn<float>("hoechstwert");
        QTest::addColumn<int>("grau");
        QTest::newRow("nothing") << 0.0f << 30.0f << 255;
        QTest::newRow("largest") << 30.0f << 30.0f << 0;
        QTest::newRow("a third") << 10.0f << 30.0f << 170;
        QTest::newRow("half, even neighbour") << 1.0f << 2.0f << 127;   // 255 - Round(127.5)
        QTest::newRow("no reading at all") << 0.0f << 0.0f << 255;
        QTest::newRow("below 0 (noise)") << -1.0f << 30.0f << 255;
    }

    void grauwerte()
    {
        QFETCH(float, wert);
        QFETCH(float, hoechstwert);
        QFETCH(int, grau);
        QCOMPARE(Sinogrammgrau(wert, hoechstwert), grau);
    }

    void divergierend()
    {
        QCOMPARE(Divergierend(0.0, 2.0), qRgb(255, 255, 255));
        QCOMPARE(Divergierend(2.0, 2.0), qRgb(0xB2, 0x18, 0x2B));
        QCOMPARE(Divergierend(-5.0, 2.0), qRgb(0x21, 0x66, 0xAC));
        QCOMPARE(Divergierend(1.0, 0.0), qRgb(255, 255, 255));
        const QRgb halb = Divergierend(-1.0, 2.0);
        QVERIFY(qBlue(halb) > qRed(halb) && qRed(halb) > 100 && qRed(halb) < 255);
    }

    // A stop between angles keeps the rows measured so far, the rest stays
    // white; the pictures are made from them.
    void gestoppterScan()
    {
        TFormEinstellungen* e = FormEinstellungen;
        scanVorbereiten(e->Alles, e->ohneVerlauf);
        Form12->Sinogrammzeigen->trigger();
        const auto verbindung = connect(&Form12->Zustand, &Simulatorzustand::winkelFertig, FormSinogramm, [] {
            if (messung().GemesseneZeilen() == 5)
                Form12->StopButton->click();
        });
        Form12->StartButton->click();
        disconnect(verbindung);
        const int gemessen = messung().GemesseneZeilen();
        QVERIFY(gemessen >= 5 && gemessen < 18);
        QCOMPARE(FormSinogramm->Sinogramm->GezeigteZeilen(), gemessen);
        for (int k = 1; k <= messung().Strahlzahl(); ++k)
            QCOMPARE(blockfarbe(gemessen, k), grau(255));
        QVERIFY(FormSinogramm->RmsRekonstruktion() >= 0.0);
        QVERIFY(FormSinogramm->Rekonstruktion() == ct::GefilterteRueckprojektion(messung(), ct::Faltungskern::RamLak));
    }

    // A stop in the middle of a projection (the progression draws ray by
    // ray; the stop comes during the first ray at 45 degrees): the readings
    // keep that ray, so the sinogram shows it, and the back-projection is
    // the simulator's CT picture value for value.
    void mittenGestoppt()
    {
        TFormEinstellungen* e = FormEinstellungen;
        einstellen({e->Rastergroesse4, e->Winkel45, e->Alles, e->mitVerlauf});
        malen({{4, 1}, {2, 2}, {3, 3}});   // at 45 degrees ray 1 touches (4, 1) alone
        Form12->Sinogrammzeigen->trigger();
        std::function<void()> warten = [&] {
            if (Form12->Modell.Drehwinkel == 45)
                Form12->StopButton->click();
            else
                QTimer::singleShot(0, FormSinogramm, warten);
        };
        QTimer::singleShot(0, FormSinogramm, warten);
        Form12->StartButton->click();
        QCOMPARE(messung().GemesseneZeilen(), 1);
        QCOMPARE(messung().Teilstrahlen(), 1);
        QVERIFY(FormSinogramm->Voll());
        QCOMPARE(FormSinogramm->Sinogramm->GezeigteZeilen(), 2);
        const ct::Bildfeld rueck = FormSinogramm->Rueckprojektion();
        for (int x = 1; x <= 4; ++x)
            for (int y = 1; y <= 4; ++y)
                QCOMPARE(rueck(x, y).Wert, Form12->Modell.CTBild(x, y).Wert);
        QCOMPARE(blockfarbe(1, 1), grau(Sinogrammgrau(messung().Messwert(1, 1), messung().Hoechstwert())));
        QVERIFY(messung().Messwert(1, 1) > 0.0f);
        for (int k = 2; k <= 6; ++k)
            QCOMPARE(blockfarbe(1, k), grau(255));
        // the detector's readings take the same rays
        FormSinogramm->Weglaenge->click();
        QCOMPARE(FormSinogramm->Messwerte().Teilstrahlen(), 1);
        QVERIFY(FormSinogramm->Rueckprojektion() == ct::Rueckprojektion(FormSinogramm->Messwerte()));
    }

    // Opened after a scan it shows that scan; deleting the CT picture clears it.
    void nachDemScanUndLoeschen()
    {
        TFormEinstellungen* e = FormEinstellungen;
        scanVorbereiten(e->Endergebnis, e->ohneVerlauf);
        Form12->StartButton->click();
        Form12->Sinogrammzeigen->trigger();
        QCOMPARE(FormSinogramm->Sinogramm->GezeigteZeilen(), 18);
        QVERIFY(FormSinogramm->Voll());
        Form12->CTLoeschenClick();
        QCOMPARE(FormSinogramm->Sinogramm->GezeigteZeilen(), 0);
        QCOMPARE(FormSinogramm->RmsRueckprojektion(), -1.0);
        QVERIFY(FormSinogramm->Profilwerte(2).empty());
        QVERIFY(!FormSinogramm->Voll());
    }

    void verbindungen_data()
    {
        QTest::addColumn<int>("zeile");
        QTest::addColumn<int>("strahl");
        QTest::addColumn<std::vector<ct::Kaestchen>>("zellen");
        // 4 x 4 at 45 degrees: rows 0, 45, 90, 135 degrees; rays 1 and 6
        // pass beside the grid at 0 and 90 degrees.
        QTest::newRow("0 degrees, ray 3: row 2")
            << 0 << 3 << std::vector<ct::Kaestchen>{{1, 2}, {2, 2}, {3, 2}, {4, 2}};
        QTest::newRow("0 degrees, ray 1: beside") << 0 << 1 << std::vector<ct::Kaestchen>{};
        QTest::newRow("90 degrees, ray 2: column 4")
            << 2 << 2 << std::vector<ct::Kaestchen>{{4, 1}, {4, 2}, {4, 3}, {4, 4}};
    }

    // The mouse on a reading draws its ray over the pattern copy; a click on
    // a cell marks every reading whose ray touched it.
    void verbindungen()
    {
        QFETCH(int, zeile);
        QFETCH(int, strahl);
        QFETCH(std::vector<ct::Kaestchen>, zellen);
        TFormEinstellungen* e = FormEinstellungen;
        einstellen({e->Rastergroesse4, e->Winkel45, e->Endergebnis});
        malen({{2, 2}, {3, 2}, {4, 4}});
        Form12->StartButton->click();
        Form12->Sinogrammzeigen->trigger();
        TFormSinogramm* f = FormSinogramm;

        mausBewegen(f->Sinogramm, mitte(f->Sinogramm->Block({zeile, strahl})));
        QVERIFY(f->Muster->Strahlzellen() == zellen);
        QVERIFY(f->Muster->Strahlzellen() == ct::KaestchenDesStrahls(messung(), zeile, strahl));
        QVERIFY(f->Anzeige->text().startsWith(QStringLiteral("%1°, ray %2: ").arg(zeile * 45).arg(strahl)));
        mausBewegen(f->Sinogramm, QPoint(1, 1));
        QVERIFY(f->Muster->Strahlzellen().empty());

        // every cell of the ray, clicked, marks this reading, and every marked
        // reading's ray touches the cell
        for (const ct::Kaestchen& k : zellen) {
            QTest::mouseClick(f->Muster, Qt::LeftButton, Qt::NoModifier, mitte(f->Muster->Rechteck(k.Spalte, k.Zeile)));
            const auto& marken = f->Sinogramm->Marken();
            QVERIFY(std::find(marken.begin(), marken.end(), ct::Sinogrammpunkt{zeile, strahl}) != marken.end());
            for (const ct::Sinogrammpunkt& p : marken) {
                const auto z = ct::KaestchenDesStrahls(messung(), p.Zeile, p.Strahl);
                QVERIFY(std::find(z.begin(), z.end(), k) != z.end());
            }
            QCOMPARE(f->Zeilenwahl->value(), k.Zeile);   // the profile follows the cell's row
            const QRgb rot = blockfarbe(zeile, strahl);
            QVERIFY(qRed(rot) > qGreen(rot) + 60);
        }
        QTest::mouseClick(f->Muster, Qt::RightButton, Qt::NoModifier, mitte(f->Muster->Rechteck(1, 1)));
        QVERIFY(f->Sinogramm->Marken().empty());

        // with a detector's readings the ray's path lengths are read out
        f->Weglaenge->click();
        mausBewegen(f->Sinogramm, mitte(f->Sinogramm->Block({1, 3})));
        QVERIFY2(f->Anzeige->text().startsWith(QStringLiteral("45°, ray 3: path ")), qPrintable(f->Anzeige->text()));
        QVERIFY(f->Muster->Strahlzellen() == ct::KaestchenDesStrahls(f->Messwerte(), 1, 3));
    }

    // An archived picture brings its readings back into the window.
    void archivBringtSinogramm()
    {
        TFormEinstellungen* e = FormEinstellungen;
        einstellen({e->Rastergroesse20, e->Winkel10, e->Endergebnis});
        malen({{3, 3}, {4, 3}, {15, 9}});
        Form12->StartButton->click();
        Form12->Sinogrammzeigen->trigger();
        const QImage erstes = FormSinogramm->Sinogramm->grab().toImage();
        const ct::Sinogramm gespeichert = messung();
        Form12->BildSpeichern[0]->trigger();
        Form12->CTLoeschenClick();
        malen({{10, 10}, {11, 10}, {10, 11}});
        Form12->StartButton->click();
        QVERIFY(!(messung() == gespeichert));
        QVERIFY(FormSinogramm->Sinogramm->grab().toImage() != erstes);
        Form12->BildLaden[0]->trigger();
        QVERIFY(messung() == gespeichert);
        QCOMPARE(FormSinogramm->Sinogramm->grab().toImage(), erstes);
        QCOMPARE(FormSinogramm->Sinogramm->GezeigteZeilen(), 18);
    }

    void rekonstruktion_data()
    {
        QTest::addColumn<int>("verfahren");
        QTest::addColumn<bool>("weg");
        QTest::addColumn<bool>("faltung");
        using V = TFormSinogramm::Verfahren;
        QTest::newRow("Ram-Lak") << int(V::RamLak) << false << false;
        QTest::newRow("Shepp-Logan, scan with convolution") << int(V::SheppLogan) << false << true;
        QTest::newRow("Hann, path lengths") << int(V::Hann) << true << false;
        QTest::newRow("ART, path lengths") << int(V::Iterativ) << true << false;
        QTest::newRow("ART, counted") << int(V::Iterativ) << false << false;
    }

    // The reconstruction is the chosen one's of the chosen readings; the
    // profile shows the pattern's row and both pictures fitted to it; the
    // figures are those of the fits, and the reconstruction beats the plain
    // back-projection.
    void rekonstruktion()
    {
        QFETCH(int, verfahren);
        QFETCH(bool, weg);
        QFETCH(bool, faltung);
        TFormEinstellungen* e = FormEinstellungen;
        einstellen({e->Rastergroesse20, e->Winkel10, e->Endergebnis, faltung ? e->mitFaltung : e->ohneFaltung});
        malen(scheibe(10, 4));
        Form12->StartButton->click();
        Form12->Sinogrammzeigen->trigger();
        TFormSinogramm* f = FormSinogramm;
        if (weg)
            f->Weglaenge->click();
        const auto v = TFormSinogramm::Verfahren(verfahren);
        verfahrenWaehlen(v);
        f->Durchlaeufe->setValue(7);
        const ct::Sinogramm m = weg ? ct::Detektormessung(messung(), vorlage(), 0.0) : messung();
        QVERIFY(f->Messwerte() == m);
        QVERIFY(f->Rueckprojektion() == ct::Rueckprojektion(m));
        if (v == TFormSinogramm::Verfahren::Iterativ) {
            const ct::Iterationsergebnis it = ct::IterativeRekonstruktion(m, 7);
            QVERIFY(f->Rekonstruktion() == it.Bild);
            QVERIFY(f->Residuen() == it.Residuen);
            QCOMPARE(f->Residuum->text(), QStringLiteral("residual %1").arg(it.Residuen.back(), 0, 'f', 4));
            QVERIFY(f->Durchlaeufe->isEnabled());
        } else {
            const ct::Faltungskern kern = v == TFormSinogramm::Verfahren::RamLak       ? ct::Faltungskern::RamLak
                                          : v == TFormSinogramm::Verfahren::SheppLogan ? ct::Faltungskern::SheppLogan
                                                                                       : ct::Faltungskern::Hann;
            QVERIFY(f->Rekonstruktion() == ct::GefilterteRueckprojektion(m, kern));
            QVERIFY(f->Residuum->text().isEmpty());
            QVERIFY(!f->Durchlaeufe->isEnabled());
        }
        f->Zeilenwahl->setValue(10);
        const std::vector<double> muster = f->Profilwerte(0);
        QCOMPARE(muster.size(), std::size_t(20));
        for (int x = 1; x <= 20; ++x)
            QCOMPARE(muster[std::size_t(x - 1)], std::abs(x - 10) <= 4 ? 1.0 : 0.0);
        const ct::Anpassung a = ct::Anpassen(f->Rueckprojektion(), vorlage(), 20);
        QCOMPARE(f->Profilwerte(1)[4], a.Angepasst(f->Rueckprojektion()(5, 10).Wert));
        QCOMPARE(f->RmsRueckprojektion(), a.Rms);
        QCOMPARE(f->RmsRekonstruktion(), ct::Anpassen(f->Rekonstruktion(), vorlage(), 20).Rms);
        QCOMPARE(f->RmsRekonstruktionlabel->text(), QStringLiteral("RMS %1").arg(f->RmsRekonstruktion(), 0, 'f', 3));
        QVERIFY(f->RmsRekonstruktion() < f->RmsRueckprojektion());
        // the difference picture: the fitted reconstruction minus the pattern
        const ct::Anpassung b = f->AnpassungRekonstruktion();
        for (const auto& [x, y] : std::vector<std::pair<int, int>>{{10, 10}, {14, 10}, {15, 10}, {1, 1}}) {
            const double d = b.Angepasst(f->Rekonstruktion()(x, y).Wert) - (std::abs(x - 10) <= 4 && y == 10 ? 1.0 : 0.0);
            QCOMPARE(zellfarbe(f->Differenzbild, x, y), Divergierend(d, 1.0));
        }
    }

    // The choices of readings and dose: a detector's path lengths, without
    // noise or with the dose chosen; the dose acts on path lengths only.
    void messarten()
    {
        scheibeScannen();
        TFormSinogramm* f = FormSinogramm;
        QVERIFY(f->Zaehlung->isChecked());
        QVERIFY(f->Messwerte() == messung());
        QVERIFY(!f->Dosis->isEnabled());
        f->Weglaenge->click();
        QVERIFY(f->Dosis->isEnabled());
        QCOMPARE(f->Dosis->value(), int(TFormSinogramm::OhneRauschen));
        QCOMPARE(f->Photonen(), 0.0);
        QCOMPARE(f->Dosisanzeige->text(), QStringLiteral("no noise"));
        QVERIFY(f->Messwerte() == ct::Detektormessung(messung(), vorlage(), 0.0));
        QCOMPARE(blockfarbe(4, 14), grau(Sinogrammgrau(f->Messwerte().Messwert(4, 14), f->Messwerte().Hoechstwert())));

        const std::vector<std::pair<int, double>> dosen{{8, 1e2}, {16, 1e4}, {24, 1e6}};
        std::vector<double> rms;
        for (const auto& [stelle, photonen] : dosen) {
            f->Dosis->setValue(stelle);
            QCOMPARE(f->Photonen(), photonen);
            QVERIFY(f->Messwerte() == ct::Detektormessung(messung(), vorlage(), photonen));
            rms.push_back(f->RmsRekonstruktion());
        }
        QCOMPARE(f->Dosisanzeige->text(), QStringLiteral("1,000,000 photons per ray"));
        // between the decades quarter decades, to two digits as shown
        f->Dosis->setValue(9);
        QCOMPARE(f->Photonen(), 180.0);
        QCOMPARE(f->Dosisanzeige->text(), QStringLiteral("180 photons per ray"));
        // less noise, a better picture
        QVERIFY(rms[0] > rms[1] && rms[1] > rms[2]);
        f->Zaehlung->click();
        QVERIFY(f->Messwerte() == messung());
        QVERIFY(!f->Dosis->isEnabled());
    }

    // The filtered sinogram: every row convolved with the chosen kernel, on
    // the diverging scale, negative beside the disc's edge.
    void gefiltertesSinogramm()
    {
        scheibeScannen();
        TFormSinogramm* f = FormSinogramm;
        verfahrenWaehlen(TFormSinogramm::Verfahren::SheppLogan);
        f->Sinogrammart->setCurrentIndex(1);
        const ct::Sinogramm g = ct::GefiltertesSinogramm(messung(), ct::Faltungskern::SheppLogan);
        float grenze = 0.0f;
        int negativ = 0;
        for (int z = 0; z < g.Zeilenzahl(); ++z)
            for (int k = 1; k <= g.Strahlzahl(); ++k) {
                grenze = std::max(grenze, std::fabs(g.Messwert(z, k)));
                negativ += g.Messwert(z, k) < -1.0f ? 1 : 0;
            }
        QVERIFY(negativ > 0);
        QCOMPARE(f->Sinogramm->Skalengrenze(), grenze);
        QVERIFY(f->Sinogrammskala->Divergierend());
        QCOMPARE(f->Sinogrammskala->Grenze(), double(grenze));
        for (int z : {0, 5, 17})
            for (int k = 1; k <= g.Strahlzahl(); ++k)
                QCOMPARE(blockfarbe(z, k), Divergierend(g.Messwert(z, k), grenze));
        f->Sinogrammart->setCurrentIndex(0);
        QVERIFY(!f->Sinogrammskala->Divergierend());
        QCOMPARE(f->Sinogrammskala->Grenze(), double(messung().Hoechstwert()));
    }

    // Export writes every picture and the three tables into the folder; a
    // folder that is not there is reported with the first file.
    void exportieren()
    {
        scheibeScannen();
        TFormSinogramm* f = FormSinogramm;
        verfahrenWaehlen(TFormSinogramm::Verfahren::Iterativ);
        QTemporaryDir ordner;
        QVERIFY(ordner.isValid());
        QVERIFY(f->Exportieren(ordner.path()));
        const QDir d(ordner.path());
        QCOMPARE(d.entryList(QDir::Files).size(), TFormSinogramm::Exportdateien().size());
        QCOMPARE(QImage(d.filePath(QStringLiteral("sinogram.png"))).size(), f->Sinogramm->Bloecke().size());
        QCOMPARE(QImage(d.filePath(QStringLiteral("reconstruction.png"))).convertToFormat(QImage::Format_RGB32),
                 f->Rekonstruktionsbild->Bild().convertToFormat(QImage::Format_RGB32));

        const auto zeilen = [&](const QString& name) {
            QFile datei(d.filePath(name));
            if (!datei.open(QIODevice::ReadOnly))
                return QStringList();
            return QString::fromUtf8(datei.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        };
        const QStringList lesungen = zeilen(QStringLiteral("readings.csv"));
        QCOMPARE(lesungen.size(), 19);
        QVERIFY(lesungen[0].startsWith(QStringLiteral("angle,ray 1,ray 2")));
        const QStringList zeile5 = lesungen[5].split(QLatin1Char(','));
        QCOMPARE(zeile5.size(), messung().Strahlzahl() + 1);
        QCOMPARE(zeile5[0], QStringLiteral("40"));
        QCOMPARE(zeile5[14].toFloat(), messung().Messwert(4, 14));
        const QStringList bild = zeilen(QStringLiteral("reconstruction.csv"));
        QCOMPARE(bild.size(), 20);
        QCOMPARE(bild[9].split(QLatin1Char(','))[9].toFloat(), f->Rekonstruktion()(10, 10).Wert);
        const QStringList profil = zeilen(QStringLiteral("profile.csv"));
        QCOMPARE(profil.size(), 21);
        QCOMPARE(profil[10].split(QLatin1Char(','))[1], QStringLiteral("1"));

        QString fehler;
        QVERIFY(!f->Exportieren(d.filePath(QStringLiteral("not/there")), &fehler));
        QVERIFY(fehler.endsWith(QStringLiteral("not/there/sinogram.png")));

        // "Export...": the folder chosen, or nothing written when none is.
        QTemporaryDir gewaehlt;
        int gefragt = 0;
        TFormSinogramm::Ordnerwahl = [&] { return ++gefragt == 1 ? gewaehlt.path() : QString(); };
        f->ExportButton->click();
        QCOMPARE(QDir(gewaehlt.path()).entryList(QDir::Files), QDir(ordner.path()).entryList(QDir::Files));
        f->ExportButton->click();
        QCOMPARE(gefragt, 2);
        QVERIFY(meldungen().isEmpty());
        TFormSinogramm::Ordnerwahl = [] { return QStringLiteral("/proc/nowhere"); };
        f->ExportButton->click();
        QCOMPARE(meldungen().size(), 1);
        QVERIFY(meldungen()[0].text.contains(QStringLiteral("could not be written")));
        TFormSinogramm::Ordnerwahl = [] { return QString(); };
    }
};

QUORVEL_GUI_TEST_MAIN(TestSinogrammfenster)
#include "test_sinogrammfenster.moc"

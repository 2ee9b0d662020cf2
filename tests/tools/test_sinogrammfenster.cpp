// The sinogram window: opened from the simulator's menu and its key, closed
// by a page change; its rows growing with the scan in every display mode, a
// stopped scan's rows, the picture's gray levels, deleting the CT picture,
// the links between readings and cells on the 4 x 4 grid, the archive's
// readings coming back with their picture, and the reconstruction with the
// chosen kernel.
#include "Werkzeughilfe.h"

#include "core/Rueckprojektion.h"
#include "platform/Fensterart.h"
#include "tools/Sinogrammfenster.h"

#include <QLabel>
#include <QMouseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>
#include <set>

Q_DECLARE_METATYPE(std::vector<ct::Kaestchen>)

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

    void seitenwechselSchliesst()
    {
        Form12->Sinogrammzeigen->trigger();
        QVERIFY(FormSinogramm->isVisible());
        FormHaupt->ZugNeu(11);
        QVERIFY(!FormSinogramm->isVisible());
    }

    void groesseNebenDemMuster_data()
    {
        QTest::addColumn<int>("breite");
        QTest::newRow("800") << 800;
        QTest::newRow("1024") << 1024;
    }

    // The window stands between the menu and the control strip, right of the
    // pattern image, within the layout.
    void groesseNebenDemMuster()
    {
        QFETCH(int, breite);
        simulatorZeigen(breite, breite * 3 / 4);
        Form12->Sinogrammzeigen->trigger();
        const QRect f = aussenrahmen(FormSinogramm);
        const QRect muster(Form12->Image2->mapTo(Form12, QPoint(0, 0)), Form12->Image2->size());
        const QRect leiste(Form12->CTBedienPanel->mapTo(Form12, QPoint(0, 0)), Form12->CTBedienPanel->size());
        QVERIFY(f.left() > muster.right());
        QVERIFY(f.right() < breite);
        QVERIFY(f.top() >= Form12->menuBar()->height());
        QVERIFY(f.top() + aussenhoehe(FormSinogramm) <= leiste.top());
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

    // Each angle's row is shown when the model has finished it, and shows
    // 255 - Round(255 v / vmax) for every reading at the end.
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
        std::vector<int> gezeigt;
        const auto verbindung = connect(&Form12->Zustand, &Simulatorzustand::winkelFertig, FormSinogramm,
                                        [&] { gezeigt.push_back(FormSinogramm->Sinogramm->GezeigteZeilen()); });
        Form12->StartButton->click();
        disconnect(verbindung);
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
    }

    void grauwerte()
    {
        QFETCH(float, wert);
        QFETCH(float, hoechstwert);
        QFETCH(int, grau);
        QCOMPARE(Sinogrammgrau(wert, hoechstwert), grau);
    }

    // A stop keeps the rows measured so far, the rest stays white; the
    // reconstruction is made from them.
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
        QVERIFY(FormSinogramm->RmsGefiltert() >= 0.0);
        QVERIFY(FormSinogramm->Rekonstruktion() == ct::GefilterteRueckprojektion(messung(), ct::Faltungskern::RamLak));
    }

    // Opened after a scan it shows that scan; deleting the CT picture clears it.
    void nachDemScanUndLoeschen()
    {
        TFormEinstellungen* e = FormEinstellungen;
        scanVorbereiten(e->Endergebnis, e->ohneVerlauf);
        Form12->StartButton->click();
        Form12->Sinogrammzeigen->trigger();
        QCOMPARE(FormSinogramm->Sinogramm->GezeigteZeilen(), 18);
        Form12->CTLoeschenClick();
        QCOMPARE(FormSinogramm->Sinogramm->GezeigteZeilen(), 0);
        QCOMPARE(FormSinogramm->RmsCTBild(), -1.0);
        QVERIFY(FormSinogramm->Profilwerte(2).empty());
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
        QTest::addColumn<bool>("sheppLogan");
        QTest::addColumn<bool>("faltung");
        QTest::newRow("Ram-Lak") << false << false;
        QTest::newRow("Shepp-Logan, with convolution") << true << true;
    }

    // The filtered picture is the chosen kernel's; the profile shows the
    // pattern's row and both pictures normalised; the RMS figures are those of
    // the pictures against the scanned pattern.
    void rekonstruktion()
    {
        QFETCH(bool, sheppLogan);
        QFETCH(bool, faltung);
        TFormEinstellungen* e = FormEinstellungen;
        einstellen({e->Rastergroesse20, e->Winkel10, e->Endergebnis, faltung ? e->mitFaltung : e->ohneFaltung});
        malen(scheibe(10, 4));
        Form12->StartButton->click();
        Form12->Sinogrammzeigen->trigger();
        TFormSinogramm* f = FormSinogramm;
        (sheppLogan ? f->SheppLogan : f->RamLak)->click();
        const ct::Faltungskern kern = sheppLogan ? ct::Faltungskern::SheppLogan : ct::Faltungskern::RamLak;
        QVERIFY(f->Rekonstruktion() == ct::GefilterteRueckprojektion(messung(), kern));
        f->Zeilenwahl->setValue(10);
        const std::vector<double> muster = f->Profilwerte(0);
        QCOMPARE(muster.size(), std::size_t(20));
        for (int x = 1; x <= 20; ++x)
            QCOMPARE(muster[std::size_t(x - 1)], std::abs(x - 10) <= 4 ? 1.0 : 0.0);
        const ct::Bildfeld normiert = ct::Normiert(Form12->Modell.CTBild, 20);
        QCOMPARE(f->Profilwerte(1)[4], double(normiert(5, 10).Wert));
        QCOMPARE(f->RmsCTBild(), ct::RmsAbweichung(Form12->Modell.CTBild, Form12->Modell.CTBild, 20));
        // the filtered picture lies closer to the disc than the blurred one
        QVERIFY(f->RmsGefiltert() < f->RmsCTBild());
    }
};

QUORVEL_GUI_TEST_MAIN(TestSinogrammfenster)
#include "test_sinogrammfenster.moc"

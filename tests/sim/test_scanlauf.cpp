// Scans run through the simulator window: the CT picture against the model
// alone, the state of the controls before, during and after a scan, an
// empty pattern, and what the learner does during a scan: stop, pause,
// speed, page back, minimise and exit. Small grids and large angle steps
// keep the scan's waits short.
#include "Simhilfe.h"

#include "app/Fenster.h"
#include "core/Farben.h"
#include "sim/Pause.h"
#include "sim/ProgressBar.h"
#include "tools/Archivbearbeiten.h"
#include "tools/Bilder38.h"
#include "tools/BlattFilter.h"

#include <QElapsedTimer>
#include <QMenu>
#include <QProgressBar>

using namespace Testumgebung;
using namespace Simhilfe;

namespace {

const std::vector<Zelle> Muster4{{2, 2}, {3, 2}, {2, 3}, {4, 4}};

TFormEinstellungen* E()
{
    return FormEinstellungen;
}

// The grid of 4 cells with the given angle step, display and progression.
void vierer(int winkel, QRadioButton* darstellung, bool verlauf, bool faltung = false)
{
    QRadioButton* w = winkel == 1 ? E()->Winkel1 : winkel == 2 ? E()->Winkel2 : winkel == 10 ? E()->Winkel10
                                   : winkel == 45 ? E()->Winkel45 : E()->Winkel90;
    einstellen({E()->Rastergroesse4, w, darstellung, verlauf ? E()->mitVerlauf : E()->ohneVerlauf,
                faltung ? E()->mitFaltung : E()->ohneFaltung});
    malen(Muster4);
}

bool gleicheWerte(const ct::Bildfeld& a, const ct::Bildfeld& b, int n)
{
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            if (a(x, y).Wert != b(x, y).Wert)
                return false;
    return true;
}

// The picture area shows the default colouring of `bild` cell by cell.
void zeigtFaerbung(const ct::Bildfeld& bild, int n)
{
    const ct::Graufeld stufen = ct::Faerben(bild, n);
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            QVERIFY2(zellfarbe(x, y) == grau(stufen(x, y)),
                     qPrintable(QStringLiteral("cell %1,%2: %3 instead of gray %4")
                                    .arg(x)
                                    .arg(y)
                                    .arg(zellfarbe(x, y), 0, 16)
                                    .arg(stufen(x, y))));
    const int nc = n * Form12->Modell.Kaestchengroesse;
    QCOMPARE(pixel(Form12->Image3, 0, 0), QRgb(0xFF000000));
    QCOMPARE(pixel(Form12->Image3, nc, nc / 2), QRgb(0xFF000000));
}

}  // namespace

class TestScanlauf : public QObject
{
    Q_OBJECT
private slots:
    void init() { simulatorZeigen(); }

    void ergebnisWieDasModell_data()
    {
        QTest::addColumn<int>("breite");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("darstellung");
        QTest::addColumn<bool>("verlauf");
        QTest::addColumn<int>("winkel");
        QTest::addColumn<bool>("faltung");
        QTest::newRow("am Ende, 10 Grad") << 800 << 4 << "Endergebnis" << false << 10 << false;
        QTest::newRow("am Ende, 2 Grad, Faltung") << 800 << 4 << "Endergebnis" << false << 2 << true;
        QTest::newRow("jeder Schritt, 45 Grad") << 800 << 4 << "Alles" << false << 45 << false;
        QTest::newRow("mit Verlauf, 90 Grad, Faltung") << 800 << 4 << "Alles" << true << 90 << true;
        QTest::newRow("jeder 10., 2 Grad") << 800 << 4 << "Zwischenstufe" << false << 2 << false;
        QTest::newRow("20 bei 1024, am Ende, 45 Grad") << 1024 << 20 << "Endergebnis" << false << 45 << false;
    }

    void ergebnisWieDasModell()
    {
        QFETCH(int, breite);
        QFETCH(int, n);
        QFETCH(QString, darstellung);
        QFETCH(bool, verlauf);
        QFETCH(int, winkel);
        QFETCH(bool, faltung);
        simulatorZeigen(breite, breite * 3 / 4);
        std::vector<Zelle> muster = Muster4;
        if (n == 20) {
            einstellen({E()->Rastergroesse20, E()->Winkel45, E()->Endergebnis});
            muster = {{1, 1}, {5, 5}, {6, 5}, {7, 5}, {10, 12}, {20, 20}, {15, 3}};
            malen(muster);
        } else {
            vierer(winkel, element<QRadioButton>(E(), darstellung), verlauf, faltung);
        }
        Form12->StartButton->click();
        const ct::Simulator modell = modellscan(n, muster, winkel, faltung);
        QVERIFY(gleicheWerte(Form12->Modell.CTBild, modell.CTBild, n));
        QCOMPARE(Form12->Modell.Bildmaximum, modell.Bildmaximum);
        QCOMPARE(Form12->Modell.Bildminimum, modell.Bildminimum);
        zeigtFaerbung(modell.CTBild, n);
        QCOMPARE(FormProgressBar->ProgressBar1->maximum(), 180 / winkel + 1);
        QCOMPARE(FormProgressBar->ProgressBar1->value(), 180 / winkel);

        // done: a CT picture exists, the tools are there, the run controls not
        QVERIFY(Form12->Zustand.StartGesperrt());
        QVERIFY(!Form12->Zustand.Laeuft());
        for (QWidget* w : {(QWidget*)Form12->StartButton, (QWidget*)Form12->StopButton,
                           (QWidget*)Form12->PauseButton, (QWidget*)Form12->SpeedButton})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        for (QWidget* w : {Form12->CTLoeschenButton, Form12->GraucodezeigenButton, Form12->FilterzeigenButton,
                           Form12->ArchivbearbeitenButton, Form12->EinstellungButton, Form12->VorlageLoeschenButton})
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        // the library button as its menu item: none for the small grids
        QCOMPARE(Form12->BibliothekButton->isEnabled(), Form12->Bibliothek->isEnabled());
        QVERIFY(!Form12->BibliothekButton->isEnabled());
        for (QMenu* m : {Form12->Bearbeiten, Form12->Vorlage, Form12->Computertomograph, Form12->CTBildSpeichern,
                         Form12->CTBildLoeschen, Form12->CTBildLaden})
            QVERIFY2(m->isEnabled(), qPrintable(m->objectName()));
        QVERIFY(Form12->Filterzeigen->isEnabled());
        QVERIFY(!Form12->CTLoeschen->isEnabled());
        QVERIFY(!Form12->Graucodezeigen->isEnabled());
        QVERIFY(Form12->Neu1->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!FormProgressBar->isVisible());
        QVERIFY(!Form12->Sichtbild->isVisible());
        QVERIFY(!Form12->FortschrittsAnzeige->isVisible());
        QVERIFY(Form12->StandbildSender->isVisible());
        QVERIFY(Form12->StandbildEmpfaenger->isVisible());
        // Start does nothing now
        Form12->StartButtonClick();
        QVERIFY(gleicheWerte(Form12->Modell.CTBild, modell.CTBild, n));
    }

    void waehrendDesScans_data()
    {
        QTest::addColumn<bool>("amEnde");
        QTest::addColumn<bool>("nachBild");
        QTest::newRow("jeder Schritt") << false << false;
        QTest::newRow("am Ende") << true << false;
        QTest::newRow("jeder Schritt, nach einem Bild") << false << true;
        QTest::newRow("am Ende, nach einem Bild") << true << true;
    }

    // Every control the scan switches off is checked while it runs. After a
    // picture (saved to the archive, then deleted) the menus of the picture
    // and the archive are on when the scan starts; the controls the deletion
    // switched off are switched on here, so that each check can fail.
    void waehrendDesScans()
    {
        QFETCH(bool, amEnde);
        QFETCH(bool, nachBild);
        TForm12* f = Form12;
        const std::vector<QMenu*> menues{f->Vorlage, f->Bearbeiten, f->Computertomograph, f->CTBildSpeichern,
                                         f->CTBildLoeschen, f->CTBildLaden};
        const std::vector<QWidget*> knoepfe{f->VorlageLoeschenButton, f->BibliothekButton, f->CTLoeschenButton,
                                            f->GraucodezeigenButton, f->FilterzeigenButton, f->EinstellungButton,
                                            f->ArchivbearbeitenButton};
        // the commands that have a button as well
        const std::vector<QAction*> befehle{f->Einstellung, f->Bibliothek, f->VorlageLoeschen, f->Filterzeigen};
        vierer(10, amEnde ? E()->Endergebnis : E()->Alles, false);
        if (nachBild) {
            f->StartButton->click();
            f->BildSpeichern[0]->trigger();
            f->CTLoeschenClick();
            for (QMenu* m : menues)
                QVERIFY2(m->isEnabled(), qPrintable(m->objectName()));
            QVERIFY(f->BildLaden[0]->isEnabled());
            for (QWidget* w : knoepfe)
                w->setEnabled(true);
            for (QAction* a : befehle)
                a->setEnabled(true);
        }
        for (QWidget* w : std::initializer_list<QWidget*>{FormBilder38, FormFilter, FormArchivbearbeiten})
            w->show();
        bool geprueft = false, durch = false;
        QImage muster;
        const auto pruefen = [&] {
            if (std::exchange(geprueft, true))
                return;
            QVERIFY(f->Zustand.Laeuft());
            QCOMPARE(f->StopButton->isEnabled(), !amEnde);
            QCOMPARE(f->PauseButton->isEnabled(), !amEnde);
            QCOMPARE(f->SpeedButton->isEnabled(), !amEnde);
            QCOMPARE(FormProgressBar->isVisible(), amEnde);
            QVERIFY(!f->StartButton->isEnabled());
            for (QMenu* m : menues)
                QVERIFY2(!m->isEnabled(), qPrintable(m->objectName()));
            for (QWidget* w : knoepfe)
                QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
            for (QAction* a : befehle)
                QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
            // the items of the menus above cannot be reached; these are off themselves
            QVERIFY(!f->Neu1->isEnabled());
            QVERIFY(!f->CTLoeschen->isEnabled());
            QVERIFY(!f->Graucodezeigen->isEnabled());
            QVERIFY(QApplication::overrideCursor());
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
            QVERIFY(f->Sichtbild->isVisible());
            QVERIFY(f->FortschrittsAnzeige->isVisible());
            QVERIFY(!f->StandbildSender->isVisible());
            for (QWidget* w : std::initializer_list<QWidget*>{FormEinstellungen, FormBilder38, FormFilter,
                                                               FormArchivbearbeiten})
                QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
            // the pattern cannot be changed
            muster = f->Image2->flaeche().bild();
            QTest::mouseClick(f->Image2, Qt::LeftButton, Qt::NoModifier, zellmitte(1, 1));
            QTest::mouseClick(f->Image2, Qt::RightButton, Qt::NoModifier, zellmitte(2, 2));
            QCOMPARE(f->Image2->flaeche().bild(), muster);
            durch = true;
        };
        // checked after the first angle, the scan under way
        const auto verbindung = connect(&f->Zustand, &Simulatorzustand::winkelFertig, this, pruefen);
        f->StartButton->click();
        disconnect(verbindung);
        QVERIFY(durch);
        QVERIFY(f->Zustand.StartGesperrt());
    }

    void leeresMuster()
    {
        vierer(90, E()->Endergebnis, false);
        malen(Muster4, Qt::RightButton);
        QVERIFY(Form12->StartButton->isEnabled());
        Form12->Zustand.setzeBildname({Bildname::Art::Herz});
        Form12->StartButton->click();
        QVERIFY(meldungen().isEmpty());
        QVERIFY(!FormProgressBar->isVisible());
        QVERIFY(!Form12->Zustand.StartGesperrt());
        QVERIFY(!Form12->StartButton->isEnabled());
        QVERIFY(!Form12->Bearbeiten->isEnabled());
        QVERIFY(!Form12->CTLoeschenButton->isEnabled());
        QCOMPARE(Form12->Modell.Weisszahl, 0);
        QCOMPARE(Form12->Statustext(0), QStringLiteral("Bild: unbenannt"));
        QCOMPARE(pixel(Form12->Image3, 100, 100), QRgb(0xFFFFFFFF));
        QCOMPARE(FormProgressBar->ProgressBar1->value(), 0);
        QVERIFY(!Form12->Zustand.Laeuft());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(Form12->EinstellungButton->isEnabled());
        // a cell painted now can be scanned
        malen({{1, 1}});
        Form12->StartButton->click();
        QVERIFY(Form12->Zustand.StartGesperrt());
    }

    void stoppenBehaeltTeilbild()
    {
        vierer(45, E()->Alles, true);
        QElapsedTimer uhr;
        qint64 gestoppt = 0;
        bool startWaehrendDesAuslaufs = true;
        QTimer::singleShot(700, [&] {
            Form12->StopButton->click();
            gestoppt = uhr.elapsed();
            QVERIFY(!Form12->Sichtbild->isVisible());
            QVERIFY(Form12->StandbildSender->isVisible());
            // "Start" stays disabled while the scan winds down, also when a
            // cell is painted meanwhile; a second scan does not start inside
            // the one that is ending
            malen({{2, 2}});
            startWaehrendDesAuslaufs = Form12->StartButton->isEnabled();
            Form12->StartButton->click();
        });
        uhr.start();
        Form12->StartButton->click();
        // the scan ended at its next ray, not after its last angle
        QVERIFY2(uhr.elapsed() - gestoppt < 600, qPrintable(QString::number(uhr.elapsed() - gestoppt)));
        QVERIFY(!startWaehrendDesAuslaufs);
        QVERIFY(!Form12->Zustand.StartGesperrt());
        QVERIFY(!Form12->Zustand.StopVerlangt());
        QVERIFY(Form12->StartButton->isEnabled());
        QVERIFY(!Form12->Zustand.Laeuft());
        const ct::Simulator modell = modellscan(4, Muster4, 45, false);
        QVERIFY(!gleicheWerte(Form12->Modell.CTBild, modell.CTBild, 4));
        QVERIFY(Form12->Modell.Bildmaximum > 0.0f);
        QCOMPARE(Form12->Modell.Bildmaximum, ct::Maximum(Form12->Modell.CTBild, 4));
        QVERIFY(Form12->Bearbeiten->isEnabled());
        QVERIFY(Form12->CTLoeschenButton->isEnabled());
        QVERIFY(FormProgressBar->ProgressBar1->value() < 4);

        // a new start deletes the partial picture first
        E()->Endergebnis->setChecked(true);
        Form12->StartButton->click();
        QVERIFY(gleicheWerte(Form12->Modell.CTBild, modell.CTBild, 4));
    }

    // "Stop" while the scan waits after its last angle: the scan ends as a
    // stopped one (its picture complete), and the next scan runs in full.
    void stoppNachDemLetztenWinkel()
    {
        vierer(90, E()->Alles, false);
        const auto verbindung = connect(&Form12->Zustand, &Simulatorzustand::winkelFertig, Form12, [](int a) {
            if (a == 90)
                Form12->StopButton->click();
        });
        Form12->StartButton->click();
        disconnect(verbindung);
        const ct::Simulator modell = modellscan(4, Muster4, 90, false);
        QVERIFY(gleicheWerte(Form12->Modell.CTBild, modell.CTBild, 4));
        QVERIFY(!Form12->Zustand.StartGesperrt());
        QVERIFY(Form12->StartButton->isEnabled());
        Form12->StartButton->click();
        QVERIFY(gleicheWerte(Form12->Modell.CTBild, modell.CTBild, 4));
        QVERIFY(Form12->Zustand.StartGesperrt());
        zeigtFaerbung(modell.CTBild, 4);
    }

    void pauseHaeltDenScanAn()
    {
        vierer(45, E()->Alles, true);
        int vorher = -1, nachher = -2;
        bool angehalten = false, weiter = false;
        QTimer::singleShot(300, [&] {
            QTimer::singleShot(200, [&] {
                angehalten = FormPause->isVisible() && !Form12->StopButton->isEnabled()
                             && !Form12->SpeedButton->isEnabled();
                vorher = FormProgressBar->ProgressBar1->value() * 1000 + Form12->Modell.Drehwinkel;
            });
            QTimer::singleShot(600, [&] {
                nachher = FormProgressBar->ProgressBar1->value() * 1000 + Form12->Modell.Drehwinkel;
                klicken(FormPause);
            });
            QTimer::singleShot(700, [&] {
                weiter = !FormPause->isVisible() && Form12->StopButton->isEnabled() && Form12->SpeedButton->isEnabled();
            });
            Form12->PauseButton->click();
        });
        Form12->StartButton->click();
        QVERIFY(angehalten);
        QCOMPARE(nachher, vorher);
        QVERIFY(weiter);
        const ct::Simulator modell = modellscan(4, Muster4, 45, false);
        QVERIFY(gleicheWerte(Form12->Modell.CTBild, modell.CTBild, 4));
    }

    void speedZeichnetNichts()
    {
        vierer(10, E()->Alles, false);
        QImage waehrend1, waehrend2;
        bool amEnde = false;
        QTimer::singleShot(50, [&] {
            QTest::mousePress(Form12->SpeedButton, Qt::LeftButton);
            amEnde = E()->Endergebnis->isChecked();
            waehrend1 = Form12->Sichtbild->flaeche().bild();
        });
        QTimer::singleShot(120, [&] {
            waehrend2 = Form12->Sichtbild->flaeche().bild();
            // checking "At the end" during a scan changed nothing else
            QCOMPARE(Form12->Statustext(1), QStringLiteral("Display: Every step"));
            QTest::mouseRelease(Form12->SpeedButton, Qt::LeftButton);
            QVERIFY(E()->Alles->isChecked());
            QCOMPARE(Form12->Statustext(1), QStringLiteral("Darstellung: jeder Schritt"));
        });
        Form12->StartButton->click();
        QVERIFY(amEnde);
        QVERIFY(!waehrend1.isNull());
        QCOMPARE(waehrend2, waehrend1);
        QVERIFY(E()->Alles->isChecked());
        const ct::Simulator modell = modellscan(4, Muster4, 10, false);
        zeigtFaerbung(modell.CTBild, 4);
    }

    void wegWaehrendDesScans_data()
    {
        QTest::addColumn<bool>("minimieren");
        QTest::newRow("Seite zurueck") << false;
        QTest::newRow("minimieren") << true;
    }

    void wegWaehrendDesScans()
    {
        QFETCH(bool, minimieren);
        vierer(10, E()->Alles, false);
        QTimer::singleShot(50, [&] {
            if (minimieren)
                Form12->Minimieren1->trigger();
            else
                Form12->Zurueck->trigger();
        });
        Form12->StartButton->click();
        QVERIFY(!Form12->isVisible());
        QCOMPARE(FormHaupt->Zustand.seite(), minimieren ? 12 : 11);
        const ct::Simulator modell = modellscan(4, Muster4, 10, false);
        QVERIFY(gleicheWerte(Form12->Modell.CTBild, modell.CTBild, 4));
        if (minimieren)
            FormHaupt->setWindowState(Qt::WindowNoState);  // restored from the task bar
        else
            FormHaupt->ZugNeu(12);
        QVERIFY(Form12->isVisible());
        zeigtFaerbung(modell.CTBild, 4);
    }

    void beendenWaehrendDesScans()
    {
        vierer(45, E()->Alles, true);
        QImage bild, sicht, zeichnung;
        int stand = -1;
        QElapsedTimer uhr;
        qint64 ja = 0;
        QTimer::singleShot(300, [&] {
            wennModal([&] {
                bild = Form12->Image3->flaeche().bild();
                sicht = Form12->Sichtbild->flaeche().bild();
                zeichnung = Form12->Image1->flaeche().bild();
                stand = FormProgressBar->ProgressBar1->value();
                ja = uhr.elapsed();
                FormAusstieg->ButtonJa->click();
            });
            QTest::keyClick(Form12, Qt::Key_B, Qt::ControlModifier);
        });
        uhr.start();
        Form12->StartButton->click();
        QVERIFY(Programmende());
        QVERIFY(ja > 0);
        QVERIFY2(uhr.elapsed() - ja < 400, qPrintable(QString::number(uhr.elapsed() - ja)));
        QCOMPARE(Form12->Image3->flaeche().bild(), bild);
        QCOMPARE(Form12->Sichtbild->flaeche().bild(), sicht);
        QCOMPARE(Form12->Image1->flaeche().bild(), zeichnung);
        QCOMPARE(FormProgressBar->ProgressBar1->value(), stand);
        QVERIFY(!Form12->isVisible());
        QVERIFY(!QApplication::overrideCursor());
    }
};

QUORVEL_GUI_TEST_MAIN(TestScanlauf)
#include "test_scanlauf.moc"

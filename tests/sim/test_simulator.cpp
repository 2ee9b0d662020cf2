// The simulator window without running long scans: its layout at both
// screen sizes, the menu, drawing with the mouse, the settings dialog with
// its confirmation, the reset to defaults, restoring settings from an
// archived picture, deleting, and the menu keys.
#include "Simhilfe.h"

#include "app/Fenster.h"
#include "pages/Hilfe.h"
#include "platform/Fensterart.h"
#include "sim/Pause.h"
#include "sim/Statusleiste.h"
#include "tools/Archiv.h"
#include "tools/Bilder38.h"
#include "tools/Bilder56.h"
#include "tools/BlattFilter.h"
#include "tools/Eingabe.h"
#include "tools/Graucode.h"

#include <QActionGroup>
#include <QFontMetricsF>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSet>
#include <QTabWidget>
#include <array>

using namespace Testumgebung;
using namespace Simhilfe;

namespace {

constexpr QRgb Weiss = 0xFFFFFFFF;
constexpr QRgb Schwarz = 0xFF000000;
const QRgb Grau = qRgb(0x80, 0x80, 0x80);

QStringList statustexte()
{
    QStringList t;
    for (int i = 0; i < 6; ++i)
        t << Form12->Statustext(i);
    return t;
}

// A tiny finished scan (4 x 4, two projections, nothing drawn), so that a
// CT picture exists.
void kleinesBild()
{
    einstellen({FormEinstellungen->Rastergroesse4, FormEinstellungen->Winkel90, FormEinstellungen->Endergebnis});
    malen({{2, 2}, {3, 3}});
    Form12->StartButton->click();
}

}  // namespace

class TestSimulator : public QObject
{
    Q_OBJECT
private slots:
    void init() { simulatorZeigen(); }

    void aufbau_data()
    {
        QTest::addColumn<int>("breite");
        QTest::addColumn<QRect>("muster");
        QTest::addColumn<QRect>("bild");
        QTest::addColumn<int>("empfaenger");
        QTest::addColumn<QList<int>>("panels");
        QTest::addColumn<QRect>("pause");
        QTest::addColumn<QPoint>("rot");
        QTest::newRow("800") << 800 << QRect(128, 128, 229, 229) << QRect(551, 128, 229, 229) << 408
                             << QList<int>{110, 175, 90, 128, 190, 107} << QRect(97, 540, 67, 22) << QPoint(70, 250);
        QTest::newRow("1024") << 1024 << QRect(142, 142, 337, 337) << QRect(667, 142, 337, 337) << 514
                              << QList<int>{140, 224, 115, 163, 243, 136} << QRect(124, 686, 86, 29)
                              << QPoint(68, 300);
    }

    void aufbau()
    {
        QFETCH(int, breite);
        QFETCH(QRect, muster);
        QFETCH(QRect, bild);
        QFETCH(int, empfaenger);
        QFETCH(QList<int>, panels);
        QFETCH(QRect, pause);
        QFETCH(QPoint, rot);
        simulatorZeigen(breite, breite * 3 / 4);
        QVERIFY(Form12->isVisible());
        QVERIFY(FormHaupt->verdeckt());
        QCOMPARE(Form12->Image2->geometry(), muster);
        QCOMPARE(Form12->Image3->geometry(), bild);
        QCOMPARE(Form12->Label1->y(), bild.y() - 50);
        QVERIFY(qAbs(Form12->Label1->x() + Form12->Label1->width() / 2 - (bild.x() + bild.width() / 2)) <= 1);
        QCOMPARE(Form12->StandbildEmpfaenger->x(), empfaenger);
        QCOMPARE(aussenrahmen(FormPause), pause);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(Form12->StatusBar1->panelbreite(i), panels[i]);
        QCOMPARE(statustexte(), QStringList({"Picture: unnamed", "Display: Every step", "No progression",
                                             "Rotation angle: 2 degrees", "Filter: no filter", "No convolution"}));
        // the still source is red with a black outline, the still detector white
        QCOMPARE(pixel(Form12->StandbildSender, rot.x(), rot.y()), qRgb(255, 0, 0));
        const int mitte = rot.y();
        QCOMPARE(pixel(Form12->StandbildEmpfaenger, 0, mitte), Schwarz);
        QCOMPARE(pixel(Form12->StandbildEmpfaenger, 4, mitte), Weiss);
        // the empty grid of 38 cells and an empty picture frame
        const int c = Form12->Modell.Kaestchengroesse;
        QCOMPARE(c, breite == 800 ? 6 : 8);
        QCOMPARE(pixel(Form12->Image2, c, 1), Schwarz);
        QCOMPARE(pixel(Form12->Image2, c / 2, c / 2), Weiss);
        QCOMPARE(pixel(Form12->Image3, 38 * c, 5), Schwarz);
        QCOMPARE(pixel(Form12->Image3, 5, 5), Weiss);
        QCOMPARE(pixel(Form12->Image3, 38 * c + 1, 5), Weiss);
        for (QWidget* aus : {(QWidget*)Form12->StartButton, (QWidget*)Form12->PauseButton,
                             (QWidget*)Form12->StopButton, (QWidget*)Form12->SpeedButton,
                             (QWidget*)Form12->CTLoeschenButton, (QWidget*)Form12->GraucodezeigenButton,
                             (QWidget*)Form12->FilterzeigenButton, (QWidget*)Form12->ArchivbearbeitenButton})
            QVERIFY2(!aus->isEnabled(), qPrintable(aus->objectName()));
        for (QWidget* an : {Form12->EinstellungButton, Form12->BibliothekButton, Form12->VorlageLoeschenButton,
                            Form12->ArchivzeigenButton})
            QVERIFY2(an->isEnabled(), qPrintable(an->objectName()));
    }

    // Every text the simulator sets into its status panels fits the panel's
    // text rectangle, at both layouts: the settings, the library pictures,
    // every filter, the archive loads and the reset to the defaults.
    void statustexteGanzSichtbar_data()
    {
        QTest::addColumn<int>("breite");
        QTest::newRow("800") << 800;
        QTest::newRow("1024") << 1024;
    }

    void statustexteGanzSichtbar()
    {
        QFETCH(int, breite);
        simulatorZeigen(breite, breite * 3 / 4);
        Statusleiste* leiste = Form12->StatusBar1;
        const QFontMetricsF masse(leiste->font());
        QStringList zuBreit;
        std::array<QSet<QString>, 6> gesehen;
        const auto pruefen = [&] {
            for (int i = 0; i < 6; ++i) {
                const QString t = Form12->Statustext(i);
                const QRect r = leiste->textrechteck(i);
                gesehen[std::size_t(i)].insert(t);
                if (masse.horizontalAdvance(t) > r.width() || r.right() >= leiste->width())
                    zuBreit << QStringLiteral("%1: \"%2\" %3 > %4").arg(i).arg(t).arg(masse.horizontalAdvance(t)).arg(r.width());
            }
        };
        pruefen();
        TFormEinstellungen* e = FormEinstellungen;
        for (QRadioButton* k : {e->Winkel1, e->Winkel10, e->Winkel45, e->Winkel90, e->Winkel2, e->Zwischenstufe,
                                e->Endergebnis, e->Alles, e->mitVerlauf, e->ohneVerlauf, e->mitFaltung,
                                e->ohneFaltung}) {
            einstellen({k});
            pruefen();
        }
        for (QRadioButton* raster : {e->Rastergroesse38, e->Rastergroesse56}) {
            einstellen({raster});
            Musterbibliothek* b = raster == e->Rastergroesse38 ? (Musterbibliothek*)FormBilder38 : (Musterbibliothek*)FormBilder56;
            for (int reiter = 0; reiter < b->Bilder->count(); ++reiter) {
                Form12->BibliothekButton->click();
                b->Bilder->setCurrentIndex(reiter);
                b->UebernehmenButton->click();
                pruefen();
            }
            Form12->VorlageLoeschenButton->click();
            pruefen();
        }
        kleinesBild();
        Form12->FilterzeigenButton->click();
        for (QRadioButton* r : FormFilter->findChildren<QRadioButton*>()) {
            if (r == FormFilter->Eigenkreation)
                continue;
            r->click();
            pruefen();
        }
        FormFilter->Eigenkreation->click();
        FormEingabe->UebernehmenButton->click();
        pruefen();
        for (int k = 1; k <= 5; ++k) {
            Form12->BildSpeichern[std::size_t(k - 1)]->trigger();
            Form12->BildLaden[std::size_t(k - 1)]->trigger();
            pruefen();
        }
        Form12->Neu1->trigger();
        pruefen();
        zuBreit.removeDuplicates();
        QVERIFY2(zuBreit.isEmpty(), qPrintable(zuBreit.join(QStringLiteral("; "))));
        // every text was there: the first texts and the German ones of the
        // settings, 3 library pictures, 13 filters and 5 archive slots
        const std::array<int, 6> anzahl{10, 4, 3, 6, 14, 3};
        for (std::size_t i = 0; i < 6; ++i)
            QCOMPARE(int(gesehen[i].size()), anzahl[i]);
    }

    void menue()
    {
        TForm12* f = Form12;
        for (QMenu* m : {f->Bearbeiten, f->CTBildSpeichern, f->CTBildLoeschen, f->CTBildLaden})
            QVERIFY2(!m->isEnabled(), qPrintable(m->objectName()));
        for (QMenu* m : {f->Datei, f->Computertomograph, f->Vorlage, f->Archiv, f->Lexikon2, f->Sonstiges1})
            QVERIFY2(m->isEnabled(), qPrintable(m->objectName()));
        for (std::size_t i = 0; i < 5; ++i) {
            QVERIFY(f->BildSpeichern[i]->isEnabled());
            QVERIFY(!f->BildLoeschen[i]->isEnabled());
            QVERIFY(!f->BildLaden[i]->isEnabled());
            QVERIFY(f->BildLaden[i]->actionGroup() == f->BildLadenGruppe);
        }
        QCOMPARE(f->CTBildSpeichern->title(), QStringLiteral("CT Picutre &save as"));  // the program's own spelling
        const std::pair<QAction*, const char*> tasten[] = {
            {f->Neu1, "Ctrl+N"}, {f->Zurueck, "Ctrl+S"}, {f->Beenden, "Ctrl+B"}, {f->Einstellung, "Ctrl+E"},
            {f->VorlageLoeschen, "Ctrl+V"}, {f->CTLoeschen, "Ctrl+L"}, {f->Graucodezeigen, "Ctrl+G"},
            {f->Filterzeigen, "Ctrl+F"}, {f->Archivzeigen, "Ctrl+A"}, {f->Hilfe, "F1"}, {f->Info1, "Ctrl+I"}};
        for (const auto& [a, taste] : tasten)
            QCOMPARE(a->shortcut().toString(), QString::fromLatin1(taste));
        const auto folge = [](QMenu* m) {
            QStringList namen;
            for (QAction* a : m->actions())
                namen << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
            return namen.join(' ');
        };
        QCOMPARE(folge(f->Datei), QStringLiteral("Neu1 Minimieren1 - Zurueck - Beenden"));
        QCOMPARE(folge(f->Sonstiges1), QStringLiteral("Hilfe - Danksagung Quellen2 - Info1 - UeberQuorvel UeberQt"));
    }

    void malenAnDenRaendern_data()
    {
        QTest::addColumn<int>("breite");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("c");
        QTest::newRow("4 bei 800") << 800 << 4 << 54;
        QTest::newRow("20 bei 800") << 800 << 20 << 10;
        QTest::newRow("38 bei 800") << 800 << 38 << 6;
        QTest::newRow("56 bei 800") << 800 << 56 << 4;
        QTest::newRow("4 bei 1024") << 1024 << 4 << 76;
        QTest::newRow("56 bei 1024") << 1024 << 56 << 6;
    }

    void malenAnDenRaendern()
    {
        QFETCH(int, breite);
        QFETCH(int, n);
        QFETCH(int, c);
        simulatorZeigen(breite, breite * 3 / 4);
        // first some cells of the old grid, which the new grid replaces
        malen({{1, 1}, {2, 2}});
        TFormEinstellungen* e = FormEinstellungen;
        if (n == 38) {
            // the default grid: change away and back
            einstellen({e->Rastergroesse56});
            einstellen({e->Rastergroesse38});
        } else {
            einstellen({n == 4 ? e->Rastergroesse4 : n == 20 ? e->Rastergroesse20 : e->Rastergroesse56});
        }
        QCOMPARE(Form12->Modell.Raster, n);
        QCOMPARE(Form12->Modell.Kaestchengroesse, c);
        QVERIFY(!Form12->StartButton->isEnabled());
        const int nc = n * c;
        // a fresh grid: lines on the multiples of c, white inside and beyond
        for (int i = 0; i <= n; ++i)
            QCOMPARE(pixel(Form12->Image2, i * c, c / 2), Schwarz);
        for (const auto& [x, y] : std::vector<Zelle>{{1, 1}, {2, 2}, {n, n}})
            QCOMPARE(pixel(Form12->Image2, zellmitte(x, y).x(), zellmitte(x, y).y()), Weiss);
        QCOMPARE(pixel(Form12->Image2, nc + 1, c / 2), Weiss);

        // on the border or the outer edge nothing is painted
        for (QPoint p : {QPoint(0, c / 2), QPoint(c / 2, 0), QPoint(nc, c / 2), QPoint(c / 2, nc), QPoint(nc, nc)})
            QTest::mouseClick(Form12->Image2, Qt::LeftButton, Qt::NoModifier, p);
        QVERIFY(!Form12->StartButton->isEnabled());
        QCOMPARE(pixel(Form12->Image2, c / 2, c / 2), Weiss);
        QCOMPARE(pixel(Form12->Image2, nc + c / 2, c / 2), Weiss);
        QCOMPARE(pixel(Form12->Image2, c / 2, nc + c / 2), Weiss);

        // inside: the cell's inside turns gray, its grid lines stay
        malen({{n, n}});
        QVERIFY(Form12->StartButton->isEnabled());
        const QPoint m = zellmitte(n, n);
        QCOMPARE(pixel(Form12->Image2, m.x(), m.y()), Grau);
        QCOMPARE(pixel(Form12->Image2, (n - 1) * c + 1, (n - 1) * c + 1), Grau);
        QCOMPARE(pixel(Form12->Image2, nc - 1, nc - 1), Grau);
        QCOMPARE(pixel(Form12->Image2, (n - 1) * c, m.y()), Schwarz);
        QCOMPARE(pixel(Form12->Image2, nc, m.y()), Schwarz);
        // just inside the first cell
        QTest::mouseClick(Form12->Image2, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
        QCOMPARE(pixel(Form12->Image2, c / 2, c / 2), Grau);
        // the right button paints white again, the middle one nothing
        QTest::mouseClick(Form12->Image2, Qt::MiddleButton, Qt::NoModifier, QPoint(1, 1));
        QCOMPARE(pixel(Form12->Image2, c / 2, c / 2), Grau);
        malen({{n, n}}, Qt::RightButton);
        QCOMPARE(pixel(Form12->Image2, m.x(), m.y()), Weiss);
    }

    void mausBewegungMalt()
    {
        const QPoint a = zellmitte(3, 3), b = zellmitte(4, 3), d = zellmitte(5, 3), f = zellmitte(6, 3);
        mausBewegen(Form12->Image2, a, Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(pixel(Form12->Image2, a.x(), a.y()), Grau);
        QVERIFY(!Form12->StartButton->isEnabled());  // moving does not enable Start
        mausBewegen(Form12->Image2, b, Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
        mausBewegen(Form12->Image2, b, Qt::LeftButton, Qt::ShiftModifier);
        mausBewegen(Form12->Image2, b, Qt::LeftButton, Qt::ControlModifier);
        mausBewegen(Form12->Image2, b, Qt::NoButton, Qt::NoModifier);
        QCOMPARE(pixel(Form12->Image2, b.x(), b.y()), Weiss);
        mausBewegen(Form12->Image2, d, Qt::LeftButton, Qt::NoModifier);
        mausBewegen(Form12->Image2, f, Qt::LeftButton, Qt::NoModifier);
        mausBewegen(Form12->Image2, d, Qt::RightButton, Qt::NoModifier);
        QCOMPARE(pixel(Form12->Image2, d.x(), d.y()), Weiss);
        QCOMPARE(pixel(Form12->Image2, f.x(), f.y()), Grau);
        // beyond the grid nothing, also with the mouse held outside the image
        mausBewegen(Form12->Image2, QPoint(-3, a.y()), Qt::LeftButton, Qt::NoModifier);
        mausBewegen(Form12->Image2, QPoint(228, a.y()), Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(pixel(Form12->Image2, 228, a.y()), Schwarz);
        QCOMPARE(pixel(Form12->Image2, zellmitte(38, 3).x(), a.y()), Weiss);
        QCOMPARE(pixel(Form12->Image2, zellmitte(1, 3).x(), a.y()), Weiss);
    }

    void keinMalenSolangeEinBildDa()
    {
        kleinesBild();
        QVERIFY(Form12->Zustand.StartGesperrt());
        const QPoint m = zellmitte(1, 1);
        QTest::mouseClick(Form12->Image2, Qt::LeftButton, Qt::NoModifier, m);
        mausBewegen(Form12->Image2, m, Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(pixel(Form12->Image2, m.x(), m.y()), Weiss);
        malen({{2, 2}}, Qt::RightButton);
        QCOMPARE(pixel(Form12->Image2, zellmitte(2, 2).x(), zellmitte(2, 2).y()), Grau);
        Form12->CTLoeschenButton->click();
        malen({{1, 1}});
        QCOMPARE(pixel(Form12->Image2, m.x(), m.y()), Grau);
    }

    void einstellungenOhneAenderung()
    {
        kleinesBild();
        const QImage bild = Form12->Image3->flaeche().bild();
        Form12->Einstellung->trigger();
        QVERIFY(FormEinstellungen->isVisible());
        QVERIFY(!Form12->Zustand.Anwenden());
        // placed three fifths across and halfway down the simulator
        QCOMPARE(aussenort(FormEinstellungen).x(), (Form12->width() - aussenbreite(FormEinstellungen)) * 3 / 5);
        QCOMPARE(aussenort(FormEinstellungen).y(), (Form12->height() - aussenhoehe(FormEinstellungen)) / 2);
        FormEinstellungen->OKButton->click();
        QVERIFY(!FormEinstellungen->isVisible());
        QVERIFY(!FormHinweis->isVisible());
        QVERIFY(Form12->Zustand.StartGesperrt());
        QCOMPARE(Form12->Image3->flaeche().bild(), bild);
        QVERIFY(Form12->Zustand.Anwenden());
    }

    void faltungAbbrechenUndBestaetigen()
    {
        kleinesBild();
        const QStringList texte = statustexte();
        bool gefragt = false;
        // Abort: picture and settings stay
        wennModal([&] {
            gefragt = FormHinweis->isVisible();
            FormHinweis->AbbrechenButton->click();
        });
        Form12->EinstellungButton->click();
        FormEinstellungen->mitFaltung->click();
        FormEinstellungen->OKButton->click();
        QVERIFY(gefragt);
        QVERIFY(!FormHinweis->isVisible());
        QVERIFY(!FormEinstellungen->isVisible());
        QVERIFY(FormEinstellungen->ohneFaltung->isChecked());
        QVERIFY(!Form12->Modell.Faltung);
        QVERIFY(Form12->Zustand.StartGesperrt());
        QCOMPARE(statustexte(), texte);
        QVERIFY(!Form12->Zustand.Anwenden());
        QVERIFY(Form12->Zustand.GewaehlteEinstellung() == Form12->Zustand.AktuelleEinstellung());

        // OK: the picture goes, the convolution comes
        gefragt = false;
        wennModal([&] {
            gefragt = FormHinweis->isVisible();
            FormHinweis->OKButton->click();
        });
        Form12->EinstellungButton->click();
        FormEinstellungen->mitFaltung->click();
        FormEinstellungen->OKButton->click();
        QVERIFY(gefragt);
        QVERIFY(!FormEinstellungen->isVisible());
        QVERIFY(Form12->Modell.Faltung);
        QCOMPARE(Form12->Statustext(5), QStringLiteral("mit Faltung"));
        QVERIFY(!Form12->Zustand.StartGesperrt());
        QVERIFY(Form12->StartButton->isEnabled());
        QCOMPARE(pixel(Form12->Image3, 30, 30), Weiss);
        QCOMPARE(Form12->Modell.CTBild(2, 2).Wert, 0.0f);
        QVERIFY(Form12->Zustand.AktuelleEinstellung().Faltung);
    }

    void winkel45OhneZwischenstufe()
    {
        TFormEinstellungen* e = FormEinstellungen;
        einstellen({e->Zwischenstufe});
        QCOMPARE(Form12->Statustext(1), QStringLiteral("Darstellung: jeder 10. Schritt"));
        Form12->EinstellungButton->click();
        e->Winkel45->click();
        QVERIFY(!e->Zwischenstufe->isEnabled());
        QVERIFY(e->Zwischenstufe->isChecked());
        QCOMPARE(Form12->Modell.Winkelschritt, 2);  // nothing applied before OK
        e->OKButton->click();
        QVERIFY(e->Alles->isChecked());
        QCOMPARE(Form12->Statustext(1), QStringLiteral("Darstellung: jeder Schritt"));
        QCOMPARE(Form12->Statustext(3), QStringLiteral("Drehwinkel: 45 Grad"));
        QCOMPARE(Form12->Modell.Winkelschritt, 45);
        // "Every step" is now the confirmed display too
        QVERIFY(Form12->Zustand.AktuelleEinstellung().Darstellung == ct::Darstellung::Alles);
        Form12->EinstellungButton->click();
        e->Winkel10->click();
        QVERIFY(e->Zwischenstufe->isEnabled());
        QVERIFY(!e->Zwischenstufe->isChecked());
        e->OKButton->click();
        QCOMPARE(Form12->Modell.Winkelschritt, 10);
    }

    void rastergroesseUndBibliothek()
    {
        TFormEinstellungen* e = FormEinstellungen;
        zeigenVorn(FormBilder38);
        einstellen({e->Rastergroesse20});
        QVERIFY(!FormBilder38->isVisible());
        QVERIFY(!Form12->Bibliothek->isEnabled());
        QVERIFY(!Form12->BibliothekButton->isEnabled());
        QCOMPARE(Form12->Statustext(0), QStringLiteral("Bild: unbenannt"));
        einstellen({e->Rastergroesse56});
        QVERIFY(Form12->Bibliothek->isEnabled());
        QVERIFY(Form12->BibliothekButton->isEnabled());
        // the library of the grid in use
        Form12->BibliothekButton->click();
        QVERIFY(FormBilder56->isVisible());
        einstellen({e->Rastergroesse38});
        QVERIFY(!FormBilder56->isVisible());
        Form12->Bibliothek->trigger();
        QVERIFY(FormBilder38->isVisible());
    }

    void standardwerte()
    {
        TFormEinstellungen* e = FormEinstellungen;
        einstellen({e->Rastergroesse20, e->Winkel10, e->Endergebnis, e->mitVerlauf, e->mitFaltung});
        malen({{3, 3}});
        Form12->Zustand.setzeBildname({Bildname::Art::Herz});
        Form12->Neu1->trigger();
        QCOMPARE(Form12->Modell.Raster, 38);
        QCOMPARE(Form12->Modell.Winkelschritt, 2);
        QVERIFY(!Form12->Modell.Faltung);
        for (QRadioButton* r : {e->Rastergroesse38, e->Winkel2, e->Alles, e->ohneVerlauf, e->ohneFaltung})
            QVERIFY2(r->isChecked(), qPrintable(r->objectName()));
        QCOMPARE(statustexte(), QStringList({"Bild: unbenannt", "Darstellung: jeder Schritt", "ohne Verlauf",
                                             "Drehwinkel: 2 Grad", "Filter: no filter", "ohne Faltung"}));
        QVERIFY(!Form12->StartButton->isEnabled());
        QCOMPARE(pixel(Form12->Image2, zellmitte(3, 3).x(), zellmitte(3, 3).y()), Weiss);
        // the defaults are now the settings the dialog compares with
        einstellen({e->Rastergroesse20});
        QCOMPARE(Form12->Modell.Raster, 20);
    }

    void standardwerteVorDemErstenOK()
    {
        // before any confirmation the reset only records the defaults as the
        // choice, which are the settings in effect anyway
        TFormEinstellungen* e = FormEinstellungen;
        Form12->EinstellungButton->click();
        e->mitVerlauf->click();
        Form12->Neu1->trigger();
        QVERIFY(e->ohneVerlauf->isChecked());
        QVERIFY(Form12->Zustand.GewaehlteEinstellung() == Form12->Zustand.AktuelleEinstellung());
        QCOMPARE(Form12->Statustext(2), QStringLiteral("No progression"));
        e->OKButton->click();
        QVERIFY(!e->isVisible());
    }

    // Restoring an archived picture's record: the status values as they
    // were shown (a panel's first text comes back as it was, but for the
    // display's, which means every step), the selected choices, the picture
    // values, and both records of the dialog.
    void einstellungsCheck_data()
    {
        using D = ct::Darstellung;
        QTest::addColumn<int>("darstellung");   // -1: the panel's first text
        QTest::addColumn<int>("verlauf");       // -1: first text, else 0 or 1
        QTest::addColumn<int>("winkel");
        QTest::addColumn<int>("faltung");       // -1: first text, else 0 or 1
        QTest::addColumn<QStringList>("texte");  // panels 1, 2, 3, 5
        QTest::addColumn<QString>("darstellungKnopf");
        QTest::addColumn<QString>("winkelKnopf");
        QTest::newRow("jeder Schritt") << int(D::Alles) << 1 << 1 << 1
                                       << QStringList{"Darstellung: jeder Schritt", "mit Verlauf", "Drehwinkel: 1 Grad",
                                                      "mit Faltung"}
                                       << "Alles" << "Winkel1";
        QTest::newRow("jeder 10.") << int(D::Zwischenstufe) << 0 << 10 << 0
                                   << QStringList{"Darstellung: jeder 10. Schritt", "ohne Verlauf",
                                                  "Drehwinkel: 10 Grad", "ohne Faltung"}
                                   << "Zwischenstufe" << "Winkel10";
        QTest::newRow("Endergebnis") << int(D::Endergebnis) << 0 << 45 << 1
                                     << QStringList{"Darstellung: Endergebnis", "ohne Verlauf", "Drehwinkel: 45 Grad",
                                                    "mit Faltung"}
                                     << "Endergebnis" << "Winkel45";
        QTest::newRow("erste Texte") << -1 << -1 << 90 << -1
                                     << QStringList{"Darstellung: jeder Schritt", "No progression",
                                                    "Drehwinkel: 90 Grad", "No convolution"}
                                     << "Alles" << "Winkel90";
    }

    void einstellungsCheck()
    {
        QFETCH(int, darstellung);
        QFETCH(int, verlauf);
        QFETCH(int, winkel);
        QFETCH(int, faltung);
        QFETCH(QStringList, texte);
        QFETCH(QString, darstellungKnopf);
        QFETCH(QString, winkelKnopf);
        Bildinformation info;
        info.Status.Bild = Bildname{Bildname::Art::Gehirn};
        if (darstellung >= 0)
            info.Status.Darstellung = ct::Darstellung(darstellung);
        if (verlauf >= 0)
            info.Status.Verlauf = verlauf == 1;
        if (faltung >= 0)
            info.Status.Faltung = faltung == 1;
        info.Winkelschritt = winkel;
        info.Filternummer = ct::Filterart::Gauss;
        info.Bildmaximum = 123.5f;
        info.Bildminimum = -4.0f;
        info.Schieberposition = 77;
        // The Gauss filter is the one chosen already, so restoring it runs no
        // filter (which would set its own maximum and slider position).
        FormFilter->Gaussfilter->setChecked(true);
        Form12->Zustand.EinstellungsCheck(info);
        QCOMPARE(statustexte(), QStringList({"Bild: Gehirn", texte[0], texte[1], texte[2],
                                             QString::fromUtf8("Filter: Gaußfilter"), texte[3]}));
        QCOMPARE(Form12->Modell.Winkelschritt, winkel);
        QVERIFY(Form12->Zustand.Filternummer() == ct::Filterart::Gauss);
        QCOMPARE(Form12->Modell.Bildmaximum, 123.5f);
        QCOMPARE(Form12->Modell.Bildminimum, -4.0f);
        QCOMPARE(FormGraucode->Schieberposition(), 77);
        TFormEinstellungen* e = FormEinstellungen;
        QVERIFY(element<QRadioButton>(e, darstellungKnopf)->isChecked());
        QVERIFY(element<QRadioButton>(e, winkelKnopf)->isChecked());
        QCOMPARE(e->mitVerlauf->isChecked(), verlauf == 1);
        QCOMPARE(e->mitFaltung->isChecked(), faltung == 1);
        // the restored choices are the confirmed ones
        QCOMPARE(e->Knopf(Einstellungsgruppe::Darstellung,
                          int(Form12->Zustand.AktuelleEinstellung().Darstellung)),
                 element<QRadioButton>(e, darstellungKnopf));
        QVERIFY(Form12->Zustand.GewaehlteEinstellung() == Form12->Zustand.AktuelleEinstellung());
    }

    void ctBildLoeschenBehaeltVorlage()
    {
        kleinesBild();
        Form12->BildSpeichern[1]->setChecked(true);  // as after saving slot 2
        Form12->Zustand.SchieberSetzen(40);
        FormGraucode->show();
        const QImage vorlage = Form12->Image2->flaeche().bild();
        Form12->CTLoeschenButton->click();
        QCOMPARE(Form12->Image2->flaeche().bild(), vorlage);
        QVERIFY(!Form12->Zustand.StartGesperrt());
        QVERIFY(Form12->StartButton->isEnabled());
        QCOMPARE(pixel(Form12->Image3, 100, 100), Weiss);
        QCOMPARE(pixel(Form12->Image3, 216, 100), Schwarz);
        QVERIFY(!FormGraucode->isVisible());
        QCOMPARE(FormGraucode->Schieberposition(), 0);
        for (QAction* a : {Form12->Graucodezeigen, Form12->Filterzeigen, Form12->CTLoeschen})
            QVERIFY(!a->isEnabled());
        for (QPushButton* k : {Form12->GraucodezeigenButton, Form12->FilterzeigenButton, Form12->CTLoeschenButton})
            QVERIFY(!k->isEnabled());
        QVERIFY(Form12->BildSpeichern[1]->isChecked());
        QVERIFY(FormFilter->keinFilter->isChecked());
        for (int x = 1; x <= 56; ++x)
            for (int y = 1; y <= 56; ++y)
                QVERIFY(Form12->Modell.CTBild(x, y) == ct::Bildpunkt{});
        // and a scan can start again at once
        Form12->StartButton->click();
        QVERIFY(Form12->Zustand.StartGesperrt());
    }

    void ctBildLoeschenGibtEinstellungenFrei()
    {
        TFormEinstellungen* e = FormEinstellungen;
        // a loaded archive picture (taken at 90 degrees) locks the settings
        kleinesBild();
        Form12->BildSpeichern[2]->trigger();
        Form12->BildLaden[2]->trigger();
        for (QRadioButton* r : {e->Winkel1, e->Winkel2, e->Winkel10, e->Winkel45, e->Winkel90, e->Alles,
                                e->Zwischenstufe, e->Endergebnis, e->mitFaltung, e->ohneFaltung})
            QVERIFY2(!r->isEnabled(), qPrintable(r->objectName()));
        QVERIFY(Form12->BildLaden[2]->isChecked());
        QCOMPARE(Form12->Zustand.Archivbildnummer(), 3);
        Form12->CTLoeschenClick();
        for (QRadioButton* r : {e->Winkel1, e->Winkel2, e->Winkel10, e->Winkel45, e->Winkel90, e->Alles,
                                e->Endergebnis, e->mitFaltung, e->ohneFaltung})
            QVERIFY2(r->isEnabled(), qPrintable(r->objectName()));
        // "Every 10 steps" stays unavailable with 90 degrees
        QVERIFY(!e->Zwischenstufe->isEnabled());
        QVERIFY(!Form12->BildLaden[2]->isChecked());
        QCOMPARE(Form12->Zustand.Archivbildnummer(), 0);
    }

    void vorlageLoeschen()
    {
        kleinesBild();
        Form12->Zustand.setzeBildname({Bildname::Art::Herz});
        Form12->BildSpeichern[0]->setChecked(true);
        Form12->BildLoeschen[0]->setEnabled(true);
        Form12->BildLaden[0]->setEnabled(true);
        const QPoint m = zellmitte(2, 2);
        QCOMPARE(pixel(FormArchiv->Image0, m.x(), m.y()), Grau);  // the scan's copy of the pattern
        Form12->VorlageLoeschen->trigger();
        QCOMPARE(Form12->Statustext(0), QStringLiteral("Bild: unbenannt"));
        QCOMPARE(pixel(Form12->Image2, m.x(), m.y()), Weiss);
        QCOMPARE(pixel(FormArchiv->Image0, m.x(), m.y()), Weiss);
        QCOMPARE(pixel(FormArchiv->Image0, 54, m.y()), Schwarz);
        QVERIFY(!Form12->BildSpeichern[0]->isChecked());
        QVERIFY(!Form12->BildLoeschen[0]->isEnabled());
        QVERIFY(!Form12->BildLaden[0]->isEnabled());
        for (QMenu* menue : {Form12->CTBildLoeschen, Form12->CTBildSpeichern, Form12->CTBildLaden, Form12->Bearbeiten})
            QVERIFY(!menue->isEnabled());
        for (QWidget* k : {(QWidget*)Form12->CTLoeschenButton, (QWidget*)Form12->GraucodezeigenButton,
                           (QWidget*)Form12->FilterzeigenButton, (QWidget*)Form12->ArchivbearbeitenButton,
                           (QWidget*)Form12->StartButton})
            QVERIFY(!k->isEnabled());
        QCOMPARE(Form12->Modell.Weisszahl, 0);
        QVERIFY(Form12->StandbildSender->isVisible());
        QVERIFY(!Form12->Sichtbild->isVisible());
    }

    void strahlenWieEinzelnGezeichnet_data()
    {
        QTest::addColumn<int>("breite");
        QTest::addColumn<int>("n");
        QTest::newRow("38 bei 800") << 800 << 38;
        QTest::newRow("4 bei 800") << 800 << 4;
        QTest::newRow("56 bei 800") << 800 << 56;
        QTest::newRow("20 bei 1024") << 1024 << 20;
    }

    void strahlenWieEinzelnGezeichnet()
    {
        // Outlines, ray segments, readings and rays drawn one after the other
        // exactly as the scan asks for them, straight onto a surface.
        QFETCH(int, breite);
        QFETCH(int, n);
        simulatorZeigen(breite, breite * 3 / 4);
        TFormEinstellungen* e = FormEinstellungen;
        if (n != 38)
            einstellen({n == 4 ? e->Rastergroesse4 : n == 20 ? e->Rastergroesse20 : e->Rastergroesse56});
        const ct::Simulator& m = Form12->Modell;
        const QSize groesse = Form12->Image1->flaeche().groesse();
        for (int a : {0, 1, 17, 45, 46, 89, 90, 91, 134, 135, 179}) {
            Zeichenflaeche soll(groesse.width(), groesse.height());
            const auto punkte = [](const ct::Viereck& v, bool zu) {
                std::vector<QPoint> p;
                for (const ct::Punkt& q : v)
                    p.emplace_back(q.x, q.y);
                if (zu)
                    p.push_back(p.front());
                return p;
            };
            const auto umriss = [&] {
                soll.setzeStift(0x000000);
                const ct::Geraeteumriss u = m.CTUmrisse(a);
                for (const ct::Viereck& v : {u.Sender, u.Detektor1, u.Detektor2})
                    soll.polyline(punkte(v, true));
            };
            const auto viereck = [&](QRgb farbe, const ct::Viereck& v) {
                soll.setzePinsel(farbe);
                soll.setzeStift(farbe);
                soll.polygon(punkte(v, false));
            };
            Form12->WinkelBeginn(a);
            Form12->CTZeichnen(a);
            umriss();
            const bool gerade = a == 0 || a == 90;
            for (int k = 1; k <= m.Strahlzahl; ++k) {
                const int anzahl = (k * 7) % 13;
                if (!gerade) {
                    Form12->CTZeichnen(a);
                    umriss();
                }
                Form12->RoentgenZeichnen(a, k, anzahl);
                const ct::Strahlbild s = m.RoentgenTeile(a, k, anzahl);
                viereck(0xFF0000, s.Sender);
                viereck(s.Strahl.Rgb(), s.Detektor1);
                viereck(s.Anzeige.Rgb(), s.Detektor2);
                umriss();
                soll.setzeStift(0xFF0000);
                soll.moveTo(s.Anfang.x, s.Anfang.y);
                soll.lineTo(s.Ende.x, s.Ende.y);
            }
            Form12->CTZeichnen(a);
            umriss();
            QVERIFY2(Form12->Image1->flaeche().bild() == soll.bild(), qPrintable(QStringLiteral("angle %1").arg(a)));
        }
    }

    void tastenDesSimulators()
    {
        // the desktop cannot close it: it is left through its menu
        QVERIFY(!Form12->close());
        QVERIFY(Form12->isVisible());
        QTest::keyClick(Form12, Qt::Key_E, Qt::ControlModifier);
        QVERIFY(FormEinstellungen->isVisible());
        FormEinstellungen->hide();
        // the items of a disabled menu do not answer their keys
        QVERIFY(!Form12->Bearbeiten->isEnabled());
        QTest::keyClick(Form12, Qt::Key_L, Qt::ControlModifier);
        QVERIFY(!Form12->StartButton->isEnabled());
        QTest::keyClick(Form12, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(FormHaupt->Zustand.seite(), 11);
        QVERIFY(!Form12->isVisible());
        QVERIFY(!FormHaupt->verdeckt());
        // hidden, the simulator answers no key
        QTest::keyClick(FormHaupt, Qt::Key_E, Qt::ControlModifier);
        QVERIFY(!FormEinstellungen->isVisible());
    }
};

QUORVEL_GUI_TEST_MAIN(TestSimulator)
#include "test_simulator.moc"

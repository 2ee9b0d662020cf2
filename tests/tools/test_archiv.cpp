// The picture archive and the pattern library: sizes at both layouts, saving,
// deleting and loading from all three entry points, what a load restores
// (the saved picture, whatever was chosen before), the locking of the scan
// settings, deleting the loaded slot, the pattern or the CT picture, the
// editing window's radio buttons, the archive during a scan, and taking a
// library pattern.
#include "Werkzeughilfe.h"

#include "platform/Fensterart.h"
#include "tools/Archiv.h"
#include "tools/Archivbearbeiten.h"
#include "tools/Bilder38.h"
#include "tools/Bilder56.h"
#include "tools/BlattFilter.h"
#include "tools/Eingabe.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

using namespace Testumgebung;
using namespace Werkzeughilfe;

namespace {

enum class Weg { Menue, Popup, Bearbeiten };

std::size_t i(int k)
{
    return std::size_t(k - 1);
}

void speichern(int k, Weg weg = Weg::Menue)
{
    if (weg == Weg::Bearbeiten)
        FormArchivbearbeiten->Speicherknopf(k)->click();
    else
        Form12->BildSpeichern[i(k)]->trigger();
}

void loeschen(int k, Weg weg = Weg::Menue)
{
    switch (weg) {
    case Weg::Menue: Form12->BildLoeschen[i(k)]->trigger(); break;
    case Weg::Popup: FormArchiv->Loeschpunkte[i(k)]->trigger(); break;
    case Weg::Bearbeiten: FormArchivbearbeiten->Loeschknopf(k)->click(); break;
    }
}

void laden(int k, Weg weg = Weg::Menue)
{
    switch (weg) {
    case Weg::Menue: Form12->BildLaden[i(k)]->trigger(); break;
    case Weg::Popup: FormArchiv->Ladepunkte[i(k)]->trigger(); break;
    case Weg::Bearbeiten: FormArchivbearbeiten->Ladeknopf(k)->click(); break;
    }
}

// Slot k as every entry point shows it: filled or empty.
void fachPruefen(int k, bool voll)
{
    QCOMPARE(Form12->BildSpeichern[i(k)]->isChecked(), voll);
    QCOMPARE(Form12->BildLoeschen[i(k)]->isEnabled(), voll);
    QCOMPARE(Form12->BildLaden[i(k)]->isEnabled(), voll);
    QCOMPARE(FormArchivbearbeiten->Speicherknopf(k)->isChecked(), voll);
    QCOMPARE(FormArchivbearbeiten->Loeschknopf(k)->isEnabled(), voll);
    QCOMPARE(FormArchivbearbeiten->Ladeknopf(k)->isEnabled(), voll);
    QCOMPARE(FormArchiv->Loeschpunkte[i(k)]->isEnabled(), voll);
    QCOMPARE(FormArchiv->Ladepunkte[i(k)]->isEnabled(), voll);
    if (!voll) {
        QCOMPARE(FormArchiv->LabelsSchritte[i(k)]->text(), QString());
        QCOMPARE(FormArchiv->LabelsFilter[i(k)]->text(), QString());
        // an empty picture frame
        QCOMPARE(pixel(FormArchiv->Bild(k), 50, 50), 0xFFFFFFFF);
        QCOMPARE(pixel(FormArchiv->Bild(k), 50, 0), 0xFF000000);
    }
}

QImage bildflaeche()
{
    return Form12->Image3->flaeche().bild();
}

const ct::Simulator& M()
{
    return Form12->Modell;
}

// Applies an own kernel through the kernel input window.
void eigenerKern(const QStringList& gewichte)
{
    Form12->FilterzeigenButton->click();
    FormFilter->Eigenkreation->click();
    for (int f = 0; f < 9; ++f)
        FormEingabe->Feld(f)->setText(gewichte[f]);
    FormEingabe->UebernehmenButton->click();
}

QList<QRadioButton*> sperrbare()
{
    TFormEinstellungen* e = FormEinstellungen;
    return {e->Winkel1, e->Winkel2, e->Winkel10, e->Winkel45, e->Winkel90, e->Alles, e->Endergebnis,
            e->mitFaltung, e->ohneFaltung};
}

}  // namespace

class TestArchiv : public QObject
{
    Q_OBJECT
private slots:
    void init() { simulatorZeigen(); }

    void groessen_data()
    {
        QTest::addColumn<int>("breite");
        QTest::addColumn<QList<QRect>>("bilder");
        QTest::addColumn<QList<QPoint>>("koepfe");
        QTest::addColumn<QSize>("archiv");
        const int g = 229;
        QTest::newRow("800") << 800
                             << QList<QRect>{{16, 40, g, g}, {270, 40, g, g}, {542, 40, g, g},
                                             {16, 344, g, g}, {270, 344, g, g}, {542, 344, g, g}}
                             << QList<QPoint>{{270, 5}, {542, 0}, {16, 309}, {270, 309}, {542, 309}}
                             << QSize(552, 333);
        const int G = 337;
        QTest::newRow("1024") << 1024
                              << QList<QRect>{{0, 33, G, G}, {343, 33, G, G}, {687, 33, G, G},
                                              {0, 407, G, G}, {343, 407, G, G}, {687, 407, G, G}}
                              << QList<QPoint>{{343, 0}, {687, 0}, {0, 374}, {343, 374}, {687, 374}}
                              << QSize(700, 400);
    }

    void groessen()
    {
        QFETCH(int, breite);
        QFETCH(QList<QRect>, bilder);
        QFETCH(QList<QPoint>, koepfe);
        QFETCH(QSize, archiv);
        simulatorZeigen(breite, breite * 3 / 4);
        for (int k = 0; k <= 5; ++k)
            QCOMPARE(FormArchiv->Bild(k)->geometry(), bilder[k]);
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(FormArchiv->Panels[i(k)]->pos(), koepfe[k - 1]);
        QCOMPARE(QSize(aussenbreite(FormArchiv), aussenhoehe(FormArchiv)), archiv);
        // every picture can be scrolled into view
        for (const QRect& r : bilder)
            QVERIFY(QRect(QPoint(0, 0), FormArchiv->Inhalt->size()).contains(r));
        // the pattern copy has the simulator's grid, the slots empty frames
        const int c = M().Kaestchengroesse;
        QCOMPARE(pixel(FormArchiv->Image0, c, 1), 0xFF000000);
        fachPruefen(3, false);

        // the libraries' cells are the simulator's
        for (Musterbibliothek* b : {(Musterbibliothek*)FormBilder38, (Musterbibliothek*)FormBilder56}) {
            einstellen({b->raster() == 38 ? FormEinstellungen->Rastergroesse38 : FormEinstellungen->Rastergroesse56});
            QCOMPARE(b->kaestchengroesse(), M().Kaestchengroesse);
            QVERIFY(b->rect().contains(b->EndeButton->geometry()));
        }
    }

    void dreiWege_data()
    {
        QTest::addColumn<int>("weg");
        QTest::newRow("Simulatormenü") << int(Weg::Menue);
        QTest::newRow("Archivmenü") << int(Weg::Popup);
        QTest::newRow("Bearbeitungsfenster") << int(Weg::Bearbeiten);
    }

    void dreiWege()
    {
        QFETCH(int, weg);
        const Weg w = Weg(weg);
        kleinesBild();
        Form12->FilterzeigenButton->click();
        FormFilter->Gaussfilter->click();
        Form12->GraucodezeigenButton->click();
        streifenKlick(90);
        const ct::Bildfeld ctbild = M().CTBild;
        const ct::Sinogramm messung = M().Messung;
        QVERIFY(messung.Vollstaendig());

        speichern(2, w);
        fachPruefen(2, true);
        QCOMPARE(FormArchiv->Image2->flaeche().bild(), bildflaeche());
        QCOMPARE(FormArchiv->LabelsSchritte[1]->text(), QStringLiteral("90 Grad Schritte"));
        QCOMPARE(FormArchiv->LabelsFaltung[1]->text(), QStringLiteral("No convolution"));
        QCOMPARE(FormArchiv->LabelsFilter[1]->text(), QString::fromUtf8("Gaußfilter"));
        fachPruefen(1, false);

        // deleting the CT picture keeps the slot
        const QImage archivbild = FormArchiv->Image2->flaeche().bild();
        Form12->CTLoeschenButton->click();
        fachPruefen(2, true);
        QCOMPARE(FormArchiv->Image2->flaeche().bild(), archivbild);

        laden(2, w);
        QCOMPARE(Form12->Zustand.Archivbildnummer(), 2);
        QCOMPARE(Form12->Statustext(0), QStringLiteral("Bild: Archivbild 2"));
        QVERIFY(Form12->BildLaden[1]->isChecked());
        QVERIFY(FormArchiv->Ladepunkte[1]->isChecked());
        QVERIFY(M().CTBild == ctbild);
        // the readings the picture was made from come back with it
        QVERIFY(M().Messung == messung);
        // "No filter" was selected: the Gauss filter is chosen again, and the
        // picture comes back as saved, with the knob where it was
        QVERIFY(FormFilter->Gaussfilter->isChecked());
        QCOMPARE(FormGraucode->Schieberposition(), 90);
        QCOMPARE(bildflaeche(), archivbild);
        ct::Bildfeld gauss;
        ct::FilterAnwenden(ct::Filterart::Gauss, ctbild, gauss, 4);
        QVERIFY(M().FilterBild == gauss);
        // the tools are back, scanning is blocked, the settings are locked
        for (QWidget* an : {(QWidget*)Form12->GraucodezeigenButton, (QWidget*)Form12->FilterzeigenButton,
                            (QWidget*)Form12->CTLoeschenButton})
            QVERIFY(an->isEnabled());
        QVERIFY(Form12->Graucodezeigen->isEnabled() && Form12->Filterzeigen->isEnabled());
        QVERIFY(Form12->Zustand.StartGesperrt());
        QVERIFY(!Form12->StartButton->isEnabled());
        for (QRadioButton* r : sperrbare())
            QVERIFY2(!r->isEnabled(), qPrintable(r->objectName()));

        loeschen(2, w);
        fachPruefen(2, false);
        QCOMPARE(Form12->Statustext(0), QStringLiteral("Bild: unbenannt"));
        // deleting the CT picture releases the settings
        Form12->CTLoeschenButton->click();
        for (QRadioButton* r : sperrbare())
            QVERIFY2(r->isEnabled(), qPrintable(r->objectName()));
        QVERIFY(Form12->StartButton->isEnabled());
        QVERIFY(!FormArchiv->Ladepunkte[1]->isChecked());
    }

    // A load brings back the picture as it was saved (filter, filtered
    // picture, gray-scale position, the picture on screen pixel for pixel),
    // whatever filter and knob position were chosen before, from every entry
    // point.
    void ladenStelltHer_data()
    {
        QTest::addColumn<int>("weg");
        QTest::addColumn<int>("filter");      // the saved picture's filter code
        QTest::addColumn<int>("knopf");       // and its gray-scale position
        QTest::addColumn<QString>("vorher");  // what is chosen before the load
        const std::pair<const char*, Weg> wege[] = {
            {"Menü", Weg::Menue}, {"Archiv", Weg::Popup}, {"Bearbeiten", Weg::Bearbeiten}};
        const std::tuple<const char*, int, int> bilder[] = {
            {"Gauß", 2, 100}, {"ungefiltert", 0, 60}, {"eigener Kern", 8, 80}};
        const char* vorher[] = {"anderer Filter", "kein Filter", "anderer Knopf", "CT-Bild gelöscht", "anderer Kern"};
        for (const auto& [wegname, weg] : wege)
            for (const auto& [bildname, filter, knopf] : bilder)
                for (const char* v : vorher)
                    QTest::addRow("%s, %s, dann %s", wegname, bildname, v)
                        << int(weg) << filter << knopf << QString::fromUtf8(v);
    }

    void ladenStelltHer()
    {
        QFETCH(int, weg);
        QFETCH(int, filter);
        QFETCH(int, knopf);
        QFETCH(QString, vorher);
        const Weg w = Weg(weg);
        einstellen({FormEinstellungen->Winkel90, FormEinstellungen->Endergebnis});
        malen({{10, 10}, {11, 10}, {12, 14}, {20, 25}, {30, 8}, {31, 30}});
        Form12->StartButton->click();
        QCOMPARE(M().Raster, 38);
        Form12->FilterzeigenButton->click();
        if (filter == 2)
            FormFilter->Gaussfilter->click();
        if (filter == 8)
            eigenerKern({"", "1", "", "1", "-4", "1", "", "1", ""});
        Form12->GraucodezeigenButton->click();
        streifenKlick(knopf);
        const QImage gespeichert = bildflaeche();
        const ct::Bildfeld ctbild = M().CTBild;
        const ct::Bildfeld gefiltert = M().FilterBild;
        const float maximum = M().Bildmaximum, minimum = M().Bildminimum;
        const QString filtertext = Form12->Statustext(4);
        speichern(4, w);

        if (vorher == QStringLiteral("anderer Filter"))
            FormFilter->Rechtecksfilter->click();
        else if (vorher == QStringLiteral("kein Filter")) {
            FormFilter->Laplacefilter->click();
            FormFilter->keinFilter->click();
            streifenKlick(30);
        } else if (vorher == QStringLiteral("anderer Knopf"))
            streifenKlick(30);
        else if (vorher == QStringLiteral("CT-Bild gelöscht"))
            Form12->CTLoeschenButton->click();
        else
            eigenerKern({"1", "1", "1", "1", "1", "1", "1", "1", "1"});
        laden(4, w);

        QCOMPARE(bildflaeche(), gespeichert);
        const QImage vorschau = FormArchiv->Bild(4)->flaeche().bild();
        QCOMPARE(bildflaeche().scaled(vorschau.size()), vorschau);
        QCOMPARE(FormGraucode->Schieberposition(), knopf);
        QCOMPARE(pixel(FormGraucode->Skala, knopf + 2, 10), 0xFF000000);
        QCOMPARE(int(Form12->Zustand.Filternummer()), filter);
        QCOMPARE(Form12->Zustand.FilterAktiv(), filter != 0);
        // (the panel's first text comes back in the words of the filter choice)
        QCOMPARE(Form12->Statustext(4),
                 filter == 0 ? QStringLiteral("Filter: kein Filter") : filtertext);
        QVERIFY(M().CTBild == ctbild);
        if (filter != 0)
            QVERIFY(M().FilterBild == gefiltert);
        QCOMPARE(M().Bildmaximum, maximum);
        QCOMPARE(M().Bildminimum, minimum);
        // the gray-scale window goes on from the picture as it was saved
        Form12->GraucodezeigenButton->click();
        streifenKlick(knopf + 20);
        QCOMPARE(zellgrau(), fensterfarben(knopf + 20, filter != 0 ? gefiltert : ctbild));
    }

    void ladenMitGleichemFilter()
    {
        kleinesBild();
        Form12->FilterzeigenButton->click();
        FormFilter->Gaussfilter->click();
        Form12->GraucodezeigenButton->click();
        streifenKlick(120);
        const QImage gespeichert = bildflaeche();
        speichern(1);
        streifenKlick(30);
        laden(1);
        QCOMPARE(bildflaeche(), gespeichert);
        QCOMPARE(FormGraucode->Schieberposition(), 120);
        QCOMPARE(pixel(FormGraucode->Skala, 122, 10), 0xFF000000);
        QVERIFY(Form12->Zustand.FilterAktiv());
    }

    void eigenerKernWirdGezeigt()
    {
        // A slot with an own kernel, loaded while no filter is shown: its
        // filtered picture is the one the gray-scale window works on.
        kleinesBild();
        eigenerKern({"", "1", "", "1", "-4", "1", "", "1", ""});
        Form12->GraucodezeigenButton->click();
        streifenKlick(80);
        const ct::Bildfeld gefiltert = M().FilterBild;
        const QImage gespeichert = bildflaeche();
        speichern(4);
        FormFilter->keinFilter->click();
        FormEingabe->close();
        FormEingabe->Feld5->setText(QStringLiteral("9"));
        QVERIFY(!Form12->Zustand.FilterAktiv());

        laden(4);
        QVERIFY(FormFilter->Eigenkreation->isChecked());
        QVERIFY(FormEingabe->isVisible());
        QCOMPARE(FormEingabe->Feld5->text(), QStringLiteral("-4"));
        QVERIFY(Form12->Zustand.Filternummer() == ct::Filterart::Eigen);
        QVERIFY(Form12->Zustand.FilterAktiv());
        QVERIFY(M().FilterBild == gefiltert);
        QCOMPARE(bildflaeche(), gespeichert);
        QCOMPARE(FormGraucode->Schieberposition(), 80);
        streifenKlick(30);
        QCOMPARE(zellgrau(), fensterfarben(30, gefiltert));
        QVERIFY(zellgrau() != fensterfarben(30, M().CTBild));
    }

    void ersterAnzeigetext()
    {
        // Until a setting is confirmed the status bar shows its first texts.
        // A picture saved then comes back with "Every step", as it was made.
        malen({{10, 10}, {20, 12}});
        Form12->StartButton->click();
        QCOMPARE(Form12->Statustext(1), QStringLiteral("Display: Every step"));
        speichern(1);
        QCOMPARE(FormArchiv->LabelsSchritte[0]->text(), QStringLiteral("2 Grad Schritte"));
        QCOMPARE(FormArchiv->LabelsFilter[0]->text(), QStringLiteral("no filter"));
        laden(1);
        QVERIFY(FormEinstellungen->Alles->isChecked());
        QCOMPARE(Form12->Statustext(1), QStringLiteral("Darstellung: jeder Schritt"));
        QVERIFY(Form12->Zustand.AktuelleEinstellung().Darstellung == ct::Darstellung::Alles);
    }

    void geladenesFachLoeschen()
    {
        kleinesBild();
        speichern(1);
        speichern(2);
        laden(1);
        loeschen(2);
        QCOMPARE(Form12->Statustext(0), QStringLiteral("Bild: Archivbild 1"));
        loeschen(1);
        QCOMPARE(Form12->Statustext(0), QStringLiteral("Bild: unbenannt"));
    }

    void vorlageLoeschenLeertDasArchiv()
    {
        kleinesBild();
        Form12->ArchivbearbeitenButton->click();
        for (int k : {1, 3, 5})
            speichern(k);
        laden(3);
        Form12->VorlageLoeschenButton->click();
        for (int k = 1; k <= 5; ++k)
            fachPruefen(k, false);
        for (QRadioButton* r : {FormArchivbearbeiten->Ladeknopf(3), FormArchivbearbeiten->Loeschknopf(3)})
            QVERIFY(!r->isChecked());
        QVERIFY(!Form12->ArchivbearbeitenButton->isEnabled());
    }

    void bearbeitungsfenster()
    {
        kleinesBild();
        Form12->ArchivbearbeitenButton->click();
        speichern(1, Weg::Bearbeiten);
        const QImage erstes = FormArchiv->Image1->flaeche().bild();
        Form12->FilterzeigenButton->click();
        FormFilter->Laplacefilter->click();
        // the selected save button does nothing; the menu still overwrites
        QTest::mouseClick(FormArchivbearbeiten->Bild01Button, Qt::LeftButton);
        QCOMPARE(FormArchiv->Image1->flaeche().bild(), erstes);
        speichern(1);
        QCOMPARE(FormArchiv->Image1->flaeche().bild(), bildflaeche());
        QVERIFY(FormArchiv->Image1->flaeche().bild() != erstes);
        // a load deselects the other load buttons
        speichern(2, Weg::Bearbeiten);
        laden(1, Weg::Bearbeiten);
        laden(2, Weg::Bearbeiten);
        QVERIFY(FormArchivbearbeiten->Bild22Button->isChecked());
        QVERIFY(!FormArchivbearbeiten->Bild21Button->isChecked());
        QCOMPARE(FormArchivbearbeiten->Bild03button->objectName(), QStringLiteral("Bild03button"));
    }

    void nichtsWaehrendDesScans()
    {
        kleinesBild();
        speichern(1);
        Form12->CTLoeschenButton->click();
        Form12->ArchivzeigenButton->click();
        bool geprueft = false;
        QTimer::singleShot(0, FormArchiv, [&geprueft] {
            QVERIFY(Form12->Zustand.Laeuft());
            const QImage vorher = bildflaeche();
            FormArchiv->Ladepunkte[0]->trigger();
            FormArchiv->Loeschpunkte[0]->trigger();
            QCOMPARE(Form12->Zustand.Archivbildnummer(), 0);
            QCOMPARE(bildflaeche(), vorher);
            QVERIFY(!FormArchiv->Ladepunkte[0]->isChecked());
            geprueft = true;
        });
        Form12->StartButton->click();
        QVERIFY(geprueft);
        fachPruefen(1, true);
        QCOMPARE(zellgrau(), standardfarben(M().CTBild));
    }

    void strgSSchliesst()
    {
        Form12->ArchivzeigenButton->click();
        QVERIFY(FormArchiv->isVisible());
        QTest::keyClick(FormArchiv, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!FormArchiv->isVisible());
        // the simulator's own Ctrl+S ("Page back") did not act
        QVERIFY(Form12->isVisible());
        QCOMPARE(FormHaupt->Zustand.seite(), 12);
    }

    void herzAus56()
    {
        TFormEinstellungen* e = FormEinstellungen;
        einstellen({e->Rastergroesse56, e->Winkel90, e->Endergebnis});
        malen({{1, 1}});
        Form12->StartButton->click();
        speichern(1);
        Form12->BibliothekButton->click();
        QVERIFY(FormBilder56->isVisible());
        QTabBar* reiter = FormBilder56->Bilder->tabBar();
        QTest::mouseClick(reiter, Qt::LeftButton, Qt::NoModifier, reiter->tabRect(1).center());
        FormBilder56->UebernehmenButton->click();
        QVERIFY(!FormBilder56->isVisible());
        QCOMPARE(Form12->Statustext(0), QStringLiteral("Bild: Herz"));
        QVERIFY(Form12->StartButton->isEnabled());
        int grau = 0;
        for (int x = 1; x <= 56; ++x)
            for (int y = 1; y <= 56; ++y) {
                const QPoint p = zellmitte(x, y);
                grau += pixel(Form12->Image2, p.x(), p.y()) == qRgb(128, 128, 128);
            }
        QCOMPARE(grau, 1734);
        // what was drawn and archived before is gone
        fachPruefen(1, false);
        Form12->StartButton->click();
        QCOMPARE(M().Weisszahl, 1402);
    }

    void wirbelsaeulenBasis_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("zeile");
        QTest::newRow("38") << 38 << 26;
        QTest::newRow("56") << 56 << 40;
    }

    void wirbelsaeulenBasis()
    {
        QFETCH(int, n);
        QFETCH(int, zeile);
        if (n == 56)
            einstellen({FormEinstellungen->Rastergroesse56});
        Form12->BibliothekButton->click();
        Musterbibliothek* b = n == 38 ? (Musterbibliothek*)FormBilder38 : (Musterbibliothek*)FormBilder56;
        QVERIFY(b->isVisible());
        const int c = b->kaestchengroesse();
        const auto grau = [b, c](int x, int y) {
            return pixel(b->Wirbelsaeule, (x - 1) * c + c / 2, (y - 1) * c + c / 2) == qRgb(128, 128, 128);
        };
        for (int x = 1; x <= n; ++x)
            QVERIFY(grau(x, zeile));
        QVERIFY(!grau(1, zeile - 1) && !grau(1, zeile + 1));
        // the grid lines stay visible
        QCOMPARE(pixel(b->Wirbelsaeule, c, (zeile - 1) * c + 1), 0xFF000000);
    }

    void abbrechenAendertNichts()
    {
        einstellen({FormEinstellungen->Winkel90, FormEinstellungen->Endergebnis});
        malen({{5, 5}, {6, 5}});
        Form12->StartButton->click();
        speichern(1);
        const QImage muster = Form12->Image2->flaeche().bild();
        const QImage bild = bildflaeche();
        Form12->BibliothekButton->click();
        FormBilder38->EndeButton->click();
        QVERIFY(!FormBilder38->isVisible());
        QCOMPARE(Form12->Image2->flaeche().bild(), muster);
        QCOMPARE(bildflaeche(), bild);
        QVERIFY(Form12->Zustand.StartGesperrt());
        fachPruefen(1, true);
    }
};

QUORVEL_GUI_TEST_MAIN(TestArchiv)
#include "test_archiv.moc"

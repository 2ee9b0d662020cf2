// The simulator's state on its own, without any window: the settings with
// their radio-button semantics, apply flag and two records; the scan state
// and the signals a window follows a scan by; the status texts made from
// values; and what an archive slot keeps and a load restores.
#include "sim/Simulatorzustand.h"

#include "platform/Zeichenflaeche.h"

#include <QtTest>

using G = Einstellungsgruppe;
using D = ct::Darstellung;
using Lauf = Simulatorzustand::Lauf;

namespace {

// The signals of a state in the order they came.
class Mitschrift : public QObject
{
public:
    explicit Mitschrift(Simulatorzustand& z)
    {
        const auto merke = [this](const char* name) { return [this, name] { ereignisse << QString::fromLatin1(name); }; };
        const auto mitZahl = [this](const char* name) {
            return [this, name](int zahl) { ereignisse << QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(zahl); };
        };
        connect(&z, &Simulatorzustand::scanBegonnen, this, merke("scanBegonnen"));
        connect(&z, &Simulatorzustand::winkelFertig, this, mitZahl("winkelFertig"));
        connect(&z, &Simulatorzustand::scanBeendet, this, [this](bool gestoppt) {
            ereignisse << (gestoppt ? QStringLiteral("scanBeendet gestoppt") : QStringLiteral("scanBeendet"));
        });
        connect(&z, &Simulatorzustand::ctBildGeloescht, this, merke("ctBildGeloescht"));
        connect(&z, &Simulatorzustand::vorlageGeloescht, this, merke("vorlageGeloescht"));
        connect(&z, &Simulatorzustand::musterGeaendert, this, merke("musterGeaendert"));
        connect(&z, &Simulatorzustand::fachGespeichert, this, mitZahl("fachGespeichert"));
        connect(&z, &Simulatorzustand::fachGeloescht, this, mitZahl("fachGeloescht"));
        connect(&z, &Simulatorzustand::fachGeladen, this, mitZahl("fachGeladen"));
        connect(&z, &Simulatorzustand::bildHergestellt, this, merke("bildHergestellt"));
        connect(&z, &Simulatorzustand::rasterEingerichtet, this, mitZahl("rasterEingerichtet"));
        connect(&z, &Simulatorzustand::einstellungAngewandt, this,
                [this](G g) { ereignisse << QStringLiteral("angewandt %1").arg(int(g)); });
    }
    QStringList ereignisse;
};

QStringList statustexte(const Simulatorzustand& z)
{
    QStringList t;
    for (int i = 0; i < Statustexte::Panelzahl; ++i)
        t << z.Statustext(i);
    return t;
}

}  // namespace

class TestZustand : public QObject
{
    Q_OBJECT
private slots:
    void anfang()
    {
        Simulatorzustand z;
        QVERIFY(z.Auswahl() == Einstellung{});
        QVERIFY(z.AktuelleEinstellung() == Einstellung{});
        QVERIFY(!z.Anwenden());
        QVERIFY(z.Laufzustand() == Lauf::KeinBild);
        QCOMPARE(statustexte(z), QStringList({"Picture: unnamed", "Display: Every step", "No progression",
                                              "Rotation angle: 2 degrees", "Filter: no filter", "No convolution"}));
    }

    // Selecting a choice acts only when it changes; without the apply flag
    // it is only recorded as pending, with it the setting takes effect.
    void waehlenUndAnwenden()
    {
        Simulatorzustand z;
        QSignalSpy auswahl(&z, &Simulatorzustand::auswahlGeaendert);
        z.Waehlen(G::Faltung, 1);
        QCOMPARE(auswahl.size(), 1);
        QVERIFY(z.Auswahl().Faltung && z.GewaehlteEinstellung().Faltung);
        QVERIFY(!z.AktuelleEinstellung().Faltung);
        QVERIFY(!z.Modell().Faltung);
        QCOMPARE(z.Statustext(5), QStringLiteral("No convolution"));
        z.Waehlen(G::Faltung, 1);
        QCOMPARE(auswahl.size(), 1);

        z.setzeAnwenden(true);
        z.Waehlen(G::Faltung, 0);
        QVERIFY(!z.Modell().Faltung);
        QCOMPARE(z.Statustext(5), QStringLiteral("ohne Faltung"));
        // applied, not recorded
        QVERIFY(z.GewaehlteEinstellung().Faltung);
        // the action alone does not select
        z.Klick(G::Verlauf, 1);
        QCOMPARE(z.Statustext(2), QStringLiteral("mit Verlauf"));
        QVERIFY(!z.Auswahl().Verlauf);
    }

    void winkel45OhneZwischenstufe()
    {
        Simulatorzustand z;
        z.Waehlen(G::Winkel, 90);
        QVERIFY(!z.ZwischenstufeFrei());
        QCOMPARE(z.Modell().Winkelschritt, 2);
        z.Waehlen(G::Winkel, 2);
        QVERIFY(z.ZwischenstufeFrei());

        z.setzeAnwenden(true);
        z.Waehlen(G::Darstellung, int(D::Zwischenstufe));
        z.Waehlen(G::Winkel, 45);
        QVERIFY(z.Auswahl().Darstellung == D::Alles);
        QVERIFY(z.AktuelleEinstellung().Darstellung == D::Alles);
        QVERIFY(z.GewaehlteEinstellung().Darstellung == D::Alles);
        QCOMPARE(z.Statustext(1), QStringLiteral("Darstellung: jeder Schritt"));
        QCOMPARE(z.Statustext(3), QStringLiteral("Drehwinkel: 45 Grad"));
        QCOMPARE(z.Modell().Winkelschritt, 45);
        QVERIFY(!z.ZwischenstufeFrei());
    }

    // The confirmation applies what differs, in the order display, angle,
    // convolution, grid, progression, and confirms it all.
    void bestaetigen()
    {
        Simulatorzustand z;
        z.Waehlen(G::Raster, 20);
        z.Waehlen(G::Verlauf, 1);
        z.Waehlen(G::Faltung, 1);
        z.Waehlen(G::Darstellung, int(D::Endergebnis));
        z.Waehlen(G::Winkel, 10);
        Mitschrift m(z);
        z.setzeAnwenden(true);
        z.Bestaetigen();
        const QStringList angewandt = m.ereignisse.filter(QStringLiteral("angewandt"));
        QCOMPARE(angewandt, QStringList({"angewandt 1", "angewandt 2", "angewandt 3", "angewandt 0", "angewandt 4"}));
        QVERIFY(m.ereignisse.contains(QStringLiteral("rasterEingerichtet 20")));
        QVERIFY(z.AktuelleEinstellung() == z.Auswahl());
        QVERIFY(z.GewaehlteEinstellung() == z.Auswahl());
        QCOMPARE(z.Modell().Raster, 20);
        QCOMPARE(z.Modell().Winkelschritt, 10);
        QVERIFY(z.Modell().Faltung);
        QCOMPARE(statustexte(z), QStringList({"Bild: unbenannt", "Darstellung: Endergebnis", "mit Verlauf",
                                              "Drehwinkel: 10 Grad", "Filter: no filter", "mit Faltung"}));
    }

    void verwerfen()
    {
        Simulatorzustand z;
        z.setzeAnwenden(true);
        z.Waehlen(G::Winkel, 45);
        z.EinstellungUebernehmen();
        z.setzeAnwenden(false);
        z.Waehlen(G::Winkel, 1);
        z.Waehlen(G::Raster, 56);
        z.Verwerfen();
        QVERIFY(!z.Anwenden());
        QCOMPARE(z.Auswahl().Winkelschritt, 45);
        QCOMPARE(z.Auswahl().Raster, 38);
        QVERIFY(z.GewaehlteEinstellung() == z.AktuelleEinstellung());
        QCOMPARE(z.Modell().Winkelschritt, 45);
        QCOMPARE(z.Modell().Raster, 38);
    }

    void standardwerte()
    {
        Simulatorzustand z;
        z.setzeAnwenden(true);
        const std::pair<G, int> wahlen[] = {
            {G::Raster, 4}, {G::Winkel, 90}, {G::Darstellung, int(D::Endergebnis)}, {G::Verlauf, 1}, {G::Faltung, 1}};
        for (auto [g, wert] : wahlen)
            z.Waehlen(g, wert);
        z.setzeBildname({Bildname::Art::Herz});
        z.Standardwerte();
        QVERIFY(z.Auswahl() == Einstellung{});
        QVERIFY(z.AktuelleEinstellung() == Einstellung{});
        QCOMPARE(z.Modell().Raster, 38);
        QCOMPARE(statustexte(z), QStringList({"Bild: unbenannt", "Darstellung: jeder Schritt", "ohne Verlauf",
                                              "Drehwinkel: 2 Grad", "Filter: no filter", "ohne Faltung"}));
    }

    // A scan as a window follows it: deleted picture, begun, each angle,
    // ended; a stop leaves a picture that a new scan may replace, and does
    // not carry over to the next scan.
    void scan()
    {
        Simulatorzustand z;
        Mitschrift m(z);
        z.ScanBeginnen();
        QVERIFY(z.Laufzustand() == Lauf::Scan);
        QVERIFY(z.StartGesperrt() && z.Laeuft());
        z.WinkelFertig(0);
        z.WinkelFertig(90);
        z.ScanBeenden(true);
        QVERIFY(z.Laufzustand() == Lauf::Bild);
        QCOMPARE(m.ereignisse, QStringList({"ctBildGeloescht", "scanBegonnen", "winkelFertig 0", "winkelFertig 90",
                                            "scanBeendet"}));
        z.StopVerlangen();
        QVERIFY(z.Laufzustand() == Lauf::Bild);
        z.CTBildLoeschen();
        QVERIFY(z.Laufzustand() == Lauf::KeinBild);

        m.ereignisse.clear();
        z.ScanBeginnen();
        z.WinkelFertig(0);
        z.StopVerlangen();
        QVERIFY(z.StopVerlangt() && z.Laeuft());
        // the pattern may be painted while the scan winds down
        QVERIFY(!z.StartGesperrt());
        // deleting the picture meanwhile keeps the stop
        z.CTBildLoeschen();
        QVERIFY(z.StopVerlangt());
        z.ScanBeenden(true);
        QVERIFY(z.Laufzustand() == Lauf::KeinBild);
        QCOMPARE(m.ereignisse.last(), QStringLiteral("scanBeendet gestoppt"));
        z.ScanBeginnen();
        QVERIFY(!z.StopVerlangt());

        // an empty pattern: the pattern is deleted, no picture
        z.VorlageLoeschen();
        QVERIFY(z.Laeuft());
        z.ScanBeenden(false);
        QVERIFY(z.Laufzustand() == Lauf::KeinBild);
    }

    void vorlageLoeschen()
    {
        Simulatorzustand z;
        z.setzeBildname({Bildname::Art::Gehirn});
        Mitschrift m(z);
        z.VorlageLoeschen();
        QCOMPARE(m.ereignisse, QStringList({"ctBildGeloescht", "vorlageGeloescht", "fachGeloescht 1", "fachGeloescht 2",
                                            "fachGeloescht 3", "fachGeloescht 4", "fachGeloescht 5",
                                            "musterGeaendert"}));
        QCOMPARE(z.Statustext(0), QStringLiteral("Bild: unbenannt"));
    }

    void filtertexte_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "Filter: kein Filter";
        QTest::newRow("1") << 1 << "Filter: Rechtecksfilter";
        QTest::newRow("2") << 2 << "Filter: Gaußfilter";
        QTest::newRow("3") << 3 << "Filter: Laplacefilter";
        QTest::newRow("71") << 71 << "Filter: Kernelfilter mit Tiefpaß";
        QTest::newRow("72") << 72 << "Filter: Kernelfilter mit Hochpaß";
        QTest::newRow("8") << 8 << "Filter: Eigenkreation";
        QTest::newRow("41") << 41 << "Filter: Medianfilter 1.Maske";
        QTest::newRow("42") << 42 << "Filter: Medianfilter 2.Maske";
        QTest::newRow("51") << 51 << "Filter: Erosionsfilter 1.Maske";
        QTest::newRow("52") << 52 << "Filter: Erosionsfilter 2.Maske";
        QTest::newRow("61") << 61 << "Filter: Dilatationsfilter 1.Maske";
        QTest::newRow("62") << 62 << "Filter: Dilatationsfilter 2.Maske";
    }

    void filtertexte()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        Statuswerte w;
        w.Filter = ct::Filterart(code);
        QCOMPARE(Statustexte::text(w, 4), text);
        w.Bild = Bildname{Bildname::Art::Archivbild, 3};
        QCOMPARE(Statustexte::text(w, 0), QStringLiteral("Bild: Archivbild 3"));
    }

    // A slot keeps the status values and the picture's values; a load brings
    // them back, locks the settings and shows the saved picture, last of all
    // telling the windows which slot it loaded.
    void archiv()
    {
        Simulatorzustand z;
        Zeichenflaeche muster(229, 229), bild(229, 229);
        z.setzeFlaechen(&muster, &bild);
        z.setzeAnwenden(true);
        z.Waehlen(G::Faltung, 1);
        z.ScanBeginnen();
        z.ScanBeenden(true);
        z.FilterAuswaehlen(ct::Filterart::Gauss);
        z.SchieberSetzen(77);
        z.FachSpeichern(2);
        const Archivfach& fach = z.Fach(2);
        QVERIFY(fach.belegt);
        QVERIFY(fach.Information.Status.Faltung == true);
        QVERIFY(!fach.Information.Status.Verlauf);
        QVERIFY(fach.Information.Filternummer == ct::Filterart::Gauss);
        QCOMPARE(fach.Information.Schieberposition, 77);

        z.FilterAuswaehlen(ct::Filterart::Keiner);
        z.Waehlen(G::Faltung, 0);
        z.CTBildLoeschen();
        Mitschrift m(z);
        z.FachLaden(2);
        QCOMPARE(z.Archivbildnummer(), 2);
        QCOMPARE(statustexte(z), QStringList({"Bild: Archivbild 2", "Darstellung: jeder Schritt", "No progression",
                                              "Drehwinkel: 2 Grad", QString::fromUtf8("Filter: Gaußfilter"),
                                              "mit Faltung"}));
        QVERIFY(z.Filternummer() == ct::Filterart::Gauss && z.FilterAktiv());
        QCOMPARE(z.Schieberposition(), 77);
        QVERIFY(z.Gesperrt());
        QVERIFY(z.Laufzustand() == Lauf::Bild);
        QVERIFY(z.Modell().Faltung);
        QCOMPARE(m.ereignisse.count(QStringLiteral("bildHergestellt")), 2);
        QCOMPARE(m.ereignisse.last(), QStringLiteral("fachGeladen 2"));

        z.FachLoeschen(2);
        QCOMPARE(z.Statustext(0), QStringLiteral("Bild: unbenannt"));
        m.ereignisse.clear();
        z.FachLaden(2);
        QVERIFY(m.ereignisse.isEmpty());
        z.CTBildLoeschen();
        QVERIFY(!z.Gesperrt());
        QCOMPARE(z.Archivbildnummer(), 0);
    }

    void eigenerKernImArchiv()
    {
        Simulatorzustand z;
        Zeichenflaeche muster(229, 229), bild(229, 229);
        z.setzeFlaechen(&muster, &bild);
        std::array<QString, 9> texte{"1", "", "-1", "2", "", "-2", "1", "", "-1"};
        z.setzeKerntexte(texte);
        QCOMPARE(z.EigenenKernAnwenden({1, 0, -1, 2, 0, -2, 1, 0, -1}), 1);
        z.FachSpeichern(1);
        // a slot without the own kernel keeps the kernel texts it had
        z.setzeKerntexte({});
        z.FilterAuswaehlen(ct::Filterart::Laplace);
        z.FachSpeichern(1);
        QVERIFY(z.Fach(1).Information.Kerntexte == texte);
        z.FilterAuswaehlen(ct::Filterart::Keiner);
        z.FachSpeichern(1);
        z.FilterAuswaehlen(ct::Filterart::Eigen);
        z.EigenenKernAnwenden({0, 0, 0, 0, 1, 0, 0, 0, 0});
        z.setzeKerntexte(texte);
        z.FachSpeichern(3);
        z.setzeKerntexte({});
        QSignalSpy hergestellt(&z, &Simulatorzustand::kerntexteHergestellt);
        z.FachLaden(3);
        QCOMPARE(hergestellt.size(), 1);
        QVERIFY(z.Kerntexte() == texte);
        // a running scan owns the picture: no load
        z.CTBildLoeschen();
        z.ScanBeginnen();
        z.FachLaden(3);
        QCOMPARE(z.Archivbildnummer(), 0);
    }
};

QTEST_MAIN(TestZustand)
#include "test_zustand.moc"

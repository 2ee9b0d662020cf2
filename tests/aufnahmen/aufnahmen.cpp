// Screenshots of every window in a fixed set of states, for comparing the
// look of the program before and after a change pixel for pixel. Not a test:
// a tool for developers.
//
//   aufnahmen <800|1024> <folder>          takes the pictures
//   aufnahmen <WxH> <folder>               the same on a screen of WxH device pixels
//   aufnahmen --vergleich <folder> <folder>  compares two sets, picture by picture
//   QUORVEL_AUSGABE=de (or en) aufnahmen ...  takes the German (English) edition
//
// Each state gives a picture of the whole screen (what the learner sees:
// screen.png) and one of every visible window of the set (<name>.png), plus a
// line per window with its geometry in geometrie.txt. The program runs on the
// platform Qt is given (offscreen by default, or xcb on a virtual display).
// With 800 or 1024 the layout is pretended, as in the window tests; with WxH
// the program's own start-up fits the layout to that screen and scales it
// (offscreen pretends the screen; under xcb the display must have that size).
#include "support/Testumgebung.h"
#include "sim/Simhilfe.h"

#include "app/Ausstieg.h"
#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "course/Blatt11.h"
#include "course/Blatt7.h"
#include "course/Blatt8.h"
#include "course/Blatt9.h"
#include "course/Falsch.h"
#include "course/Korrektur.h"
#include "course/Kurshilfen.h"
#include "pages/BilderGehirn.h"
#include "pages/BilderLunge.h"
#include "pages/Hilfe.h"
#include "pages/LexComputertomograph.h"
#include "pages/LexFilter.h"
#include "pages/LexRoentgenstrahlung.h"
#include "platform/Bildanzeige.h"
#include "platform/Einpassung.h"
#include "platform/Fensterart.h"
#include "platform/Layout.h"
#include "platform/Sprache.h"
#include "platform/Pause.h"
#include "sim/Blatt12.h"
#include "sim/Einstellungen.h"
#include "sim/Hinweis.h"
#include "sim/Pause.h"
#include "sim/ProgressBar.h"
#include "tools/Archiv.h"
#include "tools/Archivbearbeiten.h"
#include "tools/Bilder38.h"
#include "tools/Bilder56.h"
#include "tools/BlattFilter.h"
#include "tools/Eingabe.h"
#include "tools/Graucode.h"
#include "tools/Sinogrammfenster.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QScreen>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QDir ziel;
QFile geometrieDatei;
QTextStream geometrie;

void ruhen(int ms = 50)
{
    pause(ms);
}

// The picture of the screen and of every visible top-level window.
void aufnehmen(const QString& zustand)
{
    ruhen();
    QDir ordner(ziel.filePath(zustand));
    ordner.mkpath(QStringLiteral("."));
    if (QScreen* s = QGuiApplication::primaryScreen())
        s->grabWindow(0).toImage().save(ordner.filePath(QStringLiteral("screen.png")));
    // Every window of the set that is shown: the main window and the dialogs
    // are windows of their own, the others lie in the main window.
    for (QWidget* w : Fenstersatz::alle()) {
        if (!w || !w->isVisible())
            continue;
        w->grab().toImage().save(ordner.filePath(w->objectName() + QStringLiteral(".png")));
        const QRect g(w->mapToGlobal(QPoint(0, 0)), w->size());
        const QRect f = w->isWindow() ? w->frameGeometry()
                                      : aussenrahmen(w).translated(w->window()->mapToGlobal(QPoint(0, 0)));
        geometrie << zustand << ' ' << w->objectName() << " geometry " << g.x() << ',' << g.y() << ' '
                  << g.width() << 'x' << g.height() << " frame " << f.x() << ',' << f.y() << ' ' << f.width()
                  << 'x' << f.height() << '\n';
    }
    geometrie.flush();
}

// A window shown on its own (dialogs that the program shows modally are
// shown plainly here), taken, and hidden again.
void fenster(const QString& zustand, QWidget* w)
{
    w->show();
    aufnehmen(zustand);
    w->hide();
}

// A window that a button opens, taken, and hidden again.
void geoeffnet(const QString& zustand, QAbstractButton* knopf, QWidget* w)
{
    knopf->click();
    aufnehmen(zustand);
    w->hide();
}

// A modal dialog as the program shows it: taken while it is up, then closed.
void modalAufnehmen(const QString& zustand, const std::function<void()>& ausloesen)
{
    auto* uhr = new QTimer;
    QObject::connect(uhr, &QTimer::timeout, uhr, [uhr, zustand] {
        if (QWidget* m = modalesFenster()) {
            uhr->stop();
            aufnehmen(zustand);
            m->close();
            uhr->deleteLater();
        }
    });
    uhr->start(20);
    ausloesen();
}

// Every tab of a notebook window.
void reiter(const QString& zustand, QWidget* w, QTabWidget* buch)
{
    w->show();
    for (int i = 0; i < buch->count(); ++i) {
        buch->setCurrentIndex(i);
        aufnehmen(QStringLiteral("%1_%2").arg(zustand).arg(i));
    }
    buch->setCurrentIndex(0);
    w->hide();
}

// Cells of the simulator's pattern clicked, as the learner draws them.
void zellenMalen(const std::vector<std::pair<int, int>>& zellen)
{
    const int c = Form12->Modell.Kaestchengroesse;
    for (const auto& [x, y] : zellen)
        QTest::mouseClick(Form12->Image2, Qt::LeftButton, Qt::NoModifier,
                          QPoint((x - 1) * c + c / 2, (y - 1) * c + c / 2));
}

void simulator()
{
    FormHaupt->ZugNeu(12);
    aufnehmen(QStringLiteral("50_simulator"));
    // A pattern drawn as the learner does: a ring and a bar.
    std::vector<std::pair<int, int>> muster;
    for (int x = 1; x <= 38; ++x)
        for (int y = 1; y <= 38; ++y) {
            const int dx = x - 19, dy = y - 18, r2 = dx * dx + dy * dy;
            if ((r2 <= 100 && r2 >= 25) || (y == 33 && x > 6 && x < 30))
                muster.emplace_back(x, y);
        }
    zellenMalen(muster);
    aufnehmen(QStringLiteral("51_muster"));
    {
        // Once in the middle of the scan (at its fourth measured angle).
        int winkel = 0;
        const auto mitte = QObject::connect(&Form12->Zustand, &Simulatorzustand::winkelFertig, Form12, [&winkel](int) {
            if (++winkel == 4)
                aufnehmen(QStringLiteral("52_scan_mitte"));
        });
        Form12->StartButton->click();
        QObject::disconnect(mitte);
    }
    aufnehmen(QStringLiteral("52_scan"));
    geoeffnet(QStringLiteral("53_graustufen"), Form12->GraucodezeigenButton, FormGraucode);
    geoeffnet(QStringLiteral("54_filter"), Form12->FilterzeigenButton, FormFilter);
    Form12->BildSpeichern[0]->trigger();
    geoeffnet(QStringLiteral("55_archiv"), Form12->ArchivzeigenButton, FormArchiv);
    geoeffnet(QStringLiteral("56_archivbearbeiten"), Form12->ArchivbearbeitenButton, FormArchivbearbeiten);
    geoeffnet(QStringLiteral("57_einstellungen"), Form12->EinstellungButton, FormEinstellungen);
    fenster(QStringLiteral("58_hinweis"), FormHinweis);
    fenster(QStringLiteral("59_eingabe"), FormEingabe);
    fenster(QStringLiteral("60_pause"), FormPause);
    fenster(QStringLiteral("61_fortschritt"), FormProgressBar);
    Form12->CTLoeschenButton->click();
    geoeffnet(QStringLiteral("62_bibliothek38"), Form12->BibliothekButton, FormBilder38);
    FormHaupt->ZugNeu(11);
}

// Settings chosen in the dialog and confirmed, with no CT picture in the way.
void einstellen(std::initializer_list<QRadioButton*> knoepfe)
{
    if (Form12->CTLoeschenButton->isEnabled())
        Form12->CTLoeschenButton->click();
    Form12->EinstellungButton->click();
    for (QRadioButton* k : knoepfe)
        k->click();
    FormEinstellungen->OKButton->click();
}

void sinogramm();

// Closes every verdict and correction dialog as soon as it is up.
class Beantworter : public QObject
{
public:
    Beantworter()
    {
        m_uhr.setInterval(5);
        connect(&m_uhr, &QTimer::timeout, this, [] {
            if (FormFalsch->isVisible())
                FormFalsch->OKButton->click();
            if (FormKorrektur->isVisible())
                FormKorrektur->OKButton->click();
        });
        m_uhr.start();
    }

private:
    QTimer m_uhr;
};

void tippen(QLineEdit* feld, const QString& text)
{
    feld->clear();
    QTest::keyClicks(feld, text);
}

// Typed shares, one character per field of 1 to `werte`'s length.
template <std::size_t N>
void tippen(const std::array<QLineEdit*, N>& felder, const QString& werte, int von = 1)
{
    for (int i = 0; i < werte.size(); ++i)
        tippen(felder[std::size_t(von + i)], werte.mid(i, 1));
}

// The exercise pages with entry fields through every check: page 9 in
// instruction and, after a mode switch in mid-exercise, in demonstration;
// page 10 in instruction; page 12 to its end.
void uebungen()
{
    const Beantworter beantworter;
    FormHaupt->ZugNeu(8);
    TForm8* s9 = Form8;
    s9->Start1Button->click();
    tippen(s9->Hor, QStringLiteral("00001111111"));
    aufnehmen(QStringLiteral("83_seite9_offen"));
    tippen(s9->Hor, QStringLiteral("10000"), 12);
    s9->HorizontalButton->click();
    aufnehmen(QStringLiteral("84_seite9_horizontal"));
    s9->Start2Button->click();
    tippen(s9->Ver, QStringLiteral("0110011001100110"));
    s9->VertikalButton->click();
    aufnehmen(QStringLiteral("85_seite9_vertikal"));
    s9->SummenButton->click();
    s9->FaerbeButton->click();
    aufnehmen(QStringLiteral("86_seite9_grau"));
    FormHaupt->Neu->trigger();
    s9->Start1Button->click();
    tippen(s9->Hor, QStringLiteral("0000"));
    FormHaupt->Demonstration1->trigger();
    aufnehmen(QStringLiteral("87_seite9_demonstration"));
    s9->HorizontalButton->click();
    s9->Start2Button->click();
    s9->VertikalButton->click();
    aufnehmen(QStringLiteral("88_seite9_verteilt"));
    FormHaupt->Neu->trigger();
    FormHaupt->Lernprogramm1->trigger();

    FormHaupt->ZugNeu(9);
    TForm9* s10 = Form9;
    s10->Start1Button->click();
    tippen(s10->D1, QStringLiteral("2000020000200002"));
    s10->D1Button->click();
    aufnehmen(QStringLiteral("89_seite10_d1"));
    s10->Start2Button->click();
    tippen(s10->D2, QStringLiteral("0010010110100100"));
    s10->D2Button->click();
    aufnehmen(QStringLiteral("90_seite10_d2"));
    s10->Summen1Button->click();
    s10->ZeigeButton->click();
    aufnehmen(QStringLiteral("91_seite10_gezeigt"));
    s10->Summen2Button->click();
    s10->FaerbeButton->click();
    aufnehmen(QStringLiteral("92_seite10_grau"));
    FormHaupt->Neu->trigger();

    FormHaupt->ZugNeu(11);
    TForm11* s12 = Form11;
    s12->StartHoriButton->click();
    tippen(s12->Int, QStringLiteral("100"));
    s12->HorizontalButton->click();
    tippen(s12->Hor, QStringLiteral("111000000"));
    aufnehmen(QStringLiteral("93_seite12_horizontal"));
    s12->StartVertiButton->click();
    tippen(s12->Int, QStringLiteral("100"), 4);
    s12->VertikalButton->click();
    tippen(s12->Ver, QStringLiteral("100100100"));
    s12->SummenButton->click();
    aufnehmen(QStringLiteral("94_seite12_summen"));
    s12->Farbe2->click();
    const int c = Layout::breite() * 54 / 800;
    for (auto [r, j] : {std::pair{1, 2}, {1, 3}, {2, 1}, {3, 1}})
        QTest::mouseClick(s12->Bild2, Qt::LeftButton, Qt::NoModifier, QPoint(j * c + 8, r * c + 8));
    s12->Farbe1->click();
    QTest::mouseClick(s12->Bild2, Qt::LeftButton, Qt::NoModifier, QPoint(c + 8, c + 8));
    s12->FertigButton->click();
    aufnehmen(QStringLiteral("95_seite12_fertig"));
    FormHaupt->Neu->trigger();
}

// The simulator's further states: the end of a scan in every display mode,
// with convolution and with progression, filters, an own kernel, the gray
// scale at a knob position, the archive with two slots and one loaded, the
// reset to defaults and the library of the large grid. End states only, so
// that no picture depends on timing.
void simulatorWeiter()
{
    FormHaupt->ZugNeu(12);
    TFormEinstellungen* e = FormEinstellungen;
    einstellen({e->Zwischenstufe});
    Form12->EinstellungButton->click();
    e->Winkel45->click();
    aufnehmen(QStringLiteral("63_einstellungen_45"));
    e->OKButton->click();
    aufnehmen(QStringLiteral("64_nach_45"));
    einstellen({e->Winkel10, e->Zwischenstufe});
    Form12->StartButton->click();
    aufnehmen(QStringLiteral("65_scan_zwischenstufe"));
    einstellen({e->Winkel2, e->Endergebnis, e->mitFaltung});
    Form12->StartButton->click();
    aufnehmen(QStringLiteral("66_scan_endergebnis_faltung"));
    Form12->FilterzeigenButton->click();
    FormFilter->Laplacefilter->click();
    aufnehmen(QStringLiteral("67_laplace"));
    FormFilter->Eigenkreation->click();
    const char* gewichte[9] = {"1", "2", "1", "0", "", "0", "-1", "-2", "-1"};
    for (int i = 0; i < 9; ++i)
        FormEingabe->Feld(i)->setText(QString::fromLatin1(gewichte[i]));
    FormEingabe->UebernehmenButton->click();
    aufnehmen(QStringLiteral("68_eigenkern"));
    FormEingabe->hide();
    FormFilter->hide();
    Form12->GraucodezeigenButton->click();
    QTest::mouseClick(FormGraucode->Farbe1, Qt::LeftButton, Qt::NoModifier, QPoint(100, 5));
    aufnehmen(QStringLiteral("69_graustufen_100"));
    FormGraucode->hide();
    Form12->BildSpeichern[0]->trigger();
    Form12->FilterzeigenButton->click();
    FormFilter->Gaussfilter->click();
    FormFilter->hide();
    Form12->BildSpeichern[2]->trigger();
    Form12->BildLaden[0]->trigger();
    FormEingabe->hide();
    aufnehmen(QStringLiteral("70_geladen"));
    geoeffnet(QStringLiteral("71_archiv_zwei"), Form12->ArchivzeigenButton, FormArchiv);
    geoeffnet(QStringLiteral("72_archivbearbeiten_zwei"), Form12->ArchivbearbeitenButton, FormArchivbearbeiten);
    geoeffnet(QStringLiteral("73_einstellungen_gesperrt"), Form12->EinstellungButton, FormEinstellungen);
    Form12->Neu1->trigger();
    aufnehmen(QStringLiteral("74_neu"));
    einstellen({e->Rastergroesse56});
    Form12->BibliothekButton->click();
    aufnehmen(QStringLiteral("75_bibliothek56"));
    FormBilder56->Bilder->setCurrentIndex(1);
    FormBilder56->UebernehmenButton->click();
    aufnehmen(QStringLiteral("76_herz56"));
    einstellen({e->Rastergroesse4, e->Winkel45, e->Alles, e->mitVerlauf, e->ohneFaltung});
    zellenMalen({{2, 2}, {3, 2}, {2, 3}});
    Form12->StartButton->click();
    aufnehmen(QStringLiteral("77_scan_verlauf"));
    sinogramm();
    FormHaupt->ZugNeu(11);
}

// A detector's readings at 10^2, 10^4 and 10^6 photons per ray, each with
// every reconstruction.
void sinogrammDosen(const QString& name)
{
    const std::array<const char*, 4> verfahren{"ramlak", "shepp_logan", "hann", "art"};
    for (const int stelle : {8, 16, 24}) {
        FormSinogramm->Dosis->setValue(stelle);
        for (int i = 0; i < 4; ++i) {
            FormSinogramm->Rekonstruktionswahl->setCurrentIndex(i);
            aufnehmen(QStringLiteral("%1_1e%2_%3").arg(name).arg(stelle / 4).arg(QLatin1String(verfahren[std::size_t(i)])));
        }
    }
}

// The sinogram window before a scan, during a scan of the library's heart on
// the large grid (the sinogram half measured, beside the scan) and after it,
// with a reading's ray and a cell's sine curve; after a scan of a drawn disc
// with each reconstruction, a detector's readings at two doses, the filtered
// sinogram.
void sinogramm()
{
    TFormEinstellungen* e = FormEinstellungen;
    einstellen({e->Rastergroesse56, e->Winkel2, e->Alles, e->ohneVerlauf});
    Form12->BibliothekButton->click();
    FormBilder56->Bilder->setCurrentIndex(1);
    FormBilder56->UebernehmenButton->click();
    Form12->Sinogrammzeigen->trigger();
    aufnehmen(QStringLiteral("78_sinogramm_leer"));
    const auto verbindung = QObject::connect(&Form12->Zustand, &Simulatorzustand::winkelFertig, FormSinogramm,
                                             [](int a) {
                                                 if (a == 60)
                                                     aufnehmen(QStringLiteral("79_sinogramm_scan"));
                                             });
    Form12->StartButton->click();
    QObject::disconnect(verbindung);
    aufnehmen(QStringLiteral("80_sinogramm_herz56"));
    FormSinogramm->KaestchenWaehlen({30, 24});
    FormSinogramm->StrahlZeigen({30, 40});
    aufnehmen(QStringLiteral("81_sinogramm_verbunden"));
    Form12->CTLoeschenClick();
    einstellen({e->Rastergroesse38, e->Endergebnis});
    zellenMalen(Simhilfe::scheibe(19, 8));
    Form12->StartButton->click();
    aufnehmen(QStringLiteral("82_sinogramm_scheibe"));
    QComboBox* wahl = FormSinogramm->Rekonstruktionswahl;
    wahl->setCurrentIndex(1);
    aufnehmen(QStringLiteral("83_sinogramm_shepp_logan"));
    wahl->setCurrentIndex(3);
    aufnehmen(QStringLiteral("84_sinogramm_art"));
    wahl->setCurrentIndex(0);
    FormSinogramm->Weglaenge->click();
    aufnehmen(QStringLiteral("85_sinogramm_weglaenge"));
    FormSinogramm->Dosis->setValue(8);
    aufnehmen(QStringLiteral("86_sinogramm_dosis100"));
    wahl->setCurrentIndex(2);
    aufnehmen(QStringLiteral("87_sinogramm_dosis100_hann"));
    FormSinogramm->Sinogrammart->setCurrentIndex(1);
    aufnehmen(QStringLiteral("88_sinogramm_gefiltert"));
    FormSinogramm->Sinogrammart->setCurrentIndex(0);
    sinogrammDosen(QStringLiteral("89_scheibe"));
    // the heart on the large grid, the same
    Form12->CTLoeschenClick();
    einstellen({e->Rastergroesse56});
    Form12->BibliothekButton->click();
    FormBilder56->Bilder->setCurrentIndex(1);
    FormBilder56->UebernehmenButton->click();
    Form12->StartButton->click();
    FormSinogramm->Weglaenge->click();
    sinogrammDosen(QStringLiteral("90_herz"));
    FormSinogramm->Dosis->setValue(TFormSinogramm::OhneRauschen);
    wahl->setCurrentIndex(0);
    FormSinogramm->Zaehlung->click();
    FormSinogramm->hide();
}

// The states the program's listing in software centres shows (its AppStream
// screenshots, copied by scripts/screenshots): the simulator in the middle of
// a scan of the library's brain, taken in the wait after the row of 90
// degrees, and, after the simulator's way back to the course, page 8's
// exercise worked through. Taken last, so that no earlier picture changes.
void auslage()
{
    FormHaupt->ZugNeu(12);
    TFormEinstellungen* e = FormEinstellungen;
    einstellen({e->Rastergroesse38, e->Winkel2, e->Alles, e->ohneVerlauf, e->ohneFaltung});
    Form12->BibliothekButton->click();
    FormBilder38->Bilder->setCurrentIndex(2);
    FormBilder38->UebernehmenButton->click();
    const auto mitte = QObject::connect(&Form12->Zustand, &Simulatorzustand::winkelFertig, Form12, [](int winkel) {
        if (winkel == 90)
            QTimer::singleShot(0, Form12, [] { aufnehmen(QStringLiteral("90_scan_mitte")); });
    });
    Form12->StartButton->click();
    QObject::disconnect(mitte);

    Form12->Zurueck->trigger();
    FormHaupt->ZugNeu(7);
    for (QPushButton* k : {Form7->Start1Button, Form7->HorizontalButton, Form7->Start2Button, Form7->VertikalButton,
                           Form7->SummenButton, Form7->FaerbeButton})
        k->click();
    aufnehmen(QStringLiteral("91_uebung_fertig"));
}

int aufnahmenMachen(const std::function<void()>& starten, const QString& ordner)
{
    ziel = QDir(ordner);
    ziel.mkpath(QStringLiteral("."));
    geometrieDatei.setFileName(ziel.filePath(QStringLiteral("geometrie.txt")));
    if (!geometrieDatei.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 2;
    geometrie.setDevice(&geometrieDatei);

    starten();
    aufnehmen(QStringLiteral("00_start"));
    for (int k = 0; k < 12; ++k) {
        FormHaupt->ZugNeu(k);
        aufnehmen(QStringLiteral("%1_seite%2").arg(k + 1, 2, 10, QLatin1Char('0')).arg(k + 1));
    }
    FormHaupt->ZugNeu(4);
    fenster(QStringLiteral("20_ausstieg"), FormAusstieg);
    fenster(QStringLiteral("21_falsch"), FormFalsch);
    fenster(QStringLiteral("22_korrektur"), FormKorrektur);
    // the answer dialog's head X-ray, as a wrong answer shows it
    FormFalsch->Bild1->setzeBild(Kurs::kopf());
    fenster(QStringLiteral("23_falsch_kopf"), FormFalsch);
    // the answer dialogs with their texts, as the exercises show them
    modalAufnehmen(QStringLiteral("24_falsch_text"), [] { FormFalsch->Urteil(FormFalsch->Falsch1); });
    modalAufnehmen(QStringLiteral("25_richtig_text"), [] { FormFalsch->Urteil(FormFalsch->Richtig); });
    FormHaupt->ZugNeu(11);
    modalAufnehmen(QStringLiteral("26_korrektur_seite12"), [] { Form11->SummenButton->click(); });
    FormHaupt->ZugNeu(4);
    reiter(QStringLiteral("30_hilfe"), FormHilfe, FormHilfe->PageControl1);
    // the simulator's help at the places its windows' help buttons open, and at its end
    for (int stelle : {1, 324, 830, 1100, 1367, 1800}) {
        FormHilfe->HilfeZeigen(TFormHilfe::Computertomographie, stelle);
        aufnehmen(QStringLiteral("39_hilfe_%1").arg(stelle, 4, 10, QLatin1Char('0')));
        FormHilfe->hide();
    }
    FormHilfe->PageControl1->setCurrentIndex(0);
    reiter(QStringLiteral("31_lexroentgen"), FormLexikonRoentgenstrahlung, FormLexikonRoentgenstrahlung->PageControl1);
    reiter(QStringLiteral("32_lexct"), FormLexikonComputertomograph, FormLexikonComputertomograph->PageControl1);
    reiter(QStringLiteral("33_lexfilter"), FormLexikonFilter, FormLexikonFilter->PageControl1);
    FormHaupt->Quellen->trigger();
    aufnehmen(QStringLiteral("34_quellen"));
    FormHaupt->ZugNeu(4);
    FormHaupt->Info->trigger();
    aufnehmen(QStringLiteral("35_info"));
    FormHaupt->ZugNeu(4);
    FormHaupt->Danksagung1->trigger();
    aufnehmen(QStringLiteral("36_danksagung"));
    FormHaupt->ZugNeu(4);
    fenster(QStringLiteral("37_lunge"), FormBilderLunge);
    fenster(QStringLiteral("38_gehirn"), FormBilderGehirn);
    simulator();
    simulatorWeiter();
    auslage();
    // Last, so that the dialogs' earlier states are those of a fresh start.
    uebungen();
    geometrieDatei.close();
    return 0;
}

// Compares the pictures of two sets and their geometry lists; prints what
// differs and returns 1 if anything does.
int vergleichen(const QString& a, const QString& b)
{
    int unterschiede = 0;
    QDir da(a), db(b);
    const auto zustaende = da.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& z : zustaende) {
        QDir za(da.filePath(z)), zb(db.filePath(z));
        for (const QString& datei : za.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name)) {
            const QImage ia(za.filePath(datei)), ib(zb.filePath(datei));
            if (ib.isNull()) {
                std::printf("%s/%s: missing in %s\n", qPrintable(z), qPrintable(datei), qPrintable(b));
                ++unterschiede;
                continue;
            }
            if (ia.size() != ib.size()) {
                std::printf("%s/%s: size %dx%d against %dx%d\n", qPrintable(z), qPrintable(datei), ia.width(),
                            ia.height(), ib.width(), ib.height());
                ++unterschiede;
                continue;
            }
            const QImage pa = ia.convertToFormat(QImage::Format_RGB32), pb = ib.convertToFormat(QImage::Format_RGB32);
            long anders = 0;
            QRect box;
            for (int y = 0; y < pa.height(); ++y)
                for (int x = 0; x < pa.width(); ++x)
                    if (pa.pixel(x, y) != pb.pixel(x, y)) {
                        ++anders;
                        box |= QRect(x, y, 1, 1);
                    }
            if (anders) {
                std::printf("%s/%s: %ld pixels differ within %d,%d %dx%d\n", qPrintable(z), qPrintable(datei),
                            anders, box.x(), box.y(), box.width(), box.height());
                ++unterschiede;
            }
        }
    }
    QFile ga(da.filePath(QStringLiteral("geometrie.txt"))), gb(db.filePath(QStringLiteral("geometrie.txt")));
    if (ga.open(QIODevice::ReadOnly) && gb.open(QIODevice::ReadOnly)) {
        const auto la = QString::fromUtf8(ga.readAll()).split('\n'), lb = QString::fromUtf8(gb.readAll()).split('\n');
        for (const QString& zeile : la)
            if (!lb.contains(zeile)) {
                std::printf("geometry: %s\n", qPrintable(zeile));
                ++unterschiede;
            }
    }
    std::printf(unterschiede ? "%d differences\n" : "identical\n", unterschiede);
    return unterschiede ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const QSize bildschirm = Testumgebung::bildschirmVorbereiten(argc == 3 ? argv[1] : "", argc, argv);
    QApplication app(argc, argv);
    if (bildschirm.isValid())
        Einpassung::uebernehmen();
    Testumgebung::anwendungEinrichten();
    const QByteArray ausgabe = qgetenv("QUORVEL_AUSGABE");
    if (ausgabe == "de")
        Sprache::setzen(Sprache::Ausgabe::Deutsch);
    else if (ausgabe == "en")
        Sprache::setzen(Sprache::Ausgabe::Englisch);
    const QStringList args = QApplication::arguments();
    if (args.size() == 4 && args[1] == QLatin1String("--vergleich"))
        return vergleichen(args[2], args[3]);
    if (args.size() != 3
        || (!bildschirm.isValid() && args[1] != QLatin1String("800") && args[1] != QLatin1String("1024"))) {
        std::fprintf(stderr,
                     "usage: aufnahmen <800|1024|WxH> <folder> | aufnahmen --vergleich <folder> <folder>\n");
        return 2;
    }
    const int breite = args[1].toInt();
    const auto starten = [&] {
        if (bildschirm.isValid())
            Testumgebung::startenWieDasProgramm();
        else
            Testumgebung::starten(breite);
    };
    const int ergebnis = aufnahmenMachen(starten, args[2]);
    Testumgebung::abbauen();
    return ergebnis;
}

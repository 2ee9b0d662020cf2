// The scan run of the simulator window: the start with its enabling and
// disabling, the controls that steer a running scan, and the drawing the
// model asks for as its Scanbeobachter.

#include "sim/Blatt12.h"

#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "platform/Bildanzeige.h"
#include "platform/Fensterart.h"
#include "platform/Pause.h"
#include "platform/Steuerelemente.h"
#include "sim/Einstellungen.h"
#include "sim/Pause.h"
#include "sim/ProgressBar.h"
#include "tools/Archiv.h"
#include "tools/Archivbearbeiten.h"
#include "tools/Bilder38.h"
#include "tools/Bilder56.h"
#include "tools/BlattFilter.h"
#include "tools/Eingabe.h"

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {
constexpr QRgb Weiss = 0xFFFFFF;
constexpr QRgb Schwarz = 0x000000;
constexpr QRgb Rot = 0xFF0000;
constexpr QRgb Navy = 0x000080;
}  // namespace

bool TForm12::mitVerlauf() const
{
    return FormEinstellungen->mitVerlauf->isChecked();
}

bool TForm12::ohneVerlauf() const
{
    return FormEinstellungen->ohneVerlauf->isChecked();
}

void TForm12::StartButtonClick()
{
    // A scan that was stopped may still be winding down: a second one never
    // starts inside it.
    if (tag(StartButton) != 0 || Modell.Laeuft)
        return;
    Modell.Laeuft = true;
    CTLoeschenClick();
    FormEinstellungen->close();
    // The tool windows that change the pattern or the CT picture would
    // change them under the running scan.
    for (QWidget* w : std::initializer_list<QWidget*>{FormBilder38, FormBilder56, FormFilter, FormEingabe,
                                                       FormArchivbearbeiten})
        w->close();
    setzeTag(StartButton, 1);

    StandbildSender->hide();
    StandbildEmpfaenger->hide();
    weissFuellen(Sichtbild, zeichenRechteck());
    Sichtbild->show();
    Image1->hide();

    StartButton->setEnabled(false);
    const bool endergebnis = FormEinstellungen->Endergebnis->isChecked();
    if (!endergebnis)
        for (QToolButton* k : {StopButton, PauseButton, SpeedButton})
            k->setEnabled(true);

    for (QMenu* m : {Vorlage, Bearbeiten, Computertomograph})
        m->setEnabled(false);
    for (QPushButton* k : {VorlageLoeschenButton, BibliothekButton, CTLoeschenButton, GraucodezeigenButton,
                           FilterzeigenButton, EinstellungButton})
        k->setEnabled(false);
    Neu1->setEnabled(false);
    // Nor may an archived picture be saved, loaded or deleted meanwhile.
    for (QMenu* m : {CTBildSpeichern, CTBildLoeschen, CTBildLaden})
        m->setEnabled(false);
    ArchivbearbeitenButton->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);

    Zeichenflaeche& vorschau = FormArchiv->Image0->flaeche();
    vorschau.copyRect(QRect(QPoint(0, 0), vorschau.groesse()), Image2->flaeche(), Image2->rect());
    FormArchiv->Image0->aktualisieren();
    BildZeichnen(Image3);

    if (endergebnis)
        zeigenVorn(FormProgressBar);

    Einlesen();
    bool gestoppt = false;
    if (Modell.Weisszahl == Modell.Raster * Modell.Raster) {
        // An empty pattern: nothing to scan.
        VorlageLoeschenClick();
        setzeTag(StartButton, 0);
    } else {
        Tomographie();
        if (Programmende()) {
            // The program is ending: nothing more is drawn or enabled.
            QApplication::restoreOverrideCursor();
            return;
        }
        gestoppt = tag(StartButton) == 0;
        Modell.BildgrenzenSetzen();
        Bearbeiten->setEnabled(true);
        for (QPushButton* k : {CTLoeschenButton, GraucodezeigenButton, FilterzeigenButton, ArchivbearbeitenButton})
            k->setEnabled(true);
        Filterzeigen->setEnabled(true);
        for (QMenu* m : {CTBildLoeschen, CTBildLaden, CTBildSpeichern})
            m->setEnabled(true);
    }

    FormProgressBar->close();
    for (QToolButton* k : {StopButton, PauseButton, SpeedButton})
        k->setEnabled(false);
    Computertomograph->setEnabled(true);
    EinstellungButton->setEnabled(true);
    Vorlage->setEnabled(true);
    VorlageLoeschenButton->setEnabled(true);
    // The library button as its menu item: only for the grids it has
    // patterns for.
    BibliothekButton->setEnabled(Bibliothek->isEnabled());
    QApplication::restoreOverrideCursor();
    Modell.Laeuft = false;
    Neu1->setEnabled(true);
    // "Start" of a stopped scan comes back only now that the scan has wound down.
    if (gestoppt)
        StartButton->setEnabled(true);
}

void TForm12::Einlesen()
{
    const Zeichenflaeche& muster = Image2->flaeche();
    Modell.Einlesen([&muster](int x, int y) { return std::uint32_t(muster.pixel(x, y)); });
}

void TForm12::Tomographie()
{
    Modell.Tomographie(*this);
}

void TForm12::PauseButtonClick()
{
    SpeedButton->setEnabled(false);
    StopButton->setEnabled(false);
    modalZeigen(FormPause);
    StopButton->setEnabled(true);
    SpeedButton->setEnabled(true);
    wiederAktivieren();
}

void TForm12::StopButtonClick()
{
    // The scan ends at its next test; "Start" is enabled once it has wound
    // down, never while it still runs.
    setzeTag(StopButton, 1);
    setzeTag(StartButton, 0);
    Neu1->setEnabled(true);
    Sichtbild->hide();
    StandbildSender->show();
    StandbildEmpfaenger->show();
    if (FormEinstellungen->Endergebnis->isChecked())
        CTLoeschenClick();
}

void TForm12::SpeedButtonMouseDown()
{
    FormEinstellungen->Endergebnis->setChecked(true);
}

void TForm12::SpeedButtonMouseUp()
{
    if (mitVerlauf())
        Faerben(Modell.CTBild);
    TFormEinstellungen* e = FormEinstellungen;
    QRadioButton* bestaetigt = e->AktuelleEinstellung[TFormEinstellungen::Darstellung];
    if (bestaetigt == e->Zwischenstufe)
        e->Zwischenstufe->setChecked(true);
    else if (bestaetigt == e->Alles)
        e->Alles->setChecked(true);
}

void TForm12::FortschrittsAnzeigeMalen(int a)
{
    Zeichenflaeche& f = FortschrittsAnzeige->flaeche();
    const int h = f.hoehe();
    const int w = f.breite();
    // The half disc is the same at every angle and covers the last pointer;
    // it is drawn once and copied after that.
    if (m_halbscheibe.groesse() != f.groesse()) {
        m_halbscheibe = Zeichenflaeche(w, h);
        m_halbscheibe.setzePinsel(Navy);
        m_halbscheibe.setzeStift(Navy);
        m_halbscheibe.chord(0, 0, w, 2 * h, w, h - 1, 0, h - 1);
    }
    f.copyRectAnd(f.bild().rect(), m_halbscheibe, m_halbscheibe.bild().rect());
    const ct::Punkt spitze = Modell.Zeigerspitze(a, h);
    f.setzeStift(Weiss);
    f.moveTo(spitze.x, spitze.y);
    f.lineTo(h, h);
    f.setzeStift(Schwarz);
    f.setzePinsel(Weiss);
    FortschrittsAnzeige->aktualisieren();
}

// --- Scanbeobachter ------------------------------------------------------------

bool TForm12::Abbruch()
{
    return Programmende() || tag(StopButton) == 1;
}

bool TForm12::SchrittGezeigt(int drehwinkel)
{
    const TFormEinstellungen* e = FormEinstellungen;
    const ct::Darstellung d = e->Alles->isChecked()           ? ct::Darstellung::Alles
                              : e->Zwischenstufe->isChecked() ? ct::Darstellung::Zwischenstufe
                                                              : ct::Darstellung::Endergebnis;
    return ct::SchrittWirdGezeigt(d, drehwinkel, Modell.Winkelschritt);
}

void TForm12::CTZeichnen(int drehwinkel)
{
    // The outlines are drawn with the pen, which is black here.
    const auto zeichnen = [this](Zeichenflaeche& z, int winkel) {
        const ct::Geraeteumriss u = Modell.CTUmrisse(winkel);
        for (const ct::Viereck& v : {u.Sender, u.Detektor1, u.Detektor2})
            z.polyline({{v[0].x, v[0].y}, {v[1].x, v[1].y}, {v[2].x, v[2].y}, {v[3].x, v[3].y}, {v[0].x, v[0].y}});
    };
    Zeichenflaeche& f = Image1->flaeche();
    if (m_umrissDa && m_umrissBildWinkel == drehwinkel) {
        // The overlay follows the angle only when an angle is drawn a second
        // time, so a scan that shows no rays never keeps it.
        if (m_umrissWinkel != drehwinkel) {
            if (m_umriss.groesse() != f.groesse() || m_umrissWinkel < 0) {
                m_umriss.setzeGroesse(f.breite(), f.hoehe());
                m_umriss.setzePinsel(Weiss);
                m_umriss.fillRect(0, 0, m_umriss.breite(), m_umriss.hoehe());
            } else {
                // The overlay holds nothing but the last outlines: drawn over
                // in white, they leave it white for the new ones.
                m_umriss.setzeStift(Weiss);
                zeichnen(m_umriss, m_umrissWinkel);
            }
            m_umriss.setzeStift(Schwarz);
            zeichnen(m_umriss, drehwinkel);
            m_umrissWinkel = drehwinkel;
        }
        // Black on white combined by AND sets exactly the outline's pixels.
        for (const QRect& r : m_schmutz)
            f.copyRectAnd(r, m_umriss, r);
    } else {
        zeichnen(f, drehwinkel);
        m_umrissDa = true;
        m_umrissBildWinkel = drehwinkel;
    }
    m_schmutz.clear();
}

void TForm12::RoentgenZeichnen(int drehwinkel, int strahl, int anzahl)
{
    const ct::Strahlbild s = Modell.RoentgenTeile(drehwinkel, strahl, anzahl);
    Viereck(Rot, Rot, s.Sender, Image1);
    Viereck(s.Strahl.Rgb(), s.Strahl.Rgb(), s.Detektor1, Image1);
    Viereck(s.Anzeige.Rgb(), s.Anzeige.Rgb(), s.Detektor2, Image1);
    CTZeichnen(Modell.Drehwinkel);
    Zeichenflaeche& f = Image1->flaeche();
    f.setzeStift(Rot);
    f.moveTo(s.Anfang.x, s.Anfang.y);
    f.lineTo(s.Ende.x, s.Ende.y);
    f.setzeStift(Schwarz);
    // Between source and detector the ray meets their outlines only at its
    // two ends.
    m_schmutz.push_back(QRect(s.Anfang.x - 4, s.Anfang.y - 4, 9, 9));
    m_schmutz.push_back(QRect(s.Ende.x - 4, s.Ende.y - 4, 9, 9));
    if (mitVerlauf()) {
        Sichtbild->flaeche().copyRectAnd(zeichenRechteck(), f, zeichenRechteck());
        Sichtbild->aktualisieren();
        pause(100);
    }
}

void TForm12::Faerben(const ct::Bildfeld& bild)
{
    graustufenZeigen(ct::Faerben(bild, Modell.Raster));
}

void TForm12::SchleifeBeginn(int projektionen)
{
    StandbildSender->hide();
    StandbildEmpfaenger->hide();
    Image1->hide();
    Sichtbild->show();
    FortschrittsAnzeige->show();
    musterAufSichtbild();
    FormProgressBar->ProgressBar1->setRange(0, projektionen + 1);
    FormProgressBar->ProgressBar1->setValue(0);
}

bool TForm12::SchleifeAbbruch()
{
    if (Programmende() || tag(StopButton) != 0) {
        setzeTag(StopButton, 0);
        return true;
    }
    return false;
}

void TForm12::WinkelBeginn(int drehwinkel)
{
    // A progress bar repaints at once when its value changes; with its
    // updates held back it is painted during the wait that ends the angle,
    // so its drawing does not lengthen the scan.
    QProgressBar* balken = FormProgressBar->ProgressBar1;
    balken->setUpdatesEnabled(false);
    balken->setValue(balken->value() + 1);
    balken->setUpdatesEnabled(true);
    FortschrittsAnzeigeMalen(drehwinkel);
    weissFuellen(Image1, zeichenRechteck());
    m_umrissDa = false;
    if (mitVerlauf() && SchrittGezeigt(drehwinkel)) {
        weissFuellen(Sichtbild, zeichenRechteck());
        weissFuellen(Image1, zeichenRechteck());
        musterAufSichtbild();
    }
}

void TForm12::WinkelEnde(int drehwinkel)
{
    // A stopped or ended scan draws nothing more and does not wait.
    if (Abbruch())
        return;
    if (ohneVerlauf() && SchrittGezeigt(drehwinkel)) {
        CTZeichnen(drehwinkel);
        // Image1 onto a Sichtbild filled white: AND with white copies it.
        Sichtbild->flaeche().copyRect(zeichenRechteck(), Image1->flaeche(), zeichenRechteck());
        musterAufSichtbild();
    }
    pause(10);
}

void TForm12::SchleifeEnde()
{
    FortschrittsAnzeige->hide();
    Sichtbild->hide();
    weissFuellen(Sichtbild, zeichenRechteck());
    StandbildSender->show();
    StandbildEmpfaenger->show();
}

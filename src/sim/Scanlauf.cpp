// The scan run of the simulator window: the start with its enabling and
// disabling, the controls that steer a running scan, and the drawing the
// model asks for as its Scanbeobachter.

#include "sim/Blatt12.h"

#include "app/Ausstieg.h"
#include "app/Fenster.h"
#include "platform/Bildanzeige.h"
#include "platform/Farbtabelle.h"
#include "platform/Fensterart.h"
#include "platform/Pause.h"
#include "sim/Pause.h"
#include "sim/ProgressBar.h"

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QMenu>
#include <QToolButton>
#include <vector>

namespace {

using Farben::Rot;
using Farben::Schwarz;
using Farben::Weiss;

// What one control of the simulator does during a scan and after it.
enum class Waehrend {
    Aus,             // disabled
    Laufsteuerung,   // enabled, unless the display is "At the end"
};
enum class Danach {
    Aus,
    An,
    MitBild,         // enabled when the scan made a picture
    NachStopp,       // enabled when the scan was stopped
    WieBibliothek,   // only for the grids the library has patterns for
};
struct Scanschalter
{
    QObject* element;
    Waehrend waehrend;
    Danach danach;
};

// The controls that must not act during a scan, and the run controls that
// act only then. Neither the pattern, nor the settings, nor the CT-picture
// tools, nor the archive can be reached while a scan runs. A command with a
// menu item and a button stands here as its action; the button follows it.
std::vector<Scanschalter> scanschalter(const TForm12& f)
{
    return {
        {f.StartButton, Waehrend::Aus, Danach::NachStopp},
        {f.StopButton, Waehrend::Laufsteuerung, Danach::Aus},
        {f.PauseButton, Waehrend::Laufsteuerung, Danach::Aus},
        {f.SpeedButton, Waehrend::Laufsteuerung, Danach::Aus},
        {f.Vorlage, Waehrend::Aus, Danach::An},
        {f.VorlageLoeschen, Waehrend::Aus, Danach::An},
        {f.Bibliothek, Waehrend::Aus, Danach::WieBibliothek},
        {f.Bearbeiten, Waehrend::Aus, Danach::MitBild},
        {f.CTLoeschenButton, Waehrend::Aus, Danach::MitBild},
        {f.GraucodezeigenButton, Waehrend::Aus, Danach::MitBild},
        {f.Filterzeigen, Waehrend::Aus, Danach::MitBild},
        // (the menu items "&Delete CT Picture" and "&Gray Scale..." stay off)
        {f.Neu1, Waehrend::Aus, Danach::An},
        {f.Computertomograph, Waehrend::Aus, Danach::An},
        {f.Einstellung, Waehrend::Aus, Danach::An},
        {f.CTBildSpeichern, Waehrend::Aus, Danach::MitBild},
        {f.CTBildLoeschen, Waehrend::Aus, Danach::MitBild},
        {f.CTBildLaden, Waehrend::Aus, Danach::MitBild},
        {f.ArchivbearbeitenButton, Waehrend::Aus, Danach::MitBild},
    };
}

void freigeben(QObject* element, bool an)
{
    if (auto* a = qobject_cast<QAction*>(element))
        a->setEnabled(an);
    else if (auto* w = qobject_cast<QWidget*>(element))
        w->setEnabled(an);
}

}  // namespace

bool TForm12::mitVerlauf() const
{
    return Zustand.Auswahl().Verlauf;
}

bool TForm12::ohneVerlauf() const
{
    return !Zustand.Auswahl().Verlauf;
}

void TForm12::scansteuerungBeginn(bool endergebnis)
{
    for (const Scanschalter& s : scanschalter(*this))
        freigeben(s.element, s.waehrend == Waehrend::Laufsteuerung && !endergebnis);
}

void TForm12::scansteuerungEnde(bool mitBild, bool gestoppt)
{
    for (const Scanschalter& s : scanschalter(*this)) {
        switch (s.danach) {
        case Danach::Aus: freigeben(s.element, false); break;
        case Danach::An: freigeben(s.element, true); break;
        case Danach::MitBild: freigeben(s.element, mitBild); break;
        case Danach::NachStopp: freigeben(s.element, gestoppt); break;
        case Danach::WieBibliothek: freigeben(s.element, bibliothekDa()); break;
        }
    }
}

void TForm12::StartButtonClick()
{
    // A scan that was stopped may still be winding down: a second one never
    // starts inside it.
    if (Zustand.Laufzustand() != Simulatorzustand::Lauf::KeinBild)
        return;
    // Deletes the CT picture; the settings dialog and the tool windows that
    // change the pattern or the CT picture close.
    Zustand.ScanBeginnen();

    StandbildSender->hide();
    StandbildEmpfaenger->hide();
    weissFuellen(Sichtbild, zeichenRechteck());
    Sichtbild->show();
    Image1->hide();

    const bool endergebnis = Zustand.Auswahl().Darstellung == ct::Darstellung::Endergebnis;
    scansteuerungBeginn(endergebnis);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    BildZeichnen(Image3);

    if (endergebnis)
        zeigenVorn(FormProgressBar);

    Einlesen();
    const bool leer = Modell.Weisszahl == Modell.Raster * Modell.Raster;
    if (leer) {
        // An empty pattern: nothing to scan.
        Zustand.VorlageLoeschen();
    } else {
        Tomographie();
        if (Programmende()) {
            // The program is ending: nothing more is drawn or enabled.
            QApplication::restoreOverrideCursor();
            return;
        }
        rechenmodell().BildgrenzenSetzen();
    }

    FormProgressBar->close();
    // "Start" of a stopped scan comes back only now that the scan has wound down.
    scansteuerungEnde(!leer, !leer && Zustand.StopVerlangt());
    QApplication::restoreOverrideCursor();
    Zustand.ScanBeenden(!leer);
}

void TForm12::Einlesen()
{
    const Zeichenflaeche& muster = Image2->flaeche();
    rechenmodell().Einlesen([&muster](int x, int y) { return std::uint32_t(muster.pixel(x, y)); });
}

void TForm12::Tomographie()
{
    rechenmodell().Tomographie(*this);
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
    Zustand.StopVerlangen();
    Neu1->setEnabled(true);
    Sichtbild->hide();
    StandbildSender->show();
    StandbildEmpfaenger->show();
    if (Zustand.Auswahl().Darstellung == ct::Darstellung::Endergebnis)
        CTLoeschenClick();
}

// "Speed" selects "At the end" while it is held (its action does nothing
// during a scan), so that nothing is drawn; released, the picture is
// coloured and the confirmed display comes back.
void TForm12::SpeedButtonMouseDown()
{
    Zustand.Waehlen(Einstellungsgruppe::Darstellung, int(ct::Darstellung::Endergebnis));
}

void TForm12::SpeedButtonMouseUp()
{
    if (mitVerlauf())
        Faerben(Modell.CTBild);
    const ct::Darstellung bestaetigt = Zustand.AktuelleEinstellung().Darstellung;
    if (bestaetigt != ct::Darstellung::Endergebnis)
        Zustand.Waehlen(Einstellungsgruppe::Darstellung, int(bestaetigt));
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
        m_halbscheibe.setzePinsel(Farben::Navy);
        m_halbscheibe.setzeStift(Farben::Navy);
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
    return Programmende() || Zustand.StopVerlangt();
}

bool TForm12::SchrittGezeigt(int drehwinkel)
{
    return ct::SchrittWirdGezeigt(Zustand.Auswahl().Darstellung, drehwinkel, Modell.Winkelschritt);
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
            // The overlay holds nothing but the last outlines: a white fill
            // clears only the pixels drawn on (Zeichenflaeche keeps them).
            if (m_umriss.groesse() != f.groesse())
                m_umriss.setzeGroesse(f.breite(), f.hoehe());
            m_umriss.setzePinsel(Weiss);
            m_umriss.fillRect(0, 0, m_umriss.breite(), m_umriss.hoehe());
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
    CTZeichnen(drehwinkel);
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
        m_takt.warten(100);
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
    m_takt.beginnen();
}

bool TForm12::SchleifeAbbruch()
{
    // The stop stays asked for until the scan has ended.
    return Abbruch();
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
    m_takt.warten(10);
}

void TForm12::ZeileGemessen(int drehwinkel)
{
    Zustand.WinkelFertig(drehwinkel);
}

void TForm12::SchleifeEnde()
{
    FortschrittsAnzeige->hide();
    Sichtbild->hide();
    weissFuellen(Sichtbild, zeichenRechteck());
    StandbildSender->show();
    StandbildEmpfaenger->show();
}

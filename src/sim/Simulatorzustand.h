#pragma once

#include "core/Filter.h"
#include "core/Muster.h"
#include "core/Simulator.h"
#include "sim/Statustexte.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <array>

class Zeichenflaeche;

// The five settings of the scan, in the order of the slots of a record.
enum class Einstellungsgruppe { Raster, Darstellung, Winkel, Faltung, Verlauf };

// One choice of each setting: grid size 4, 20, 38 or 56; display; angle step
// 1, 2, 10, 45 or 90; convolution; progression.
struct Einstellung
{
    int Raster = 38;
    ct::Darstellung Darstellung = ct::Darstellung::Alles;
    int Winkelschritt = 2;
    bool Faltung = false;
    bool Verlauf = false;

    // A group's choice as a number (the display as its enum's value, the
    // switches as 0 or 1), as the radio buttons of the settings name it.
    int wert(Einstellungsgruppe g) const;
    void setzeWert(Einstellungsgruppe g, int wert);

    friend bool operator==(const Einstellung&, const Einstellung&) = default;
};

// What an archive slot keeps about its picture besides the pictures: the
// status bar's values and the values of the picture when it was saved.
struct Bildinformation
{
    Statuswerte Status;
    int Winkelschritt = 2;
    ct::Filterart Filternummer = ct::Filterart::Keiner;
    std::array<QString, 9> Kerntexte{};   // the own kernel's field texts
    float Bildmaximum = 0.0f;
    float Bildminimum = 0.0f;
    int Schieberposition = 0;
};

// One of the five archive slots.
struct Archivfach
{
    bool belegt = false;
    QImage Bild;                  // the picture area as it was shown
    Bildinformation Information;
    ct::Bildfeld CTBild;
    ct::Bildfeld FilterBild;
    ct::Sinogramm Messung;        // the readings the picture was made from
};

// What the simulator and its tools share: the model with its CT picture, the
// settings with the two records the settings dialog keeps, the scan state,
// the filter and gray-scale values, the picture's name and the status bar's
// values, and the picture archive. The simulator window owns it; the
// settings dialog, the gray-scale, filter and kernel windows, the pattern
// libraries and the archive windows act through its operations and follow
// its signals, and none of them touches another window's controls.
//
// The operations change the values and emit signals in the order the
// windows must follow them; every connection is direct, so a signal's
// followers have acted when the operation goes on. Selecting a choice
// (Waehlen, FilterAuswaehlen) has the semantics of a radio button: its
// action runs exactly when the choice changes.
class Simulatorzustand : public QObject
{
    Q_OBJECT
public:
    explicit Simulatorzustand(QObject* eltern = nullptr);

    // The model: grid, tables, CT picture, filtered picture, picture bounds.
    const ct::Simulator& Modell() const { return m_modell; }

    // --- What the simulator window lends ------------------------------------

    // Where the pattern image lies in the scan drawing, for laying out the
    // grid, and the layout width.
    void setzeZeichenlage(int breite, float versatzX, float versatzY);
    // The pattern image and the picture area, which the archive copies.
    void setzeFlaechen(const Zeichenflaeche* muster, const Zeichenflaeche* bild);
    const Zeichenflaeche& Musterbild() const { return *m_musterbild; }
    const Zeichenflaeche& Bildflaeche() const { return *m_bildflaeche; }

    // --- Settings -----------------------------------------------------------

    // The choice selected in each group: what the settings dialog's radio
    // buttons show, and what a scan reads for its display and progression.
    const Einstellung& Auswahl() const { return m_auswahl; }
    // The confirmed choices and the choices pending in the dialog.
    const Einstellung& AktuelleEinstellung() const { return m_aktuell; }
    const Einstellung& GewaehlteEinstellung() const { return m_gewaehlt; }
    // The apply flag: false while the dialog records choices as pending,
    // true while a choice takes effect at once. Showing the dialog clears
    // it, confirming sets it.
    bool Anwenden() const { return m_anwenden; }
    void setzeAnwenden(bool anwenden) { m_anwenden = anwenden; }
    // Locked by a loaded archive picture: angle, display and convolution.
    bool Gesperrt() const { return m_gesperrt; }
    // "Every 10 steps" can be chosen (not with 45 and 90 degrees).
    bool ZwischenstufeFrei() const { return m_zwischenstufeFrei; }

    // Selects a choice; when it was not selected before, its action runs.
    void Waehlen(Einstellungsgruppe g, int wert);
    // The action of a choice without selecting it: with the apply flag the
    // setting takes effect, without it the choice is recorded as pending.
    void Klick(Einstellungsgruppe g, int wert);
    // "OK" of the confirmation: deletes the CT picture, runs the action of
    // every pending choice that differs from the confirmed one (display,
    // angle, convolution, grid, progression) and confirms them all.
    void Bestaetigen();
    // "Abort" of the confirmation: clears the apply flag and selects the
    // confirmed choices again (display, angle, grid, convolution, progression).
    void Verwerfen();
    // The reset to the defaults ("&New" of the simulator).
    void Standardwerte();
    // Both records take the selected choices.
    void EinstellungUebernehmen();
    // Restores the settings, status values and picture values of an
    // archived picture (the load of a slot calls it).
    void EinstellungsCheck(const Bildinformation& info);

    // Lays the grid out for n cells per side: the model, a fresh CT picture,
    // the windows' grid pictures (rasterEingerichtet).
    void RasterEinrichten(int n);

    // --- The status bar -------------------------------------------------------
    const Statuswerte& Status() const { return m_status; }
    QString Statustext(int panel) const { return Statustexte::text(m_status, panel); }
    void setzeBildname(const Bildname& name);

    // --- The scan -------------------------------------------------------------
    enum class Lauf {
        KeinBild,   // a scan may start and the pattern be painted (a stopped
                    // scan's partial picture stays, with its tools)
        Scan,       // a scan runs
        Stopp,      // stop was asked; the scan ends at its next test
        Bild,       // a finished or loaded CT picture: no scan, no painting
                    // until it is deleted
    };
    Lauf Laufzustand() const { return m_lauf; }
    bool Laeuft() const { return m_lauf == Lauf::Scan || m_lauf == Lauf::Stopp; }
    bool StopVerlangt() const { return m_lauf == Lauf::Stopp; }
    // "Start" does nothing and the pattern cannot be painted.
    bool StartGesperrt() const { return m_lauf == Lauf::Scan || m_lauf == Lauf::Bild; }

    // The start of a scan: the CT picture is deleted, the tool windows close.
    void ScanBeginnen();
    void StopVerlangen();
    // The projection at this angle ran through all its rays: its row of
    // readings is the last of the model's Messung.
    void WinkelFertig(int drehwinkel);
    // The end of a scan; without a picture when the pattern was empty.
    void ScanBeenden(bool bildGemacht);

    // --- Pictures -------------------------------------------------------------
    void CTBildLoeschen();
    void VorlageLoeschen();
    // A cell of the pattern was painted by hand.
    void MusterGemalt();
    // A library pattern replaces the pattern.
    void MusterWaehlen(ct::Muster muster);

    // --- Filters and gray scale -------------------------------------------------
    // The filter last applied, and whether its result is the picture shown.
    ct::Filterart Filternummer() const { return m_filternummer; }
    bool FilterAktiv() const { return m_filterAktiv; }
    // The filter selected in the filter window (also "Create a filter" before
    // its kernel is applied).
    ct::Filterart Filterauswahl() const { return m_filterauswahl; }
    // Selects a filter; when it was not selected before, it is applied (or,
    // for the own kernel, its input window opens).
    void FilterAuswaehlen(ct::Filterart art);
    // Selects a filter and names it in the status bar.
    void FilterEinstellungen(ct::Filterart art);
    // Applies the own kernel; gives its divisor.
    int EigenenKernAnwenden(const ct::Kern& gewichte);
    // The kernel window's field texts, which the archive keeps.
    const std::array<QString, 9>& Kerntexte() const { return m_kerntexte; }
    void setzeKerntexte(const std::array<QString, 9>& texte) { m_kerntexte = texte; }

    static constexpr int Hoechstposition = 254;
    int Schieberposition() const { return m_schieber; }
    // Moves the gray-scale knob to P; a P outside 0 ... 254 is refused.
    void SchieberSetzen(int P);
    // Re-colours the picture shown through the gray-scale window.
    void GraucodeAenderung();

    // --- The archive ----------------------------------------------------------
    const Archivfach& Fach(int k) const { return m_faecher[std::size_t(k - 1)]; }
    // 0 while the picture shown comes from a scan, k after slot k was loaded.
    int Archivbildnummer() const { return m_archivbildnummer; }
    void FachSpeichern(int k);
    void FachLoeschen(int k);
    void FachLaden(int k);

signals:
    // The selected choice of a group changed (the radio buttons follow).
    void auswahlGeaendert(Einstellungsgruppe gruppe);
    // Which choices are locked or available changed.
    void sperreGeaendert();
    // A setting took effect.
    void einstellungAngewandt(Einstellungsgruppe gruppe);
    // A status panel's value changed.
    void statusGeaendert(int panel);
    // The grid was laid out anew: the windows clear and redraw their grid
    // pictures, the libraries close.
    void rasterEingerichtet(int n);

    // The scan: begun (the CT picture deleted), each angle measured (its row
    // of readings recorded in Modell().Messung), ended.
    void scanBegonnen();
    void winkelFertig(int drehwinkel);
    void scanBeendet(bool gestoppt);

    void ctBildGeloescht();
    // The pattern was deleted (its grid is empty, the archive follows).
    void vorlageGeloescht();
    // The pattern changed: painted, taken from the library or deleted.
    void musterGeaendert();
    // A library pattern is to be painted into the pattern image.
    void musterUebernommen(ct::Muster muster);

    // The picture area shows these gray levels, cell by cell, with its frame.
    void bildGefaerbt(const ct::Graufeld& stufen);
    // The picture area shows this picture (an archived one).
    void bildHergestellt(const QImage& bild);
    // The gray-scale knob moved to P.
    void schieberGesetzt(int P);
    void filterauswahlGeaendert(ct::Filterart art);
    // "Create a filter" became selected: its input window opens.
    void eigenkreationGewaehlt();
    // The kernel texts came back from an archived picture.
    void kerntexteHergestellt();

    void fachGespeichert(int k);
    void fachGeloescht(int k);
    void fachGeladen(int k);

private:
    // The simulator window computes with the model itself: the scan.
    friend class TForm12;
    ct::Simulator& rechenmodell() { return m_modell; }

    void merken(Einstellungsgruppe g, int wert);
    void RasterAendern(int n);
    void setzeZwischenstufeFrei(bool frei);
    void statusSetzen(int panel);
    void FilterWaehlen(ct::Filterart art);
    // The filtered picture while a filter's result is shown, else the CT picture.
    const ct::Bildfeld& gezeigtesBild() const;
    void gezeigtesFaerben();
    void aussehenHerstellen(const Archivfach& fach);

    ct::Simulator m_modell;
    int m_breite = 800;
    float m_versatzX = 0.0f, m_versatzY = 0.0f;
    const Zeichenflaeche* m_musterbild = nullptr;
    const Zeichenflaeche* m_bildflaeche = nullptr;

    Einstellung m_auswahl, m_aktuell, m_gewaehlt;
    bool m_anwenden = false;
    bool m_gesperrt = false;
    bool m_zwischenstufeFrei = true;

    Statuswerte m_status;
    Lauf m_lauf = Lauf::KeinBild;

    ct::Filterart m_filterauswahl = ct::Filterart::Keiner;
    ct::Filterart m_filternummer = ct::Filterart::Keiner;
    bool m_filterAktiv = false;
    std::array<QString, 9> m_kerntexte{};
    int m_schieber = 0;

    std::array<Archivfach, 5> m_faecher;
    int m_archivbildnummer = 0;
};

#pragma once

#include "core/Simulator.h"
#include "platform/Pause.h"
#include "platform/Zeichenflaeche.h"
#include "sim/Simulatorzustand.h"

#include <QMainWindow>
#include <QRgb>
#include <QString>
#include <array>

class Bildanzeige;
class Panel;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;
class Statusleiste;
class Zellcursor;

// The scan simulator, the last page (13 on the page strip, Seiten::Simulator).
// While it is shown it lies over the whole main window, whose menu bar, page
// strip and curls hide. The learner draws a pattern into the grid
// (Image2), starts a scan that the model computes angle by angle while this
// window draws source, rays and detector readings (it is the model's
// Scanbeobachter), and gets the CT picture in the picture area (Image3),
// which the gray-scale, filter and archive tools work on.
//
// The window owns the simulator's state (Zustand), which the settings dialog
// and the tools share; its own controls, status bar and pictures follow the
// state's signals.
class TForm12 : public QMainWindow, public ct::Scanbeobachter
{
    Q_OBJECT
public:
    TForm12();

    // What the simulator and its tools share.
    Simulatorzustand Zustand;
    // The state's model: grid, tables, CT picture, scan values.
    const ct::Simulator& Modell;

    // --- Controls ---------------------------------------------------------
    Panel* Panel2;
    Panel* Untergrund1;
    Bildanzeige* Image1;               // the scan drawing, never shown
    Bildanzeige* Image2;               // the pattern image
    Bildanzeige* StandbildSender;
    Bildanzeige* StandbildEmpfaenger;
    Bildanzeige* Sichtbild;            // the visible scan area during a scan
    Bildanzeige* Image3;               // the picture area
    QLabel* Label1;
    Bildanzeige* FortschrittsAnzeige;  // the angle gauge
    Panel* CTBedienPanel;
    QToolButton* StartButton;
    QToolButton* PauseButton;
    QToolButton* StopButton;
    QToolButton* SpeedButton;
    Panel* Panel7;
    QPushButton* EinstellungButton;
    QPushButton* BibliothekButton;
    QPushButton* VorlageLoeschenButton;
    QPushButton* CTLoeschenButton;
    QPushButton* GraucodezeigenButton;
    QPushButton* FilterzeigenButton;
    QPushButton* ArchivzeigenButton;
    QPushButton* ArchivbearbeitenButton;
    Statusleiste* StatusBar1;
    // The keyboard's cursor in the pattern image.
    Zellcursor* Rastercursor;

    // --- Menu -------------------------------------------------------------
    QMenu* Datei;
    QAction* Neu1;
    QAction* Minimieren1;
    QAction* Zurueck;
    QAction* Beenden;
    QMenu* Computertomograph;
    QAction* Einstellung;
    QAction* Sinogrammzeigen;
    QMenu* Vorlage;
    QAction* VorlageLoeschen;
    QAction* Bibliothek;
    QMenu* Bearbeiten;
    QAction* CTLoeschen;
    QAction* Graucodezeigen;
    QAction* Filterzeigen;
    QMenu* Archiv;
    QAction* Archivzeigen;
    QMenu* CTBildSpeichern;
    QMenu* CTBildLoeschen;
    QMenu* CTBildLaden;
    std::array<QAction*, 5> BildSpeichern{};   // Bild01 ... Bild05
    std::array<QAction*, 5> BildLoeschen{};    // Bild11 ... Bild15
    std::array<QAction*, 5> BildLaden{};       // Bild21 ... Bild25, radio items
    QActionGroup* BildLadenGruppe;
    QMenu* Lexikon2;
    QAction* Roentgenstrahlung;
    QAction* LexikonComputertomograph1;
    QAction* LexikonFilter;
    QMenu* Sonstiges1;
    QAction* Hilfe;
    QAction* Danksagung;
    QAction* Quellen2;
    QAction* Info1;
    // After the designed items: About Quorvel and About Qt.
    QAction* UeberQuorvel;
    QAction* UeberQt;

    // --- Layout and drawing -----------------------------------------------

    // Draws the window for the grid the state has just laid out: cleared
    // pattern image and picture area, the still pictures, a fresh grid, an
    // empty picture frame, and the library for the grids it has patterns for.
    void FormEinrichten();
    // Whether the pattern library has patterns for the current grid.
    bool bibliothekDa() const;
    // The empty grid of the current size, white with black lines on the
    // multiples of the cell size.
    void RasterZeichnen(Bildanzeige* bild);
    // An empty picture frame: white with a black outline of n x c pixels.
    void BildZeichnen(Bildanzeige* bild);
    // Fills the inside of one cell (column, row from 1) of a grid picture.
    void Malen(Bildanzeige* bild, QRgb farbe, int spalte, int zeile);
    // Fills cell (x, y) of the picture area with a colour.
    void KaestchenFaerben(int x, int y, QRgb farbe);
    // A filled quadrilateral with the given brush and pen, then brush white
    // and pen black again.
    void Viereck(QRgb pinsel, QRgb stift, const ct::Viereck& ecken, Bildanzeige* bild);
    // The angle gauge for angle a.
    void FortschrittsAnzeigeMalen(int a);
    // Shows gray levels cell by cell in the picture area, with its frame.
    void graustufenZeigen(const ct::Graufeld& stufen);

    // --- Drawing with the mouse -------------------------------------------
    void Image2MouseDown(Qt::MouseButton knopf, Qt::MouseButtons gehalten, Qt::KeyboardModifiers tasten, QPoint p);
    void Image2MouseMove(Qt::MouseButtons gehalten, Qt::KeyboardModifiers tasten, QPoint p);

    // --- The scan ---------------------------------------------------------
    void StartButtonClick();
    void Einlesen();
    void Tomographie();
    void PauseButtonClick();
    void StopButtonClick();
    void SpeedButtonMouseDown();
    void SpeedButtonMouseUp();

    // --- Commands ---------------------------------------------------------
    void CTLoeschenClick();
    void VorlageLoeschenClick();
    void Neu1Click();
    void Minimieren1Click();
    void ZurueckClick();
    void BeendenClick();
    void EinstellungClick();
    void BibliothekClick();
    void GraucodezeigenClick();
    void FilterzeigenClick();
    void ArchivzeigenClick();
    void ArchivbearbeitenButtonClick();
    void HilfeClick();

    // The text status panel i (0 ... 5) shows.
    QString Statustext(int panel) const;

    // --- Scanbeobachter: how the model's scan draws and stops ---------------
    bool Abbruch() override;
    bool SchrittGezeigt(int drehwinkel) override;
    void CTZeichnen(int drehwinkel) override;
    void RoentgenZeichnen(int drehwinkel, int strahl, int anzahl) override;
    void Faerben(const ct::Bildfeld& bild) override;
    void SchleifeBeginn(int projektionen) override;
    bool SchleifeAbbruch() override;
    void WinkelBeginn(int drehwinkel) override;
    void WinkelEnde(int drehwinkel) override;
    void SchleifeEnde() override;
    void ZeileGemessen(int drehwinkel) override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void steuerelementeAnlegen();
    void menueAnlegen();
    void knopfbilderSetzen();
    void zustandFolgen();
    // Places the pattern image and the picture area (the same for every grid).
    void flaechenAnordnen();
    void layoutVersetzen();
    void standbilderZeichnen();
    // What the simulator's own controls do when the state changes.
    void aufCTBildGeloescht();
    void aufVorlageGeloescht();
    void aufMusterUebernommen(ct::Muster muster);
    void aufBildHergestellt(const QImage& bild);
    // The pattern image's description for a screen reader: grid and cells drawn.
    void musterBeschreiben();
    void aufFachGespeichert(int k);
    void aufFachGeloescht(int k);
    void aufFachGeladen(int k);
    // The controls during a scan and after it.
    void scansteuerungBeginn(bool endergebnis);
    void scansteuerungEnde(bool mitBild, bool gestoppt);
    ct::Simulator& rechenmodell() { return Zustand.rechenmodell(); }
    // The pattern image within the scan area, and the whole scan drawing.
    QRect musterRechteck() const;
    QRect zeichenRechteck() const;
    // Copies the pattern image onto Sichtbild at its place (AND).
    void musterAufSichtbild();
    // Fills a picture white over a rectangle.
    void weissFuellen(Bildanzeige* bild, const QRect& r);
    bool mitVerlauf() const;
    bool ohneVerlauf() const;
    // Gives the keyboard back to the simulator after one of its dialogs.
    void wiederAktivieren();

    // The outlines of source and detector at angle m_umrissWinkel, black on
    // white. While Image1 holds them for m_umrissBildWinkel (m_umrissDa),
    // drawing them again only needs to restore what was drawn over them
    // since: the regions listed in m_schmutz. This gives the same pixels as
    // drawing every outline anew.
    Zeichenflaeche m_umriss;
    int m_umrissWinkel = -1;
    int m_umrissBildWinkel = -1;
    bool m_umrissDa = false;
    std::vector<QRect> m_schmutz;
    // The progress display's navy half disc on white.
    Zeichenflaeche m_halbscheibe;
    // The scan's pace: the waits after each ray and each angle count from the
    // end of the previous wait, so drawing a step does not lengthen the scan.
    Takt m_takt;
};

#pragma once

#include "app/Fenster.h"
#include "app/Kurszustand.h"

#include <QMainWindow>
#include <array>

class Bildanzeige;
class Kursseite;
class Panel;
class QAction;
class QMenu;

// The main window: a white, frameless backdrop filling the screen, with the
// menu bar, the page strip and the two page curls. It decides which course page
// is visible; its menus follow the course state.
class TFormHaupt : public QMainWindow
{
    Q_OBJECT
public:
    TFormHaupt();

    // The current page, the mode, and what the menus offer.
    Kurszustand Zustand;

    // Menu
    QAction* Neu;
    QAction* Minimieren;
    QAction* N1;
    QAction* Beenden;
    QAction* Demonstration1;
    QAction* Lernprogramm1;
    QAction* Roentgenstrahlung;
    QAction* LexikonComputertomograph;
    QAction* LexikonFilter;
    QAction* Hilfe;
    QAction* N3;
    QAction* Danksagung1;
    QAction* Quellen;
    QAction* N2;
    QAction* Info;
    // After the designed items: About Quorvel and About Qt.
    QAction* N4;
    QAction* UeberQuorvel;
    QAction* UeberQt;
    // Page Down / Page Up (Ctrl+Right / Ctrl+Left): the curls by keyboard.
    QAction* Vorblaettern;
    QAction* Zurueckblaettern;
    QMenu* Datei;
    QMenu* Optionen;
    QMenu* Lexikon;
    QMenu* Sonstiges;
    // The shared, empty context menu that pages and dialogs name as theirs.
    QMenu* PopupMenu1;

    // Controls
    Bildanzeige* SeiteZurueck;
    Bildanzeige* SeiteWeiter;
    Panel* Untergrund;
    std::array<Panel*, 13> Zug{};

    // Go to page k (0 to 12).
    void ZugNeu(int k);
    void MinimierenClick();
    void NeuClick();
    void Demonstration1Click();
    void Lernprogramm1Click();
    void BeendenClick();

    // A page forward or back, wherever and as the curls would turn it.
    void blaettern(bool vor);
    // Tab from a page into the strip: its first control (forward) or its
    // last (backward). False where the strip is not shown.
    bool leisteBetreten(bool vorwaerts);

    // Closes (hides) the reference and tool windows that a page change closes.
    void hilfsfensterSchliessen();

    // The main window stays on the screen all the time: it is the one window
    // the desktop sees. While the simulator is shown, the simulator lies over
    // it and its own menu bar, page strip and curls are hidden (verdeckt); the
    // design calls that hiding the main window.
    void verdecken();
    void aufdecken();
    bool verdeckt() const { return m_verdeckt; }

protected:
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool focusNextPrevChild(bool next) override;

private:
    // The strip's controls in reading order, those shown.
    QList<QWidget*> leiste() const;
    void anzeigePruefen();
    // Course page k (0 to 11), else none.
    static Kursseite* kursseite(int k);
    // A mode item: the page's own switch where it has one, else the mode.
    void modusWaehlen(bool lernen);
    void menueAnlegen();
    void tastenAnlegen();
    void FormResize();
    bool m_ersterAuftritt = true;
    bool m_verdeckt = false;
};

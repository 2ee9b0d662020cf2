#pragma once

#include "app/Fenster.h"

#include <QMainWindow>
#include <array>

class Bildanzeige;
class Panel;
class QAction;
class QMenu;

// Layout values, set once when the main window is created and never changed:
// the layout the windows are sized for (800 x 600 or 1024 x 768) and the
// height kept free at its bottom for the page strip.
extern int Bildschirmbreite;
extern int Bildschirmhoehe;
extern int Leistenhoehe;

// The page numbers: the course pages 0 to 11, the simulator 12, and the
// number AktuelleSeite has while the start window is up.
namespace Seiten {
constexpr int Startfenster = -1;
constexpr int LetzteKursseite = 11;
constexpr int Simulator = 12;
}  // namespace Seiten

// The current page: Seiten::Startfenster while the start window is up, else 0 to 12.
extern int AktuelleSeite;

// The states of minimising the program, with the values they have always had.
namespace Minimierung {
constexpr int Normal = 0;
constexpr int Verlangt = 1050;    // the learner asked to minimise
constexpr int Minimiert = 2050;   // minimised, the course windows hidden
}  // namespace Minimierung
extern int Minimierzustand;
// true = Instruction, false = Demonstration.
extern bool Lernmodus;

// The exit flag, kept by the exit dialog: true once the learner answered "Yes".
// Every running animation and scan tests it after each pause and returns.
bool Programmende();

// The main window: a white, frameless backdrop filling the screen, with the
// menu bar, the page strip and the two page curls. It decides which course page
// is visible.
class TFormHaupt : public QMainWindow
{
    Q_OBJECT
public:
    TFormHaupt();

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

    // The grid picture of the exercise pages: n x n cells of c pixels with
    // lines two pixels thick, its top-left corner at (c - o, c - o), and the
    // tumour circles of figure 1, 2 or 3 (0: none).
    void ImageZeichnen(Bildanzeige* bild, int c, int n, int figur, int o);

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

private:
    void anzeigePruefen();
    void menueAnlegen();
    void FormResize();
    bool m_ersterAuftritt = true;
    bool m_verdeckt = false;
};

#pragma once

#include "app/Kursseite.h"

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSet>
#include <array>
#include <functional>
#include <initializer_list>
#include <span>
#include <utility>
#include <vector>

class Bildanzeige;
class Panel;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// What the exercise pages 8, 9, 10 and 12 (TForm7, TForm8, TForm9, TForm11)
// share: the page text, the panel with the beam picture (Bild1) above the
// grid picture (Bild2), the step whose control gets the focus back, the
// restart flag, the beam animation and the share fields on the grid.
class Uebungsseite : public Kursseite
{
    Q_OBJECT
public:
    QPlainTextEdit* Memo1 = nullptr;
    Panel* Panel2 = nullptr;
    Bildanzeige* Bild1 = nullptr;
    Bildanzeige* Bild2 = nullptr;

    // The step whose control gets the focus back (see Schrittziele).
    int Schritt = 1;
    // Set by a restart: a running beam animation stops at its next dash.
    int Abbruch = 0;

    // A done mark on a step button: a repeated click does nothing.
    bool erledigt(const QPushButton* knopf) const { return m_erledigt.contains(knopf); }

protected:
    // A restart ("&New") sets the page up anew: every beam run and
    // distribution under way stops after its current wait, and nothing of it
    // follows.
    void neustartMelden();

    explicit Uebungsseite(const QString& name);

    // Enables "&New" whenever the page appears; the focus goes to the
    // current step's control.
    void FormShow() override;
    void schrittFokussieren();

    // One direction of beams: its colour, one dash, the step from dash to
    // dash, and the arrowhead's three corners relative to where the dashes end.
    struct Strahlrichtung
    {
        QRgb farbe;
        QPoint strich;
        QPoint schritt;
        std::array<QPoint, 3> spitze;
    };
    // One beam of a sequence: where its first dash starts, how many dashes it
    // has, and the label that appears with its arrowhead.
    struct Strahl
    {
        QPoint anfang;
        int striche;
        QLabel* beschriftung;
    };
    // Red beams from the left along a row, blue beams from the top along a column.
    static const Strahlrichtung Waagrecht;
    static const Strahlrichtung Senkrecht;

    // A design length (800-pixel layout) at the current layout.
    static int skaliert(int wert);
    // Row and column (from 1) of the n-th cell of a grid, counted row by row.
    static int zeile(int n, int seite = 4) { return (n - 1) / seite + 1; }
    static int spalte(int n, int seite = 4) { return (n - 1) % seite + 1; }
    // The cells of the 4 x 4 grid row by row, or column by column, one group
    // per row or column.
    static std::vector<std::vector<int>> zeilen();
    static std::vector<std::vector<int>> spalten();
    void markieren(const QPushButton* knopf, bool erledigt);

    // Moves controls to the given tops on the 1024 x 768 layout only.
    static void hoehenBei1024(std::initializer_list<std::pair<QWidget*, int>> hoehen);
    // Creates Panel2 with Bild1 and Bild2 at their design positions.
    void bilderAnlegen(QRect panel, QRect bild1, QRect bild2, bool transparent);
    // Takes the cell size and the design start points of the horizontal beams
    // (left of the first row) and of the vertical beams (above the first
    // column) to the layout, with the dash count that suits it.
    void strahlengitter(int zelle, QPoint waagrecht, QPoint senkrecht);
    QPoint zeilenanfang(int i) const { return StartH + QPoint(0, Zelle * (i - 1)); }
    QPoint spaltenanfang(int j) const { return StartV + QPoint(Zelle * (j - 1), 0); }
    // Draws the 4 x 4 grid on both pictures, the figure on the beam picture.
    void gitterZeichnen(int figur, int versatz = 0);

    // A hidden beam label on the panel.
    QLabel* strahlbeschriftung(const QString& name, const QString& text, QPoint ort, QColor farbe);
    // The share fields of both passes on the 4 x 4 grid, cell by cell: the
    // first pass's (red) at the top right of a cell, the second's (blue) at
    // its bottom left; `name` holds %1 for the cell; one character each, hidden.
    void anteilfelder(std::array<QLineEdit*, 17>& erste, const QString& name1, std::array<QLineEdit*, 17>& zweite,
                      const QString& name2, int (*breite)(int spalte));
    // Names the fields of a seite x seite grid (index 1 to seite * seite, row
    // by row) for a screen reader by their cell and what they hold.
    static void zellennamen(std::span<QLineEdit* const> felder, int seite, const QString& was);
    // Names a button for a screen reader by its text and what it acts on
    // ("Start: horizontal beams"), so that buttons of the same text differ.
    static void benennen(QPushButton* knopf, const QString& was);
    // The sum labels of a seite x seite grid, row by row from `ursprung`,
    // `abstand` apart: empty, on white.
    void summenfelder(std::span<QLabel*> summe, int seite, QPoint ursprung, int abstand, bool verborgen);

    // The exit, or a restart since the innermost running beam run or
    // distribution began. A restart clears the way for new runs (the page's
    // first step is open again), and such a run may begin and end within a
    // wait of the one it stopped; Abbruch, which every beam start clears, does
    // not tell that one, so the restarts are counted as well.
    bool unterbrochen() const;
    // Draws beams side by side, dash by dash, then their arrowheads; false
    // (with the pen back to black) when the exit or a restart stops them,
    // also in the wait after the last dash.
    bool strahlen(const Strahlrichtung& richtung, std::vector<QPoint> anfaenge, int striche);
    // Draws beams one after the other, each labelled once its arrowhead stands.
    bool strahlenfolge(const Strahlrichtung& richtung, const std::vector<Strahl>& folge);
    // The beams of pages 8 and 9 through rows 1 to 4 (labels 1 to 4) or
    // columns 1 to 4 (labels 5 to 8), one after the other.
    bool zeilenstrahlen(const std::array<QLabel*, 9>& beschriftung);
    bool spaltenstrahlen(const std::array<QLabel*, 9>& beschriftung);
    // Runs the beams behind a start button once, with the button marked done
    // and the restart flag cleared. True when they completed; false when the
    // exit or a restart stopped them (the restart has set the page up anew).
    bool strahlenlauf(QPushButton* start, const std::function<bool()>& strahlen);
    // Reveals the cells group by group, 200 ms apart; false when the exit or
    // a restart interrupts.
    bool gruppenweise(const std::vector<std::vector<int>>& gruppen, const std::function<void(int n)>& zeigen);

    // Writes the sums of two share grids into the sum labels and shows them
    // in place of the shares.
    void summieren(std::span<QLineEdit* const> erste, std::span<QLineEdit* const> zweite,
                   std::span<QLabel* const> summe);
    // The gray scale of the 4 x 4 grid: the cells `grau` gray, the cells
    // `schwarz` black, on the grid picture and behind their sums.
    void graustufen(std::span<QLabel* const> summe, std::initializer_list<int> grau,
                    std::initializer_list<int> schwarz);

    // Makes `knopf` the current step: enabled, with the focus.
    void schrittSetzen(int nummer, QPushButton* knopf);
    // The same after disabling the button of the step just done.
    void schrittWeiter(QPushButton* fertig, int nummer, QPushButton* knopf);
    // After a restart: the first step's button enabled, unmarked and focused,
    // the marked step buttons disabled and unmarked, the others disabled.
    void knoepfeZuruecksetzen(QPushButton* erster, std::initializer_list<QPushButton*> markierte,
                              std::initializer_list<QPushButton*> weitere);

    // The control of each step (index Schritt); a missing one means "Continue".
    std::vector<QWidget*> Schrittziele;
    QWidget* schrittziel() const;
    // A click on a text or a closed field puts the focus back on the current step.
    void Memo1MouseDown();

    int Zelle = 45;
    QPoint StartH{25, 68};
    QPoint StartV{67, 25};
    int Strichzahl = 28;

private:
    // While a beam run or a distribution goes on: the restart count it began
    // with, kept for the run it may have interrupted.
    class Lauf
    {
    public:
        explicit Lauf(Uebungsseite& seite)
            : m_seite(seite)
            , m_vorher(seite.m_laufbeginn)
        {
            seite.m_laufbeginn = seite.m_neustarts;
        }
        ~Lauf() { m_seite.m_laufbeginn = m_vorher; }
        Lauf(const Lauf&) = delete;
        Lauf& operator=(const Lauf&) = delete;

    private:
        Uebungsseite& m_seite;
        int m_vorher;
    };
    int m_neustarts = 0;
    int m_laufbeginn = 0;
    // The step buttons marked done.
    QSet<const QPushButton*> m_erledigt;
};

// The controls of the exercise with crossing horizontal and vertical beams on
// the 4 x 4 grid, which pages 8 and 9 (TForm7, TForm8) both have.
struct Kreuzuebung
{
    QPushButton* HorizontalButton = nullptr;
    QPushButton* VertikalButton = nullptr;
    QPushButton* SummenButton = nullptr;
    QPushButton* FaerbeButton = nullptr;
    // Index 1 to 8 (Int: rows 1 to 4, then columns 1 to 4) and 1 to 16 row by
    // row; index 0 is unused.
    std::array<QLabel*, 9> Int{};
    std::array<QLineEdit*, 17> Hor{};
    std::array<QLineEdit*, 17> Ver{};
    std::array<QLabel*, 17> Summe{};
};

#pragma once

#include "course/Uebungsseite.h"

#include <array>
#include <functional>
#include <initializer_list>
#include <vector>

class QLineEdit;
class QPushButton;

// What the two pages with their own mode switch (pages 9 and 10: TForm8,
// TForm9) share. Each runs two beam passes, and after each pass the page
// either distributes the beams' factors over the pixels itself
// (demonstration) or the learner types every pixel's share and the page
// checks it (instruction).
class Modusseite : public Uebungsseite
{
    Q_OBJECT
public:
    // Restarts the exercise ("&New").
    void NeuStart() override;
    // The page's own mode switch, which the mode items take.
    bool hatModi() const override { return true; }
    void Modus(bool lernen) override { Modus(lernen, false); }

    QPushButton* Start1Button = nullptr;
    QPushButton* Start2Button = nullptr;
    QPushButton* Loeschen1Button = nullptr;
    QPushButton* Loeschen2Button = nullptr;

    // How far the exercise has come: 0 not started, 1 first beams run, 2 first
    // shares done, 3 second beams run, 4 second shares done (page 9 goes on
    // with 5 added and 6 coloured).
    int Phase = 0;

protected:
    explicit Modusseite(const QString& name)
        : Uebungsseite(name)
    {
    }

    // One beam pass: its start button; the button that distributes or checks
    // its shares; the "Delete" button of its fields; the button of the step
    // after it; its share fields; the field that gets the focus when they
    // open, with the step that stands for that field; the groups of fields
    // the demonstration fills together; the right share of the pixel in row
    // r, column j; and its beams.
    struct Durchgang
    {
        QPushButton* start;
        QPushButton* knopf;
        QPushButton* loeschen;
        QPushButton* weiter;
        std::array<QLineEdit*, 17>* felder;
        QLineEdit* erstesFeld;
        int feldschritt;
        std::vector<std::vector<int>> gruppen;
        int (*soll)(int r, int j);
        std::function<bool()> strahlen;
        // What the pass's buttons act on, for their names ("horizontal beams").
        QString name;
    };
    std::array<Durchgang, 2> Durchgaenge;

    void FormActivate() override;
    // The page's own part of a restart: its grid, labels, sums and the
    // buttons after the passes.
    virtual void seiteZuruecksetzen() = 0;

    void Start1ButtonClick();
    void Start2ButtonClick();
    void Loeschen1ButtonClick();
    void Loeschen2ButtonClick();
    // Adapts the open step to a mode; `aktivierung` adds what only the
    // activation of the page does.
    void Modus(bool lernen, bool aktivierung);

    // Checks the typed shares of pass g; on a mistake the verdict follows and
    // the pass stays open.
    bool anteileRichtig(int g);
    // The verdict "right" on pass g.
    void bestaetigen(int g);
    // Pass g's distribution: marks its button done, fills the fields group by
    // group with "&New" and the mode items disabled, then enables "&New"
    // again. Only the first pass's button takes the focus. False when the
    // button was done already or the exit or a restart interrupted (after a
    // restart the mode items are enabled again too).
    bool vorfuehren(int g);
    void anteileSchliessen(int g);

    // Set-up of the constructors. The share fields take digits (and the
    // characters of `zusaetzlich`) only and stay closed until a pass opens them.
    void anteilfelderEinrichten(const QString& zusaetzlich);
    // The two "Delete" buttons on the panel's free bottom strip, hidden.
    void loeschknoepfe();
    // "Korrektur" (instruction) or "Verteilung" (demonstration) on both pass
    // buttons; every button of a pass named with the pass.
    void beschriften();
    // Tab order: each pass's fields, row by row, follow its start button and lead on to its own button; "Delete" comes after the
    // check; `danach` ends the order.
    void tabfolge(std::initializer_list<QWidget*> danach);

    // Design widths (800-pixel layout) of the share fields while the page
    // distributes them, and once a check or a distribution closes them; 0
    // leaves the width as it is.
    int BreiteVorfuehrung = 0;
    int BreiteGeschlossen = 0;

private:
    void strahlenStarten(int g);
    void anteileOeffnen(const Durchgang& d);
    void anteileLoeschen(const Durchgang& d);
};

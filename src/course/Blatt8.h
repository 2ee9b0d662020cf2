#pragma once

#include "app/Kursseite.h"

#include <array>

class Bildanzeige;
class Panel;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Page 9 of the course: horizontal and vertical beams through a 4 x 4 body
// with two tumours on a diagonal. In demonstration mode the page distributes
// the beams' factors itself; in instruction mode the learner types the share
// of every pixel and the page checks it.
class TForm8 : public Kursseite
{
    Q_OBJECT
public:
    TForm8();

    // Restarts the exercise ("&New").
    void NeuStart();
    // The page's own mode switch.
    void Demonstration1();
    void Lernprogramm1();

    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo2;
    QPlainTextEdit* Memo3;
    QPushButton* Start1Button;
    QPushButton* HorizontalButton;
    QPushButton* Start2Button;
    QPushButton* VertikalButton;
    QPushButton* SummenButton;
    QPushButton* FaerbeButton;
    QPushButton* Loeschen1Button;
    QPushButton* Loeschen2Button;
    Panel* Panel2;
    Bildanzeige* Bild1;
    Bildanzeige* Bild2;
    // Index 1 to 8 (Int) and 1 to 16 row by row; index 0 is unused.
    std::array<QLabel*, 9> Int{};
    std::array<QLineEdit*, 17> Hor{};
    std::array<QLineEdit*, 17> Ver{};
    std::array<QLabel*, 17> Summe{};

    // How far the exercise has come: 0 not started, 1 horizontal beams run,
    // 2 horizontal shares done, 3 vertical beams run, 4 vertical shares done,
    // 5 added, 6 coloured.
    int Phase = 0;
    // The control that gets the focus back: 1 Start1 ... 6 Faerbe, 7 Weiter, 8 Hor1, 9 Ver1.
    int Schritt = 1;
    // Set by a restart: a running beam animation stops at its next dash.
    int Abbruch = 0;

protected:
    void FormActivate() override;

private:
    void Start1ButtonClick();
    void HorizontalButtonClick();
    void Loeschen1ButtonClick();
    void Start2ButtonClick();
    void VertikalButtonClick();
    void Loeschen2ButtonClick();
    void SummenButtonClick();
    void FaerbeButtonClick();
    void Memo1MouseDown();
    // Adapts the open step to a mode; `aktivierung` adds what only the
    // activation of the page does.
    void Modus(bool lernen, bool aktivierung);
    bool StrahlenHorizontal(int i);
    bool StrahlenVertikal(int i);
    bool unterbrochen() const;
    void gitterZeichnen();
    void oeffnen(const std::array<QLineEdit*, 17>& felder);
    void schliessen(const std::array<QLineEdit*, 17>& felder);
    void modusmenue(bool an);
    QWidget* schrittziel() const;

    int Zelle = 45;
    int StartXh = 25, StartYh = 68;
    int StartXv = 67, StartYv = 25;
    int Strichzahl = 28;
};

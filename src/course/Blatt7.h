#pragma once

#include "app/Kursseite.h"

#include <array>

class Bildanzeige;
class Panel;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Page 8 of the course: the first back-projection as a guided sequence of six
// steps on a 4 x 4 grid with one tumour. Horizontal beams, their distribution,
// vertical beams, their distribution, the sums, and the gray scale.
class TForm7 : public Kursseite
{
    Q_OBJECT
public:
    TForm7();

    // Restarts the exercise ("&New").
    void NeuStart();

    QPlainTextEdit* Memo1;
    QPushButton* Start1Button;
    QPushButton* HorizontalButton;
    QPushButton* Start2Button;
    QPushButton* VertikalButton;
    QPushButton* SummenButton;
    QPushButton* FaerbeButton;
    Panel* Panel2;
    Bildanzeige* Bild1;
    Bildanzeige* Bild2;
    // Index 1 to 8 (Int) and 1 to 16 row by row; index 0 is unused.
    std::array<QLabel*, 9> Int{};
    std::array<QLineEdit*, 17> Hor{};
    std::array<QLineEdit*, 17> Ver{};
    std::array<QLabel*, 17> Summe{};

    // The step whose button holds the focus (1 Start1 ... 6 Faerbe, 7 Weiter).
    int Schritt = 1;
    // Set by a restart: a running beam animation stops at its next dash.
    int Abbruch = 0;

protected:
    void FormShow() override;

private:
    void Start1ButtonClick();
    void HorizontalButtonClick();
    void Start2ButtonClick();
    void VertikalButtonClick();
    void SummenButtonClick();
    void FaerbeButtonClick();
    void Memo1MouseDown();
    // The beams; false when stopped by the exit or a restart.
    bool StrahlenHorizontal(int i);
    bool StrahlenVertikal(int i);
    bool unterbrochen() const;
    void gitterZeichnen();

    int Zelle = 45;
    int StartXh = 25, StartYh = 68;
    int StartXv = 67, StartYv = 25;
    int Strichzahl = 28;
};

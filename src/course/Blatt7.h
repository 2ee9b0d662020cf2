#pragma once

#include "course/Uebungsseite.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// Page 8 of the course: the first back-projection as a guided sequence of six
// steps on a 4 x 4 grid with one tumour. Horizontal beams, their distribution,
// vertical beams, their distribution, the sums, and the gray scale.
class TForm7 : public Uebungsseite
{
    Q_OBJECT
public:
    TForm7();

    // Restarts the exercise ("&New").
    void NeuStart();

    QPushButton* Start1Button;
    QPushButton* HorizontalButton;
    QPushButton* Start2Button;
    QPushButton* VertikalButton;
    QPushButton* SummenButton;
    QPushButton* FaerbeButton;
    // Index 1 to 8 (Int) and 1 to 16 row by row; index 0 is unused.
    std::array<QLabel*, 9> Int{};
    std::array<QLineEdit*, 17> Hor{};
    std::array<QLineEdit*, 17> Ver{};
    std::array<QLabel*, 17> Summe{};

private:
    void Start1ButtonClick();
    void HorizontalButtonClick();
    void Start2ButtonClick();
    void VertikalButtonClick();
    void SummenButtonClick();
    void FaerbeButtonClick();
    // The beams; false when stopped by the exit or a restart.
    bool StrahlenHorizontal();
    bool StrahlenVertikal();
    // Shows a direction's shares group by group, with "&New" disabled meanwhile;
    // false when the step was done already or the exit interrupted.
    bool verteilen(QPushButton* knopf, int schritt, const std::array<QLineEdit*, 17>& felder,
                   const std::vector<std::vector<int>>& gruppen);
};

#pragma once

#include "course/Uebungsseite.h"

class QPushButton;

// Page 8 of the course: the first back-projection as a guided sequence of six
// steps on a 4 x 4 grid with one tumour. Horizontal beams, their distribution,
// vertical beams, their distribution, the sums, and the gray scale.
class TForm7 : public Uebungsseite, public Kreuzuebung
{
    Q_OBJECT
public:
    TForm7();

    // Restarts the exercise ("&New").
    void NeuStart() override;

    QPushButton* Start1Button;
    QPushButton* Start2Button;

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
    // false when the step was done already or the exit or a restart interrupted.
    bool verteilen(QPushButton* knopf, int schritt, const std::array<QLineEdit*, 17>& felder,
                   const std::vector<std::vector<int>>& gruppen);
};

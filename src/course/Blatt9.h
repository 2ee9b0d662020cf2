#pragma once

#include "course/Modusseite.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// Page 10 of the course: the scanner turned by 45 degrees. Diagonal beams
// (D1, top left to bottom right) and anti-diagonal beams (D2) through the body
// with two tumours; their shares, added to the sums of the horizontal and
// vertical passes, make the two tumours stand out. Demonstration and
// instruction mode as on the page before.
class TForm9 : public Modusseite
{
    Q_OBJECT
public:
    TForm9();

    QPushButton* D1Button;
    QPushButton* D2Button;
    QPushButton* Summen1Button;
    QPushButton* ZeigeButton;
    QPushButton* Summen2Button;
    QPushButton* FaerbeButton;
    // Index 1 to 7 (beam labels) and 1 to 16 row by row; index 0 is unused.
    std::array<QLabel*, 8> IntD1{};
    std::array<QLabel*, 8> IntD2{};
    std::array<QLineEdit*, 17> D1{};
    std::array<QLineEdit*, 17> D2{};
    std::array<QLabel*, 17> Summe{};

protected:
    void seiteZuruecksetzen() override;

private:
    // The fields' names while they hold the shares of D1 and D2.
    void anteilnamen();
    void D1ButtonClick();
    void D2ButtonClick();
    void Summen1ButtonClick();
    void ZeigeButtonClick();
    void Summen2ButtonClick();
    void FaerbeButtonClick();
    void D1_1Enter(QLineEdit* feld);
    void D2_1Enter(QLineEdit* feld);
    bool StrahlenD1();
    bool StrahlenD2();

    int X0 = 3, Y0 = 3;  // start of the D1 beams
    int X0s = 223;       // start of the D2 beams (x; y as D1)
    int Schrittweite = 8;
    int Grundlaenge = 10;
};

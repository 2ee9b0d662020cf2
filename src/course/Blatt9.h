#pragma once

#include "app/Kursseite.h"

#include <array>

class Bildanzeige;
class Panel;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Page 10 of the course: the scanner turned by 45 degrees. Diagonal beams
// (D1, top left to bottom right) and anti-diagonal beams (D2) through the body
// with two tumours; their shares, added to the sums of the horizontal and
// vertical passes, make the two tumours stand out. Demonstration and
// instruction mode as on the page before.
class TForm9 : public Kursseite
{
    Q_OBJECT
public:
    TForm9();

    // Restarts the exercise ("&New").
    void NeuStart();
    // The page's own mode switch.
    void Demonstration1();
    void Lernprogramm1();

    QPlainTextEdit* Memo1;
    QPushButton* Start1Button;
    QPushButton* D1Button;
    QPushButton* Start2Button;
    QPushButton* D2Button;
    QPushButton* Summen1Button;
    QPushButton* ZeigeButton;
    QPushButton* Summen2Button;
    QPushButton* FaerbeButton;
    QPushButton* Loeschen1Button;
    QPushButton* Loeschen2Button;
    Panel* Panel2;
    Bildanzeige* Bild1;
    Bildanzeige* Bild2;
    // Index 1 to 7 (beam labels) and 1 to 16 row by row; index 0 is unused.
    std::array<QLabel*, 8> IntD1{};
    std::array<QLabel*, 8> IntD2{};
    std::array<QLineEdit*, 17> D1{};
    std::array<QLineEdit*, 17> D2{};
    std::array<QLabel*, 17> Summe{};

    // 0 not started, 1 D1 beams run, 2 D1 shares done, 3 D2 beams run, 4 D2 shares done.
    int Phase = 0;
    // The control that gets the focus back: 1 Start1, 2 D1, 3 Start2, 4 D2, 5 Summen1,
    // 6 Zeige, 7 Summen2, 8 Faerbe, 9 Weiter, 10 the first D1 field, 11 the first D2 field.
    int Schritt = 1;
    // Set by a restart: a running beam animation stops at its next dash.
    int Abbruch = 0;

protected:
    void FormShow() override;
    void FormActivate() override;

private:
    void Start1ButtonClick();
    void D1ButtonClick();
    void Loeschen1ButtonClick();
    void Start2ButtonClick();
    void D2ButtonClick();
    void Loeschen2ButtonClick();
    void Summen1ButtonClick();
    void ZeigeButtonClick();
    void Summen2ButtonClick();
    void FaerbeButtonClick();
    void Memo1MouseDown();
    void D1_1Enter(QLineEdit* feld);
    void D2_1Enter(QLineEdit* feld);
    void Modus(bool lernen, bool aktivierung);
    bool StrahlenD1();
    bool StrahlenD2();
    bool unterbrochen() const;
    void gitterZeichnen();
    void oeffnen(const std::array<QLineEdit*, 17>& felder);
    void schliessen(const std::array<QLineEdit*, 17>& felder);
    void modusmenue(bool an);
    // Checks the shares of one direction: 0 all right, 1 a field empty, 2 a value wrong.
    int pruefen(const std::array<QLineEdit*, 17>& felder, int (*soll)(int r, int j)) const;
    QWidget* schrittziel() const;

    int Zelle = 45;
    int X0 = 3, Y0 = 3;  // start of the D1 beams
    int X0s = 223;       // start of the D2 beams (x; y as D1)
    int Schrittweite = 8;
    int Grundlaenge = 10;
};

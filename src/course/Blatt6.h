#pragma once

#include "app/Kursseite.h"

class Bildanzeige;
class QPlainTextEdit;
class QPushButton;

// Page 7 of the course: why one shadow picture is not enough. Two figures, a
// square and an upright ellipse, each with a lamp at its left and one below
// it; the grid of volume elements that the following exercises use.
class TForm6 : public Kursseite
{
    Q_OBJECT
public:
    TForm6();

    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo2;
    Bildanzeige* Schattenwurf1;
    Bildanzeige* Schattenwurf2;
    QPushButton* Lampe11;
    QPushButton* Lampe12;
    QPushButton* Lampe21;
    QPushButton* Lampe22;
    QPushButton* LampeAus;
    QPushButton* LampeAn;
    Bildanzeige* Bild;

    // State of each lamp pair: both off, or the one lamp on; 0 at start, as off.
    // The values are those the pages have always used: the pair's number
    // times ten for "off", plus the lamp's number for "on".
    static constexpr int Lampen1Aus = 10, Lampe11An = 11, Lampe12An = 12;
    static constexpr int Lampen2Aus = 20, Lampe21An = 21, Lampe22An = 22;
    int Lampe1Zustand = 0;
    int Lampe2Zustand = 0;

protected:
    void FormShow() override;

private:
    void Lampe11Click();
    void Lampe12Click();
    void Lampe21Click();
    void Lampe22Click();
    void Lampen1Check();
    void Lampen2Check();
    void Schatten1Loeschen();
    void Schatten2Loeschen();
    void Schatten(int lampe);
    // Shows a lamp on or off.
    void leuchten(QPushButton* lampe, bool an);

    int Halbseite = 25;
    int Halbachse = 15;
    int Randkorrektur = 0;
};

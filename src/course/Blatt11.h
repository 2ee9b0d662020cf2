#pragma once

#include "course/Uebungsseite.h"

#include <array>

class Panel;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

// Page 12 of the course: the self-check. On a 3 x 3 grid with one tumour in
// the top-left pixel the learner does every step alone, in any order; each
// step first tests all steps before it and reports the first one missing or
// wrong with a correction message. Finally the learner colours the grid.
class TForm11 : public Uebungsseite
{
    Q_OBJECT
public:
    TForm11();

    // Restarts the exercise ("&New").
    void NeuStart() override;

    QPlainTextEdit* Memo2;
    QPlainTextEdit* Memo3;
    QPushButton* StartHoriButton;
    QPushButton* HorizontalButton;
    QPushButton* StartVertiButton;
    QPushButton* VertikalButton;
    QPushButton* SummenButton;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QPushButton* FertigButton;
    Panel* Panel3;
    QToolButton* Farbe1;
    QToolButton* Farbe2;
    QToolButton* Farbe3;
    QPushButton* CheckButton;
    QPushButton* LeerButton;
    QPushButton* PfeilButton;
    // Index 1 to 6 (Int) and 1 to 9 row by row; index 0 is unused.
    std::array<QLineEdit*, 7> Int{};
    std::array<QLineEdit*, 10> Hor{};
    std::array<QLineEdit*, 10> Ver{};
    std::array<QLabel*, 10> Summe{};

    // The colour of the colouring step.
    QColor Malfarbe = Qt::white;

private:
    enum Gruppe { HorFaktoren, HorAnteile, VerFaktoren, VerAnteile };
    // One direction of the exercise: its beam button and the button of its
    // distribution, its factor and share fields, the other direction's share
    // fields (shown beside its own), the step numbers of its beam button, of
    // its first factor field and of its first share field, its name in the
    // correction messages, and its beams.
    struct Richtung
    {
        QPushButton* start;
        QPushButton* knopf;
        Gruppe faktoren;
        Gruppe anteile;
        const std::array<QLineEdit*, 10>* andere;
        int startschritt;
        int faktorschritt;
        int anteilschritt;
        QString name;
        bool (TForm11::*strahlen)();
    };

    void StartHoriButtonClick();
    void HorizontalButtonClick();
    void StartVertiButtonClick();
    void VertikalButtonClick();
    void SummenButtonClick();
    void FertigButtonClick();
    void Farbe1Click();
    void Farbe2Click();
    void Farbe3Click();
    void Bild2MouseDown(QPoint p);
    void SummeClick(int n);
    void FeldEnter(QLineEdit* feld);

    // The fill test: marks every group whose fields all hold text, and shows
    // the empty picture on the step of every other group.
    void Bearbeitet();
    // Runs the first `stufen` stages of the correction chain; false (after the
    // message and its reaction) at the first stage that fails.
    bool Korrekturkette(int stufen);
    bool eingetragen(Gruppe g) const;
    bool Korrektur(int nummer) const;
    void Korrekturmeldung(const QString& z1, const QString& z2, const QString& z3);

    bool StrahlenHorizontal();
    bool StrahlenVertikal();
    // The beam step of a direction: the beams run once, then its factors open.
    void durchleuchten(const Richtung& r);
    // The distribution step of a direction: its shares open beside the other direction's.
    void verteilen(const Richtung& r);
    // Checks the steps before this one (the first `stufen` stages of the
    // correction chain); if they pass, the previous step's button gets the
    // check picture and is disabled.
    bool bisherRichtig(int stufen, QPushButton* vorige);
    std::vector<QLineEdit*> felder(Gruppe g) const;
    void alleSchliessen();
    void gruppeSchliessen(Gruppe g);
    void gruppeOeffnen(Gruppe g);
    void summengitter();
    void tabfolgeNach(QWidget* knopf);
    void bild(QPushButton* knopf, QPushButton* vorlage);
    void malen(int spalte, int zeile, QPoint punkt);

    std::array<bool, 4> Eingetragen{};
    std::array<Richtung, 2> Richtungen;
};

#pragma once

#include <QWidget>
#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class Simulatorzustand;

// The archive editing window: for each of the five archive slots a radio
// button to save the CT picture into it, one to delete it and one to load it.
// Every radio button sits alone, so selecting one deselects no other; a
// button acts when it becomes selected, and clicking a selected one does
// nothing.
class TFormArchivbearbeiten : public QWidget
{
    Q_OBJECT
public:
    explicit TFormArchivbearbeiten(Simulatorzustand& zustand);

    QLabel* Label1;   // "Save as"
    QLabel* Label2;   // "Delete from"
    QLabel* Label3;   // "Load from"
    QFrame* Bevel1;
    QFrame* Bevel2;
    QFrame* Bevel3;
    QRadioButton* Bild01Button;
    QRadioButton* Bild02Button;
    QRadioButton* Bild03button;
    QRadioButton* Bild04Button;
    QRadioButton* Bild05Button;
    QRadioButton* Bild11Button;
    QRadioButton* Bild12Button;
    QRadioButton* Bild13Button;
    QRadioButton* Bild14Button;
    QRadioButton* Bild15Button;
    QRadioButton* Bild21Button;
    QRadioButton* Bild22Button;
    QRadioButton* Bild23Button;
    QRadioButton* Bild24Button;
    QRadioButton* Bild25Button;
    QPushButton* EndeButton;
    QPushButton* HilfeButton;

    // The buttons of slot k (1 ... 5): save, delete, load.
    QRadioButton* Speicherknopf(int k) const;
    QRadioButton* Loeschknopf(int k) const;
    QRadioButton* Ladeknopf(int k) const;

    // What saving and deleting slot k show here.
    void Gespeichert(int k);
    void Geloescht(int k);

    void EndeButtonClick();
    void HilfeButtonClick();

private:
    Simulatorzustand& m_zustand;
    std::array<QRadioButton*, 5> m_speichern{};
    std::array<QRadioButton*, 5> m_loeschen{};
    std::array<QRadioButton*, 5> m_laden{};
};

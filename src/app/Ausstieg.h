#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The exit flag, kept by the exit dialog: true once the learner answered "Yes".
// Every running animation and scan tests it after each pause and returns.
bool Programmende();

// Asks before the program ends. Its "Yes" also sets the program-wide exit
// flag that every running animation and scan watches.
class TFormAusstieg : public QWidget
{
    Q_OBJECT
public:
    TFormAusstieg();

    QLabel* Label1;
    QPushButton* ButtonJa;
    QPushButton* ButtonNein;

    void ButtonJaClick();
    void ButtonNeinClick();

    // The exit flag: false from the start, true once "Yes" was answered; it
    // is never reset (Programmende() reads it).
    bool programmende() const { return m_programmende; }

private:
    bool m_programmende = false;
};

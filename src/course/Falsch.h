#pragma once

#include <QWidget>

class Bildanzeige;
class QLabel;
class QPushButton;

// The verdict on the learner's entries: one of three fixed texts beside a
// picture (the head X-ray for a wrong answer, the portrait for a right one).
class TFormFalsch : public QWidget
{
    Q_OBJECT
public:
    TFormFalsch();

    Bildanzeige* Bild1;
    QLabel* Falsch1;  // "That's not right." - fields still empty
    QLabel* Falsch2;  // "Not yet right" - values wrong
    QLabel* Richtig;  // "Very good! Correct!"
    QPushButton* OKButton;

    // Shows the dialog modally with the given verdict label (one of the three
    // above) and the picture that belongs to it; returns when it is closed.
    void Urteil(QLabel* urteil);

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void FormShow();
    void FormClose();
};

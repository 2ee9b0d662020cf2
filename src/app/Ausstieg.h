#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

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
};

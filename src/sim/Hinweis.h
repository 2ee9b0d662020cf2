#pragma once

#include <QWidget>

class Bildanzeige;
class QLabel;
class QPushButton;

// Asks before changed settings delete the CT picture.
class TFormHinweis : public QWidget
{
    Q_OBJECT
public:
    TFormHinweis();

    Bildanzeige* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QPushButton* OKButton;
    QPushButton* AbbrechenButton;

    void OKButtonClick();
    void AbbrechenButtonClick();
};

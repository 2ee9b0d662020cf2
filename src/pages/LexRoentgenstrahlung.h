#pragma once

#include <QWidget>

class Bildanzeige;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

// Lexicon on X-rays: how they are made, how matter attenuates them and how a
// detector turns them into electrical signals.
class TFormLexikonRoentgenstrahlung : public QWidget
{
    Q_OBJECT
public:
    TFormLexikonRoentgenstrahlung();

    QTabWidget* PageControl1;
    // Creation
    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo1a;
    QLineEdit* Edit1;  // subscript "H" of the heating voltage
    QLineEdit* Edit2;  // subscript "a" of the anode voltage
    QLineEdit* Edit3;  // the same in the highest photon energy e·Ua of Memo1a
    Bildanzeige* BildRoentgenroehre;
    QLabel* LabelRoehre;
    Bildanzeige* BildRoentgenspektrum1;
    Bildanzeige* BildRoentgenspektrum2;
    Bildanzeige* BildRoentgenspektrum3;
    QLabel* LabelBild1;
    QLabel* LabelBild2;
    QLabel* LabelBild3;
    // Attenuation
    QPlainTextEdit* Memo2;
    QPlainTextEdit* Memo2a;
    Bildanzeige* BildPhotoeffekt;
    Bildanzeige* BildComptoneffekt;
    // Conversion to electrical impulse
    QPlainTextEdit* Memo3;
    QPlainTextEdit* Memo3a;
    QPlainTextEdit* Memo3b;
    Bildanzeige* BildXenonGasDetektor;
    Bildanzeige* BildSzintillationsdetektor;

    QPushButton* EndeButton;
};

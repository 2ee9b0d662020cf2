#pragma once

#include <QWidget>

class Bildanzeige;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;

// Lexicon on real computer tomography: how a real scanner differs from the
// course's simple one, and the mathematics behind it in five tall pictures.
class TFormLexikonComputertomograph : public QWidget
{
    Q_OBJECT
public:
    TFormLexikonComputertomograph();

    QTabWidget* PageControl1;
    QPlainTextEdit* Memo1;
    QScrollArea* ScrollBox1;
    QScrollArea* ScrollBox2;
    QScrollArea* ScrollBox3;
    QScrollArea* ScrollBox4;
    QScrollArea* ScrollBox5;
    Bildanzeige* BildSchwaechungsgesetz;
    Bildanzeige* BildMesswerterfassung;
    Bildanzeige* BildProjektionssatz;
    Bildanzeige* BildRueckprojektion;
    Bildanzeige* BildFilterung;
    QPushButton* EndeButton;
};

#pragma once

#include <QWidget>

class Bildanzeige;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

// Lexicon on filters and convolution.
class TFormLexikonFilter : public QWidget
{
    Q_OBJECT
public:
    TFormLexikonFilter();

    QTabWidget* PageControl1;
    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo2;
    QPlainTextEdit* Memo3;
    QPlainTextEdit* Memo4;
    Bildanzeige* Image2;
    Bildanzeige* BildLineareFilter;
    Bildanzeige* BildNichtLineareFilter;
    Bildanzeige* BildFaltungsProfil1;
    Bildanzeige* BildohneFaltung;
    Bildanzeige* BildmitFaltung;
    QLabel* LabelohneFaltung;
    QLabel* LabelmitFaltung;
    QPushButton* EndeButton;

protected:
    void showEvent(QShowEvent* e) override;

private:
    bool m_bilderDa = false;
};

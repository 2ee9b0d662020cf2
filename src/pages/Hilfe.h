#pragma once

#include <QHash>
#include <QList>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class Panel;

// The help: the menu and the page strip on the tab "General", a guide to the
// simulator on the tab "Computer Tomography".
class TFormHilfe : public QWidget
{
    Q_OBJECT
public:
    TFormHilfe();
    enum Seite { Allgemein = 0, Computertomographie = 1 };
    // Selects a tab, sets the vertical scroll position of its text (-1 keeps
    // it) and shows the window. A position that a heading of the simulator's
    // guide is anchored at ("@y") scrolls to that heading wherever a longer
    // edition of the text has pushed it.
    void HilfeZeigen(int seite, int position);

    QTabWidget* PageControl1;
    QScrollArea* ScrollBox1;
    QScrollArea* ScrollBox2;
    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo2;
    QPlainTextEdit* Memo3;
    QPlainTextEdit* Memo4;
    Panel* Trennlinie;
    QList<QLineEdit*> Ueberschriften;
    QPushButton* EndeButton;

private:
    QHash<int, int> m_anker;   // anchor y -> where its heading stands
    void allgemeinAnlegen(QWidget* innen);
    void computertomographieAnlegen(QWidget* innen);
};

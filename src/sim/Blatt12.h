#pragma once

#include <QMainWindow>

class QAction;
class QMenu;

// The scan simulator, page 12 of the course. It stands alone: the main
// window hides while it is shown.
class TForm12 : public QMainWindow
{
    Q_OBJECT
public:
    TForm12();

    QMenu* Datei;
    QAction* Neu1;
    QAction* Minimieren1;
    QAction* Zurueck;
    QAction* Beenden;

    void Minimieren1Click();
    void ZurueckClick();
    void BeendenClick();
};

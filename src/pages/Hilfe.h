#pragma once

#include <QWidget>

class TFormHilfe : public QWidget
{
    Q_OBJECT
public:
    TFormHilfe();
    enum Seite { Allgemein = 0, Computertomographie = 1 };
    // Selects a tab, sets the vertical scroll position of its text (-1 keeps
    // it) and shows the window.
    void HilfeZeigen(int seite, int position);

};

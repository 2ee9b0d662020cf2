#pragma once

#include "core/Muster.h"

#include <QWidget>

class Bildanzeige;
class QPushButton;
class QTabWidget;
class Simulatorzustand;

// A pattern library: spine, heart and brain for one grid size, each on a tab
// with a preview on the simulator's grid. "Select" replaces the simulator's
// pattern by the pattern of the tab in front; "Abort" changes nothing. The
// two libraries (38 and 56 cells) differ only in their sizes.
class Musterbibliothek : public QWidget
{
    Q_OBJECT
public:
    QTabWidget* Bilder;
    Bildanzeige* Wirbelsaeule;
    Bildanzeige* Herz;
    Bildanzeige* Gehirn;
    QPushButton* UebernehmenButton;
    QPushButton* EndeButton;

    // The grid the library's patterns are made for, and its cell size in
    // pixels (the simulator's cell size for that grid).
    int raster() const { return m_raster; }
    int kaestchengroesse() const { return m_kaestchen; }

    // Paints cell (x, y) of the grid into a picture: the cell's inside in the
    // pattern gray, the grid lines left visible.
    void Malen(Bildanzeige* bild, int x, int y);
    void WirbelsaeuleMalen(Bildanzeige* bild);
    void HerzMalen(Bildanzeige* bild);
    void GehirnMalen(Bildanzeige* bild);

    void UebernehmenButtonClick();
    void EndeButtonClick();

protected:
    // Sizes of one library at one layout.
    struct Abmessungen
    {
        QSize fenster;        // client area at 800, outer size at 1024
        QSize notizbuch;      // the tabbed notebook
        int bild;             // side of the previews
        int knopfOben;
        int uebernehmenLinks;
        int endeLinks;
        int kaestchen;        // cell size
    };
    Musterbibliothek(Simulatorzustand& zustand, const QString& name, int raster, const Abmessungen& bei800,
                     const Abmessungen& bei1024);

    void showEvent(QShowEvent* e) override;

private:
    void musterMalen(ct::Muster muster, Bildanzeige* bild);

    Simulatorzustand& m_zustand;
    int m_raster;
    int m_kaestchen;
};

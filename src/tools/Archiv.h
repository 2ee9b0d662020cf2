#pragma once

#include <QWidget>
#include <array>

class Bildanzeige;
class Panel;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QScrollArea;
class Simulatorzustand;

// The picture archive's window: the five slots of the simulator's archive
// (Simulatorzustand::Fach) side by side with the pattern of the last scan. A
// slot is filled from the simulator's picture ("save as"), emptied ("delete
// from") and brought back into the simulator ("load from"); the simulator's
// archive menu, this window's pop-up menu and the archive editing window all
// call these operations of the simulator's state, and this window follows
// what they do.
class TFormArchiv : public QWidget
{
    Q_OBJECT
public:
    explicit TFormArchiv(Simulatorzustand& zustand);

    QScrollArea* Rollflaeche = nullptr;
    QWidget* Inhalt;
    QLabel* Label0;
    // The pattern of the last scan (Image0) and the pictures of slots 1 to 5.
    Bildanzeige* Image0;
    Bildanzeige* Image1;
    Bildanzeige* Image2;
    Bildanzeige* Image3;
    Bildanzeige* Image4;
    Bildanzeige* Image5;
    // The headers of the slots with their texts.
    std::array<Panel*, 5> Panels{};
    std::array<QLabel*, 5> Labels{};           // "Picture 1" ... "Picture 5"
    std::array<QLabel*, 5> LabelsSchritte{};   // Label1Schritte ...
    std::array<QLabel*, 5> LabelsFaltung{};    // Label1Faltung ...
    std::array<QLabel*, 5> LabelsFilter{};     // Label1Filter ...

    // The pop-up menu.
    QMenu* PopupMenu1;
    QAction* Schliessen;
    QMenu* Loeschen;
    QMenu* Laden;
    std::array<QAction*, 5> Loeschpunkte{};    // Bild11 ... Bild15
    std::array<QAction*, 5> Ladepunkte{};      // Bild21 ... Bild25, radio items
    QActionGroup* Ladegruppe;

    // Image0 ... Image5 by number.
    Bildanzeige* Bild(int k) const;

    // "&Close Archive": back to the simulator.
    void SchliessenClick();

protected:
    void contextMenuEvent(QContextMenuEvent* e) override;
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void anordnen();
    // What the window shows of the state.
    void rasterLeeren();
    void musterKopieren();
    void fachZeigen(int k);
    void fachLeeren(int k);
    void geladenZeigen();

    Simulatorzustand& m_zustand;
};

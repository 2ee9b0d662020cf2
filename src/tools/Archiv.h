#pragma once

#include "core/Bildfeld.h"
#include "sim/Blatt12.h"

#include <QImage>
#include <QWidget>
#include <array>

class Bildanzeige;
class Panel;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QScrollArea;

// The picture archive: five slots for CT pictures of the current pattern,
// held in memory for the run, and the window that shows them side by side
// with the pattern of the last scan. A slot is filled from the simulator's
// picture ("save as"), emptied ("delete from") and brought back into the
// simulator ("load from"); the simulator's archive menu, this window's
// pop-up menu and the archive editing window all call the three operations
// below. A loaded picture locks the scan settings until the CT picture is
// deleted.
class TFormArchiv : public QWidget
{
    Q_OBJECT
public:
    TFormArchiv();

    // What a slot keeps: the picture as it was shown, the status texts and
    // values of the information record, and copies of both pictures.
    struct Archivbild
    {
        bool belegt = false;
        QImage Bild;
        Bildinformation Information;
        ct::Bildfeld CTBild;
        ct::Bildfeld FilterBild;
    };

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
    const Archivbild& Fach(int k) const { return m_faecher[std::size_t(k - 1)]; }

    // The slot operations, k = 1 ... 5 (Bild0kClick, Bild1kClick and
    // Bild2kClick of the simulator): save the CT picture as slot k, delete
    // slot k, load slot k.
    void BildSpeichern(int k);
    void BildLoeschen(int k);
    void BildLaden(int k);

    // "&Close Archive": back to the simulator.
    void SchliessenClick();

protected:
    void contextMenuEvent(QContextMenuEvent* e) override;
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void anordnen();
    std::array<Archivbild, 5> m_faecher;
};

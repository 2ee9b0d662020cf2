#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

// Window kinds, sizes and placement shared by all 39 windows.
enum class Rahmen {
    Ohne,               // no border or title bar (main window, course pages, start window)
    NurSchliessen,      // fixed single border, title bar with a close box only
    OhneSymbole,        // fixed border with title bar, no border icons (tool windows)
    MitMinimieren,      // fixed border, system menu, close and minimise boxes
    MitMaximieren,      // fixed border, system menu, close and maximise boxes
};

// Sets the window flags for a kind of border; `obenhalten` keeps the window
// above the others. Windows with a border keep a fixed client size.
void fensterart(QWidget* fenster, Rahmen rahmen, bool obenhalten);

// The common start of a window's creation: its name, its caption (none when
// empty), its kind of border, the font Arial of 13 pixels, and no context
// menu of its own.
void fensterAnlegen(QWidget* fenster, const QString& name, const QString& titel, Rahmen rahmen, bool obenhalten);

// Client size of a window (fixed for bordered windows).
void setzeClientgroesse(QWidget* fenster, int breite, int hoehe);
// Outer size including the frame and title bar, as a bordered window has on
// the desktop the program was designed for (a frame of 4 pixels on each side
// and a title bar of 19).
void setzeAussengroesse(QWidget* fenster, int breite, int hoehe);
int aussenbreite(const QWidget* fenster);
int aussenhoehe(const QWidget* fenster);

// Centres the window on the screen as the windows see it: where the layout
// is fitted to a larger screen, on the layout.
void aufBildschirmZentrieren(QWidget* fenster);
// The part of a window that fills the screen (the simulator) in which the
// layout stands: the whole window, or the layout where it is fitted to a
// larger screen.
QRect layoutteil(const QWidget* vollbild);
// The place of a window bottom-centred over that part.
QPoint untenMittig(const QWidget* vollbild, const QWidget* fenster);

// The place of a window at the right edge of the layout, `oben` pixels below
// its top (beside the simulator's pattern, below its menu).
QPoint obenRechts(const QWidget* fenster, int oben);

// The window icons: the program's own, and the second one of the dialogs and
// reference windows.
void setzeProgrammsymbol(QWidget* fenster);
void setzeZweitesSymbol(QWidget* fenster);

// Shows a window without waiting and brings it to the front.
void zeigenVorn(QWidget* fenster);
// Brings a shown window to the front.
void nachVorn(QWidget* fenster);

// Shows a window modally and returns when it has been hidden again. Other
// windows take no input meanwhile; timers and painting go on.
void modalZeigen(QWidget* fenster);

#pragma once

#include <QEvent>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

// Window kinds, sizes and placement shared by all 39 windows.
//
// The program shows one window to the desktop: the main window, full screen.
// The start window, the course pages and the simulator lie in it as areas of
// their own; the tool and reference windows are panels in it with a frame the
// program draws (caption, close box), which the learner can drag; only modal
// dialogs are windows of their own, with the main window as their parent. So
// every window manager and compositor, X11 or Wayland, shows the windows where
// the layout puts them, none is ever buried, and none stays above other programs.

// The border a window has: drawn by the program for panels, by the desktop
// for dialogs.
enum class Rahmen {
    Ohne,               // no border or title bar (main window, course pages, start window)
    NurSchliessen,      // fixed single border, title bar with a close box only
    OhneSymbole,        // fixed border with title bar, no border icons (tool windows)
    MitMinimieren,      // fixed border, system menu, close and minimise boxes
    MitMaximieren,      // fixed border, system menu, close and maximise boxes
};

// Where a window stands.
enum class Lage {
    Hauptfenster,  // the one window the desktop sees, shown full screen
    Flaeche,       // an area laid over the main window: start window, course pages, simulator
    Feld,          // a tool or reference window: a panel above the areas, in a frame the learner can drag
    Dialog,        // a modal dialog: a window of its own, with the main window as parent
};

// Sets the kind of border and the place of a window. The first window made
// with Lage::Hauptfenster is the main window, and every later window is laid
// into it. Without a main window (tests of single windows) the others are
// windows of their own. Windows with a border keep a fixed client size.
void fensterart(QWidget* fenster, Rahmen rahmen, Lage lage);

// The common start of a window's creation: its name, its caption (none when
// empty), its kind of border and place, the font Arial of 13 pixels, and no
// context menu of its own.
void fensterAnlegen(QWidget* fenster, const QString& name, const QString& titel, Rahmen rahmen, Lage lage);

// The main window, once made (else nullptr).
QWidget* hauptfenster();
bool istFeld(const QWidget* fenster);
// The frame a panel stands in (nullptr for every other window).
QWidget* feldrahmen(const QWidget* fenster);

// Client size of a window (fixed for bordered windows).
void setzeClientgroesse(QWidget* fenster, int breite, int hoehe);
// Outer size including the frame and title bar, as a bordered window has on
// the desktop the program was designed for (a frame of 4 pixels on each side
// and a title bar of 19).
void setzeAussengroesse(QWidget* fenster, int breite, int hoehe);
int aussenbreite(const QWidget* fenster);
int aussenhoehe(const QWidget* fenster);
// The frame's parts beside the client area: left, top (with the title bar),
// right, bottom.
QMargins rahmenraender(const QWidget* fenster);

// The place of a window, by the outer corner of its frame, in the main
// window's (that is, the screen's) pixels.
void platzieren(QWidget* fenster, QPoint aussen);
QPoint aussenort(const QWidget* fenster);
QRect aussenrahmen(const QWidget* fenster);

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

// Shows a window without waiting, brings it to the front and gives it the
// keyboard.
void zeigenVorn(QWidget* fenster);
// Brings a shown window to the front: panels above every area, an area above
// the other areas (the panels stay above it).
void nachVorn(QWidget* fenster);
// Gives the keyboard to a shown window: to the control in it that had it
// last, else to its first control.
void aktivieren(QWidget* fenster);

// Shows a window modally and returns when it has been hidden again. Other
// windows take no input meanwhile; timers and painting go on.
void modalZeigen(QWidget* fenster);
// The window shown modally now, a panel or a dialog (nullptr if none).
QWidget* modalesFenster();

// The event an area or panel receives when it becomes the active one: when
// the keyboard comes to it from elsewhere, or the main window is activated
// with the keyboard in it. (It takes the place of the desktop's window
// activation, which only the main window and dialogs have.)
QEvent::Type aktivierungsereignis();

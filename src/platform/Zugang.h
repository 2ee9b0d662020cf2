#pragma once

#include <QAccessible>
#include <QColor>
#include <QList>
#include <QRect>
#include <QString>

class QKeyEvent;
class QPainter;
class QWidget;

// What a screen reader learns of the painted controls (Panel, Bildanzeige),
// which Qt's accessibility layer knows only as plain widgets: their role, their
// name (an accessible name set on them, else a panel's caption) and, for those
// that act as buttons, the press action.
namespace Zugang {

// Registers the description of the painted controls with Qt's accessibility
// layer; the painted controls call it when they are made (once is enough).
void einrichten();

// The role a painted control reports (default: a picture for Bildanzeige, a
// text or a pane for Panel).
void setzeRolle(QWidget* w, QAccessible::Role rolle);
// The value a painted control reports (a grid: the cell under its cursor);
// tells the screen reader that it changed.
void setzeWert(QWidget* w, const QString& wert);

// A painted control that acts as a button presses on Space and Enter (no
// other key held), and shows that it has the keyboard by a dotted frame just
// inside its edge, drawn only while it has the focus.
bool knopftaste(const QKeyEvent* e);
void fokusmarke(QPainter& maler, const QRect& r, QColor farbe);

// The controls of an area that Tab reaches, in the order it reaches them.
QList<QWidget*> tabfolge(QWidget* bereich);

// Tells the screen reader about a change a sighted learner notices at once
// (a correction, a finished scan): the text becomes the control's value and
// is announced.
void ansagen(QWidget* w, const QString& text);

}  // namespace Zugang

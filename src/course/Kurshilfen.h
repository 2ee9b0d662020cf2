#pragma once

#include "platform/Farbtabelle.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <functional>
#include <vector>

class Bildanzeige;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class Zeichenflaeche;

// What the exercise pages share: their pictures, the entry fields with their
// key filter, the focus return to the current step, and the beams.
namespace Kurs {

// The pictures of the exercise pages and answer dialogs.
inline const QString Portrait = QStringLiteral(":/course/portrait.svg");
inline const QString LampeAus = QStringLiteral(":/course/lampe_aus.svg");
inline const QString LampeAn = QStringLiteral(":/course/lampe_an.svg");
inline const QString Haken = QStringLiteral(":/course/haken.svg");
inline const QString Leer = QStringLiteral(":/course/leer.svg");
inline const QString Pfeil = QStringLiteral(":/course/pfeil.svg");
// The side X-ray of a head ("Kopf"), computed once from the head phantom.
const QImage& kopf();

// A page text from the resources, without its closing line break.
QString text(const QString& pfad);

// Colours of the beams and of the gray levels, from the program's colour table.
using Farben::Blau;
using Farben::Grau;
using Farben::Rot;
using Farben::Schwarz;
using Farben::Weiss;

// Key filter of an entry field: Enter moves the focus to the next control of
// the tab order and is swallowed; Backspace, the digits and the characters of
// `zusaetzlich` pass; every other character is swallowed. Keys without a
// character (arrows, Delete, Tab) keep their usual meaning. The field also
// refuses pasted and dropped text it could not have been typed.
void ziffernfilter(QLineEdit* feld, const QString& zusaetzlich = {});

// Calls `aktion` whenever the mouse is pressed on the control (the press goes
// no further: no caret, no selection).
void beiMausdruck(QWidget* element, std::function<void()> aktion);
// The same, but only while `bedingung` holds; otherwise the press acts as usual.
void beiMausdruckWenn(QWidget* element, std::function<bool()> bedingung, std::function<void()> aktion);
// Calls `aktion` whenever the control receives the keyboard focus.
void beiFokus(QWidget* element, std::function<void()> aktion);

// Entry field states of the exercises: open (single border, editable, tab
// stop) and closed (no border, read-only, no tab stop).
void oeffnen(QLineEdit* feld);
void schliessen(QLineEdit* feld);
// The border alone, as the two states have it; without it the field's box is
// transparent.
void rahmen(QLineEdit* feld, bool mitRahmen);
// Font colour of a field or label.
void setzeSchriftfarbe(QWidget* element, QColor farbe);
QColor schriftfarbe(const QWidget* element);
// Background colour of a label (its own colour; labels are opaque).
void setzeHintergrund(QLabel* label, QColor farbe);
QColor hintergrund(const QLabel* label);

// Integer value of a field's text; false for an empty field or one that holds
// anything but digits.
bool ganzzahl(const QLineEdit* feld, int& wert);

// Puts the focus on `ziel` if it can take it, else on `ersatz`.
void fokus(QWidget* ziel, QWidget* ersatz = nullptr);

// Gives a window's message to a screen reader: the window's description, and
// an alert as soon as the window is up (also when it is then shown modally).
void ansagen(QWidget* fenster, const QString& text);

// Sets the tab order to the given sequence.
void tabfolge(const std::vector<QWidget*>& folge);

// The grid picture of the exercise pages: n x n cells of c pixels with lines
// two pixels thick, its top-left corner at (c - o, c - o), and the tumour
// circles of figure 1, 2 or 3 (0: none).
void gitterbild(Bildanzeige* bild, int c, int n, int figur, int o);

// One dash of a beam on a surface, from (x, y) towards (x + dx, y + dy), the
// end point excluded.
void strich(Zeichenflaeche& f, int x, int y, int dx, int dy);

}  // namespace Kurs

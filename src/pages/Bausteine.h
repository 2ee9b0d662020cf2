#pragma once

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>

class Bildanzeige;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QWidget;

// The building blocks that the reading pages and the reference windows share:
// texts from the resources, one-character overlays, headings, pictures,
// scroll boxes and links.
namespace Bausteine {

// The text ":/pages/texte/<datei>.txt" in a read-only multi-line text box.
QPlainTextEdit* memo(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe,
                     const QString& datei);

// A read-only one-line field without border or tab stop and with a
// transparent background, as the one-character overlays (subscripts) on the
// texts use it; pixel is the height of its Arial font.
QLineEdit* zeichenfeld(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe,
                       const QString& text, int pixel);

// A heading inside a scroll box: a read-only one-line field in bold Arial.
QLineEdit* ueberschrift(QWidget* eltern, const QString& name, const QString& text, int x, int y, int breite,
                        int pixel = 16);

// A picture control; with a source it shows that picture stretched over the
// control (SVG pictures are rendered at the control's size). The hint is its
// tooltip and its name for a screen reader.
Bildanzeige* bild(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe,
                  const QString& quelle = {}, const QString& hinweis = {});

// Gives a picture control its source; the picture is drawn when the control
// is first shown (until then the control is empty), at its size by then.
void quelleSetzen(Bildanzeige* bild, const QString& quelle);

// A scroll box with a white inner area of the given size (its widget()).
QScrollArea* rollkasten(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe,
                        int innenBreite, int innenHoehe);

// A tabbed notebook; seite() adds a white tab page, named by its title.
QTabWidget* notizbuch(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe);
QWidget* seite(QTabWidget* buch, const QString& name, const QString& titel);
// Makes all tabs of a notebook fit into one row of its width: narrower
// margins beside the titles and, where that is not enough, a slightly smaller
// font for the titles. Call after the last tab has been added.
void reiterEinpassen(QTabWidget* buch);

// The close button of a reference window ("Close", 75 x 25).
QPushButton* endeKnopf(QWidget* eltern, int x, int y);

// Lines are never wrapped; at the larger layout a text box grows to the
// right where its widest line would otherwise be cut off.
void breiteSichern(QPlainTextEdit* memo);

// Marks in a text where a one-character overlay belongs: every occurrence of
// `marke` is replaced by two blanks, and the positions of those places (in
// characters) are returned in text order.
QList<int> markenErsetzen(QPlainTextEdit* memo, QChar marke);
// The place at a character position: two blanks wide, one line high, in the
// coordinates of the text box's parent, from the metrics of the box's font
// (every line of a text box has the same height).
QRect ort(const QPlainTextEdit* memo, int stelle);
// The height of a line's baseline below the line's top, in the box's font.
int grundlinie(const QPlainTextEdit* memo);

// Opens a web address or a "mailto:" address through the desktop; nothing is reported if the
// desktop cannot open it.
void adresseOeffnen(const QString& adresse);
// A click (mouse press) on `feld` opens the address; the field shows a
// pointing hand.
void alsVerweis(QWidget* feld, const QString& adresse);

// The addresses the program names as its origin.
extern const QString Webadresse;
extern const QString Mailadresse;
// "mailto:" followed by the mail address.
extern const QString Mailverweis;

}  // namespace Bausteine

#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// Ready-made controls at fixed positions, as every window lays them out.
// Positions are relative to the parent; every control gets its name as objectName.

QFont arial(int pixel, bool fett = false);

// A window or control with a white background and no context menu, as the
// course pages and the start window are.
void weissHinterlegen(QWidget* w);

// A panel: a coloured area with optional bevels, an optional single border and
// a centred caption; a click on it emits geklickt().
class Panel : public QWidget
{
    Q_OBJECT
public:
    enum class Kante { Keine, Erhaben, Vertieft };

    Panel(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe, QColor farbe = Qt::white);

    void setzeFarbe(QColor farbe);
    QColor farbe() const { return m_farbe; }
    void setzeText(const QString& text);
    QString text() const { return m_text; }
    void setzeTextfarbe(QColor farbe);
    QColor textfarbe() const { return m_textfarbe; }
    void setzeKanten(Kante aussen, Kante innen);
    void setzeEinfacherRahmen(bool rahmen);
    // The panel acts as a button: it takes the keyboard with Tab, shows it by
    // a dotted frame, and Space or Enter click it.
    void setzeKnopfart();

signals:
    void geklickt();

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QColor m_farbe;
    QColor m_textfarbe = Qt::black;
    QString m_text;
    Kante m_aussen = Kante::Keine;
    Kante m_innen = Kante::Keine;
    bool m_rahmen = false;
    bool m_gedrueckt = false;
    bool m_knopf = false;
};

// A label that sizes itself to its text; pixel = 0 keeps the parent's font.
QLabel* bezeichnung(QWidget* eltern, const QString& name, const QString& text, int x, int y, int pixel = 0,
                    bool fett = false, QColor farbe = Qt::black);
QPushButton* knopf(QWidget* eltern, const QString& name, const QString& text, int x, int y, int breite, int hoehe);
// A one-line edit field with a single border, editable, with tab stop.
QLineEdit* eingabefeld(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe,
                       const QString& text = {});
// Switches of a one-line field as the exercises use them.
void setzeRahmen(QLineEdit* feld, bool rahmen);
void setzeTabstop(QWidget* feld, bool tabstop);
// A read-only multi-line text: no border, white, arrow cursor, lines as
// written without word wrap, no tab stop.
QPlainTextEdit* textfeld(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe,
                         const QString& text = {});
QRadioButton* optionsfeld(QWidget* eltern, const QString& name, const QString& text, int x, int y,
                          bool gewaehlt = false);
QGroupBox* gruppe(QWidget* eltern, const QString& name, const QString& titel, int x, int y, int breite, int hoehe);

// Reads a long text from the resources (UTF-8), in the edition's own copy
// where there is one.
QString ressourcentext(const QString& pfad);

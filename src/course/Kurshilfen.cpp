#include "course/Kurshilfen.h"

#include "app/Programmbilder.h"
#include "platform/Bildanzeige.h"
#include "platform/Fokusfalle.h"
#include "platform/Steuerelemente.h"
#include "platform/Zeichenflaeche.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace Kurs {

const QImage& kopf()
{
    // Twice the dialogs' picture size: sharp when stretched at 1024 x 768 too.
    static const QImage bild = Programmbilder::kopfRoentgen(156, 226);
    return bild;
}

void gitterbild(Bildanzeige* bild, int c, int n, int figur, int o)
{
    // The tumour circles of the exercise grids.
    constexpr QRgb Tumorfarbe = 0x7E7E7E;
    Zeichenflaeche& f = bild->flaeche();
    if (f.groesse() != bild->size())
        f.setzeGroesse(bild->width(), bild->height());
    f.setzePinsel(Farben::Weiss);
    f.fillRect(0, 0, f.breite(), f.hoehe());
    f.setzeStift(Farben::Schwarz);
    // Lines two pixels wide, drawn as such (so that they are equally wide
    // where the screen draws them at its own resolution).
    f.setzeStiftbreite(2);
    for (int i = 1; i <= n + 1; ++i) {
        f.moveTo(i * c - o, c - o);
        f.lineTo(i * c - o, (n + 1) * c - o);
    }
    for (int i = 1; i <= n + 1; ++i) {
        f.moveTo(c - o, i * c - o);
        f.lineTo((n + 1) * c + 1 - o, i * c - o);
    }
    f.setzeStiftbreite(1);
    f.setzePinsel(Tumorfarbe);
    if (figur == 1 || figur == 2)
        f.ellipse(2 * c + 1 - o, 2 * c + 1 - o, 3 * c - o, 3 * c - o);
    if (figur == 2)
        f.ellipse(3 * c + 1 - o, 3 * c + 1 - o, 4 * c - o, 4 * c - o);
    if (figur == 3)
        f.ellipse(c + 1 - o, c + 1 - o, 2 * c - o, 2 * c - o);
    f.setzePinsel(Farben::Weiss);
    bild->aktualisieren();
}

QString text(const QString& pfad)
{
    QString t = ressourcentext(pfad);
    while (t.endsWith(QLatin1Char('\n')))
        t.chop(1);
    return t;
}

namespace {

class Ziffernfilter : public QObject
{
public:
    Ziffernfilter(QObject* eltern, QString zusaetzlich) : QObject(eltern), m_zusaetzlich(std::move(zusaetzlich)) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        auto* taste = static_cast<QKeyEvent*>(e);
        auto* feld = static_cast<QWidget*>(o);
        if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
            // Moves on as Tab does, through the field's own focus chain.
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(feld, &tab);
            return true;
        }
        if (taste->matches(QKeySequence::Paste))
            return true;
        if (taste->key() == Qt::Key_Backspace)
            return false;
        const QString text = taste->text();
        if (text.isEmpty() || !text.at(0).isPrint())
            return false;
        const QChar z = text.at(0);
        return !(z.isDigit() && z.unicode() < 128) && !m_zusaetzlich.contains(z);
    }

private:
    QString m_zusaetzlich;
};

class Fokuswaechter : public QObject
{
public:
    Fokuswaechter(QObject* eltern, std::function<void()> aktion) : QObject(eltern), m_aktion(std::move(aktion)) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::FocusIn)
            m_aktion();
        return false;
    }

private:
    std::function<void()> m_aktion;
};

}  // namespace

void ziffernfilter(QLineEdit* feld, const QString& zusaetzlich)
{
    feld->installEventFilter(new Ziffernfilter(feld, zusaetzlich));
    QString klasse = QStringLiteral("0-9");
    for (QChar z : zusaetzlich)
        klasse += QRegularExpression::escape(QString(z));
    const int laenge = feld->maxLength();
    feld->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[%1]{0,%2}").arg(klasse).arg(laenge)), feld));
    feld->setContextMenuPolicy(Qt::NoContextMenu);
    feld->setAcceptDrops(false);
}

void beiMausdruck(QWidget* element, std::function<void()> aktion)
{
    beiMausdruckWenn(element, {}, std::move(aktion));
}

void beiMausdruckWenn(QWidget* element, std::function<bool()> bedingung, std::function<void()> aktion)
{
    mausdruckAbfangen(element, std::move(bedingung), std::move(aktion));
    if (auto* text = qobject_cast<QPlainTextEdit*>(element)) {
        text->setFocusPolicy(Qt::NoFocus);
        text->setContextMenuPolicy(Qt::NoContextMenu);
    }
}

void beiFokus(QWidget* element, std::function<void()> aktion)
{
    element->installEventFilter(new Fokuswaechter(element, std::move(aktion)));
}

void rahmen(QLineEdit* feld, bool mitRahmen)
{
    feld->setFrame(mitRahmen);
    // Without its border a field shows the grid beneath its box: on a scaled
    // screen the box may cover a device pixel of a grid line.
    QPalette pal = feld->palette();
    pal.setBrush(QPalette::Base, mitRahmen ? QApplication::palette(feld).base() : QBrush(Qt::transparent));
    feld->setPalette(pal);
}

void oeffnen(QLineEdit* feld)
{
    rahmen(feld, true);
    feld->setReadOnly(false);
    feld->setFocusPolicy(Qt::StrongFocus);
}

void schliessen(QLineEdit* feld)
{
    rahmen(feld, false);
    feld->setReadOnly(true);
    feld->setFocusPolicy(Qt::ClickFocus);
    feld->deselect();
    // Its text from the first character: a text a fraction of a pixel wider
    // than the box (a scaled screen) is not scrolled out of it.
    feld->setCursorPosition(0);
}

void setzeSchriftfarbe(QWidget* element, QColor farbe)
{
    QPalette pal = element->palette();
    pal.setColor(QPalette::WindowText, farbe);
    pal.setColor(QPalette::Text, farbe);
    element->setPalette(pal);
}

QColor schriftfarbe(const QWidget* element)
{
    if (qobject_cast<const QLineEdit*>(element))
        return element->palette().color(QPalette::Text);
    return element->palette().color(QPalette::WindowText);
}

void setzeHintergrund(QLabel* label, QColor farbe)
{
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, farbe);
    label->setPalette(pal);
}

QColor hintergrund(const QLabel* label)
{
    return label->palette().color(QPalette::Window);
}

bool ganzzahl(const QLineEdit* feld, int& wert)
{
    const QString text = feld->text();
    if (text.isEmpty())
        return false;
    for (QChar z : text)
        if (!(z.isDigit() && z.unicode() < 128))
            return false;
    bool ok = false;
    wert = text.toInt(&ok);
    return ok;
}

void fokus(QWidget* ziel, QWidget* ersatz)
{
    const auto kann = [](QWidget* w) { return w && w->isEnabled() && w->focusPolicy() != Qt::NoFocus; };
    if (kann(ziel))
        ziel->setFocus(Qt::OtherFocusReason);
    else if (kann(ersatz))
        ersatz->setFocus(Qt::OtherFocusReason);
}

void ansagen(QWidget* fenster, const QString& text)
{
    fenster->setAccessibleDescription(text);
    QTimer::singleShot(0, fenster, [fenster] {
        QAccessibleEvent alarm(fenster, QAccessible::Alert);
        QAccessible::updateAccessibility(&alarm);
    });
}

void tabfolge(const std::vector<QWidget*>& folge)
{
    for (std::size_t i = 1; i < folge.size(); ++i)
        QWidget::setTabOrder(folge[i - 1], folge[i]);
}

void strich(Zeichenflaeche& f, int x, int y, int dx, int dy)
{
    f.moveTo(x, y);
    f.lineTo(x + dx, y + dy);
}

}  // namespace Kurs

#include "platform/Zugang.h"

#include "platform/Bildanzeige.h"
#include "platform/Steuerelemente.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QVariant>
#include <QWidget>

namespace {

constexpr const char* Rollenmerkmal = "zugangsrolle";
constexpr const char* Wertmerkmal = "zugangswert";

// A painted control as a screen reader sees it. A control that takes the
// keyboard and reports clicks (geklickt) is a button with a press action.
class Gemalt : public QAccessibleWidget
{
public:
    explicit Gemalt(QWidget* w) : QAccessibleWidget(w) {}

    QAccessible::Role role() const override
    {
        const QVariant gesetzt = widget()->property(Rollenmerkmal);
        if (gesetzt.isValid())
            return QAccessible::Role(gesetzt.toInt());
        if (const auto* p = qobject_cast<const Panel*>(widget()))
            return p->text().isEmpty() ? QAccessible::Pane : QAccessible::StaticText;
        return QAccessible::Graphic;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            if (!widget()->accessibleName().isEmpty())
                return widget()->accessibleName();
            if (const auto* p = qobject_cast<const Panel*>(widget()))
                return p->text();
        }
        if (t == QAccessible::Value)
            return widget()->property(Wertmerkmal).toString();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        QStringList namen = QAccessibleWidget::actionNames();
        if (role() == QAccessible::Button)
            namen.prepend(pressAction());
        return namen;
    }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && role() == QAccessible::Button)
            QMetaObject::invokeMethod(widget(), "geklickt");
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* fabrik(const QString& klasse, QObject* o)
{
    auto* w = qobject_cast<QWidget*>(o);
    if (w && (klasse == QLatin1String("Panel") || klasse == QLatin1String("Bildanzeige")))
        return new Gemalt(w);
    // Any other painted control that says what it is (a status bar).
    if (w && klasse == QLatin1String("QWidget") && w->property(Rollenmerkmal).isValid())
        return new Gemalt(w);
    return nullptr;
}

}  // namespace

namespace Zugang {

void einrichten()
{
    static const bool eingerichtet = [] {
        QAccessible::installFactory(fabrik);
        return true;
    }();
    Q_UNUSED(eingerichtet);
}

void setzeRolle(QWidget* w, QAccessible::Role rolle)
{
    w->setProperty(Rollenmerkmal, int(rolle));
}

void setzeWert(QWidget* w, const QString& wert)
{
    if (w->property(Wertmerkmal).toString() == wert)
        return;
    w->setProperty(Wertmerkmal, wert);
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent e(w, wert);
        QAccessible::updateAccessibility(&e);
    }
}

bool knopftaste(const QKeyEvent* e)
{
    const auto tasten = e->modifiers() & ~Qt::KeypadModifier;
    return tasten == Qt::NoModifier
        && (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter);
}

void fokusmarke(QPainter& maler, const QRect& r, QColor farbe)
{
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing, false);
    maler.setBrush(Qt::NoBrush);
    maler.setPen(QPen(farbe, 1, Qt::DotLine));
    maler.drawRect(r.adjusted(3, 3, -4, -4));
    maler.restore();
}

QList<QWidget*> tabfolge(QWidget* bereich)
{
    QList<QWidget*> folge;
    for (QWidget* w = bereich->nextInFocusChain(); w && w != bereich; w = w->nextInFocusChain())
        if (bereich->isAncestorOf(w) && w->isEnabled() && w->isVisibleTo(bereich)
            && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy())
            folge.append(w);
    return folge;
}

void ansagen(QWidget* w, const QString& text)
{
    w->setProperty(Wertmerkmal, text);
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent wert(w, text);
    QAccessible::updateAccessibility(&wert);
    QAccessibleEvent alarm(w, QAccessible::Alert);
    QAccessible::updateAccessibility(&alarm);
}

}  // namespace Zugang

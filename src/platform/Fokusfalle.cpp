#include "platform/Fokusfalle.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

namespace {

class Mausdruck : public QObject
{
public:
    Mausdruck(QObject* eltern, std::function<bool()> bedingung, std::function<void()> aktion)
        : QObject(eltern), m_bedingung(std::move(bedingung)), m_aktion(std::move(aktion))
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            // The press decides for the moves and the release after it.
            m_aktiv = !m_bedingung || m_bedingung();
            if (m_aktiv)
                m_aktion();
            return m_aktiv;
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
            return m_aktiv;
        default:
            return false;
        }
    }

private:
    std::function<bool()> m_bedingung;
    std::function<void()> m_aktion;
    bool m_aktiv = true;
};

}  // namespace

QObject* mausdruckAbfangen(QWidget* element, std::function<bool()> bedingung, std::function<void()> aktion)
{
    auto* filter = new Mausdruck(element, std::move(bedingung), std::move(aktion));
    element->installEventFilter(filter);
    if (auto* bereich = qobject_cast<QAbstractScrollArea*>(element))
        bereich->viewport()->installEventFilter(filter);
    return filter;
}

void fokusfalle(QWidget* text, QWidget* ziel)
{
    mausdruckAbfangen(text, {}, [ziel = QPointer<QWidget>(ziel)] {
        if (ziel)
            ziel->setFocus(Qt::MouseFocusReason);
    });
    text->setFocusPolicy(Qt::NoFocus);
}

void fokusfalleFuerAlleTexte(QWidget* fenster, QWidget* ziel)
{
    for (QLineEdit* t : fenster->findChildren<QLineEdit*>())
        fokusfalle(t, ziel);
    for (QPlainTextEdit* t : fenster->findChildren<QPlainTextEdit*>())
        fokusfalle(t, ziel);
    for (QTextEdit* t : fenster->findChildren<QTextEdit*>())
        fokusfalle(t, ziel);
}

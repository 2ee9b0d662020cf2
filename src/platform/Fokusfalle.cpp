#include "platform/Fokusfalle.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

namespace {

class Falle : public QObject
{
public:
    Falle(QObject* eltern, QWidget* ziel) : QObject(eltern), m_ziel(ziel) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (m_ziel)
                m_ziel->setFocus(Qt::MouseFocusReason);
            return true;
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
            return true;
        default:
            return false;
        }
    }

private:
    QPointer<QWidget> m_ziel;
};

}  // namespace

void fokusfalle(QWidget* text, QWidget* ziel)
{
    auto* falle = new Falle(text, ziel);
    text->installEventFilter(falle);
    if (auto* bereich = qobject_cast<QAbstractScrollArea*>(text))
        bereich->viewport()->installEventFilter(falle);
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

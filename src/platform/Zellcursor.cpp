#include "platform/Zellcursor.h"

#include "platform/Bildanzeige.h"
#include "platform/Zugang.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

Zellcursor::Zellcursor(Bildanzeige* bild)
    : QObject(bild), m_bild(bild)
{
    // Tab only: a click paints and leaves the keyboard where it was, so that
    // a learner with the mouse never sees the cursor.
    bild->setFocusPolicy(Qt::TabFocus);
    bild->installEventFilter(this);
    // Two pixels inside the cell's grid lines, in a colour that stands out on
    // white, gray and black cells alike.
    bild->setzeFokusmarke([this](QPainter& maler) {
        maler.save();
        maler.setRenderHint(QPainter::Antialiasing, false);
        maler.setBrush(Qt::NoBrush);
        maler.setPen(QPen(QColor(255, 0, 0), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        const QPoint ecke = m_ursprung + QPoint((m_spalte - 1) * m_c, (m_zeile - 1) * m_c);
        maler.drawRect(QRectF(ecke, QSizeF(m_c, m_c)).adjusted(1.5, 1.5, -0.5, -0.5));
        maler.restore();
    });
    bewegen(1, 1);
}

void Zellcursor::setzeRaster(int n, int c, QPoint ursprung)
{
    m_n = std::max(n, 1);
    m_c = std::max(c, 1);
    m_ursprung = ursprung;
    bewegen(m_spalte, m_zeile);
}

QPoint Zellcursor::mitte() const
{
    return m_ursprung + QPoint((m_spalte - 1) * m_c + m_c / 2, (m_zeile - 1) * m_c + m_c / 2);
}

void Zellcursor::bewegen(int spalte, int zeile)
{
    m_spalte = std::clamp(spalte, 1, m_n);
    m_zeile = std::clamp(zeile, 1, m_n);
    Zugang::setzeWert(m_bild, tr("Row %1, column %2").arg(m_zeile).arg(m_spalte));
    m_bild->update();
}

bool Zellcursor::eventFilter(QObject* o, QEvent* e)
{
    if (o != m_bild || e->type() != QEvent::KeyPress)
        return false;
    const auto* taste = static_cast<QKeyEvent*>(e);
    if ((taste->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    switch (taste->key()) {
    case Qt::Key_Left:
        bewegen(m_spalte - 1, m_zeile);
        return true;
    case Qt::Key_Right:
        bewegen(m_spalte + 1, m_zeile);
        return true;
    case Qt::Key_Up:
        bewegen(m_spalte, m_zeile - 1);
        return true;
    case Qt::Key_Down:
        bewegen(m_spalte, m_zeile + 1);
        return true;
    case Qt::Key_Space:
        emit gedrueckt(Qt::LeftButton, mitte());
        return true;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        emit gedrueckt(Qt::RightButton, mitte());
        return true;
    default:
        return false;
    }
}

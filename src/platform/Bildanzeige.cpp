#include "platform/Bildanzeige.h"

#include "platform/Bilder.h"

#include <QMouseEvent>
#include <QPainter>

Bildanzeige::Bildanzeige(QWidget* eltern, const QString& name)
    : QWidget(eltern)
{
    setObjectName(name);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void Bildanzeige::setzeGestreckt(bool gestreckt)
{
    m_gestreckt = gestreckt;
    update();
}

void Bildanzeige::setzeTransparent(bool transparent)
{
    m_transparent = transparent;
    update();
}

void Bildanzeige::setzeBild(const QImage& bild)
{
    m_flaeche.setzeBild(bild);
    update();
}

void Bildanzeige::setzeBildquelle(const QString& pfad, bool gespiegelt)
{
    m_quelle = pfad;
    m_gespiegelt = gespiegelt;
    m_gestreckt = true;
    quelleZeichnen();
}

void Bildanzeige::quelleZeichnen()
{
    if (m_quelle.isEmpty() || width() <= 0 || height() <= 0)
        return;
    QImage bild = ladeBild(m_quelle, size());
    if (m_gespiegelt)
        bild = bild.mirrored(true, false);
    m_flaeche.setzeBild(bild);
    update();
}

void Bildanzeige::flaecheAnpassen()
{
    m_flaeche.setzeGroesse(width(), height());
    update();
}

void Bildanzeige::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (!m_quelle.isEmpty())
        quelleZeichnen();
    update();
}

QPoint Bildanzeige::flaechenpunkt(const QPoint& p) const
{
    if (!m_gestreckt || m_flaeche.leer() || width() == 0 || height() == 0)
        return p;
    return QPoint(p.x() * m_flaeche.breite() / width(), p.y() * m_flaeche.hoehe() / height());
}

void Bildanzeige::paintEvent(QPaintEvent*)
{
    if (m_flaeche.leer())
        return;
    QPainter maler(this);
    QImage bild = m_flaeche.bild();
    if (m_transparent) {
        bild = bild.convertToFormat(QImage::Format_ARGB32);
        const int n = bild.width() * bild.height();
        QRgb* p = reinterpret_cast<QRgb*>(bild.bits());
        for (int i = 0; i < n; ++i)
            if ((p[i] & 0xFFFFFFu) == 0xFFFFFFu)
                p[i] = 0;
    }
    if (m_gestreckt) {
        maler.setRenderHint(QPainter::SmoothPixmapTransform, true);
        maler.drawImage(rect(), bild);
    } else {
        maler.drawImage(QPoint(0, 0), bild);
    }
}

void Bildanzeige::mousePressEvent(QMouseEvent* e)
{
    m_gedruecktInnen = true;
    emit mausGedrueckt(e->button(), e->buttons(), e->modifiers(), flaechenpunkt(e->position().toPoint()));
}

void Bildanzeige::mouseMoveEvent(QMouseEvent* e)
{
    emit mausBewegt(e->buttons(), e->modifiers(), flaechenpunkt(e->position().toPoint()));
}

void Bildanzeige::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    emit mausLosgelassen(e->button(), e->buttons(), e->modifiers(), flaechenpunkt(p));
    if (m_gedruecktInnen && e->button() == Qt::LeftButton && rect().contains(p))
        emit geklickt();
    m_gedruecktInnen = false;
}

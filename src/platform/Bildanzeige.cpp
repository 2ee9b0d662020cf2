#include "platform/Bildanzeige.h"

#include "platform/Bilder.h"
#include "platform/Zugang.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QPainter>
#include <algorithm>
#include <QtMath>

namespace {
// White pixels let the parent's background show.
QImage durchsichtig(const QImage& bild)
{
    QImage ergebnis = bild.convertToFormat(QImage::Format_ARGB32);
    const qsizetype n = qsizetype(ergebnis.width()) * ergebnis.height();
    QRgb* p = reinterpret_cast<QRgb*>(ergebnis.bits());
    for (qsizetype i = 0; i < n; ++i)
        if ((p[i] & 0xFFFFFFu) == 0xFFFFFFu)
            p[i] = 0;
    return ergebnis;
}

bool istZeichnung(const QString& pfad)
{
    return pfad.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}
}  // namespace

Bildanzeige::Bildanzeige(QWidget* eltern, const QString& name)
    : QWidget(eltern)
{
    setObjectName(name);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    Zugang::einrichten();
}

void Bildanzeige::setzeKnopfart()
{
    m_knopf = true;
    setFocusPolicy(Qt::StrongFocus);
    Zugang::setzeRolle(this, QAccessible::Button);
    setzeFokusmarke([this](QPainter& maler) { Zugang::fokusmarke(maler, rect(), Qt::black); });
}

void Bildanzeige::setzeFokusmarke(std::function<void(QPainter&)> marke)
{
    m_fokusmarke = std::move(marke);
    update();
}

void Bildanzeige::keyPressEvent(QKeyEvent* e)
{
    if (m_knopf && Zugang::knopftaste(e))
        emit geklickt();
    else
        QWidget::keyPressEvent(e);
}

void Bildanzeige::setzeGestreckt(bool gestreckt)
{
    m_gestreckt = gestreckt;
    update();
}

void Bildanzeige::setzeTransparent(bool transparent)
{
    m_transparent = transparent;
    m_fein = QImage();
    update();
}

void Bildanzeige::setzeBild(const QImage& bild)
{
    m_quelle.clear();
    m_eigeneGroesse = false;
    m_fein = QImage();
    m_flaeche.setzeBild(bild);
    update();
}

void Bildanzeige::setzeBildquelle(const QString& pfad, bool gespiegelt)
{
    m_quelle = pfad;
    m_gespiegelt = gespiegelt;
    m_eigeneGroesse = false;
    m_gestreckt = true;
    quelleZeichnen();
}

void Bildanzeige::setzeBildquelleInEigenerGroesse(const QString& pfad)
{
    m_quelle = pfad;
    m_gespiegelt = false;
    m_eigeneGroesse = true;
    m_gestreckt = false;
    quelleZeichnen();
}

QImage Bildanzeige::quelleLaden(QSize groesse, qreal pixelverhaeltnis) const
{
    QImage bild = ladeBild(m_quelle, groesse, pixelverhaeltnis);
    if (m_gespiegelt)
        bild = bild.mirrored(true, false);
    return bild;
}

void Bildanzeige::quelleZeichnen()
{
    m_fein = QImage();
    if (m_quelle.isEmpty())
        return;
    if (m_eigeneGroesse)
        m_flaeche.setzeBild(quelleLaden({}, 1));
    else if (width() > 0 && height() > 0)
        m_flaeche.setzeBild(quelleLaden(size(), 1));
    else
        return;
    update();
}

const QImage& Bildanzeige::feinesBild(qreal pixelverhaeltnis)
{
    if (m_fein.isNull() || m_fein.devicePixelRatio() != pixelverhaeltnis) {
        m_fein = quelleLaden(m_eigeneGroesse ? QSize() : size(), pixelverhaeltnis);
        if (m_transparent)
            m_fein = durchsichtig(m_fein);
        m_fein.setDevicePixelRatio(pixelverhaeltnis);
    }
    return m_fein;
}

const QImage* Bildanzeige::geraetebild(qreal pixelverhaeltnis)
{
    const Fein::Liste* liste = m_flaeche.befehle();
    if (!liste || liste->empty() || m_flaeche.leer())
        return nullptr;
    // A picture and nothing drawn on it: shown pixel for pixel as it is.
    if (liste->size() == 1 && liste->front().art == Fein::Befehl::Art::Bild)
        return nullptr;
    const QSize groesse(Fein::kante(m_flaeche.breite(), pixelverhaeltnis),
                        Fein::kante(m_flaeche.hoehe(), pixelverhaeltnis));
    QElapsedTimer dauer;
    dauer.start();
    std::size_t von = 0;
    if (!m_maler || m_geraet.size() != groesse || m_geraetVerhaeltnis != pixelverhaeltnis
        || m_geraetBeginn != m_flaeche.aufzeichnungsbeginn()) {
        // Device pixels, drawn on without any scaling of the painter's.
        m_geraet = QImage(groesse, QImage::Format_RGB32);
        m_geraet.fill(0xFFFFFFFFu);
        m_geraetVerhaeltnis = pixelverhaeltnis;
        m_maler = std::make_unique<Fein::Feinmaler>(m_geraet, m_flaeche.breite(), m_flaeche.hoehe(),
                                                    pixelverhaeltnis);
        m_geraetBeginn = m_flaeche.aufzeichnungsbeginn();
    } else {
        // Only what was recorded since: the commands are numbered in order.
        von = std::size_t(std::upper_bound(liste->begin(), liste->end(), m_geraetNr,
                                           [](std::uint64_t nr, const Fein::Befehl& b) { return nr < b.nr; })
                          - liste->begin());
    }
    if (von < liste->size()) {
        m_maler->zeichnen(*liste, von);
        m_geraetNr = liste->back().nr;
    }
    m_feinDauer = dauer.elapsed();
    return &m_geraet;
}

void Bildanzeige::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    // Made again from the record and the source when shown again.
    m_maler.reset();
    m_geraet = QImage();
    m_fein = QImage();
}

void Bildanzeige::flaecheAnpassen()
{
    m_flaeche.setzeGroesse(width(), height());
    update();
}

void Bildanzeige::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (!m_quelle.isEmpty() && !m_eigeneGroesse)
        quelleZeichnen();
    update();
}

QPoint Bildanzeige::flaechenpunkt(const QPoint& p) const
{
    if (!m_gestreckt || m_flaeche.leer() || width() == 0 || height() == 0)
        return p;
    return QPoint(p.x() * m_flaeche.breite() / width(), p.y() * m_flaeche.hoehe() / height());
}

QPoint Bildanzeige::pixelUnter(const QPointF& p) const
{
    const qreal halb = 0.5 / devicePixelRatioF();
    return QPoint(qFloor(p.x() + halb), qFloor(p.y() + halb));
}

void Bildanzeige::paintEvent(QPaintEvent*)
{
    if (m_flaeche.leer())
        return;
    QPainter maler(this);
    bildMalen(maler);
    if (m_fokusmarke && hasFocus())
        m_fokusmarke(maler);
}

void Bildanzeige::bildMalen(QPainter& maler)
{
    const qreal pixelverhaeltnis = devicePixelRatioF();
    if (pixelverhaeltnis != 1 && istZeichnung(m_quelle)) {
        // A drawing is rendered at the screen's resolution and shown pixel for pixel.
        const QImage& fein = feinesBild(pixelverhaeltnis);
        maler.drawImage(QRectF(QPointF(0, 0), m_eigeneGroesse ? QSizeF(m_flaeche.groesse()) : QSizeF(size())), fein);
        return;
    }
    const bool gestreckt = m_gestreckt && m_flaeche.groesse() != size();
    // A picture redrawn many times a second (a scan's steps) whose drawing
    // at the screen's resolution is costly is shown pixel for pixel while it
    // changes, and at the screen's resolution once it stands still.
    const qint64 seitLetztem = m_gemalt.isValid() ? m_gemalt.restart() : (m_gemalt.start(), qint64(1000));
    const bool rasch = seitLetztem < Ruhezeit && m_feinDauer > TeureZeichnung;
    if (rasch && pixelverhaeltnis != 1 && !gestreckt && m_flaeche.befehle()) {
        if (!m_nachzeichnen) {
            m_nachzeichnen = new QTimer(this);
            m_nachzeichnen->setSingleShot(true);
            connect(m_nachzeichnen, &QTimer::timeout, this, [this] {
                m_feinDauer = 0;
                update();
            });
        }
        m_nachzeichnen->start(Ruhezeit);
    } else if (pixelverhaeltnis != 1 && !gestreckt)
        if (const QImage* geraet = geraetebild(pixelverhaeltnis)) {
            // Drawn at the screen's resolution, shown pixel for pixel.
            const QRectF ziel(QPointF(0, 0), QSizeF(geraet->size()) / pixelverhaeltnis);
            maler.drawImage(ziel, m_transparent ? durchsichtig(*geraet) : *geraet);
            return;
        }
    const QImage bild = m_transparent ? durchsichtig(m_flaeche.bild()) : m_flaeche.bild();
    if (gestreckt) {
        // Stretched by the layout itself: smoothed.
        maler.setRenderHint(QPainter::SmoothPixmapTransform, true);
        maler.drawImage(rect(), bild);
    } else {
        // Pixel for pixel in the layout; on a scaled screen each pixel
        // becomes a block of device pixels with hard edges.
        maler.drawImage(QPoint(0, 0), bild);
    }
}

void Bildanzeige::mousePressEvent(QMouseEvent* e)
{
    m_gedruecktInnen = true;
    emit mausGedrueckt(e->button(), e->buttons(), e->modifiers(), flaechenpunkt(pixelUnter(e->position())));
}

void Bildanzeige::mouseMoveEvent(QMouseEvent* e)
{
    emit mausBewegt(e->buttons(), e->modifiers(), flaechenpunkt(pixelUnter(e->position())));
}

void Bildanzeige::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint p = pixelUnter(e->position());
    emit mausLosgelassen(e->button(), e->buttons(), e->modifiers(), flaechenpunkt(p));
    if (m_gedruecktInnen && e->button() == Qt::LeftButton && rect().contains(p))
        emit geklickt();
    m_gedruecktInnen = false;
}

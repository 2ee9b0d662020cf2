#include "platform/Feldrahmen.h"

#include "platform/Farbtabelle.h"
#include "platform/Steuerelemente.h"

#include <QApplication>
#include <QEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace Fensterfuehrung {
// Hands the keyboard on from a panel that is being hidden (Fensterart.cpp).
void fokusWeitergeben(QWidget* ausser);
}  // namespace Fensterfuehrung

namespace {
constexpr int Rand = 4;           // border on every side
constexpr int Titelhoehe = 18;    // the caption bar
constexpr int Oben = Rand + Titelhoehe + 1;
constexpr int Knopfbreite = 16;
constexpr int Knopfhoehe = 14;
// Of a frame dragged to the main window's edge, this much of the caption
// bar stays inside, so that it can always be taken again.
constexpr int Griffrest = 60;

constexpr QRgb Hell = 0xFFFFFF;
constexpr QRgb Schatten = 0x808080;
constexpr QRgb Dunkel = 0x404040;
constexpr QRgb TitelAktiv = 0x0A246A;
constexpr QRgb TitelAktivHell = 0xA6CAF0;
constexpr QRgb TitelInaktiv = 0x808080;
constexpr QRgb TitelInaktivHell = 0xC0C0C0;

// A raised (or, pressed, sunken) bevel of two lines on each side.
void kante(QPainter& p, QRect r, bool gedrueckt)
{
    const QColor aussenHell(gedrueckt ? Dunkel : Farben::Knopfflaeche), innenHell(gedrueckt ? Schatten : Hell);
    const QColor aussenDunkel(gedrueckt ? Hell : Dunkel), innenDunkel(gedrueckt ? Farben::Knopfflaeche : Schatten);
    const int l = r.left(), t = r.top(), rr = r.right(), b = r.bottom();
    p.setPen(aussenHell);
    p.drawLine(l, t, rr - 1, t);
    p.drawLine(l, t, l, b - 1);
    p.setPen(innenHell);
    p.drawLine(l + 1, t + 1, rr - 2, t + 1);
    p.drawLine(l + 1, t + 1, l + 1, b - 2);
    p.setPen(aussenDunkel);
    p.drawLine(l, b, rr, b);
    p.drawLine(rr, t, rr, b);
    p.setPen(innenDunkel);
    p.drawLine(l + 1, b - 1, rr - 1, b - 1);
    p.drawLine(rr - 1, t + 1, rr - 1, b - 1);
}
}  // namespace

Feldrahmen::Feldrahmen(QWidget* hauptfenster, QWidget* feld, Rahmen rahmen)
    : QWidget(hauptfenster, Qt::SubWindow), m_feld(feld), m_rahmen(rahmen)
{
    setContextMenuPolicy(Qt::NoContextMenu);
    hide();
    feld->setParent(this, Qt::Widget);
    feld->setAutoFillBackground(true);
    feld->move(raender().left(), raender().top());
    feld->installEventFilter(this);
    setObjectName(QStringLiteral("Rahmen") + feld->objectName());
    connect(feld, &QObject::objectNameChanged, this,
            [this](const QString& name) { setObjectName(QStringLiteral("Rahmen") + name); });
    anpassen();
}

QMargins Feldrahmen::raender() const
{
    return m_rahmen == Rahmen::Ohne ? QMargins() : QMargins(Rand, Oben, Rand, Rand);
}

bool Feldrahmen::aktiv() const
{
    const QWidget* f = QApplication::focusWidget();
    return m_feld && f && (f == m_feld || m_feld->isAncestorOf(f)) && window()->isActiveWindow();
}

QRect Feldrahmen::titelleiste() const
{
    return m_rahmen == Rahmen::Ohne ? QRect() : QRect(Rand, Rand, width() - 2 * Rand, Titelhoehe);
}

QRect Feldrahmen::schliessfeld() const
{
    if (m_rahmen == Rahmen::Ohne || m_rahmen == Rahmen::OhneSymbole)
        return {};
    return QRect(width() - Rand - 2 - Knopfbreite, Rand + 2, Knopfbreite, Knopfhoehe);
}

QRect Feldrahmen::minimierfeld() const
{
    if (m_rahmen != Rahmen::MitMinimieren)
        return {};
    return schliessfeld().translated(-Knopfbreite - 2, 0);
}

QRect Feldrahmen::maximierfeld() const
{
    if (m_rahmen != Rahmen::MitMaximieren)
        return {};
    return schliessfeld().translated(-Knopfbreite - 2, 0);
}

void Feldrahmen::anpassen()
{
    if (!m_feld)
        return;
    const QMargins r = raender();
    // A panel moved directly (move() on the window, as on the desktop) moves
    // its frame there.
    if (m_feld->pos() != QPoint(r.left(), r.top())) {
        const QPoint ort = m_feld->pos();
        m_feld->move(r.left(), r.top());
        move(ort);
    }
    resize(m_feld->width() + r.left() + r.right(), m_feld->height() + r.top() + r.bottom());
}

bool Feldrahmen::eventFilter(QObject* o, QEvent* e)
{
    if (o != m_feld)
        return false;
    switch (e->type()) {
    case QEvent::ShowToParent:
        anpassen();
        if (isHidden()) {
            show();
            raise();
        }
        break;
    case QEvent::Hide:
        // Before Qt moves the keyboard to whatever control comes next: it
        // goes to the panel or area that is now in front.
        if (!e->spontaneous()) {
            const QWidget* f = QApplication::focusWidget();
            if (f && (f == m_feld || m_feld->isAncestorOf(f)))
                Fensterfuehrung::fokusWeitergeben(this);
        }
        break;
    case QEvent::HideToParent:
        hide();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        anpassen();
        break;
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
        update(titelleiste());
        break;
    default:
        break;
    }
    return false;
}

void Feldrahmen::knopfZeichnen(QPainter& p, QRect r, Feldknopf k) const
{
    if (r.isEmpty())
        return;
    const bool gedrueckt = m_gedrueckt == k && rect().contains(mapFromGlobal(QCursor::pos()))
                        && knopfBei(mapFromGlobal(QCursor::pos())) == k;
    p.fillRect(r, QColor(Farben::Knopfflaeche));
    kante(p, r, gedrueckt);
    const int d = gedrueckt ? 1 : 0;
    const int x = r.left() + 4 + d, y = r.top() + 3 + d;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    switch (k) {
    case Feldknopf::Schliessen:
        p.setPen(QPen(Qt::black, 1));
        for (int i = 0; i < 2; ++i) {
            p.drawLine(x + i, y, x + 6 + i, y + 6);
            p.drawLine(x + 6 + i, y, x + i, y + 6);
        }
        break;
    case Feldknopf::Minimieren:
        p.drawRect(x, y + 6, 6, 2);
        break;
    case Feldknopf::Maximieren:
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(x - 1, y - 1, 8, 7);
        p.drawLine(x - 1, y, x + 7, y);
        break;
    case Feldknopf::Keiner:
        break;
    }
}

void Feldrahmen::paintEvent(QPaintEvent*)
{
    if (m_rahmen == Rahmen::Ohne)
        return;
    QPainter p(this);
    p.fillRect(rect(), QColor(Farben::Knopfflaeche));
    kante(p, rect(), false);

    const QRect titel = titelleiste();
    const bool vorn = aktiv();
    QLinearGradient verlauf(titel.topLeft(), titel.topRight());
    verlauf.setColorAt(0, QColor(vorn ? TitelAktiv : TitelInaktiv));
    verlauf.setColorAt(1, QColor(vorn ? TitelAktivHell : TitelInaktivHell));
    p.fillRect(titel, verlauf);

    int textLinks = titel.left() + 4;
    const QIcon symbol = m_feld ? m_feld->windowIcon() : QIcon();
    if (!symbol.isNull() && m_rahmen != Rahmen::OhneSymbole) {
        symbol.paint(&p, QRect(titel.left() + 2, titel.top() + 1, 16, 16));
        textLinks = titel.left() + 21;
    }
    int textRechts = titel.right() - 2;
    for (const QRect& k : {schliessfeld(), minimierfeld(), maximierfeld()})
        if (!k.isEmpty())
            textRechts = std::min(textRechts, k.left() - 3);
    p.setFont(arial(12, true));
    p.setPen(QColor(vorn ? Hell : Farben::Knopfflaeche));
    const QRect textfeld(textLinks, titel.top(), std::max(0, textRechts - textLinks), titel.height());
    const QString text = m_feld ? m_feld->windowTitle().trimmed() : QString();
    p.drawText(textfeld, Qt::AlignVCenter | Qt::AlignLeft,
               p.fontMetrics().elidedText(text, Qt::ElideRight, textfeld.width()));

    knopfZeichnen(p, schliessfeld(), Feldknopf::Schliessen);
    knopfZeichnen(p, minimierfeld(), Feldknopf::Minimieren);
    knopfZeichnen(p, maximierfeld(), Feldknopf::Maximieren);
}

Feldrahmen::Feldknopf Feldrahmen::knopfBei(QPoint p) const
{
    if (schliessfeld().contains(p))
        return Feldknopf::Schliessen;
    if (minimierfeld().contains(p))
        return Feldknopf::Minimieren;
    if (maximierfeld().contains(p))
        return Feldknopf::Maximieren;
    return Feldknopf::Keiner;
}

QPoint Feldrahmen::begrenzt(QPoint ort) const
{
    const QWidget* h = parentWidget();
    if (!h)
        return ort;
    const int x = std::clamp(ort.x(), Griffrest - width(), std::max(0, h->width() - Griffrest));
    const int y = std::clamp(ort.y(), 0, std::max(0, h->height() - Oben));
    return {x, y};
}

void Feldrahmen::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || m_rahmen == Rahmen::Ohne)
        return QWidget::mousePressEvent(e);
    m_gedrueckt = knopfBei(e->position().toPoint());
    if (m_gedrueckt != Feldknopf::Keiner) {
        update();
        return;
    }
    if (titelleiste().contains(e->position().toPoint()) && !maximiert()) {
        m_ziehen = true;
        m_griff = e->globalPosition().toPoint() - pos();
    }
}

void Feldrahmen::mouseMoveEvent(QMouseEvent* e)
{
    if (m_ziehen)
        move(begrenzt(e->globalPosition().toPoint() - m_griff));
    else if (m_gedrueckt != Feldknopf::Keiner)
        update();
}

void Feldrahmen::mouseReleaseEvent(QMouseEvent* e)
{
    m_ziehen = false;
    const Feldknopf knopf = m_gedrueckt;
    m_gedrueckt = Feldknopf::Keiner;
    update();
    if (knopf == Feldknopf::Keiner || e->button() != Qt::LeftButton || knopfBei(e->position().toPoint()) != knopf
        || !m_feld)
        return;
    switch (knopf) {
    case Feldknopf::Schliessen:
        m_feld->close();
        break;
    case Feldknopf::Minimieren:
        // A panel has no task bar to go to: it goes away, and the button
        // that opened it brings it back.
        m_feld->hide();
        break;
    case Feldknopf::Maximieren:
        maximierenUmschalten();
        break;
    case Feldknopf::Keiner:
        break;
    }
}

void Feldrahmen::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && m_rahmen == Rahmen::MitMaximieren
        && titelleiste().contains(e->position().toPoint()) && knopfBei(e->position().toPoint()) == Feldknopf::Keiner)
        maximierenUmschalten();
}

void Feldrahmen::maximierenUmschalten()
{
    if (!m_feld || !parentWidget())
        return;
    const QMargins r = raender();
    QRect ziel;
    if (maximiert()) {
        ziel = m_vorMaximieren;
        m_vorMaximieren = QRect();
    } else {
        m_vorMaximieren = geometry();
        ziel = parentWidget()->rect();
    }
    move(ziel.topLeft());
    m_feld->resize(ziel.size().shrunkBy(r));
}

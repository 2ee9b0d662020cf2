#include "platform/Fensterart.h"

#include "platform/Bildschirm.h"
#include "platform/Feldrahmen.h"
#include "platform/Steuerelemente.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QIcon>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace {
constexpr int RahmenBreite = 8;   // left and right frame together
constexpr int RahmenHoehe = 27;   // title bar and top and bottom frame together

QPointer<QWidget>& haupt()
{
    static QPointer<QWidget> h;
    return h;
}

// The panel shown modally now.
QPointer<QWidget>& modalesFeld()
{
    static QPointer<QWidget> f;
    return f;
}

bool hatRahmen(const QWidget* f)
{
    return f->property("rahmen").toInt() != int(Rahmen::Ohne);
}

Feldrahmen* rahmenVon(const QWidget* fenster)
{
    return fenster ? qobject_cast<Feldrahmen*>(fenster->parentWidget()) : nullptr;
}

// An area or a panel's frame: a part of the main window that stands for a
// window of its own.
bool istTeil(const QWidget* w)
{
    return w && !w->isWindow() && w->windowType() == Qt::SubWindow && w->parentWidget() == haupt();
}

// The area or frame a control lies in (nullptr outside them).
QWidget* teilVon(QWidget* w)
{
    for (; w && !w->isWindow(); w = w->parentWidget())
        if (istTeil(w))
            return w;
    return nullptr;
}

// The window an area or frame stands for.
QWidget* fensterVon(QWidget* teil)
{
    if (auto* r = qobject_cast<Feldrahmen*>(teil))
        return r->feld();
    return teil;
}

bool enthaeltFokus(const QWidget* w)
{
    const QWidget* f = QApplication::focusWidget();
    return f && (f == w || w->isAncestorOf(f));
}

bool fokusfaehig(const QWidget* w, const QWidget* in)
{
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isEnabled() && w->isVisibleTo(in)
        && !w->focusProxy();
}

// Gives the keyboard to a window laid into the main window, as the desktop
// gives it to a window it activates: to the control that had it last, else
// to the first one that Tab reaches.
void fokusHinein(QWidget* fenster)
{
    if (enthaeltFokus(fenster))
        return;
    QWidget* ziel = fenster->focusWidget();
    if (!ziel || !(ziel == fenster || fenster->isAncestorOf(ziel)) || !ziel->isVisibleTo(fenster)
        || !ziel->isEnabled())
        ziel = nullptr;
    for (QWidget* w = fenster->nextInFocusChain(); !ziel && w && w != fenster; w = w->nextInFocusChain())
        if (fenster->isAncestorOf(w) && fokusfaehig(w, fenster))
            ziel = w;
    (ziel ? ziel : fenster)->setFocus(Qt::ActiveWindowFocusReason);
}

// The frames above the areas, in the order they had among each other.
void felderNachVorn()
{
    if (!haupt())
        return;
    const QObjectList kinder = haupt()->children();
    for (QObject* o : kinder)
        if (auto* r = qobject_cast<Feldrahmen*>(o); r && r->isVisible())
            r->raise();
}

// What the desktop does for the windows inside the main window: a click
// brings a panel to the front and gives the keyboard to the window clicked
// into; the window that gets the keyboard from another one is told it has
// become the active one.
class Fuehrung : public QObject
{
public:
    Fuehrung()
    {
        connect(qApp, &QApplication::focusChanged, this, &Fuehrung::fokusGeaendert);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if ((e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) && o->isWidgetType()) {
            if (QWidget* teil = teilVon(static_cast<QWidget*>(o))) {
                if (qobject_cast<Feldrahmen*>(teil))
                    teil->raise();
                fokusHinein(fensterVon(teil));
            }
        }
        return false;
    }

private:
    void fokusGeaendert(QWidget* alt, QWidget* neu)
    {
        QWidget* vorher = teilVon(alt);
        QWidget* jetzt = teilVon(neu);
        if (vorher == jetzt)
            return;
        for (QWidget* t : {vorher, jetzt})
            if (qobject_cast<Feldrahmen*>(t))
                t->update();
        // Like the desktop's activation, it arrives after what is running now.
        if (jetzt)
            QCoreApplication::postEvent(fensterVon(jetzt), new QEvent(aktivierungsereignis()));
    }
};

Fuehrung* fuehrung()
{
    static Fuehrung* f = nullptr;
    if (!f) {
        f = new Fuehrung;
        f->setParent(qApp);
        qApp->installEventFilter(f);
    }
    return f;
}

// While a panel is shown modally, no control outside it takes mouse, keys or
// shortcuts, as no window does beside a modal dialog.
class Modalsperre : public QObject
{
public:
    explicit Modalsperre(QWidget* frei) : m_frei(frei) { qApp->installEventFilter(this); }
    ~Modalsperre() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            if (!o->isWidgetType())
                return false;  // the window system's event, passed on to a control afterwards
            return !(m_frei && (o == m_frei || m_frei->isAncestorOf(static_cast<QWidget*>(o))));
        case QEvent::Shortcut:
            return true;
        default:
            return false;
        }
    }

private:
    QPointer<QWidget> m_frei;
};

class VersteckWaechter : public QObject
{
public:
    explicit VersteckWaechter(QEventLoop* schleife) : m_schleife(schleife) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Hide && m_schleife)
            m_schleife->quit();
        return false;
    }

private:
    QPointer<QEventLoop> m_schleife;
};

Qt::WindowFlags randzeichen(Rahmen rahmen)
{
    switch (rahmen) {
    case Rahmen::Ohne:
        return Qt::FramelessWindowHint;
    case Rahmen::NurSchliessen:
        return Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    case Rahmen::OhneSymbole:
        return Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    case Rahmen::MitMinimieren:
        return Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
             | Qt::WindowMinimizeButtonHint;
    case Rahmen::MitMaximieren:
        return Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
             | Qt::WindowMaximizeButtonHint;
    }
    return {};
}

// A window laid into the main window takes the font and colours a window of
// its own would have, not the main window's.
void wieEigenesFenster(QWidget* fenster)
{
    if (!fenster->testAttribute(Qt::WA_SetFont))
        fenster->setFont(QApplication::font(fenster));
    if (!fenster->testAttribute(Qt::WA_SetPalette))
        fenster->setPalette(QApplication::palette(fenster));
    fenster->setAutoFillBackground(true);
}
}  // namespace

namespace Fensterfuehrung {
void fokusWeitergeben(QWidget* ausser)
{
    QWidget* h = haupt();
    if (!h || !h->isVisible())
        return;
    // The front-most other panel, else the front-most area.
    const QObjectList kinder = h->children();
    QWidget* feld = nullptr;
    QWidget* flaeche = nullptr;
    for (QObject* o : kinder) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!istTeil(w) || w == ausser || !w->isVisible())
            continue;
        (qobject_cast<Feldrahmen*>(w) ? feld : flaeche) = w;
    }
    if (QWidget* ziel = feld ? feld : flaeche)
        fokusHinein(fensterVon(ziel));
}
}  // namespace Fensterfuehrung

QWidget* modalesFenster()
{
    if (QWidget* d = QApplication::activeModalWidget())
        return d;
    QWidget* f = modalesFeld();
    return f && f->isVisible() ? f : nullptr;
}

QEvent::Type aktivierungsereignis()
{
    static const auto typ = QEvent::Type(QEvent::registerEventType());
    return typ;
}

void fensterart(QWidget* fenster, Rahmen rahmen, Lage lage)
{
    fenster->setProperty("rahmen", int(rahmen));
    fenster->setProperty("lage", int(lage));
    QWidget* h = haupt();
    switch (lage) {
    case Lage::Hauptfenster:
        fenster->setWindowFlags(Qt::Window | randzeichen(rahmen));
        if (!h) {
            haupt() = fenster;
            fuehrung();
        }
        return;
    case Lage::Flaeche:
        if (h) {
            fenster->setParent(h, Qt::SubWindow);
            wieEigenesFenster(fenster);
            fenster->hide();
            return;
        }
        break;
    case Lage::Feld:
        if (h) {
            wieEigenesFenster(fenster);
            new Feldrahmen(h, fenster, rahmen);
            return;
        }
        break;
    case Lage::Dialog:
        if (h) {
            fenster->setParent(h, Qt::Dialog | randzeichen(rahmen));
            return;
        }
        break;
    }
    fenster->setWindowFlags(Qt::Window | randzeichen(rahmen));
}

void fensterAnlegen(QWidget* fenster, const QString& name, const QString& titel, Rahmen rahmen, Lage lage)
{
    fenster->setObjectName(name);
    if (!titel.isEmpty())
        fenster->setWindowTitle(titel);
    fensterart(fenster, rahmen, lage);
    fenster->setFont(arial(13));
    fenster->setContextMenuPolicy(Qt::NoContextMenu);
}

QWidget* hauptfenster()
{
    return haupt();
}

bool istFeld(const QWidget* fenster)
{
    return rahmenVon(fenster) != nullptr;
}

QWidget* feldrahmen(const QWidget* fenster)
{
    return rahmenVon(fenster);
}

void setzeClientgroesse(QWidget* fenster, int breite, int hoehe)
{
    const int r = fenster->property("rahmen").toInt();
    if (r == int(Rahmen::NurSchliessen) || r == int(Rahmen::OhneSymbole) || r == int(Rahmen::MitMinimieren))
        fenster->setFixedSize(breite, hoehe);
    else {
        fenster->setMinimumSize(0, 0);
        fenster->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        fenster->resize(breite, hoehe);
    }
}

void setzeAussengroesse(QWidget* fenster, int breite, int hoehe)
{
    if (hatRahmen(fenster))
        setzeClientgroesse(fenster, breite - RahmenBreite, hoehe - RahmenHoehe);
    else
        setzeClientgroesse(fenster, breite, hoehe);
}

int aussenbreite(const QWidget* fenster)
{
    return fenster->width() + (hatRahmen(fenster) ? RahmenBreite : 0);
}

int aussenhoehe(const QWidget* fenster)
{
    return fenster->height() + (hatRahmen(fenster) ? RahmenHoehe : 0);
}

QMargins rahmenraender(const QWidget* fenster)
{
    return hatRahmen(fenster) ? QMargins(RahmenBreite / 2, RahmenHoehe - RahmenBreite / 2, RahmenBreite / 2,
                                         RahmenBreite / 2)
                              : QMargins();
}

void platzieren(QWidget* fenster, QPoint aussen)
{
    if (Feldrahmen* r = rahmenVon(fenster))
        r->move(aussen);
    else
        fenster->move(aussen);  // a window's move places its frame; an area has none
}

QPoint aussenort(const QWidget* fenster)
{
    if (const Feldrahmen* r = rahmenVon(fenster))
        return r->pos();
    return fenster->pos();
}

QRect aussenrahmen(const QWidget* fenster)
{
    return QRect(aussenort(fenster), QSize(aussenbreite(fenster), aussenhoehe(fenster)));
}

void aufBildschirmZentrieren(QWidget* fenster)
{
    const QRect r = Bildschirm::layoutrahmen();
    platzieren(fenster, QPoint(r.x() + (r.width() - aussenbreite(fenster)) / 2,
                               r.y() + (r.height() - aussenhoehe(fenster)) / 2));
}

QRect layoutteil(const QWidget* vollbild)
{
    return Bildschirm::eingepasst() ? Bildschirm::layoutrahmen() : vollbild->rect();
}

QPoint untenMittig(const QWidget* vollbild, const QWidget* fenster)
{
    const QRect r = layoutteil(vollbild);
    return QPoint(r.x() + (r.width() - aussenbreite(fenster)) / 2, r.y() + r.height() - aussenhoehe(fenster));
}

QPoint obenRechts(const QWidget* fenster, int oben)
{
    const QRect r = Bildschirm::layoutrahmen();
    return QPoint(r.x() + r.width() - aussenbreite(fenster), r.y() + oben);
}

void setzeProgrammsymbol(QWidget* fenster)
{
    fenster->setWindowIcon(QIcon(QStringLiteral(":/app/icon.svg")));
}

void setzeZweitesSymbol(QWidget* fenster)
{
    fenster->setWindowIcon(QIcon(QStringLiteral(":/app/icon3.svg")));
}

void zeigenVorn(QWidget* fenster)
{
    fenster->show();
    nachVorn(fenster);
    aktivieren(fenster);
}

void nachVorn(QWidget* fenster)
{
    if (fenster->isWindow()) {
        // The headless platform of the tests keeps no stacking order.
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            fenster->raise();
        return;
    }
    if (Feldrahmen* r = rahmenVon(fenster)) {
        r->raise();
        return;
    }
    fenster->raise();
    felderNachVorn();
}

void aktivieren(QWidget* fenster)
{
    if (!fenster->isVisible())
        return;
    QWidget* fensterselbst = fenster->window();
    if (!fensterselbst->isActiveWindow() && !QApplication::activeModalWidget())
        fensterselbst->activateWindow();
    if (!fenster->isWindow())
        fokusHinein(fenster);
}

void modalZeigen(QWidget* fenster)
{
    QEventLoop schleife;
    VersteckWaechter waechter(&schleife);
    fenster->installEventFilter(&waechter);
    if (!fenster->isWindow()) {
        // A panel: the lock keeps the rest of the program from input.
        QWidget* frei = rahmenVon(fenster) ? static_cast<QWidget*>(rahmenVon(fenster)) : fenster;
        Modalsperre sperre(frei);
        const QPointer<QWidget> vorher = modalesFeld();
        modalesFeld() = fenster;
        fenster->show();
        nachVorn(fenster);
        aktivieren(fenster);
        if (fenster->isVisible())
            schleife.exec();
        fenster->removeEventFilter(&waechter);
        modalesFeld() = vorher;
        return;
    }
    const Qt::WindowModality vorher = fenster->windowModality();
    if (!fenster->isVisible()) {
        fenster->hide();  // modality can only change while hidden
        fenster->setWindowModality(Qt::ApplicationModal);
    }
    fenster->show();
    nachVorn(fenster);
    fenster->activateWindow();
    if (fenster->isVisible())
        schleife.exec();
    fenster->removeEventFilter(&waechter);
    if (!fenster->isVisible())
        fenster->setWindowModality(vorher);
}

// The soak: seeded random input over the whole window set at one layout, as
// a very quick and careless learner would give it. Clicks, right clicks,
// drags, keys and the menus' shortcuts, page jumps through the strip and the
// curls, scans started, paused, stopped and sped up, modal dialogs answered
// both ways (the exit dialog's "Yes" ends the program, which then starts
// anew), minimising and restoring. Input arrives from a chain of timers, so
// it goes on inside every wait of the program (animations, scans, modal
// dialogs), and the events go through the window system's path, so that
// modal windows block what they block and popup menus take what they take.
//
// After every burst of events the invariants are checked: the program runs
// (input is taken within a minute); exactly the window of the current page is
// shown, none while minimised; the page strip marks the current page; a
// modal dialog is visible and can be closed; "Start" is never enabled while a
// scan runs, "Stop", "Pause" and "Speed" never while none runs; the hourglass
// is up only during a scan; once the exit is confirmed the program ends.
//
//   dauerlauf <800|1024> [--saat 1,2,3] [--ereignisse 1000] [--takt 4]
//
// A failure prints the seed, the last events and the line that replays it.
// Each step draws the same number of random values whatever it meets, so a
// seed gives the same intentions in the same order; what they hit depends on
// the program's timing as well, which a replay comes close to.

#include "support/Testumgebung.h"

#include "app/Ausstieg.h"
#include "app/BlattAnfang.h"
#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "app/Programm.h"
#include "course/Falsch.h"
#include "course/Korrektur.h"
#include "platform/Bildanzeige.h"
#include "platform/Bildschirm.h"
#include "platform/Feldrahmen.h"
#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"
#include "sim/Blatt12.h"
#include "sim/Hinweis.h"
#include "sim/Pause.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QPointer>
#include <QRandomGenerator>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

using Testumgebung::element;

// --- What the run remembers for a report -------------------------------------

// The last events, kept for the report of a failure; written from the
// program's thread, read by the watchdog and the crash handler too.
class Spur
{
public:
    void merken(std::string zeile)
    {
        const std::lock_guard<std::mutex> sperre(m_sperre);
        m_zeilen.push_back(std::move(zeile));
        if (m_zeilen.size() > Laenge)
            m_zeilen.pop_front();
    }
    void ausgeben(int datei)
    {
        // No lock: after a crash the lock may be held; the lines are only
        // read here, on the way out.
        for (const std::string& z : m_zeilen) {
            ssize_t geschrieben = ::write(datei, z.data(), z.size());
            geschrieben = ::write(datei, "\n", 1);
            (void)geschrieben;
        }
    }
    void leeren()
    {
        const std::lock_guard<std::mutex> sperre(m_sperre);
        m_zeilen.clear();
    }

private:
    static constexpr std::size_t Laenge = 40;
    std::deque<std::string> m_zeilen;
    std::mutex m_sperre;
};

Spur spur;
std::string kopfzeile;       // seed and layout, for the reports
std::string nachspielen;     // the command line that replays the seed
std::atomic<qint64> puls{0};  // milliseconds since start at the last step
QElapsedTimer uhr;

void berichten(const std::string& was)
{
    std::string text = "\nSOAK FAILURE (" + kopfzeile + "): " + was + "\nlast events, oldest first:\n";
    ssize_t n = ::write(2, text.data(), text.size());
    spur.ausgeben(2);
    text = "replay: " + nachspielen + "\n";
    n = ::write(2, text.data(), text.size());
    (void)n;
}

[[noreturn]] void scheitern(const QString& was)
{
    std::fflush(stdout);
    berichten(was.toStdString());
    // Out at once: the windows and loops on the stack are of no interest now.
    std::_Exit(1);
}

extern "C" void absturz(int signal)
{
    berichten("signal " + std::to_string(signal));
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// The program is considered gone when no step ran for this long.
constexpr qint64 Stillstand = 60000;

void wachhund()
{
    for (;;) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        if (uhr.isValid() && uhr.elapsed() - puls.load() > Stillstand) {
            berichten("no input was taken for 60 s: the program hangs");
            std::_Exit(1);
        }
    }
}

// --- The windows ---------------------------------------------------------------

// All windows of the set, main window first.
QList<QWidget*> fenster()
{
    QList<QWidget*> liste;
    for (QWidget* w : Fenstersatz::alle())
        liste << w;
    return liste;
}

bool offen(const QWidget* w)
{
    return w && w->isVisible() && !w->window()->isMinimized();
}

// The window of the set a control belongs to (nullptr outside the set).
QWidget* fensterDes(const QWidget* w)
{
    const QList<QWidget*> alle = fenster();
    for (; w; w = w->parentWidget())
        if (alle.contains(w))
            return const_cast<QWidget*>(w);
    return nullptr;
}

// What a click at a point of a control hits: the main window and the dialogs
// are the desktop's windows (the dialogs above the main window); inside a
// window its own stacking decides.
QWidget* getroffen(QWidget* element, QPoint punkt)
{
    QWidget* oben = element->window();
    const QPoint global = element->mapToGlobal(punkt);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != oben && w->isVisible() && w != FormHaupt && oben == FormHaupt && w->frameGeometry().contains(global)
            && !(w->windowType() == Qt::ToolTip))
            return nullptr;
    const QPoint imFenster = oben->mapFromGlobal(global);
    if (!oben->rect().contains(imFenster))
        return nullptr;
    QWidget* w = oben->childAt(imFenster);
    return w ? w : oben;
}

QString name(const QWidget* w)
{
    if (!w)
        return QStringLiteral("-");
    const QString n = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    const QWidget* f = fensterDes(w);
    return !f || f == w ? n : f->objectName() + QLatin1Char('/') + n;
}

// How much a control draws the learner's clicks: what acts gets more.
int gewicht(const QWidget* w)
{
    if (qobject_cast<const QAbstractButton*>(w))
        return 4;
    if (qobject_cast<const Bildanzeige*>(w))
        return 3;
    if (qobject_cast<const Panel*>(w) || qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTabBar*>(w)
        || qobject_cast<const QMenuBar*>(w))
        return 2;
    if (qobject_cast<const QLabel*>(w) || qobject_cast<const QPlainTextEdit*>(w))
        return 1;
    return 0;
}

// --- One random step -------------------------------------------------------------

// The random values of one step: always the same count, whatever the step
// meets, so that a seed gives the same intentions in the same order.
struct Wurf
{
    std::array<quint32, 8> z{};
    int bis(std::size_t i, int n) const { return n > 0 ? int(z[i] % quint32(n)) : 0; }
    // True with the given chance in percent.
    bool prozent(std::size_t i, int p) const { return int(z[i] % 100u) < p; }
};

// Every key of a menu item or a button (checked against the window set when a
// run begins), and the menu bars' Alt keys.
const std::pair<Qt::Key, Qt::KeyboardModifiers> Tastenkuerzel[] = {
    {Qt::Key_N, Qt::ControlModifier}, {Qt::Key_B, Qt::ControlModifier}, {Qt::Key_D, Qt::ControlModifier},
    {Qt::Key_L, Qt::ControlModifier}, {Qt::Key_F1, Qt::NoModifier},     {Qt::Key_I, Qt::ControlModifier},
    {Qt::Key_S, Qt::ControlModifier}, {Qt::Key_E, Qt::ControlModifier}, {Qt::Key_V, Qt::ControlModifier},
    {Qt::Key_G, Qt::ControlModifier}, {Qt::Key_F, Qt::ControlModifier}, {Qt::Key_A, Qt::ControlModifier},
    {Qt::Key_F, Qt::AltModifier},     {Qt::Key_P, Qt::AltModifier},     {Qt::Key_C, Qt::AltModifier},
    {Qt::Key_L, Qt::AltModifier},     {Qt::Key_O, Qt::AltModifier},     {Qt::Key_M, Qt::ControlModifier},
    {Qt::Key_T, Qt::AltModifier},     {Qt::Key_PageDown, Qt::NoModifier}, {Qt::Key_PageUp, Qt::NoModifier},
    {Qt::Key_Right, Qt::ControlModifier}, {Qt::Key_Left, Qt::ControlModifier},
};

const Qt::Key Tasten[] = {Qt::Key_0,      Qt::Key_1,     Qt::Key_2,      Qt::Key_3,     Qt::Key_4,      Qt::Key_5,
                          Qt::Key_6,      Qt::Key_7,     Qt::Key_8,      Qt::Key_9,     Qt::Key_A,      Qt::Key_X,
                          Qt::Key_Minus,  Qt::Key_Comma, Qt::Key_Period, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab,
                          Qt::Key_Backtab, Qt::Key_Backspace, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Left,
                          Qt::Key_Right,  Qt::Key_Up,    Qt::Key_Down,   Qt::Key_Delete};

struct Zahlen
{
    long ereignisse = 0;
    long schritte = 0;
    int tiefsteSchachtelung = 0;
    int programmstarts = 0;
    int scans = 0;
    int modaleAntworten = 0;
    QSet<int> seiten;
    QMap<QString, int> arten;  // events by kind
    QMap<QString, int> warnungen;
};

QtMessageHandler voriger = nullptr;
Zahlen* zahlenFuerWarnungen = nullptr;

void warnungMerken(QtMsgType typ, const QMessageLogContext& ort, const QString& text)
{
    if (text.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (zahlenFuerWarnungen && typ != QtDebugMsg && typ != QtInfoMsg) {
        zahlenFuerWarnungen->warnungen[text.left(160)] += 1;
        return;
    }
    if (voriger)
        voriger(typ, ort, text);
}

class Dauerlauf : public QObject
{
public:
    Dauerlauf(int breite, quint32 saat, long ereignisse, int takt)
        : m_breite(breite)
        , m_zufall(saat)
        , m_soll(ereignisse)
        , m_takt(takt)
    {
    }

    // Runs the program sessions until the events are used up and the last
    // session has come to rest.
    void laufen()
    {
        zahlenFuerWarnungen = &m_zahlen;
        while (!m_fertig) {
            sitzungBeginnen();
            QApplication::exec();
            Programm::setzeHauptschleife(false);
            delete m_anstehend;
            if (m_fertig)
                break;
            // The exit was confirmed: every loop has returned, the program is over.
            if (!Programmende())
                scheitern(QStringLiteral("the main loop ended without the exit being confirmed"));
            for (QWidget* w : fenster())
                if (w->isVisible())
                    scheitern(QStringLiteral("%1 is still visible after the program ended").arg(name(w)));
            // (the exit that ends the last of the events ends the run)
            m_fertig = m_zahlen.ereignisse >= m_soll;
        }
        Testumgebung::abbauen();
        zahlenFuerWarnungen = nullptr;
    }

    const Zahlen& zahlen() const { return m_zahlen; }

private:
    void sitzungBeginnen()
    {
        if (m_gehalten)
            loslassen();
        m_gehalten.reset();
        QTestPrivate::qtestMouseButtons = Qt::NoButton;
        Testumgebung::starten(m_breite);
        if (m_zahlen.programmstarts == 0)
            kuerzelPruefen();
        ++m_zahlen.programmstarts;
        m_ausstieg = false;
        m_endeSeit = -1;
        m_scanlief = false;
        Programm::setzeHauptschleife(true);
        planen();
    }

    // A key that a window's action has but the table lacks would never be pressed.
    static void kuerzelPruefen()
    {
        for (QWidget* w : fenster())
            for (const QAction* a : w->findChildren<QAction*>()) {
                const QKeySequence k = a->shortcut();
                if (k.isEmpty())
                    continue;
                const bool drin = std::any_of(std::begin(Tastenkuerzel), std::end(Tastenkuerzel), [&k](const auto& t) {
                    return QKeySequence(int(t.second) | int(t.first)) == k;
                });
                if (!drin)
                    scheitern(QStringLiteral("the key %1 of %2 is missing from the keys pressed")
                                  .arg(k.toString(), a->objectName()));
            }
    }

    // The next step comes from a timer of its own, so that it can come
    // inside the wait of a step before (a timer is never re-entered).
    void planen()
    {
        // A new timer object for every step: the one that fired may still be
        // delivering its event further down the stack.
        auto* t = new QTimer(this);
        t->setSingleShot(true);
        connect(t, &QTimer::timeout, this, [this, t] {
            t->deleteLater();
            schritt();
        });
        m_anstehend = t;
        t->start(m_takt);
    }

    void schritt()
    {
        ++m_tiefe;
        struct Zurueck
        {
            int& tiefe;
            ~Zurueck() { --tiefe; }
        } zurueck{m_tiefe};
        puls = uhr.elapsed();
        ++m_zahlen.schritte;
        m_zahlen.tiefsteSchachtelung = std::max(m_zahlen.tiefsteSchachtelung, m_tiefe);
        Wurf w;
        for (quint32& z : w.z)
            z = m_zufall.generate();

        if (Programmende()) {
            // The program is ending: every loop returns by itself, input has
            // no more place. It must be over soon.
            if (m_endeSeit < 0)
                m_endeSeit = uhr.elapsed();
            if (uhr.elapsed() - m_endeSeit > 20000)
                scheitern(QStringLiteral("the program did not end within 20 s of the confirmed exit"));
            planen();
            return;
        }
        beobachten();
        planen();
        if (m_zahlen.ereignisse >= m_soll) {
            ausklingen(w);
            return;
        }
        const long vorher = m_zahlen.ereignisse;
        handeln(w);
        if (m_zahlen.ereignisse != vorher && m_zahlen.ereignisse % Schub == 0)
            pruefen();
    }

    // What the run counts as it goes.
    void beobachten()
    {
        if (!Form12)
            return;
        const bool laeuft = Form12->Zustand.Laeuft();
        if (laeuft && !m_scanlief)
            ++m_zahlen.scans;
        m_scanlief = laeuft;
        m_zahlen.seiten.insert(FormHaupt->Zustand.seite());
    }

    void notieren(const QString& was)
    {
        ++m_zahlen.ereignisse;
        m_zahlen.arten[was.section(QLatin1Char(' '), 0, 0)] += 1;
        spur.merken(QStringLiteral("#%1 t=%2s depth %3 page %4: %5")
                        .arg(m_zahlen.ereignisse)
                        .arg(uhr.elapsed() / 1000.0, 0, 'f', 2)
                        .arg(m_tiefe)
                        .arg(FormHaupt->Zustand.seite())
                        .arg(was)
                        .toStdString());
    }

    // --- Choosing ------------------------------------------------------------

    void handeln(const Wurf& w)
    {
        if (QWidget* p = QApplication::activePopupWidget()) {
            aufPopup(w, p);
            return;
        }
        if (m_gehalten) {
            waehrendGehalten(w);
            return;
        }
        if (QWidget* m = modalesFenster()) {
            aufModal(w, m);
            return;
        }
        if (FormHaupt->isMinimized() && w.prozent(0, 40)) {
            notieren(QStringLiteral("restore from the task bar"));
            FormHaupt->setWindowState(FormHaupt->windowState() & ~Qt::WindowMinimized);
            return;
        }
        // The simulator has the most to try: while it is shown, a good part
        // of the input goes to its own controls.
        if (offen(Form12) && w.prozent(0, 35)) {
            simulator(w);
            return;
        }
        const int art = w.bis(7, 100);
        if (art < 30)
            klicken(w, Qt::LeftButton);
        else if (art < 36)
            klicken(w, Qt::RightButton);
        else if (art < 44)
            festhalten(w);
        else if (art < 56)
            taste(w);
        else if (art < 64)
            kuerzel(w);
        else if (art < 74)
            blaettern(w);
        else if (art < 76)
            minimieren();
        else if (art < 80)
            schliessfeld(w);
        // else: the learner looks at the screen
    }

    // A random open window (the active one drawn more often), and a control
    // in it, with a point of that control that no higher window covers.
    struct Ziel
    {
        QWidget* element = nullptr;
        QPoint punkt;
    };

    std::optional<Ziel> zielWaehlen(const Wurf& w, std::size_t i, QWidget* nurIn = nullptr)
    {
        QList<QWidget*> kandidaten;
        if (nurIn)
            kandidaten << nurIn;
        else
            for (QWidget* f : fenster())
                if (offen(f)) {
                    kandidaten << f;
                    if (hatTastatur(f))
                        kandidaten << f << f;
                }
        if (kandidaten.isEmpty())
            return std::nullopt;
        QWidget* f = kandidaten[w.bis(i, int(kandidaten.size()))];
        QList<QWidget*> elemente;
        int summe = 0;
        for (QWidget* e : f->findChildren<QWidget*>()) {
            const int g = gewicht(e);
            if (g > 0 && e->isVisible() && !e->rect().isEmpty()) {
                elemente << e;
                summe += g;
            }
        }
        Ziel ziel;
        if (summe == 0) {
            ziel.element = f;
        } else {
            int wahl = w.bis(i + 1, summe);
            for (QWidget* e : elemente) {
                wahl -= gewicht(e);
                if (wahl < 0) {
                    ziel.element = e;
                    break;
                }
            }
        }
        const QRect r = ziel.element->rect();
        ziel.punkt = QPoint(r.x() + w.bis(i + 2, r.width()), r.y() + w.bis(i + 3, r.height()));
        // The visible part of a control that reaches past its window, and
        // not covered by another window.
        const QPoint imFenster = ziel.element->mapTo(f, ziel.punkt);
        if (!f->rect().contains(imFenster))
            return std::nullopt;
        QWidget* treffer = getroffen(ziel.element, ziel.punkt);
        if (!treffer || fensterDes(treffer) != f)
            return std::nullopt;
        return ziel;
    }

    static QWindow* fensterVon(QWidget* w) { return w->window()->windowHandle(); }

    static bool hatTastatur(const QWidget* f)
    {
        const QWidget* fokus = QApplication::focusWidget();
        return fokus && f->window()->isActiveWindow() && (fokus == f || f->isAncestorOf(fokus));
    }

    static QPoint imFenster(const Ziel& z) { return z.element->mapTo(z.element->window(), z.punkt); }

    // A click on a window that is not the active one makes it active first,
    // as the desktop does.
    static void aktivieren(QWidget* w)
    {
        QWidget* f = w->window();
        if (!QApplication::activeModalWidget() && !QApplication::activePopupWidget() && !f->isActiveWindow())
            f->activateWindow();
    }

    void klick(QWidget* element, QPoint punkt, Qt::MouseButton knopf, const QString& wie)
    {
        notieren(QStringLiteral("%1 %2 at %3,%4").arg(wie, name(element)).arg(punkt.x()).arg(punkt.y()));
        aktivieren(element);
        QTest::mouseClick(fensterVon(element), knopf, Qt::NoModifier, element->mapTo(element->window(), punkt));
    }

    void klickMitte(QWidget* element, const QString& wie)
    {
        klick(element, element->rect().center(), Qt::LeftButton, wie);
    }

    void klicken(const Wurf& w, Qt::MouseButton knopf)
    {
        if (const auto z = zielWaehlen(w, 1))
            klick(z->element, z->punkt, knopf, knopf == Qt::LeftButton ? QStringLiteral("click") : QStringLiteral("right click"));
    }

    // --- Holding a mouse button: drags, held repeat buttons, "Speed" -------------

    struct Gehalten
    {
        QPointer<QWidget> element;
        QPointer<QWindow> fenster;
        QPoint punkt;  // in the window
        Qt::MouseButton knopf;
    };
    std::optional<Gehalten> m_gehalten;

    void druecken(QWidget* element, QPoint punkt, Qt::MouseButton knopf)
    {
        notieren(QStringLiteral("press %1 %2 at %3,%4")
                     .arg(knopf == Qt::LeftButton ? QStringLiteral("left") : QStringLiteral("right"), name(element))
                     .arg(punkt.x())
                     .arg(punkt.y()));
        aktivieren(element);
        Gehalten g{element, fensterVon(element), element->mapTo(element->window(), punkt), knopf};
        m_gehalten = g;
        QTest::mousePress(g.fenster, knopf, Qt::NoModifier, g.punkt);
    }

    void festhalten(const Wurf& w)
    {
        if (const auto z = zielWaehlen(w, 1))
            druecken(z->element, z->punkt, w.prozent(5, 80) ? Qt::LeftButton : Qt::RightButton);
    }

    void waehrendGehalten(const Wurf& w)
    {
        Gehalten& g = *m_gehalten;
        if (!g.fenster || !g.element) {
            // The window went away under the mouse.
            notieren(QStringLiteral("button released, its window gone"));
            QTestPrivate::qtestMouseButtons = Qt::NoButton;
            m_gehalten.reset();
            return;
        }
        const int art = w.bis(0, 100);
        const QSize groesse = g.fenster->geometry().size();
        if (art < 45) {
            // Moves a little, mostly within the control it holds.
            const QPoint p(std::clamp(g.punkt.x() + w.bis(1, 41) - 20, 0, groesse.width() - 1),
                           std::clamp(g.punkt.y() + w.bis(2, 41) - 20, 0, groesse.height() - 1));
            notieren(QStringLiteral("move to %1,%2 in %3").arg(p.x()).arg(p.y()).arg(name(g.element->window())));
            g.punkt = p;
            QTest::mouseMove(g.fenster, p);
        } else if (art < 75) {
            loslassen();
        } else if (art < 82) {
            taste(w);
        }
    }

    void loslassen()
    {
        const Gehalten g = *m_gehalten;
        m_gehalten.reset();
        notieren(QStringLiteral("release at %1,%2").arg(g.punkt.x()).arg(g.punkt.y()));
        if (g.fenster)
            QTest::mouseRelease(g.fenster, g.knopf, Qt::NoModifier, g.punkt);
        else
            QTestPrivate::qtestMouseButtons = Qt::NoButton;
    }

    // --- Keys --------------------------------------------------------------------

    // Keys go to the window that has the keyboard.
    QWindow* tastenfenster()
    {
        QWindow* f = QGuiApplication::focusWindow();
        for (QWidget* w : fenster())
            if (w->isWindow() && w->windowHandle() == f)
                return offen(w) ? f : nullptr;
        // a popup menu or a window outside the set
        return f;
    }

    void tasteSenden(Qt::Key k, Qt::KeyboardModifiers m)
    {
        QWindow* f = tastenfenster();
        if (!f)
            return;
        notieren(QStringLiteral("key %1 to %2 (focus %3)")
                     .arg(QKeySequence(int(m) | int(k)).toString(), f->objectName(), name(QApplication::focusWidget())));
        QTest::keyClick(f, k, m);
    }

    void taste(const Wurf& w)
    {
        tasteSenden(Tasten[w.bis(6, int(std::size(Tasten)))], Qt::NoModifier);
    }

    void kuerzel(const Wurf& w)
    {
        const auto& [k, m] = Tastenkuerzel[w.bis(6, int(std::size(Tastenkuerzel)))];
        tasteSenden(k, m);
    }

    // --- Moving through the course -------------------------------------------------

    void blaettern(const Wurf& w)
    {
        if (offen(FormAnfang) && w.prozent(1, 50)) {
            klickMitte(FormAnfang->SeiteWeiter, QStringLiteral("curl"));
            return;
        }
        if (offen(FormHaupt) && !FormHaupt->verdeckt()) {
            const int wahl = w.bis(2, 15);
            QWidget* ziel = wahl < 13 ? static_cast<QWidget*>(FormHaupt->Zug[std::size_t(wahl)])
                            : wahl == 13 ? static_cast<QWidget*>(FormHaupt->SeiteWeiter)
                                         : static_cast<QWidget*>(FormHaupt->SeiteZurueck);
            QWidget* treffer = ziel->isVisible() ? getroffen(ziel, ziel->rect().center()) : nullptr;
            if (treffer && (treffer == ziel || ziel->isAncestorOf(treffer)))
                klickMitte(ziel, wahl < 13 ? QStringLiteral("strip") : QStringLiteral("curl"));
            return;
        }
        if (offen(Form12))
            tasteSenden(Qt::Key_S, Qt::ControlModifier);
    }

    // --- The simulator's own controls, drawn more often while it is shown ----------

    void simulator(const Wurf& w)
    {
        if (modalesFenster())
            return;
        const int wahl = w.bis(1, 100);
        if (Form12->Zustand.Laeuft()) {
            QToolButton* k = wahl < 25 ? Form12->StopButton : wahl < 45 ? Form12->PauseButton : Form12->SpeedButton;
            if (wahl >= 70)
                klicken(w, Qt::LeftButton);
            else if (!k->isEnabled())
                return;
            else if (k == Form12->SpeedButton)
                druecken(k, k->rect().center(), Qt::LeftButton);
            else
                klickMitte(k, QStringLiteral("click"));
            return;
        }
        if (wahl < 35) {
            // paints a few cells of the pattern
            Bildanzeige* b = Form12->Image2;
            druecken(b, QPoint(w.bis(2, b->width()), w.bis(3, b->height())),
                     w.prozent(4, 85) ? Qt::LeftButton : Qt::RightButton);
            return;
        }
        if (wahl < 60) {
            if (Form12->StartButton->isEnabled())
                klickMitte(Form12->StartButton, QStringLiteral("click"));
            return;
        }
        QWidget* knoepfe[] = {Form12->EinstellungButton,   Form12->BibliothekButton,     Form12->VorlageLoeschenButton,
                              Form12->CTLoeschenButton,    Form12->GraucodezeigenButton, Form12->FilterzeigenButton,
                              Form12->ArchivzeigenButton,  Form12->ArchivbearbeitenButton};
        QWidget* k = knoepfe[w.bis(2, int(std::size(knoepfe)))];
        if (k->isEnabled())
            klickMitte(k, QStringLiteral("click"));
    }

    void minimieren()
    {
        // As chosen from the "File" menu.
        if (offen(Form12) && !modalesFenster()) {
            notieren(QStringLiteral("menu File > Minimize of the simulator"));
            Form12->Minimieren1->trigger();
        } else if (offen(FormHaupt) && !FormHaupt->verdeckt() && !modalesFenster()) {
            notieren(QStringLiteral("menu File > Minimize"));
            FormHaupt->Minimieren->trigger();
        }
    }

    static bool hatSchliessfeld(const QWidget* f)
    {
        if (const auto* r = qobject_cast<const Feldrahmen*>(feldrahmen(f)))
            return !r->schliessfeld().isEmpty();
        return f->isWindow() && (f->windowFlags() & Qt::WindowCloseButtonHint);
    }

    // The close box of a window that has one: clicked in the frame the
    // program draws for a panel, or asked of the desktop for a dialog.
    void schliessfeldDruecken(QWidget* f)
    {
        if (auto* r = qobject_cast<Feldrahmen*>(feldrahmen(f))) {
            klickMitteIn(r, r->schliessfeld(), QStringLiteral("close box of %1").arg(name(f)));
            return;
        }
        notieren(QStringLiteral("close box of %1").arg(name(f)));
        f->windowHandle()->close();
    }

    void klickMitteIn(QWidget* element, QRect teil, const QString& wie)
    {
        klick(element, teil.center(), Qt::LeftButton, wie);
    }

    void schliessfeld(const Wurf& w)
    {
        QList<QWidget*> mitSchliessfeld;
        for (QWidget* f : fenster())
            if (offen(f) && hatSchliessfeld(f))
                mitSchliessfeld << f;
        if (mitSchliessfeld.isEmpty())
            return;
        QWidget* f = mitSchliessfeld[w.bis(3, int(mitSchliessfeld.size()))];
        if (modalesFenster() && f != modalesFenster())
            return;
        // Now and then the panel is dragged by its caption first.
        if (auto* r = qobject_cast<Feldrahmen*>(feldrahmen(f)); r && w.prozent(4, 30)) {
            const QPoint griff(r->titelleiste().left() + 30, r->titelleiste().center().y());
            notieren(QStringLiteral("drag %1 by its caption").arg(name(f)));
            QTest::mousePress(fensterVon(r), Qt::LeftButton, Qt::NoModifier, r->mapTo(r->window(), griff));
            QTest::mouseMove(fensterVon(r), r->mapTo(r->window(), griff + QPoint(w.bis(5, 200) - 100, w.bis(6, 200) - 100)));
            QTest::mouseRelease(fensterVon(r), Qt::LeftButton, Qt::NoModifier,
                                r->mapTo(r->window(), r->titelleiste().topLeft() + QPoint(30, 9)));
            return;
        }
        schliessfeldDruecken(f);
    }

    // --- Popup menus and modal dialogs ---------------------------------------------

    void aufPopup(const Wurf& w, QWidget* popup)
    {
        auto* menue = qobject_cast<QMenu*>(popup);
        QList<QAction*> punkte;
        if (menue)
            for (QAction* a : menue->actions())
                if (!a->isSeparator() && a->isVisible())
                    punkte << a;
        const int art = w.bis(0, 100);
        if (menue && !punkte.isEmpty() && art < 65) {
            QAction* a = punkte[w.bis(1, int(punkte.size()))];
            const QRect r = menue->actionGeometry(a);
            notieren(QStringLiteral("menu item \"%1\" of %2").arg(a->text(), name(menue->parentWidget())));
            QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, Qt::NoModifier, r.center());
        } else if (art < 85) {
            notieren(QStringLiteral("Escape on the popup"));
            QTest::keyClick(popup->windowHandle(), Qt::Key_Escape);
        } else {
            // A click on another window closes the popup.
            for (QWidget* f : fenster())
                if (offen(f)) {
                    notieren(QStringLiteral("click beside the popup, on %1").arg(name(f)));
                    QTest::mouseClick(fensterVon(f), Qt::LeftButton, Qt::NoModifier,
                                      f->mapTo(f->window(), f->rect().center()));
                    return;
                }
            notieren(QStringLiteral("Escape on the popup"));
            QTest::keyClick(popup->windowHandle(), Qt::Key_Escape);
        }
    }

    // The ways out of a modal dialog.
    static QList<QWidget*> auswege(QWidget* m)
    {
        if (m == FormAusstieg)
            return {FormAusstieg->ButtonJa, FormAusstieg->ButtonNein};
        if (m == FormHinweis)
            return {FormHinweis->OKButton, FormHinweis->AbbrechenButton};
        if (m == FormFalsch)
            return {FormFalsch->OKButton};
        if (m == FormKorrektur)
            return {FormKorrektur->OKButton};
        if (m == FormPause)
            return {FormPause};
        return {};
    }

    void antworten(const Wurf& w, QWidget* m, bool ende)
    {
        ++m_zahlen.modaleAntworten;
        if (m == FormAusstieg) {
            // "Yes" now and then: the program ends and starts anew.
            const bool ja = ende ? m_ausstieg : w.prozent(2, 8);
            klickMitte(ja ? FormAusstieg->ButtonJa : FormAusstieg->ButtonNein, QStringLiteral("answer"));
            return;
        }
        if (m == FormPause) {
            klickMitte(FormPause, QStringLiteral("answer"));
            return;
        }
        const QList<QWidget*> wege = auswege(m);
        if (wege.isEmpty() || (hatSchliessfeld(m) && w.prozent(3, 25))) {
            schliessfeldDruecken(m);
            return;
        }
        klickMitte(wege[w.bis(4, int(wege.size()))], QStringLiteral("answer"));
    }

    void aufModal(const Wurf& w, QWidget* m)
    {
        const int art = w.bis(0, 100);
        if (art < 45)
            antworten(w, m, false);
        else if (art < 65) {
            if (const auto z = zielWaehlen(w, 1, m))
                klick(z->element, z->punkt, Qt::LeftButton, QStringLiteral("click"));
        } else if (art < 75) {
            taste(w);
        } else if (art < 85) {
            // A click on a window the dialog blocks, which must not reach it.
            if (const auto z = zielWaehlen(w, 1))
                klick(z->element, z->punkt, Qt::LeftButton, QStringLiteral("blocked click"));
        }
    }

    // --- Winding down ----------------------------------------------------------------

    // The events are used up: close what is open, stop what runs, and when
    // nothing waits any more, end. What keeps running is ended by the exit.
    void ausklingen(const Wurf& w)
    {
        if (QWidget* p = QApplication::activePopupWidget()) {
            notieren(QStringLiteral("Escape on the popup"));
            QTest::keyClick(p->windowHandle(), Qt::Key_Escape);
            return;
        }
        if (m_gehalten) {
            loslassen();
            return;
        }
        if (QWidget* m = modalesFenster()) {
            antworten(w, m, true);
            return;
        }
        if (m_tiefe == 1) {
            pruefen();
            m_fertig = true;
            delete m_anstehend;
            QCoreApplication::exit(0);
            return;
        }
        // Something runs further down: a scan, an animation.
        if (offen(Form12) && Form12->StopButton->isEnabled()) {
            klickMitte(Form12->StopButton, QStringLiteral("click"));
            return;
        }
        if (++m_warten > 2000 / std::max(1, m_takt) && !m_ausstieg) {
            m_ausstieg = true;
            notieren(QStringLiteral("exit to end what still runs"));
            FormHaupt->BeendenClick();
        }
    }

    // --- The invariants ----------------------------------------------------------------

    void pruefen()
    {
        const QString fehler = verletzung();
        if (!fehler.isEmpty())
            scheitern(fehler);
    }

    QString verletzung() const
    {
        if (Programmende())
            return {};
        const bool minimiert = FormHaupt->isMinimized();
        if (minimiert != (FormHaupt->Zustand.minimierung() == 2050))
            return QStringLiteral("main window %1 minimised, but the minimise state is %2")
                .arg(minimiert ? QString() : QStringLiteral("not"))
                .arg(FormHaupt->Zustand.minimierung());
        for (int k = -1; k <= 12; ++k) {
            QWidget* s = k < 0 ? FormAnfang : Fenstersatz::seite(k);
            const bool soll = !minimiert && k == FormHaupt->Zustand.seite();
            if (s->isVisible() != soll)
                return QStringLiteral("page %1 (%2) is %3 while the current page is %4%5")
                    .arg(k)
                    .arg(name(s), s->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"))
                    .arg(FormHaupt->Zustand.seite())
                    .arg(minimiert ? QStringLiteral(", minimised") : QString());
        }
        if (!minimiert && FormHaupt->verdeckt() != (FormHaupt->Zustand.seite() == 12))
            return QStringLiteral("the main window is %1 on page %2")
                .arg(FormHaupt->verdeckt() ? QStringLiteral("covered") : QStringLiteral("uncovered"))
                .arg(FormHaupt->Zustand.seite());
        // One window on the desktop: the main window, and a modal dialog
        // while one is open (popup menus and tooltips aside).
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != FormHaupt && w != QApplication::activeModalWidget()
                && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip)
                return QStringLiteral("%1 is a window of its own on the desktop").arg(name(w));
        // The panels stand above the pages and the simulator, and their
        // caption bar stays within the main window.
        const QObjectList kinder = FormHaupt->children();
        qsizetype seitenplatz = -1;
        for (int k = -1; k <= 12; ++k) {
            QWidget* s = k < 0 ? FormAnfang : Fenstersatz::seite(k);
            if (s->isVisible())
                seitenplatz = kinder.indexOf(s);
        }
        for (QWidget* f : fenster())
            if (QWidget* r = feldrahmen(f); r && f->isVisible()) {
                if (kinder.indexOf(r) < seitenplatz)
                    return QStringLiteral("%1 lies below the page").arg(name(f));
                if (!FormHaupt->rect().intersects(QRect(r->pos(), QSize(r->width(), 23))))
                    return QStringLiteral("the caption of %1 is off the screen").arg(name(f));
            }
        const QColor navy(0, 0, 0x80);
        for (int k = 0; k <= 12; ++k) {
            const Panel* z = FormHaupt->Zug[std::size_t(k)];
            const bool markiert = z->farbe() == navy;
            // The simulator hides the strip and marks no button on it.
            const bool soll = (k <= 11 && FormHaupt->Zustand.seite() == k) || (FormHaupt->Zustand.seite() == -1 && k == 0);
            if (markiert != soll || (z->textfarbe() == QColor(Qt::white)) != soll)
                return QStringLiteral("strip button %1 is %2marked on page %3")
                    .arg(k + 1)
                    .arg(markiert ? QString() : QStringLiteral("not "))
                    .arg(FormHaupt->Zustand.seite());
        }
        if (QWidget* m = modalesFenster()) {
            const QList<QWidget*> wege = auswege(m);
            if (wege.isEmpty())
                return QStringLiteral("unknown modal window %1").arg(name(m));
            const QRect schirm(0, 0, Bildschirm::breite(), Bildschirm::hoehe());
            const QRect rahmen = m->isWindow() ? m->frameGeometry() : aussenrahmen(m);
            if (!m->isVisible() || m->size().isEmpty() || !schirm.intersects(rahmen))
                return QStringLiteral("the modal %1 cannot be seen").arg(name(m));
            for (QWidget* weg : wege)
                if (!weg->isVisible() || !weg->isEnabled())
                    return QStringLiteral("the modal %1 cannot be closed: %2 is not usable").arg(name(m), name(weg));
        }
        const bool laeuft = Form12->Zustand.Laeuft();
        if (laeuft && Form12->StartButton->isEnabled())
            return QStringLiteral("\"Start\" is enabled while a scan runs");
        if (!laeuft)
            for (QToolButton* k : {Form12->StopButton, Form12->PauseButton, Form12->SpeedButton})
                if (k->isEnabled())
                    return QStringLiteral("%1 is enabled while no scan runs").arg(name(k));
        if (!laeuft && QApplication::overrideCursor())
            return QStringLiteral("the hourglass stays while no scan runs");
        return {};
    }

    static constexpr int Schub = 8;
    int m_breite;
    QRandomGenerator m_zufall;
    long m_soll;
    int m_takt;
    int m_tiefe = 0;
    bool m_fertig = false;
    bool m_ausstieg = false;
    bool m_scanlief = false;
    int m_warten = 0;
    qint64 m_endeSeit = -1;
    QPointer<QTimer> m_anstehend;
    Zahlen m_zahlen;
};

QList<quint32> saatenLesen(const QString& text)
{
    QList<quint32> saaten;
    for (const QString& s : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        saaten << s.toUInt();
    return saaten;
}

}  // namespace

// The headless platform's screen takes the layout's size, so that maximised
// windows get it as on a real screen of that size.
void bildschirmEinrichten(int argc, char** argv)
{
    const QByteArray plattform = qgetenv("QT_QPA_PLATFORM");
    if (!plattform.isEmpty() && plattform != "offscreen")
        return;
    int breite = 0;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "800") == 0 || std::strcmp(argv[i], "1024") == 0)
            breite = std::atoi(argv[i]);
    if (breite != 0)
        Testumgebung::offscreenBildschirm(Testumgebung::layoutgroesse(breite));
}

int main(int argc, char** argv)
{
    bildschirmEinrichten(argc, argv);
    QApplication app(argc, argv);
    Testumgebung::anwendungEinrichten();

    const QStringList args = QApplication::arguments();
    int breite = 0;
    QList<quint32> saaten{1};
    long ereignisse = 1000;
    int takt = 4;
    for (int i = 1; i < args.size(); ++i) {
        const QString a = args[i];
        const QString wert = i + 1 < args.size() ? args[i + 1] : QString();
        if (a == QLatin1String("--saat"))
            saaten = saatenLesen(wert), ++i;
        else if (a == QLatin1String("--ereignisse"))
            ereignisse = wert.toLong(), ++i;
        else if (a == QLatin1String("--takt"))
            takt = wert.toInt(), ++i;
        else
            breite = a.toInt();
    }
    // A seed to replay overrides the list.
    if (const QByteArray s = qgetenv("QUORVEL_SAAT"); !s.isEmpty())
        saaten = saatenLesen(QString::fromLatin1(s));
    if ((breite != 800 && breite != 1024) || saaten.isEmpty() || ereignisse <= 0 || takt < 0) {
        std::fprintf(stderr, "usage: dauerlauf <800|1024> [--saat 1,2,3] [--ereignisse N] [--takt ms]\n"
                             "       QUORVEL_SAAT=<seed> replays one seed\n");
        return 2;
    }

    uhr.start();
    std::thread(wachhund).detach();
    for (int s : {SIGSEGV, SIGABRT, SIGFPE, SIGILL, SIGBUS})
        std::signal(s, absturz);
    voriger = qInstallMessageHandler(warnungMerken);

    long alle = 0;
    for (quint32 saat : saaten) {
        kopfzeile = QStringLiteral("seed %1, layout %2").arg(saat).arg(breite).toStdString();
        nachspielen = QStringLiteral("QUORVEL_SAAT=%1 %2 %3 --ereignisse %4 --takt %5")
                          .arg(saat)
                          .arg(args.value(0))
                          .arg(breite)
                          .arg(ereignisse)
                          .arg(takt)
                          .toStdString();
        spur.leeren();
        const qint64 beginn = uhr.elapsed();
        Dauerlauf lauf(breite, saat, ereignisse, takt);
        lauf.laufen();
        const Zahlen& z = lauf.zahlen();
        alle += z.ereignisse;
        QStringList seiten;
        for (int k = -1; k <= 12; ++k)
            if (z.seiten.contains(k))
                seiten << QString::number(k);
        std::printf("seed %u, layout %d: %ld events in %.1f s (%ld steps, nesting up to %d), %d program starts, "
                    "%d scans, %d modal answers, pages %s\n",
                    saat, breite, z.ereignisse, (uhr.elapsed() - beginn) / 1000.0, z.schritte, z.tiefsteSchachtelung,
                    z.programmstarts, z.scans, z.modaleAntworten, qPrintable(seiten.join(QLatin1Char(' '))));
        QStringList arten;
        for (auto it = z.arten.cbegin(); it != z.arten.cend(); ++it)
            arten << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
        std::printf("  %s\n", qPrintable(arten.join(QStringLiteral(", "))));
        for (auto it = z.warnungen.cbegin(); it != z.warnungen.cend(); ++it)
            std::printf("  warning x%d: %s\n", it.value(), qPrintable(it.key()));
        std::fflush(stdout);
    }
    std::printf("soak at layout %d passed: %ld events in %.1f s\n", breite, alle, uhr.elapsed() / 1000.0);
    qInstallMessageHandler(voriger);
    return 0;
}

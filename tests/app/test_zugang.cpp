// The course without a mouse and with a screen reader: every control a
// learner can reach has a name and a role in the edition's language, and a
// walk with keys alone goes from the start window through every page to the
// simulator, paints a pattern, scans it and comes back.
#include "support/Testumgebung.h"

#include "app/BlattAnfang.h"
#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "pages/Blatt0.h"
#include "platform/Bildanzeige.h"
#include "platform/Sprache.h"
#include "platform/Steuerelemente.h"
#include "sim/Blatt12.h"
#include "sim/Statusleiste.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QSet>
#include <QToolButton>

using namespace Testumgebung;
using Sprache::Ausgabe;

Q_DECLARE_METATYPE(Sprache::Ausgabe)

namespace {

// What a learner can focus or press: a control with a focus policy, or a
// painted one that acts as a button.
bool bedienbar(QWidget* w)
{
    // (Qt's own helpers: the menu bar's overflow button, named by Qt)
    if (w->objectName().startsWith(QLatin1String("qt_")) || w->focusProxy())
        return false;
    if (w->focusPolicy() != Qt::NoFocus)
        return true;
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i && i->role() == QAccessible::Button;
}

// Roles that say nothing of what a control is.
bool stumm(QAccessible::Role r)
{
    return r == QAccessible::NoRole || r == QAccessible::Client || r == QAccessible::Pane
        || r == QAccessible::Window;
}

// Counts the mouse events that reach any control.
class Mauszaehler : public QObject
{
public:
    int zahl = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            ++zahl;
            break;
        default:
            break;
        }
        return false;
    }
};

QWidget* fokus()
{
    return QApplication::focusWidget();
}

// Presses Tab until `ziel` has the keyboard (at most `hoechstens` times).
bool tabBis(QWidget* ziel, Qt::KeyboardModifiers tasten = Qt::NoModifier, int hoechstens = 60)
{
    for (int i = 0; i < hoechstens && fokus() != ziel; ++i)
        QTest::keyClick(fokus() ? fokus() : FormHaupt, Qt::Key_Tab, tasten);
    return fokus() == ziel;
}

void taste(int key, Qt::KeyboardModifiers tasten = Qt::NoModifier)
{
    QTest::keyClick(fokus() ? fokus() : FormHaupt, Qt::Key(key), tasten);
}

}  // namespace

class TestZugang : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { Sprache::setzen(Ausgabe::Entwurf); }

    void namenUndRollen_data()
    {
        QTest::addColumn<Ausgabe>("ausgabe");
        QTest::newRow("English") << Ausgabe::Englisch;
        QTest::newRow("German") << Ausgabe::Deutsch;
    }

    void namenUndRollen()
    {
        QFETCH(Ausgabe, ausgabe);
        Sprache::setzen(ausgabe);
        starten();
        QAccessible::setActive(true);
        const std::vector<QWidget*> alle = Fenstersatz::alle();
        const QSet<QWidget*> fenster(alle.begin(), alle.end());
        // Every fault at once, one line each.
        QStringList fehler;
        int geprueft = 0;
        for (QWidget* f : alle) {
            QSet<QString> namen;
            for (QWidget* w : f->findChildren<QWidget*>()) {
                // (a combo box's list is a popup of its own)
                if (fensterVon(w, fenster) != f || w->window() != f->window() || !bedienbar(w))
                    continue;
                QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
                const QString was = f->objectName() + QLatin1Char('.') + w->objectName() + QLatin1Char(' ')
                                  + QString::fromLatin1(w->metaObject()->className()) + QStringLiteral(": ");
                const QString name = i ? i->text(QAccessible::Name) : QString();
                const QAccessible::Role rolle = i ? i->role() : QAccessible::NoRole;
                if (name.trimmed().isEmpty())
                    fehler << was + QStringLiteral("no name");
                else if (namen.contains(name))
                    fehler << was + QStringLiteral("name twice: ") + name;
                namen.insert(name);
                if (stumm(rolle))
                    fehler << was + QStringLiteral("no role");
                if ((qobject_cast<QAbstractButton*>(w) || w->inherits("Panel"))
                    && rolle != QAccessible::Button && rolle != QAccessible::RadioButton
                    && rolle != QAccessible::CheckBox)
                    fehler << was + QStringLiteral("not a button");
                if (qobject_cast<QLineEdit*>(w) && rolle != QAccessible::EditableText)
                    fehler << was + QStringLiteral("not an entry field");
                ++geprueft;
            }
        }
        for (const QString& z : fehler)
            qWarning("%s", qPrintable(z));
        QVERIFY2(fehler.isEmpty(), qPrintable(QString::number(fehler.size()) + QStringLiteral(" faults")));
        QVERIFY(geprueft > 50);
        // The names are the edition's.
        const bool deutsch = ausgabe == Ausgabe::Deutsch;
        QCOMPARE(FormHaupt->Zug[4]->accessibleName(), deutsch ? QStringLiteral("Seite 5 von 13")
                                                               : QStringLiteral("Page 5 of 13"));
        QCOMPARE(FormHaupt->SeiteWeiter->accessibleName(), deutsch ? QStringLiteral("Nächste Seite")
                                                                    : QStringLiteral("Next page"));
        QCOMPARE(Form12->Image3->accessibleName(), deutsch ? QStringLiteral("CT-Bild") : QStringLiteral("CT picture"));
        QAccessible::setActive(false);
    }

    void mitDerTastatur()
    {
        starten();
        Mauszaehler maus;
        qApp->installEventFilter(&maus);
        FormHaupt->activateWindow();
        FormAnfang->Namensfeld->setFocus();

        // Start window: the name, and Enter starts the course as the curl does.
        QTest::keyClicks(FormAnfang->Namensfeld, QStringLiteral("Ada"));
        taste(Qt::Key_Return);
        QCOMPARE(FormHaupt->Zustand.seite(), 0);
        QCOMPARE(Form0->Namensfeld->text(), QStringLiteral("Ada !"));

        // Page Up where there is no curl back changes nothing.
        taste(Qt::Key_PageUp);
        QCOMPARE(FormHaupt->Zustand.seite(), 0);
        // From the page, Shift+Tab goes into the strip from its end: the
        // forward curl, which Enter turns.
        QVERIFY(tabBis(FormHaupt->SeiteWeiter, Qt::ShiftModifier));
        taste(Qt::Key_Return);
        QCOMPARE(FormHaupt->Zustand.seite(), 1);
        // The strip's field of page 5, by Tab from the curl back, and Space.
        QVERIFY(tabBis(FormHaupt->SeiteZurueck));
        QVERIFY(tabBis(FormHaupt->Zug[4]));
        taste(Qt::Key_Space);
        QCOMPARE(FormHaupt->Zustand.seite(), 4);
        taste(Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(FormHaupt->Zustand.seite(), 3);

        // Page Down (and Ctrl+Right) through every page to the simulator.
        for (int k = 4; k <= Seiten::Simulator; ++k) {
            taste(k % 2 ? Qt::Key_PageDown : Qt::Key_Right, k % 2 ? Qt::NoModifier : Qt::ControlModifier);
            QCOMPARE(FormHaupt->Zustand.seite(), k);
        }
        QVERIFY(Form12->isVisible());
        QVERIFY(FormHaupt->verdeckt());
        // Page Down on the simulator goes nowhere.
        taste(Qt::Key_PageDown);
        QCOMPARE(FormHaupt->Zustand.seite(), int(Seiten::Simulator));

        // A pattern with the cell cursor: three cells drawn, one taken back.
        QVERIFY(tabBis(Form12->Image2));
        for (int key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space,
                        Qt::Key_Down, Qt::Key_Space, Qt::Key_Left, Qt::Key_Space, Qt::Key_Backspace})
            taste(key);
        const int c = Form12->Modell.Kaestchengroesse;
        const QRgb weiss = qRgb(255, 255, 255);
        const auto zelle = [c](int spalte, int zeile) {
            return pixel(Form12->Image2, (spalte - 1) * c + c / 2, (zeile - 1) * c + c / 2);
        };
        QVERIFY(zelle(3, 2) != weiss);
        QVERIFY(zelle(4, 2) != weiss);
        QVERIFY(zelle(4, 3) != weiss);
        QCOMPARE(zelle(3, 3), weiss);
        QCOMPARE(zelle(1, 1), weiss);
        QCOMPARE(Form12->Image2->accessibleDescription(),
                 QStringLiteral("Pattern grid, 38 by 38 cells, 3 cells drawn"));

        // The scan, started from its button by Tab and Space, runs to the end.
        QVERIFY(tabBis(Form12->StartButton));
        taste(Qt::Key_Space);
        QTRY_VERIFY(Form12->Zustand.Laufzustand() == Simulatorzustand::Lauf::Bild);
        QAccessibleInterface* leiste = QAccessible::queryAccessibleInterface(Form12->StatusBar1);
        QCOMPARE(leiste->role(), QAccessible::StatusBar);
        QCOMPARE(leiste->text(QAccessible::Value), QStringLiteral("Scan finished"));
        // While a picture is shown the grid takes no keys, as it takes no clicks.
        QVERIFY(tabBis(Form12->Image2));
        taste(Qt::Key_Space);
        QCOMPARE(zelle(3, 3), weiss);

        // Page Up is the simulator's "Page back", then page by page to page 1.
        taste(Qt::Key_PageUp);
        QCOMPARE(FormHaupt->Zustand.seite(), int(Seiten::LetzteKursseite));
        QVERIFY(!Form12->isVisible());
        for (int k = Seiten::LetzteKursseite - 1; k >= 0; --k) {
            taste(k % 2 ? Qt::Key_PageUp : Qt::Key_Left, k % 2 ? Qt::NoModifier : Qt::ControlModifier);
            QCOMPARE(FormHaupt->Zustand.seite(), k);
        }
        QVERIFY(!FormHaupt->SeiteZurueck->isVisible());
        qApp->removeEventFilter(&maus);
        QCOMPARE(maus.zahl, 0);
    }
};

QUORVEL_GUI_TEST_MAIN(TestZugang)
#include "test_zugang.moc"

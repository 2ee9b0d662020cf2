// The exercise pages by keyboard alone: the Tab order of their fields, a walk
// through pages 8, 9, 10 and 12 with keys only (no mouse event), and where
// the focus stands after a mode switch, a restart and a correction.
#include "support/Testumgebung.h"

#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "course/Blatt11.h"
#include "course/Blatt6.h"
#include "course/Blatt7.h"
#include "course/Blatt8.h"
#include "course/Blatt9.h"
#include "course/Falsch.h"
#include "course/Korrektur.h"
#include "pages/Blatt0.h"
#include "platform/Bildanzeige.h"

#include "platform/Sprache.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace Testumgebung;

Q_DECLARE_METATYPE(Sprache::Ausgabe)

namespace {

// The focused control; right after a modal dialog the headless platform may
// not have given the main window back its activation, which a desktop does.
QWidget* fokus()
{
    return QApplication::focusWidget() ? QApplication::focusWidget() : FormHaupt->focusWidget();
}

QString fokusname()
{
    return fokus() ? fokus()->objectName() : QStringLiteral("-");
}

void taste(Qt::Key k)
{
    QVERIFY(fokus());
    QTest::keyClick(fokus(), k);
}

// Types one value into each field the focus passes, moving on with Return.
void eintippen(const QStringList& werte)
{
    for (const QString& w : werte) {
        QVERIFY(fokus());
        QTest::keyClicks(fokus(), w);
        taste(Qt::Key_Return);
    }
}

// Closes the verdict and correction dialogs with Return on their focused
// button and notes what they said.
class Tastenantworter : public QObject
{
public:
    Tastenantworter()
    {
        m_uhr.setInterval(5);
        connect(&m_uhr, &QTimer::timeout, this, [this] {
            for (QWidget* d : {static_cast<QWidget*>(FormFalsch), static_cast<QWidget*>(FormKorrektur)})
                if (d && d->isVisible() && d->focusWidget()) {
                    texte << d->accessibleDescription();
                    QTest::keyClick(d->focusWidget(), Qt::Key_Return);
                }
        });
        m_uhr.start();
    }
    QStringList texte;

private:
    QTimer m_uhr;
};

// The values of a 4 x 4 (or 3 x 3) grid row by row from the right share of
// row r, column j.
QStringList zeilenweise(int seite, int (*soll)(int r, int j))
{
    QStringList l;
    for (int r = 1; r <= seite; ++r)
        for (int j = 1; j <= seite; ++j)
            l << QString::number(soll(r, j));
    return l;
}

QStringList namen(const QString& muster, int von, int bis)
{
    QStringList l;
    for (int n = von; n <= bis; ++n)
        l << muster.arg(n);
    return l;
}

void seiteAufrufen(int k, bool lernen)
{
    starten(1024);
    FormHaupt->ZugNeu(7);
    FormHaupt->ZugNeu(k);
    (lernen ? FormHaupt->Lernprogramm1 : FormHaupt->Demonstration1)->trigger();
}

// The course pages and the windows they open, as Fenstersatz names them.
const QSet<QString> Kursfenster = {
    QStringLiteral("Form0"),  QStringLiteral("Form1"),  QStringLiteral("Form2"),  QStringLiteral("Form3"),
    QStringLiteral("Form4"),  QStringLiteral("Form5"),  QStringLiteral("Form6"),  QStringLiteral("Form7"),
    QStringLiteral("Form8"),  QStringLiteral("Form9"),  QStringLiteral("Form10"), QStringLiteral("Form11"),
    QStringLiteral("FormFalsch"), QStringLiteral("FormKorrektur"), QStringLiteral("FormHilfe"),
    QStringLiteral("FormInfo"), QStringLiteral("FormDanksagung"), QStringLiteral("FormQuellen"),
    QStringLiteral("FormLexikonRoentgenstrahlung"), QStringLiteral("FormLexikonComputertomograph"),
    QStringLiteral("FormLexikonFilter"), QStringLiteral("FormBilderGehirn"),
    QStringLiteral("FormBilderLunge"),
};

// What a learner can focus or press, or a picture a screen reader shows.
bool zuBenennen(QWidget* w)
{
    if (w->objectName().startsWith(QLatin1String("qt_")) || w->focusProxy() || w->isHidden())
        return false;
    if (w->focusPolicy() != Qt::NoFocus || w->inherits("Bildanzeige"))
        return true;
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i && i->role() == QAccessible::Button;
}

}  // namespace

class TestTastatur : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { Sprache::setzen(Sprache::Ausgabe::Entwurf); }

    // Every control of the course pages and their windows that a learner can
    // focus or press, and every picture, has a name in the edition's
    // language; no two of one window share it.
    void zugangsnamen_data()
    {
        QTest::addColumn<Sprache::Ausgabe>("ausgabe");
        QTest::newRow("English") << Sprache::Ausgabe::Englisch;
        QTest::newRow("German") << Sprache::Ausgabe::Deutsch;
    }
    void zugangsnamen()
    {
        QFETCH(Sprache::Ausgabe, ausgabe);
        Sprache::setzen(ausgabe);
        starten(1024);
        QAccessible::setActive(true);
        const std::vector<QWidget*> alle = Fenstersatz::alle();
        const QSet<QWidget*> fenster(alle.begin(), alle.end());
        QStringList fehler;
        int geprueft = 0;
        for (QWidget* f : alle) {
            if (!Kursfenster.contains(f->objectName()))
                continue;
            QSet<QString> namen;
            for (QWidget* w : f->findChildren<QWidget*>()) {
                if (fensterVon(w, fenster) != f || !zuBenennen(w))
                    continue;
                QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
                const QString was = f->objectName() + QLatin1Char('.') + w->objectName() + QStringLiteral(": ");
                const QString name = i ? i->text(QAccessible::Name).trimmed() : QString();
                if (name.isEmpty())
                    fehler << was + QStringLiteral("no name");
                else if (namen.contains(name))
                    fehler << was + QStringLiteral("name twice: ") + name;
                namen.insert(name);
                ++geprueft;
            }
        }
        for (const QString& z : fehler)
            qWarning("%s", qPrintable(z));
        QVERIFY2(fehler.isEmpty(), qPrintable(QString::number(fehler.size()) + QStringLiteral(" faults")));
        QVERIFY(geprueft > 100);
        QCOMPARE(Form0->Bild1->accessibleName(),
                 ausgabe == Sprache::Ausgabe::Deutsch
                     ? QStringLiteral("Wilhelm Conrad Röntgen (1845–1923), der 1895 die Röntgenstrahlung entdeckte")
                     : QStringLiteral("Wilhelm Conrad Röntgen (1845 - 1923), who discovered X-rays in 1895"));
    }

    // From the control that has the focus once the page is set up with keys,
    // Tab visits the fields in reading order, row by row.
    void tabfolge_data()
    {
        QTest::addColumn<int>("zug");
        QTest::addColumn<bool>("lernen");
        QTest::addColumn<QList<Qt::Key>>("vorher");
        QTest::addColumn<QStringList>("folge");
        using L = QList<Qt::Key>;
        QTest::newRow("page 7, the lamps") << 6 << true << L{}
                                           << QStringList{QStringLiteral("Lampe11"), QStringLiteral("Lampe21"),
                                                          QStringLiteral("Lampe12"), QStringLiteral("Lampe22")};
        QTest::newRow("page 9, horizontal shares")
            << 8 << true << L{Qt::Key_Space} << namen(QStringLiteral("Hor%1"), 1, 16) + QStringList{"HorizontalButton"};
        QTest::newRow("page 10, D1 shares")
            << 9 << true << L{Qt::Key_Space} << namen(QStringLiteral("D1_%1"), 1, 16) + QStringList{"D1Button"};
        QTest::newRow("page 12, factors of the horizontal pass")
            << 11 << true << L{Qt::Key_Space} << QStringList{"Int1", "Int2", "Int3", "HorizontalButton"};
    }
    void tabfolge()
    {
        QFETCH(int, zug);
        QFETCH(bool, lernen);
        QFETCH(QList<Qt::Key>, vorher);
        QFETCH(QStringList, folge);
        seiteAufrufen(zug, lernen);
        for (Qt::Key k : vorher)
            taste(k);
        QStringList besucht{fokusname()};
        while (besucht.size() < folge.size()) {
            taste(Qt::Key_Tab);
            besucht << fokusname();
        }
        QCOMPARE(besucht, folge);
    }

    // The lamps of page 7 by Space: on, then off again.
    void lampen()
    {
        seiteAufrufen(6, true);
        taste(Qt::Key_Tab);
        QCOMPARE(fokus(), Form6->Lampe21);
        taste(Qt::Key_Space);
        QCOMPARE(Form6->Lampe2Zustand, TForm6::Lampe21An);
        QCOMPARE(Form6->Lampe21->accessibleDescription(), QStringLiteral("On"));
        taste(Qt::Key_Space);
        QCOMPARE(Form6->Lampe2Zustand, TForm6::Lampen2Aus);
    }

    // Pages 8, 9 (instruction), 10 (instruction) and 12 done with keys
    // alone, the shares typed row by row.
    void uebungen()
    {
        Tastenantworter antworter;
        seiteAufrufen(7, true);
        for (int schritt = 0; schritt < 6; ++schritt)
            taste(Qt::Key_Space);
        QCOMPARE(Form7->Schritt, 7);
        QCOMPARE(Form7->Summe[6]->text(), QStringLiteral("2"));

        FormHaupt->ZugNeu(8);
        FormHaupt->Lernprogramm1->trigger();
        taste(Qt::Key_Space);
        eintippen(zeilenweise(4, [](int r, int) { return r == 2 || r == 3 ? 1 : 0; }));
        QCOMPARE(fokus(), Form8->HorizontalButton);
        taste(Qt::Key_Return);
        QCOMPARE(fokus(), Form8->Start2Button);
        taste(Qt::Key_Space);
        QCOMPARE(fokus(), Form8->Ver[1]);
        eintippen(zeilenweise(4, [](int, int j) { return j == 2 || j == 3 ? 1 : 0; }));
        taste(Qt::Key_Return);
        QCOMPARE(Form8->Phase, 4);
        taste(Qt::Key_Space);
        taste(Qt::Key_Space);
        QCOMPARE(Form8->Summe[6]->text(), QStringLiteral("2"));

        FormHaupt->ZugNeu(9);
        FormHaupt->Lernprogramm1->trigger();
        taste(Qt::Key_Space);
        eintippen(zeilenweise(4, [](int r, int j) { return r == j ? 2 : 0; }));
        taste(Qt::Key_Return);
        QCOMPARE(fokus(), Form9->Start2Button);
        taste(Qt::Key_Space);
        eintippen(zeilenweise(4, [](int r, int j) { return r + j == 4 || r + j == 6 ? 1 : 0; }));
        taste(Qt::Key_Return);
        QCOMPARE(Form9->Phase, 4);
        for (int schritt = 0; schritt < 4; ++schritt)
            taste(Qt::Key_Space);
        QCOMPARE(Form9->Summe[6]->text(), QStringLiteral("5"));
        // The fields that now hold sums say so, and shares again after "&New".
        QCOMPARE(Form9->D1[7]->accessibleName(), QStringLiteral("Row 2, column 3, sum of the shares of D1 and D2"));
        QCOMPARE(Form9->D2[7]->accessibleName(),
                 QStringLiteral("Row 2, column 3, sum of the horizontal and vertical shares"));
        FormHaupt->Neu->trigger();
        QCOMPARE(Form9->D1[7]->accessibleName(), QStringLiteral("Row 2, column 3, share of beam D1"));
        QCOMPARE(Form9->D2[7]->accessibleName(), QStringLiteral("Row 2, column 3, share of beam D2"));

        FormHaupt->ZugNeu(11);
        taste(Qt::Key_Space);
        eintippen({"2", "0", "0"});
        taste(Qt::Key_Space);
        eintippen({"2", "2", "2", "0", "0", "0", "0", "0", "0"});
        taste(Qt::Key_Space);
        eintippen({"2", "0", "0"});
        taste(Qt::Key_Space);
        eintippen({"2", "0", "0", "2", "0", "0", "2", "0", "0"});
        QCOMPARE(fokus(), Form11->SummenButton);
        taste(Qt::Key_Space);
        QCOMPARE(fokus(), Form11->FertigButton);
        QCOMPARE(Form11->Summe[1]->text(), QStringLiteral("4"));
        QCOMPARE(Form11->Summe[5]->text(), QStringLiteral("0"));
        QCOMPARE(antworter.texte,
                 QStringList({"Very good! Correct!", "Very good! Correct!", "Very good! Correct!",
                              "Very good! Correct!"}));
    }

    // Where the focus stands after a mode switch, "&New" and a correction,
    // and that Return then presses that button.
    void fokusDanach_data()
    {
        QTest::addColumn<int>("zug");
        QTest::addColumn<QString>("aktion");
        QTest::addColumn<QString>("fokus");
        QTest::addColumn<QString>("nachReturn");
        QTest::newRow("page 9, to demonstration with open shares")
            << 8 << "Demonstration" << "HorizontalButton" << "Start2Button";
        QTest::newRow("page 10, to demonstration with open shares")
            << 9 << "Demonstration" << "D1Button" << "Start2Button";
        QTest::newRow("page 9, restart") << 8 << "Neu" << "Start1Button" << "Hor1";
        QTest::newRow("page 10, wrong shares") << 9 << "Korrektur" << "D1_1" << "D1_2";
        QTest::newRow("page 12, restart") << 11 << "Neu" << "StartHoriButton" << "Int1";
    }
    void fokusDanach()
    {
        QFETCH(int, zug);
        QFETCH(QString, aktion);
        QFETCH(QString, fokus);
        QFETCH(QString, nachReturn);
        Tastenantworter antworter;
        seiteAufrufen(zug, true);
        taste(Qt::Key_Space);
        if (aktion == QLatin1String("Demonstration"))
            FormHaupt->Demonstration1->trigger();
        else if (aktion == QLatin1String("Neu"))
            FormHaupt->Neu->trigger();
        else {
            // One field left empty: "Not yet right", the focus back on the first field.
            while (qobject_cast<QLineEdit*>(::fokus()))
                taste(Qt::Key_Tab);
            taste(Qt::Key_Return);
            QCOMPARE(antworter.texte, QStringList{"That's not right."});
        }
        QCOMPARE(fokusname(), fokus);
        taste(Qt::Key_Return);
        QCOMPARE(fokusname(), nachReturn);
    }
};

QUORVEL_GUI_TEST_MAIN(TestTastatur)
#include "test_tastatur.moc"

// One window on the desktop: the course, the simulator and every tool lie in
// the main window; only modal dialogs are windows of their own. Each window
// is opened through its own control, as the learner opens it, and must then
// be the one in front, with the keyboard, and never buried by a click
// elsewhere.
#include "support/Testumgebung.h"
#include "sim/Simhilfe.h"

#include "app/Ausstieg.h"
#include "app/BlattAnfang.h"
#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "course/Falsch.h"
#include "course/Korrektur.h"
#include "pages/Blatt0.h"
#include "pages/Blatt10.h"
#include "pages/Blatt3.h"
#include "pages/Blatt5.h"
#include "pages/Hilfe.h"
#include "platform/Fensterart.h"
#include "sim/Blatt12.h"
#include "sim/Einstellungen.h"
#include "sim/Hinweis.h"
#include "sim/Pause.h"
#include "sim/Simulatorzustand.h"
#include "tools/BlattFilter.h"
#include "tools/Eingabe.h"
#include "tools/Graucode.h"

#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <functional>

using namespace Testumgebung;
using namespace Simhilfe;

Q_DECLARE_METATYPE(std::function<void()>)

namespace {

// The windows the desktop is shown: visible top-level widgets other than
// popup menus and tooltips.
QStringList desktopfenster()
{
    QStringList namen;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip)
            namen << w->objectName();
    namen.sort();
    return namen;
}

// The window seen at a point of the main window (what a click there hits).
bool vornBei(QWidget* fenster, QPoint imHauptfenster)
{
    QWidget* w = FormHaupt->childAt(imHauptfenster);
    return w && (w == fenster || fenster->isAncestorOf(w));
}

// A window is in front where it stands: at the middle of its caption bar
// (panels) or of its client area, nothing lies over it.
bool vorn(QWidget* fenster)
{
    const QRect r = aussenrahmen(fenster);
    if (QWidget* rahmen = feldrahmen(fenster))
        return vornBei(rahmen, QPoint(r.center().x(), r.top() + 12)) && vornBei(fenster, fenster->mapTo(FormHaupt, fenster->rect().center()));
    return vornBei(fenster, fenster->mapTo(FormHaupt, fenster->rect().center()));
}

bool hatTastatur(const QWidget* fenster)
{
    const QWidget* f = QApplication::focusWidget();
    return f && (f == fenster || fenster->isAncestorOf(f));
}

// A click through the window system, at a point of a control, as the mouse gives it.
void mausklick(QWidget* element, QPoint punkt)
{
    QTest::mouseClick(element->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      element->mapTo(element->window(), punkt));
    QCoreApplication::processEvents();
}

// Runs `aktion` on the modal window as soon as one is up (polled, so that it
// also finds a dialog that comes after other waiting events).
void beimModal(std::function<void(QWidget*)> aktion)
{
    auto* t = new QTimer(FormHaupt);
    QObject::connect(t, &QTimer::timeout, t, [t, aktion] {
        if (QWidget* m = modalesFenster()) {
            t->deleteLater();
            t->stop();
            aktion(m);
        }
    });
    t->start(10);
}

void simulatorMitBild()
{
    FormHaupt->ZugNeu(12);
    TFormEinstellungen* e = FormEinstellungen;
    einstellen({e->Rastergroesse4, e->Winkel90, e->Endergebnis});
    malen({{2, 2}, {3, 3}});
    Form12->StartButton->click();
}

}  // namespace

class TestEinfenster : public QObject
{
    Q_OBJECT

private slots:
    void startfensterVorn_data()
    {
        QTest::addColumn<int>("breite");
        QTest::newRow("800") << 800;
        QTest::newRow("1024") << 1024;
    }
    void startfensterVorn()
    {
        QFETCH(int, breite);
        starten(breite);
        QCOMPARE(desktopfenster(), QStringList{QStringLiteral("FormHaupt")});
        QVERIFY(FormHaupt->isFullScreen());
        QVERIFY(!FormAnfang->isWindow());
        // The start window covers the main window's curl and strip, and its
        // own curl takes the click.
        QVERIFY(vorn(FormAnfang));
        QVERIFY(vornBei(FormAnfang->SeiteWeiter, FormAnfang->SeiteWeiter->mapTo(FormHaupt, QPoint(60, 40))));
        QVERIFY(!vornBei(FormHaupt->Untergrund, FormHaupt->Untergrund->mapTo(FormHaupt, QPoint(10, 10))));
        QVERIFY(hatTastatur(FormAnfang->Namensfeld));
        mausklick(FormAnfang->SeiteWeiter, QPoint(60, 40));
        QCOMPARE(FormHaupt->Zustand.seite(), 0);
        QVERIFY(vorn(Form0));
        QVERIFY(hatTastatur(Form0));
    }

    // Every page, the simulator and every tool and reference window, opened
    // through its control: it lies in the main window, in front, with the
    // keyboard, and the desktop sees the main window alone.
    void jedesFensterImHauptfenster_data()
    {
        QTest::addColumn<std::function<void()>>("oeffnen");
        QTest::addColumn<QString>("fenster");
        const auto seite = [](int k) { return [k] { Testumgebung::klicken(FormHaupt->Zug[std::size_t(k)]); }; };
        for (int k = 0; k <= 12; ++k)
            QTest::addRow("page %d", k + 1) << std::function<void()>(seite(k))
                                            << (k == 12 ? QStringLiteral("Form12") : QStringLiteral("Form%1").arg(k));
        const auto menue = [](QAction* TFormHaupt::*punkt) {
            return [punkt] {
                FormHaupt->ZugNeu(3);
                (FormHaupt->*punkt)->trigger();
            };
        };
        QTest::newRow("X-rays") << std::function<void()>(menue(&TFormHaupt::Roentgenstrahlung))
                                << "FormLexikonRoentgenstrahlung";
        QTest::newRow("real CT") << std::function<void()>(menue(&TFormHaupt::LexikonComputertomograph))
                                 << "FormLexikonComputertomograph";
        QTest::newRow("filters") << std::function<void()>(menue(&TFormHaupt::LexikonFilter)) << "FormLexikonFilter";
        QTest::newRow("help") << std::function<void()>(menue(&TFormHaupt::Hilfe)) << "FormHilfe";
        QTest::newRow("acknowledgements") << std::function<void()>(menue(&TFormHaupt::Danksagung1))
                                          << "FormDanksagung";
        QTest::newRow("sources") << std::function<void()>(menue(&TFormHaupt::Quellen)) << "FormQuellen";
        QTest::newRow("info") << std::function<void()>(menue(&TFormHaupt::Info)) << "FormInfo";
        QTest::newRow("heads") << std::function<void()>([] {
            FormHaupt->ZugNeu(5);
            Form5->BilderButton->click();
        }) << "FormBilderGehirn";
        QTest::newRow("lungs") << std::function<void()>([] {
            FormHaupt->ZugNeu(10);
            Form10->BilderButton->click();
        }) << "FormBilderLunge";
        using Schritt = std::function<void()>;
        QTest::newRow("settings") << Schritt([] {
            FormHaupt->ZugNeu(12);
            Form12->EinstellungButton->click();
        }) << "FormEinstellungen";
        QTest::newRow("library") << Schritt([] {
            FormHaupt->ZugNeu(12);
            Form12->BibliothekButton->click();
        }) << "FormBilder38";
        QTest::newRow("gray scale") << Schritt([] {
            simulatorMitBild();
            Form12->GraucodezeigenButton->click();
        }) << "FormGraucode";
        QTest::newRow("filter") << Schritt([] {
            simulatorMitBild();
            Form12->FilterzeigenButton->click();
        }) << "FormFilter";
        QTest::newRow("kernel input") << Schritt([] {
            simulatorMitBild();
            Form12->FilterzeigenButton->click();
            FormFilter->Eigenkreation->click();
        }) << "FormEingabe";
        QTest::newRow("archive") << Schritt([] {
            simulatorMitBild();
            Form12->ArchivzeigenButton->click();
        }) << "FormArchiv";
        QTest::newRow("archive editing") << Schritt([] {
            simulatorMitBild();
            Form12->ArchivbearbeitenButton->click();
        }) << "FormArchivbearbeiten";
        QTest::newRow("sinogram") << Schritt([] {
            simulatorMitBild();
            Form12->Sinogrammzeigen->trigger();
        }) << "FormSinogramm";
        QTest::newRow("simulator's help") << Schritt([] {
            FormHaupt->ZugNeu(12);
            Form12->Hilfe->trigger();
        }) << "FormHilfe";
    }
    void jedesFensterImHauptfenster()
    {
        QFETCH(std::function<void()>, oeffnen);
        QFETCH(QString, fenster);
        starten(1024);
        Testumgebung::klicken(FormAnfang->SeiteWeiter);
        oeffnen();
        QCoreApplication::processEvents();
        QWidget* w = FormHaupt->findChild<QWidget*>(fenster);
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QVERIFY(!w->isWindow());
        QVERIFY(vorn(w));
        QVERIFY(hatTastatur(w));
        QCOMPARE(desktopfenster(), QStringList{QStringLiteral("FormHaupt")});
    }

    // The desktop's close of the one window (its close button, Alt+F4) asks
    // first, on a page as in the simulator: "No" keeps everything.
    void schliessenFragtErst_data()
    {
        QTest::addColumn<int>("seite");
        QTest::newRow("page 8") << 7;
        QTest::newRow("simulator") << 12;
    }
    void schliessenFragtErst()
    {
        QFETCH(int, seite);
        starten(800);
        FormHaupt->ZugNeu(seite);
        QString gefragt;
        beimModal([&](QWidget* d) {
            gefragt = d->objectName();
            FormAusstieg->ButtonNein->click();
        });
        FormHaupt->windowHandle()->close();
        QTRY_COMPARE(gefragt, QStringLiteral("FormAusstieg"));
        QVERIFY(FormHaupt->isVisible());
        QVERIFY(Fenstersatz::seite(seite)->isVisible());
        QVERIFY(!Programmende());
        beimModal([](QWidget*) { FormAusstieg->ButtonJa->click(); });
        FormHaupt->windowHandle()->close();
        QTRY_VERIFY(Programmende());
        QVERIFY(!FormHaupt->isVisible());
    }

    // The modal dialogs are windows of their own, over the main window as
    // their parent, and never above other programs.
    void dialogeUeberDemHauptfenster_data()
    {
        QTest::addColumn<std::function<void()>>("zeigen");
        QTest::addColumn<QString>("dialog");
        using Schritt = std::function<void()>;
        QTest::newRow("exit") << Schritt([] { FormHaupt->Beenden->trigger(); }) << "FormAusstieg";
        QTest::newRow("exit from the simulator") << Schritt([] {
            FormHaupt->ZugNeu(12);
            Form12->Beenden->trigger();
        }) << "FormAusstieg";
        QTest::newRow("wrong answer") << Schritt([] { FormFalsch->Urteil(FormFalsch->Falsch1); }) << "FormFalsch";
        QTest::newRow("correction") << Schritt([] { FormKorrektur->Meldung(QStringLiteral("a"), {}, {}); })
                                    << "FormKorrektur";
        QTest::newRow("settings changed") << Schritt([] {
            simulatorMitBild();
            Form12->EinstellungButton->click();
            FormEinstellungen->Winkel2->click();
            FormEinstellungen->OKButton->click();
        }) << "FormHinweis";
    }
    void dialogeUeberDemHauptfenster()
    {
        QFETCH(std::function<void()>, zeigen);
        QFETCH(QString, dialog);
        starten(800);
        Testumgebung::klicken(FormAnfang->SeiteWeiter);
        // What the desktop sees while the dialog is up, taken before it is
        // answered (a failed check must not leave it open).
        QPointer<QWidget> d;
        QStringList sicht;
        beimModal([&](QWidget* m) {
            d = m;
            sicht = desktopfenster();
            m->close();
        });
        zeigen();
        QVERIFY(d);
        QCOMPARE(d->objectName(), dialog);
        QVERIFY(d->isWindow());
        QCOMPARE(d->windowType(), Qt::Dialog);
        QCOMPARE(d->parentWidget(), static_cast<QWidget*>(FormHaupt));
        QVERIFY(!(d->windowFlags() & Qt::WindowStaysOnTopHint));
        QStringList erwartet{dialog, QStringLiteral("FormHaupt")};
        erwartet.sort();
        QCOMPARE(sicht, erwartet);
        QCOMPARE(desktopfenster(), QStringList{QStringLiteral("FormHaupt")});
    }

    // The pause window is a panel over its button; while it is up nothing
    // else takes the mouse or the menu's keys, and a click on it goes on.
    void pauseSperrtDenRest()
    {
        starten(800);
        FormHaupt->ZugNeu(12);
        TFormEinstellungen* e = FormEinstellungen;
        einstellen({e->Rastergroesse20, e->Winkel2, e->Alles});
        malen({{5, 5}, {6, 6}});
        bool gesehen = false;
        QTimer::singleShot(30, FormPause, [&] {
            Form12->PauseButton->click();
        });
        QTimer::singleShot(120, FormPause, [&] {
            gesehen = modalesFenster() == FormPause;
            if (!gesehen)
                return;
            QVERIFY(!FormPause->isWindow());
            QVERIFY(vorn(FormPause));
            QVERIFY(hatTastatur(FormPause));
            QCOMPARE(desktopfenster(), QStringList{QStringLiteral("FormHaupt")});
            mausklick(Form12->StopButton, Form12->StopButton->rect().center());
            // The exit's key must not reach the menu (should it, the dialog
            // is answered "No" so that the test goes on).
            bool ausstieg = false;
            QTimer::singleShot(0, FormAusstieg, [&] {
                ausstieg = FormAusstieg->isVisible();
                if (ausstieg)
                    FormAusstieg->ButtonNein->click();
            });
            QTest::keyClick(FormHaupt->windowHandle(), Qt::Key_B, Qt::ControlModifier);
            QCoreApplication::processEvents();
            const bool gestoppt = Form12->Zustand.StopVerlangt();
            mausklick(FormPause, FormPause->rect().center());
            QVERIFY(!ausstieg);
            QVERIFY(!gestoppt);
        });
        Form12->StartButton->click();
        QVERIFY(gesehen);
        QVERIFY(!FormPause->isVisible());
        QCOMPARE(Form12->Zustand.Laufzustand(), Simulatorzustand::Lauf::Bild);
    }

    // A click elsewhere never buries a panel: the panels stay above the pages
    // and the simulator, and a tool's button brings its open window to the
    // front with the keyboard; a page's strip button shows it again.
    void nichtsWirdBegraben()
    {
        starten(800);
        simulatorMitBild();
        Form12->GraucodezeigenButton->click();
        Form12->FilterzeigenButton->click();
        QVERIFY(vorn(FormFilter));
        mausklick(Form12->Image3, QPoint(5, 5));
        QVERIFY(FormGraucode->isVisible() && FormFilter->isVisible());
        QVERIFY(vorn(FormFilter));
        QVERIFY(hatTastatur(Form12));
        // The gray scale lies under the filter window where they overlap: its
        // button brings it to the front.
        Form12->GraucodezeigenButton->click();
        QVERIFY(vorn(FormGraucode));
        QVERIFY(hatTastatur(FormGraucode));
        // A click into the filter window brings that one to the front.
        mausklick(FormFilter, QPoint(3, 3));
        QVERIFY(vorn(FormFilter));

        Form12->Zurueck->trigger();
        FormHaupt->ZugNeu(3);
        FormHaupt->Hilfe->trigger();
        QVERIFY(vorn(FormHilfe));
        mausklick(Form3, QPoint(5, 5));
        QVERIFY(vorn(FormHilfe));
        // the main window's own white, beside the layout
        mausklick(FormHaupt->centralWidget(), QPoint(FormHaupt->centralWidget()->width() - 5, 10));
        QVERIFY(vorn(FormHilfe));
        mausklick(FormHaupt->Zug[3], QPoint(5, 5));
        QVERIFY(vorn(Form3));
        QVERIFY(hatTastatur(Form3));
    }
};

// The headless screen as large as the large layout, so that what lies in the
// main window can be hit at every place of the layout.
int main(int argc, char** argv)
{
    Testumgebung::offscreenBildschirm(QSize(1024, 768));
    QApplication app(argc, argv);
    Testumgebung::anwendungEinrichten();
    TestEinfenster test;
    QTEST_SET_MAIN_SOURCE_PATH
    const int ergebnis = QTest::qExec(&test, argc, argv);
    Testumgebung::abbauen();
    return ergebnis;
}
#include "test_einfenster.moc"

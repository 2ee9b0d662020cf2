// The layer over Qt: window scaling, pause, messages and the focus sink.
#include "support/Testumgebung.h"

#include "platform/Fensterart.h"
#include "platform/Fokusfalle.h"
#include "platform/Pause.h"
#include "platform/Skalierung.h"
#include "platform/Steuerelemente.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QThread>
#include <QTimer>

class TestPlattform : public QObject
{
    Q_OBJECT
private slots:
    void mulDivRund_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("d");
        QTest::addColumn<int>("ergebnis");
        QTest::newRow("90 * 1.28") << 90 << 1024 << 800 << 115;        // 115.2
        QTest::newRow("60 * 1.28") << 60 << 1024 << 800 << 77;         // 76.8
        QTest::newRow("halbe aufwaerts") << 25 << 1024 << 800 << 32;  // 32.0
        QTest::newRow("genau halb") << 5 << 1 << 2 << 3;               // 2.5 -> 3
        QTest::newRow("negativ halb") << -5 << 1 << 2 << -3;           // halves away from zero
        QTest::newRow("-100") << -100 << 1024 << 800 << -128;
        QTest::newRow("Punkte aus 13 px") << 13 << 72 << 96 << 10;     // 9.75
        QTest::newRow("Pixel aus 13 pt") << 13 << 96 << 72 << 17;      // 17.33
    }

    void mulDivRund()
    {
        QFETCH(int, a);
        QFETCH(int, m);
        QFETCH(int, d);
        QFETCH(int, ergebnis);
        QCOMPARE(Skalierung::mulDivRund(a, m, d), ergebnis);
    }

    void skalierungVerschachtelt()
    {
        QWidget fenster;
        fenster.setFont(arial(13));
        fenster.resize(300, 200);
        auto* panel = new Panel(&fenster, "Panel1", 10, 10, 90, 60);
        auto* innen = knopf(panel, "Knopf", "OK", 5, 7, 50, 25);
        auto* eigen = bezeichnung(panel, "Eigen", "Text", 1, 1, 16, true);
        auto* ohneName = new QWidget(&fenster);
        ohneName->setGeometry(3, 3, 10, 10);
        Skalierung::fensterSkalieren(&fenster, 1024, 768);
        // client: height 200 * 768 / 600 = 256, width 300 * 768 / 800 = 288, then both * 1.28
        QCOMPARE(fenster.size(), QSize(369, 328));
        // left 10 -> 13 (12.8), width (10 + 90) * 1.28 - 13 = 115
        QCOMPARE(panel->geometry(), QRect(13, 13, 115, 77));
        // inside the panel, relative to it: left 5 -> 6, top 7 -> 9, width 55 * 1.28 - 6 = 64, height 32*1.28-9 = 32
        QCOMPARE(innen->geometry(), QRect(6, 9, 64, 32));
        // the window's own font: 10 pt -> 13 pt -> 17 px; a control's own font: 12 pt -> 15 pt -> 20 px
        QCOMPARE(fenster.font().pixelSize(), 17);
        QCOMPARE(innen->font().pixelSize(), 17);
        QCOMPARE(eigen->font().pixelSize(), 20);
        QVERIFY(eigen->font().bold());
        // internal widgets without a name keep their geometry
        QCOMPARE(ohneName->geometry(), QRect(3, 3, 10, 10));
    }

    void skalierungBei800NichtsTun()
    {
        QWidget fenster;
        fenster.resize(300, 200);
        auto* k = knopf(&fenster, "Knopf", "OK", 5, 7, 50, 25);
        Skalierung::fensterSkalieren(&fenster, 800, 600);
        QCOMPARE(fenster.size(), QSize(300, 200));
        QCOMPARE(k->geometry(), QRect(5, 7, 50, 25));
    }

    void skalierungFesterFenster()
    {
        // a fixed-size dialog takes its new size too
        QWidget dialog;
        fensterart(&dialog, Rahmen::NurSchliessen, Lage::Dialog);
        setzeClientgroesse(&dialog, 292, 103);
        Skalierung::fensterSkalieren(&dialog, 1280, 1024);
        // height 103 * 1024 / 600 = 175 -> * 1.6 = 280; width 292 * 1024 / 800 = 373 -> 596.8
        QCOMPARE(dialog.size(), QSize(597, 280));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        setzeAussengroesse(&dialog, 384, 150);
        QCOMPARE(dialog.size(), QSize(376, 123));
        QCOMPARE(aussenbreite(&dialog), 384);
    }

    void pauseWartetEtwasLaenger_data()
    {
        QTest::addColumn<int>("ms");
        QTest::newRow("0") << 0;
        QTest::newRow("10") << 10;
        QTest::newRow("200") << 200;
    }

    void pauseWartetEtwasLaenger()
    {
        QFETCH(int, ms);
        bool ereignis = false;
        QTimer::singleShot(0, [&] { ereignis = true; });
        QElapsedTimer uhr;
        uhr.start();
        pause(ms);
        QVERIFY(uhr.nsecsElapsed() > qint64(ms) * 1000000);
        QVERIFY(ereignis);  // pending events ran during the wait
    }

    void pauseVerschachtelt()
    {
        // a wait started by an event inside another wait: both return, the outer after the inner
        QElapsedTimer uhr;
        uhr.start();
        qint64 innenFertig = -1;
        QTimer::singleShot(20, [&] {
            pause(150);
            innenFertig = uhr.elapsed();
        });
        pause(50);
        QVERIFY(innenFertig >= 150);
        QVERIFY(uhr.elapsed() >= innenFertig);
    }

    void taktZaehltDieArbeitMit_data()
    {
        // work before the first of three waits of 250 ms; whether each wait
        // is cut short (the work is part of the step, an overrun step is made
        // up in the next, but never more than one step) or full
        QTest::addColumn<int>("arbeit");
        QTest::addColumn<QList<bool>>("kurz");
        QTest::newRow("step shorter than the pace") << 150 << QList<bool>{true, false, false};
        QTest::newRow("overrun made up in the next step") << 400 << QList<bool>{true, true, false};
        QTest::newRow("a long stall makes up one step only") << 1000 << QList<bool>{true, true, false};
    }

    void taktZaehltDieArbeitMit()
    {
        QFETCH(int, arbeit);
        QFETCH(QList<bool>, kurz);
        constexpr int ms = 250;
        Takt takt;
        takt.beginnen();
        QElapsedTimer gesamt;
        gesamt.start();
        QThread::msleep(ulong(arbeit));
        for (int i = 0; i < kurz.size(); ++i) {
            bool ereignis = false;
            QTimer::singleShot(0, [&] { ereignis = true; });
            QElapsedTimer warten;
            warten.start();
            takt.warten(ms);
            const qint64 dauer = warten.elapsed();
            QVERIFY(ereignis);  // pending events ran in every wait
            if (kurz[i])
                QVERIFY2(dauer < ms * 4 / 5, qPrintable(QStringLiteral("wait %1: %2 ms").arg(i).arg(dauer)));
            else
                QVERIFY2(dauer >= ms * 9 / 10, qPrintable(QStringLiteral("wait %1: %2 ms").arg(i).arg(dauer)));
        }
        QVERIFY(gesamt.elapsed() >= std::max(arbeit, ms));
    }

    void pauseLaesstProzessorRuhen()
    {
        // the wait sleeps: its processor time is a small part of its duration
        const std::clock_t vorher = std::clock();
        pause(300);
        const double cpuMs = double(std::clock() - vorher) * 1000.0 / CLOCKS_PER_SEC;
        QVERIFY2(cpuMs < 150.0, qPrintable(QString::number(cpuMs)));
    }

    void meldungszeilen()
    {
        QCOMPARE(Meldung::zeilen({"a", "b", "c"}), QStringLiteral("a\r\nb\r\nc"));
        QCOMPARE(Meldung::zeilen({"nur"}), QStringLiteral("nur"));
        QList<Meldung::Art> arten;
        Meldung::setzeBeantworter([&](Meldung::Art art, const QString&) {
            arten << art;
            return Meldung::Antwort::Abbrechen;
        });
        QCOMPARE(Meldung::bestaetigung("x"), Meldung::Antwort::Abbrechen);
        Meldung::fehler("y");
        QCOMPARE(arten, (QList<Meldung::Art>{Meldung::Art::Bestaetigung, Meldung::Art::Fehler}));
        Meldung::setzeBeantworter({});
    }

    void fokusfalle_data()
    {
        QTest::addColumn<bool>("mehrzeilig");
        QTest::newRow("Textfeld") << true;
        QTest::newRow("Eingabefeld") << false;
    }

    void fokusfalle()
    {
        QFETCH(bool, mehrzeilig);
        QWidget fenster;
        fenster.resize(300, 200);
        auto* ziel = knopf(&fenster, "WeiterButton", "Continue", -100, 0, 75, 25);
        auto* andere = knopf(&fenster, "Andere", "x", 200, 150, 75, 25);
        QWidget* text = mehrzeilig ? static_cast<QWidget*>(textfeld(&fenster, "Memo1", 0, 0, 150, 100, "Zeile 1\nZeile 2"))
                                   : static_cast<QWidget*>(eingabefeld(&fenster, "Edit1", 0, 0, 150, 20, "abc"));
        fokusfalleFuerAlleTexte(&fenster, ziel);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        andere->setFocus();
        QWidget* klickziel = mehrzeilig ? static_cast<QPlainTextEdit*>(text)->viewport() : text;
        QTest::mouseClick(klickziel, Qt::LeftButton, Qt::NoModifier, QPoint(10, 8));
        QTest::mouseDClick(klickziel, Qt::LeftButton, Qt::NoModifier, QPoint(10, 8));
        QCOMPARE(QApplication::focusWidget(), ziel);
        if (auto* feld = qobject_cast<QLineEdit*>(text)) {
            QVERIFY(!feld->hasSelectedText());
            QTest::keyClicks(ziel, "zz");
            QCOMPARE(feld->text(), QStringLiteral("abc"));
        } else {
            QVERIFY(!static_cast<QPlainTextEdit*>(text)->textCursor().hasSelection());
        }
    }

    void modalZeigenKehrtNachDemVerstecktZurueck()
    {
        QWidget dialog;
        fensterart(&dialog, Rahmen::NurSchliessen, Lage::Dialog);
        bool warSichtbar = false;
        QTimer::singleShot(30, [&] {
            warSichtbar = dialog.isVisible() && dialog.isModal();
            dialog.close();
        });
        modalZeigen(&dialog);
        QVERIFY(warSichtbar);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.isModal());
    }
};

QUORVEL_GUI_TEST_MAIN(TestPlattform)
#include "test_plattform.moc"

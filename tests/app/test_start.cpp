// Start-up: the display checks, the layout they choose, the start window and
// the exit dialog.
#include "support/Testumgebung.h"

#include "app/Ausstieg.h"
#include "app/BlattAnfang.h"
#include "app/HauptBlatt.h"
#include "app/Programm.h"
#include "app/Version.h"
#include "pages/Blatt0.h"
#include "platform/Bildanzeige.h"
#include "platform/Layout.h"
#include "platform/Steuerelemente.h"

#include <QLabel>
#include <QMenuBar>
#include <QLineEdit>
#include <QPushButton>

using namespace Testumgebung;

namespace {
const QString Hinweis =
    QStringLiteral("Brechen Sie bitte an dieser Stelle ab und nehmen unter "
                   "START/EINSTELLUNGEN/SYSTEMSTEUERUNG/ANZEIGE/EINSTELLUNGEN\r\nentsprechende Änderungen vor.");
}

class TestStart : public QObject
{
    Q_OBJECT
private slots:
    void anzeigepruefung_data()
    {
        QTest::addColumn<int>("ppi");
        QTest::addColumn<int>("tiefe");
        QTest::addColumn<int>("breite");
        QTest::addColumn<int>("hoehe");
        QTest::addColumn<QString>("antworten");  // A = Abort, I = Ignore, one per confirmation
        QTest::addColumn<QStringList>("boxen");   // message openings in order
        QTest::addColumn<bool>("ende");
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("leiste");

        QTest::newRow("800x600 96dpi") << 96 << 24 << 800 << 600 << "" << QStringList{} << false << 800 << 80;
        QTest::newRow("1024x768") << 96 << 32 << 1024 << 768 << "" << QStringList{} << false << 1024 << 100;
        QTest::newRow("1280x1024 ignored") << 96 << 24 << 1280 << 1024 << "I"
                                           << QStringList{"Das Programm ist für eine Bildschirmauflösung von 800x600 und"}
                                           << false << 1024 << 100;
        QTest::newRow("1280x1024 aborted") << 96 << 24 << 1280 << 1024 << "A"
                                           << QStringList{"Das Programm ist für eine Bildschirmauflösung von 800x600 und"}
                                           << true << 1024 << 100;
        QTest::newRow("640x480 8 bit") << 96 << 8 << 640 << 480 << "I"
                                       << QStringList{"Das Programm ist für eine Farbtiefe", "Das Programm ist für eine Bildschirmauflösung von mindestens"}
                                       << true << 800 << 80;
        QTest::newRow("120 dpi") << 120 << 24 << 800 << 600 << ""
                                 << QStringList{"Das Programm ist ausschließlich für normale Schriftgröße (96dpi)"} << true
                                 << 800 << 80;
        QTest::newRow("all four") << 144 << 8 << 2560 << 1440 << "II"
                                  << QStringList{"Das Programm ist ausschließlich", "Das Programm ist für eine Farbtiefe",
                                                 "Das Programm ist für eine Bildschirmauflösung von 800x600"}
                                  << true << 1024 << 100;
        QTest::newRow("900 wide") << 96 << 24 << 900 << 700 << "" << QStringList{} << false << 800 << 80;
        QTest::newRow("1040 wide") << 96 << 24 << 1040 << 780 << "I"
                                   << QStringList{"Das Programm ist für eine Bildschirmauflösung von 800x600"} << false
                                   << 1024 << 100;
    }

    void anzeigepruefung()
    {
        QFETCH(int, ppi);
        QFETCH(int, tiefe);
        QFETCH(int, breite);
        QFETCH(int, hoehe);
        QFETCH(QString, antworten);
        QFETCH(QStringList, boxen);
        QFETCH(bool, ende);
        QFETCH(int, layout);
        QFETCH(int, leiste);

        int naechste = 0;
        aufbauen({ppi, tiefe, breite, hoehe}, [&](Meldung::Art art, const QString&) {
            if (art == Meldung::Art::Fehler)
                return Meldung::Antwort::OK;
            const QChar a = naechste < antworten.size() ? antworten[naechste] : QChar('I');
            ++naechste;
            return a == 'A' ? Meldung::Antwort::Abbrechen : Meldung::Antwort::Ignorieren;
        });
        QCOMPARE(meldungen().size(), boxen.size());
        for (int i = 0; i < boxen.size(); ++i) {
            QVERIFY2(meldungen()[i].text.startsWith(boxen[i]), qPrintable(meldungen()[i].text));
            QVERIFY(meldungen()[i].text.endsWith(QStringLiteral("\r\nentsprechende Änderungen vor.")));
        }
        QCOMPARE(Programm::endeAngefordert(), ende);
        QCOMPARE(Layout::breite(), layout);
        QCOMPARE(Layout::hoehe(), layout == 800 ? 600 : 768);
        QCOMPARE(Layout::leistenhoehe(), leiste);
        // start-up completes whatever was answered
        QVERIFY(FormArchivbearbeiten != nullptr);
    }

    void meldungstexte()
    {
        aufbauen({120, 8, 700, 500});
        QCOMPARE(meldungen().size(), 3);
        QCOMPARE(meldungen()[0].art, Meldung::Art::Fehler);
        QCOMPARE(meldungen()[0].text,
                 QStringLiteral("Das Programm ist ausschließlich für normale Schriftgröße (96dpi) programmiert.\r\n")
                     + Hinweis);
        QCOMPARE(meldungen()[1].art, Meldung::Art::Bestaetigung);
        QCOMPARE(meldungen()[1].text,
                 QStringLiteral("Das Programm ist für eine Farbtiefe von mindestens 15 bit (=32768 Farben) optimiert.\r\n"
                                "Falls möglich brechen Sie bitte an dieser Stelle ab und nehmen unter "
                                "START/EINSTELLUNGEN/SYSTEMSTEUERUNG/ANZEIGE/EINSTELLUNGEN\r\n"
                                "entsprechende Änderungen vor."));
        QCOMPARE(meldungen()[2].text,
                 QStringLiteral("Das Programm ist für eine Bildschirmauflösung von mindestens 800x600 programmiert.\r\n")
                     + Hinweis);
        aufbauen({96, 24, 1280, 1024});
        QCOMPARE(meldungen()[0].text,
                 QStringLiteral("Das Programm ist für eine Bildschirmauflösung von 800x600 und 1024x768 optimiert.\r\n"
                                "Bei einer höheren Auflösung läuft das Programm in einem Fenster. Wenn Sie dies ändern "
                                "wollen,\r\nso brechen Sie bitte an dieser Stelle ab und nehmen unter "
                                "START/EINSTELLUNGEN/SYSTEMSTEUERUNG/ANZEIGE/EINSTELLUNGEN\r\nentsprechende Änderungen vor."));
    }

    void hauptfensterLayout_data()
    {
        QTest::addColumn<int>("breite");
        QTest::addColumn<QRect>("zurueck");
        QTest::addColumn<QRect>("weiter");
        QTest::addColumn<QRect>("untergrund");
        QTest::addColumn<QRect>("zug12");
        QTest::newRow("800") << 800 << QRect(0, 520, 90, 60) << QRect(710, 520, 90, 60) << QRect(90, 528, 620, 40)
                             << QRect(8 + 47 * 12, 8, 40, 25);
        QTest::newRow("1024") << 1024 << QRect(0, 671, 115, 77) << QRect(909, 671, 115, 77)
                              << QRect(115, 676, 794, 51) << QRect(732, 10, 51, 32);
    }

    void hauptfensterLayout()
    {
        QFETCH(int, breite);
        QFETCH(QRect, zurueck);
        QFETCH(QRect, weiter);
        QFETCH(QRect, untergrund);
        QFETCH(QRect, zug12);
        starten(breite);
        QCOMPARE(FormHaupt->SeiteZurueck->geometry(), zurueck);
        QCOMPARE(FormHaupt->SeiteWeiter->geometry(), weiter);
        QCOMPARE(FormHaupt->Untergrund->geometry(), untergrund);
        QCOMPARE(FormHaupt->Zug[12]->geometry(), zug12);
        QCOMPARE(FormHaupt->menuBar()->height(), 18);
        QCOMPARE(FormHaupt->Zug[0]->farbe(), QColor(0, 0, 0x80));
        QCOMPARE(FormHaupt->Zug[0]->textfarbe(), QColor(Qt::white));
        QCOMPARE(FormHaupt->Zug[5]->farbe(), QColor(0xC0, 0xC0, 0xC0));
        QVERIFY(!FormHaupt->SeiteZurueck->isVisible());
        QVERIFY(FormAnfang->isVisible());
        QVERIFY(!FormHaupt->Neu->isEnabled());
        QCOMPARE(FormHaupt->Zustand.seite(), -1);
        QVERIFY(FormHaupt->Zustand.lernmodus());
        QVERIFY(FormHaupt->Lernprogramm1->isChecked());
    }

    void startfensterLayout_data()
    {
        QTest::addColumn<int>("breite");
        QTest::addColumn<QRect>("kurve");
        QTest::addColumn<int>("fensterbreite");
        QTest::newRow("800") << 800 << QRect(710, 520, 90, 60) << 800;
        QTest::newRow("1024") << 1024 << QRect(909, 672, 115, 76) << 1258;
    }

    void startfensterLayout()
    {
        QFETCH(int, breite);
        QFETCH(QRect, kurve);
        QFETCH(int, fensterbreite);
        starten(breite);
        QCOMPARE(FormAnfang->SeiteWeiter->geometry(), kurve);
        QCOMPARE(FormAnfang->width(), fensterbreite);
        QCOMPARE(FormAnfang->pos(), QPoint(0, 18));
        // the arrow sits left of the curl, vertically centred on it
        QCOMPARE(FormAnfang->Pfeil->x() + FormAnfang->Pfeil->width(), kurve.x());
        QCOMPARE(FormAnfang->Pfeil->y(), kurve.y() + (kurve.height() - FormAnfang->Pfeil->height()) / 2);
        QCOMPARE(FormAnfang->Weiter->x() + FormAnfang->Weiter->width() + 10, FormAnfang->Pfeil->x());
        QCOMPARE(FormAnfang->WeiterButton->x(), -100);
        QVERIFY(FormAnfang->LabelVersion->text().startsWith(QStringLiteral("            Quorvel " QUORVEL_VERSION " en\n")));
        QCOMPARE(FormAnfang->LabelVersion->text().count('\n'), 2);
    }

    void name_data()
    {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("gruss");
        QTest::newRow("name") << "Alex" << "Alex !";
        QTest::newRow("leer") << "" << " !";
        QTest::newRow("zu lang") << "abcdefghijklmnopqrstuvwxyz0123" << "abcdefghijklmnopqrstuvwxy !";
    }

    void name()
    {
        QFETCH(QString, getippt);
        QFETCH(QString, gruss);
        starten();
        FormAnfang->activateWindow();
        QTest::keyClicks(FormAnfang->Namensfeld, getippt);
        QCOMPARE(FormAnfang->Namensfeld->text(), gruss.chopped(2));
        klicken(FormAnfang->SeiteWeiter);
        QCOMPARE(FormHaupt->Zustand.seite(), 0);
        QVERIFY(Form0->isVisible());
        QVERIFY(!FormAnfang->isVisible());
        QCOMPARE(Form0->Namensfeld->text(), gruss);
        // the strip is unchanged: page 1 marked
        QCOMPARE(FormHaupt->Zug[0]->farbe(), QColor(0, 0, 0x80));
        QVERIFY(!FormHaupt->SeiteZurueck->isVisible());
    }

    void enterStartetWieDasEselsohr()
    {
        starten();
        FormAnfang->activateWindow();
        FormAnfang->Namensfeld->setFocus();
        QTest::keyClicks(FormAnfang->Namensfeld, QStringLiteral("Ada"));
        QTest::keyClick(FormAnfang->Namensfeld, Qt::Key_Return);
        QCOMPARE(FormHaupt->Zustand.seite(), 0);
        QVERIFY(!FormAnfang->isVisible());
        QCOMPARE(Form0->Namensfeld->text(), QStringLiteral("Ada !"));
    }

    void ausstieg_data()
    {
        QTest::addColumn<int>("breite");
        QTest::addColumn<int>("hoehe");
        QTest::addColumn<QSize>("client");
        QTest::newRow("800x600") << 800 << 600 << QSize(292, 103);
        QTest::newRow("1024x768") << 1024 << 768 << QSize(384 - 8, 150 - 27);
    }

    void ausstieg()
    {
        QFETCH(int, breite);
        QFETCH(int, hoehe);
        QFETCH(QSize, client);
        starten({96, 24, breite, hoehe});
        QCOMPARE(FormAusstieg->size(), client);
        QCOMPARE(FormAusstieg->Label1->text(), QStringLiteral("Do you really want to quit?"));
        QVERIFY(!Programmende());
        // "No" changes nothing
        wennModal([] { FormAusstieg->ButtonNein->click(); });
        FormHaupt->Beenden->trigger();
        QVERIFY(!FormAusstieg->isVisible());
        QVERIFY(!Programmende());
        QVERIFY(!FormHaupt->verdeckt());
        // "Yes" sets the flag and closes the main window
        wennModal([] { FormAusstieg->ButtonJa->click(); });
        FormHaupt->Beenden->trigger();
        QVERIFY(Programmende());
        QVERIFY(!FormHaupt->isVisible());
    }
};

QUORVEL_GUI_TEST_MAIN(TestStart)
#include "test_start.moc"

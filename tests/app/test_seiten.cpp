// Page navigation: the page protocol, minimise and restore, the mode switch,
// the menu states the pages set, and the About boxes of the "?" menus.
#include "support/Testumgebung.h"

#include "app/Ausstieg.h"
#include "app/BlattAnfang.h"
#include "app/HauptBlatt.h"
#include "course/Blatt7.h"
#include "course/Blatt8.h"
#include "pages/Hilfe.h"
#include "pages/LexFilter.h"
#include "platform/Bildanzeige.h"
#include "platform/Pause.h"
#include "platform/Sprache.h"
#include "platform/Steuerelemente.h"
#include "sim/Blatt12.h"
#include "sim/Einstellungen.h"

#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

using namespace Testumgebung;

namespace {
const QColor Navy(0, 0, 0x80);
const QColor Silber(0xC0, 0xC0, 0xC0);

// Index of the single visible course page, -1 for none, -2 for several.
int sichtbareSeite()
{
    int gefunden = -1;
    for (int k = 0; k <= 12; ++k)
        if (Fenstersatz::seite(k)->isVisible())
            gefunden = gefunden == -1 ? k : -2;
    return gefunden;
}
}  // namespace

class TestSeiten : public QObject
{
    Q_OBJECT
private slots:
    void init() { starten(); }

    void zugNeuMarkiertUndZeigt_data()
    {
        QTest::addColumn<int>("k");
        for (int k : {0, 1, 5, 11})
            QTest::newRow(qPrintable(QString::number(k))) << k;
    }

    void zugNeuMarkiertUndZeigt()
    {
        QFETCH(int, k);
        klicken(FormHaupt->Zug[3]);
        klicken(FormHaupt->Zug[std::size_t(k)]);
        QCOMPARE(FormHaupt->Zustand.seite(), k);
        QCOMPARE(sichtbareSeite(), k);
        QVERIFY(!FormAnfang->isVisible());
        for (int i = 0; i <= 12; ++i) {
            QCOMPARE(FormHaupt->Zug[std::size_t(i)]->farbe(), i == k ? Navy : Silber);
            QCOMPARE(FormHaupt->Zug[std::size_t(i)]->textfarbe(), i == k ? QColor(Qt::white) : QColor(Qt::black));
        }
        QCOMPARE(FormHaupt->SeiteZurueck->isVisible(), k != 0);
        QVERIFY(!FormHaupt->verdeckt());
    }

    void kurvenBlaettern()
    {
        klicken(FormAnfang->SeiteWeiter);
        QCOMPARE(FormHaupt->Zustand.seite(), 0);
        klicken(FormHaupt->SeiteWeiter);
        klicken(FormHaupt->SeiteWeiter);
        QCOMPARE(FormHaupt->Zustand.seite(), 2);
        klicken(FormHaupt->SeiteZurueck);
        QCOMPARE(FormHaupt->Zustand.seite(), 1);
        QCOMPARE(sichtbareSeite(), 1);
    }

    void simulatorUndZurueck()
    {
        FormHaupt->ZugNeu(11);
        klicken(FormHaupt->SeiteWeiter);
        QCOMPARE(FormHaupt->Zustand.seite(), 12);
        QVERIFY(Form12->isVisible());
        QVERIFY(FormHaupt->verdeckt());
        for (int i = 0; i <= 12; ++i)
            QCOMPARE(FormHaupt->Zug[std::size_t(i)]->farbe(), Silber);
        Form12->Zurueck->trigger();
        QCOMPARE(FormHaupt->Zustand.seite(), 11);
        QCOMPARE(sichtbareSeite(), 11);
        QVERIFY(!FormHaupt->verdeckt());
        QVERIFY(FormHaupt->SeiteZurueck->isVisible());
        QCOMPARE(FormHaupt->Zug[11]->farbe(), Navy);
    }

    void seitenwechselSchliesstHilfsfenster()
    {
        FormHaupt->ZugNeu(2);
        FormHaupt->LexikonFilter->trigger();
        FormHaupt->Hilfe->trigger();
        FormEinstellungen->show();
        QVERIFY(FormLexikonFilter->isVisible());
        QVERIFY(FormHilfe->isVisible());
        klicken(FormHaupt->Zug[4]);
        QVERIFY(!FormLexikonFilter->isVisible());
        QVERIFY(!FormHilfe->isVisible());
        QVERIFY(FormEinstellungen->isVisible());  // dialogs outside the list stay
        QCOMPARE(sichtbareSeite(), 4);
        // the button of the page already shown: windows close, nothing else changes
        FormHaupt->Hilfe->trigger();
        klicken(FormHaupt->Zug[4]);
        QVERIFY(!FormHilfe->isVisible());
        QCOMPARE(sichtbareSeite(), 4);
        FormEinstellungen->hide();
    }

    void seiteAusserhalbNurSchliessenUndFarben()
    {
        FormHaupt->ZugNeu(5);
        FormHaupt->Hilfe->trigger();
        FormHaupt->ZugNeu(13);
        QVERIFY(!FormHilfe->isVisible());
        QCOMPARE(FormHaupt->Zug[5]->farbe(), Silber);
        QCOMPARE(FormHaupt->Zustand.seite(), 5);
        QCOMPARE(sichtbareSeite(), 5);
    }

    void minimierenUndWiederherstellen_data()
    {
        QTest::addColumn<int>("seite");
        QTest::newRow("start") << -1;
        QTest::newRow("seite 8") << 8;
        QTest::newRow("simulator") << 12;
    }

    void minimierenUndWiederherstellen()
    {
        QFETCH(int, seite);
        if (seite >= 0)
            FormHaupt->ZugNeu(seite);
        FormHaupt->LexikonFilter->trigger();
        if (seite == 12)
            Form12->Minimieren1->trigger();
        else
            FormHaupt->Minimieren->trigger();
        QCOMPARE(FormHaupt->Zustand.minimierung(), 2050);
        QCOMPARE(sichtbareSeite(), -1);
        QVERIFY(!FormAnfang->isVisible());
        QVERIFY(!FormLexikonFilter->isVisible());
        // the learner restores the program from the task bar
        FormHaupt->setWindowState(Qt::WindowNoState);
        QCOMPARE(FormHaupt->Zustand.minimierung(), 0);
        QVERIFY(FormHaupt->isFullScreen());
        QCOMPARE(sichtbareSeite(), seite);
        QCOMPARE(FormAnfang->isVisible(), seite == -1);
        QCOMPARE(FormHaupt->verdeckt(), seite == 12);
        QCOMPARE(FormHaupt->Zustand.seite(), seite);
    }

    void moduswechsel()
    {
        FormHaupt->ZugNeu(3);
        FormHaupt->Demonstration1->trigger();
        QVERIFY(!FormHaupt->Zustand.lernmodus());
        QVERIFY(FormHaupt->Demonstration1->isChecked());
        QVERIFY(!FormHaupt->Lernprogramm1->isChecked());
        FormHaupt->Lernprogramm1->trigger();
        QVERIFY(FormHaupt->Zustand.lernmodus());
        QVERIFY(FormHaupt->Lernprogramm1->isChecked());
        // on the simulator the mode items do nothing
        FormHaupt->Zustand.setzeSeite(12);
        FormHaupt->Demonstration1Click();
        QVERIFY(FormHaupt->Zustand.lernmodus());
        QVERIFY(FormHaupt->Lernprogramm1->isChecked());
    }

    void menuezustandDerSeiten()
    {
        QVERIFY(!FormHaupt->Neu->isEnabled());  // start window
        FormHaupt->ZugNeu(7);
        QVERIFY(FormHaupt->Neu->isEnabled());
        FormHaupt->ZugNeu(3);
        QVERIFY(FormHaupt->Neu->isEnabled());  // reading pages leave it as it was
        FormHaupt->ZugNeu(6);
        QVERIFY(!FormHaupt->Neu->isEnabled());
        FormHaupt->ZugNeu(10);
        QVERIFY(!FormHaupt->Neu->isEnabled());
        FormHaupt->ZugNeu(11);
        QVERIFY(FormHaupt->Neu->isEnabled());
    }

    void ausstiegBeendetWartendeSchleife()
    {
        // an animation waiting in pause sees the exit flag after its wait and stops
        FormHaupt->ZugNeu(7);
        int schritte = 0;
        // "&Exit" after 30 ms shows the exit dialog modally; "Yes" is clicked
        // once it is up. Both belong to the window set, so nothing fires after it.
        QTimer::singleShot(30, FormHaupt, [] {
            wennModal([] { FormAusstieg->ButtonJa->click(); });
            FormHaupt->Beenden->trigger();
        });
        for (int i = 0; i < 100; ++i) {
            pause(10);
            if (Programmende())
                break;
            ++schritte;
        }
        QVERIFY(Programmende());
        QVERIFY(schritte < 20);
        QVERIFY(!FormHaupt->isVisible());
        QVERIFY(!Form7->isVisible());
    }

    void ueber_data()
    {
        QTest::addColumn<bool>("simulator");
        QTest::addColumn<bool>("deutsch");
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QStringList>("inhalt");
        const QString version = QStringLiteral("Quorvel " PROJEKTVERSION);
        const QString qt = QString::fromLatin1(qVersion());
        QTest::newRow("main window, English") << false << false << "UeberQuorvel" << "About Quorvel"
            << QStringList{version, "GPL-3.0-or-later", "WITHOUT ANY WARRANTY", "running on Qt " + qt};
        QTest::newRow("simulator, German") << true << true << "UeberQuorvel" << "Über Quorvel"
            << QStringList{version, "GPL-3.0-or-later", "OHNE JEDE GEWÄHRLEISTUNG", "läuft mit Qt " + qt};
        QTest::newRow("About Qt, German") << false << true << "UeberQt" << "Über Qt" << QStringList{qt};
        QTest::newRow("About Qt, simulator") << true << false << "UeberQt" << "About Qt" << QStringList{qt};
    }

    // "About Quorvel" and "About Qt" follow the designed items of both "?"
    // menus, and show their boxes modally in the edition's language.
    void ueber()
    {
        QFETCH(bool, simulator);
        QFETCH(bool, deutsch);
        QFETCH(QString, eintrag);
        QFETCH(QString, titel);
        QFETCH(QStringList, inhalt);
        Sprache::setzen(deutsch ? Sprache::Ausgabe::Deutsch : Sprache::Ausgabe::Englisch);
        starten();
        QMenu* menue = simulator ? Form12->Sonstiges1 : FormHaupt->Sonstiges;
        QStringList namen;
        for (QAction* a : menue->actions())
            namen << a->objectName();
        QCOMPARE(namen.mid(namen.indexOf(simulator ? "Info1" : "Info")),
                 (QStringList{simulator ? "Info1" : "Info", simulator ? "N6" : "N4", "UeberQuorvel", "UeberQt"}));
        if (simulator)
            FormHaupt->ZugNeu(12);

        QString gezeigterTitel, gezeigterText;
        wennModal([&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                gezeigterTitel = box->windowTitle();
                gezeigterText = box->text();
                box->close();
            }
        });
        menue->findChild<QAction*>(eintrag)->trigger();
        Sprache::setzen(Sprache::Ausgabe::Entwurf);
        QCOMPARE(gezeigterTitel, titel);
        for (const QString& t : inhalt)
            QVERIFY2(gezeigterText.contains(t), qPrintable(t + QStringLiteral(" in ") + gezeigterText));
    }
};

QUORVEL_GUI_TEST_MAIN(TestSeiten)
#include "test_seiten.moc"

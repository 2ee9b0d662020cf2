// Fitting the layout to the screen: the layout and scale factor chosen for a
// screen, the message boxes that then appear, and where the layout stands.
#include "support/Testumgebung.h"

#include "app/Ausstieg.h"
#include "app/BlattAnfang.h"
#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "app/Programm.h"
#include "pages/Blatt0.h"
#include "platform/Bildanzeige.h"
#include "platform/Einpassung.h"
#include "platform/Fensterart.h"
#include "platform/Layout.h"
#include "platform/Steuerelemente.h"

#include <cmath>

using namespace Testumgebung;

namespace {
const QString Breitbild = QStringLiteral("Das Programm ist für eine Bildschirmauflösung von 800x600 und 1024x768");
const QString ZuKlein = QStringLiteral("Das Programm ist für eine Bildschirmauflösung von mindestens 800x600");
}  // namespace

class TestEinpassung : public QObject
{
    Q_OBJECT
private slots:
    void bildschirme_data()
    {
        // The screen as the desktop reports it (device-independent pixels,
        // and the desktop's own pixel ratio), whether the user set Qt's
        // scaling; the layout fitted (0: none), the factor, the offset of
        // the layout, and the opening of each message box.
        QTest::addColumn<QSizeF>("bildschirm");
        QTest::addColumn<double>("desktop");
        QTest::addColumn<bool>("eigene");
        QTest::addColumn<int>("layout");
        QTest::addColumn<double>("faktor");
        QTest::addColumn<int>("versatz");
        QTest::addColumn<int>("bildschirmbreite");
        QTest::addColumn<QStringList>("boxen");

        const auto zeile = [](const char* name, QSizeF b, double d, bool eigene, int layout, double faktor,
                              int versatz, int bildschirmbreite, QStringList boxen = {}) {
            QTest::newRow(name) << b << d << eigene << layout << faktor << versatz << bildschirmbreite << boxen;
        };
        zeile("640x480", {640, 480}, 1, false, 0, 1, 0, 800, {ZuKlein});
        zeile("800x600", {800, 600}, 1, false, 800, 1, 0, 800);
        zeile("1024x600", {1024, 600}, 1, false, 800, 1, 112, 800);
        zeile("1024x768", {1024, 768}, 1, false, 1024, 1, 0, 1024);
        zeile("1280x720", {1280, 720}, 1, false, 800, 1.2, 133, 800);
        zeile("1280x1024", {1280, 1024}, 1, false, 1024, 1.25, 0, 1024);
        zeile("1366x768", {1366, 768}, 1, false, 1024, 1, 171, 1024);
        zeile("1920x1080", {1920, 1080}, 1, false, 1024, 1.40625, 171, 1024);
        zeile("2560x1600", {2560, 1600}, 1, false, 1024, 1600.0 / 768, 102, 1024);
        zeile("3840x2160", {3840, 2160}, 1, false, 1024, 2.8125, 171, 1024);
        // the desktop scales already: Quorvel's factor comes on top of it,
        // and a pixel never becomes smaller than a device pixel
        zeile("1920x1080 desktop 200 %", {960, 540}, 2, false, 800, 0.9, 133, 800);
        zeile("1920x1080 desktop 150 %", {1280, 720}, 1.5, false, 800, 1.2, 133, 800);
        zeile("640x480 desktop 200 %", {320, 240}, 2, false, 0, 1, 0, 800, {ZuKlein});
        // Qt's scaling set by the user: the screen as it then is, as designed
        zeile("800x600 own", {800, 600}, 1, true, 0, 1, 0, 800);
        zeile("1024x768 own", {1024, 768}, 1, true, 0, 1, 0, 1024);
        zeile("1920x1080 scaling off", {1920, 1080}, 1, true, 0, 1, 0, 1024, {Breitbild});
        zeile("1920x1080 factor 2", {960, 540}, 1, true, 0, 1, 0, 800);
        zeile("1920x1080 factor 1.5", {1280, 720}, 1, true, 0, 1, 0, 1024, {Breitbild});
        zeile("640x480 own", {640, 480}, 1, true, 0, 1, 0, 800, {ZuKlein});
    }

    void bildschirme()
    {
        QFETCH(QSizeF, bildschirm);
        QFETCH(double, desktop);
        QFETCH(bool, eigene);
        QFETCH(int, layout);
        QFETCH(double, faktor);
        QFETCH(int, versatz);
        QFETCH(int, bildschirmbreite);
        QFETCH(QStringList, boxen);

        const Einpassung::Wahl w = Einpassung::waehlen({bildschirm.width(), bildschirm.height(), desktop, eigene});
        QCOMPARE(w.layout, layout ? QSize(layout, layout * 3 / 4) : QSize());
        QVERIFY2(std::abs(w.faktor - faktor) < 1e-9, qPrintable(QString::number(w.faktor, 'g', 17)));

        // the screen that Qt then reports, in the layout's pixels, and the
        // whole of it that the windows filling the screen cover
        const QSize logisch(int(std::lround(bildschirm.width() / w.faktor)),
                            int(std::lround(bildschirm.height() / w.faktor)));
        const QSize ganz = w.layout.isEmpty() ? logisch : w.bildschirm;
        QVERIFY(w.layout.isEmpty() || (ganz.width() >= w.layout.width() && ganz.height() >= w.layout.height()));
        QVERIFY(ganz.width() * w.faktor * desktop >= bildschirm.width() * desktop - 1e-6);
        aufbauen({96, 24, logisch.width(), logisch.height()}, {}, w.layout, w.bildschirm);
        QCOMPARE(meldungen().size(), boxen.size());
        for (int i = 0; i < boxen.size(); ++i)
            QVERIFY2(meldungen()[i].text.startsWith(boxen[i]), qPrintable(meldungen()[i].text));
        QCOMPARE(Layout::breite(), bildschirmbreite);
        QCOMPARE(Bildschirm::versatz(), versatz);

        // the main window fills the screen, the layout stands at the offset
        QCOMPARE(FormHaupt->geometry(), QRect(QPoint(0, 0), ganz));
        QCOMPARE(Form0->geometry(), QRect(versatz, 18, Layout::breite(), Layout::hoehe() - Layout::leistenhoehe()));
        QCOMPARE(FormAnfang->pos(), QPoint(versatz, 18));
        QCOMPARE(FormHaupt->SeiteZurueck->x(), versatz);
        QCOMPARE(FormHaupt->SeiteWeiter->x() + FormHaupt->SeiteWeiter->width(), versatz + Layout::breite());
        // a dialog centred on the layout, as on a screen of its size
        const QSize sicht = w.layout.isEmpty() ? logisch : w.layout;
        const QSize dialog(aussenbreite(FormAusstieg), aussenhoehe(FormAusstieg));
        QCOMPARE(FormAusstieg->pos(), QPoint(versatz + (sicht.width() - dialog.width()) / 2,
                                             (sicht.height() - dialog.height()) / 2));
    }

    void eigeneSkalierung_data()
    {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QByteArray>("wert");
        QTest::addColumn<bool>("eigene");
        QTest::newRow("none") << QByteArray() << QByteArray() << false;
        QTest::newRow("factor") << QByteArray("QT_SCALE_FACTOR") << QByteArray("1.5") << true;
        QTest::newRow("factor empty") << QByteArray("QT_SCALE_FACTOR") << QByteArray("") << false;
        QTest::newRow("screen factors") << QByteArray("QT_SCREEN_SCALE_FACTORS") << QByteArray("2") << true;
        QTest::newRow("scaling off") << QByteArray("QT_ENABLE_HIGHDPI_SCALING") << QByteArray("0") << true;
        QTest::newRow("scaling on") << QByteArray("QT_ENABLE_HIGHDPI_SCALING") << QByteArray("1") << false;
    }

    void eigeneSkalierung()
    {
        QFETCH(QByteArray, variable);
        QFETCH(QByteArray, wert);
        QFETCH(bool, eigene);
        const char* const alle[] = {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING"};
        for (const char* v : alle)
            qunsetenv(v);
        if (!variable.isEmpty())
            qputenv(variable.constData(), wert);
        QCOMPARE(Einpassung::eigeneSkalierung(), eigene);
        if (!variable.isEmpty())
            qunsetenv(variable.constData());
    }
};

QUORVEL_GUI_TEST_MAIN(TestEinpassung)
#include "test_einpassung.moc"

// Fitting the layout to the screen: the layout and scale factor chosen for a
// screen (also one the desktop or the user scales already), the message boxes
// that then appear, where the layout stands, and the program started for real
// with the scaling variables set.
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

#include <QProcess>
#include <QScreen>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace Testumgebung;

namespace {
const char* const Skalierungsvariablen[] = {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING"};
const QString Breitbild = QStringLiteral("Das Programm ist für eine Bildschirmauflösung von 800x600 und 1024x768");
const QString ZuKlein = QStringLiteral("Das Programm ist für eine Bildschirmauflösung von mindestens 800x600");
}  // namespace

class TestEinpassung : public QObject
{
    Q_OBJECT
private slots:
    void bildschirme_data()
    {
        // The screen as Qt reports it before the program's own factor
        // (device-independent pixels, and the pixel ratio already in force),
        // whether Qt's scaling is switched off; the layout fitted (0: none),
        // the factor, the offset of the layout, and the opening of each
        // message box.
        QTest::addColumn<QSizeF>("bildschirm");
        QTest::addColumn<double>("desktop");
        QTest::addColumn<bool>("aus");
        QTest::addColumn<int>("layout");
        QTest::addColumn<double>("faktor");
        QTest::addColumn<int>("versatz");
        QTest::addColumn<int>("bildschirmbreite");
        QTest::addColumn<QStringList>("boxen");

        const auto zeile = [](const char* name, QSizeF b, double d, bool aus, int layout, double faktor,
                              int versatz, int bildschirmbreite, QStringList boxen = {}) {
            QTest::newRow(name) << b << d << aus << layout << faktor << versatz << bildschirmbreite << boxen;
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
        // the desktop or the user scales already (QT_SCALE_FACTOR,
        // QT_SCREEN_SCALE_FACTORS, the platform's own ratio): Quorvel's
        // factor comes on top of it, and a pixel never becomes smaller than
        // a device pixel
        zeile("1920x1080 scaled 200 %", {960, 540}, 2, false, 800, 0.9, 133, 800);
        zeile("1920x1080 scaled 150 %", {1280, 720}, 1.5, false, 800, 1.2, 133, 800);
        zeile("2560x1440 scaled 125 %", {2048, 1152}, 1.25, false, 1024, 1.5, 171, 1024);
        zeile("3840x2160 scaled 200 %", {1920, 1080}, 2, false, 1024, 1.40625, 171, 1024);
        zeile("640x480 scaled 200 %", {320, 240}, 2, false, 0, 1, 0, 800, {ZuKlein});
        // Qt's scaling switched off: the screen as it is, as designed
        zeile("800x600 scaling off", {800, 600}, 1, true, 0, 1, 0, 800);
        zeile("1024x768 scaling off", {1024, 768}, 1, true, 0, 1, 0, 1024);
        zeile("1920x1080 scaling off", {1920, 1080}, 1, true, 0, 1, 0, 1024, {Breitbild});
        zeile("640x480 scaling off", {640, 480}, 1, true, 0, 1, 0, 800, {ZuKlein});
    }

    void bildschirme()
    {
        QFETCH(QSizeF, bildschirm);
        QFETCH(double, desktop);
        QFETCH(bool, aus);
        QFETCH(int, layout);
        QFETCH(double, faktor);
        QFETCH(int, versatz);
        QFETCH(int, bildschirmbreite);
        QFETCH(QStringList, boxen);

        const Einpassung::Wahl w = Einpassung::waehlen({bildschirm.width(), bildschirm.height(), desktop, aus});
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

    void umgebung_data()
    {
        // One variable as the user or the desktop sets it: whether it
        // switches the scaling off, and the user's own factor that the
        // program's multiplies.
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QByteArray>("wert");
        QTest::addColumn<bool>("aus");
        QTest::addColumn<double>("nutzer");
        QTest::newRow("none") << QByteArray() << QByteArray() << false << 1.0;
        QTest::newRow("factor") << QByteArray("QT_SCALE_FACTOR") << QByteArray("1.5") << false << 1.5;
        QTest::newRow("factor empty") << QByteArray("QT_SCALE_FACTOR") << QByteArray("") << false << 1.0;
        QTest::newRow("factor not a number") << QByteArray("QT_SCALE_FACTOR") << QByteArray("big") << false << 1.0;
        QTest::newRow("factor 0") << QByteArray("QT_SCALE_FACTOR") << QByteArray("0") << false << 1.0;
        QTest::newRow("screen factors") << QByteArray("QT_SCREEN_SCALE_FACTORS") << QByteArray("2") << false << 1.0;
        QTest::newRow("scaling off") << QByteArray("QT_ENABLE_HIGHDPI_SCALING") << QByteArray("0") << true << 1.0;
        QTest::newRow("scaling on") << QByteArray("QT_ENABLE_HIGHDPI_SCALING") << QByteArray("1") << false << 1.0;
    }

    void umgebung()
    {
        QFETCH(QByteArray, variable);
        QFETCH(QByteArray, wert);
        QFETCH(bool, aus);
        QFETCH(double, nutzer);
        for (const char* v : Skalierungsvariablen)
            qunsetenv(v);
        if (!variable.isEmpty())
            qputenv(variable.constData(), wert);
        QCOMPARE(Einpassung::skalierungAus(), aus);
        QCOMPARE(Einpassung::nutzerfaktor(), nutzer);
        if (!variable.isEmpty())
            qunsetenv(variable.constData());
    }

    // The program started for real (a process of its own, on the offscreen
    // platform pretending a screen of that many device pixels) with the
    // desktop's or the user's scaling set: the factor Qt ends up with, the
    // screen it reports, the layout fitted, and QT_SCALE_FACTOR given back.
    void gestartet_data()
    {
        QTest::addColumn<QString>("bildschirm");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QStringList>("variablen");
        QTest::addColumn<double>("faktor");
        QTest::addColumn<QSize>("logisch");
        QTest::addColumn<int>("layout");
        const auto zeile = [](const char* name, const char* b, int dpi, QStringList v, double f, QSize l, int layout) {
            QTest::newRow(name) << QString::fromLatin1(b) << dpi << v << f << l << layout;
        };
        zeile("1920x1080", "1920x1080", 96, {}, 1.40625, {1365, 768}, 1024);
        zeile("1920x1080 QT_SCALE_FACTOR=2", "1920x1080", 96, {"QT_SCALE_FACTOR=2"}, 1.8, {1067, 600}, 800);
        zeile("1920x1080 QT_SCREEN_SCALE_FACTORS=1.5", "1920x1080", 96, {"QT_SCREEN_SCALE_FACTORS=1.5"}, 1.8,
              {1067, 600}, 800);
        zeile("2560x1440 QT_SCREEN_SCALE_FACTORS=1.25", "2560x1440", 96, {"QT_SCREEN_SCALE_FACTORS=1.25"}, 1.875,
              {1365, 768}, 1024);
        zeile("1920x1080 both", "1920x1080", 96, {"QT_SCALE_FACTOR=1.25", "QT_SCREEN_SCALE_FACTORS=1.2"}, 1.8,
              {1067, 600}, 800);
        zeile("1920x1080 at 192 dpi", "1920x1080", 192, {}, 1.8, {1067, 600}, 800);
        // too small for the layout after the user's factor: the program's own
        // factor takes it back as far as the layout needs
        zeile("1024x768 QT_SCALE_FACTOR=1.5", "1024x768", 96, {"QT_SCALE_FACTOR=1.5"}, 1.28, {800, 600}, 800);
        zeile("1920x1080 scaling off", "1920x1080", 96, {"QT_ENABLE_HIGHDPI_SCALING=0"}, 1, {1920, 1080}, 0);
        // with the scaling off the user's own factor still holds, unfitted
        zeile("1920x1080 scaling off and a factor", "1920x1080", 96,
              {"QT_ENABLE_HIGHDPI_SCALING=0", "QT_SCALE_FACTOR=2"}, 2, {960, 540}, 0);
    }

    void gestartet()
    {
        QFETCH(QString, bildschirm);
        QFETCH(int, dpi);
        QFETCH(QStringList, variablen);
        QFETCH(double, faktor);
        QFETCH(QSize, logisch);
        QFETCH(int, layout);
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        for (const char* v : Skalierungsvariablen)
            umgebung.remove(QString::fromLatin1(v));
        QString vorher = QStringLiteral("unset");
        for (const QString& v : variablen) {
            const QString name = v.section(QLatin1Char('='), 0, 0), wert = v.section(QLatin1Char('='), 1);
            umgebung.insert(name, wert);
            if (name == QLatin1String("QT_SCALE_FACTOR"))
                vorher = wert;
        }
        QProcess probe;
        probe.setProcessEnvironment(umgebung);
        probe.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--probe"), bildschirm, QString::number(dpi)});
        QVERIFY(probe.waitForFinished(60000));
        QCOMPARE(probe.exitCode(), 0);
        const QStringList w = QString::fromUtf8(probe.readAllStandardOutput()).trimmed().split(QLatin1Char(' '));
        QCOMPARE(w.size(), 4);
        QVERIFY2(std::abs(w[0].toDouble() - faktor) < 1e-9, qPrintable(w[0]));
        QCOMPARE(w[1], QStringLiteral("%1x%2").arg(logisch.width()).arg(logisch.height()));
        QCOMPARE(w[2], layout ? QStringLiteral("%1x%2").arg(layout).arg(layout * 3 / 4) : QStringLiteral("-"));
        QCOMPARE(w[3], vorher);
    }
};

namespace {
// The probe process of `gestartet`: the program's start-up on a pretended
// screen; prints the factor, the screen, the layout and QT_SCALE_FACTOR.
int probe(int argc, char** argv)
{
    const QStringList masse = QString::fromLatin1(argv[2]).split(QLatin1Char('x'));
    Testumgebung::offscreenBildschirm(QSize(masse.value(0).toInt(), masse.value(1).toInt()), std::atoi(argv[3]));
    Einpassung::vorbereiten(argc, argv);
    QGuiApplication app(argc, argv);
    Einpassung::uebernehmen();
    const QSize layout = Einpassung::gewaehlt().layout;
    const QSize s = QGuiApplication::primaryScreen()->geometry().size();
    std::printf("%.17g %dx%d %s %s\n", qGuiApp->devicePixelRatio(), s.width(), s.height(),
                layout.isEmpty() ? "-" : qPrintable(QStringLiteral("%1x%2").arg(layout.width()).arg(layout.height())),
                qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qgetenv("QT_SCALE_FACTOR").constData() : "unset");
    return 0;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--probe") == 0)
        return probe(argc, argv);
    QApplication app(argc, argv);
    Testumgebung::anwendungEinrichten();
    TestEinpassung test;
    QTEST_SET_MAIN_SOURCE_PATH
    const int ergebnis = QTest::qExec(&test, argc, argv);
    Testumgebung::abbauen();
    return ergebnis;
}

#include "test_einpassung.moc"

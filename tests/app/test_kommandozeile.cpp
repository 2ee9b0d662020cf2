// The command line: --help and --version answered and a wrong command line
// refused without a display, Qt's own options left to Qt.
#include "app/Kommandozeile.h"
#include "app/Programm.h"
#include "platform/Sprache.h"

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

namespace {
const QString Version = QStringLiteral("Quorvel " PROJEKTVERSION "\n");
const QString Hilfe = QStringLiteral("Usage: quorvel [options]\n");
QString unbekannt(const QString& option)
{
    return QStringLiteral("quorvel: unknown option '%1' (try 'quorvel --help')\n").arg(option);
}
}  // namespace

class TestKommandozeile : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Sprache::setzen(Sprache::Ausgabe::Entwurf); }

    void antwort_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<bool>("deutsch");
        QTest::addColumn<int>("ende");        // -1: the program starts
        QTest::addColumn<QString>("beginn");  // the answer begins with it; a refusal is this one line

        QTest::newRow("no arguments") << QStringList{} << false << -1 << QString();
        QTest::newRow("Qt platform") << QStringList{"-platform", "offscreen"} << false << -1 << QString();
        // read as bundled letters, -reverse would contain -v
        QTest::newRow("Qt style, reverse") << QStringList{"-style", "fusion", "-reverse"} << false << -1 << QString();
        QTest::newRow("Qt option with =") << QStringList{"-style=fusion"} << false << -1 << QString();
        QTest::newRow("Qt's X11 and session options")
            << QStringList{"-display", ":0", "-name", "q", "-qwindowgeometry", "800x600", "-session", "s1",
                           "--platform", "xcb", "-nograb"}
            << false << -1 << QString();

        QTest::newRow("--version") << QStringList{"--version"} << false << 0 << Version;
        QTest::newRow("-v") << QStringList{"-v"} << false << 0 << Version;
        QTest::newRow("-version") << QStringList{"-version"} << false << 0 << Version;
        QTest::newRow("version after Qt option") << QStringList{"-platform", "offscreen", "--version"} << false
                                                 << 0 << Version;
        QTest::newRow("version before help") << QStringList{"--help", "--version"} << false << 0 << Version;
        QTest::newRow("--help") << QStringList{"--help"} << false << 0 << Hilfe;
        QTest::newRow("-h") << QStringList{"-h"} << false << 0 << Hilfe;
        QTest::newRow("--help, German") << QStringList{"--help"} << true << 0
                                        << QStringLiteral("Aufruf: quorvel [Optionen]\n");

        QTest::newRow("--bogus") << QStringList{"--bogus"} << false << 2 << unbekannt("--bogus");
        QTest::newRow("--verison") << QStringList{"--verison"} << false << 2 << unbekannt("--verison");
        QTest::newRow("unknown before --version") << QStringList{"-x", "--version"} << false << 2 << unbekannt("-x");
        QTest::newRow("unknown after Qt option") << QStringList{"-platform", "offscreen", "-stile=fusion"} << false
                                                 << 2 << unbekannt("-stile");
        QTest::newRow("--bogus, German") << QStringList{"--bogus"} << true << 2
                                         << QStringLiteral("quorvel: unbekannte Option „--bogus“ (siehe „quorvel --help“)\n");
        QTest::newRow("a file") << QStringList{"bild.png"} << false << 2
                                << QStringLiteral("quorvel: unexpected argument 'bild.png' (try 'quorvel --help')\n");
        QTest::newRow("after --") << QStringList{"--", "--version"} << false << 2
                                  << QStringLiteral("quorvel: unexpected argument '--version' (try 'quorvel --help')\n");
        QTest::newRow("Qt option without its value") << QStringList{"-platform"} << false << 2
                                                     << QStringLiteral("quorvel: Missing value after '-platform'.\n");
    }

    void antwort()
    {
        QFETCH(QStringList, argumente);
        QFETCH(bool, deutsch);
        QFETCH(int, ende);
        QFETCH(QString, beginn);
        Sprache::setzen(deutsch ? Sprache::Ausgabe::Deutsch : Sprache::Ausgabe::Entwurf);
        argumente.prepend(QStringLiteral("/usr/bin/quorvel"));
        const std::optional<Kommandozeile::Antwort> a = Kommandozeile::antwort(argumente);
        QCOMPARE(a ? a->ende : -1, ende);
        if (!a)
            return;
        QVERIFY2(a->text.startsWith(beginn), qPrintable(a->text));
        if (ende == 2)
            QCOMPARE(a->text, beginn);
        if (beginn == Hilfe)
            for (const char* option : {"-h, --help", "-v, --version", "-platform"})
                QVERIFY2(a->text.contains(QLatin1String(option)), option);
    }

    // The program itself on a machine without any display: it answers, or
    // refuses its command line, before Qt would look for one; what it lets
    // through reaches Qt (which then finds no display).
    void ohneAnzeige_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("sprache");  // LANGUAGE
        QTest::addColumn<int>("ende");         // -1: Qt's start, which fails without a display
        QTest::addColumn<QString>("ausgabe");  // standard output, or what standard error begins with
        QTest::newRow("--version") << QStringList{"--version"} << "" << 0 << Version;
        QTest::newRow("--help") << QStringList{"--help"} << "" << 0 << Hilfe;
        QTest::newRow("--bogus") << QStringList{"--bogus"} << "" << 2 << unbekannt("--bogus");
        QTest::newRow("--verison") << QStringList{"--verison"} << "" << 2 << unbekannt("--verison");
        QTest::newRow("--bogus, German") << QStringList{"--bogus"} << "de" << 2
                                         << QStringLiteral("quorvel: unbekannte Option „--bogus“ (siehe „quorvel --help“)\n");
        QTest::newRow("--help, German") << QStringList{"--help"} << "de:en" << 0
                                        << QStringLiteral("Aufruf: quorvel [Optionen]\n");
        // the environment asks for offscreen; the option wins, so Qt tries X11
        QTest::newRow("-platform xcb") << QStringList{"-platform", "xcb"} << "" << -1 << QString();
        QTest::newRow("no option") << QStringList{} << "" << -1 << QString();
    }

    void ohneAnzeige()
    {
        QFETCH(QStringList, argumente);
        QFETCH(QString, sprache);
        QFETCH(int, ende);
        QFETCH(QString, ausgabe);
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.remove(QStringLiteral("DISPLAY"));
        umgebung.remove(QStringLiteral("WAYLAND_DISPLAY"));
        umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), argumente.isEmpty() ? "xcb" : "offscreen");
        umgebung.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        if (sprache.isEmpty())
            umgebung.remove(QStringLiteral("LANGUAGE"));
        else
            umgebung.insert(QStringLiteral("LANGUAGE"), sprache);
        QProcess programm;
        programm.setProcessEnvironment(umgebung);
        programm.start(QStringLiteral(QUORVEL_PROGRAMM), argumente);
        QVERIFY(programm.waitForFinished(30000));
        const QString aus = QString::fromUtf8(programm.readAllStandardOutput());
        const QString fehler = QString::fromUtf8(programm.readAllStandardError());
        if (ende == -1) {
            // Qt's own message, none of the command line's
            QVERIFY2(fehler.contains(QLatin1String("could not connect to display")), qPrintable(fehler));
            QVERIFY2(!fehler.contains(QLatin1String("quorvel:")), qPrintable(fehler));
            return;
        }
        QCOMPARE(programm.exitStatus(), QProcess::NormalExit);
        QCOMPARE(programm.exitCode(), ende);
        if (ende == 0) {
            QCOMPARE(fehler, QString());
            QVERIFY2(aus.startsWith(ausgabe), qPrintable(aus));
            if (argumente.first() == QLatin1String("--version"))
                QCOMPARE(aus, ausgabe);
        } else {
            QCOMPARE(aus, QString());
            QCOMPARE(fehler, ausgabe);
        }
    }

    // The program tells the desktop the id its desktop entry is named after.
    void desktopkennung()
    {
        Programm::benennen();
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(PROJEKTVERSION));
        const QString kennung = QGuiApplication::desktopFileName();
        QVERIFY(QFile::exists(QStringLiteral(QUORVEL_QUELLEN "/packaging/") + kennung + QStringLiteral(".desktop")));
    }
};

QTEST_GUILESS_MAIN(TestKommandozeile)
#include "test_kommandozeile.moc"

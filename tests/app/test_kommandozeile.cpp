// The command line: --help and --version answered without a display, every
// other argument left to Qt.
#include "app/Kommandozeile.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

class TestKommandozeile : public QObject
{
    Q_OBJECT

private slots:
    void antwort_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("beginn");  // empty: the program starts

        QTest::newRow("no arguments") << QStringList{} << QString();
        QTest::newRow("Qt platform") << QStringList{"-platform", "offscreen"} << QString();
        // read as bundled letters, -reverse would contain -v
        QTest::newRow("Qt style, reverse") << QStringList{"-style", "fusion", "-reverse"} << QString();
        QTest::newRow("Qt option with =") << QStringList{"-style=fusion"} << QString();
        QTest::newRow("unknown option") << QStringList{"--frobnicate", "datei"} << QString();
        QTest::newRow("after --") << QStringList{"--", "--version"} << QString();

        const QString version = QStringLiteral("Quorvel " PROJEKTVERSION "\n");
        QTest::newRow("--version") << QStringList{"--version"} << version;
        QTest::newRow("-v") << QStringList{"-v"} << version;
        QTest::newRow("-version") << QStringList{"-version"} << version;
        QTest::newRow("version after Qt option") << QStringList{"-platform", "offscreen", "--version"} << version;
        QTest::newRow("version before help") << QStringList{"--help", "--version"} << version;
        QTest::newRow("--help") << QStringList{"--help"} << "Usage: quorvel [options]\n";
        QTest::newRow("-h") << QStringList{"-h"} << "Usage: quorvel [options]\n";
    }

    void antwort()
    {
        QFETCH(QStringList, argumente);
        QFETCH(QString, beginn);
        argumente.prepend(QStringLiteral("/usr/bin/quorvel"));
        const std::optional<QString> text = Kommandozeile::antwort(argumente);
        QCOMPARE(text.has_value(), !beginn.isEmpty());
        if (!text)
            return;
        QVERIFY2(text->startsWith(beginn), qPrintable(*text));
        if (beginn.startsWith(QStringLiteral("Usage")))
            for (const char* option : {"-h, --help", "-v, --version", "-platform"})
                QVERIFY2(text->contains(QLatin1String(option)), option);
    }

    // The program itself on a machine without any display: it answers and
    // ends with exit code 0 before Qt would look for one.
    void ohneAnzeige_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("beginn");
        QTest::newRow("--version") << "--version" << "Quorvel " PROJEKTVERSION "\n";
        QTest::newRow("--help") << "--help" << "Usage: quorvel [options]\n";
    }

    void ohneAnzeige()
    {
        QFETCH(QString, option);
        QFETCH(QString, beginn);
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.remove(QStringLiteral("DISPLAY"));
        umgebung.remove(QStringLiteral("WAYLAND_DISPLAY"));
        umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        QProcess programm;
        programm.setProcessEnvironment(umgebung);
        programm.start(QStringLiteral(QUORVEL_PROGRAMM), {option});
        QVERIFY(programm.waitForFinished(30000));
        QCOMPARE(programm.exitStatus(), QProcess::NormalExit);
        QCOMPARE(programm.exitCode(), 0);
        QCOMPARE(QString::fromLocal8Bit(programm.readAllStandardError()), QString());
        const QString ausgabe = QString::fromLocal8Bit(programm.readAllStandardOutput());
        QVERIFY2(ausgabe.startsWith(beginn), qPrintable(ausgabe));
        if (option == QLatin1String("--version"))
            QCOMPARE(ausgabe, beginn);
    }
};

QTEST_GUILESS_MAIN(TestKommandozeile)
#include "test_kommandozeile.moc"

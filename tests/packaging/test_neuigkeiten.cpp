// The changelog NEWS.md read into releases, and what the package makes of
// them: the Debian changelog and the AppStream release notes.
#include "Neuigkeiten.h"

#include <QtTest>

namespace {
// A release in one line: "version date | p:paragraph | l:item;item".
QString kurz(const QList<Neuigkeiten::Fassung>& fassungen)
{
    QStringList r;
    for (const Neuigkeiten::Fassung& f : fassungen) {
        QString s = f.version + QLatin1Char(' ') + f.datum.toString(Qt::ISODate);
        for (const Neuigkeiten::Block& b : f.bloecke)
            s += (b.liste ? QStringLiteral(" | l:") : QStringLiteral(" | p:")) + b.teile.join(QLatin1Char(';'));
        r << s;
    }
    return r.join(QStringLiteral(" || "));
}

const QString Zwei = QStringLiteral(
    "# What changed\n"
    "\n"
    "A note above the releases.\n"
    "\n"
    "## 1.3 (2026-12-09)\n"
    "\n"
    "Two lines\n"
    "of one paragraph.\n"
    "\n"
    "- an item,\n"
    "  continued\n"
    "- run `quorvel --help`\n"
    "\n"
    "## 1.2 (2026-12-08)\n"
    "\n"
    "- first\n");
}  // namespace

class TestNeuigkeiten : public QObject
{
    Q_OBJECT

private slots:
    void lesen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fassungen");  // as kurz() writes them
        QTest::addColumn<QString>("fehler");     // what the reason contains

        QTest::newRow("two releases") << Zwei
                                      << "1.3 2026-12-09 | p:Two lines of one paragraph. | l:an item, continued;"
                                         "run quorvel --help || 1.2 2026-12-08 | l:first"
                                      << QString();
        QTest::newRow("same day") << "## 2.0 (2026-12-09)\nA.\n## 1.9 (2026-12-09)\nB.\n"
                                  << "2.0 2026-12-09 | p:A. || 1.9 2026-12-09 | p:B." << QString();
        QTest::newRow("heading without date") << "## 1.3\n\nText.\n" << QString() << "line 1";
        QTest::newRow("sub-heading") << "## 1.3 (2026-12-09)\n\n### Fixes\n- a\n" << QString() << "line 3";
        QTest::newRow("no such day") << "## 1.3 (2026-02-30)\nText.\n" << QString() << "2026-02-30";
        QTest::newRow("older one dated later") << "## 1.3 (2026-12-08)\nA.\n## 1.2 (2026-12-09)\nB.\n"
                                               << QString() << "1.2 is dated after";
        QTest::newRow("empty release") << "## 1.3 (2026-12-09)\n\n## 1.2 (2026-12-08)\nB.\n" << QString()
                                       << "1.3 says nothing";
        QTest::newRow("twice") << "## 1.3 (2026-12-09)\nA.\n## 1.3 (2026-12-08)\nB.\n" << QString()
                               << "1.3 appears twice";
        QTest::newRow("no release") << "# What changed\n\nNothing yet.\n" << QString() << "no release";
    }

    void lesen()
    {
        QFETCH(QString, text);
        QFETCH(QString, fassungen);
        QFETCH(QString, fehler);
        QString grund;
        const QList<Neuigkeiten::Fassung> gelesen = Neuigkeiten::lesen(text, &grund);
        QCOMPARE(kurz(gelesen), fassungen);
        QVERIFY2(fehler.isEmpty() ? grund.isEmpty() : grund.contains(fehler), qPrintable(grund));
    }

    void debianChangelog()
    {
        const QString lang = QStringLiteral(
            "A reconstruction lab in the sinogram window: the readings of a scan grow row by row beside the "
            "pattern, and from them you reconstruct the picture yourself.");
        // with a word more on the first line, it would be 81 characters long
        const QString knapp = QStringLiteral(
            "A reconstruction lab in the sinogram window: the readings of a scan grow, row by row.");
        const QList<Neuigkeiten::Fassung> f = Neuigkeiten::lesen(
            QStringLiteral("## 1.3 (2026-12-09)\n\nShort.\n\n- ") + lang + QStringLiteral("\n- ") + knapp
                + QStringLiteral("\n"),
            nullptr);
        const QString c = Neuigkeiten::debianChangelog(f, QStringLiteral("quorvel"),
                                                       QStringLiteral("Team <team@example.org>"));
        QCOMPARE(c, QStringLiteral(
                        "quorvel (1.3) unstable; urgency=medium\n"
                        "\n"
                        "  Short.\n"
                        "\n"
                        "  * A reconstruction lab in the sinogram window: the readings of a scan grow row\n"
                        "    by row beside the pattern, and from them you reconstruct the picture\n"
                        "    yourself.\n"
                        "  * A reconstruction lab in the sinogram window: the readings of a scan grow,\n"
                        "    row by row.\n"
                        "\n"
                        " -- Team <team@example.org>  Wed, 09 Dec 2026 12:00:00 +0000\n"));
        for (const QString& zeile : c.split(QLatin1Char('\n')))
            QVERIFY2(zeile.size() <= 80, qPrintable(zeile));
        // two entries: one blank line between them
        const QString zwei = Neuigkeiten::debianChangelog(Neuigkeiten::lesen(Zwei, nullptr), QStringLiteral("q"),
                                                          QStringLiteral("T <t@example.org>"));
        QVERIFY2(zwei.contains(QLatin1String("+0000\n\nq (1.2) unstable")), qPrintable(zwei));
        QVERIFY(zwei.endsWith(QLatin1String(" -- T <t@example.org>  Tue, 08 Dec 2026 12:00:00 +0000\n")));
    }

    void appstreamReleases()
    {
        const QList<Neuigkeiten::Fassung> f = Neuigkeiten::lesen(
            QStringLiteral("## 1.3 (2026-12-09)\nPictures & <noise>.\n\n- one\n- two\n"), nullptr);
        QCOMPARE(Neuigkeiten::appstreamReleases(f, QStringLiteral("  ")),
                 QStringLiteral("  <releases>\n"
                                "    <release version=\"1.3\" date=\"2026-12-09\">\n"
                                "      <description>\n"
                                "        <p>Pictures &amp; &lt;noise&gt;.</p>\n"
                                "        <ul>\n"
                                "          <li>one</li>\n"
                                "          <li>two</li>\n"
                                "        </ul>\n"
                                "      </description>\n"
                                "    </release>\n"
                                "  </releases>\n"));
    }
};

QTEST_GUILESS_MAIN(TestNeuigkeiten)
#include "test_neuigkeiten.moc"

#include "Neuigkeiten.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <QTimeZone>

namespace Neuigkeiten {

namespace {

constexpr int Zeilenbreite = 80;

// The words of a text on lines of at most Zeilenbreite characters, the first
// behind `erster`, the others behind `weitere` (a word longer than a line
// stands alone on its line).
QString umbrechen(const QString& text, const QString& erster, const QString& weitere)
{
    QString ergebnis;
    QString zeile = erster;
    bool leer = true;
    for (const QString& wort : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!leer && zeile.size() + 1 + wort.size() > Zeilenbreite) {
            ergebnis += zeile + QLatin1Char('\n');
            zeile = weitere;
            leer = true;
        }
        if (!leer)
            zeile += QLatin1Char(' ');
        zeile += wort;
        leer = false;
    }
    return ergebnis + zeile + QLatin1Char('\n');
}

QString fehlerZeile(int nummer, const QString& text)
{
    return QStringLiteral("line %1: %2").arg(nummer).arg(text);
}

}  // namespace

QList<Fassung> lesen(const QString& text, QString* fehler)
{
    static const QRegularExpression kopf(QStringLiteral("^## (\\S+) \\((\\d{4}-\\d{2}-\\d{2})\\)$"));
    QList<Fassung> fassungen;
    QString grund;
    bool blockOffen = false;
    const QStringList zeilen = text.split(QLatin1Char('\n'));
    for (int i = 0; i < zeilen.size() && grund.isEmpty(); ++i) {
        QString zeile = zeilen[i];
        while (zeile.endsWith(QLatin1Char(' ')) || zeile.endsWith(QLatin1Char('\r')) || zeile.endsWith(QLatin1Char('\t')))
            zeile.chop(1);
        const int nummer = i + 1;
        if (zeile.startsWith(QLatin1Char('#'))) {
            const QRegularExpressionMatch m = kopf.match(zeile);
            if (!m.hasMatch()) {
                // A title above the first release is no release's heading.
                if (fassungen.isEmpty() && zeile.startsWith(QLatin1String("# ")))
                    continue;
                grund = fehlerZeile(nummer, QStringLiteral("a release's heading reads '## <version> (<year-month-day>)'"));
                break;
            }
            const QDate datum = QDate::fromString(m.captured(2), Qt::ISODate);
            if (!datum.isValid()) {
                grund = fehlerZeile(nummer, QStringLiteral("no such day: ") + m.captured(2));
                break;
            }
            fassungen.append(Fassung{m.captured(1), datum, {}});
            blockOffen = false;
            continue;
        }
        if (fassungen.isEmpty())
            continue;
        QList<Block>& bloecke = fassungen.last().bloecke;
        const QString inhalt = zeile.simplified().remove(QLatin1Char('`'));
        if (inhalt.isEmpty()) {
            blockOffen = false;
        } else if (zeile.startsWith(QLatin1String("- "))) {
            if (!blockOffen || !bloecke.last().liste)
                bloecke.append(Block{true, {}});
            bloecke.last().teile.append(inhalt.mid(2));
            blockOffen = true;
        } else if (blockOffen) {
            // an indented line continues its item; any other line its paragraph
            bloecke.last().teile.last() += QLatin1Char(' ') + inhalt;
        } else {
            bloecke.append(Block{false, {inhalt}});
            blockOffen = true;
        }
    }
    if (grund.isEmpty() && fassungen.isEmpty())
        grund = QStringLiteral("no release: a release begins with '## <version> (<year-month-day>)'");
    for (qsizetype k = 0; k < fassungen.size() && grund.isEmpty(); ++k) {
        if (fassungen[k].bloecke.isEmpty())
            grund = QStringLiteral("release %1 says nothing").arg(fassungen[k].version);
        else if (k > 0 && fassungen[k].datum > fassungen[k - 1].datum)
            grund = QStringLiteral("release %1 is dated after the release above it").arg(fassungen[k].version);
        for (qsizetype j = 0; j < k && grund.isEmpty(); ++j)
            if (fassungen[j].version == fassungen[k].version)
                grund = QStringLiteral("release %1 appears twice").arg(fassungen[k].version);
    }
    if (fehler)
        *fehler = grund;
    return grund.isEmpty() ? fassungen : QList<Fassung>();
}

QString debianChangelog(const QList<Fassung>& fassungen, const QString& paket, const QString& betreuer)
{
    QStringList eintraege;
    for (const Fassung& f : fassungen) {
        QString e = QStringLiteral("%1 (%2) unstable; urgency=medium\n\n").arg(paket, f.version);
        QStringList absaetze;
        for (const Block& b : f.bloecke) {
            QString absatz;
            for (const QString& teil : b.teile)
                absatz += b.liste ? umbrechen(teil, QStringLiteral("  * "), QStringLiteral("    "))
                                  : umbrechen(teil, QStringLiteral("  "), QStringLiteral("  "));
            absaetze << absatz;
        }
        e += absaetze.join(QLatin1Char('\n'));
        const QDateTime mittag(f.datum, QTime(12, 0), QTimeZone::utc());
        e += QStringLiteral("\n -- %1  %2\n")
                 .arg(betreuer, QLocale::c().toString(mittag, QStringLiteral("ddd, dd MMM yyyy hh:mm:ss +0000")));
        eintraege << e;
    }
    return eintraege.join(QLatin1Char('\n'));
}

QString appstreamReleases(const QList<Fassung>& fassungen, const QString& einzug)
{
    QString x = einzug + QStringLiteral("<releases>\n");
    for (const Fassung& f : fassungen) {
        x += einzug + QStringLiteral("  <release version=\"%1\" date=\"%2\">\n")
                          .arg(f.version.toHtmlEscaped(), f.datum.toString(Qt::ISODate));
        x += einzug + QStringLiteral("    <description>\n");
        for (const Block& b : f.bloecke) {
            if (b.liste)
                x += einzug + QStringLiteral("      <ul>\n");
            for (const QString& teil : b.teile)
                x += einzug + (b.liste ? QStringLiteral("        <li>%1</li>\n") : QStringLiteral("      <p>%1</p>\n"))
                                  .arg(teil.toHtmlEscaped());
            if (b.liste)
                x += einzug + QStringLiteral("      </ul>\n");
        }
        x += einzug + QStringLiteral("    </description>\n");
        x += einzug + QStringLiteral("  </release>\n");
    }
    return x + einzug + QStringLiteral("</releases>\n");
}

}  // namespace Neuigkeiten

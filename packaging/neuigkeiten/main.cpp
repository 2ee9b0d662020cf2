// Makes the package's changelog and the AppStream data's release notes from
// NEWS.md, at build time:
//   neuigkeiten changelog <NEWS.md> <package> <maintainer> <out>
//       the Debian changelog
//   neuigkeiten appstream <NEWS.md> <metainfo template> <out>
//       the template with its line <releases/> replaced by every release
// Ends with status 1 and a message when NEWS.md breaks its form.
#include "Neuigkeiten.h"

#include <QFile>
#include <QStringList>

#include <cstdio>

namespace {
QString lesen(const QString& pfad, bool* gut)
{
    QFile f(pfad);
    *gut = f.open(QIODevice::ReadOnly);
    return *gut ? QString::fromUtf8(f.readAll()) : QString();
}

bool schreiben(const QString& pfad, const QString& text)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text.toUtf8()) >= 0 && f.flush();
}

int fehler(const QString& text)
{
    std::fprintf(stderr, "neuigkeiten: %s\n", qPrintable(text));
    return 1;
}
}  // namespace

int main(int argc, char* argv[])
{
    QStringList a;
    for (int i = 1; i < argc; ++i)
        a << QString::fromLocal8Bit(argv[i]);
    const bool changelog = a.size() == 5 && a[0] == QLatin1String("changelog");
    const bool appstream = a.size() == 4 && a[0] == QLatin1String("appstream");
    if (!changelog && !appstream)
        return fehler(QStringLiteral("usage: neuigkeiten changelog <NEWS.md> <package> <maintainer> <out> | "
                                     "neuigkeiten appstream <NEWS.md> <template> <out>"));
    bool gut = false;
    const QString news = lesen(a[1], &gut);
    if (!gut)
        return fehler(QStringLiteral("cannot read ") + a[1]);
    QString grund;
    const QList<Neuigkeiten::Fassung> fassungen = Neuigkeiten::lesen(news, &grund);
    if (!grund.isEmpty())
        return fehler(a[1] + QStringLiteral(", ") + grund);

    QString text;
    if (changelog) {
        text = Neuigkeiten::debianChangelog(fassungen, a[2], a[3]);
    } else {
        const QStringList zeilen = lesen(a[2], &gut).split(QLatin1Char('\n'));
        if (!gut)
            return fehler(QStringLiteral("cannot read ") + a[2]);
        bool ersetzt = false;
        for (qsizetype i = 0; i < zeilen.size(); ++i) {
            const QString& z = zeilen[i];
            if (z.trimmed() == QLatin1String("<releases/>")) {
                text += Neuigkeiten::appstreamReleases(fassungen, z.left(z.indexOf(QLatin1Char('<'))));
                ersetzt = true;
            } else {
                text += z + (i + 1 < zeilen.size() ? QStringLiteral("\n") : QString());
            }
        }
        if (!ersetzt)
            return fehler(a[2] + QStringLiteral(" has no line <releases/>"));
    }
    return schreiben(a.last(), text) ? 0 : fehler(QStringLiteral("cannot write ") + a.last());
}

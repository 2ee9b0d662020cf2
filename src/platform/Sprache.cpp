#include "platform/Sprache.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace Sprache {

namespace {
Ausgabe& gewaehlt()
{
    static Ausgabe a = Ausgabe::Entwurf;
    return a;
}

// The installed translators: the program's and Qt's own.
std::unique_ptr<QTranslator>& programm()
{
    static std::unique_ptr<QTranslator> t;
    return t;
}

std::unique_ptr<QTranslator>& qtEigene()
{
    static std::unique_ptr<QTranslator> t;
    return t;
}

QString kuerzel(Ausgabe a)
{
    switch (a) {
    case Ausgabe::Englisch:
        return QStringLiteral("en");
    case Ausgabe::Deutsch:
        return QStringLiteral("de");
    case Ausgabe::Entwurf:
        break;
    }
    return {};
}

void entfernen(std::unique_ptr<QTranslator>& t)
{
    if (t)
        QCoreApplication::removeTranslator(t.get());
    t.reset();
}

std::unique_ptr<QTranslator> laden(const QString& datei, const QString& ordner)
{
    auto t = std::make_unique<QTranslator>();
    if (!t->load(datei, ordner) || !QCoreApplication::installTranslator(t.get()))
        return nullptr;
    return t;
}
}  // namespace

Ausgabe waehlen(const QStringList& sprachen)
{
    for (const QString& s : sprachen) {
        const QString sprache = s.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (sprache == QLatin1String("c") || sprache == QLatin1String("posix"))
            return Ausgabe::Entwurf;
        if (sprache == QLatin1String("de"))
            return Ausgabe::Deutsch;
        if (sprache == QLatin1String("en"))
            return Ausgabe::Englisch;
    }
    return Ausgabe::Englisch;
}

void einrichten()
{
    setzen(waehlen(QLocale::system().uiLanguages()));
}

void setzen(Ausgabe ausgabe)
{
    entfernen(programm());
    entfernen(qtEigene());
    gewaehlt() = ausgabe;
    const QString k = kuerzel(ausgabe);
    if (k.isEmpty())
        return;
    programm() = laden(QStringLiteral("quorvel_") + k, QStringLiteral(":/i18n"));
    // Qt's own texts (OK, Abort, Ignore ...) are English already.
    if (ausgabe == Ausgabe::Deutsch)
        qtEigene() = laden(QStringLiteral("qtbase_") + k, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

Ausgabe ausgabe()
{
    return gewaehlt();
}

QLocale zahlen()
{
    return gewaehlt() == Ausgabe::Deutsch ? QLocale(QLocale::German, QLocale::Germany)
                                          : QLocale(QLocale::English, QLocale::UnitedStates);
}

QString datei(const QString& pfad)
{
    const QString k = kuerzel(gewaehlt());
    if (k.isEmpty())
        return pfad;
    const int schnitt = int(pfad.lastIndexOf(QLatin1Char('/')));
    const QString eigene = pfad.left(schnitt + 1) + k + QLatin1Char('/') + pfad.mid(schnitt + 1);
    return QFile::exists(eigene) ? eigene : pfad;
}

}  // namespace Sprache

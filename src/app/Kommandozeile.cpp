#include "app/Kommandozeile.h"

#include "app/Version.h"
#include "platform/Sprache.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace Kommandozeile {

namespace {

// The options QApplication, QGuiApplication and the platform plugins take
// themselves (as their documentation lists them), and whether they take a
// value. They are passed on to Qt untouched.
struct QtOption
{
    const char* name;
    bool wert;
};
constexpr QtOption qtOptionen[] = {
    {"platform", true},     {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qmljsdebugger", true}, {"qwindowgeometry", true},   {"geometry", true},      {"qwindowicon", true},
    {"icon", true},         {"qwindowtitle", true},       {"title", true},         {"session", true},
    {"style", true},        {"stylesheet", true},         {"display", true},       {"name", true},
    {"visual", true},       {"reverse", false},           {"testability", false},  {"widgetcount", false},
    {"nograb", false},      {"dograb", false},
};

QString uebersetzt(const char* text)
{
    return QCoreApplication::translate("Kommandozeile", text);
}

// An option as it was written, without its value, for the name the parser
// gives it ("--verison" for "verison", "-stile" for "stile" of "-stile=x").
QString geschrieben(const QStringList& argumente, const QString& name)
{
    for (qsizetype i = 1; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (a == QLatin1String("--"))
            break;
        QString ohne = a;
        while (ohne.startsWith(QLatin1Char('-')))
            ohne.remove(0, 1);
        if (ohne.section(QLatin1Char('='), 0, 0) == name)
            return a.section(QLatin1Char('='), 0, 0);
    }
    return QLatin1Char('-') + name;
}

}  // namespace

std::optional<Antwort> antwort(const QStringList& argumente)
{
    const QString programm = QFileInfo(argumente.value(0, QStringLiteral("quorvel"))).fileName();
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "Kommandozeile", "A course on image reconstruction in computed tomography, with a scan simulator.\n"
                         "Qt's own options, such as -platform or -style, are passed on to Qt."));
    // Qt's options are single words after one dash ("-reverse"); read as
    // bundled letters they would contain -v and -h.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption hilfe({QStringLiteral("h"), QStringLiteral("help")},
                                   QCoreApplication::translate("Kommandozeile", "Displays this help."));
    parser.addOption(hilfe);
    const QCommandLineOption version = parser.addVersionOption();
    for (const QtOption& o : qtOptionen) {
        QCommandLineOption q(QString::fromLatin1(o.name), QString(),
                             o.wert ? QStringLiteral("value") : QString());
        q.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(q);
    }

    const auto fehler = [&programm](const char* text, const QString& wort) {
        return Antwort{2, uebersetzt(text).arg(programm, wort) + QLatin1Char('\n')};
    };
    if (!parser.parse(argumente)) {
        const QStringList unbekannt = parser.unknownOptionNames();
        if (!unbekannt.isEmpty())
            return fehler(QT_TRANSLATE_NOOP("Kommandozeile", "%1: unknown option '%2' (try '%1 --help')"),
                          geschrieben(argumente, unbekannt.first()));
        // The one other way to fail: an option of Qt's without its value.
        // The parser's own message names it.
        return Antwort{2, programm + QStringLiteral(": ") + parser.errorText() + QLatin1Char('\n')};
    }
    if (!parser.positionalArguments().isEmpty())
        return fehler(QT_TRANSLATE_NOOP("Kommandozeile", "%1: unexpected argument '%2' (try '%1 --help')"),
                      parser.positionalArguments().first());

    if (parser.isSet(version))
        return Antwort{0, QStringLiteral("Quorvel " QUORVEL_VERSION "\n")};
    if (parser.isSet(hilfe)) {
        // The usage line names the program as it was called; Qt would take
        // that name from an application object, which may not be there.
        QString text = parser.helpText();
        return Antwort{0, text.replace(0, text.indexOf(QLatin1Char('\n')),
                                       QCoreApplication::translate("Kommandozeile", "Usage: %1 [options]")
                                           .arg(programm))};
    }
    return std::nullopt;
}

std::optional<int> behandeln(int argc, char* argv[])
{
    QStringList argumente;
    for (int i = 0; i < argc; ++i)
        argumente << QString::fromLocal8Bit(argv[i]);
    if (!antwort(argumente))
        return std::nullopt;

    // Something to print: in the desktop's language, through a core
    // application that needs no display and is gone before main returns.
    int kernArgc = 1;
    QCoreApplication kern(kernArgc, argv);
    Sprache::einrichten();
    const Antwort a = *antwort(argumente);
    Sprache::setzen(Sprache::Ausgabe::Entwurf);
    std::FILE* ziel = a.ende == 0 ? stdout : stderr;
    std::fputs(a.text.toLocal8Bit().constData(), ziel);
    return std::fflush(ziel) == 0 ? a.ende : 1;
}

}  // namespace Kommandozeile

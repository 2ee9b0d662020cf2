#include "app/Kommandozeile.h"

#include "app/Version.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

namespace Kommandozeile {

std::optional<QString> antwort(const QStringList& argumente)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A course on image reconstruction in computed tomography, with a scan simulator.\n"
                       "Qt's own options, such as -platform or -style, are passed on to Qt."));
    // Qt's options are single words after one dash ("-reverse"); read as
    // bundled letters they would contain -v and -h.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption hilfe({QStringLiteral("h"), QStringLiteral("help")},
                                   QStringLiteral("Displays this help."));
    parser.addOption(hilfe);
    const QCommandLineOption version = parser.addVersionOption();
    // Unknown options are Qt's or nobody's: not an error here.
    parser.parse(argumente);

    if (parser.isSet(version))
        return QStringLiteral("Quorvel " QUORVEL_VERSION "\n");
    if (parser.isSet(hilfe)) {
        // The usage line names the program as it was called; Qt would take
        // that name from an application object, and there is none yet.
        const QString name = QFileInfo(argumente.value(0, QStringLiteral("quorvel"))).fileName();
        QString text = parser.helpText();
        return text.replace(0, text.indexOf(QLatin1Char('\n')), QStringLiteral("Usage: %1 [options]").arg(name));
    }
    return std::nullopt;
}

std::optional<int> behandeln(int argc, char* argv[])
{
    QStringList argumente;
    for (int i = 0; i < argc; ++i)
        argumente << QString::fromLocal8Bit(argv[i]);
    const std::optional<QString> text = antwort(argumente);
    if (!text)
        return std::nullopt;
    std::fputs(text->toLocal8Bit().constData(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace Kommandozeile

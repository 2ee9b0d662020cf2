#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The program's own command line: --help and --version. Every other argument
// (Qt's own, such as -platform offscreen or -style fusion, and anything
// unknown) is left to QApplication, as before.
namespace Kommandozeile {

// The text to print when the arguments (the program's name first) ask for
// help or the version; nothing when the program is to start.
std::optional<QString> antwort(const QStringList& argumente);

// Prints the answer on standard output and gives main its exit code, or
// nothing when the program is to start. Needs no application object and so
// no display: main calls it first.
std::optional<int> behandeln(int argc, char* argv[]);

}  // namespace Kommandozeile

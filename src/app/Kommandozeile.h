#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The program's own command line: --help and --version, and Qt's own options
// (-platform offscreen, -style fusion, -reverse, ...), which are left to
// QApplication. Anything else (an unknown option, a missing value, an
// argument the program does not take) ends the program with one line on
// standard error and exit status 2, before anything needs a display.
namespace Kommandozeile {

// What main does with the command line when it does not start the program.
struct Antwort
{
    // The exit status: 0 for --help and --version, 2 for a wrong command line.
    int ende = 0;
    // Printed on standard output (status 0) or standard error (status 2).
    QString text;
};

// The answer to the arguments (the program's name first), in the edition
// installed now; nothing when the program is to start.
std::optional<Antwort> antwort(const QStringList& argumente);

// Prints the answer and gives main its exit status, or nothing when the
// program is to start. Needs no display: main calls it first. Where there is
// something to print, a short-lived core application carries the edition the
// desktop's languages ask for.
std::optional<int> behandeln(int argc, char* argv[]);

}  // namespace Kommandozeile

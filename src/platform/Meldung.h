#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Message boxes: errors with "OK" and confirmations with "Abort" and "Ignore".
// Tests install an answerer that sees every box (kind and text) and answers
// it without showing anything.
namespace Meldung {

enum class Art { Fehler, Bestaetigung };
enum class Antwort { OK, Abbrechen, Ignorieren };

// Joins the lines of a message: every line after the first starts on a new
// line (carriage return and line feed between them).
QString zeilen(const QStringList& zeilen);

Antwort fehler(const QString& text);
Antwort bestaetigung(const QString& text);

using Beantworter = std::function<Antwort(Art, const QString& text)>;
// An empty answerer restores the real boxes.
void setzeBeantworter(Beantworter beantworter);

}  // namespace Meldung

#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The editions of the program. The texts in the code are the designed ones
// (English window texts, German texts set at run time); they are shown as
// they stand where no language is chosen (the C or POSIX locale). The English
// edition shows everything in English, the German one everything in German,
// through Qt's translations and each edition's own copies of long texts and
// pictures.
namespace Sprache {

enum class Ausgabe { Entwurf, Englisch, Deutsch };

// The edition for a desktop's language list, as QLocale::uiLanguages() gives
// it: the first of German or English in the list wins; a C or POSIX locale
// gives the designed texts; a list with neither gets the English edition.
Ausgabe waehlen(const QStringList& sprachen);

// Chooses the edition from the desktop's languages and installs it.
void einrichten();
// Installs an edition: the program's translations and Qt's own (standard
// buttons and dialogs). Windows made afterwards show it.
void setzen(Ausgabe ausgabe);
Ausgabe ausgabe();
// How the edition writes the numbers it works out while it runs: "0,25" and
// "10.000" in German, "0.25" and "10,000" in the English windows.
QLocale zahlen();

// The edition's own copy of a resource (":/pages/texte/x.txt" is
// ":/pages/texte/de/x.txt" in the German edition) where it has one, else the
// designed file.
QString datei(const QString& pfad);

}  // namespace Sprache

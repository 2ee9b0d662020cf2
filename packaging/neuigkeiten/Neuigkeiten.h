#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The changelog NEWS.md and what the package makes of it: the Debian
// changelog and the release notes of the AppStream data.
//
// NEWS.md holds one section per release, newest first:
//
//   ## 1.3 (2026-12-09)
//
//   A paragraph, on as many lines as it needs.
//
//   - a list item,
//     continued on indented lines
//   - the next item
//
// Lines before the first section (a title, a note) are not part of any
// release; backticks around a word are dropped.
namespace Neuigkeiten {

// A paragraph (one part) or a list (one part per item), each part on one line.
struct Block
{
    bool liste = false;
    QStringList teile;
};

struct Fassung
{
    QString version;
    QDate datum;
    QList<Block> bloecke;
};

// The releases of a NEWS.md text, newest first. Where the text breaks the
// form (a section heading without its version and date, a section without
// text, dates that do not go back in time, no section at all), nothing, and
// the reason in `fehler`.
QList<Fassung> lesen(const QString& text, QString* fehler);

// The Debian changelog: one entry per release, distribution "unstable",
// lines of at most 80 characters, dated at noon UTC of the release's day.
QString debianChangelog(const QList<Fassung>& fassungen, const QString& paket, const QString& betreuer);

// The AppStream <releases> element, every line indented by `einzug`.
QString appstreamReleases(const QList<Fassung>& fassungen, const QString& einzug);

}  // namespace Neuigkeiten

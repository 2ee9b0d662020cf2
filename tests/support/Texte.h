#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QString>

class QWidget;

// The texts the windows show, read from their controls: labels, buttons,
// group box titles, tabs, menus and their items, window captions, tooltips,
// status panels, panels' captions, the read-only fields and long texts.
namespace Texte {

struct Fundstelle
{
    QString ort;        // window/control path and what it is
    QString text;
    QWidget* element = nullptr;
    // Where the control draws the text and with which font (empty where the
    // text is not drawn in a box of its own: tooltips, captions, menus).
    QRect feld;
    QFont schrift;
    bool einzeilig = true;  // a one-line text that must fit its box
};

// Every text of every window of the set.
QList<Fundstelle> alle();

}  // namespace Texte

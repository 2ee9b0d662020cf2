#pragma once

#include <QString>

class QMenu;
class QAction;

// "About Quorvel" and "About Qt", the last items of the "?" menus of the main
// window and the simulator. The About box names the program, its version, what
// it is, its licence and the Qt it runs on; it is a modal dialog over the main
// window, as the program's message boxes are.
namespace Ueber {

// The items' texts in the installed edition.
QString quorvelEintrag();
QString qtEintrag();

// The About box's text (rich text) in the installed edition.
QString quorvelText();

// Show the boxes and return when they are closed.
void quorvelZeigen();
void qtZeigen();

}  // namespace Ueber

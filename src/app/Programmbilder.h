#pragma once

#include <QImage>

// Pictures the program computes from its head phantom, shared by several
// windows: the start, info and heads windows show the cross-section; the
// reading pages and the answer dialogs show the X-ray.
namespace Programmbilder {

// A CT cross-section through the head at the level of the ventricles, in the
// brain window (centre 35 HU, width 90 HU).
QImage kopfschnitt(int breite, int hoehe);
// A side X-ray of the head ("Kopf"): skull, face, jaw and spine light on the
// dark film, soft tissue in gray.
QImage kopfRoentgen(int breite, int hoehe);

}  // namespace Programmbilder

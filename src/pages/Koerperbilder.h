#pragma once

#include <QImage>

// The CT-like and X-ray pictures of the reading pages and the reference
// windows, computed from the attenuation phantoms with the same windowing
// arithmetic the course teaches.
namespace Koerperbilder {

// Each picture is computed on its first request and kept for the run of the
// program.

// The X-ray of a hand (a projection of the hand phantom).
QImage handRoentgen(int breite, int hoehe);
// The side X-ray of the head that the start and answer windows share.
QImage kopfRoentgen(int breite, int hoehe);
// The chest slice through a gray-scale window (centre and width in HU).
QImage lunge(int breite, int hoehe, double zentrum, double fensterbreite);
// The head as a scanner of 1974 showed it: a coarse matrix, grainy and with
// little contrast between gray and white matter.
QImage kopf1974(int breite, int hoehe);
// Three small views of the head slice side by side: as measured (with
// grain), smoothed by a low-pass filter, and its edges by a Laplace filter.
QImage filterbeispiel(int breite, int hoehe);
// A simple pattern reconstructed by back-projection from 90 directions,
// without and with the convolution of every profile before it is spread back.
QImage rueckprojektion(int breite, int hoehe, bool mitFaltung);

}  // namespace Koerperbilder

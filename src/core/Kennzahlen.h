#pragma once

// How close a reconstruction comes to the pattern, measured fairly.
//
// A reconstruction's values have their own scale and offset: a plain
// back-projection sums hundreds of readings, a filtered one has negative
// values beside every edge, an iterative one lies near 1 per pattern cell.
// Stretching each picture from its smallest to its largest value would let
// one dark undershoot or one bright cell decide the whole comparison. So the
// picture is first fitted to the pattern, which is 1 in a pattern cell and 0
// elsewhere, with the scale a >= 0 and offset b that make a * value + b
// closest to it in the least-squares sense; the figure is the root mean
// square of what then remains, over the n x n cells. 0 is a perfect picture
// (of any scale); a flat picture, and a picture that shows the pattern
// inverted (which would need a < 0), score sqrt(f (1 - f)) for a pattern
// covering the fraction f of the cells.

#include "core/Bildfeld.h"

namespace ct {

struct Anpassung
{
    double Faktor = 0.0;    // a >= 0
    double Versatz = 0.0;   // b
    double Rms = 0.0;       // what remains after the fit

    // The fitted value of a picture's value: a * wert + b.
    double Angepasst(double wert) const { return Faktor * wert + Versatz; }
};

// The fit of the n x n values of `bild` to the pattern, the cells with
// Belegt in `muster`.
Anpassung Anpassen(const Bildfeld& bild, const Bildfeld& muster, int n);

}  // namespace ct

#pragma once

// Iterative reconstruction (ART, the algebraic reconstruction technique):
// the picture is found by correcting a guess ray by ray, as the course's
// exercises distribute a beam's value over its cells by hand.
//
// Starting from a picture of zeros, each sweep takes every measured ray in
// turn: the difference between its reading and the sum of the picture along
// it (each cell's value times the ray's weight in the cell,
// core/Strahlmatrix.h) is distributed back over the ray's cells in
// proportion to their weights, so that afterwards the picture's sum along
// this ray equals its reading. For the scan's counted readings every
// touched cell gets an equal share; for a detector's readings a cell gets
// more the longer the ray runs through it. After a sweep no cell may stay
// negative (an attenuation is never below 0), which the sweep's end sets to
// 0. A detector's ray that only grazes a corner of the grid is left out: its
// reading's noise, shared over so short a path, would swamp the cells there.
//
// The rays are taken angle after angle, but not in the scan's order of
// angles: the next angle is always the one farthest from those already
// taken (0, 90, 45, 135, ... for 1-degree steps), so that successive
// corrections do not repeat each other; this is what makes a few sweeps
// enough.

#include "core/Bildfeld.h"
#include "core/Sinogramm.h"

#include <vector>

namespace ct {

struct Iterationsergebnis
{
    Bildfeld Bild;                  // n x n values; every cell Belegt true
    std::vector<double> Residuen;   // after each sweep (see below)
};

// `durchlaeufe` sweeps over the measured rays of s. The residual after a
// sweep is the root mean square, over the measured rays, of reading minus
// the picture's sum along the ray, divided by the root mean square of the
// readings: 1 for a picture of zeros, 0 for a picture that explains every
// reading. A sinogram without rows gives a picture of zeros and no residuals.
Iterationsergebnis IterativeRekonstruktion(const Sinogramm& s, int durchlaeufe);

// The order in which the sweeps take the rows of a sinogram of `zeilen`
// rows: every row once, each next one as far as possible from the ones
// before it.
std::vector<int> Zeilenfolge(int zeilen);

}  // namespace ct

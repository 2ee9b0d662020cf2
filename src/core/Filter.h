#pragma once

// The image filters of the simulator. Each reads only the values of the CT
// picture and writes only the values of the separate filtered picture over
// the n x n cells; filters never work in place and never chain.

#include "core/Bildfeld.h"

#include <array>
#include <span>

namespace ct {

// Nine weights in reading order: top row left to right, middle row, bottom
// row. w1 applies to (x-1, y-1), w2 to (x, y-1), ... w9 to (x+1, y+1).
using Kern = std::array<int, 9>;

// Linear 3 x 3 filter. Outside the grid the nearest edge cell is used again
// (edge replication); the weights are not mirrored; the nine products are
// added in reading order in extended precision and divided once by the
// divisor (a divisor of 0 divides by 1). No rounding, no clamping.
void LineareFilter(const Bildfeld& ct, Bildfeld& filter, int n, const Kern& w, int divisor);

// Rank filters: the rang-th smallest (1 = smallest) of the values of those
// mask cells that lie inside the grid; where fewer cells lie inside than the
// rank, the largest of them. Mask 1 is the 3 x 3 square around the cell,
// mask 2 the vertical line of five cells in its column. The four corner
// cells are then copied from the CT picture.
void NLinFilter1(const Bildfeld& ct, Bildfeld& filter, int n, int rang);
void NLinFilter2(const Bildfeld& ct, Bildfeld& filter, int n, int rang);

// The filters of the simulator by their codes: 0 none, single digits for the
// fixed linear filters and the own kernel, 10 x kind + mask for the rank
// filters (4 median, 5 erosion, 6 dilation), 71 and 72 for the kernel
// filters. The codes are data: the archive keeps them with its pictures.
enum class Filterart : int {
    Keiner = 0, Rechteck = 1, Gauss = 2, Laplace = 3, Eigen = 8,
    Median1 = 41, Median2 = 42, Erosion1 = 51, Erosion2 = 52, Dilatation1 = 61, Dilatation2 = 62,
    Tiefpass = 71, Hochpass = 72,
};

// How a filter computes: not at all, with fixed weights, with the learner's
// own weights, or by rank.
enum class Rechenweg { Keiner, Linear, Eigen, Rang };

// One filter: what it computes.
struct Filterangabe
{
    Filterart Art;
    Rechenweg Weg;
    Kern Gewichte;   // Linear
    int Divisor;     // Linear
    int Maske;       // Rang: 1 or 2
    int Rang;        // Rang
};

// All thirteen filters: none, the five fixed linear filters, the own kernel,
// the six rank filters.
std::span<const Filterangabe> Filtertabelle();

// What the filter computes (every Filterart is in the table).
const Filterangabe& Filterzu(Filterart art);

// The divisor of a user kernel: the sum of its weights, or 1 if that is 0.
int Eigendivisor(const Kern& w);

// Runs the filter on ct into filter; the user kernel `eigen` is used for
// Filterart::Eigen. Filterart::Keiner leaves `filter` unchanged and gives false.
bool FilterAnwenden(Filterart art, const Bildfeld& ct, Bildfeld& filter, int n, const Kern& eigen = {});

}  // namespace ct

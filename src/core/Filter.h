#pragma once

// The image filters of the simulator. Each reads only the values of the CT
// picture and writes only the values of the separate filtered picture over
// the n x n cells; filters never work in place and never chain.

#include "core/Bildfeld.h"

#include <array>
#include <span>
#include <string_view>

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

enum class Filterart { Keiner, Linear, Eigen, Rang };

// One filter of the filter dialog: its code (also kept in Filternummer and in
// the archive), the name of its radio button, the text of the status bar,
// and what it computes.
struct Filterangabe
{
    int Code;
    std::string_view Knopf;
    std::string_view Statustext;
    Filterart Art;
    Kern Gewichte;   // Linear
    int Divisor;     // Linear
    int Maske;       // Rang: 1 or 2
    int Rang;        // Rang
};

// All thirteen filters, in the order of the filter dialog's table.
std::span<const Filterangabe> Filtertabelle();

// The filter with this code, or nullptr for a code that is not in the table.
const Filterangabe* FilterZuCode(int code);

// The divisor of a user kernel: the sum of its weights, or 1 if that is 0.
int Eigendivisor(const Kern& w);

// Runs the filter of `code` on ct into filter; the user kernel `eigen` is
// used for code 8. Code 0 and unknown codes leave `filter` unchanged and
// give false.
bool FilterAnwenden(int code, const Bildfeld& ct, Bildfeld& filter, int n, const Kern& eigen = {});

}  // namespace ct

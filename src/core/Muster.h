#pragma once

// The ready patterns of the pattern library: spine, heart and brain, each for
// the grids of 38 and 56 cells, as runs of filled cells. All cells of a
// pattern are alike; the order of painting does not matter.

#include <functional>
#include <span>

namespace ct {

// The cells of columns SpalteVon ... SpalteBis in each of the rows
// ZeileVon ... ZeileBis (all inclusive, counted from 1).
struct Lauf
{
    int ZeileVon, ZeileBis;
    int SpalteVon, SpalteBis;
};

enum class Muster { Wirbelsaeule, Herz, Gehirn };

// The runs of a pattern for a grid of 38 or 56 cells; empty for other grids.
std::span<const Lauf> Musterlaeufe(Muster m, int raster);

// Paints one cell (column x, row y) of a pattern.
using Zellmaler = std::function<void(int x, int y)>;

// Paints every cell of a pattern for the given grid (38 or 56; nothing for
// other grids).
void MusterMalen(Muster m, int raster, const Zellmaler& malen);
void WirbelsaeuleMalen(int raster, const Zellmaler& malen);
void HerzMalen(int raster, const Zellmaler& malen);
void GehirnMalen(int raster, const Zellmaler& malen);

}  // namespace ct

#pragma once

// Which cells every ray of a scan's layout passes and with what weight: the
// system of equations behind a sinogram, one row per ray, kept sparse.
//
// For readings counted as the scan counts them (Messart::Zaehlung) a ray's
// cells are those the simulator's ray walk lists, each with the weight 1.
// For a detector's readings (Messart::Weglaenge) they are the cells the ray's
// centre line crosses, each with the length of the line inside the cell, in
// cell sides: the ray k at angle a is the line through the grid's centre
// turned by a, at the distance k - 1/2 - Strahlzahl/2 cell sides from it
// (the simulator's ray positions), exactly, without rounding to pixels.
//
// Each angle's rays are walked the first time they are asked for and kept
// for the run of the program; there are at most sixteen layouts (four grids
// at two widths, two kinds of reading).

#include "core/Bildfeld.h"
#include "core/Simulator.h"
#include "core/Sinogramm.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace ct {

class Strahlmatrix
{
public:
    // The cells of one ray as positions in a Bildfeld (Bildfeld::Stelle) and
    // the weight of each.
    struct Strahl
    {
        std::span<const std::uint16_t> Stellen;
        std::span<const float> Gewichte;
    };

    // False when the simulator has no grid of n cells with cell size c.
    bool Einrichten(int n, int c, Messart art);
    bool Fuer(int n, int c, Messart art) const
    {
        return m_geometrie.Raster == n && m_geometrie.Kaestchengroesse == c && m_art == art;
    }

    int Raster() const { return m_geometrie.Raster; }
    int Strahlzahl() const { return m_geometrie.Strahlzahl; }
    Messart Art() const { return m_art; }

    // Ray k (1 ... Strahlzahl) at the whole angle a (0 ... 179).
    Strahl Bei(int a, int k);

    // The squared length of ray k's weights (the sum of the squared
    // weights), which the iterative reconstruction divides by.
    float Quadratsumme(int a, int k);

private:
    struct Winkelwege
    {
        std::vector<std::uint16_t> stellen;   // all rays' cells, ray after ray
        std::vector<float> gewichte;          // their weights
        std::vector<std::uint32_t> anfang;    // ray k: [anfang[k], anfang[k + 1])
        std::vector<float> quadratsumme;      // by ray k
    };

    Winkelwege& Weg(int a);
    void Gehen(int a, Winkelwege& w) const;

    Simulator m_geometrie;
    Messart m_art = Messart::Zaehlung;
    std::array<Winkelwege, 180> m_winkel;
};

// The matrix of a sinogram's layout and kind, or nullptr for a sinogram
// without rows or of a grid the simulator does not have.
Strahlmatrix* MatrixFuer(const Sinogramm& s);

// The lengths of the straight line through the n x n grid (cells of side 1,
// the grid from 0 to n in both directions, x to the right and y downwards)
// through the point (px, py) in the direction (dx, dy), a unit vector,
// inside every cell it crosses: appended to `stellen` and `laengen` in the
// order of the line. Cells the line only touches at a corner or runs along
// an edge of have no length and are left out.
void Weglaengen(int n, double px, double py, double dx, double dy, std::vector<std::uint16_t>& stellen,
                std::vector<float>& laengen);

}  // namespace ct

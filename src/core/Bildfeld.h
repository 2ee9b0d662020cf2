#pragma once

// The picture type of the simulator: a field of 56 x 56 cells indexed
// (x, y) from 1, x the column counted from the left and y the row counted
// from the top. Only the top-left n x n part is used for a grid of n cells
// per side; the field always has the full capacity, so whole pictures are
// copied between the CT picture, the filtered picture and the archive slots
// by plain assignment.

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>

namespace ct {

inline constexpr int Feldgroesse = 56;

template <class T>
class Feld
{
public:
    T& operator()(int x, int y)
    {
        assert(Gueltig(x, y));
        return zellen_[Stelle(x, y)];
    }
    const T& operator()(int x, int y) const
    {
        assert(Gueltig(x, y));
        return zellen_[Stelle(x, y)];
    }

    void Fuellen(const T& wert) { zellen_.fill(wert); }

    // Linear access for tight loops: Stelle(x, y) is the position of cell
    // (x, y) in the field's storage.
    static constexpr std::size_t Stelle(int x, int y)
    {
        return static_cast<std::size_t>((x - 1) * Feldgroesse + (y - 1));
    }
    T& operator[](std::size_t stelle) { return zellen_[stelle]; }
    const T& operator[](std::size_t stelle) const { return zellen_[stelle]; }

    static constexpr bool Gueltig(int x, int y)
    {
        return x >= 1 && x <= Feldgroesse && y >= 1 && y <= Feldgroesse;
    }

    friend bool operator==(const Feld&, const Feld&) = default;

private:
    std::array<T, Feldgroesse * Feldgroesse> zellen_{};
};

// One cell: the accumulated attenuation value and whether the cell belongs to
// the drawn pattern. A fresh cell is in the state a deleted CT picture has.
struct Bildpunkt
{
    float Wert = 0.0f;
    bool Belegt = true;

    friend bool operator==(const Bildpunkt&, const Bildpunkt&) = default;
};

using Bildfeld = Feld<Bildpunkt>;

// Gray levels 0 (black) to 255 (white), one per cell, as the colourings of
// the picture area compute them.
using Graufeld = Feld<std::uint8_t>;

}  // namespace ct

#pragma once

// Patterns for the model tests: a simulator laid out with the cells of a form
// as its pattern, and the forms used most, given by the offset of a cell's
// centre from the grid's centre in cells.

#include "core/Simulator.h"

#include <functional>

namespace Testformen {

using Form = std::function<bool(double dx, double dy)>;

// A simulator laid out for the grid, the layout width and the angle step,
// with the cells of the form as its pattern, ready to scan.
inline ct::Simulator Laden(int n, int breite, int schritt, const Form& form)
{
    ct::Simulator s;
    s.RasterEinrichten(n, breite, 0, 0);
    s.Winkelschritt = schritt;
    for (int x = 1; x <= ct::Feldgroesse; ++x)
        for (int y = 1; y <= ct::Feldgroesse; ++y)
            s.CTBild(x, y).Belegt = x <= n && y <= n && form(x - (n + 1) / 2.0, y - (n + 1) / 2.0);
    return s;
}

inline Form Scheibe(double r)
{
    return [r](double dx, double dy) { return dx * dx + dy * dy <= r * r; };
}

inline Form Ring(double innen, double aussen)
{
    return [=](double dx, double dy) {
        const double d2 = dx * dx + dy * dy;
        return d2 > innen * innen && d2 <= aussen * aussen;
    };
}

}  // namespace Testformen

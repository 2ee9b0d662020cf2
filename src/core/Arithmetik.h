#pragma once

// Rounding as the simulator computes it. Values are stored as 32-bit floats
// and computed in extended precision (long double) in between; every place
// that turns a value into a whole number says whether it rounds or truncates:
//
//   Runden       round to nearest, halves to the even neighbour (127.5 -> 128,
//                126.5 -> 126, -0.5 -> 0)
//   Abschneiden  cut toward zero (2.9 -> 2, -2.9 -> -2)
//
// Both are exact for every long double of magnitude below 2^52 and do not
// depend on the processor's rounding mode. They avoid converting a long
// double to an integer directly, which on x87 needs a slow switch of the
// control word: the value is first narrowed to double (off by less than one
// from the true value), truncated there, and then corrected with an exact
// long double comparison.

#include <cmath>

namespace ct {

// The largest whole number not above v, for |v| < 2^52.
inline long long Ganzteil(long double v)
{
    long long g = static_cast<long long>(static_cast<double>(v));
    const long double rest = v - static_cast<long double>(g);
    if (rest < 0.0L)
        --g;
    else if (rest >= 1.0L)
        ++g;
    return g;
}

inline long long Runden(long double v)
{
    const long long g = Ganzteil(v);
    const long double rest = v - static_cast<long double>(g);
    if (rest > 0.5L || (rest == 0.5L && g % 2 != 0))
        return g + 1;
    return g;
}

inline long long Abschneiden(long double v)
{
    return v >= 0.0L ? Ganzteil(v) : -Ganzteil(-v);
}

// 2 to the power m (1 for m = 0), exact for every count of cells a ray can
// cross; kept in extended precision so that it never overflows.
inline long double Zweipot(int m)
{
    return std::ldexp(1.0L, m);
}

}  // namespace ct

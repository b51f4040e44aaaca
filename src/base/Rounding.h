#pragma once

#include <cmath>
#include <cstdint>

// Round to the nearest whole number, halves to the even neighbour (4.5 -> 4, 5.5 -> 6),
// the rounding every conversion of the program uses.
inline double RoundHalfEvenValue(double value)
{
    return std::nearbyint(value);  // default FP environment rounds to nearest-even
}

inline int64_t RoundHalfEven(double value)
{
    return static_cast<int64_t>(RoundHalfEvenValue(value));
}

// Single-precision variant: the value is rounded as a float, as the bitmap code requires.
inline float RoundHalfEvenValue(float value)
{
    return std::nearbyintf(value);
}

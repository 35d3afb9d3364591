#pragma once

// How the engine stores a result: computed in double precision, rounded to a
// single-precision float, and never NaN or infinity (a display, a report or a
// project file must always find a number in every field).

#include <cmath>

namespace rolvanta {

// The value rounded to float; 0 when it is not finite or beyond float range.
inline float storedValue(double value) {
    const float stored = static_cast<float>(value);
    return std::isfinite(stored) ? stored : 0.0f;
}

// numerator / denominator, stored as 0 when the denominator is zero.
inline float storedQuotient(double numerator, double denominator) {
    return denominator != 0.0 ? storedValue(numerator / denominator) : 0.0f;
}

}  // namespace rolvanta

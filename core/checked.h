#pragma once

#include "core/errors.h"

#include <cmath>

namespace qn {

// Arithmetic that fails explicitly instead of carrying an overflow, a division by zero or
// a NaN on into the results: there are no floating-point traps to catch them later.

inline double Finite(double value)
{
    if (!std::isfinite(value))
        throw EMathError("Floating point overflow");
    return value;
}

inline double Divide(double a, double b)
{
    if (b == 0)
        throw EMathError("Floating point division by zero");
    return Finite(a / b);
}

} // namespace qn

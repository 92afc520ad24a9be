#include "core/rounding.h"

#include "core/errors.h"

#include <algorithm>
#include <cmath>

namespace qn {

double RoundCents(double x)
{
    const double scaled = std::fabs(x) * 100;
    if (!std::isfinite(scaled))
        throw EMathError("Floating point overflow");
    // From 2^52 cents on a double holds only whole cents, and adding 0.5 could move it.
    if (scaled >= 4503599627370496.0)
        return x;
    if (x < 0)
        return -std::trunc(-x * 100 + 0.5) / 100;
    return std::trunc(x * 100 + 0.5) / 100;
}

double RoundUpToWhole(double amount)
{
    const double noise = 1e-9 * std::max(1.0, std::fabs(amount));
    return std::ceil(amount - noise);
}

double RoundHalfEven(double value, int decimals)
{
    const double f = std::pow(10.0, decimals);
    // nearbyint under the default rounding mode sends halves to the even neighbour.
    return std::nearbyint(value * f) / f;
}

double RoundHalfAway(double value, int decimals)
{
    const double f = std::pow(10.0, decimals);
    return std::round(value * f) / f;
}

double CutToDecimals(double value, int decimals)
{
    const double f = std::pow(10.0, decimals);
    return std::trunc(value * f) / f;
}

double RoundToMultipleHalfEven(double value, double unit)
{
    const double units = value / unit;
    const double down = std::floor(units);
    const double rest = units - down;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(down, 2) != 0))
        return (down + 1) * unit;
    return down * unit;
}

double RoundToEighthPercentHalfDown(double rate)
{
    constexpr double kEighthsPerUnit = 800;  // 1/8 % of a fraction
    constexpr double kNoise = 1e-6;
    const double eighths = rate * kEighthsPerUnit;
    const double down = std::floor(eighths + kNoise);
    const double rest = eighths - down;
    return (rest > 0.5 + kNoise ? down + 1 : down) / kEighthsPerUnit;
}

} // namespace qn

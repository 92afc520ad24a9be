#include "core/rounding.h"

#include "core/errors.h"

#include <algorithm>
#include <charconv>
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
    constexpr double kEighthsPerUnit = 800; // 1/8 % of a fraction
    constexpr double kNoise = 1e-6;
    const double eighths = rate * kEighthsPerUnit;
    const double down = std::floor(eighths + kNoise);
    const double rest = eighths - down;
    return (rest > 0.5 + kNoise ? down + 1 : down) / kEighthsPerUnit;
}

double RoundToCoarser(double value, int decimals, int significant)
{
    if (value == 0 || !std::isfinite(value))
        return value;
    // The decimal exponent from the digits themselves; log10 can be off next to a power of 10.
    char buf[32];
    const auto end =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 16).ptr;
    int exponent = 0;
    const char* e = std::find(buf, end, 'e') + 1;
    std::from_chars(e + (*e == '+' ? 1 : 0), end, exponent);
    const int places = std::min(decimals, significant - 1 - exponent);
    // A double times 10 to the few places money has is exact in long double: a true half
    // stays a half.
    const long double scale = std::pow(10.0L, std::abs(places));
    const long double x = value;
    const long double rounded =
        places >= 0 ? std::round(x * scale) / scale : std::round(x / scale) * scale;
    return static_cast<double>(rounded);
}

double RoundSignificant(double value, int digits)
{
    if (value == 0 || !std::isfinite(value) || digits < 1)
        return value;
    // Through decimal text, so the result is the double nearest the rounded decimal.
    char buf[64];
    const auto end =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1).ptr;
    double rounded = value;
    std::from_chars(buf, end, rounded);
    return rounded;
}

} // namespace qn

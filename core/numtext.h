#pragma once

#include <string>
#include <string_view>

namespace qn {

// Text that reads back as exactly the value: the shortest digits when at most 15 do, else
// 17 significant digits. Plain decimals for magnitudes from 0.00001 with at most 15 integer
// digits, else scientific ("1E-6", "1.5E20"). Always "." as decimal point, no grouping,
// whatever the locale. -0 is written "0".
std::string FloatToStrG(double value);

// Strict float conversion: optional blanks around the number, optional sign, digits with at
// most one ".", optional exponent ("E"/"e", optional sign, digits). Anything else throws
// EConvertError("'<text>' is not a valid floating point value"), as does a number beyond
// the double range. The decimal point is "." whatever the locale.
double StrToFloat(std::string_view text);

// Strict integer conversion: optional sign and decimal digits only (32-bit range). Anything
// else throws EConvertError("'<text>' is not a valid integer value").
int StrToInt(std::string_view text);

// A count taken from a numeric field: the value's shortest text parsed as an integer, so a
// value with a fraction (or out of range) is a conversion failure.
int WholeFromValue(double value);

} // namespace qn

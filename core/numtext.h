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

// Fixed decimals, correctly rounded from the double as to_chars writes them; "." as decimal
// point. A value that rounds to zero shows no sign: FixedText(-0.001, 2) is "0.00".
std::string FixedText(double value, int decimals);

// Fixed decimals, halves away from zero as the figure reads in decimal: 1.005 to 2 places is
// "1.01", although the double is a little below 1.005. No sign when it rounds to zero.
std::string FixedHalfAwayText(double value, int decimals);

// How a general-form text writes its power of ten.
enum class ExponentForm {
    Short,  // "1E-6", "1.5E20": plain decimals from 1E-5 on
    Padded, // "1E-006", "1.2346E+005": signed, at least three digits; plain from 1E-5 on
    Printf, // "1e-05", "1.23e+03", as printf's %g: plain from 1e-4 on
};

// How a figure rounds an exact half of its last digit: away from zero as the decimal figures
// of the fields and reports do, or to the even neighbour as to_chars does.
enum class Halves { AwayFromZero, ToEven };

// The value rounded to `significant` digits (1 to 17), trailing zeros dropped: plain decimals
// while its exponent is below `significant`, else scientific. 0 and -0 are "0"; NaN and
// infinities "NAN", "INF", "-INF".
std::string GeneralText(double value, int significant, ExponentForm form,
                        Halves halves = Halves::AwayFromZero);

// Rounded to `significant` digits or to `decimals` decimals, whichever keeps fewer digits
// (RoundSignificant), and written with exactly `decimals` decimals: 123.4567 with 5 and 3
// is "123.460".
std::string FixedSignificantText(double value, int significant, int decimals);

// A numeric picture of up to three sections: positive, negative and zero, the last two
// optional. In a section '#' is an optional digit, '0' a required one, ',' groups the
// thousands and '.' is the decimal point; other characters before or after them are kept.
// Without a negative section a negative value gets a "-" before the positive one (none when
// it shows as zero); without a zero section zero uses the positive one. Halves go away from
// zero as the figure reads in decimal.
struct Picture {
    std::string positive = "#,##0";
    std::string negative;
    std::string zero;
};
// The characters a picture's ',' and '.' stand for (the locale's, as UTF-8).
struct Separators {
    std::string group = ",";
    std::string decimal = ".";
};
std::string PictureText(double value, const Picture& picture, const Separators& separators);

// A count taken from a numeric field: the value's shortest text parsed as an integer, so a
// value with a fraction (or out of range) is a conversion failure.
int WholeFromValue(double value);

} // namespace qn

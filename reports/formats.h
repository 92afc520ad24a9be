#pragma once

#include <QString>

namespace qn::reports {

// How the reports print values.

// Currency form of the user's locale, two decimals, the value first rounded to at most
// 10 significant digits: 4000 prints as $4,000.00.
QString FormatMoney(double value);
// Shortest decimal text with up to 15 significant digits, no grouping: 360, 8.75.
QString FormatNumber(double value);
// FormatNumber followed by "%".
QString FormatRate(double value);
// Shortest general form with at most 3 (5) significant digits, followed by "%".
QString FormatPercent3(double value);
QString FormatPercent5(double value);
// Shortest general form with at most `digits` significant digits ("1.23e+05" beyond them);
// "." and no grouping, whatever the locale, like the program's other number texts.
QString FormatGeneral(double value, int digits);
// Shortest general form with at most 4 significant digits.
QString FormatGeneral4(double value);

} // namespace qn::reports

#include "reports/formats.h"

#include "core/rounding.h"
#include "toolkit/money.h"

namespace qn::reports {

namespace {

// Shortest text with at most `digits` significant digits; "." and no grouping, whatever
// the locale, like the program's other number texts.
QString general(double value, int digits)
{
    if (value == 0)
        return QStringLiteral("0");  // never "-0"
    return QString::number(value, 'g', digits);
}

} // namespace

QString FormatMoney(double value)
{
    return toolkit::formatCurrency(RoundToCoarser(value, 2, 10));
}
QString FormatNumber(double value) { return general(value, 15); }
QString FormatRate(double value) { return FormatNumber(value) + QLatin1Char('%'); }
QString FormatPercent3(double value) { return general(value, 3) + QLatin1Char('%'); }
QString FormatPercent5(double value) { return general(value, 5) + QLatin1Char('%'); }
QString FormatGeneral4(double value) { return general(value, 4); }

} // namespace qn::reports

#include "reports/formats.h"

#include "core/numtext.h"
#include "core/rounding.h"
#include "toolkit/money.h"

namespace qn::reports {

QString FormatGeneral(double value, int digits)
{
    return QString::fromStdString(GeneralText(value, digits, ExponentForm::Printf));
}

QString FormatMoney(double value) { return toolkit::formatCurrency(RoundToCoarser(value, 2, 10)); }
QString FormatNumber(double value) { return FormatGeneral(value, 15); }
QString FormatRate(double value) { return FormatNumber(value) + QLatin1Char('%'); }
QString FormatPercent3(double value) { return FormatGeneral(value, 3) + QLatin1Char('%'); }
QString FormatPercent5(double value) { return FormatGeneral(value, 5) + QLatin1Char('%'); }
QString FormatGeneral4(double value) { return FormatGeneral(value, 4); }

} // namespace qn::reports

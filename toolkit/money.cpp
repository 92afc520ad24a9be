#include "toolkit/money.h"

#include <cmath>

namespace qn::toolkit {

QLocale moneyLocale()
{
    const QLocale user;
    if (user.language() == QLocale::C)
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return user;
}

QString formatCurrency(double value, int decimals)
{
    return formatCurrency(value, decimals, moneyLocale());
}

QString formatCurrency(double value, int decimals, const QLocale& locale)
{
    const double scale = std::pow(10.0, decimals);
    // A value that rounds to zero must not print as a negative zero.
    if (std::fabs(value) * scale < 0.5)
        value = 0.0;
    const bool negative = value < 0;
    if (negative && locale.territory() == QLocale::UnitedStates)
        return QLatin1Char('(') + locale.toCurrencyString(-value, locale.currencySymbol(), decimals)
               + QLatin1Char(')');
    return locale.toCurrencyString(value, locale.currencySymbol(), decimals);
}

} // namespace qn::toolkit

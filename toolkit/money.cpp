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

QChar moneyDecimalPoint()
{
    const QString s = moneyLocale().decimalPoint();
    return s.isEmpty() ? QLatin1Char('.') : s.at(0);
}

QChar moneyGroupSeparator()
{
    const QString s = moneyLocale().groupSeparator();
    return s.isEmpty() ? QLatin1Char(',') : s.at(0);
}

Separators moneySeparators()
{
    return {QString(moneyGroupSeparator()).toStdString(),
            QString(moneyDecimalPoint()).toStdString()};
}

QString formatLocaleFixed(double value, int decimals, bool grouped)
{
    QLocale locale = moneyLocale();
    locale.setNumberOptions(grouped ? QLocale::DefaultNumberOptions : QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals);
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

std::optional<double> ParseMoneyText(const QString& text, const QLocale& locale)
{
    QString t = text.trimmed();
    const QString symbol = locale.currencySymbol();
    if (!symbol.isEmpty() && t.startsWith(symbol))
        t = t.mid(symbol.size()).trimmed();
    else if (t.startsWith(u'$'))
        t = t.mid(1).trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    double value = locale.toDouble(t, &ok);
    if (!ok) {
        // Without grouping in the locale's own format, try the plain digits.
        QLocale plain = locale;
        plain.setNumberOptions(QLocale::DefaultNumberOptions);
        value = plain.toDouble(t, &ok);
    }
    // QLocale reads "inf", "nan" and overflowing exponents as numbers; no amount is one.
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace qn::toolkit

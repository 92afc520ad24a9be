#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace qn::toolkit {

// The locale money is shown in: the user's, or United States formats when the user's is
// C/POSIX (which has no currency symbol).
QLocale moneyLocale();

// The one money formatter: currency sign, grouping and the locale's negative form, with
// `decimals` decimals; United States negatives in parentheses. -0.00 shows as 0.00.
QString formatCurrency(double value, int decimals = 2);
QString formatCurrency(double value, int decimals, const QLocale& locale);

// Money as people type it: optional blanks, currency symbol, group separators and the
// locale's decimal point ("1,000", "$1,000.50", " 500 "). Anything else gives nullopt,
// including "inf", "nan" and numbers beyond the double range.
std::optional<double> ParseMoneyText(const QString& text, const QLocale& locale);

} // namespace qn::toolkit

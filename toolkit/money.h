#pragma once

#include "core/numtext.h"

#include <QChar>
#include <QLocale>
#include <QString>

#include <optional>

namespace qn::toolkit {

// The locale money is shown in: the user's, or United States formats when the user's is
// C/POSIX (which has no currency symbol).
QLocale moneyLocale();

// The money locale's decimal point and group separator (their first character; "." and ","
// where the locale has none), and the same as a picture of core/numtext applies them.
QChar moneyDecimalPoint();
QChar moneyGroupSeparator();
Separators moneySeparators();

// `decimals` fixed decimals in the money locale's digits, decimal point and minus sign, with
// or without its grouping: 1234.5 with 2 is "1234.50" or "1,234.50" in the United States.
QString formatLocaleFixed(double value, int decimals, bool grouped);

// The one money formatter: currency sign, grouping and the locale's negative form, with
// `decimals` decimals; United States negatives in parentheses. -0.00 shows as 0.00.
QString formatCurrency(double value, int decimals = 2);
QString formatCurrency(double value, int decimals, const QLocale& locale);

// Money as people type it: optional blanks, currency symbol, group separators and the
// locale's decimal point ("1,000", "$1,000.50", " 500 "). Anything else gives nullopt,
// including "inf", "nan" and numbers beyond the double range.
std::optional<double> ParseMoneyText(const QString& text, const QLocale& locale);

} // namespace qn::toolkit

#pragma once

#include <QLocale>
#include <QString>

namespace qn::toolkit {

// The locale money is shown in: the user's, or United States formats when the user's is
// C/POSIX (which has no currency symbol).
QLocale moneyLocale();

// The one money formatter: currency sign, grouping and the locale's negative form, with
// `decimals` decimals; United States negatives in parentheses. -0.00 shows as 0.00.
QString formatCurrency(double value, int decimals = 2);
QString formatCurrency(double value, int decimals, const QLocale& locale);

} // namespace qn::toolkit

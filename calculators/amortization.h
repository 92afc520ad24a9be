#pragma once

#include "core/mortgage.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>

namespace qn::calc {

// One schedule row as the grid shows it: the payment number and six amounts, each the
// number read back from the loan model's row text so grid and printout agree to the cent.
struct GridValues {
    QString number;
    std::array<double, 6> amounts{};
};
GridValues GridRow(const TPayment& row);

// Money as people type it: optional blanks, currency symbol, group separators and the
// locale's decimal point ("1,000", "$1,000.50", " 500 "). Anything else gives nullopt,
// including "inf", "nan" and numbers beyond the double range.
std::optional<double> ParseMoneyText(const QString& text, const QLocale& locale);

} // namespace qn::calc

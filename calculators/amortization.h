#pragma once

#include "core/mortgage.h"

#include <QString>

#include <array>

namespace qn::calc {

// One schedule row as the grid shows it: the payment number and six amounts, each the
// number read back from the loan model's row text so grid and printout agree to the cent.
struct GridValues {
    QString number;
    std::array<double, 6> amounts{};
};
GridValues GridRow(const TPayment& row);

} // namespace qn::calc

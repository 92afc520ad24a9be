#pragma once

#include "core/mortgage.h"

#include <array>
#include <string>

namespace qn::calc {

// One schedule row as the grid shows it: the payment number and six amounts, each the
// number read back from the loan model's row text so grid and printout agree to the cent.
struct GridValues {
    std::string number;
    std::array<double, 6> amounts{};
};
GridValues GridRow(const TPayment& row);

} // namespace qn::calc

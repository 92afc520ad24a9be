#pragma once

#include "core/limits.h"

namespace qn::calc {

// The closing-cost panel's counts, until it calls CheckPaymentCount itself: core/limits holds
// the limits and their wording.
inline int RequireWhole(double value, double max, const std::string& caption)
{
    return CheckWhole(value, 0, static_cast<int>(max), caption);
}

} // namespace qn::calc

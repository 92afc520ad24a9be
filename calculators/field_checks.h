#pragma once

#include <string>

namespace qn::calc {

// Checks of typed values that the arithmetic cannot use. Each failure throws
// qn::EInputError whose what() is the complete message for the user, naming the field
// by its caption. The limits and their wording are those of core/limits.

// A count or term: whole, from 0 to `max`. Returns it as an int.
int RequireWhole(double value, double max, const std::string& caption);

// The same from `min` to `max`.
int RequireWholeBetween(double value, double min, double max, const std::string& caption);

// An amount that may be 0 but not below.
void RequireNotNegative(double value, const std::string& caption);

// Throws the failure with `message`; for checks that need their own wording.
[[noreturn]] void RefuseInput(const std::string& message);

} // namespace qn::calc

#include "calculators/field_checks.h"

#include "core/errors.h"
#include "core/limits.h"

namespace qn::calc {

void RefuseInput(const std::string& message)
{
    throw EInputError(message);
}

int RequireWhole(double value, double max, const std::string& caption)
{
    return CheckWhole(value, 0, static_cast<int>(max), caption);
}

int RequireWholeBetween(double value, double min, double max, const std::string& caption)
{
    return CheckWhole(value, static_cast<int>(min), static_cast<int>(max), caption);
}

void RequireNotNegative(double value, const std::string& caption)
{
    CheckNotNegative(value, caption);
}

} // namespace qn::calc

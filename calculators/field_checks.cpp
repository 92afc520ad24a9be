#include "calculators/field_checks.h"

#include "core/errors.h"
#include "core/numtext.h"

#include <cmath>

namespace qn::calc {

void RefuseInput(const std::string& message)
{
    throw EInputError(message);
}

int RequireWhole(double value, double max, const std::string& caption)
{
    // Written so that NaN fails too.
    if (!(value >= 0 && value <= max && value == std::trunc(value)))
        RefuseInput(caption + " must be a whole number from 0 to " + FloatToStrG(max) + ".");
    return static_cast<int>(value);
}

void RequireNotNegative(double value, const std::string& caption)
{
    if (!(value >= 0))
        RefuseInput(caption + " cannot be negative.");
}

} // namespace qn::calc

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
    return RequireWholeBetween(value, 0, max, caption);
}

int RequireWholeBetween(double value, double min, double max, const std::string& caption)
{
    // Written so that NaN fails too.
    if (!(value >= min && value <= max && value == std::trunc(value)))
        RefuseInput(caption + " must be a whole number from " + FloatToStrG(min) + " to " +
                    FloatToStrG(max) + ".");
    return static_cast<int>(value);
}

void RequireNotNegative(double value, const std::string& caption)
{
    if (!(value >= 0))
        RefuseInput(caption + " cannot be negative.");
}

} // namespace qn::calc

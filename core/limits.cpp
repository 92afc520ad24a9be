#include "core/limits.h"

#include "core/errors.h"

#include <cmath>

namespace qn {

int CheckWhole(double value, int least, int most, const std::string& caption)
{
    // Written so that NaN fails too.
    if (!(value >= least && value <= most) || value != std::trunc(value))
        throw EInputError(caption + " must be a whole number from " + std::to_string(least)
                          + " to " + std::to_string(most) + ".");
    return static_cast<int>(value);
}

int CheckPaymentCount(double value, const std::string& caption, int least)
{
    return CheckWhole(value, least, kMaxPayments, caption);
}

int CheckYears(double value, const std::string& caption, int least)
{
    return CheckWhole(value, least, kMaxYears, caption);
}

double CheckNotNegative(double value, const std::string& caption)
{
    // Written so that NaN fails too.
    if (!(value >= 0))
        throw EInputError(caption + " cannot be negative.");
    return value;
}

double CheckAmount(double value, const std::string& caption)
{
    if (value < 0)
        CheckNotNegative(value, caption);
    if (!(value <= kMaxAmount))
        throw EInputError(caption + " must be no larger than 999,999,999,999.99.");
    return value;
}

double CheckPositiveAmount(double value, const std::string& caption)
{
    if (CheckAmount(value, caption) == 0)
        throw EInputError(caption + " must be more than 0.");
    return value;
}

double CheckPercent(double value, const std::string& caption)
{
    if (!(value >= 0 && value <= kMaxPercent))
        throw EInputError(caption + " must be from 0 to "
                          + std::to_string(static_cast<int>(kMaxPercent)) + ".");
    return value;
}

} // namespace qn

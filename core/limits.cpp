#include "core/limits.h"

#include "core/errors.h"

#include <cmath>

namespace qn {

namespace {

int checkWhole(double value, int limit, const std::string& caption)
{
    const std::string most = std::to_string(limit);
    // Too large is the usual slip (an extra digit), so it gets the shorter message.
    if (value > limit)
        throw EInputError(caption + " must be a whole number no larger than " + most + ".");
    if (!(value >= 0) || value != std::trunc(value))
        throw EInputError(caption + " must be a whole number from 0 to " + most + ".");
    return static_cast<int>(value);
}

} // namespace

int CheckPaymentCount(double value, const std::string& caption)
{
    return checkWhole(value, kMaxPayments, caption);
}

int CheckYears(double value, const std::string& caption)
{
    return checkWhole(value, kMaxYears, caption);
}

double CheckAmount(double value, const std::string& caption)
{
    if (value < 0)
        throw EInputError(caption + " cannot be negative.");
    if (!(value <= kMaxAmount))
        throw EInputError(caption + " must be no larger than 999,999,999,999.99.");
    return value;
}

} // namespace qn

#include "core/limits.h"

#include "core/errors.h"
#include "core/numtext.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace qn {

int CheckWhole(double value, int least, int most, const std::string& caption)
{
    // Written so that NaN fails too.
    if (!(value >= least && value <= most) || value != std::trunc(value))
        throw EInputError(caption + " must be a whole number from " + std::to_string(least) + " to "
                          + std::to_string(most) + ".");
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

double CheckPercentBelowWhole(double value, const std::string& caption)
{
    if (!(value >= 0 && value < kMaxPercent))
        throw EInputError(caption + " must be at least 0 and less than "
                          + std::to_string(static_cast<int>(kMaxPercent)) + ".");
    return value;
}

double CheckNotAbove(double value, double most, Measure measure, const std::string& caption,
                     const std::string& mostCaption)
{
    if (value > most) {
        const char* comparison = measure == Measure::Count    ? " cannot be more than "
                                 : measure == Measure::Amount ? " cannot be larger than "
                                                              : " cannot be higher than ";
        throw EInputError(caption + comparison + mostCaption + ".");
    }
    return value;
}

std::vector<double> CheckNumberList(const std::string& text, const std::string& caption,
                                    const std::string& itemName)
{
    auto trimmed = [](const std::string& item) {
        const auto first = item.find_first_not_of(" \t");
        if (first == std::string::npos)
            return std::string();
        return item.substr(first, item.find_last_not_of(" \t") - first + 1);
    };
    std::vector<double> values;
    std::istringstream items(text);
    std::string item;
    while (std::getline(items, item, ';')) {
        item = trimmed(item);
        if (item.empty())
            continue;
        std::string number = item;
        std::replace(number.begin(), number.end(), ',', '.');
        try {
            values.push_back(StrToFloat(number));
        } catch (const EConvertError&) {
            throw EInputError(caption + ": \"" + item + "\" is not a number.");
        }
    }
    if (values.empty())
        throw EInputError(caption + " needs at least one " + itemName
                          + ", the values separated by \";\".");
    return values;
}

std::string FieldRangeMessage(double least, double most)
{
    return "Value must be between " + FloatToStrG(least) + " and " + FloatToStrG(most);
}

} // namespace qn

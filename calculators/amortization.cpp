#include "calculators/amortization.h"

#include "core/numtext.h"

namespace qn::calc {

GridValues GridRow(const TPayment& row)
{
    const std::array<std::string, 7> texts = FormatPaymentRow(row);
    GridValues values;
    values.number = texts[0].substr(texts[0].find_first_not_of(' '));
    for (std::size_t i = 1; i < texts.size(); ++i)
        values.amounts[i - 1] = StrToFloat(texts[i]);
    return values;
}

} // namespace qn::calc

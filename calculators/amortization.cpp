#include "calculators/amortization.h"

#include "core/numtext.h"

namespace qn::calc {

GridValues GridRow(const TPayment& row)
{
    const std::array<std::string, 7> texts = FormatPaymentRow(row);
    GridValues values;
    values.number = QString::fromStdString(texts[0]).trimmed();
    for (std::size_t i = 1; i < texts.size(); ++i)
        values.amounts[i - 1] = StrToFloat(texts[i]);
    return values;
}

} // namespace qn::calc

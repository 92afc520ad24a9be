#include "calculators/amortization.h"

#include "core/numtext.h"

#include <cmath>

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

std::optional<double> ParseMoneyText(const QString& text, const QLocale& locale)
{
    QString t = text.trimmed();
    const QString symbol = locale.currencySymbol();
    if (!symbol.isEmpty() && t.startsWith(symbol))
        t = t.mid(symbol.size()).trimmed();
    else if (t.startsWith(u'$'))
        t = t.mid(1).trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    double value = locale.toDouble(t, &ok);
    if (!ok) {
        // Without grouping in the locale's own format, try the plain digits.
        QLocale plain = locale;
        plain.setNumberOptions(QLocale::DefaultNumberOptions);
        value = plain.toDouble(t, &ok);
    }
    // QLocale reads "inf", "nan" and overflowing exponents as numbers; no amount is one.
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace qn::calc

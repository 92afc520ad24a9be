// The refinancing page's calculations.
#include "reports/form_parts.h"

#include "reports/formats.h"

#include <array>
#include <utility>

namespace qn::reports {

using namespace parts;
using pages::PageSnapshot;

namespace {

Band refiBand(const PageSnapshot& p)
{
    Band b;
    b.height = 620;
    auto money = [&](const char* field) { return FormatMoney(p.value(QLatin1String(field))); };
    auto number = [&](const char* field) { return FormatNumber(p.value(QLatin1String(field))); };
    auto rate = [&](const char* field) { return FormatRate(p.value(QLatin1String(field))); };
    struct Column {
        const char* caption;
        const char* name;
        QString value;
    };
    auto block = [&](double top, const char* heading, const std::array<Column, 5>& columns) {
        b.add(caption(QLatin1String(heading), QRectF(kLeft, top, 1110, 26), Qt::AlignLeft, 16,
                      true));
        for (int c = 0; c < 5; ++c) {
            const QRectF cell(kLeft + 222 * c, top + 30, 222, 22);
            b.add(caption(QLatin1String(columns[c].caption), cell, Qt::AlignHCenter, 12, true));
            b.add(label(QLatin1String(columns[c].name), columns[c].value,
                        cell.translated(0, 24), Qt::AlignHCenter, 12));
        }
    };
    block(0, "Original Loan",
          {{{"Current Balance", "qrEdtOldLoan", money("edtOldLoan")},
            {"Term in Months", "qrEdtOldTerm", number("edtOldTerm")},
            {"Interest Rate", "qrEdtOldInterestRate", rate("edtOldInterestRate")},
            {"Payments Made", "qrEdtOldPaymentsMade", number("edtOldPaymentsMade")},
            {"Payment", "qrEdtOldPayment", money("edtOldPayment")}}});
    block(100, "New Loan",
          {{{"New Balance", "qrEdtNewLoan", money("edtNewLoan")},
            {"Term in Months", "qrEdtNewTerm", number("edtNewTerm")},
            {"Interest Rate", "qrEdtNewInterestRate", rate("edtNewInterestRate")},
            {"Closing Costs", "qrEdtRefiClosingCosts", money("edtRefiClosingCosts")},
            {"Payment", "qrEdtNewPayment", money("edtNewPayment")}}});
    b.add(caption(QStringLiteral("Savings from Refinancing"), QRectF(kLeft, 200, 1110, 26),
                  Qt::AlignLeft, 16, true));
    b.add(label(QStringLiteral("qrlblWhenYouSell"),
                p.label(QStringLiteral("lblSell"))
                    + QStringLiteral(" your new loan will save you money as indicated below."),
                QRectF(kLeft, 232, 1110, 22), Qt::AlignHCenter, 12));
    const std::array<Column, 8> lines = {{
        {"Payments Remaining on Original Loan", "qrEdtOldPaymentsRemaining",
         number("edtOldPaymentsRemaining")},
        {"Months Until You Plan To Sell", "qrEdtMonthsUntilSell", number("edtMonthsUntilSell")},
        {"Monthly Payment Savings", "qrEdtPaymentSaved", money("edtPaymentSaved")},
        {"Total Monthly Payment Savings", "qrEdtTotalPaymentSaved", money("edtTotalPaymentSaved")},
        {"Equity in Old Loan", "qrEdtOldReduction", money("edtOldEquity")},
        {"Equity in New Loan", "qrEdtNewReduction", money("edtNewEquity")},
        {"Total Equity Savings", "qrEdtReductionSavings", money("edtEquitySavings")},
        {"TOTAL SAVED", "qrEdtTotalSaved", money("edtTotalSaved")},
    }};
    const QString breakEven = p.label(QStringLiteral("lblBreakEven"));
    if (!breakEven.isEmpty())
        b.add(label(QStringLiteral("qrlblBreakEven"), breakEven, QRectF(kLeft, 500, 1110, 22),
                    Qt::AlignHCenter, 12, true));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double top = 270 + 28.0 * static_cast<double>(i);
        b.add(caption(QLatin1String(lines[i].caption), QRectF(kLeft, top, 560, 22),
                      Qt::AlignRight, 13, true));
        b.add(label(QLatin1String(lines[i].name), lines[i].value, QRectF(640, top, 220, 22),
                    Qt::AlignRight, 12));
    }
    return b;
}

} // namespace

Report RefinancingForm(const PageSnapshot& page)
{
    Band band = refiBand(page);
    addCharts(band, page, 380);
    return onePage(QStringLiteral("of Calculations"), QStringLiteral("Refinancing"),
                   std::move(band));
}

} // namespace qn::reports

// The refinancing page's calculations.
#include "reports/form_parts.h"

#include <array>

namespace qn::reports {

using namespace parts;

void RefinancingSheet(Band& b, const Figures& f)
{
    auto block = [&](double top, const char* heading, const std::array<Captioned, 5>& columns) {
        b.add(
            caption(QLatin1String(heading), QRectF(kLeft, top, 1110, 26), Qt::AlignLeft, 16, true));
        for (int c = 0; c < 5; ++c) {
            const QRectF cell(kLeft + 222 * c, top + 30, 222, 22);
            b.add(caption(QLatin1String(columns[c].caption), cell, Qt::AlignHCenter, 12, true));
            b.add(label(QLatin1String(columns[c].name), columns[c].text, cell.translated(0, 24),
                        Qt::AlignHCenter, 12));
        }
    };
    block(0, "Original Loan",
          {{{"Current Balance", "qrEdtOldLoan", f.money(rc::kOldLoan)},
            {"Term in Months", "qrEdtOldTerm", f.number(rc::kOldTerm)},
            {"Interest Rate", "qrEdtOldInterestRate", f.rate(rc::kOldInterestRate)},
            {"Payments Made", "qrEdtOldPaymentsMade", f.number(rc::kOldPaymentsMade)},
            {"Payment", "qrEdtOldPayment", f.money(rc::kOldPayment)}}});
    block(100, "New Loan",
          {{{"New Balance", "qrEdtNewLoan", f.money(rc::kNewLoan)},
            {"Term in Months", "qrEdtNewTerm", f.number(rc::kNewTerm)},
            {"Interest Rate", "qrEdtNewInterestRate", f.rate(rc::kNewInterestRate)},
            {"Closing Costs", "qrEdtRefiClosingCosts", f.money(rc::kRefiClosingCosts)},
            {"Payment", "qrEdtNewPayment", f.money(rc::kNewPayment)}}});
    b.add(caption(QStringLiteral("Savings from Refinancing"), QRectF(kLeft, 200, 1110, 26),
                  Qt::AlignLeft, 16, true));
    b.add(label(QStringLiteral("qrlblWhenYouSell"),
                f.label(rc::kLblSell)
                    + QStringLiteral(" your new loan will save you money as indicated below."),
                QRectF(kLeft, 232, 1110, 22), Qt::AlignHCenter, 12));
    const std::array<Captioned, 8> lines = {{
        {"Payments Remaining on Original Loan", "qrEdtOldPaymentsRemaining",
         f.number(rc::kOldPaymentsRemaining)},
        {"Months Until You Plan To Sell", "qrEdtMonthsUntilSell", f.number(rc::kMonthsUntilSell)},
        {"Monthly Payment Savings", "qrEdtPaymentSaved", f.money(rc::kPaymentSaved)},
        {"Total Monthly Payment Savings", "qrEdtTotalPaymentSaved",
         f.money(rc::kTotalPaymentSaved)},
        {"Equity in Old Loan", "qrEdtOldReduction", f.money(rc::kOldEquity)},
        {"Equity in New Loan", "qrEdtNewReduction", f.money(rc::kNewEquity)},
        {"Total Equity Savings", "qrEdtReductionSavings", f.money(rc::kEquitySavings)},
        {"TOTAL SAVED", "qrEdtTotalSaved", f.money(rc::kTotalSaved)},
    }};
    const QString breakEven = f.label(rc::kLblBreakEven);
    if (!breakEven.isEmpty())
        b.add(label(QStringLiteral("qrlblBreakEven"), breakEven, QRectF(kLeft, 500, 1110, 22),
                    Qt::AlignHCenter, 12, true));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double top = 270 + 28.0 * static_cast<double>(i);
        b.add(caption(QLatin1String(lines[i].caption), QRectF(kLeft, top, 560, 22), Qt::AlignRight,
                      13, true));
        b.add(label(QLatin1String(lines[i].name), lines[i].text, QRectF(640, top, 220, 22),
                    Qt::AlignRight, 12));
    }
}

} // namespace qn::reports

// The rent vs. buy worksheet: twenty caption/value lines.
#include "reports/form_parts.h"

#include <utility>

namespace qn::reports {

using namespace parts;

Report RentVsBuyForm(const PageSnapshot& p)
{
    const Figures f(p);
    Band b;
    b.height = 670;
    struct Line {
        const char* caption;
        const char* name;
        const Figures::Field& field;
        QString (*format)(double);
    };
    const Line lines[] = {
        {"Current Monthly Rent:", "lblRVBMonthlyRent", rvb::kMonthlyRent, FormatMoney},
        {"Estimated Annual Rent Increase Percentage:", "lblRVBRentIncrease", rvb::kRentIncrease,
         FormatPercent3},
        {"Years Before You Will Move:", "lblRVBTerm", rvb::kTerm, FormatNumber},
        {"Total You Will Spend on Rent:", "lblRVBRentSpent", rvb::kRentSpent, FormatMoney},
        {"Cash Available for Downpayment:", "lblRVBDownpayment", rvb::kDownPayment, FormatMoney},
        {"Estimated Annual Return if Invested:", "lblRVBEstimatedReturn", rvb::kEstimatedReturn,
         FormatPercent3},
        {"Value of Investment:", "lblRVBInvestmentValue", rvb::kInvestmentValue, FormatMoney},
        {"Interest Rate of Home Loan:", "lblRVBInterestRate", rvb::kInterestRate, FormatPercent3},
        {"Term of Home Loan in Years:", "lblRVBLoanTerm", rvb::kLoanTerm, FormatNumber},
        {"Price of Home You Can Afford at Your Current Rent Payment:", "lblRVBHousePrice",
         rvb::kHousePrice, FormatMoney},
        {"Personal Income Tax Rate % (Include Federal + State):", "lblRVBIncomeTax",
         rvb::kIncomeTax, FormatPercent3},
        {"Annual Real Estate Tax Rate:", "lblRVBPropertyTax", rvb::kPropertyTax, FormatPercent3},
        {"Total of Interest Tax Deductions:", "lblRVBTaxDeductions", rvb::kTaxDeductions,
         FormatMoney},
        {"Property Appreciation Rate:", "lblRVBPropertyAppreciation", rvb::kPropertyAppreciation,
         FormatPercent3},
        {"Appreciation of Property:", "lblRVBAppreciation", rvb::kAppreciation, FormatMoney},
        {"Estimated Annual Home Maintenance Expenses:", "lblRVBAnnualMaintenance",
         rvb::kAnnualMaintenance, FormatMoney},
        {"Estimated Selling Costs as a Percentage of House Value:", "lblRVBSellingCostPercent",
         rvb::kSellingCostPercent, FormatPercent3},
        {"Effective Gain of Owning:", "lblRVBValueOfPurchase", rvb::kValueOfPurchase, FormatMoney},
        {"Actual Cost of Renting:", "lblRVBValueOfRenting", rvb::kValueOfRenting, FormatMoney},
        {"Effective Gain of Owning vs. Renting:", "lblRVBGain", rvb::kGain, FormatMoney},
    };
    for (int i = 0; i < 20; ++i) {
        const double top = 30 + 32 * i;
        b.add(caption(QLatin1String(lines[i].caption), QRectF(kLeft, top, 478, 24), Qt::AlignRight,
                      12));
        b.add(label(QLatin1String(lines[i].name), lines[i].format(f.value(lines[i].field)),
                    QRectF(530, top, 110, 24), Qt::AlignRight, 12, true));
    }
    addCharts(b, p, 400);
    return onePage(QStringLiteral("of Rent Vs. Buy Worksheet"),
                   QStringLiteral("Rent vs. Buy Comparison"), std::move(b), 120, 42);
}

} // namespace qn::reports

// The rent vs. buy worksheet: twenty caption/value lines.
#include "reports/form_parts.h"

#include <utility>

namespace qn::reports {

using namespace parts;

Report RentVsBuyForm(const PageSnapshot& p)
{
    Band b;
    b.height = 670;
    struct Line {
        const char* caption;
        const char* name;
        const char* field;
        QString (*format)(double);
    };
    const Line lines[] = {
        {"Current Monthly Rent:", "lblRVBMonthlyRent", "edtRVBMonthlyRent", FormatMoney},
        {"Estimated Annual Rent Increase Percentage:", "lblRVBRentIncrease", "edtRVBRentIncrease",
         FormatPercent3},
        {"Years Before You Will Move:", "lblRVBTerm", "edtRVBTerm", FormatNumber},
        {"Total You Will Spend on Rent:", "lblRVBRentSpent", "edtRVBRentSpent", FormatMoney},
        {"Cash Available for Downpayment:", "lblRVBDownpayment", "edtRVBDownPayment", FormatMoney},
        {"Estimated Annual Return if Invested:", "lblRVBEstimatedReturn", "edtRVBEstimatedReturn",
         FormatPercent3},
        {"Value of Investment:", "lblRVBInvestmentValue", "edtRVBInvestmentValue", FormatMoney},
        {"Interest Rate of Home Loan:", "lblRVBInterestRate", "edtRVBInterestRate", FormatPercent3},
        {"Term of Home Loan in Years:", "lblRVBLoanTerm", "edtRVBLoanTerm", FormatNumber},
        {"Price of Home You Can Afford at Your Current Rent Payment:", "lblRVBHousePrice",
         "edtRVBHousePrice", FormatMoney},
        {"Personal Income Tax Rate % (Include Federal + State):", "lblRVBIncomeTax",
         "edtRVBIncomeTax", FormatPercent3},
        {"Annual Real Estate Tax Rate:", "lblRVBPropertyTax", "edtRVBPropertyTax", FormatPercent3},
        {"Total of Interest Tax Deductions:", "lblRVBTaxDeductions", "edtRVBTaxDeductions",
         FormatMoney},
        {"Property Appreciation Rate:", "lblRVBPropertyAppreciation", "edtRVBPropertyAppreciation",
         FormatPercent3},
        {"Appreciation of Property:", "lblRVBAppreciation", "edtRVBAppreciation", FormatMoney},
        {"Estimated Annual Home Maintenance Expenses:", "lblRVBAnnualMaintenance",
         "edtRVBAnnualMaintenance", FormatMoney},
        {"Estimated Selling Costs as a Percentage of House Value:", "lblRVBSellingCostPercent",
         "edtRVBSellingCostPercent", FormatPercent3},
        {"Effective Gain of Owning:", "lblRVBValueOfPurchase", "edtRVBValueOfPurchase",
         FormatMoney},
        {"Actual Cost of Renting:", "lblRVBValueOfRenting", "edtRVBValueOfRenting", FormatMoney},
        {"Effective Gain of Owning vs. Renting:", "lblRVBGain", "edtRVBGain", FormatMoney},
    };
    for (int i = 0; i < 20; ++i) {
        const double top = 30 + 32 * i;
        b.add(caption(QLatin1String(lines[i].caption), QRectF(kLeft, top, 478, 24), Qt::AlignRight,
                      12));
        b.add(label(QLatin1String(lines[i].name),
                    lines[i].format(p.value(QLatin1String(lines[i].field))),
                    QRectF(530, top, 110, 24), Qt::AlignRight, 12, true));
    }
    addCharts(b, p, 400);
    return onePage(QStringLiteral("of Rent Vs. Buy Worksheet"),
                   QStringLiteral("Rent vs. Buy Comparison"), std::move(b), 120, 42);
}

} // namespace qn::reports

// The rent vs. buy worksheet: twenty caption/value lines.
#include "reports/form_parts.h"

namespace qn::reports {

using namespace parts;

void RentVsBuySheet(Band& b, const Figures& f)
{
    const Captioned lines[] = {
        {"Current Monthly Rent:", "lblRVBMonthlyRent", f.money(rvb::kMonthlyRent)},
        {"Estimated Annual Rent Increase Percentage:", "lblRVBRentIncrease",
         f.percent3(rvb::kRentIncrease)},
        {"Years Before You Will Move:", "lblRVBTerm", f.number(rvb::kTerm)},
        {"Total You Will Spend on Rent:", "lblRVBRentSpent", f.money(rvb::kRentSpent)},
        {"Cash Available for Downpayment:", "lblRVBDownpayment", f.money(rvb::kDownPayment)},
        {"Estimated Annual Return if Invested:", "lblRVBEstimatedReturn",
         f.percent3(rvb::kEstimatedReturn)},
        {"Value of Investment:", "lblRVBInvestmentValue", f.money(rvb::kInvestmentValue)},
        {"Interest Rate of Home Loan:", "lblRVBInterestRate", f.percent3(rvb::kInterestRate)},
        {"Term of Home Loan in Years:", "lblRVBLoanTerm", f.number(rvb::kLoanTerm)},
        {"Price of Home You Can Afford at Your Current Rent Payment:", "lblRVBHousePrice",
         f.money(rvb::kHousePrice)},
        {"Personal Income Tax Rate % (Include Federal + State):", "lblRVBIncomeTax",
         f.percent3(rvb::kIncomeTax)},
        {"Annual Real Estate Tax Rate:", "lblRVBPropertyTax", f.percent3(rvb::kPropertyTax)},
        {"Total of Interest Tax Deductions:", "lblRVBTaxDeductions", f.money(rvb::kTaxDeductions)},
        {"Property Appreciation Rate:", "lblRVBPropertyAppreciation",
         f.percent3(rvb::kPropertyAppreciation)},
        {"Appreciation of Property:", "lblRVBAppreciation", f.money(rvb::kAppreciation)},
        {"Estimated Annual Home Maintenance Expenses:", "lblRVBAnnualMaintenance",
         f.money(rvb::kAnnualMaintenance)},
        {"Estimated Selling Costs as a Percentage of House Value:", "lblRVBSellingCostPercent",
         f.percent3(rvb::kSellingCostPercent)},
        {"Effective Gain of Owning:", "lblRVBValueOfPurchase", f.money(rvb::kValueOfPurchase)},
        {"Actual Cost of Renting:", "lblRVBValueOfRenting", f.money(rvb::kValueOfRenting)},
        {"Effective Gain of Owning vs. Renting:", "lblRVBGain", f.money(rvb::kGain)},
    };
    for (int i = 0; i < 20; ++i) {
        const double top = 30 + 32 * i;
        b.add(caption(QLatin1String(lines[i].caption), QRectF(kLeft, top, 478, 24), Qt::AlignRight,
                      12));
        b.add(label(QLatin1String(lines[i].name), lines[i].text, QRectF(530, top, 110, 24),
                    Qt::AlignRight, 12, true));
    }
}

} // namespace qn::reports

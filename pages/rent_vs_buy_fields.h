#pragma once

#include "calculators/rent_vs_buy.h"
#include "pages/field_table.h"

// The Rent vs. Buy page's fields: two columns, each top to bottom, results under the inputs
// they depend on.
namespace qn::pages::rvb {

inline constexpr char kMonthlyRent[] = "edtRVBMonthlyRent";
inline constexpr char kRentIncrease[] = "edtRVBRentIncrease";
inline constexpr char kTerm[] = "edtRVBTerm";
inline constexpr char kRentSpent[] = "edtRVBRentSpent";
inline constexpr char kDownPayment[] = "edtRVBDownPayment";
inline constexpr char kEstimatedReturn[] = "edtRVBEstimatedReturn";
inline constexpr char kInvestmentValue[] = "edtRVBInvestmentValue";
inline constexpr char kInterestRate[] = "edtRVBInterestRate";
inline constexpr char kLoanTerm[] = "edtRVBLoanTerm";
inline constexpr char kHousePrice[] = "edtRVBHousePrice";
inline constexpr char kIncomeTax[] = "edtRVBIncomeTax";
inline constexpr char kPropertyTax[] = "edtRVBPropertyTax";
inline constexpr char kTaxDeductions[] = "edtRVBTaxDeductions";
inline constexpr char kPropertyAppreciation[] = "edtRVBPropertyAppreciation";
inline constexpr char kAppreciation[] = "edtRVBAppreciation";
inline constexpr char kAnnualMaintenance[] = "edtRVBAnnualMaintenance";
inline constexpr char kSellingCostPercent[] = "edtRVBSellingCostPercent";
inline constexpr char kValueOfPurchase[] = "edtRVBValueOfPurchase";
inline constexpr char kValueOfRenting[] = "edtRVBValueOfRenting";
inline constexpr char kGain[] = "edtRVBGain";

// A line of the page: its caption to the left of the field, in a column 296 wide.
constexpr QRect line(int column, int row) { return {184 + 292 * column, 7 + 31 * row, 104, 24}; }
constexpr FieldSpec money(const char* name, const char* caption, QRect at,
                          FieldRole role = FieldRole::Input, double start = 0)
{
    return {.name = name, .caption = caption, .role = role, .at = at, .start = start};
}
constexpr FieldSpec number(const char* name, const char* caption, int decimals, QRect at,
                           double start)
{
    return {.name = name, .caption = caption, .kind = FieldKind::Number, .decimals = decimals,
            .at = at, .start = start};
}
inline constexpr calc::RvbInputs kStart{};
inline constexpr FieldRole kResult = FieldRole::Result;

inline constexpr FieldSpec kFields[] = {
    money(kMonthlyRent, "Current Monthly Rent", line(0, 0), FieldRole::Input,
          kStart.monthlyRent),
    number(kRentIncrease, "Estimated Annual Rent Increase Percentage", 3, line(0, 1),
           kStart.rentIncrease),
    number(kTerm, "Years Before You Will Move", 0, line(0, 2), kStart.years),
    money(kRentSpent, "Total You Will Spend on Rent", line(0, 3), kResult),
    money(kDownPayment, "Cash Available for Down Payment", line(0, 4), FieldRole::Input,
          kStart.downPayment),
    number(kEstimatedReturn, "Estimated Annual Return if Invested (%)", 3, line(0, 5),
           kStart.estimatedReturn),
    money(kInvestmentValue, "Value of Investment ($)", line(0, 6), kResult),
    number(kInterestRate, "Interest Rate of Home Loan (%)", 3, line(0, 7), kStart.interestRate),
    number(kLoanTerm, "Term of Home Loan in Years", 0, line(0, 8), kStart.loanYears),
    money(kHousePrice, "Price of Home You Can Afford at Your Rent Payment", line(0, 9), kResult),
    number(kIncomeTax, "Personal Income Tax Rate (%) (Include Federal + State)", 3, line(1, 0),
           kStart.incomeTax),
    number(kPropertyTax, "Annual Real Estate Tax Rate (%)", 3, line(1, 1), kStart.propertyTax),
    money(kTaxDeductions, "Total of Interest Tax Deductions ($)", line(1, 2), kResult),
    number(kPropertyAppreciation, "Property Appreciation Rate (%)", 3, line(1, 3),
           kStart.propertyAppreciation),
    money(kAppreciation, "Appreciation of Property ($)", line(1, 4), kResult),
    money(kAnnualMaintenance, "Estimated Annual Home Maintenance Expenses ($)", line(1, 5),
          FieldRole::Input, kStart.annualMaintenance),
    number(kSellingCostPercent, "Estimated Selling Costs as % of House Value", 3, line(1, 6),
           kStart.sellingCostPercent),
    money(kValueOfPurchase, "Effective Gain of Owning", line(1, 7), kResult),
    money(kValueOfRenting, "Actual Cost of Renting", line(1, 8), kResult),
    money(kGain, "Effective Gain of Owning vs. Renting", line(1, 9), kResult),
};

} // namespace qn::pages::rvb

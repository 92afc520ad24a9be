#pragma once

#include "calculators/rent_vs_buy.h"
#include "pages/field_table.h"

// The Rent vs. Buy page's fields: two columns, each top to bottom, results under the inputs
// they depend on.
namespace qn::pages::rvb {

// The calculator's figures each field is read into or shows.
using In = calc::RvbInputs;
using Out = calc::RvbResults;

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
    return {.name = name,
            .caption = caption,
            .kind = FieldKind::Number,
            .decimals = decimals,
            .at = at,
            .start = start};
}
inline constexpr calc::RvbInputs kStart{};
inline constexpr FieldRole kResult = FieldRole::Result;

inline constexpr FieldSpec kMonthlyRent = money("edtRVBMonthlyRent", "Current Monthly Rent",
                                                line(0, 0), FieldRole::Input, kStart.monthlyRent)
                                              .into<&In::monthlyRent>();
inline constexpr FieldSpec kRentIncrease =
    number("edtRVBRentIncrease", "Estimated Annual Rent Increase Percentage", 3, line(0, 1),
           kStart.rentIncrease)
        .into<&In::rentIncrease>();
inline constexpr FieldSpec kTerm =
    number("edtRVBTerm", "Years Before You Will Move", 0, line(0, 2), kStart.years)
        .into<&In::years>();
inline constexpr FieldSpec kRentSpent =
    money("edtRVBRentSpent", "Total You Will Spend on Rent", line(0, 3), kResult)
        .into<&Out::rentSpent>();
inline constexpr FieldSpec kDownPayment =
    money("edtRVBDownPayment", "Cash Available for Down Payment", line(0, 4), FieldRole::Input,
          kStart.downPayment)
        .into<&In::downPayment>();
inline constexpr FieldSpec kEstimatedReturn =
    number("edtRVBEstimatedReturn", "Estimated Annual Return if Invested (%)", 3, line(0, 5),
           kStart.estimatedReturn)
        .into<&In::estimatedReturn>();
inline constexpr FieldSpec kInvestmentValue =
    money("edtRVBInvestmentValue", "Value of Investment ($)", line(0, 6), kResult)
        .into<&Out::investmentValue>();
inline constexpr FieldSpec kInterestRate =
    number("edtRVBInterestRate", "Interest Rate of Home Loan (%)", 3, line(0, 7),
           kStart.interestRate)
        .into<&In::interestRate>();
inline constexpr FieldSpec kLoanTerm =
    number("edtRVBLoanTerm", "Term of Home Loan in Years", 0, line(0, 8), kStart.loanYears)
        .into<&In::loanYears>();
inline constexpr FieldSpec kHousePrice =
    money("edtRVBHousePrice", "Price of Home You Can Afford at Your Rent Payment", line(0, 9),
          kResult)
        .into<&Out::housePrice>();
inline constexpr FieldSpec kIncomeTax =
    number("edtRVBIncomeTax", "Personal Income Tax Rate (%) (Include Federal + State)", 3,
           line(1, 0), kStart.incomeTax)
        .into<&In::incomeTax>();
inline constexpr FieldSpec kPropertyTax =
    number("edtRVBPropertyTax", "Annual Real Estate Tax Rate (%)", 3, line(1, 1),
           kStart.propertyTax)
        .into<&In::propertyTax>();
inline constexpr FieldSpec kTaxDeductions =
    money("edtRVBTaxDeductions", "Total of Interest Tax Deductions ($)", line(1, 2), kResult)
        .into<&Out::taxDeductions>();
inline constexpr FieldSpec kPropertyAppreciation =
    number("edtRVBPropertyAppreciation", "Property Appreciation Rate (%)", 3, line(1, 3),
           kStart.propertyAppreciation)
        .into<&In::propertyAppreciation>();
inline constexpr FieldSpec kAppreciation =
    money("edtRVBAppreciation", "Appreciation of Property ($)", line(1, 4), kResult)
        .into<&Out::appreciation>();
inline constexpr FieldSpec kAnnualMaintenance =
    money("edtRVBAnnualMaintenance", "Estimated Annual Home Maintenance Expenses ($)", line(1, 5),
          FieldRole::Input, kStart.annualMaintenance)
        .into<&In::annualMaintenance>();
inline constexpr FieldSpec kSellingCostPercent =
    number("edtRVBSellingCostPercent", "Estimated Selling Costs as % of House Value", 3, line(1, 6),
           kStart.sellingCostPercent)
        .into<&In::sellingCostPercent>();
inline constexpr FieldSpec kValueOfPurchase =
    money("edtRVBValueOfPurchase", "Effective Gain of Owning", line(1, 7), kResult)
        .into<&Out::valueOfPurchase>();
inline constexpr FieldSpec kValueOfRenting =
    money("edtRVBValueOfRenting", "Actual Cost of Renting", line(1, 8), kResult)
        .into<&Out::valueOfRenting>();
inline constexpr FieldSpec kGain =
    money("edtRVBGain", "Effective Gain of Owning vs. Renting", line(1, 9), kResult)
        .into<&Out::gain>();
inline constexpr FieldSpec kFields[] = {kMonthlyRent,
                                        kRentIncrease,
                                        kTerm,
                                        kRentSpent,
                                        kDownPayment,
                                        kEstimatedReturn,
                                        kInvestmentValue,
                                        kInterestRate,
                                        kLoanTerm,
                                        kHousePrice,
                                        kIncomeTax,
                                        kPropertyTax,
                                        kTaxDeductions,
                                        kPropertyAppreciation,
                                        kAppreciation,
                                        kAnnualMaintenance,
                                        kSellingCostPercent,
                                        kValueOfPurchase,
                                        kValueOfRenting,
                                        kGain};

} // namespace qn::pages::rvb

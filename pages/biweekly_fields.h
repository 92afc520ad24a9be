#pragma once

#include "calculators/biweekly.h"
#include "pages/field_table.h"

// The Biweekly Payments page's fields: the loan typed, then three rows of results.
namespace qn::pages::bw {

inline constexpr char kStandardRow[] = "Standard Payments";
inline constexpr char kBiweeklyRow[] = "Biweekly Payments";
inline constexpr char kSavedRow[] = "Time and Money Saved";

// Each field's caption is the heading above it; a result's row is its description.
inline constexpr FieldSpec kMortgageAmount =
    moneyField("edtMortgageAmount", "Loan Amount", {16, 90, 170, 24})
        .from(100000)
        .bound(&SettingsValues::Loan);
inline constexpr FieldSpec kMortgageInterest =
    numberField("edtMortgageInterest", "Interest Rate", 3, {206, 90, 170, 24})
        .from(8.75)
        .bound(&SettingsValues::Interest)
        .inCentre();
inline constexpr FieldSpec kMortgagePeriods =
    numberField("edtMortgagePeriods", "Number of Payments", 0, {396, 90, 170, 24})
        .from(360)
        .bound(&SettingsValues::Term)
        .inCentre();

// The results: three columns of three rows, each showing a figure of the calculator.
using Out = calc::BiweeklyResult;
constexpr QRect cell(int row, int column) { return {150 + 140 * column, 150 + 60 * row, 130, 24}; }
constexpr FieldSpec money(const char* name, const char* caption, int row, int column,
                          const char* rowCaption)
{
    return moneyField(name, caption, cell(row, column)).result().described(rowCaption);
}

inline constexpr FieldSpec kMortgagePayments =
    money("edtMortgagePayments", "Monthly Payment", 0, 0, kStandardRow)
        .into<&Out::monthlyPayment>();
inline constexpr FieldSpec kMortgageTotalPaid =
    money("edtMortgageTotalPaid", "Total Paid", 0, 1, kStandardRow).into<&Out::monthlyTotal>();
inline constexpr FieldSpec kMortgageCostOfLoan =
    money("edtMortgageCostOfLoan", "Interest Paid", 0, 2, kStandardRow)
        .into<&Out::monthlyInterest>();
inline constexpr FieldSpec kMortgageHalfPayments =
    money("edtMortgageHalfPayments", "Biweekly Payment", 1, 0, kBiweeklyRow)
        .into<&Out::biweeklyPayment>();
inline constexpr FieldSpec kMortgageHalfTotalPaid =
    money("edtMortgageHalfTotalPaid", "Total Paid", 1, 1, kBiweeklyRow).into<&Out::biweeklyTotal>();
inline constexpr FieldSpec kMortgageHalfCostOfLoan =
    money("edtMortgageHalfCostOfLoan", "Interest Paid", 1, 2, kBiweeklyRow)
        .into<&Out::biweeklyInterest>();
inline constexpr FieldSpec kTimeSavedMonths =
    numberField("edtTimeSavedMonths", "Months Saved", 2, cell(2, 0))
        .result()
        .inCentre()
        .described(kSavedRow)
        .into<&Out::monthsSaved>();
inline constexpr FieldSpec kTimeSavedYears =
    numberField("edtTimeSavedYears", "Years Saved", 2, cell(2, 1))
        .result()
        .inCentre()
        .described(kSavedRow)
        .into<&Out::yearsSaved>();
inline constexpr FieldSpec kInterestSaved =
    money("edtInterestSaved", "Interest Saved", 2, 2, kSavedRow).into<&Out::interestSaved>();

inline constexpr FieldSpec kFields[] = {
    kMortgageAmount,         kMortgageInterest,   kMortgagePeriods,      kMortgagePayments,
    kMortgageTotalPaid,      kMortgageCostOfLoan, kMortgageHalfPayments, kMortgageHalfTotalPaid,
    kMortgageHalfCostOfLoan, kTimeSavedMonths,    kTimeSavedYears,       kInterestSaved};

} // namespace qn::pages::bw

#pragma once

#include "calculators/refinancing.h"
#include "pages/field_table.h"
#include "pages/page_controls.h"

// The Refinancing Calculator: the current loan, the new one, the savings, and the panel that
// itemises the closing costs.
namespace qn::pages::rc {

// The calculator's figures each field is read into or shows.
using In = calc::RefiInputs;
using Out = calc::RefiResults;

inline constexpr char kCurrentLoan[] = "Current Loan";
inline constexpr char kNewLoanColumn[] = "New Loan";
inline constexpr char kSavings[] = "Savings";

// The current and the new loan: the caption beside each field, the column its description.
constexpr FieldSpec loan(const char* name, int column, int row, const char* caption, int decimals,
                         std::optional<double> start)
{
    return {.name = name,
            .caption = caption,
            .kind = decimals < 0 ? FieldKind::Money : FieldKind::Number,
            .decimals = decimals < 0 ? 2 : decimals,
            .role = start ? FieldRole::Input : FieldRole::Result,
            .at = {96 + 194 * column, 27 + 40 * row, 96, 24},
            .start = start,
            .description = column == 0 ? kCurrentLoan : kNewLoanColumn};
}
// The savings: under their captions.
constexpr FieldSpec saving(const char* name, int row, const char* caption)
{
    return {.name = name,
            .caption = caption,
            .role = FieldRole::Result,
            .at = {414, 40 + 40 * row, 120, 22}};
}
inline constexpr calc::RefiInputs kStart{};
inline constexpr int kMoney = -1;
inline constexpr std::optional<double> kComputed{};

inline constexpr FieldSpec kOldLoan =
    loan("edtOldLoan", 0, 0, "Current Balance", kMoney, kStart.oldLoan).into<&In::oldLoan>();
inline constexpr FieldSpec kOldTerm =
    loan("edtOldTerm", 0, 1, "Term in Months", 0, kStart.oldTerm).into<&In::oldTerm>();
inline constexpr FieldSpec kOldInterestRate =
    loan("edtOldInterestRate", 0, 2, "Interest Rate", 3, kStart.oldInterestRate)
        .into<&In::oldInterestRate>();
inline constexpr FieldSpec kOldPaymentsMade =
    loan("edtOldPaymentsMade", 0, 3, "Payments Made", 0, kStart.oldPaymentsMade)
        .into<&In::oldPaymentsMade>();
inline constexpr FieldSpec kOldPaymentsRemaining =
    loan("edtOldPaymentsRemaining", 0, 4, "Payments Remaining", 0, kComputed)
        .into<&Out::oldPaymentsRemaining>();
inline constexpr FieldSpec kOldPayment =
    loan("edtOldPayment", 0, 5, "Payment", kMoney, kComputed).into<&Out::oldPayment>();
inline constexpr FieldSpec kNewLoan =
    loan("edtNewLoan", 1, 0, "New Balance", kMoney, kStart.newLoan).into<&In::newLoan>();
inline constexpr FieldSpec kNewTerm =
    loan("edtNewTerm", 1, 1, "Term in Months", 0, kStart.newTerm).into<&In::newTerm>();
inline constexpr FieldSpec kNewInterestRate =
    loan("edtNewInterestRate", 1, 2, "Interest Rate", 3, kStart.newInterestRate)
        .into<&In::newInterestRate>();
inline constexpr FieldSpec kRefiClosingCosts =
    loan("edtRefiClosingCosts", 1, 3, "Closing Costs", kMoney, kStart.closingCosts)
        .into<&In::closingCosts>();
inline constexpr FieldSpec kMonthsUntilSell =
    loan("edtMonthsUntilSell", 1, 4, "Months Until You Will Sell", 0, kStart.monthsUntilSell)
        .into<&In::monthsUntilSell>();
inline constexpr FieldSpec kNewPayment =
    loan("edtNewPayment", 1, 5, "Payment", kMoney, kComputed).into<&Out::newPayment>();
inline constexpr FieldSpec kPaymentSaved =
    saving("edtPaymentSaved", 0, "Monthly Payment Savings").into<&Out::paymentSaved>();
inline constexpr FieldSpec kTotalPaymentSaved =
    saving("edtTotalPaymentSaved", 1, "Total Monthly Payment Savings")
        .into<&Out::totalPaymentSaved>();
inline constexpr FieldSpec kOldEquity =
    saving("edtOldEquity", 2, "Equity in Old Loan").into<&Out::oldEquity>();
inline constexpr FieldSpec kNewEquity =
    saving("edtNewEquity", 3, "Equity in New Loan").into<&Out::newEquity>();
inline constexpr FieldSpec kEquitySavings =
    saving("edtEquitySavings", 4, "Total Equity Savings").into<&Out::equitySavings>();
inline constexpr FieldSpec kTotalSaved =
    saving("edtTotalSaved", 5, "Total Saved").into<&Out::totalSaved>();
inline constexpr FieldSpec kFields[] = {
    kOldLoan,         kOldTerm,       kOldInterestRate, kOldPaymentsMade,   kOldPaymentsRemaining,
    kOldPayment,      kNewLoan,       kNewTerm,         kNewInterestRate,   kRefiClosingCosts,
    kMonthsUntilSell, kNewPayment,    kPaymentSaved,    kTotalPaymentSaved, kOldEquity,
    kNewEquity,       kEquitySavings, kTotalSaved};

// The panel's amounts, two columns top to bottom, and their total.
constexpr FieldSpec item(const char* name, int i, const char* caption)
{
    return {
        .name = name, .caption = caption, .at = {170 + 270 * (i / 6), 30 + 30 * (i % 6), 100, 24}};
}
inline constexpr FieldSpec kDiscountPoints = item("edtDiscountPoints", 0, "Discount Fee");
inline constexpr FieldSpec kOriginationPoints = item("edtOriginationPoints", 1, "Origination Fee");
inline constexpr FieldSpec kCreditCheck = item("edtCreditCheck", 2, "Credit Check");
inline constexpr FieldSpec kAttyFeeY = item("edtAttyFeeY", 3, "Attorney Fee (yours)");
inline constexpr FieldSpec kAttyFeeL = item("edtAttyFeeL", 4, "Attorney Fee (lender's)");
inline constexpr FieldSpec kTitleSearchFee = item("edtTitleSearchFee", 5, "Title Search Fee");
inline constexpr FieldSpec kTitleInsuranceFee =
    item("edtTitleInsuranceFee", 6, "Title Insurance Fee");
inline constexpr FieldSpec kAppraisalFee = item("edtAppraisalFee", 7, "Appraisal Fee");
inline constexpr FieldSpec kInspections = item("edtInspections", 8, "Inspections (Insects, etc.)");
inline constexpr FieldSpec kLocalFees = item("edtLocalFees", 9, "Local Fees (Taxes, etc.)");
inline constexpr FieldSpec kOtherFees = item("edtOtherFees", 10, "Other Fees");
inline constexpr FieldSpec kPrepaymentPenalty =
    item("edtPrepaymentPenalty", 11, "Prepayment Penalty");
inline constexpr FieldSpec kItems[] = {kDiscountPoints,    kOriginationPoints, kCreditCheck,
                                       kAttyFeeY,          kAttyFeeL,          kTitleSearchFee,
                                       kTitleInsuranceFee, kAppraisalFee,      kInspections,
                                       kLocalFees,         kOtherFees,         kPrepaymentPenalty};
inline constexpr FieldSpec kClosingFees =
    moneyField("edtClosingFees", "Closing Costs", {440, 214, 100, 24}).result();
inline constexpr FieldSpec kItemsTotal[] = {kClosingFees};

} // namespace qn::pages::rc

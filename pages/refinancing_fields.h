#pragma once

#include "calculators/refinancing.h"
#include "pages/field_table.h"

// The Refinancing Calculator: the current loan, the new one, the savings, and the panel that
// itemises the closing costs.
namespace qn::pages::rc {

inline constexpr char kOldLoan[] = "edtOldLoan";
inline constexpr char kOldTerm[] = "edtOldTerm";
inline constexpr char kOldInterestRate[] = "edtOldInterestRate";
inline constexpr char kOldPaymentsMade[] = "edtOldPaymentsMade";
inline constexpr char kOldPaymentsRemaining[] = "edtOldPaymentsRemaining";
inline constexpr char kOldPayment[] = "edtOldPayment";
inline constexpr char kNewLoan[] = "edtNewLoan";
inline constexpr char kNewTerm[] = "edtNewTerm";
inline constexpr char kNewInterestRate[] = "edtNewInterestRate";
inline constexpr char kRefiClosingCosts[] = "edtRefiClosingCosts";
inline constexpr char kMonthsUntilSell[] = "edtMonthsUntilSell";
inline constexpr char kNewPayment[] = "edtNewPayment";
inline constexpr char kPaymentSaved[] = "edtPaymentSaved";
inline constexpr char kTotalPaymentSaved[] = "edtTotalPaymentSaved";
inline constexpr char kOldEquity[] = "edtOldEquity";
inline constexpr char kNewEquity[] = "edtNewEquity";
inline constexpr char kEquitySavings[] = "edtEquitySavings";
inline constexpr char kTotalSaved[] = "edtTotalSaved";

inline constexpr char kDiscountPoints[] = "edtDiscountPoints";
inline constexpr char kOriginationPoints[] = "edtOriginationPoints";
inline constexpr char kCreditCheck[] = "edtCreditCheck";
inline constexpr char kAttyFeeY[] = "edtAttyFeeY";
inline constexpr char kAttyFeeL[] = "edtAttyFeeL";
inline constexpr char kTitleSearchFee[] = "edtTitleSearchFee";
inline constexpr char kTitleInsuranceFee[] = "edtTitleInsuranceFee";
inline constexpr char kAppraisalFee[] = "edtAppraisalFee";
inline constexpr char kInspections[] = "edtInspections";
inline constexpr char kLocalFees[] = "edtLocalFees";
inline constexpr char kOtherFees[] = "edtOtherFees";
inline constexpr char kPrepaymentPenalty[] = "edtPrepaymentPenalty";
inline constexpr char kClosingFees[] = "edtClosingFees";

inline constexpr char kBtnCalcFees[] = "btnCalcFees";
inline constexpr char kBtnClearClosingCosts[] = "btnClearClosingCosts";
inline constexpr char kBtnCloseClosingCosts[] = "btnCloseClosingCosts";
inline constexpr char kPnlClosingCosts[] = "pnlClosingCosts";
inline constexpr char kLblSell[] = "lblSell";
inline constexpr char kLblSaved[] = "lblSaved";
inline constexpr char kLblBreakEven[] = "lblBreakEven";

inline constexpr char kCurrentLoan[] = "Current Loan";
inline constexpr char kNewLoanColumn[] = "New Loan";
inline constexpr char kSavings[] = "Savings";

// The current and the new loan: the caption beside each field, the column its description.
constexpr FieldSpec loan(int column, int row, const char* name, const char* caption,
                         int decimals, std::optional<double> start)
{
    return {.name = name, .caption = caption,
            .kind = decimals < 0 ? FieldKind::Money : FieldKind::Number,
            .decimals = decimals < 0 ? 2 : decimals,
            .role = start ? FieldRole::Input : FieldRole::Result,
            .at = {96 + 194 * column, 27 + 40 * row, 96, 24}, .start = start,
            .description = column == 0 ? kCurrentLoan : kNewLoanColumn};
}
// The savings: under their captions.
constexpr FieldSpec saving(int row, const char* name, const char* caption)
{
    return {.name = name, .caption = caption, .role = FieldRole::Result,
            .at = {414, 40 + 40 * row, 120, 22}};
}
inline constexpr calc::RefiInputs kStart{};
inline constexpr int kMoney = -1;
inline constexpr std::optional<double> kComputed{};

inline constexpr FieldSpec kFields[] = {
    loan(0, 0, kOldLoan, "Current Balance", kMoney, kStart.oldLoan),
    loan(0, 1, kOldTerm, "Term in Months", 0, kStart.oldTerm),
    loan(0, 2, kOldInterestRate, "Interest Rate", 3, kStart.oldInterestRate),
    loan(0, 3, kOldPaymentsMade, "Payments Made", 0, kStart.oldPaymentsMade),
    loan(0, 4, kOldPaymentsRemaining, "Payments Remaining", 0, kComputed),
    loan(0, 5, kOldPayment, "Payment", kMoney, kComputed),
    loan(1, 0, kNewLoan, "New Balance", kMoney, kStart.newLoan),
    loan(1, 1, kNewTerm, "Term in Months", 0, kStart.newTerm),
    loan(1, 2, kNewInterestRate, "Interest Rate", 3, kStart.newInterestRate),
    loan(1, 3, kRefiClosingCosts, "Closing Costs", kMoney, kStart.closingCosts),
    loan(1, 4, kMonthsUntilSell, "Months Until You Will Sell", 0, kStart.monthsUntilSell),
    loan(1, 5, kNewPayment, "Payment", kMoney, kComputed),
    saving(0, kPaymentSaved, "Monthly Payment Savings"),
    saving(1, kTotalPaymentSaved, "Total Monthly Payment Savings"),
    saving(2, kOldEquity, "Equity in Old Loan"),
    saving(3, kNewEquity, "Equity in New Loan"),
    saving(4, kEquitySavings, "Total Equity Savings"),
    saving(5, kTotalSaved, "Total Saved"),
};

// The panel's amounts, two columns top to bottom, and their total.
constexpr FieldSpec item(int i, const char* name, const char* caption)
{
    return {.name = name, .caption = caption,
            .at = {170 + 270 * (i / 6), 30 + 30 * (i % 6), 100, 24}};
}
inline constexpr FieldSpec kItems[] = {
    item(0, kDiscountPoints, "Discount Fee"),
    item(1, kOriginationPoints, "Origination Fee"),
    item(2, kCreditCheck, "Credit Check"),
    item(3, kAttyFeeY, "Attorney Fee (yours)"),
    item(4, kAttyFeeL, "Attorney Fee (lender's)"),
    item(5, kTitleSearchFee, "Title Search Fee"),
    item(6, kTitleInsuranceFee, "Title Insurance Fee"),
    item(7, kAppraisalFee, "Appraisal Fee"),
    item(8, kInspections, "Inspections (Insects, etc.)"),
    item(9, kLocalFees, "Local Fees (Taxes, etc.)"),
    item(10, kOtherFees, "Other Fees"),
    item(11, kPrepaymentPenalty, "Prepayment Penalty"),
};
inline constexpr FieldSpec kItemsTotal[] = {
    {.name = kClosingFees, .caption = "Closing Costs", .role = FieldRole::Result,
     .at = {440, 214, 100, 24}},
};

} // namespace qn::pages::rc

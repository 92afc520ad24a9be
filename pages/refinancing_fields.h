#pragma once

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

} // namespace qn::pages::rc

#pragma once

#include "pages/field_table.h"

// The Loan Spread page: the centre figures, the choice of what to compute and the steps.
namespace qn::pages::ls {

inline constexpr char kLoan[] = "edtLoan";
inline constexpr char kPayment[] = "edtPayment";
inline constexpr char kInterest[] = "edtInterest";
inline constexpr char kTerm[] = "edtTerm";

inline constexpr char kBtnClosePG[] = "btnClosePG";
inline constexpr char kRgCalculate[] = "rgCalculate";
inline constexpr char kRgLoan[] = "rgLoan";
inline constexpr char kRgInterest[] = "rgInterest";
inline constexpr char kRgPayments[] = "rgPayments";
inline constexpr char kGrdLS[] = "grdLS";
inline constexpr char kLblLeft[] = "lblLeft";
inline constexpr char kLblRight[] = "lblRight";
// The step captions last used, for the printed table.
inline constexpr char kLoanIncrementText[] = "LoanIncrementText";
inline constexpr char kRateIncrementText[] = "RateIncrementText";
inline constexpr char kPaymentIncrementText[] = "PaymentIncrementText";

} // namespace qn::pages::ls

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

// The three figures the table is spread around, in the rows the chosen kind puts them in;
// the fourth, which the table computes, is hidden. Each is named by its own row caption.
inline constexpr FieldSpec kFields[] = {
    {.name = kLoan, .caption = "Loan:", .at = {46, 19, 96, 22}, .start = 100000,
     .setting = &SettingsValues::Loan},
    {.name = kPayment, .caption = "PMT:", .at = {46, 19, 96, 22}, .start = 786.7,
     .setting = &SettingsValues::Payment},
    {.name = kInterest, .caption = "Rate:", .kind = FieldKind::Number, .decimals = 3,
     .at = {46, 47, 96, 22}, .start = 8.75, .setting = &SettingsValues::Interest},
    {.name = kTerm, .caption = "Months:", .kind = FieldKind::Number, .decimals = 0,
     .at = {46, 75, 96, 22}, .start = 360, .wholeSetting = &SettingsValues::Term},
};

} // namespace qn::pages::ls

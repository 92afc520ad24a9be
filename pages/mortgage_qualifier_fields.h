#pragma once

#include "pages/field_table.h"

// The Mortgage Qualifier's fields: two borrowers' monthly figures, the ratios, the cash, and
// three rate and term combinations side by side.
namespace qn::pages::mq {

inline constexpr char kIncome1[] = "edtIncome1";
inline constexpr char kOIncome1[] = "edtOIncome1";
inline constexpr char kCards1[] = "edtCards1";
inline constexpr char kAuto1[] = "edtAuto1";
inline constexpr char kNotes1[] = "edtNotes1";
inline constexpr char kIncome2[] = "edtIncome2";
inline constexpr char kOIncome2[] = "edtOIncome2";
inline constexpr char kCards2[] = "edtCards2";
inline constexpr char kAuto2[] = "edtAuto2";
inline constexpr char kNotes2[] = "edtNotes2";
inline constexpr char kHousingRatio[] = "edtHousingRatio";
inline constexpr char kDebtRatio[] = "edtDebtRatio";
inline constexpr char kCalculatedHousingRatio[] = "edtCalculatedHousingRatio";
inline constexpr char kCalculatedDebtRatio[] = "edtCalculatedDebtRatio";
inline constexpr char kDownPayment[] = "edtMQDownPayment";
inline constexpr char kIr1[] = "edtMQir1";
inline constexpr char kTerm1[] = "edtMQTerm1";
inline constexpr char kPayment1[] = "edtMQPayment1";
inline constexpr char kLoan1[] = "edtMQLoan1";
inline constexpr char kPurchasePrice1[] = "edtMQPurchasePrice1";
inline constexpr char kIr2[] = "edtMQir2";
inline constexpr char kTerm2[] = "edtMQTerm2";
inline constexpr char kPayment2[] = "edtMQPayment2";
inline constexpr char kLoan2[] = "edtMQLoan2";
inline constexpr char kPurchasePrice2[] = "edtMQPurchasePrice2";
inline constexpr char kIr3[] = "edtMQir3";
inline constexpr char kTerm3[] = "edtMQTerm3";
inline constexpr char kPayment3[] = "edtMQPayment3";
inline constexpr char kLoan3[] = "edtMQLoan3";
inline constexpr char kPurchasePrice3[] = "edtMQPurchasePrice3";

// The three combinations, by row.
inline constexpr const char* kIr[] = {kIr1, kIr2, kIr3};
inline constexpr const char* kTerm[] = {kTerm1, kTerm2, kTerm3};
inline constexpr const char* kPayment[] = {kPayment1, kPayment2, kPayment3};
inline constexpr const char* kLoan[] = {kLoan1, kLoan2, kLoan3};
inline constexpr const char* kPurchasePrice[] = {kPurchasePrice1, kPurchasePrice2,
                                                 kPurchasePrice3};

} // namespace qn::pages::mq

#pragma once

#include "pages/field_table.h"

// The Loan Amortizations page: the loan, the schedule, and the extra-payment panel.
namespace qn::pages::amort {

inline constexpr char kMortAmt[] = "edtMortAmt";
inline constexpr char kIRate[] = "edtIRate";
inline constexpr char kNumPmts[] = "edtNumPmts";
inline constexpr char kAmortPayment[] = "edtAmortPayment";
inline constexpr char kFromPmt[] = "edtFromPmt";
inline constexpr char kToPmt[] = "edtToPmt";
inline constexpr char kExtraAmount[] = "edtExtraAmount";
inline constexpr char kPayoffBy[] = "edtPayoffBy";

inline constexpr char kBtnCalculate[] = "btnCalculate";
inline constexpr char kBtnAddExtraPayments[] = "btnAddExtraPayments";
inline constexpr char kBtnAddExtra[] = "btnAddExtra";
inline constexpr char kBtnRemove[] = "btnRemove";
inline constexpr char kBtnCancel[] = "btnCancel";
inline constexpr char kBtnPayoffBy[] = "btnPayoffBy";
inline constexpr char kRbOnePmt[] = "rbOnePmt";
inline constexpr char kRbRangePmts[] = "rbRangePmts";
inline constexpr char kRbAllPmts[] = "rbAllPmts";
inline constexpr char kPnlAddExtra[] = "pnlAddExtra";
inline constexpr char kPnlRemoveExtra[] = "pnlRemoveExtra";
inline constexpr char kGrdAmortization[] = "grdAmortization";
inline constexpr char kLblExtraSummary[] = "lblExtraSummary";
inline constexpr char kLblFromPmt[] = "lblFromPmt";
inline constexpr char kLblToPmt[] = "lblToPmt";
inline constexpr char kLblPayoffBy[] = "lblPayoffBy";

} // namespace qn::pages::amort

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

// The loan, each field under its caption.
constexpr QRect loanField(int column) { return {8 + 110 * column, 22, 105, 24}; }
inline constexpr FieldSpec kFields[] = {
    {.name = kMortAmt, .caption = "Loan Amount", .at = loanField(0), .start = 100000,
     .setting = &SettingsValues::Loan},
    {.name = kIRate, .caption = "Interest Rate", .kind = FieldKind::Number, .decimals = 3,
     .at = loanField(1), .start = 7, .setting = &SettingsValues::Interest},
    {.name = kNumPmts, .caption = "Term in Months", .kind = FieldKind::Number, .decimals = 0,
     .at = loanField(2), .start = 360, .wholeSetting = &SettingsValues::Term},
    {.name = kAmortPayment, .caption = "Monthly Payment", .role = FieldRole::Result,
     .at = loanField(3), .start = 665.3},
};

// The extra-payment panel: payment numbers and amounts the page reads itself.
inline constexpr FieldSpec kExtraFields[] = {
    {.name = kFromPmt, .caption = "From Payment #", .kind = FieldKind::Text,
     .at = {236, 20, 50, 20}, .startText = "0"},
    {.name = kToPmt, .caption = "To Payment #", .kind = FieldKind::Text,
     .at = {236, 40, 50, 20}, .startText = "0"},
    {.name = kExtraAmount, .caption = "Amount", .kind = FieldKind::Text,
     .at = {342, 20, 80, 20}, .startText = "0.00"},
    // The goal: the level extra on every payment that clears the loan by a payment number.
    {.name = kPayoffBy, .caption = "Pay off by #", .kind = FieldKind::Text,
     .at = {342, 40, 38, 20}},
};

} // namespace qn::pages::amort

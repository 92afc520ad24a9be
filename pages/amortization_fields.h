#pragma once

#include "pages/field_table.h"
#include "pages/page_controls.h"

// The Loan Amortizations page: the loan, the schedule, and the extra-payment panel.
namespace qn::pages::amort {

// The loan, each field under its caption.
constexpr QRect loanField(int column) { return {8 + 110 * column, 22, 105, 24}; }
inline constexpr FieldSpec kMortAmt =
    moneyField("edtMortAmt", "Loan Amount", loanField(0)).from(100000).bound(&SettingsValues::Loan);
inline constexpr FieldSpec kIRate = numberField("edtIRate", "Interest Rate", 3, loanField(1))
                                        .from(7)
                                        .bound(&SettingsValues::Interest);
inline constexpr FieldSpec kNumPmts = numberField("edtNumPmts", "Term in Months", 0, loanField(2))
                                          .from(360)
                                          .bound(&SettingsValues::Term);
inline constexpr FieldSpec kAmortPayment =
    moneyField("edtAmortPayment", "Monthly Payment", loanField(3)).result().from(665.3);
inline constexpr FieldSpec kFields[] = {kMortAmt, kIRate, kNumPmts, kAmortPayment};

// The extra-payment panel: payment numbers and amounts the page reads itself.
inline constexpr FieldSpec kFromPmt =
    textField("edtFromPmt", "From Payment #", {236, 20, 50, 20}, "0");
inline constexpr FieldSpec kToPmt = textField("edtToPmt", "To Payment #", {236, 40, 50, 20}, "0");
inline constexpr FieldSpec kExtraAmount =
    textField("edtExtraAmount", "Amount", {342, 20, 80, 20}, "0.00");
// The goal: the level extra on every payment that clears the loan by a payment number.
inline constexpr FieldSpec kPayoffBy = textField("edtPayoffBy", "Pay off by #", {342, 40, 38, 20});
inline constexpr FieldSpec kExtraFields[] = {kFromPmt, kToPmt, kExtraAmount, kPayoffBy};

} // namespace qn::pages::amort

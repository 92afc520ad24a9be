#pragma once

#include "calculators/adjustable_rate.h"
#include "pages/field_table.h"
#include "pages/page_controls.h"

// The Loan Amortizations page: the loan, the schedule, and the extra-payment panel.
namespace qn::pages::amort {

// The calculator's figures each field is read into.
using ArmIn = calc::ArmFields;

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

// The adjustable rate's terms, on their panel: a row of months and caps, then the index.
constexpr QRect termField(int column) { return {4 + 83 * column, 18, 79, 22}; }
inline constexpr FieldSpec kArmFixedMonths =
    numberField("edtArmFixedMonths", calc::kArmFixedMonthsCaption, 0, termField(0))
        .from(60)
        .into<&ArmIn::fixedMonths>();
inline constexpr FieldSpec kArmAdjustEvery =
    numberField("edtArmAdjustEvery", calc::kArmAdjustEveryCaption, 0, termField(1))
        .from(6)
        .into<&ArmIn::adjustEvery>();
inline constexpr FieldSpec kArmMargin =
    numberField("edtArmMargin", calc::kArmMarginCaption, 3, termField(2))
        .from(2.75)
        .into<&ArmIn::margin>();
inline constexpr FieldSpec kArmFirstCap =
    numberField("edtArmFirstCap", calc::kArmFirstCapCaption, 3, termField(3))
        .from(2)
        .into<&ArmIn::firstCap>();
inline constexpr FieldSpec kArmPeriodicCap =
    numberField("edtArmPeriodicCap", calc::kArmPeriodicCapCaption, 3, termField(4))
        .from(1)
        .into<&ArmIn::periodicCap>();
inline constexpr FieldSpec kArmLifetimeCap =
    numberField("edtArmLifetimeCap", calc::kArmLifetimeCapCaption, 3, termField(5))
        .from(5)
        .into<&ArmIn::lifetimeCap>();
inline constexpr FieldSpec kArmFloor =
    numberField("edtArmFloor", calc::kArmFloorCaption, 3, termField(6)).from(2.75);
// The second row begins with the index path's choice (see the page).
inline constexpr FieldSpec kArmIndex =
    numberField("edtArmIndex", "Index", 3, {292, 58, 70, 22}).from(6).into<&ArmIn::index>();
inline constexpr FieldSpec kArmIndexStep =
    numberField("edtArmIndexStep", "Index Step", 3, {366, 58, 70, 22})
        .from(0.25)
        .into<&ArmIn::indexStep>();
inline constexpr FieldSpec kArmIndexList =
    textField("edtArmIndexList", calc::kArmIndexListCaption, {440, 58, 141, 22}, "6; 6.5; 7");
inline constexpr FieldSpec kArmFields[] = {
    kArmFixedMonths, kArmAdjustEvery, kArmMargin, kArmFirstCap,  kArmPeriodicCap,
    kArmLifetimeCap, kArmFloor,       kArmIndex,  kArmIndexStep, kArmIndexList};

} // namespace qn::pages::amort

#pragma once

#include "pages/field_table.h"
#include "pages/page_controls.h"

// The Loan Spread page: the centre figures, the choice of what to compute and the steps.
namespace qn::pages::ls {

// The three figures the table is spread around, in the rows the chosen kind puts them in;
// the fourth, which the table computes, is hidden. Each is named by its own row caption.
inline constexpr FieldSpec kLoan =
    moneyField("edtLoan", "Loan:", {46, 19, 96, 22}).from(100000).bound(&SettingsValues::Loan);
inline constexpr FieldSpec kPayment =
    moneyField("edtPayment", "PMT:", {46, 19, 96, 22}).from(786.7).bound(&SettingsValues::Payment);
inline constexpr FieldSpec kInterest = numberField("edtInterest", "Rate:", 3, {46, 47, 96, 22})
                                           .from(8.75)
                                           .bound(&SettingsValues::Interest);
inline constexpr FieldSpec kTerm =
    numberField("edtTerm", "Months:", 0, {46, 75, 96, 22}).from(360).bound(&SettingsValues::Term);
inline constexpr FieldSpec kFields[] = {kLoan, kPayment, kInterest, kTerm};

} // namespace qn::pages::ls

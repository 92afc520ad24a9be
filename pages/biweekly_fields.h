#pragma once

#include "pages/field_table.h"

// The Biweekly Payments page's fields: the loan typed, then three rows of results.
namespace qn::pages::bw {

inline constexpr char kMortgageAmount[] = "edtMortgageAmount";
inline constexpr char kMortgageInterest[] = "edtMortgageInterest";
inline constexpr char kMortgagePeriods[] = "edtMortgagePeriods";
inline constexpr char kMortgagePayments[] = "edtMortgagePayments";
inline constexpr char kMortgageTotalPaid[] = "edtMortgageTotalPaid";
inline constexpr char kMortgageCostOfLoan[] = "edtMortgageCostOfLoan";
inline constexpr char kMortgageHalfPayments[] = "edtMortgageHalfPayments";
inline constexpr char kMortgageHalfTotalPaid[] = "edtMortgageHalfTotalPaid";
inline constexpr char kMortgageHalfCostOfLoan[] = "edtMortgageHalfCostOfLoan";
inline constexpr char kTimeSavedMonths[] = "edtTimeSavedMonths";
inline constexpr char kTimeSavedYears[] = "edtTimeSavedYears";
inline constexpr char kInterestSaved[] = "edtInterestSaved";

inline constexpr char kStandardRow[] = "Standard Payments";
inline constexpr char kBiweeklyRow[] = "Biweekly Payments";
inline constexpr char kSavedRow[] = "Time and Money Saved";

using K = FieldKind;
using R = FieldRole;

// Each field's caption is the heading above it; a result's row is its description.
inline constexpr FieldSpec kFields[] = {
    {.name = kMortgageAmount, .caption = "Loan Amount", .at = {16, 90, 170, 24},
     .start = 100000, .setting = &SettingsValues::Loan},
    {.name = kMortgageInterest, .caption = "Interest Rate", .kind = K::Number, .decimals = 3,
     .at = {206, 90, 170, 24}, .start = 8.75, .setting = &SettingsValues::Interest,
     .centred = true},
    {.name = kMortgagePeriods, .caption = "Number of Payments", .kind = K::Number, .decimals = 0,
     .at = {396, 90, 170, 24}, .start = 360, .wholeSetting = &SettingsValues::Term,
     .centred = true},
    {.name = kMortgagePayments, .caption = "Monthly Payment", .role = R::Result,
     .at = {150, 150, 130, 24}, .description = kStandardRow},
    {.name = kMortgageTotalPaid, .caption = "Total Paid", .role = R::Result,
     .at = {290, 150, 130, 24}, .description = kStandardRow},
    {.name = kMortgageCostOfLoan, .caption = "Interest Paid", .role = R::Result,
     .at = {430, 150, 130, 24}, .description = kStandardRow},
    {.name = kMortgageHalfPayments, .caption = "Biweekly Payment", .role = R::Result,
     .at = {150, 210, 130, 24}, .description = kBiweeklyRow},
    {.name = kMortgageHalfTotalPaid, .caption = "Total Paid", .role = R::Result,
     .at = {290, 210, 130, 24}, .description = kBiweeklyRow},
    {.name = kMortgageHalfCostOfLoan, .caption = "Interest Paid", .role = R::Result,
     .at = {430, 210, 130, 24}, .description = kBiweeklyRow},
    {.name = kTimeSavedMonths, .caption = "Months Saved", .kind = K::Number, .decimals = 2,
     .role = R::Result, .at = {150, 270, 130, 24}, .centred = true, .description = kSavedRow},
    {.name = kTimeSavedYears, .caption = "Years Saved", .kind = K::Number, .decimals = 2,
     .role = R::Result, .at = {290, 270, 130, 24}, .centred = true, .description = kSavedRow},
    {.name = kInterestSaved, .caption = "Interest Saved", .role = R::Result,
     .at = {430, 270, 130, 24}, .description = kSavedRow},
};

} // namespace qn::pages::bw

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

inline constexpr char kBorrower[] = "Borrower";
inline constexpr char kCoBorrower[] = "Co-Borrower";
inline constexpr char kTyped[] = "Qualifying Ratios";
inline constexpr char kReached[] = "Your Ratios";
inline constexpr const char* kRows[] = {"Row 1", "Row 2", "Row 3"};

// The five columns of monthly figures, a borrower a row.
constexpr FieldSpec monthly(const char* name, const char* caption, int column, int row,
                            double start)
{
    return {.name = name, .caption = caption, .at = {72 + 103 * column, 68 + 26 * row, 100, 22},
            .start = start, .description = row == 0 ? kBorrower : kCoBorrower};
}
constexpr FieldSpec ratio(const char* name, const char* caption, int x, double start,
                          FieldRole role, const char* group,
                          double SettingsValues::*setting = nullptr)
{
    return {.name = name, .caption = caption, .kind = FieldKind::Number, .decimals = 0,
            .role = role, .at = {x, 156, 55, 22}, .start = start, .setting = setting,
            .centred = true, .description = group};
}
// One rate and term combination and what it qualifies for.
constexpr FieldSpec rate(int row)
{
    return {.name = kIr[row], .caption = "Interest Rate", .kind = FieldKind::Number,
            .decimals = 3, .at = {8, 220 + 28 * row, 70, 22}, .start = 7, .centred = true,
            .description = kRows[row]};
}
constexpr FieldSpec term(int row, double years)
{
    return {.name = kTerm[row], .caption = "Term in Years", .kind = FieldKind::Number,
            .decimals = 0, .at = {84, 220 + 28 * row, 60, 22}, .start = years, .centred = true,
            .description = kRows[row]};
}
constexpr FieldSpec outcome(const char* name, const char* caption, int x, int row)
{
    return {.name = name, .caption = caption, .role = FieldRole::Result,
            .at = {x, 220 + 28 * row, 140, 22}, .start = 0, .description = kRows[row]};
}

inline constexpr FieldSpec kFields[] = {
    monthly(kIncome1, "Monthly Income", 0, 0, 4000),
    monthly(kOIncome1, "Other Monthly Income", 1, 0, 1000),
    monthly(kCards1, "Credit Card Minimums", 2, 0, 350),
    monthly(kAuto1, "Auto Loan Payment(s)", 3, 0, 450),
    monthly(kNotes1, "Student Loans, Other Notes", 4, 0, 50),
    monthly(kIncome2, "Monthly Income", 0, 1, 0),
    monthly(kOIncome2, "Other Monthly Income", 1, 1, 0),
    monthly(kCards2, "Credit Card Minimums", 2, 1, 0),
    monthly(kAuto2, "Auto Loan Payment(s)", 3, 1, 0),
    monthly(kNotes2, "Student Loans, Other Notes", 4, 1, 0),
    ratio(kHousingRatio, "Housing", 8, 28, FieldRole::Input, kTyped, &SettingsValues::HRatio),
    ratio(kDebtRatio, "Debt", 68, 36, FieldRole::Input, kTyped, &SettingsValues::DRatio),
    ratio(kCalculatedHousingRatio, "Housing", 148, 28, FieldRole::Shown, kReached),
    ratio(kCalculatedDebtRatio, "Debt", 208, 36, FieldRole::Shown, kReached),
    {.name = kDownPayment, .caption = "Cash You have Available for Down Payment",
     .at = {462, 156, 120, 22}, .start = 20000},
    rate(0), term(0, 30), outcome(kPayment1, "Monthly Payment (P&I)", 150, 0),
    outcome(kLoan1, "Loan Amount", 296, 0), outcome(kPurchasePrice1, "Purchase Price", 442, 0),
    rate(1), term(1, 20), outcome(kPayment2, "Monthly Payment (P&I)", 150, 1),
    outcome(kLoan2, "Loan Amount", 296, 1), outcome(kPurchasePrice2, "Purchase Price", 442, 1),
    rate(2), term(2, 15), outcome(kPayment3, "Monthly Payment (P&I)", 150, 2),
    outcome(kLoan3, "Loan Amount", 296, 2), outcome(kPurchasePrice3, "Purchase Price", 442, 2),
};

} // namespace qn::pages::mq

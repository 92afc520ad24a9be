#pragma once

#include "calculators/mortgage_qualifier.h"
#include "pages/field_table.h"

// The Mortgage Qualifier's fields: two borrowers' monthly figures, the ratios, the cash, and
// three rate and term combinations side by side.
namespace qn::pages::mq {

inline constexpr char kBorrower[] = "Borrower";
inline constexpr char kCoBorrower[] = "Co-Borrower";
inline constexpr char kTyped[] = "Qualifying Ratios";
inline constexpr char kReached[] = "Your Ratios";
inline constexpr const char* kRows[] = {"Row 1", "Row 2", "Row 3"};

// The five columns of monthly figures, a borrower a row.
constexpr FieldSpec monthly(const char* name, const char* caption, int column, int row,
                            double start)
{
    return {.name = name,
            .caption = caption,
            .at = {72 + 103 * column, 68 + 26 * row, 100, 22},
            .start = start,
            .description = row == 0 ? kBorrower : kCoBorrower};
}
constexpr FieldSpec ratio(const char* name, const char* caption, int x, double start,
                          FieldRole role, const char* group,
                          double SettingsValues::*setting = nullptr)
{
    return {.name = name,
            .caption = caption,
            .kind = FieldKind::Number,
            .decimals = 0,
            .role = role,
            .at = {x, 156, 55, 22},
            .start = start,
            .setting = setting,
            .centred = true,
            .description = group};
}
// One rate and term combination and what it qualifies for.
constexpr FieldSpec rate(const char* name, int row)
{
    return {.name = name,
            .caption = "Interest Rate",
            .kind = FieldKind::Number,
            .decimals = 3,
            .at = {8, 220 + 28 * row, 70, 22},
            .start = 7,
            .centred = true,
            .description = kRows[row]};
}
constexpr FieldSpec term(const char* name, int row, double years)
{
    return {.name = name,
            .caption = "Term in Years",
            .kind = FieldKind::Number,
            .decimals = 0,
            .at = {84, 220 + 28 * row, 60, 22},
            .start = years,
            .centred = true,
            .description = kRows[row]};
}
constexpr FieldSpec outcome(const char* name, const char* caption, int x, int row)
{
    return {.name = name,
            .caption = caption,
            .role = FieldRole::Result,
            .at = {x, 220 + 28 * row, 140, 22},
            .start = 0,
            .description = kRows[row]};
}

// The figures the calculator reads, each field into its own.
using In = calc::MqInputs;
inline constexpr FieldSpec kIncome1 =
    monthly("edtIncome1", "Monthly Income", 0, 0, 4000).into<&In::income1>();
inline constexpr FieldSpec kOIncome1 =
    monthly("edtOIncome1", "Other Monthly Income", 1, 0, 1000).into<&In::otherIncome1>();
inline constexpr FieldSpec kCards1 =
    monthly("edtCards1", "Credit Card Minimums", 2, 0, 350).into<&In::cards1>();
inline constexpr FieldSpec kAuto1 =
    monthly("edtAuto1", "Auto Loan Payment(s)", 3, 0, 450).into<&In::auto1>();
inline constexpr FieldSpec kNotes1 =
    monthly("edtNotes1", "Student Loans, Other Notes", 4, 0, 50).into<&In::notes1>();
inline constexpr FieldSpec kIncome2 =
    monthly("edtIncome2", "Monthly Income", 0, 1, 0).into<&In::income2>();
inline constexpr FieldSpec kOIncome2 =
    monthly("edtOIncome2", "Other Monthly Income", 1, 1, 0).into<&In::otherIncome2>();
inline constexpr FieldSpec kCards2 =
    monthly("edtCards2", "Credit Card Minimums", 2, 1, 0).into<&In::cards2>();
inline constexpr FieldSpec kAuto2 =
    monthly("edtAuto2", "Auto Loan Payment(s)", 3, 1, 0).into<&In::auto2>();
inline constexpr FieldSpec kNotes2 =
    monthly("edtNotes2", "Student Loans, Other Notes", 4, 1, 0).into<&In::notes2>();
inline constexpr FieldSpec kHousingRatio =
    ratio("edtHousingRatio", "Housing", 8, 28, FieldRole::Input, kTyped, &SettingsValues::HRatio)
        .into<&In::housingRatio>();
inline constexpr FieldSpec kDebtRatio =
    ratio("edtDebtRatio", "Debt", 68, 36, FieldRole::Input, kTyped, &SettingsValues::DRatio)
        .into<&In::debtRatio>();
inline constexpr FieldSpec kCalculatedHousingRatio =
    ratio("edtCalculatedHousingRatio", "Housing", 148, 28, FieldRole::Shown, kReached);
inline constexpr FieldSpec kCalculatedDebtRatio =
    ratio("edtCalculatedDebtRatio", "Debt", 208, 36, FieldRole::Shown, kReached);
inline constexpr FieldSpec kDownPayment =
    moneyField("edtMQDownPayment", "Cash You have Available for Down Payment", {462, 156, 120, 22})
        .from(20000)
        .into<&In::downPayment>();
inline constexpr FieldSpec kIr1 = rate("edtMQir1", 0);
inline constexpr FieldSpec kTerm1 = term("edtMQTerm1", 0, 30);
inline constexpr FieldSpec kPayment1 = outcome("edtMQPayment1", "Monthly Payment (P&I)", 150, 0);
inline constexpr FieldSpec kLoan1 = outcome("edtMQLoan1", "Loan Amount", 296, 0);
inline constexpr FieldSpec kPurchasePrice1 =
    outcome("edtMQPurchasePrice1", "Purchase Price", 442, 0);
inline constexpr FieldSpec kIr2 = rate("edtMQir2", 1);
inline constexpr FieldSpec kTerm2 = term("edtMQTerm2", 1, 20);
inline constexpr FieldSpec kPayment2 = outcome("edtMQPayment2", "Monthly Payment (P&I)", 150, 1);
inline constexpr FieldSpec kLoan2 = outcome("edtMQLoan2", "Loan Amount", 296, 1);
inline constexpr FieldSpec kPurchasePrice2 =
    outcome("edtMQPurchasePrice2", "Purchase Price", 442, 1);
inline constexpr FieldSpec kIr3 = rate("edtMQir3", 2);
inline constexpr FieldSpec kTerm3 = term("edtMQTerm3", 2, 15);
inline constexpr FieldSpec kPayment3 = outcome("edtMQPayment3", "Monthly Payment (P&I)", 150, 2);
inline constexpr FieldSpec kLoan3 = outcome("edtMQLoan3", "Loan Amount", 296, 2);
inline constexpr FieldSpec kPurchasePrice3 =
    outcome("edtMQPurchasePrice3", "Purchase Price", 442, 2);
inline constexpr FieldSpec kFields[] = {kIncome1,
                                        kOIncome1,
                                        kCards1,
                                        kAuto1,
                                        kNotes1,
                                        kIncome2,
                                        kOIncome2,
                                        kCards2,
                                        kAuto2,
                                        kNotes2,
                                        kHousingRatio,
                                        kDebtRatio,
                                        kCalculatedHousingRatio,
                                        kCalculatedDebtRatio,
                                        kDownPayment,
                                        kIr1,
                                        kTerm1,
                                        kPayment1,
                                        kLoan1,
                                        kPurchasePrice1,
                                        kIr2,
                                        kTerm2,
                                        kPayment2,
                                        kLoan2,
                                        kPurchasePrice2,
                                        kIr3,
                                        kTerm3,
                                        kPayment3,
                                        kLoan3,
                                        kPurchasePrice3};

// The three combinations, by row.
inline constexpr const char* kIr[] = {kIr1.name, kIr2.name, kIr3.name};
inline constexpr const char* kTerm[] = {kTerm1.name, kTerm2.name, kTerm3.name};
inline constexpr const char* kPayment[] = {kPayment1.name, kPayment2.name, kPayment3.name};
inline constexpr const char* kLoan[] = {kLoan1.name, kLoan2.name, kLoan3.name};
inline constexpr const char* kPurchasePrice[] = {kPurchasePrice1.name, kPurchasePrice2.name,
                                                 kPurchasePrice3.name};

} // namespace qn::pages::mq

#pragma once

#include "calculators/closing_costs.h"
#include "pages/field_table.h"

// The Estimated Closing Costs page: the inputs on the left, the results on the right, and the
// two panels over the page, the closing costs and the prepaids and escrows.
namespace qn::pages::ecc {

inline constexpr char kIncome[] = "edtEccIncome";
inline constexpr char kDebt[] = "edtEccDebt";
inline constexpr char kInterest[] = "edtEccInterest";
inline constexpr char kOriginationPoints[] = "edtEccOriginationPoints";
inline constexpr char kDiscountPoints[] = "edtEccDiscountPoints";
inline constexpr char kTerm[] = "edtEccTerm";
inline constexpr char kDownPaymentPercent[] = "edtEccDownPaymentPercent";
inline constexpr char kTax[] = "edtEccTax";
inline constexpr char kInsurance[] = "edtEccInsurance";
inline constexpr char kAssociationFee[] = "edtEccAssociationFee";
inline constexpr char kHousingRatio[] = "edtEccHousingRatio";
inline constexpr char kDebtRatio[] = "edtEccDebtRatio";

inline constexpr char kCPurchasePrice[] = "edtEccCPurchasePrice";
inline constexpr char kCDownPayment[] = "edtEccCDownPayment";
inline constexpr char kCLoanAmount[] = "edtEccCLoanAmount";
inline constexpr char kCPandI[] = "edtEccCPandI";
inline constexpr char kCMonthlyTax[] = "edtEccCMonthlyTax";
inline constexpr char kCMonthlyInsurance[] = "edtEccCMonthlyInsurance";
inline constexpr char kCpmi[] = "edtEccCpmi";
inline constexpr char kCMonthlyPayment[] = "edtEccCMonthlyPayment";
inline constexpr char kCClosingCosts[] = "edtEccCClosingCosts";
inline constexpr char kCEscrows[] = "edtEccCEscrows";
inline constexpr char kCHousingRatio[] = "edtEccCHousingRatio";
inline constexpr char kCDebtRatio[] = "edtEccCDebtRatio";
inline constexpr char kCCashRequiredToClose[] = "edtEccCCashRequiredToClose";

// The closing-cost panel: the lines the page computes; the typed fees are the fee lines'
// (calc::kFeeLines): kAF, kCR, ... kSellerPaid.
inline constexpr char kOriginationFee[] = "edtOriginationFee";
inline constexpr char kLOF[] = "edtLOF";
inline constexpr char kClosingPMI[] = "edtClosingPMI";
using namespace calc::fee_names;

// The escrow panel: each amount and its count of days or months.
inline constexpr char kII[] = "edtII";
inline constexpr char kIIDays[] = "edtIIDays";
inline constexpr char kPTI[] = "edtPTI";
inline constexpr char kPTIMonths[] = "edtPTIMonths";
inline constexpr char kHOIP[] = "edtHOIP";
inline constexpr char kHOIPMonths[] = "edtHOIPMonths";
inline constexpr char kHOII[] = "edtHOII";
inline constexpr char kHOIIMonths[] = "edtHOIIMonths";
inline constexpr char kPMII[] = "edtPMII";
inline constexpr char kPMIIMonths[] = "edtPMIIMonths";
inline constexpr char kPMIPercent[] = "edtPMIPercent";

inline constexpr char kBtnCalcClosing[] = "btnCalcClosing";
inline constexpr char kBtnCalcEscrows[] = "btnCalcEscrows";
inline constexpr char kBtnClosePnlClosing[] = "btnClosePnlClosing";
inline constexpr char kBtnClosePnlEscrow[] = "btnClosePnlEscrow";
inline constexpr char kBtnLockPurchasePrice[] = "btnLockPurchasePrice";
inline constexpr char kBtnUnlockPurchasePrice[] = "btnUnlockPurchasePrice";
inline constexpr char kBtnLockDownPayment[] = "btnLockDownPayment";
inline constexpr char kBtnUnlockDownPayment[] = "btnUnlockDownPayment";
inline constexpr char kBtnLockLoanAmount[] = "btnLockLoanAmount";
inline constexpr char kBtnUnlockLoanAmount[] = "btnUnlockLoanAmount";
inline constexpr char kPnlClosing[] = "pnlClosing";
inline constexpr char kPnlEscrow[] = "pnlEscrow";

// The inputs on the left, each with its caption to its left, and the ratios under them.
constexpr FieldSpec input(const char* name, const char* caption, int y, int decimals = -1)
{
    return {.name = name, .caption = caption,
            .kind = decimals < 0 ? FieldKind::Money : FieldKind::Number,
            .decimals = decimals < 0 ? 2 : decimals, .at = {158, y, 120, 22},
            .centred = decimals >= 0};
}
inline constexpr FieldSpec kInputs[] = {
    input(kIncome, "Monthly Income", 4),
    input(kDebt, "Monthly Debt", 27),
    input(kInterest, "Interest Rate", 50, 3),
    input(kOriginationPoints, "Origination Points", 73, 3),
    input(kDiscountPoints, "Discount Points", 96, 3),
    input(kTerm, "Term (Years)", 119, 0),
    input(kDownPaymentPercent, "Down Payment Percent", 142, 3),
    input(kTax, "Real Estate Taxes\n(Annual Estimate)", 169),
    input(kInsurance, "Homeowner's Insurance\n(Annual Estimate)", 198),
    input(kAssociationFee, "Association Fee\n(MonthlyEstimate)", 227),
};
inline constexpr char kQualifyingRatios[] = "Qualifying Ratios";
inline constexpr FieldSpec kRatios[] = {
    {.name = kHousingRatio, .caption = "Housing", .kind = FieldKind::Number, .decimals = 0,
     .at = {158, 276, 56, 22}, .setting = &SettingsValues::HRatio, .centred = true,
     .description = kQualifyingRatios},
    {.name = kDebtRatio, .caption = "Debt", .kind = FieldKind::Number, .decimals = 0,
     .at = {222, 276, 56, 22}, .setting = &SettingsValues::DRatio, .centred = true,
     .description = kQualifyingRatios},
};

// The results on the right, a row each. The three amounts the lock buttons beside them
// unlock are typed then, so they are inputs (that look like results while locked).
constexpr FieldSpec result(const char* name, const char* caption, int row,
                           FieldRole role = FieldRole::Result, int decimals = -1)
{
    return {.name = name, .caption = caption,
            .kind = decimals < 0 ? FieldKind::Money : FieldKind::Number,
            .decimals = decimals < 0 ? 2 : decimals, .role = role,
            .at = {440, 4 + 23 * row, decimals < 0 ? 118 : 56, 22}, .start = 0,
            .centred = decimals >= 0};
}
inline constexpr FieldSpec kResults[] = {
    result(kCPurchasePrice, "Purchase Price", 0, FieldRole::Input),
    result(kCDownPayment, "Down Payment Amount", 1, FieldRole::Input),
    result(kCLoanAmount, "Loan Amount", 2, FieldRole::Input),
    result(kCPandI, "Principal & Interest", 3),
    result(kCMonthlyTax, "Real Estate Taxes", 4),
    result(kCMonthlyInsurance, "Homeowner's Insurance", 5),
    result(kCpmi, "Private Mortgage Insurance", 6),
    result(kCMonthlyPayment, "Total Monthly Payment", 7),
    // These two are named by the buttons that open their panels.
    result(kCClosingCosts, "Estimated Closing Costs", 8),
    result(kCEscrows, "Estimated Escrows", 9),
    result(kCHousingRatio, "Your Actual Housing Ratio", 10, FieldRole::Result, 0),
    result(kCDebtRatio, "Your Actual Debt Ratio", 11, FieldRole::Result, 0),
    result(kCCashRequiredToClose, "Cash Required at Closing", 12),
};

// The closing-cost panel, a line each: the typed fees and the lines the page computes.
constexpr FieldSpec closingLine(int row, const char* name, const char* caption,
                                FieldRole role, double SettingsValues::*setting = nullptr)
{
    return {.name = name, .caption = caption, .role = role, .at = {158, 25 + 21 * row, 118, 20},
            .start = role == FieldRole::Result ? std::optional<double>(0) : std::nullopt,
            .setting = setting};
}
constexpr FieldSpec feeLine(int row, int fee)
{
    const calc::FeeLine& line = calc::kFeeLines[fee];
    return closingLine(row, line.name, line.caption, FieldRole::Input, line.setting);
}
inline constexpr FieldSpec kClosingLines[] = {
    closingLine(0, kOriginationFee, "Loan Origination Fee", FieldRole::Result),
    closingLine(1, kLOF, "Discount Points", FieldRole::Result),
    feeLine(2, 0), feeLine(3, 1), feeLine(4, 2), feeLine(5, 3),
    feeLine(6, 4), feeLine(7, 5), feeLine(8, 6), feeLine(9, 7),
    closingLine(10, kClosingPMI, "PMI", FieldRole::Result),
    feeLine(11, 8), feeLine(12, 9),
};
static_assert(std::size(calc::kFeeLines) == 10, "every fee has its line on the panel");

// The escrow panel: each amount the page computes and the count it computes it for; the
// count's caption is the amount's and its unit. The months of mortgage insurance held in
// reserve are the program's own choice: that count is hidden.
constexpr FieldSpec escrowAmount(int row, const char* name, const char* caption)
{
    return {.name = name, .caption = caption, .role = FieldRole::Result,
            .at = {8, 32 + 42 * row, 112, 22}, .start = 0};
}
constexpr FieldSpec escrowCount(int row, const char* name, const char* caption,
                                double SettingsValues::*setting)
{
    return {.name = name, .caption = caption, .kind = FieldKind::Number, .decimals = 0,
            .at = {124, 32 + 42 * row, 40, 22}, .setting = setting, .centred = true};
}
inline constexpr FieldSpec kEscrowLines[] = {
    escrowAmount(0, kII, "Prepaid Interest"),
    escrowCount(0, kIIDays, "Prepaid Interest, Days", &SettingsValues::InterimInterestDays),
    escrowAmount(1, kPTI, "Real Estate Taxes"),
    escrowCount(1, kPTIMonths, "Real Estate Taxes, Months", &SettingsValues::PropertyTaxMonths),
    escrowAmount(2, kHOIP, "Homeowner's Insurance (First Year)"),
    escrowCount(2, kHOIPMonths, "Homeowner's Insurance (First Year), Months",
                &SettingsValues::HomeownersFirstYear),
    escrowAmount(3, kHOII, "Homeowner's Insurance (Renewal)"),
    escrowCount(3, kHOIIMonths, "Homeowner's Insurance (Renewal), Months",
                &SettingsValues::HomeownersRenewalMonths),
    escrowAmount(4, kPMII, "PMI"),
    escrowCount(4, kPMIIMonths, "PMI", nullptr),
    {.name = kPMIPercent, .caption = "PMI Premium Rate", .kind = FieldKind::Number,
     .decimals = 4, .role = FieldRole::Result, .at = {124, 246, 70, 22}, .start = 0,
     .centred = true},
};

} // namespace qn::pages::ecc

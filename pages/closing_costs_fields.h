#pragma once

#include "calculators/closing_costs.h"
#include "calculators/truth_in_lending.h"
#include "pages/field_table.h"
#include "pages/page_controls.h"

// The Estimated Closing Costs page: the inputs on the left, the results on the right, and the
// three panels over the page, the closing costs, the prepaids and escrows, and the loan's cost.
namespace qn::pages::ecc {

// The calculator's figures each result shows.
using Out = calc::EccResults;
using Panels = calc::EccPanels;
using Costs = calc::LendingFigures;

// The escrow panel: each amount and its count of days or months.

// The inputs on the left, each with its caption to its left, and the ratios under them.
constexpr FieldSpec input(const char* name, const char* caption, int y, int decimals = -1)
{
    return {.name = name,
            .caption = caption,
            .kind = decimals < 0 ? FieldKind::Money : FieldKind::Number,
            .decimals = decimals < 0 ? 2 : decimals,
            .at = {158, y, 120, 22},
            .centred = decimals >= 0};
}
inline constexpr FieldSpec kIncome = input("edtEccIncome", "Monthly Income", 4);
inline constexpr FieldSpec kDebt = input("edtEccDebt", "Monthly Debt", 27);
inline constexpr FieldSpec kInterest = input("edtEccInterest", "Interest Rate", 50, 3);
// Points are typed as a percent of the loan; the closing-cost panel shows them as amounts.
inline constexpr char kPercentOfLoan[] = "Percent of the Loan";
inline constexpr FieldSpec kOriginationPoints =
    input("edtEccOriginationPoints", "Origination Points", 73, 3).described(kPercentOfLoan);
inline constexpr FieldSpec kDiscountPoints =
    input("edtEccDiscountPoints", "Discount Points", 96, 3).described(kPercentOfLoan);
inline constexpr FieldSpec kTerm = input("edtEccTerm", "Term (Years)", 119, 0);
inline constexpr FieldSpec kDownPaymentPercent =
    input("edtEccDownPaymentPercent", "Down Payment Percent", 142, 3);
inline constexpr FieldSpec kTax = input("edtEccTax", "Real Estate Taxes\n(Annual Estimate)", 169);
inline constexpr FieldSpec kInsurance =
    input("edtEccInsurance", "Homeowner's Insurance\n(Annual Estimate)", 198);
inline constexpr FieldSpec kAssociationFee =
    input("edtEccAssociationFee", "Association Fee\n(MonthlyEstimate)", 227);
inline constexpr FieldSpec kInputs[] = {
    kIncome,         kDebt,          kInterest,           kOriginationPoints,
    kDiscountPoints, kTerm,          kDownPaymentPercent, kTax,
    kInsurance,      kAssociationFee};
inline constexpr char kQualifyingRatios[] = "Qualifying Ratios";
inline constexpr FieldSpec kHousingRatio =
    numberField("edtEccHousingRatio", "Housing", 0, {158, 276, 56, 22})
        .bound(&SettingsValues::HRatio)
        .inCentre()
        .described(kQualifyingRatios);
inline constexpr FieldSpec kDebtRatio =
    numberField("edtEccDebtRatio", "Debt", 0, {222, 276, 56, 22})
        .bound(&SettingsValues::DRatio)
        .inCentre()
        .described(kQualifyingRatios);
inline constexpr FieldSpec kRatios[] = {kHousingRatio, kDebtRatio};

// The results on the right, a row each. The three amounts the lock buttons beside them
// unlock are typed then, so they are inputs (that look like results while locked).
constexpr FieldSpec result(const char* name, const char* caption, int row,
                           FieldRole role = FieldRole::Result, int decimals = -1)
{
    return {.name = name,
            .caption = caption,
            .kind = decimals < 0 ? FieldKind::Money : FieldKind::Number,
            .decimals = decimals < 0 ? 2 : decimals,
            .role = role,
            .at = {440, 4 + 23 * row, decimals < 0 ? 118 : 56, 22},
            .start = 0,
            .centred = decimals >= 0};
}
inline constexpr FieldSpec kCPurchasePrice =
    result("edtEccCPurchasePrice", "Purchase Price", 0, FieldRole::Input);
inline constexpr FieldSpec kCDownPayment =
    result("edtEccCDownPayment", "Down Payment Amount", 1, FieldRole::Input);
inline constexpr FieldSpec kCLoanAmount =
    result("edtEccCLoanAmount", "Loan Amount", 2, FieldRole::Input);
// The parts of the monthly payment say so: the taxes and insurance are typed as annual.
inline constexpr char kMonthly[] = "Monthly";
inline constexpr FieldSpec kCPandI =
    result("edtEccCPandI", "Principal & Interest", 3).described(kMonthly).into<&Out::pAndI>();
inline constexpr FieldSpec kCMonthlyTax = result("edtEccCMonthlyTax", "Real Estate Taxes", 4)
                                              .described(kMonthly)
                                              .into<&Out::monthlyTax>();
inline constexpr FieldSpec kCMonthlyInsurance =
    result("edtEccCMonthlyInsurance", "Homeowner's Insurance", 5)
        .described(kMonthly)
        .into<&Out::monthlyInsurance>();
inline constexpr FieldSpec kCpmi = result("edtEccCpmi", "Private Mortgage Insurance", 6)
                                       .described(kMonthly)
                                       .into<&Out::monthlyPmi>();
inline constexpr FieldSpec kCMonthlyPayment =
    result("edtEccCMonthlyPayment", "Total Monthly Payment", 7).into<&Out::totalMonthlyPayment>();
// These two are named by the buttons that open their panels.
inline constexpr FieldSpec kCClosingCosts =
    result("edtEccCClosingCosts", "Estimated Closing Costs", 8).into<&Panels::closingCosts>();
inline constexpr FieldSpec kCEscrows =
    result("edtEccCEscrows", "Estimated Escrows", 9).into<&Panels::escrows>();
inline constexpr FieldSpec kCHousingRatio =
    result("edtEccCHousingRatio", "Your Actual Housing Ratio", 10, FieldRole::Result, 0)
        .into<&Out::housingRatio>();
inline constexpr FieldSpec kCDebtRatio =
    result("edtEccCDebtRatio", "Your Actual Debt Ratio", 11, FieldRole::Result, 0)
        .into<&Out::debtRatio>();
inline constexpr FieldSpec kCCashRequiredToClose =
    result("edtEccCCashRequiredToClose", "Cash Required at Closing", 12)
        .into<&Panels::cashRequiredToClose>();
inline constexpr FieldSpec kResults[] = {
    kCPurchasePrice,    kCDownPayment, kCLoanAmount,         kCPandI,        kCMonthlyTax,
    kCMonthlyInsurance, kCpmi,         kCMonthlyPayment,     kCClosingCosts, kCEscrows,
    kCHousingRatio,     kCDebtRatio,   kCCashRequiredToClose};

// The closing-cost panel, a line each: the typed fees and the lines the page computes.
constexpr FieldSpec closingLine(const char* name, int row, const char* caption, FieldRole role,
                                double SettingsValues::*setting = nullptr)
{
    return {.name = name,
            .caption = caption,
            .role = role,
            .at = {158, 25 + 21 * row, 118, 20},
            .start = role == FieldRole::Result ? std::optional<double>(0) : std::nullopt,
            .setting = setting};
}
constexpr FieldSpec feeLine(int row, int fee)
{
    const calc::FeeLine& line = calc::kFeeLines[fee];
    return closingLine(line.name, row, line.caption, FieldRole::Input, line.setting);
}
inline constexpr FieldSpec kAF = feeLine(2, 0);
inline constexpr FieldSpec kCR = feeLine(3, 1);
inline constexpr FieldSpec kTSF = feeLine(4, 2);
inline constexpr FieldSpec kLPF = feeLine(5, 3);
inline constexpr FieldSpec kTIF = feeLine(6, 4);
inline constexpr FieldSpec kTS = feeLine(7, 5);
inline constexpr FieldSpec kSTT = feeLine(8, 6);
inline constexpr FieldSpec kRF = feeLine(9, 7);
inline constexpr FieldSpec kOF = feeLine(11, 8);
inline constexpr FieldSpec kSellerPaid = feeLine(12, 9);
inline constexpr FieldSpec kOriginationFee =
    closingLine("edtOriginationFee", 0, "Loan Origination Fee", FieldRole::Result)
        .into<&Panels::originationFee>();
inline constexpr FieldSpec kLOF =
    closingLine("edtLOF", 1, "Discount Points", FieldRole::Result).into<&Panels::discountFee>();
inline constexpr FieldSpec kClosingPMI =
    closingLine("edtClosingPMI", 10, "PMI", FieldRole::Result).into<&Out::monthlyPmi>();
inline constexpr FieldSpec kClosingLines[] = {
    kOriginationFee, kLOF, kAF,        kCR, kTSF, kLPF, kTIF, kTS, kSTT, kRF,
    kClosingPMI,     kOF,  kSellerPaid};
static_assert(std::size(calc::kFeeLines) == 10, "every fee has its line on the panel");

// The escrow panel: each amount the page computes and the count it computes it for; the
// count's caption is the amount's and its unit. The months of mortgage insurance held in
// reserve are the program's own choice: that count is hidden. The amounts are told from the
// page's monthly ones by the panel's title.
inline constexpr char kPrepaidsAndReserves[] = "Estimated Prepaids & Reserves";
constexpr FieldSpec escrowAmount(const char* name, int row, const char* caption)
{
    return {.name = name,
            .caption = caption,
            .role = FieldRole::Result,
            .at = {8, 32 + 42 * row, 112, 22},
            .start = 0,
            .description = kPrepaidsAndReserves};
}
constexpr FieldSpec escrowCount(const char* name, int row, const char* caption,
                                double SettingsValues::*setting)
{
    return numberField(name, caption, 0, {124, 32 + 42 * row, 40, 22}).bound(setting).inCentre();
}
inline constexpr FieldSpec kII =
    escrowAmount("edtII", 0, "Prepaid Interest").into<&Panels::prepaidInterest>();
inline constexpr FieldSpec kIIDays =
    escrowCount("edtIIDays", 0, "Prepaid Interest, Days", &SettingsValues::InterimInterestDays);
inline constexpr FieldSpec kPTI =
    escrowAmount("edtPTI", 1, "Real Estate Taxes").into<&Panels::taxReserve>();
inline constexpr FieldSpec kPTIMonths =
    escrowCount("edtPTIMonths", 1, "Real Estate Taxes, Months", &SettingsValues::PropertyTaxMonths);
inline constexpr FieldSpec kHOIP = escrowAmount("edtHOIP", 2, "Homeowner's Insurance (First Year)")
                                       .into<&Panels::insuranceFirstYear>();
inline constexpr FieldSpec kHOIPMonths =
    escrowCount("edtHOIPMonths", 2, "Homeowner's Insurance (First Year), Months",
                &SettingsValues::HomeownersFirstYear);
inline constexpr FieldSpec kHOII =
    escrowAmount("edtHOII", 3, "Homeowner's Insurance (Renewal)").into<&Panels::insuranceRenewal>();
inline constexpr FieldSpec kHOIIMonths =
    escrowCount("edtHOIIMonths", 3, "Homeowner's Insurance (Renewal), Months",
                &SettingsValues::HomeownersRenewalMonths);
inline constexpr FieldSpec kPMII = escrowAmount("edtPMII", 4, "PMI").into<&Panels::pmiReserve>();
inline constexpr FieldSpec kPMIIMonths =
    escrowCount("edtPMIIMonths", 4, "PMI", nullptr).described("Months");
inline constexpr FieldSpec kPMIPercent =
    numberField("edtPMIPercent", "PMI Premium Rate", 4, {124, 246, 70, 22})
        .result()
        .from(0)
        .inCentre()
        .into<&Panels::pmiRate>();
inline constexpr FieldSpec kEscrowLines[] = {kII,   kIIDays,     kPTI,       kPTIMonths,
                                             kHOIP, kHOIPMonths, kHOII,      kHOIIMonths,
                                             kPMII, kPMIIMonths, kPMIPercent};

// What the loan really costs, as a lender discloses it, on a panel of its own: a figure a
// line, its caption to its left. A percentage that is not defined (no amount financed, no
// payments) shows kNotDefined, a payment of mortgage insurance kNoPmi while there is none;
// both hold 0.
inline constexpr char kNotDefined[] = "n/a";
inline constexpr char kNoPmi[] = "none";
constexpr FieldSpec costLine(const char* name, const char* caption, int row,
                             FieldKind kind = FieldKind::Money)
{
    return {.name = name,
            .caption = caption,
            .kind = kind,
            .role = FieldRole::Result,
            .at = {158, 30 + 28 * row, 118, 22},
            .start = 0};
}
inline constexpr FieldSpec kAPR = costLine("edtEccAPR", "APR", 0, FieldKind::Percent3);
inline constexpr FieldSpec kFinanceCharge =
    costLine("edtEccFinanceCharge", "Finance Charge", 1).into<&Costs::financeCharge>();
inline constexpr FieldSpec kAmountFinanced =
    costLine("edtEccAmountFinanced", "Amount Financed", 2).into<&Costs::amountFinanced>();
inline constexpr FieldSpec kTotalOfPayments =
    costLine("edtEccTotalOfPayments", "Total of Payments", 3).into<&Costs::totalOfPayments>();
inline constexpr FieldSpec kTIP =
    costLine("edtEccTIP", "Total Interest Percentage", 4, FieldKind::Percent3);
inline constexpr FieldSpec kIn5YearsPaid =
    costLine("edtEccIn5YearsPaid", "In 5 Years, Total Paid", 5).into<&Costs::in5YearsPaid>();
inline constexpr FieldSpec kIn5YearsPrincipal =
    costLine("edtEccIn5YearsPrincipal", "In 5 Years, Principal Paid", 6)
        .into<&Costs::in5YearsPrincipal>();
inline constexpr FieldSpec kPMICancelMonth =
    costLine("edtEccPMICancelMonth", "PMI May Be Cancelled After Payment", 7, FieldKind::Whole)
        .into<&Costs::pmiCancelMonth>();
inline constexpr FieldSpec kPMIEndMonth =
    costLine("edtEccPMIEndMonth", "PMI Ends After Payment", 8, FieldKind::Whole)
        .into<&Costs::pmiEndMonth>();
inline constexpr FieldSpec kLoanCostLines[] = {
    kAPR,          kFinanceCharge,     kAmountFinanced, kTotalOfPayments, kTIP,
    kIn5YearsPaid, kIn5YearsPrincipal, kPMICancelMonth, kPMIEndMonth};

} // namespace qn::pages::ecc

#pragma once

#include "calculators/closing_costs.h"
#include "pages/field_table.h"

#include <array>

// The Preferences dialog's fields, a table for each group of them, in tab order.
namespace qn::app::prefs {

using pages::FieldKind;
using pages::FieldSpec;
using pages::SettingsValues;

inline constexpr char kHousing[] = "edtP_Housing";
inline constexpr char kDebt[] = "edtP_Debt";
inline constexpr char kLoanAmount[] = "edtP_LoanAmount";
inline constexpr char kTermInMonths[] = "edtP_TermInMonths";
inline constexpr char kInterestRate[] = "edtP_InterestRate";
inline constexpr char kMonthlyPayment[] = "edtP_MonthlyPayment";
inline constexpr char k308085[] = "edtP_308085";
inline constexpr char k308590[] = "edtP_308590";
inline constexpr char k309095[] = "edtP_309095";
inline constexpr char k309597[] = "edtP_309597";
inline constexpr char k158085[] = "edtP_158085";
inline constexpr char k158590[] = "edtP_158590";
inline constexpr char k159095[] = "edtP_159095";
inline constexpr char k159597[] = "edtP_159597";
// The closing-cost tab's fees are the fee lines' (calc::kFeeLines, prefsName).
inline constexpr char kOriginationPoints[] = "edtP_OriginationPoints";
inline constexpr char kDiscountPoints[] = "edtP_DiscountPoints";
inline constexpr char kDownPaymentPercent[] = "edtP_DownPaymentPercent";
inline constexpr char kTax[] = "edtP_Tax";
inline constexpr char kInsurance[] = "edtP_Insurance";
inline constexpr char kAssociationFee[] = "edtP_AssociationFee";
inline constexpr char kIIDays[] = "edtP_IIDays";
inline constexpr char kPTIMonths[] = "edtP_PTIMonths";
inline constexpr char kHOIPMonths[] = "edtP_HOIPMonths";
inline constexpr char kHOIIMonths[] = "edtP_HOIIMonths";

inline constexpr char kBtnRestore[] = "btnRestore";
inline constexpr char kBtnCancel[] = "btnCancel";
inline constexpr char kBtnSave[] = "btnSave";

// General Values: the ratios and the primary variables, each under its group's title with
// its caption to its left; the premium rates in a table of terms by loan-to-value bands.
inline constexpr FieldSpec kRatios[] = {
    {.name = kHousing, .caption = "Housing", .kind = FieldKind::Whole, .at = {76, 20, 60, 22},
     .setting = &SettingsValues::HRatio},
    {.name = kDebt, .caption = "Debt", .kind = FieldKind::Whole, .at = {76, 44, 60, 22},
     .setting = &SettingsValues::DRatio},
};
inline constexpr FieldSpec kPrimary[] = {
    {.name = kLoanAmount, .caption = "Loan Amount", .kind = FieldKind::MoneyCut,
     .at = {104, 20, 98, 22}, .setting = &SettingsValues::Loan},
    {.name = kTermInMonths, .caption = "Term in Months", .kind = FieldKind::Whole,
     .at = {104, 44, 98, 22}, .wholeSetting = &SettingsValues::Term},
    {.name = kInterestRate, .caption = "Interest Rate", .kind = FieldKind::RatePicture,
     .at = {104, 68, 98, 22}, .setting = &SettingsValues::Interest},
    {.name = kMonthlyPayment, .caption = "Monthly Payment", .kind = FieldKind::MoneyCut,
     .at = {104, 92, 98, 22}, .setting = &SettingsValues::Payment},
};
constexpr FieldSpec premium(const char* name, const char* caption, int column, int row,
                            double SettingsValues::*setting)
{
    return {.name = name, .caption = caption, .kind = FieldKind::PremiumRate,
            .at = {70 + 70 * column, 44 + 26 * row, 62, 22}, .setting = setting};
}
inline constexpr const char* kBands[] = {"80 to 85", "85 to 90", "90 to 95", "95 to 97"};
inline constexpr FieldSpec kPremiums[] = {
    premium(k308085, "30 Year Term, 80 to 85", 0, 0, &SettingsValues::Pmip308085),
    premium(k308590, "30 Year Term, 85 to 90", 0, 1, &SettingsValues::Pmip308590),
    premium(k309095, "30 Year Term, 90 to 95", 0, 2, &SettingsValues::Pmip309095),
    premium(k309597, "30 Year Term, 95 to 97", 0, 3, &SettingsValues::Pmip309597),
    premium(k158085, "15 Year Term, 80 to 85", 1, 0, &SettingsValues::Pmip158085),
    premium(k158590, "15 Year Term, 85 to 90", 1, 1, &SettingsValues::Pmip158590),
    premium(k159095, "15 Year Term, 90 to 95", 1, 2, &SettingsValues::Pmip159095),
    premium(k159597, "15 Year Term, 95 to 97", 1, 3, &SettingsValues::Pmip159597),
};

// Closing Costs: two columns of eight, the fees first.
constexpr QRect closingCell(int i) { return {132 + 216 * (i / 8), 7 + 24 * (i % 8), 86, 22}; }
constexpr FieldSpec closingCost(int i, const char* name, const char* caption, FieldKind kind,
                                double SettingsValues::*setting)
{
    return {.name = name, .caption = caption, .kind = kind,
            .decimals = kind == FieldKind::Number ? 3 : 2, .at = closingCell(i),
            .setting = setting};
}
constexpr std::array<FieldSpec, 16> closingCostsTab()
{
    std::array<FieldSpec, 16> tab{};
    int i = 0;
    for (const calc::FeeLine& fee : calc::kFeeLines) {
        tab[i] = closingCost(i, fee.prefsName, fee.caption, FieldKind::Money, fee.setting);
        ++i;
    }
    tab[10] = closingCost(10, kOriginationPoints, "Origination Points", FieldKind::Number,
                          &SettingsValues::OriginationPoints);
    tab[11] = closingCost(11, kDiscountPoints, "Discount Points", FieldKind::Number,
                          &SettingsValues::DiscountPoints);
    tab[12] = closingCost(12, kDownPaymentPercent, "Down Payment Percent", FieldKind::Number,
                          &SettingsValues::DownPaymentPercent);
    tab[13] = closingCost(13, kTax, "Annual Real Estate Taxes", FieldKind::Money,
                          &SettingsValues::RealEstateTax);
    tab[14] = closingCost(14, kInsurance, "Homeowner's Insurance (Annual Estimate)",
                          FieldKind::Money, &SettingsValues::Insurance);
    tab[15] = closingCost(15, kAssociationFee, "Monthly Association Fee", FieldKind::Money,
                          &SettingsValues::AssociationFee);
    return tab;
}
inline constexpr std::array<FieldSpec, 16> kClosingCosts = closingCostsTab();

// Escrows: a count a line.
constexpr FieldSpec count(int row, const char* name, const char* caption,
                          double SettingsValues::*setting)
{
    return {.name = name, .caption = caption, .kind = FieldKind::Number, .decimals = 0,
            .at = {360, 16 + 40 * row, 60, 22}, .setting = setting, .centred = true};
}
inline constexpr FieldSpec kEscrows[] = {
    count(0, kIIDays, "Days of Prepaid Interest (Between Closing Date and First of Next Month)",
          &SettingsValues::InterimInterestDays),
    count(1, kPTIMonths, "Months of Prepaid Real Estate Taxes",
          &SettingsValues::PropertyTaxMonths),
    count(2, kHOIPMonths, "Months of Homeowner's Insurance Premiums (First Year)",
          &SettingsValues::HomeownersFirstYear),
    count(3, kHOIIMonths, "Months of Prepaid Homeowner's Insurance Premiums (Renewal)",
          &SettingsValues::HomeownersRenewalMonths),
};

} // namespace qn::app::prefs

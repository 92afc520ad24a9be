#pragma once

#include "calculators/closing_costs.h"
#include "pages/field_table.h"

#include <array>

// The Preferences dialog's fields, a table for each group of them, in tab order.
namespace qn::app::prefs {

using pages::FieldKind;
using pages::FieldSpec;
using pages::SettingsValues;

// The closing-cost tab's fees are the fee lines' (calc::kFeeLines, prefsName).

inline constexpr char kBtnRestore[] = "btnRestore";
inline constexpr char kBtnCancel[] = "btnCancel";
inline constexpr char kBtnSave[] = "btnSave";

// General Values: the ratios and the primary variables, each under its group's title with
// its caption to its left; the premium rates in a table of terms by loan-to-value bands.
constexpr FieldSpec general(const char* name, const char* caption, FieldKind kind, QRect at)
{
    return {.name = name, .caption = caption, .kind = kind, .at = at};
}
inline constexpr FieldSpec kHousing =
    general("edtP_Housing", "Housing", FieldKind::Whole, {76, 20, 60, 22})
        .bound(&SettingsValues::HRatio);
inline constexpr FieldSpec kDebt =
    general("edtP_Debt", "Debt", FieldKind::Whole, {76, 44, 60, 22}).bound(&SettingsValues::DRatio);
inline constexpr FieldSpec kRatios[] = {kHousing, kDebt};
inline constexpr FieldSpec kLoanAmount =
    general("edtP_LoanAmount", "Loan Amount", FieldKind::MoneyCut, {104, 20, 98, 22})
        .bound(&SettingsValues::Loan);
inline constexpr FieldSpec kTermInMonths =
    general("edtP_TermInMonths", "Term in Months", FieldKind::Whole, {104, 44, 98, 22})
        .bound(&SettingsValues::Term);
inline constexpr FieldSpec kInterestRate =
    general("edtP_InterestRate", "Interest Rate", FieldKind::RatePicture, {104, 68, 98, 22})
        .bound(&SettingsValues::Interest);
inline constexpr FieldSpec kMonthlyPayment =
    general("edtP_MonthlyPayment", "Monthly Payment", FieldKind::MoneyCut, {104, 92, 98, 22})
        .bound(&SettingsValues::Payment);
inline constexpr FieldSpec kPrimary[] = {kLoanAmount, kTermInMonths, kInterestRate,
                                         kMonthlyPayment};

constexpr FieldSpec premium(const char* name, const char* caption, int column, int row,
                            double SettingsValues::*setting)
{
    return {.name = name,
            .caption = caption,
            .kind = FieldKind::PremiumRate,
            .at = {70 + 70 * column, 44 + 26 * row, 62, 22},
            .setting = setting};
}
inline constexpr const char* kBands[] = {"80 to 85", "85 to 90", "90 to 95", "95 to 97"};
inline constexpr FieldSpec k308085 =
    premium("edtP_308085", "30 Year Term, 80 to 85", 0, 0, &SettingsValues::Pmip308085);
inline constexpr FieldSpec k308590 =
    premium("edtP_308590", "30 Year Term, 85 to 90", 0, 1, &SettingsValues::Pmip308590);
inline constexpr FieldSpec k309095 =
    premium("edtP_309095", "30 Year Term, 90 to 95", 0, 2, &SettingsValues::Pmip309095);
inline constexpr FieldSpec k309597 =
    premium("edtP_309597", "30 Year Term, 95 to 97", 0, 3, &SettingsValues::Pmip309597);
inline constexpr FieldSpec k158085 =
    premium("edtP_158085", "15 Year Term, 80 to 85", 1, 0, &SettingsValues::Pmip158085);
inline constexpr FieldSpec k158590 =
    premium("edtP_158590", "15 Year Term, 85 to 90", 1, 1, &SettingsValues::Pmip158590);
inline constexpr FieldSpec k159095 =
    premium("edtP_159095", "15 Year Term, 90 to 95", 1, 2, &SettingsValues::Pmip159095);
inline constexpr FieldSpec k159597 =
    premium("edtP_159597", "15 Year Term, 95 to 97", 1, 3, &SettingsValues::Pmip159597);
inline constexpr FieldSpec kPremiums[] = {k308085, k308590, k309095, k309597,
                                          k158085, k158590, k159095, k159597};

// Closing Costs: two columns of eight, the fees first.
constexpr QRect closingCell(int i) { return {132 + 216 * (i / 8), 7 + 24 * (i % 8), 86, 22}; }
constexpr FieldSpec closingCost(int i, const char* name, const char* caption, FieldKind kind,
                                double SettingsValues::*setting)
{
    return {.name = name,
            .caption = caption,
            .kind = kind,
            .decimals = kind == FieldKind::Number ? 3 : 2,
            .at = closingCell(i),
            .setting = setting};
}
inline constexpr FieldSpec kOriginationPoints =
    closingCost(10, "edtP_OriginationPoints", "Origination Points", FieldKind::Number,
                &SettingsValues::OriginationPoints);
inline constexpr FieldSpec kDiscountPoints =
    closingCost(11, "edtP_DiscountPoints", "Discount Points", FieldKind::Number,
                &SettingsValues::DiscountPoints);
inline constexpr FieldSpec kDownPaymentPercent =
    closingCost(12, "edtP_DownPaymentPercent", "Down Payment Percent", FieldKind::Number,
                &SettingsValues::DownPaymentPercent);
inline constexpr FieldSpec kTax = closingCost(13, "edtP_Tax", "Annual Real Estate Taxes",
                                              FieldKind::Money, &SettingsValues::RealEstateTax);
inline constexpr FieldSpec kInsurance =
    closingCost(14, "edtP_Insurance", "Homeowner's Insurance (Annual Estimate)", FieldKind::Money,
                &SettingsValues::Insurance);
inline constexpr FieldSpec kAssociationFee =
    closingCost(15, "edtP_AssociationFee", "Monthly Association Fee", FieldKind::Money,
                &SettingsValues::AssociationFee);
// The fees first, then the rest.
constexpr std::array<FieldSpec, 16> closingCostsTab()
{
    std::array<FieldSpec, 16> tab{};
    std::size_t i = 0;
    for (const calc::FeeLine& fee : calc::kFeeLines) {
        tab[i] = closingCost(static_cast<int>(i), fee.prefsName, fee.caption, FieldKind::Money,
                             fee.setting);
        ++i;
    }
    for (const FieldSpec& rest : {kOriginationPoints, kDiscountPoints, kDownPaymentPercent, kTax,
                                  kInsurance, kAssociationFee})
        tab[i++] = rest;
    return tab;
}
inline constexpr std::array<FieldSpec, 16> kClosingCosts = closingCostsTab();

// Escrows: a count a line.
constexpr FieldSpec count(const char* name, int row, const char* caption,
                          double SettingsValues::*setting)
{
    return pages::numberField(name, caption, 0, {360, 16 + 40 * row, 60, 22})
        .bound(setting)
        .inCentre();
}
inline constexpr FieldSpec kIIDays = count(
    "edtP_IIDays", 0, "Days of Prepaid Interest (Between Closing Date and First of Next Month)",
    &SettingsValues::InterimInterestDays);
inline constexpr FieldSpec kPTIMonths = count(
    "edtP_PTIMonths", 1, "Months of Prepaid Real Estate Taxes", &SettingsValues::PropertyTaxMonths);
inline constexpr FieldSpec kHOIPMonths =
    count("edtP_HOIPMonths", 2, "Months of Homeowner's Insurance Premiums (First Year)",
          &SettingsValues::HomeownersFirstYear);
inline constexpr FieldSpec kHOIIMonths =
    count("edtP_HOIIMonths", 3, "Months of Prepaid Homeowner's Insurance Premiums (Renewal)",
          &SettingsValues::HomeownersRenewalMonths);
inline constexpr FieldSpec kEscrows[] = {kIIDays, kPTIMonths, kHOIPMonths, kHOIIMonths};

} // namespace qn::app::prefs

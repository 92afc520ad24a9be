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

// The closing-cost panel: the lines the page computes, and the typed fees (see kFees).
inline constexpr char kOriginationFee[] = "edtOriginationFee";
inline constexpr char kLOF[] = "edtLOF";
inline constexpr char kClosingPMI[] = "edtClosingPMI";
inline constexpr char kAF[] = "edtAF";
inline constexpr char kCR[] = "edtCR";
inline constexpr char kTSF[] = "edtTSF";
inline constexpr char kLPF[] = "edtLPF";
inline constexpr char kTIF[] = "edtTIF";
inline constexpr char kTS[] = "edtTS";
inline constexpr char kSTT[] = "edtSTT";
inline constexpr char kRF[] = "edtRF";
inline constexpr char kOF[] = "edtOF";
inline constexpr char kSellerPaid[] = "edtSellerPaid";

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

// One typed fee of the closing costs, the one list of them: the panel's lines, what they
// load and save, the settings keys the panel's OK writes, the Preferences tab, the report.
struct Fee {
    const char* name;       // the panel's field
    const char* prefsName;  // the Preferences field
    const char* caption;
    const char* key;        // in the settings file
    double SettingsValues::*setting;
    double calc::EccFees::*value;
};

inline constexpr Fee kFees[] = {
    {kAF, "edtP_AF", "Appraisal Fee", "AppraisalFee", &SettingsValues::AppraisalFee,
     &calc::EccFees::appraisalFee},
    {kCR, "edtP_CR", "Credit Report", "CreditReport", &SettingsValues::CreditReport,
     &calc::EccFees::creditReport},
    {kTSF, "edtP_TSF", "Tax-related Service Fee", "TaxServiceFee",
     &SettingsValues::TaxServiceFee, &calc::EccFees::taxServiceFee},
    {kLPF, "edtP_LPF", "Lender's Inspection Fee", "LendersInspectionFee",
     &SettingsValues::LendersInspectionFee, &calc::EccFees::lendersInspectionFee},
    {kTIF, "edtP_TIF", "Title Insurance", "TitleInsurance", &SettingsValues::TitleInsurance,
     &calc::EccFees::titleInsurance},
    {kTS, "edtP_TS", "Title Search", "TitleSearch", &SettingsValues::TitleSearch,
     &calc::EccFees::titleSearch},
    {kSTT, "edtP_STT", "Escrow Closing Fee", "EscrowClosingFee",
     &SettingsValues::EscrowClosingFee, &calc::EccFees::escrowClosingFee},
    {kRF, "edtP_RF", "Recording Fee", "RecordingFee", &SettingsValues::RecordingFee,
     &calc::EccFees::recordingFee},
    {kOF, "edtP_OF", "Other Fees", "OtherFees", &SettingsValues::OtherFees,
     &calc::EccFees::otherFees},
    {kSellerPaid, "edtP_SellerPaid", "Seller Paid Costs", "SellerPaid",
     &SettingsValues::SellerPaid, &calc::EccFees::sellerPaid},
};

} // namespace qn::pages::ecc

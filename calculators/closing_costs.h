#pragma once

#include "calculators/settings_values.h"

#include <optional>

namespace qn::calc {

// Which of the three amounts of the Estimated Closing Costs page are locked, i.e. computed
// by the page rather than typed. The purchase price and the loan amount are never unlocked
// together, so six states are reachable; the transitions below keep it that way.
struct EccLocks {
    bool purchasePrice = true;
    bool downPayment = true;
    bool loanAmount = true;

    // Income and debt limit the price, and can be typed, only in this state.
    bool allLocked() const { return purchasePrice && downPayment && loanAmount; }

    void unlockPurchasePrice()
    {
        purchasePrice = false;
        loanAmount = true;
    }
    void lockPurchasePrice() { purchasePrice = true; }
    void unlockDownPayment() { downPayment = false; }
    void lockDownPayment() { downPayment = true; }
    void unlockLoanAmount()
    {
        loanAmount = false;
        purchasePrice = true;
    }
    void lockLoanAmount() { loanAmount = true; }
};

// The mortgage-insurance premium table: annual rates as fractions of the loan, named by
// their settings keys ("Pmip", term column, loan-to-value band); the settings' defaults
// unless given.
struct PmiRates {
    double Pmip308085 = SettingsValues{}.Pmip308085;
    double Pmip308590 = SettingsValues{}.Pmip308590;
    double Pmip309095 = SettingsValues{}.Pmip309095;
    double Pmip309597 = SettingsValues{}.Pmip309597;
    double Pmip158085 = SettingsValues{}.Pmip158085;
    double Pmip158590 = SettingsValues{}.Pmip158590;
    double Pmip159095 = SettingsValues{}.Pmip159095;
    double Pmip159597 = SettingsValues{}.Pmip159597;
};

// Annual premium rate for a loan-to-value ratio in percent and a term in years. Each band
// includes its upper bound; up to 80 and above 97 there is no premium. Terms above 15 years
// use the 30-year column.
double DeterminePMIPremium(double loanToValue, double termYears, const PmiRates& rates);

// The typed lines of the closing-cost panel.
struct EccFees {
    double appraisalFee = 0;
    double creditReport = 0;
    double taxServiceFee = 0;
    double lendersInspectionFee = 0;
    double titleInsurance = 0;
    double titleSearch = 0;
    double escrowClosingFee = 0;
    double recordingFee = 0;
    double otherFees = 0;
    double sellerPaid = 0;
};

// One typed fee, the one list of them: the closing-cost panel's lines, their checks, what
// they load and save and the settings keys the panel's OK writes, the Preferences tab, the
// report.
struct FeeLine {
    const char* name;      // the closing-cost panel's field
    const char* prefsName; // the Preferences field
    const char* caption;
    const char* key; // in the settings file
    double SettingsValues::*setting;
    double EccFees::*value;
};

inline constexpr FeeLine kFeeLines[] = {
    {"edtAF", "edtP_AF", "Appraisal Fee", "AppraisalFee", &SettingsValues::AppraisalFee,
     &EccFees::appraisalFee},
    {"edtCR", "edtP_CR", "Credit Report", "CreditReport", &SettingsValues::CreditReport,
     &EccFees::creditReport},
    {"edtTSF", "edtP_TSF", "Tax-related Service Fee", "TaxServiceFee",
     &SettingsValues::TaxServiceFee, &EccFees::taxServiceFee},
    {"edtLPF", "edtP_LPF", "Lender's Inspection Fee", "LendersInspectionFee",
     &SettingsValues::LendersInspectionFee, &EccFees::lendersInspectionFee},
    {"edtTIF", "edtP_TIF", "Title Insurance", "TitleInsurance", &SettingsValues::TitleInsurance,
     &EccFees::titleInsurance},
    {"edtTS", "edtP_TS", "Title Search", "TitleSearch", &SettingsValues::TitleSearch,
     &EccFees::titleSearch},
    {"edtSTT", "edtP_STT", "Escrow Closing Fee", "EscrowClosingFee",
     &SettingsValues::EscrowClosingFee, &EccFees::escrowClosingFee},
    {"edtRF", "edtP_RF", "Recording Fee", "RecordingFee", &SettingsValues::RecordingFee,
     &EccFees::recordingFee},
    {"edtOF", "edtP_OF", "Other Fees", "OtherFees", &SettingsValues::OtherFees,
     &EccFees::otherFees},
    {"edtSellerPaid", "edtP_SellerPaid", "Seller Paid Costs", "SellerPaid",
     &SettingsValues::SellerPaid, &EccFees::sellerPaid},
};

// The counts of the escrow panel (whole numbers).
struct EccEscrowCounts {
    double interimInterestDays = 0;
    double propertyTaxMonths = 0;
    double homeownersFirstYearMonths = 0;
    double homeownersRenewalMonths = 0;
    double pmiReserveMonths = 1;
};

// Every input the page's computation reads: its entry fields, the three lockable amounts as
// they stand (used where unlocked, and the price kept while only the down payment is typed),
// the panels' typed lines and the premium table.
struct EccInputs {
    double income = 0;            // monthly
    double debt = 0;              // monthly
    double interestRate = 0;      // annual percent
    double originationPoints = 0; // percent of the loan
    double discountPoints = 0;    // percent of the loan
    double termYears = 0;
    double downPaymentPercent = 0;
    double tax = 0;            // annual
    double insurance = 0;      // annual
    double associationFee = 0; // monthly
    double housingRatio = 0;   // percent limit
    double debtRatio = 0;      // percent limit
    double purchasePrice = 0;
    double downPayment = 0;
    double loanAmount = 0;
    EccFees fees;
    EccEscrowCounts counts;
    PmiRates pmi;
};

// The inputs of a freshly created page, and of the page after Reset (the lock state then
// is EccLocks{}, all locked). The three amounts start at 0.
EccInputs EccStartingInputs(const SettingsValues& settings);

// The premium table of the settings values.
PmiRates PmiRatesOf(const SettingsValues& settings);

// The lines of the two panels and the totals they give.
struct EccPanels {
    double originationFee = 0;
    double discountFee = 0;
    double closingPmi = 0;   // one month of mortgage insurance
    double closingCosts = 0; // seller-paid costs are not part of it
    double prepaidInterest = 0;
    double taxReserve = 0;
    double insuranceFirstYear = 0;
    double insuranceRenewal = 0;
    double pmiReserve = 0;
    double escrows = 0;
    double cashRequiredToClose = 0; // negative when the seller pays more than everything
    double pmiRate = 0;             // annual premium rate shown on the escrow panel
};

// The panels' lines for a loan and the down payment shown, at the premium rate and monthly
// premium already worked out. Counts that are not whole throw qn::EInputError.
EccPanels ComputeEccPanels(const EccInputs& in, double loanAmount, double downPayment,
                           double pmiRate, double monthlyPmi);

struct EccResults {
    // Set only for the fields the lock state makes the page write.
    std::optional<double> purchasePrice;
    std::optional<double> downPayment;
    std::optional<double> loanAmount;
    std::optional<double> downPaymentPercent; // already at the field's three decimals

    double pAndI = 0;
    double monthlyTax = 0;
    double monthlyInsurance = 0;
    double monthlyPmi = 0;
    double totalMonthlyPayment = 0;
    double housingRatio = 0; // actual, unrounded
    double debtRatio = 0;    // actual, unrounded
    EccPanels panels;
};

// Recomputes the whole page for the lock state. Inputs the page cannot use throw
// qn::EInputError with the message naming the field, before anything is computed;
// arithmetic failures throw qn::EMathError. Either way nothing is to be written.
EccResults CalcEcc(const EccInputs& in, const EccLocks& locks);

} // namespace qn::calc

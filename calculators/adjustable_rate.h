#pragma once

#include "core/mortgage.h"

#include <optional>
#include <string>
#include <vector>

namespace qn::calc {

// Captions of the adjustable-rate fields of the schedule page, as its messages name them.
inline constexpr const char* kArmFixedMonthsCaption = "Fixed Months";
inline constexpr const char* kArmAdjustEveryCaption = "Adjust Every";
inline constexpr const char* kArmMarginCaption = "Margin";
inline constexpr const char* kArmIndexListCaption = "Index List";
inline constexpr const char* kArmFirstCapCaption = "First Cap";
inline constexpr const char* kArmPeriodicCapCaption = "Periodic Cap";
inline constexpr const char* kArmLifetimeCapCaption = "Lifetime Cap";
inline constexpr const char* kArmFloorCaption = "Floor";

// The adjustable-rate fields as the page holds them: months as typed values, rates in
// percent a year (2.75 for 2.75 %).
struct ArmFields {
    double fixedMonths = 0;
    double adjustEvery = 0;
    double margin = 0;
    TIndexPath path = TIndexPath::Flat;
    double index = 0;        // today's index: the flat and rising paths
    double indexStep = 0;    // the rising path: added at each change
    std::string indexList{}; // the typed path: one value per change, separated by ";"
    double firstCap = 0;
    double periodicCap = 0;
    double lifetimeCap = 0;
    std::optional<double> floor{}; // none (an empty field): the margin
};

// The fields checked against the loan's number of payments and its start rate in percent,
// as the terms for TMortgage::Setup (rates as fractions). Refusals throw qn::EInputError
// naming the field: fixed months and the interval whole and from 1 to the term, margin,
// caps and floor not negative, the floor no higher than the start rate plus the lifetime
// cap, a typed path with at least one number. Index values may be negative.
TAdjustableRate ArmTermsFromFields(const ArmFields& fields, int numPayments,
                                   double startRatePercent);

// The typed index list in percent: numbers separated by ";", blanks around them and empty
// places ignored, "." or "," as the decimal point. Throws qn::EInputError naming the field.
std::vector<double> ParseIndexList(const std::string& text);

// The payments an adjustable loan asks for up to its payoff.
struct ArmPaymentSummary {
    double firstPayment = 0;
    int firstPaymentMonths = 0; // payments before the payment first changes, or all of them
    double highestPayment = 0;
    int highestFrom = 0; // the first payment number at the highest payment
    int payoffMonth = 0; // the payment that clears the loan
};
ArmPaymentSummary SummarizeArmPayments(const TMortgage& loan);

// "Payment $1,798.65 for 60 months, then up to $2,293.43 from month 67"; "..., then no
// higher" when the payment never rises; only the first part when it never changes.
// `firstMoney` and `highestMoney` are the two payments in the user's currency form.
std::string ArmSummaryText(const ArmPaymentSummary& summary, const std::string& firstMoney,
                           const std::string& highestMoney);

} // namespace qn::calc

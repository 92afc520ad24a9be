#pragma once

#include <array>

namespace qn::calc {

// Every input field of the Mortgage Qualifier page. Money is monthly, ratios and rates are
// percentages, terms are years.
struct MqInputs {
    double income1 = 0; // borrower
    double otherIncome1 = 0;
    double cards1 = 0;
    double auto1 = 0;
    double notes1 = 0;
    double income2 = 0; // co-borrower
    double otherIncome2 = 0;
    double cards2 = 0;
    double auto2 = 0;
    double notes2 = 0;
    double housingRatio = 0;
    double debtRatio = 0;
    double downPayment = 0; // cash available for the down payment
    std::array<double, 3> rate{};
    std::array<double, 3> termYears{};
};

// The two qualifying ratios, under the names of their settings keys.
struct MqRatios {
    double HRatio = 0;
    double DRatio = 0;
};

struct MqRow {
    double payment = 0;
    double loanAmount = 0;
    double purchasePrice = 0;
};

struct MqResults {
    MqRatios ratiosToStore;
    std::array<MqRow, 3> rows{};
    // "Your Ratios", unrounded; the fields show them as whole percents.
    double housingRatio = 0;
    double debtRatio = 0;
};

// The ratios typed on the page, to be copied into the settings values before anything is
// computed, so the copy stands even when the computation fails.
MqRatios MqRatiosToStore(const MqInputs& in);

// Computes every result of the page. A term that is not a whole number of years from 0 to
// 100 throws qn::EInputError naming the field; an arithmetic failure (a rate of -1200 or
// below) throws qn::EMathError. A rate of 0 spreads the loan evenly over the months.
MqResults CalcMq(const MqInputs& in);

// Rates 2 and 3 follow rate 1 a quarter and a half point below it.
struct MqRateLadder {
    double rate2 = 0;
    double rate3 = 0;
};
MqRateLadder MqRatesFollowingRate1(double rate1);

} // namespace qn::calc

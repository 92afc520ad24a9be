#pragma once

#include "calculators/closing_costs.h"

#include <optional>
#include <vector>

namespace qn::calc {

// What the closing-cost page's loan really costs, as a lender's disclosure states it: the
// amount financed, the annual percentage rate by the actuarial method, the finance charge,
// the total interest percentage, the first five years, and when mortgage insurance ends.

// The page's figures these are worked out from. P&I and the monthly PMI are the unrounded
// values the page computes; the payments use them rounded to the cent as their fields show.
struct LendingInputs {
    double loanAmount = 0;
    double interestRate = 0; // annual percent
    int termYears = 0;
    double pAndI = 0;
    double monthlyPmi = 0;
    double purchasePrice = 0;
    // The prepaid finance charges. Appraisal, credit report, title, escrow closing fee,
    // recording fee, taxes and insurance are not finance charges; nor are seller-paid costs.
    double originationFee = 0;
    double discountFee = 0;
    double taxServiceFee = 0;
    double lendersInspectionFee = 0;
    double otherFees = 0;
    double closingPmi = 0;
    double pmiReserve = 0;
    double prepaidInterest = 0;
    // For the loan costs of the first five years.
    double closingCosts = 0;
    double recordingFee = 0;
};

// The figures of one recomputation of the page: its inputs and CalcEcc's results for them.
LendingInputs LendingInputsOf(const EccInputs& in, const EccResults& results);

struct LendingFigures {
    double prepaidFinanceCharges = 0;
    double amountFinanced = 0;
    // Mortgage insurance may be cancelled after payment pmiCancelMonth (the balance at 80 %
    // of the price) and ends after payment pmiEndMonth (at 78 %, or at the latest halfway
    // through the term). Both 0 without mortgage insurance.
    int pmiCancelMonth = 0;
    int pmiEndMonth = 0;
    std::vector<double> payments; // payment 1 .. 12 x term, mortgage insurance included
    std::optional<double> apr;    // annual percent; none while not defined
    double financeCharge = 0;
    double totalOfPayments = 0;
    // (all P&I payments - loan) / loan x 100; none without a loan or without payments.
    std::optional<double> totalInterestPercent;
    double in5YearsPaid = 0; // payments of the first 60 months plus the loan costs
    double in5YearsPrincipal = 0;
};

// Throws qn::EMathError for figures whose arithmetic overflows.
LendingFigures ComputeLendingFigures(const LendingInputs& in);

// ComputeLendingFigures(LendingInputsOf(in, results)): the page's one call.
LendingFigures LendingFiguresOf(const EccInputs& in, const EccResults& results);

// The annual percentage rate 1200 i at which the payments, one a month from a month after
// the loan, are worth the amount financed: A = sum of payments[k-1] / (1 + i)^k. Solved to
// far better than 1e-10 relative. None when the amount financed is not above 0, or there
// is no payment above 0 or one below 0.
std::optional<double> ActuarialApr(double amountFinanced, const std::vector<double>& payments);

} // namespace qn::calc

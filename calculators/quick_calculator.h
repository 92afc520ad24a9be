#pragma once

#include <optional>

namespace qn::calc {

enum class Unknown { LoanAmount, InterestRate, Payment, NumPayments };

// Outcome of one Calculate: either the solved value or "never repaid" (the payment does
// not cover the first month's interest, so no number of payments exists).
struct QuickResult {
    std::optional<double> value;
    bool neverRepaid = false;
};

// Solves the level-payment equation for `unknown` from the other three (rate in annual
// percent; n is the value of the payments field). A fractional n where a count is needed
// throws qn::EConvertError; a division by zero or other arithmetic failure qn::EMathError,
// as does a negative or non-finite loan, payment or rate.
QuickResult SolveQuick(Unknown unknown, double loan, double rate, double pay, double n);

} // namespace qn::calc

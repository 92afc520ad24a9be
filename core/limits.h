#pragma once

#include <string>

namespace qn {

// Limits on the figures a page hands to the loan mathematics. A schedule has one row per
// payment, so the count bounds its size; amounts must keep their cents exactly and fit the
// fields that show them.
inline constexpr int kMaxPayments = 1200;
inline constexpr int kMaxYears = 100;
inline constexpr double kMaxAmount = 999999999999.99;

// Largest amount whose cents the loan model keeps exactly: 9e15 cents is below both 2^53
// (a double's whole numbers) and the 64-bit integers that hold them.
inline constexpr double kMaxCentsAmount = 9.0e13;

// Each check returns the value when it is acceptable and otherwise throws EInputError with
// a message naming the field by its caption, for example
// "Term in Months must be a whole number no larger than 1200.".

// A count of payments: a whole number from 0 to kMaxPayments.
int CheckPaymentCount(double value, const std::string& caption);

// A term in years: a whole number from 0 to kMaxYears.
int CheckYears(double value, const std::string& caption);

// A loan amount, payment or price: from 0 to kMaxAmount.
double CheckAmount(double value, const std::string& caption);

} // namespace qn

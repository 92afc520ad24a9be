#pragma once

#include <string>
#include <vector>

namespace qn {

// Limits on the figures a page hands to the loan mathematics. A schedule has one row per
// payment, so the count bounds its size; amounts must keep their cents exactly and fit the
// fields that show them.
inline constexpr int kMaxPayments = 1200;
inline constexpr int kMaxYears = 100;
inline constexpr double kMaxAmount = 999999999999.99;
// A percentage of something (a tax, a cost) or a yearly growth rate compounded over up to
// kMaxYears: beyond it the figures only overflow.
inline constexpr double kMaxPercent = 100;

// Largest amount whose cents the loan model keeps exactly: 9e15 cents is below both 2^53
// (a double's whole numbers) and the 64-bit integers that hold them.
inline constexpr double kMaxCentsAmount = 9.0e13;

// Each check returns the value when it is acceptable and otherwise throws EInputError with
// a message naming the field by its caption. Each rule has one wording:
// "Term in Months must be a whole number from 0 to 1200.", "Loan Amount cannot be
// negative.", "Loan Amount must be more than 0.", "Loan Amount must be no larger than
// 999,999,999,999.99.", "Rent Increase must be from 0 to 100.", "Down Payment Percent must
// be at least 0 and less than 100.", "Payments Made cannot be more than Term in Months.".

// A whole number from `least` to `most`.
int CheckWhole(double value, int least, int most, const std::string& caption);

// A count of payments, months or days: a whole number from `least` (0 or 1) to kMaxPayments.
int CheckPaymentCount(double value, const std::string& caption, int least = 0);

// A term in years: a whole number from `least` to kMaxYears.
int CheckYears(double value, const std::string& caption, int least = 0);

// Any figure that may be 0 but not below.
double CheckNotNegative(double value, const std::string& caption);

// A loan amount, payment, price, fee or income: from 0 to kMaxAmount.
double CheckAmount(double value, const std::string& caption);

// An amount that must be more than 0, as a loan to be scheduled: up to kMaxAmount.
double CheckPositiveAmount(double value, const std::string& caption);

// A percentage from 0 to kMaxPercent.
double CheckPercent(double value, const std::string& caption);

// A share of a whole that must leave some of it: from 0 and below kMaxPercent.
double CheckPercentBelowWhole(double value, const std::string& caption);

// A figure that may not exceed another one, named by `mostCaption`. The comparison is worded
// for what is compared: a count is "more", an amount "larger", a rate "higher" ("Floor Rate
// cannot be higher than the Interest Rate plus the Lifetime Cap (14.5).").
enum class Measure { Count, Amount, Rate };
double CheckNotAbove(double value, double most, Measure measure, const std::string& caption,
                     const std::string& mostCaption);

// Numbers separated by ";", each with "." or "," as its decimal point, blanks around them
// ignored. An item that is no number is refused by its text ("Index List: "6.5%" is not a
// number."), a list without any by what it needs ("Index List needs at least one index
// value, the values separated by ";".").
std::vector<double> CheckNumberList(const std::string& text, const std::string& caption,
                                    const std::string& itemName);

// The message of a field that keeps its own range and has no caption to name:
// "Value must be between 4 and 100.5".
std::string FieldRangeMessage(double least, double most);

} // namespace qn

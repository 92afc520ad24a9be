#include "core/errors.h"
#include "core/limits.h"
#include "tests/support/refusal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace qn;

namespace {

const double kInf = std::numeric_limits<double>::infinity();

struct LimitCase {
    const char* name;
    double value;
    const char* message; // null when the value is accepted
};

void expectCheck(const LimitCase& c, double (*check)(double, const std::string&),
                 const std::string& caption)
{
    SCOPED_TRACE(c.name);
    if (!c.message) {
        EXPECT_EQ(check(c.value, caption), c.value);
        return;
    }
    EXPECT_EQ(refusal([&] { check(c.value, caption); }), caption + c.message) << c.value;
}

double countCheck(double value, const std::string& caption)
{
    return CheckPaymentCount(value, caption);
}

double yearsCheck(double value, const std::string& caption) { return CheckYears(value, caption); }

} // namespace

TEST(Limits, PaymentCounts)
{
    const char* refused = " must be a whole number from 0 to 1200.";
    const LimitCase cases[] = {
        {"zero", 0, nullptr},
        {"one", 1, nullptr},
        {"limit", 1200, nullptr},
        {"justAbove", 1201, refused},
        {"tenMillion", 10000000, refused},
        {"intMax", 2147483647, refused},
        {"infinite", kInf, refused},
        {"fraction", 12.5, refused},
        {"negative", -1, refused},
        {"minusInfinite", -kInf, refused},
        {"notANumber", std::nan(""), refused},
    };
    for (const LimitCase& c : cases)
        expectCheck(c, countCheck, "Term in Months");
}

TEST(Limits, Years)
{
    const char* refused = " must be a whole number from 0 to 100.";
    const LimitCase cases[] = {
        {"zero", 0, nullptr},          {"limit", 100, nullptr},    {"justAbove", 101, refused},
        {"huge", 2147483647, refused}, {"fraction", 2.5, refused}, {"negative", -3, refused},
    };
    for (const LimitCase& c : cases)
        expectCheck(c, yearsCheck, "Years");
}

TEST(Limits, Amounts)
{
    const char* tooLarge = " must be no larger than 999,999,999,999.99.";
    const LimitCase cases[] = {
        {"zero", 0, nullptr},
        {"cents", 0.01, nullptr},
        {"limit", 999999999999.99, nullptr},
        {"trillion", 1e12, tooLarge},
        {"loanThatOverflowedCents", 1e17, tooLarge},
        {"infinite", kInf, tooLarge},
        {"notANumber", std::nan(""), tooLarge},
        {"negative", -0.01, " cannot be negative."},
        {"mostNegative", -1.7976931348623157e308, " cannot be negative."},
    };
    for (const LimitCase& c : cases)
        expectCheck(c, CheckAmount, "Loan Amount");
}

double countFromOne(double value, const std::string& caption)
{
    return CheckPaymentCount(value, caption, 1);
}

// Where 0 has no meaning: a loan to schedule, a count of payments; and percentages.
TEST(Limits, PositiveFiguresAndPercentages)
{
    const LimitCase amounts[] = {
        {"cents", 0.01, nullptr},
        {"zero", 0, " must be more than 0."},
        {"negative", -1, " cannot be negative."},
        {"trillion", 1e12, " must be no larger than 999,999,999,999.99."},
    };
    for (const LimitCase& c : amounts)
        expectCheck(c, CheckPositiveAmount, "Loan Amount");
    const LimitCase counts[] = {
        {"one", 1, nullptr},
        {"zero", 0, " must be a whole number from 1 to 1200."},
    };
    for (const LimitCase& c : counts)
        expectCheck(c, countFromOne, "Number of Payments");
    const LimitCase percents[] = {
        {"zero", 0, nullptr},
        {"limit", 100, nullptr},
        {"tooLarge", 999999, " must be from 0 to 100."},
        {"negative", -0.5, " must be from 0 to 100."},
        {"notANumber", std::nan(""), " must be from 0 to 100."},
    };
    for (const LimitCase& c : percents)
        expectCheck(c, CheckPercent, "Rent Increase");
}

// Amounts up to the limit keep their cents in the loan model's integers.
TEST(Limits, AmountLimitFitsCents)
{
    EXPECT_LT(kMaxAmount * 100, kMaxCentsAmount * 100);
    EXPECT_LT(kMaxCentsAmount * 100, 9007199254740992.0); // 2^53
}

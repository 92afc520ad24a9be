#include "calculators/quick_calculator.h"

#include "core/errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using qn::calc::SolveQuick;
using qn::calc::Unknown;

namespace {

struct SolveCase {
    const char* name;
    Unknown unknown;
    double loan, rate, pay, n;
    double expected;
    double tolerance;
};

class SolveQuickTest : public ::testing::TestWithParam<SolveCase> {};

TEST_P(SolveQuickTest, GivesTheExpectedValue)
{
    const SolveCase& c = GetParam();
    const auto r = SolveQuick(c.unknown, c.loan, c.rate, c.pay, c.n);
    ASSERT_TRUE(r.value.has_value()) << c.name;
    EXPECT_FALSE(r.neverRepaid);
    EXPECT_NEAR(*r.value, c.expected, c.tolerance) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SolveQuickTest,
    ::testing::Values(SolveCase{"payment", Unknown::Payment, 100000, 8.75, 0, 360, 786.7004, 1e-4},
                      SolveCase{"paymentZeroRate", Unknown::Payment, 36000, 0, 0, 360, 100, 1e-9},
                      SolveCase{"paymentRoundsN", Unknown::Payment, 36000, 0, 0, 359.6, 100, 1e-9},
                      SolveCase{"loanRoundsUp", Unknown::LoanAmount, 0, 8.75, 786.70, 360, 100000,
                                0},
                      SolveCase{"loanExactStays", Unknown::LoanAmount, 0, 0, 500, 360, 180000, 0},
                      SolveCase{"loanOddStays", Unknown::LoanAmount, 0, 0, 180001, 1, 180001, 0},
                      SolveCase{"rate", Unknown::InterestRate, 100000, 0, 786.70, 360, 8.75, 5e-4},
                      SolveCase{"months", Unknown::NumPayments, 100000, 8.75, 786.70, 0, 360, 0},
                      SolveCase{"monthsZeroRate", Unknown::NumPayments, 1000, 0, 300, 0, 3, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SolveQuick, PaymentBelowFirstInterestIsNeverRepaid)
{
    const auto r = SolveQuick(Unknown::NumPayments, 100000, 8.75, 700, 0);
    EXPECT_TRUE(r.neverRepaid);
    EXPECT_FALSE(r.value.has_value());
}

TEST(SolveQuick, Failures)
{
    EXPECT_THROW(SolveQuick(Unknown::NumPayments, 100000, 8.75, 0, 0), qn::EMathError);
    EXPECT_THROW(SolveQuick(Unknown::NumPayments, 100000, 0, 0, 0), qn::EMathError);
    EXPECT_THROW(SolveQuick(Unknown::Payment, 100000, 0, 0, 0), qn::EMathError);
    EXPECT_THROW(SolveQuick(Unknown::LoanAmount, 0, 8.75, 700, 12.5), qn::EConvertError);
    EXPECT_THROW(SolveQuick(Unknown::InterestRate, 1000, 0, 100, 12.5), qn::EConvertError);
}

TEST(SolveQuick, NegativeOrNonFiniteFiguresFail)
{
    const double inf = std::numeric_limits<double>::infinity();
    // A negative loan once came back as a negative number of payments.
    EXPECT_THROW(SolveQuick(Unknown::NumPayments, -100000, 8.75, 786.70, 0), qn::EMathError);
    EXPECT_THROW(SolveQuick(Unknown::NumPayments, -1000, 0, 300, 0), qn::EMathError);
    EXPECT_THROW(SolveQuick(Unknown::Payment, -100000, 8.75, 0, 360), qn::EMathError);
    EXPECT_THROW(SolveQuick(Unknown::LoanAmount, 0, 8.75, -700, 360), qn::EMathError);
    EXPECT_THROW(SolveQuick(Unknown::LoanAmount, 0, 0, 700, -360), qn::EMathError);
    EXPECT_THROW(SolveQuick(Unknown::Payment, 36000, 0, 0, -360), qn::EMathError);
    EXPECT_THROW(SolveQuick(Unknown::InterestRate, -1000, 0, 100, 12), qn::EMathError);
    EXPECT_THROW(SolveQuick(Unknown::NumPayments, inf, 8.75, 786.70, 0), qn::EMathError);
    EXPECT_THROW(SolveQuick(Unknown::Payment, 100000, std::nan(""), 0, 360), qn::EMathError);
    EXPECT_THROW(SolveQuick(Unknown::Payment, 100000, 8.75, 0, inf), qn::EConvertError);
    EXPECT_THROW(SolveQuick(Unknown::LoanAmount, 0, 8.75, 700, std::nan("")), qn::EConvertError);
}

} // namespace

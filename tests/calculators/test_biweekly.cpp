#include "calculators/biweekly.h"

#include "core/errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using qn::calc::ComputeBiweekly;

TEST(ComputeBiweekly, ExampleLoan)
{
    const auto r = ComputeBiweekly(100000, 8.75, 360, 786.70);
    EXPECT_NEAR(r.monthlyTotal, 283212.00, 0.005);
    EXPECT_NEAR(r.monthlyInterest, 183212.00, 0.005);
    EXPECT_NEAR(r.biweeklyPayment, 393.35, 1e-9);
    EXPECT_NEAR(r.biweeklyCount, 575.93, 0.005);
    EXPECT_NEAR(r.biweeklyTotal, 226540.72, 0.005);
    EXPECT_NEAR(r.biweeklyInterest, 126540.72, 0.005);
    EXPECT_NEAR(r.monthsSaved, 94.19, 0.005);
    EXPECT_NEAR(r.yearsSaved, 7.85, 0.005);
    EXPECT_NEAR(r.interestSaved, 56671.28, 0.005);
}

TEST(ComputeBiweekly, ZeroRateIsInterestFree)
{
    const auto r = ComputeBiweekly(36000, 0, 360, 100);
    EXPECT_DOUBLE_EQ(r.biweeklyCount, 720);
    EXPECT_DOUBLE_EQ(r.biweeklyTotal, 36000);
    EXPECT_DOUBLE_EQ(r.biweeklyInterest, 0);
    EXPECT_DOUBLE_EQ(r.monthsSaved, 360 - 720.0 / 26 * 12);
    EXPECT_DOUBLE_EQ(r.interestSaved, 0);
}

TEST(ComputeBiweekly, Failures)
{
    EXPECT_THROW(ComputeBiweekly(100000, 8.75, 0, 0), qn::EMathError);
    // Half of 600 does not cover two weeks' interest at 20 %.
    EXPECT_THROW(ComputeBiweekly(100000, 20, 360, 600), qn::EMathError);
}

TEST(ComputeBiweekly, FiguresNoLoanHasFail)
{
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* name;
        double amount, percent;
        int months;
        double payment;
    };
    const Case cases[] = {
        {"negativeLoan", -100000, 8.75, 360, 786.70},
        {"negativeLoanZeroRate", -36000, 0, 360, 100},
        {"negativePayment", 100000, 8.75, 360, -786.70},
        {"negativeMonths", 100000, 8.75, -360, 786.70},
        {"amountBeyondCents", 1e285, 8.75, 360, 1e283},
        {"infiniteRate", 100000, inf, 360, 786.70},
        {"notANumberRate", 100000, std::nan(""), 360, 786.70},
    };
    for (const Case& c : cases)
        EXPECT_THROW(ComputeBiweekly(c.amount, c.percent, c.months, c.payment), qn::EMathError)
            << c.name;
}

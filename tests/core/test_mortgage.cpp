#include "core/errors.h"
#include "core/mortgage.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>

using namespace qn;

TEST(Schedule, EightSevenFiveOverThirtyYears)
{
    TMortgage loan(360, 100000, 0.0875, 12);
    EXPECT_DOUBLE_EQ(loan.Payment, 786.70);
    ASSERT_EQ(loan.Payments.size(), 360u);
    const TPayment& first = loan.Payments.front();
    EXPECT_EQ(first.Number, 1);
    EXPECT_DOUBLE_EQ(first.Interest, 729.17);
    EXPECT_DOUBLE_EQ(first.Principal, 57.53);
    EXPECT_DOUBLE_EQ(first.Balance, 99942.47);
    // The last payment clears the loan instead of leaving 0.97 owed.
    const TPayment& last = loan.Payments.back();
    EXPECT_DOUBLE_EQ(last.Interest, 5.70);
    EXPECT_DOUBLE_EQ(last.Principal, 781.97);
    EXPECT_DOUBLE_EQ(last.Balance, 0);
    EXPECT_DOUBLE_EQ(last.PrincipalToDate, 100000);
}

TEST(Schedule, SevenPercentAndZeroRate)
{
    TMortgage loan(360, 100000, 0.07, 12);
    EXPECT_DOUBLE_EQ(loan.Payment, 665.30);
    EXPECT_DOUBLE_EQ(loan.Payments[0].Interest, 583.33);
    EXPECT_DOUBLE_EQ(loan.Payments[0].Principal, 81.97);

    TMortgage free(7, 1000, 0, 12);
    EXPECT_DOUBLE_EQ(free.Payment, 142.86);
    for (const TPayment& row : free.Payments)
        EXPECT_EQ(row.Interest, 0);
    EXPECT_DOUBLE_EQ(free.Payments.back().Balance, 0);
}

TEST(Schedule, ZeroPaymentsFailAfterStoringFigures)
{
    TMortgage loan;
    EXPECT_THROW(loan.Setup(0, 100000, 0.0875, 12), EMathError);
    EXPECT_EQ(loan.Amount, 100000);
    EXPECT_TRUE(loan.Payments.empty());
}

TEST(Schedule, PaymentBelowInterestGrowsTheBalance)
{
    TMortgage loan(12, 100000, 0.0875, 12);
    // Force a payment that does not cover the interest through a negative extra.
    ASSERT_EQ(loan.SetExtraRange(1, 12, -9000), ExtraResult::Applied);
    // Rows with a growing balance still add up.
    for (const TPayment& row : loan.Payments)
        EXPECT_GE(row.Balance, 0);
}

TEST(Extras, SinglePaymentPaysOffEarly)
{
    TMortgage loan(360, 100000, 0.0875, 12);
    ASSERT_EQ(loan.SetExtraPayment(1, 10000), ExtraResult::Applied);
    EXPECT_DOUBLE_EQ(loan.Payments[0].Principal, 10057.53);
    int payoff = -1;
    for (std::size_t k = 0; k < loan.Payments.size(); ++k)
        if (loan.Payments[k].Balance == 0) {
            payoff = int(k);
            break;
        }
    ASSERT_GT(payoff, 0);
    ASSERT_LT(payoff, 359);
    const TPayment& after = loan.Payments[std::size_t(payoff) + 1];
    EXPECT_EQ(after.Principal, 0);
    EXPECT_EQ(after.Interest, 0);
    EXPECT_EQ(loan.Payments.back().PrincipalToDate, 100000);
    EXPECT_EQ(loan.Payments.back().InterestToDate, after.InterestToDate);
}

TEST(Extras, OutOfRangeIsReportedAndKeepsEarlierExtras)
{
    TMortgage loan(360, 100000, 0.0875, 12);
    EXPECT_EQ(loan.SetExtraPayment(0, 100), ExtraResult::OutOfRange);
    EXPECT_EQ(loan.SetExtraPayment(361, 100), ExtraResult::OutOfRange);
    EXPECT_EQ(loan.SetExtraRange(0, 0, 100), ExtraResult::OutOfRange);
    EXPECT_EQ(loan.SetExtraRange(359, 365, 100), ExtraResult::OutOfRange);
    // 359 and 360 kept their extra, but nothing was recalculated yet.
    EXPECT_EQ(loan.Payments[358].ExtraPrincipal, 0);
    loan.Recalculate();
    EXPECT_EQ(loan.Payments[358].ExtraPrincipal, 100);

    TMortgage empty;
    EXPECT_EQ(empty.SetExtraPayment(1, 100), ExtraResult::OutOfRange);
    EXPECT_THROW(empty.SetExtraFrom(1, 100), EListError);
}

TEST(Extras, RangeBackwardsSetsFirstOnly)
{
    TMortgage loan(360, 100000, 0.0875, 12);
    ASSERT_EQ(loan.SetExtraRange(10, 5, 50), ExtraResult::Applied);
    for (const TPayment& row : loan.Payments)
        EXPECT_EQ(row.ExtraPrincipal, row.Number == 10 ? 50 : 0) << row.Number;
}

// After ranged or recurring extras every row adds up: principal is payment minus interest
// plus the extra shown, and the balance falls by exactly the principal.
TEST(Extras, AllPaymentsScheduleIsConsistent)
{
    TMortgage loan(360, 100000, 0.0875, 12);
    loan.SetExtraFrom(1, 500);
    double balance = loan.Amount;
    bool paidOff = false;
    for (const TPayment& row : loan.Payments) {
        SCOPED_TRACE(row.Number);
        if (paidOff) {
            EXPECT_EQ(row.ExtraPrincipal, 0);
            EXPECT_EQ(row.Principal, 0);
            continue;
        }
        EXPECT_NEAR(balance - row.Principal, row.Balance, 1e-9);
        // The payoff row shows only the extra it used, so it adds up as well.
        if (row.Balance > 0 || row.ExtraPrincipal > 0) {
            EXPECT_NEAR(row.Principal, loan.Payment - row.Interest + row.ExtraPrincipal, 1e-9);
        }
        if (row.Balance < 500) {
            EXPECT_EQ(row.ExtraPrincipal, 0);
        }
        EXPECT_GE(row.Balance, 0);
        balance = row.Balance;
        paidOff = row.Balance == 0;
    }
    EXPECT_TRUE(paidOff);
    EXPECT_EQ(loan.Payments.back().PrincipalToDate, 100000);
    loan.ClearExtraPayments();
    EXPECT_DOUBLE_EQ(loan.Payments[359].Principal, 781.97);
}

TEST(Properties, SchedulesRepayTheAmount)
{
    for (double amount : {1.0, 5000.0, 100000.0, 10000000.0})
        for (double rate : {0.0, 0.03, 0.0875, 0.3})
            for (int n : {1, 12, 360, 600}) {
                TMortgage loan(n, amount, rate, 12);
                SCOPED_TRACE(testing::Message() << amount << " " << rate << " " << n);
                // A payment that rounds to no more than the interest repays nothing.
                if (loan.Payment <= RoundCents(amount * rate / 12))
                    continue;
                EXPECT_NEAR(loan.Payments.back().PrincipalToDate, amount, 1e-6);
                for (const TPayment& row : loan.Payments)
                    ASSERT_GE(row.Balance, 0);
            }
}

TEST(FormatPaymentRow, FixedWidthTexts)
{
    TMortgage loan(360, 100000, 0.0875, 12);
    const auto texts = FormatPaymentRow(loan.Payments[0]);
    EXPECT_EQ(texts[0], "    1");
    EXPECT_EQ(texts[1], "       57.53");
    EXPECT_EQ(texts[2], "      729.17");
    EXPECT_EQ(texts[3], "       57.53");
    EXPECT_EQ(texts[4], "      729.17");
    EXPECT_EQ(texts[5], "        0.00");
    EXPECT_EQ(texts[6], "    99942.47");
    TPayment huge;
    huge.Balance = 1e20;
    EXPECT_EQ(FormatPaymentRow(huge)[6].size(), 15u);
}

TEST(Schedule, CountsBeyondTheLimitFailAtOnce)
{
    // Ten million rows took 0.7 s and 630 MB; 2147483647 asked for about 120 GB.
    for (const std::int32_t n : {1201, 10000000, 2147483647, -1}) {
        SCOPED_TRACE(n);
        const auto start = std::chrono::steady_clock::now();
        TMortgage loan;
        EXPECT_THROW(loan.Setup(n, 100000, 0.0875, 12), EMathError);
        EXPECT_TRUE(loan.Payments.empty());
        EXPECT_EQ(loan.SetExtraPayment(1, 100), ExtraResult::OutOfRange);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(10));
    }
    TMortgage longest(1200, 100000, 0.0875, 12);
    EXPECT_EQ(longest.Payments.size(), 1200u);
    EXPECT_DOUBLE_EQ(longest.Payments.back().Balance, 0);
}

TEST(Schedule, CentsBeyondSixtyFourBitsFail)
{
    // Each month's interest fits, but 1200 of them on 80 trillion at 1300 % would not.
    TMortgage loan;
    EXPECT_THROW(loan.Setup(1200, 8e13, 13, 12), EMathError);
    EXPECT_THROW(loan.Setup(360, 1e17, 0.0875, 12), EMathError);
    EXPECT_THROW(loan.Setup(360, std::nan(""), 0.0875, 12), EMathError);
    // A negative extra on every row grows the balance without bound at a zero rate.
    TMortgage growing(1200, 1000, 0, 12);
    EXPECT_THROW(growing.SetExtraRange(1, 1200, -8.9e13), EMathError);
    TMortgage fits(1200, 999999999999.99, 0.0875, 12);
    EXPECT_GT(fits.Payments.back().InterestToDate, 0);
}


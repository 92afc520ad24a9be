// What extra payments buy, the payment goal, and when a refinance pays for itself.
#include "calculators/extras.h"
#include "calculators/refinancing.h"
#include "tests/support/arm_terms.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace qn::calc;

namespace {

// 100000 at 8.75 % over 360 months with 500 extra on every payment. The figures come from a
// separate month-by-month simulation of the schedule rules (interest rounded to the cent,
// the payoff row taking only what is owed, extras dropped where less than 500 is owed):
// 183,212.97 of interest without extras, 48,118.90 with them, paid off in month 116.
TEST(ExtraSummary, FiveHundredEveryMonth)
{
    qn::TMortgage loan(360, 100000, 0.0875, 12);
    loan.SetExtraFrom(1, 500);
    const ExtraSummary s = SummarizeExtras(loan);
    EXPECT_NEAR(s.interestSaved, 135094.07, 0.005);
    EXPECT_EQ(s.payoffMonth, 116);
    EXPECT_EQ(s.paymentsSooner, 360 - 116);
    EXPECT_EQ(ExtraSummaryText(s, "$135,094.07"),
              "Extra payments save $135,094.07 of interest and repay the loan 244 payments "
              "sooner (month 116)");
    const qn::TMortgage plain(360, 100000, 0.0875, 12);
    EXPECT_EQ(SummarizeExtras(plain).paymentsSooner, 0);
    EXPECT_DOUBLE_EQ(SummarizeExtras(plain).interestSaved, 0);
}

TEST(LevelExtra, TheAnswerReachesTheTargetAndNoLess)
{
    const qn::TMortgage loan(360, 100000, 0.0875, 12);
    for (int target : {60, 120, 180, 240, 359}) {
        SCOPED_TRACE(target);
        const auto extra = LevelExtraForPayoff(loan, target);
        ASSERT_TRUE(extra);
        qn::TMortgage check = loan;
        check.SetExtraFrom(1, *extra);
        EXPECT_LE(PayoffMonth(check), target);
        if (*extra > 0) {
            qn::TMortgage less = loan;
            less.SetExtraFrom(1, *extra - 0.01);
            EXPECT_GT(PayoffMonth(less), target) << "a cent less still reaches it";
        }
        EXPECT_DOUBLE_EQ(*extra * 100, std::round(*extra * 100)); // whole cents
    }
    EXPECT_EQ(LevelExtraForPayoff(loan, 360), 0.0);
    // An extra larger than what is owed is dropped from that row, so no level extra clears
    // the loan with its very first payment.
    EXPECT_FALSE(LevelExtraForPayoff(loan, 1));
    EXPECT_FALSE(LevelExtraForPayoff(loan, 0));
    EXPECT_FALSE(LevelExtraForPayoff(loan, 361));
}

// The worked 5/6 adjustable loan (300,000 at 6 %, margin 2.75, caps 2/1/5, flat 6 % index)
// with 500 extra on every payment. Each change recasts the payment over the months left, so
// the extras lower the later payments instead of shortening the loan; a separate simulation
// gives 159,157.87 of interest saved against the same adjustable loan without extras, and
// 4,313.42 a month as the smallest level extra that clears it by payment 180 (it does so in
// month 60, before the first change).
TEST(ExtraSummary, AdjustableRateAgainstItselfWithoutExtras)
{
    const qn::TAdjustableRate terms = armTerms(60, 6, 2.75, 6, {2, 1, 5});
    qn::TMortgage loan;
    loan.Setup(360, 300000, 0.06, 12, terms);
    const qn::TMortgage plain = loan;
    loan.SetExtraFrom(1, 500);
    const ExtraSummary s = SummarizeExtras(loan);
    EXPECT_NEAR(s.interestSaved, 159157.87, 0.005);
    EXPECT_EQ(s.payoffMonth, 360);
    EXPECT_EQ(s.paymentsSooner, 0);

    const auto extra = LevelExtraForPayoff(plain, 180);
    ASSERT_TRUE(extra);
    EXPECT_NEAR(*extra, 4313.42, 1e-9);
}

// Month-by-month net savings, simulated here apart from the code under test.
int breakEvenBySimulation(const RefiInputs& in)
{
    const double ro = in.oldInterestRate / 1200, rn = in.newInterestRate / 1200;
    const int ko = static_cast<int>(std::min(in.monthsUntilSell, in.oldTerm - in.oldPaymentsMade));
    const int kn = static_cast<int>(std::min(in.monthsUntilSell, in.newTerm));
    const double po = ro * in.oldLoan / (1 - std::pow(1 + ro, -(in.oldTerm - in.oldPaymentsMade)));
    const double pn = rn * in.newLoan / (1 - std::pow(1 + rn, -in.newTerm));
    double bo = in.oldLoan, bn = in.newLoan;
    for (int m = 1; m <= std::max(ko, kn); ++m) {
        if (m <= ko)
            bo -= po - bo * ro;
        if (m <= kn)
            bn -= pn - bn * rn;
        const double savings = std::min(m, ko) * po - std::min(m, kn) * pn;
        const double equity = (in.newLoan - bn) - (in.oldLoan - bo);
        if (savings + equity - in.closingCosts >= 0)
            return m;
    }
    return -1;
}

TEST(BreakEven, TheExampleWithClosingCostsAndOneThatNeverPays)
{
    RefiInputs in; // the initial example
    in.closingCosts = 2000;
    const auto month = RefiBreakEvenMonth(in);
    ASSERT_TRUE(month);
    EXPECT_EQ(*month, breakEvenBySimulation(in));
    EXPECT_GT(*month, 1);
    const auto net = RefiNetSavingsByMonth(in);
    ASSERT_EQ(net.size(), 240u);
    EXPECT_LT(net[static_cast<std::size_t>(*month) - 2], 0);
    EXPECT_NEAR(net.back(), 59889.81, 0.01); // the page's total saved at the sale

    RefiInputs worse; // a dearer new loan with high costs and an early sale
    worse.newInterestRate = 10;
    worse.closingCosts = 5000;
    worse.monthsUntilSell = 12;
    EXPECT_FALSE(RefiBreakEvenMonth(worse));
    EXPECT_EQ(breakEvenBySimulation(worse), -1);
}

} // namespace

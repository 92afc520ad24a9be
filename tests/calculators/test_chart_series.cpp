// The points the charts draw: their data, not their pixels.
#include "calculators/chart_series.h"

#include <gtest/gtest.h>

using namespace qn::calc;

namespace {

TEST(ChartSeries, ScheduleBalancesAndYearlySplit)
{
    qn::TMortgage loan(360, 100000, 0.0875, 12);
    const auto plain = BalanceByPayment(loan);
    ASSERT_EQ(plain.size(), 361u); // the amount, then every payment
    EXPECT_DOUBLE_EQ(plain.front().y, 100000);
    EXPECT_DOUBLE_EQ(plain[1].y, 99942.47);
    EXPECT_DOUBLE_EQ(plain.back().y, 0);

    loan.SetExtraFrom(1, 500);
    const auto faster = BalanceByPayment(loan);
    EXPECT_EQ(faster.size(), 117u); // paid off in month 116
    EXPECT_EQ(BalanceWithoutExtras(loan).size(), 361u);

    const auto years = YearlySplit(loan);
    ASSERT_EQ(years.size(), 10u); // 116 payments: nine whole years and eight months
    double principal = 0;
    for (const YearSplit& y : years)
        principal += y.principal;
    EXPECT_NEAR(principal, 100000, 0.005);
    EXPECT_GT(years.front().interest, years.back().interest);
}

TEST(ChartSeries, BiweeklyRepaysWhereThePageSays)
{
    // Half of 786.70 every two weeks: the page's 94.19 months saved leave 265.81 months.
    const auto points = BiweeklyBalanceByMonth(100000, 8.75, 393.35);
    EXPECT_DOUBLE_EQ(points.front().y, 100000);
    EXPECT_DOUBLE_EQ(points.back().y, 0);
    EXPECT_NEAR(points.back().x, 360 - 94.19, 0.5);
    // A half payment below the interest never repays: the series stops at once.
    EXPECT_EQ(BiweeklyBalanceByMonth(100000, 8.75, 10).size(), 1u);
}

TEST(ChartSeries, RefinanceCrossesZeroAtBreakEven)
{
    RefiInputs in;
    in.closingCosts = 2000;
    const auto points = RefiNetSavingsSeries(in);
    const auto month = RefiBreakEvenMonth(in);
    ASSERT_TRUE(month);
    EXPECT_DOUBLE_EQ(points.front().y, -2000);
    EXPECT_LT(points[static_cast<std::size_t>(*month) - 1].y, 0);
    EXPECT_GE(points[static_cast<std::size_t>(*month)].y, 0);
}

TEST(ChartSeries, RentVsBuyYearByYearEndsAtThePagesFigures)
{
    const RvbInputs in; // the initial example: five years
    const auto years = RvbPositionsByYear(in);
    ASSERT_EQ(years.size(), 5u);
    const RvbResults r = CalcRVB(in);
    EXPECT_DOUBLE_EQ(years.back().owner, r.valueOfPurchase);
    EXPECT_DOUBLE_EQ(years.back().renter, r.valueOfRenting);
    EXPECT_GT(years.front().renter, years.back().renter); // renting costs more each year
}

} // namespace

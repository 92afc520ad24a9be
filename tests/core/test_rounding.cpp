#include "core/errors.h"
#include "core/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

using namespace qn;

namespace {

TEST(RoundCents, HalfAwayFromZeroAndHugeValues)
{
    const std::pair<double, double> rows[] = {
        {786.7004, 786.70},
        {0.125, 0.13},
        {-0.125, -0.13},
        {0, 0},
        {1e20, 1e20}, // already whole cents
        {4503599627370497.0, 4503599627370497.0},
    };
    for (const auto& [value, rounded] : rows)
        EXPECT_EQ(RoundCents(value), rounded) << value;
    for (const double bad : {-1e308, 1e308, std::numeric_limits<double>::infinity(), std::nan("")})
        EXPECT_THROW(RoundCents(bad), EMathError) << bad;
}

TEST(RoundUpToWhole, IgnoresNoiseButRaisesFractions)
{
    EXPECT_EQ(RoundUpToWhole(99999.948), 100000);
    EXPECT_EQ(RoundUpToWhole(180000.0000000001), 180000);
    EXPECT_EQ(RoundUpToWhole(0.1 * 3 * 10), 3);
    EXPECT_EQ(RoundUpToWhole(180000.01), 180001);
}

// The three decimal rules side by side on the values where they part.
TEST(DecimalRounding, HalvesAndCutsAsNamed)
{
    struct Row {
        double value;
        int decimals;
        double halfEven, halfAway, cut;
    };
    const Row rows[] = {
        {0.125, 2, 0.12, 0.13, 0.12},
        {0.375, 2, 0.38, 0.38, 0.37},
        {-0.125, 2, -0.12, -0.13, -0.12},
        {28.9, 0, 29, 29, 28},
        {2.5, 0, 2, 3, 2},
        {20.5485, 3, 20.548, 20.549, 20.548},
        {0, 2, 0, 0, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.value);
        EXPECT_DOUBLE_EQ(RoundHalfEven(r.value, r.decimals), r.halfEven);
        EXPECT_DOUBLE_EQ(RoundHalfAway(r.value, r.decimals), r.halfAway);
        EXPECT_DOUBLE_EQ(CutToDecimals(r.value, r.decimals), r.cut);
    }
}

TEST(RoundToMultipleHalfEven, WholeThousands)
{
    const std::pair<double, double> rows[] = {
        {152186.41, 152000}, {151500, 152000}, {364500, 364000}, {499.99, 0}, {500, 0},
        {1500, 2000},        {0, 0},
    };
    for (const auto& [value, rounded] : rows)
        EXPECT_EQ(RoundToMultipleHalfEven(value, 1000), rounded) << value;
}

// Sums as an index and a margin give them, with their binary noise.
TEST(RoundToEighthPercentHalfDown, NearestEighthAndHalvesDown)
{
    const std::pair<double, double> rows[] = {
        {0.06 + 0.0275, 0.0875},
        {0.060625 + 0.0275, 0.0875},
        {0.0881, 0.0875},
        {0.08813, 0.08875},
        {0.013 + 0.025, 0.0375},
        {0.0399999999, 0.04},
        {0, 0},
        {-0.003125, -0.00375},
    };
    for (const auto& [value, rounded] : rows)
        EXPECT_DOUBLE_EQ(RoundToEighthPercentHalfDown(value), rounded) << value;
}

} // namespace

// Money as the tables and reports show it: one rounding, to the coarser of the two units.
TEST(RoundToCoarser, OneStepToTheCoarserUnit)
{
    struct Row {
        double value;
        int decimals, significant;
        double shown;
    };
    const Row rows[] = {
        {14223.585002, 2, 10, 14223.59}, // 10 digits first would give a half, then .58
        {786.7004, 2, 10, 786.70},
        {0.125, 2, 10, 0.13}, // a true half goes away from zero
        {-0.125, 2, 10, -0.13},
        {123456789.126, 2, 10, 123456789.1},
        {123456789012.5, 0, 10, 123456789000},
        {99999.95, 0, 10, 100000},
        {1234.56, 2, 5, 1234.6},
        {999.99999999999989, 2, 10, 1000},
        {0, 2, 10, 0},
    };
    for (const Row& r : rows)
        EXPECT_DOUBLE_EQ(RoundToCoarser(r.value, r.decimals, r.significant), r.shown) << r.value;
}

TEST(RoundSignificant, ToTheNearestDecimalOfThatManyDigits)
{
    EXPECT_DOUBLE_EQ(RoundSignificant(1234.56, 5), 1234.6);
    EXPECT_DOUBLE_EQ(RoundSignificant(-99999.95, 5), -100000);
}

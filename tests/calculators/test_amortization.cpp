#include "calculators/amortization.h"

#include <gtest/gtest.h>

namespace {

TEST(GridRow, ReadsAmountsBackFromTheRowText)
{
    const auto values = qn::calc::GridRow(
        {.Number = 1, .Principal = 81.966, .Interest = 583.333, .Balance = 99918.034});
    EXPECT_EQ(values.number, "1");
    EXPECT_NEAR(values.amounts[0], 81.97, 1e-9);
    EXPECT_NEAR(values.amounts[1], 583.33, 1e-9);
    EXPECT_NEAR(values.amounts[5], 99918.03, 1e-9);
}

} // namespace

#include "calculators/amortization.h"

#include <gtest/gtest.h>

namespace {

TEST(GridRow, ReadsAmountsBackFromTheRowText)
{
    qn::TPayment row;
    row.Number = 1;
    row.Principal = 81.966;
    row.Interest = 583.333;
    row.Balance = 99918.034;
    const auto values = qn::calc::GridRow(row);
    EXPECT_EQ(values.number, "1");
    EXPECT_NEAR(values.amounts[0], 81.97, 1e-9);
    EXPECT_NEAR(values.amounts[1], 583.33, 1e-9);
    EXPECT_NEAR(values.amounts[5], 99918.03, 1e-9);
}

} // namespace

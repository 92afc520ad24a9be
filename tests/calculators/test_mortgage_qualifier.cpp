#include "calculators/mortgage_qualifier.h"
#include "tests/support/refusal.h"

#include "core/errors.h"

#include <gtest/gtest.h>

#include <string>

using qn::calc::CalcMq;
using qn::calc::MqInputs;

namespace {

// The values of a freshly created page.
MqInputs formInputs()
{
    return {.income1 = 4000,
            .otherIncome1 = 1000,
            .cards1 = 350,
            .auto1 = 450,
            .notes1 = 50,
            .housingRatio = 28,
            .debtRatio = 36,
            .downPayment = 20000,
            .rate = {7, 7, 7},
            .termYears = {30, 20, 15}};
}

TEST(CalcMq, FormExample)
{
    const auto r = CalcMq(formInputs());
    const double loans[] = {142792.19, 122533.38, 105693.16};
    for (int row = 0; row < 3; ++row) {
        EXPECT_DOUBLE_EQ(r.rows[row].payment, 950) << row;
        EXPECT_NEAR(r.rows[row].loanAmount, loans[row], 0.005) << row;
        EXPECT_NEAR(r.rows[row].purchasePrice, loans[row] + 20000, 0.005) << row;
    }
    EXPECT_DOUBLE_EQ(r.housingRatio, 19); // 950 / 5000
    EXPECT_DOUBLE_EQ(r.debtRatio, 36);    // (850 + 950) / 5000
    EXPECT_EQ(r.ratiosToStore.HRatio, 28);
    EXPECT_EQ(r.ratiosToStore.DRatio, 36);
}

TEST(CalcMq, ZeroRateSpreadsThePaymentOverTheMonths)
{
    auto in = formInputs();
    in.rate[1] = 0;
    const auto r = CalcMq(in);
    EXPECT_DOUBLE_EQ(r.rows[1].loanAmount, 950.0 * 240);
    EXPECT_DOUBLE_EQ(r.rows[1].purchasePrice, 228000 + 20000);
    EXPECT_NEAR(r.rows[0].loanAmount, 142792.19, 0.005);
}

struct LimitCase {
    const char* name;
    double housingRatio, debtRatio, cards1, income1, otherIncome1;
    double payment, housing, debt;
};

class MqLimits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(MqLimits, PaymentAndRatios)
{
    const LimitCase& c = GetParam();
    auto in = formInputs();
    in.housingRatio = c.housingRatio;
    in.debtRatio = c.debtRatio;
    in.cards1 = c.cards1;
    in.income1 = c.income1;
    in.otherIncome1 = c.otherIncome1;
    const auto r = CalcMq(in);
    for (const auto& row : r.rows) {
        EXPECT_DOUBLE_EQ(row.payment, c.payment);
        if (c.payment == 0) {
            EXPECT_EQ(row.loanAmount, 0);
            EXPECT_EQ(row.purchasePrice, 20000);
        }
    }
    EXPECT_NEAR(r.housingRatio, c.housing, 1e-9);
    EXPECT_NEAR(r.debtRatio, c.debt, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Cases, MqLimits,
                         ::testing::Values(
                             // 5000 x 20 % = 1000 is below the debt limit 5000 x 45 % - 850 = 1400.
                             LimitCase{"housingLimitBinds", 20, 45, 350, 4000, 1000, 1000, 20, 37},
                             // Debts 3850 above the debt limit 1800: nothing is affordable.
                             LimitCase{"debtsAboveLimit", 28, 36, 3350, 4000, 1000, 0, 0, 77},
                             LimitCase{"noIncome", 28, 36, 350, 0, 0, 0, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CalcMq, RatiosToStoreAreTheTypedOnes)
{
    auto in = formInputs();
    in.housingRatio = 30;
    in.debtRatio = 45;
    const auto stored = qn::calc::MqRatiosToStore(in);
    EXPECT_EQ(stored.HRatio, 30);
    EXPECT_EQ(stored.DRatio, 45);
}

TEST(CalcMq, Failures)
{
    auto in = formInputs();
    in.termYears[1] = 20.5;
    EXPECT_EQ(refusal([&] { CalcMq(in); }),
              "Term in Years (row 2) must be a whole number from 0 to 100.");
    in = formInputs();
    in.termYears[2] = -15;
    EXPECT_THROW(CalcMq(in), qn::EInputError);
    in = formInputs();
    in.rate[2] = -1200;
    EXPECT_THROW(CalcMq(in), qn::EMathError);
}

TEST(CalcMq, ZeroTermGivesNoLoan)
{
    auto in = formInputs();
    in.termYears[0] = 0;
    EXPECT_EQ(CalcMq(in).rows[0].loanAmount, 0);
}

TEST(MqRatesFollowingRate1, QuarterAndHalfPointBelow)
{
    const auto ladder = qn::calc::MqRatesFollowingRate1(8);
    EXPECT_DOUBLE_EQ(ladder.rate2, 7.75);
    EXPECT_DOUBLE_EQ(ladder.rate3, 7.5);
}

} // namespace

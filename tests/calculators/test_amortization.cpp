#include "calculators/amortization.h"

#include <gtest/gtest.h>

using qn::calc::ParseMoneyText;

namespace {

struct MoneyCase {
    const char* text;
    std::optional<double> expected;
};

class ParseMoneyTextTest : public ::testing::TestWithParam<MoneyCase> {};

TEST_P(ParseMoneyTextTest, UsLocale)
{
    const MoneyCase& c = GetParam();
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const auto got = ParseMoneyText(QString::fromUtf8(c.text), us);
    EXPECT_EQ(got, c.expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseMoneyTextTest,
                         ::testing::Values(MoneyCase{"1,000", 1000.0},
                                           MoneyCase{"$1,000.50", 1000.5},
                                           MoneyCase{" 500 ", 500.0},
                                           MoneyCase{"0", 0.0},
                                           MoneyCase{"12.5x", std::nullopt},
                                           MoneyCase{"abc", std::nullopt},
                                           MoneyCase{"", std::nullopt},
                                           MoneyCase{"$", std::nullopt},
                                           MoneyCase{"inf", std::nullopt},
                                           MoneyCase{"-inf", std::nullopt},
                                           MoneyCase{"nan", std::nullopt},
                                           MoneyCase{"$inf", std::nullopt},
                                           MoneyCase{"1e309", std::nullopt},
                                           MoneyCase{"-1e999", std::nullopt},
                                           MoneyCase{"1,000 5", std::nullopt}));

TEST(ParseMoneyText, GermanSeparators)
{
    const QLocale de(QLocale::German, QLocale::Germany);
    EXPECT_EQ(ParseMoneyText(QStringLiteral("1.000,50"), de), 1000.5);
    EXPECT_EQ(ParseMoneyText(QStringLiteral("1.000,50 x"), de), std::nullopt);
    EXPECT_EQ(ParseMoneyText(QStringLiteral("inf"), de), std::nullopt);
    EXPECT_EQ(ParseMoneyText(QStringLiteral("1e400"), de), std::nullopt);
}

TEST(GridRow, ReadsAmountsBackFromTheRowText)
{
    qn::TPayment row;
    row.Number = 1;
    row.Principal = 81.966;
    row.Interest = 583.333;
    row.Balance = 99918.034;
    const auto values = qn::calc::GridRow(row);
    EXPECT_EQ(values.number, QStringLiteral("1"));
    EXPECT_NEAR(values.amounts[0], 81.97, 1e-9);
    EXPECT_NEAR(values.amounts[1], 583.33, 1e-9);
    EXPECT_NEAR(values.amounts[5], 99918.03, 1e-9);
}

} // namespace

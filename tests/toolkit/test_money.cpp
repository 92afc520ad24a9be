#include "core/numtext.h"
#include "tests/support/fuzz.h"
#include "toolkit/money.h"

#include <gtest/gtest.h>

#include <stdexcept>

using fuzz::Rng;
using qn::toolkit::ParseMoneyText;

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

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseMoneyTextTest,
    ::testing::Values(MoneyCase{"1,000", 1000.0}, MoneyCase{"$1,000.50", 1000.5},
                      MoneyCase{" 500 ", 500.0}, MoneyCase{"0", 0.0},
                      MoneyCase{"12.5x", std::nullopt}, MoneyCase{"abc", std::nullopt},
                      MoneyCase{"", std::nullopt}, MoneyCase{"$", std::nullopt},
                      MoneyCase{"inf", std::nullopt}, MoneyCase{"-inf", std::nullopt},
                      MoneyCase{"nan", std::nullopt}, MoneyCase{"$inf", std::nullopt},
                      MoneyCase{"1e309", std::nullopt}, MoneyCase{"-1e999", std::nullopt},
                      MoneyCase{"1,000 5", std::nullopt}));

TEST(ParseMoneyText, GermanSeparators)
{
    const QLocale de(QLocale::German, QLocale::Germany);
    EXPECT_EQ(ParseMoneyText(QStringLiteral("1.000,50"), de), 1000.5);
    EXPECT_EQ(ParseMoneyText(QStringLiteral("1.000,50 x"), de), std::nullopt);
    EXPECT_EQ(ParseMoneyText(QStringLiteral("inf"), de), std::nullopt);
    EXPECT_EQ(ParseMoneyText(QStringLiteral("1e400"), de), std::nullopt);
}

// Money as typed, then mutated: symbols, group and decimal separators of both locales.
QString moneyText(Rng& rng)
{
    static const char* const pieces[] = {"$",   " ",  "-", "1",   "000",         ",",
                                         ".",   "50", "9", "e",   "E",           "inf",
                                         "nan", "x",  "+", "308", "\xe2\x82\xac"};
    std::string text;
    if (rng.chance(0.3))
        text = qn::FloatToStrG(rng.anyDouble());
    for (std::size_t n = rng.below(7); n > 0; --n)
        text += pieces[rng.below(std::size(pieces))];
    return QString::fromUtf8(text);
}

TEST(Fuzz, MoneyParserGivesFiniteAmountsOrNothing)
{
    Rng rng(11);
    const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                               QLocale(QLocale::German, QLocale::Germany)};
    for (int i = 0; i < 100000; ++i) {
        const QString text = moneyText(rng);
        const QLocale& locale = locales[i % 2];
        fuzz::check(
            [&] {
                const auto value = ParseMoneyText(text, locale);
                if (!value)
                    return;
                fuzz::requireFinite(*value, "amount");
                if (text.contains(QLatin1String("inf"), Qt::CaseInsensitive)
                    || text.contains(QLatin1String("nan"), Qt::CaseInsensitive))
                    throw std::logic_error("accepted a text that is no number");
            },
            [&] { return "ParseMoneyText('" + text.toStdString() + "')"; });
    }
}

} // namespace

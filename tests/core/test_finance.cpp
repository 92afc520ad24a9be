#include "core/errors.h"
#include "core/finance.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

using namespace qn;

namespace {

double tolerance(double expected)
{
    return std::max(1e-9 * std::fabs(expected), 1e-9);
}

} // namespace

TEST(MonthlyPayment, KnownLoans)
{
    EXPECT_NEAR(MonthlyPayment(360, 8.75 / 1200, 100000), 786.7004, 1e-4);
    EXPECT_NEAR(MonthlyPayment(180, 7.0 / 1200, 100000), 898.8283, 1e-4);
    EXPECT_DOUBLE_EQ(MonthlyPayment(120, 0, 12000), 100);
    EXPECT_DOUBLE_EQ(MonthlyPayment(0, 0.01, 5000), 0);
    EXPECT_NEAR(MonthlyPayment(1, 0.01, 1000), 1010, 1e-9);  // one month: amount plus interest
}

TEST(PeriodicPayment, MatchesMonthlyAndFailsForNoPeriods)
{
    for (int n : {1, 12, 360, 600})
        EXPECT_DOUBLE_EQ(PeriodicPayment(n, 100000, 0.0075), MonthlyPayment(n, 0.0075, 100000));
    EXPECT_THROW(PeriodicPayment(0, 100000, 0.0075), EMathError);
    EXPECT_THROW(PeriodicPayment(0, 100000, 0), EMathError);
    EXPECT_THROW(PeriodicPayment(12, 100000, -1.5), EMathError);  // rate at or below -100 %
}

TEST(LoanAmountForPayment, KnownLoans)
{
    EXPECT_NEAR(LoanAmountForPayment(360, 8.75, 786.70), 99999.948, 1e-3);
    EXPECT_DOUBLE_EQ(LoanAmountForPayment(360, 0, 500), 180000);
    EXPECT_NEAR(LoanAmountForYears(786.70, 8.75, 30), LoanAmountForPayment(360, 8.75, 786.70),
                1e-8);
}

TEST(SolveInterestRate, ExactForShortAndLongTerms)
{
    // The one-year loan where a slow fixed-point iteration stops near 8.126 %.
    const double r12 = SolveInterestRate(12, 100000, 8700);
    EXPECT_NEAR(MonthlyPayment(12, r12 / 1200, 100000), 8700, 1e-7);
    EXPECT_NEAR(r12, 8.025, 0.001);
    EXPECT_NEAR(SolveInterestRate(360, 100000, 786.70), 8.750, 0.0005);
    EXPECT_NEAR(SolveInterestRate(180, 100000, 898.83), 7.000, 0.0005);
    EXPECT_NEAR(SolveInterestRate(360, 100000, 100000.0 / 360), 0, 1e-9);
}

TEST(SolveInterestRate, GuardsNegativeRatesAndFailures)
{
    EXPECT_EQ(SolveInterestRate(0, 100000, 500), 0);
    EXPECT_EQ(SolveInterestRate(360, 0, 500), 0);
    // 360 x 200 repays less than the amount: the rate that solves it is negative.
    const double negative = SolveInterestRate(360, 100000, 200);
    EXPECT_LT(negative, 0);
    EXPECT_NEAR(MonthlyPayment(360, negative / 1200, 100000), 200, 1e-8);
    EXPECT_THROW(SolveInterestRate(360, 100000, 0), EMathError);
    EXPECT_THROW(SolveInterestRate(360, 100000, -5), EMathError);
}

TEST(MonthsToPayOff, RepaidAndNeverRepaid)
{
    EXPECT_NEAR(*MonthsToPayOff(8.75, 786.70, 100000), 360.0009, 1e-3);
    EXPECT_DOUBLE_EQ(*MonthsToPayOff(0, 500, 100000), 200);
    EXPECT_FALSE(MonthsToPayOff(8.75, 700, 100000).has_value());  // 700 < 729.17 interest
    EXPECT_FALSE(MonthsToPayOff(8.75, 100000 * 8.75 / 1200, 100000).has_value());
    EXPECT_FALSE(MonthsToPayOff(8.75, 0, 100000).has_value());
    EXPECT_FALSE(MonthsToPayOff(0, 0, 100000).has_value());
    EXPECT_DOUBLE_EQ(*MonthsToPayOff(8.75, 500, 0), 0);
}

TEST(SavingsHelpers, KnownValues)
{
    EXPECT_NEAR(PrincipalRepaid(12, 100000, 8.75, 786.70), 718.77, 0.01);
    EXPECT_EQ(PrincipalRepaid(0, 100000, 8.75, 786.70), 0);
    EXPECT_NEAR(TotalRent(950, 3.5, 5), 61132.11, 0.01);
    EXPECT_DOUBLE_EQ(TotalRent(950, 3.5, 1), 11400);
    EXPECT_DOUBLE_EQ(TotalRent(950, 3.5, 0), 11400);
    EXPECT_THROW(TotalRent(950, 3.5, 2.5), EConvertError);
    EXPECT_NEAR(GrowthSum(100000, 7, 5), 100000 * (std::pow(1.07, 5) - 1), 1e-6);
    EXPECT_EQ(GrowthSum(100000, 7, 0), 0);
    EXPECT_THROW(GrowthSum(100000, 7, 1.5), EConvertError);
    EXPECT_NEAR(CompoundedValue("Monthly", 5000, 4.5, 60, 0), 6258.98, 0.01);
    EXPECT_THROW(CompoundedValue("monthly", 5000, 4.5, 60, 0), EMathError);
}

TEST(ZeroRate, InterestFreeBranches)
{
    EXPECT_DOUBLE_EQ(LoanAmountForYears(500, 0, 30), 180000);
    EXPECT_DOUBLE_EQ(CompoundedValue("Annually", 5000, 0, 24, 100), 7400);
    // Just above zero the closed forms must agree with the interest-free ones.
    EXPECT_NEAR(MonthlyPayment(360, 1e-12, 100000), 100000.0 / 360, 1e-6);
    EXPECT_NEAR(LoanAmountForPayment(360, 1e-10, 500), 180000, 1e-4);
}

// A peer library's own test cases, restated as plain loans with exact answers.
TEST(PeerCases, LoanFormWithinTolerance)
{
    QFile file(QStringLiteral(QUENNARY_SHARED_DIR "/peer-cases/numpy_financial_cases.json"));
    if (!file.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "peer cases not available beside the project";
    const QJsonArray cases = QJsonDocument::fromJson(file.readAll()).object()[u"cases"].toArray();
    int checked = 0;
    for (const auto& entry : cases) {
        const QJsonObject loan = entry.toObject()[u"loan_form"].toObject();
        if (loan.isEmpty())
            continue;
        const QString id = entry.toObject()[u"id"].toString();
        const QString func = loan[u"func"].toString();
        const double percent = loan[u"annual_percent"].toDouble();
        const int months = loan[u"months"].toInt();
        const QJsonValue exact = loan[u"expected_exact"];
        SCOPED_TRACE(id.toStdString());
        if (func == u"loan_amount") {
            const double got = LoanAmountForPayment(months, percent, loan[u"payment"].toDouble());
            EXPECT_NEAR(got, exact.toDouble(), tolerance(exact.toDouble()));
        } else if (func == u"payment") {
            const double got = MonthlyPayment(months, percent / 1200, loan[u"amount"].toDouble());
            EXPECT_NEAR(got, exact.toDouble(), tolerance(exact.toDouble()));
        } else if (func == u"months") {
            const auto got = MonthsToPayOff(percent, loan[u"payment"].toDouble(),
                                            loan[u"amount"].toDouble());
            if (exact.isString()) {
                EXPECT_FALSE(got.has_value());
            } else {
                ASSERT_TRUE(got.has_value());
                EXPECT_NEAR(*got, exact.toDouble(), tolerance(exact.toDouble()));
            }
        } else {
            ADD_FAILURE() << "unknown case kind " << func.toStdString();
        }
        ++checked;
    }
    EXPECT_GE(checked, 19);
}

// Inverse pairs over wide ranges: amounts 1 to 10,000,000, rates 0 to 30 %, 1 to 600 months.
TEST(Properties, FunctionsInvertEachOther)
{
    const double amounts[] = {1, 999.99, 100000, 2500000, 10000000};
    const double percents[] = {0, 1e-6, 0.01, 3.25, 8.75, 17.5, 30};
    const int terms[] = {1, 2, 12, 60, 180, 360, 480, 600};
    for (double amount : amounts)
        for (double percent : percents)
            for (int n : terms) {
                SCOPED_TRACE(testing::Message() << amount << " " << percent << "% " << n);
                const double pay = MonthlyPayment(n, percent / 1200, amount);
                EXPECT_NEAR(LoanAmountForPayment(n, percent, pay), amount, tolerance(amount));
                const double rate = SolveInterestRate(n, amount, pay);
                EXPECT_NEAR(rate, percent, tolerance(percent));
                const auto months = MonthsToPayOff(percent, pay, amount);
                ASSERT_TRUE(months.has_value());
                EXPECT_NEAR(*months, n, tolerance(n));
            }
}

// The same inverses over a pseudo-random sample, with odd cents, rates and terms.
TEST(Properties, SampledLoansInvertEachOther)
{
    std::uint64_t seed = 20261207;
    auto next = [&seed] {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(seed >> 11) / 9007199254740992.0;
    };
    for (int i = 0; i < 3000; ++i) {
        const double amount = std::round((1 + next() * 9999999) * 100) / 100;
        const double percent = std::round(next() * 30 * 1000) / 1000;
        const int n = 1 + static_cast<int>(next() * 600);
        SCOPED_TRACE(testing::Message() << amount << " " << percent << "% " << n);
        const double pay = MonthlyPayment(n, percent / 1200, amount);
        EXPECT_NEAR(LoanAmountForPayment(n, percent, pay), amount, tolerance(amount));
        EXPECT_NEAR(SolveInterestRate(n, amount, pay), percent, tolerance(percent));
        const auto months = MonthsToPayOff(percent, pay, amount);
        ASSERT_TRUE(months.has_value());
        EXPECT_NEAR(*months, n, tolerance(n));
    }
}

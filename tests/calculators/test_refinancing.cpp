#include "calculators/refinancing.h"
#include "tests/support/refusal.h"

#include "core/errors.h"

#include <gtest/gtest.h>

#include <string>

using namespace qn::calc;

namespace {

struct RefiCase {
    const char* name;
    double paymentsMade, newTerm, closingCosts, monthsUntilSell;
    int oldCompared, newCompared;
    const char* headline;
    double totalPaymentSaved, oldEquity, newEquity, totalSaved;
};

class RefiExamples : public ::testing::TestWithParam<RefiCase> {};

// The initial loans (100,000 at 8.75 % over 360 months against 100,000 at 7.25 %) with
// the payments made, new term, closing costs and sale month of each row.
TEST_P(RefiExamples, ComparesBothLoansOverTheirOwnMonths)
{
    const RefiCase& c = GetParam();
    const RefiResults r = CalcRefi({.oldPaymentsMade = c.paymentsMade,
                                    .newTerm = c.newTerm,
                                    .closingCosts = c.closingCosts,
                                    .monthsUntilSell = c.monthsUntilSell});
    EXPECT_EQ(r.oldMonthsCompared, c.oldCompared);
    EXPECT_EQ(r.newMonthsCompared, c.newCompared);
    EXPECT_EQ(r.sellText, c.headline);
    EXPECT_NEAR(r.totalPaymentSaved, c.totalPaymentSaved, 0.005);
    EXPECT_NEAR(r.oldEquity, c.oldEquity, 0.005);
    EXPECT_NEAR(r.newEquity, c.newEquity, 0.005);
    EXPECT_NEAR(r.equitySavings, c.newEquity - c.oldEquity, 0.01);
    EXPECT_NEAR(r.totalSaved, c.totalSaved, 0.005);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefiExamples,
    ::testing::Values(
        RefiCase{"initial", 0, 240, 0, 240, 240, 240, "If you sell in 240 months,", -882.14,
                 37228.05, 100000, 61889.81},
        RefiCase{"closingCosts", 0, 240, 2000, 240, 240, 240, "If you sell in 240 months,", -882.14,
                 37228.05, 100000, 59889.81},
        // 160 payments left: the old loan is gone after 160 months, the new one is paid 240.
        RefiCase{"oldLoanEndsFirst", 200, 240, 0, 240, 160, 240, "If you sell in 240 months,",
                 -19937.92, 100000, 100000, -19937.92},
        // A sale after the new loan ends: the new loan's payments stop at its term.
        RefiCase{"saleAfterNewTerm", 0, 240, 0, 300, 300, 240, "If you sell in 300 months,",
                 46319.89, 61879.56, 100000, 84440.33},
        RefiCase{"saleNow", 0, 240, 500, 0, 0, 0, "If you sell in 0 months,", 0, 0, 0, -500}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Refinancing, InitialPayments)
{
    const RefiResults r = CalcRefi({});
    EXPECT_EQ(r.oldPaymentsRemaining, 360);
    EXPECT_NEAR(r.oldPayment, 786.70, 0.005);
    EXPECT_NEAR(r.newPayment, 790.38, 0.005);
    EXPECT_NEAR(r.paymentSaved, -3.6756, 0.00005);
}

TEST(Refinancing, SameRateBalanceAndTermSavesOnlyMinusTheClosingCosts)
{
    RefiInputs in;
    in.oldTerm = 360;
    in.oldPaymentsMade = 120;
    in.newTerm = 240;
    in.newInterestRate = in.oldInterestRate;
    in.closingCosts = 1234.5;
    const RefiResults r = CalcRefi(in);
    EXPECT_NEAR(r.paymentSaved, 0, 1e-9);
    EXPECT_NEAR(r.equitySavings, 0, 1e-7);
    EXPECT_NEAR(r.totalSaved, -1234.5, 1e-6);
}

// A term of 0 is refused (see RefiRefused); at a zero rate both loans repay evenly.
TEST(Refinancing, ZeroRates)
{
    const RefiResults r = CalcRefi({.oldTerm = 100,
                                    .oldInterestRate = 0,
                                    .newTerm = 200,
                                    .newInterestRate = 0,
                                    .monthsUntilSell = 50});
    EXPECT_DOUBLE_EQ(r.oldPayment, 1000);
    EXPECT_DOUBLE_EQ(r.oldEquity, 50000);
    EXPECT_DOUBLE_EQ(r.newPayment, 500);
    EXPECT_DOUBLE_EQ(r.newEquity, 25000);
    EXPECT_EQ(r.newMonthsCompared, 50);
    EXPECT_DOUBLE_EQ(r.totalPaymentSaved, 25000);
}

struct RefusedCase {
    const char* name;
    double oldTerm, paymentsMade, newTerm, monthsUntilSell;
    const char* message;
};

class RefiRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefiRefused, NamesTheField)
{
    const RefusedCase& c = GetParam();
    const RefiInputs in{.oldTerm = c.oldTerm,
                        .oldPaymentsMade = c.paymentsMade,
                        .newTerm = c.newTerm,
                        .monthsUntilSell = c.monthsUntilSell};
    EXPECT_EQ(refusal([&] { CalcRefi(in); }), c.message);
}

constexpr const char* kTermRefused = "Term in Months must be a whole number from 1 to 1200.";
constexpr const char* kSaleRefused =
    "Months Until You Will Sell must be a whole number from 0 to 1200.";

INSTANTIATE_TEST_SUITE_P(
    Cases, RefiRefused,
    ::testing::Values(RefusedCase{"moreMadeThanTerm", 360, 361, 240, 240,
                                  "Payments Made cannot be more than Term in Months."},
                      RefusedCase{"fractionalMade", 360, 12.5, 240, 240,
                                  "Payments Made must be a whole number from 0 to 1200."},
                      RefusedCase{"fractionalOldTerm", 359.9, 0, 240, 240, kTermRefused},
                      RefusedCase{"hugeNewTerm", 360, 0, 1e9, 240, kTermRefused},
                      RefusedCase{"noOldTerm", 0, 0, 240, 240, kTermRefused},
                      RefusedCase{"noNewTerm", 360, 0, 0, 240, kTermRefused},
                      RefusedCase{"negativeSale", 360, 0, 240, -1, kSaleRefused},
                      RefusedCase{"fractionalSale", 360, 0, 240, 24.5, kSaleRefused}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Refinancing, RateAtOrBelowMinus1200PercentFails)
{
    RefiInputs in;
    in.newInterestRate = -1200;
    EXPECT_THROW(CalcRefi(in), qn::EMathError);
}

TEST(Refinancing, ClosingCostPanelTotal)
{
    RefiClosingItems items;
    EXPECT_EQ(CalcClosingCosts(items), 0);
    items.discountPoints = 1500;
    items.prepaymentPenalty = 500;
    EXPECT_DOUBLE_EQ(CalcClosingCosts(items), 2000);
    items = {1, 2, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048};
    EXPECT_DOUBLE_EQ(CalcClosingCosts(items), 4095); // every item counted once
}

} // namespace

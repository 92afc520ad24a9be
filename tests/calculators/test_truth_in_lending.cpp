// The disclosure figures of the closing-cost page: APR, finance charge, amount financed,
// total interest percentage, the first five years and the end of mortgage insurance.
#include "calculators/truth_in_lending.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

using namespace qn::calc;

namespace {

// The APR by plain halving on the payments as listed, apart from the solver under test.
double aprByBisection(double amount, const std::vector<double>& payments)
{
    double low = -0.99, high = 1;
    for (int round = 0; round < 200; ++round) {
        const double i = (low + high) / 2;
        double value = 0, discount = 1;
        for (double p : payments) {
            discount /= 1 + i;
            value += p * discount;
        }
        (value > amount ? low : high) = i;
    }
    return 1200 * low;
}

// A level-payment loan; its closing costs, the recording fee among them, count in the loan
// costs of the first five years.
LendingInputs loan(double amount, double percent, int years, double price, double closingCosts = 0,
                   double recordingFee = 0)
{
    LendingInputs in;
    in.loanAmount = amount;
    in.interestRate = percent;
    in.termYears = years;
    in.purchasePrice = price;
    in.closingCosts = closingCosts;
    in.recordingFee = recordingFee;
    const double c = percent / 1200, n = 12.0 * years;
    in.pAndI = n == 0 ? 0 : c == 0 ? amount / n : amount * c / (1 - std::pow(1 + c, -n));
    return in;
}

// Expectations worked out apart from the code (balances month by month, sums by hand).
struct TilCase {
    const char* name;
    LendingInputs in;
    double financeCharges, amountFinanced;
    int cancelMonth, endMonth;
    double paymentWithPmi, paymentWithout, totalOfPayments, financeCharge;
    std::optional<double> tip;
    double paid5, principal5;
    bool aprDefined;
};

std::vector<TilCase> cases()
{
    std::vector<TilCase> rows;
    {
        // The regulation's example: 1,000 repaid by 36 payments of 33.61, no fees.
        LendingInputs in = loan(1000, 12.83, 3, 2000);
        rows.push_back({"36 payments of 33.61", in, 0, 1000, 0, 0, 33.61, 33.61, 1209.96, 209.96,
                        20.996, 1209.96, 999.907169, true});
    }
    {
        LendingInputs in = loan(12000, 0, 10, 20000, 1000, 50);
        in.originationFee = 120;
        in.otherFees = 180;
        rows.push_back({"zero rate with fees", in, 300, 11700, 0, 0, 100, 100, 12000, 300, 0,
                        6000 + 950, 6000, true});
    }
    {
        // Twelve payments: the five years are the whole loan; the rounded payment leaves
        // a few cents of the loan unpaid on its schedule.
        LendingInputs in = loan(10000, 6, 1, 20000, 600, 50);
        in.prepaidInterest = 25;
        in.taxServiceFee = 50;
        rows.push_back({"one-year loan", in, 75, 9925, 0, 0, 860.66, 860.66, 10327.92, 402.92,
                        3.2792, 10327.92 + 550, 9999.946993, true});
    }
    {
        // 10 % down on 125,000: the balance reaches 80 % after payment 101, 78 % after 115.
        LendingInputs in = loan(112500, 7, 30, 125000, 1200.75, 50);
        in.monthlyPmi = in.closingPmi = in.pmiReserve = 48.75;
        in.prepaidInterest = 7.0 / 100 * 112500 / 365 * 15;
        in.taxServiceFee = 85;
        in.otherFees = 300;
        rows.push_back({"mortgage insurance to 78 %", in, 806.130137, 111693.869863, 101, 115,
                        797.22, 748.47, 275055.45, 163361.580137, 139.5104, 60 * 797.22 + 1102,
                        6602.297390, true});
    }
    {
        // 97 % at 10 %: halfway through the term the balance is still above 78 %.
        LendingInputs in = loan(97000, 10, 30, 100000, 1500, 60);
        in.monthlyPmi = in.closingPmi = 72.75;
        in.pmiReserve = 145.50;
        in.prepaidInterest = 10.0 / 100 * 97000 / 365 * 15;
        in.taxServiceFee = 85;
        rows.push_back({"mortgage insurance ends halfway", in, 701.880137, 96298.119863, 176, 180,
                        923.99, 851.24, 319541.40, 223243.280137, 215.924124, 60 * 923.99 + 1367.25,
                        3322.566643, true});
    }
    {
        LendingInputs in = loan(1000, 8, 5, 5000, 1200, 50);
        in.originationFee = 600;
        in.otherFees = 500;
        rows.push_back({"fees above the loan", in, 1100, -100, 0, 0, 20.28, 20.28, 1216.80, 1316.80,
                        21.68, 60 * 20.28 + 1150, 1000.264936, false});
    }
    {
        LendingInputs in = loan(50000, 7, 0, 60000, 900, 50);
        in.otherFees = 300;
        rows.push_back(
            {"no payments", in, 300, 49700, 0, 0, 0, 0, 0, -49700, std::nullopt, 850, 0, false});
    }
    return rows;
}

TEST(TruthInLending, EachFigureByItsDefinition)
{
    for (const TilCase& c : cases()) {
        SCOPED_TRACE(c.name);
        const LendingFigures f = ComputeLendingFigures(c.in);
        EXPECT_NEAR(f.prepaidFinanceCharges, c.financeCharges, 1e-6);
        EXPECT_NEAR(f.amountFinanced, c.amountFinanced, 1e-6);
        EXPECT_EQ(f.pmiCancelMonth, c.cancelMonth);
        EXPECT_EQ(f.pmiEndMonth, c.endMonth);
        const int n = 12 * c.in.termYears;
        ASSERT_EQ(f.payments.size(), std::size_t(n));
        std::vector<double> expected(std::size_t(n), c.paymentWithout);
        for (int k = 0; k < c.endMonth; ++k)
            expected[std::size_t(k)] = c.paymentWithPmi;
        for (std::size_t k = 0; k < expected.size(); ++k)
            ASSERT_NEAR(f.payments[k], expected[k], 1e-9) << "payment " << k + 1;
        EXPECT_NEAR(f.totalOfPayments, c.totalOfPayments, 1e-6);
        EXPECT_NEAR(f.financeCharge, c.financeCharge, 1e-6);
        ASSERT_EQ(f.totalInterestPercent.has_value(), c.tip.has_value());
        if (c.tip) {
            EXPECT_NEAR(*f.totalInterestPercent, *c.tip, 1e-6);
        }
        EXPECT_NEAR(f.in5YearsPaid, c.paid5, 1e-6);
        EXPECT_NEAR(f.in5YearsPrincipal, c.principal5, 1e-6);
        ASSERT_EQ(f.apr.has_value(), c.aprDefined);
        if (c.aprDefined) {
            const double reference = aprByBisection(c.amountFinanced, expected);
            EXPECT_NEAR(*f.apr, reference, 1e-10 * std::fabs(reference) + 1e-12);
        }
    }
}

TEST(TruthInLending, AprOfTheRegulationsExampleAndWhenItIsNotDefined)
{
    const std::vector<double> example(36, 33.61);
    const auto apr = ActuarialApr(1000, example);
    ASSERT_TRUE(apr);
    EXPECT_NEAR(*apr, 12.8255761, 1e-7);
    // No fees on an exactly repaid loan: the APR is the rate, here 0; below it when the
    // payments repay less than the amount.
    EXPECT_EQ(ActuarialApr(1200, std::vector<double>(12, 100)), 0.0);
    const auto below = ActuarialApr(1200, std::vector<double>(12, 99));
    ASSERT_TRUE(below);
    EXPECT_NEAR(*below, aprByBisection(1200, std::vector<double>(12, 99)), 1e-10);
    EXPECT_LT(*below, 0);
    EXPECT_FALSE(ActuarialApr(0, example));
    EXPECT_FALSE(ActuarialApr(-5, example));
    EXPECT_FALSE(ActuarialApr(1000, {}));
    EXPECT_FALSE(ActuarialApr(1000, std::vector<double>(12, 0)));
}

// The page's one call, on its first-entry figures and with 10 % down.
TEST(TruthInLending, FromTheClosingCostPage)
{
    SettingsValues s;
    s.OriginationPoints = 0;
    s.RealEstateTax = 1800;
    s.Insurance = 360;
    EccInputs in = EccStartingInputs(s);
    const LendingFigures first = LendingFiguresOf(in, CalcEcc(in, EccLocks{}));
    // The loan is 121,600 at 809.01: tax service 85, other fees 300, 15 days of interest.
    const double charges = 85 + 300 + 7.0 / 100 * 121600 / 365 * 15;
    EXPECT_NEAR(first.prepaidFinanceCharges, charges, 1e-6);
    EXPECT_NEAR(first.amountFinanced, 121600 - charges, 1e-6);
    EXPECT_NEAR(first.totalOfPayments, 360 * 809.01, 1e-6);
    EXPECT_EQ(first.pmiCancelMonth, 0);
    EXPECT_EQ(first.pmiEndMonth, 0);
    // Loan costs: the 1,152 of closing costs less the 50 recording fee.
    EXPECT_NEAR(first.in5YearsPaid, 60 * 809.01 + 1102, 1e-6);

    in.downPaymentPercent = 10;
    const EccResults r = CalcEcc(in, EccLocks{});
    const LendingFigures pmi = LendingFiguresOf(in, r);
    EXPECT_GT(pmi.pmiCancelMonth, 0);
    EXPECT_GE(pmi.pmiEndMonth, pmi.pmiCancelMonth);
    EXPECT_NEAR(pmi.payments.front() - pmi.payments.back(), r.monthlyPmi, 0.005);
    EXPECT_NEAR(pmi.prepaidFinanceCharges,
                85 + 300 + r.panels.closingPmi + r.panels.pmiReserve + r.panels.prepaidInterest,
                1e-6);
}

} // namespace

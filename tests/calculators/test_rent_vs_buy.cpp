#include "calculators/rent_vs_buy.h"
#include "tests/support/refusal.h"

#include "core/errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace qn::calc;

namespace {

constexpr double kCent = 0.005;

TEST(RentVsBuy, InitialExample)
{
    const RvbResults r = CalcRVB({});
    EXPECT_NEAR(r.loan, 142792.19, kCent);
    EXPECT_NEAR(r.price, 147792.19, kCent);
    EXPECT_EQ(r.housePrice, 147793);
    EXPECT_NEAR(r.rentSpent, 61132.11, kCent);
    EXPECT_NEAR(r.investmentValue, 6258.98, kCent);
    EXPECT_NEAR(r.principal, 8379.63, kCent);
    EXPECT_NEAR(r.interestPaid, 48620.37, kCent);
    EXPECT_NEAR(r.propertyTaxTotal, 10198.97, kCent);
    EXPECT_NEAR(r.taxDeductions, 19410.38, kCent);
    EXPECT_NEAR(r.appreciation, 59494.00, kCent);
    EXPECT_NEAR(r.sellingCosts, 14510.03, kCent);
    EXPECT_NEAR(r.valueOfPurchase, 3075.01, kCent);
    EXPECT_NEAR(r.valueOfRenting, -59873.13, kCent);
    EXPECT_NEAR(r.gain, 62948.14, kCent);
}

// One year, checked against closed forms rather than the year-by-year sums.
TEST(RentVsBuy, MoveAfterOneYear)
{
    RvbInputs in;
    in.years = 1;
    const RvbResults r = CalcRVB(in);
    const double m = 7.0 / 1200;
    const double loan = 950 * (1 - std::pow(1 + m, -360)) / m;
    const double price = loan + 5000;
    const double grown = std::pow(1 + m, 12);
    const double principal = loan - (loan * grown - 950 * (grown - 1) / m);
    const double interest = 12 * 950 - principal;
    const double tax = 0.012 * price;
    const double deductions = 0.33 * (interest + tax);
    const double appreciation = 0.07 * price;
    const double selling = 0.07 * (price + appreciation);
    const double own = deductions + appreciation + principal - (12 * 950 + 500 + tax + selling);
    const double renting = 5000 * std::pow(1 + 4.5 / 1200, 12) - 5000 - 11400;
    EXPECT_DOUBLE_EQ(r.rentSpent, 11400);
    EXPECT_NEAR(r.principal, principal, 1e-6);
    EXPECT_NEAR(r.propertyTaxTotal, tax, 1e-6);
    EXPECT_NEAR(r.appreciation, appreciation, 1e-6);
    EXPECT_NEAR(r.valueOfPurchase, own, 1e-6);
    EXPECT_NEAR(r.valueOfRenting, renting, 1e-6);
    EXPECT_NEAR(r.gain, own - renting, 1e-6);
}

TEST(RentVsBuy, NoReturnLeavesTheDownPayment)
{
    RvbInputs in;
    in.estimatedReturn = 0;
    const RvbResults r = CalcRVB(in);
    EXPECT_EQ(r.investmentValue, 5000);
    EXPECT_DOUBLE_EQ(r.valueOfRenting, -r.rentSpent);
}

TEST(RentVsBuy, InterestFreeLoanIsAllPrincipal)
{
    RvbInputs in;
    in.interestRate = 0;
    const RvbResults r = CalcRVB(in);
    EXPECT_DOUBLE_EQ(r.loan, 360 * 950);
    EXPECT_EQ(r.housePrice, 347000);
    EXPECT_DOUBLE_EQ(r.principal, 60 * 950);
    EXPECT_NEAR(r.interestPaid, 0, 1e-9);
}

TEST(RentVsBuy, NoAppreciationTaxesAndSellsAtThePrice)
{
    RvbInputs in;
    in.propertyAppreciation = 0;
    const RvbResults r = CalcRVB(in);
    EXPECT_EQ(r.appreciation, 0);
    EXPECT_NEAR(r.propertyTaxTotal, 5 * 0.012 * r.price, 1e-9);
    EXPECT_NEAR(r.sellingCosts, 0.07 * r.price, 1e-9);
}

TEST(RentVsBuy, PaymentsStopWhenTheLoanIsRepaid)
{
    RvbInputs in;
    in.interestRate = 0;
    in.loanYears = 1; // repaid after 12 payments, the move comes after 24 months
    in.years = 2;
    const RvbResults r = CalcRVB(in);
    EXPECT_EQ(r.paymentMonths, 12);
    EXPECT_DOUBLE_EQ(r.paymentsMade, 11400);
    EXPECT_DOUBLE_EQ(r.principal, 11400);
    EXPECT_NEAR(r.interestPaid, 0, 1e-9);

    in.interestRate = 7;
    const RvbResults withInterest = CalcRVB(in);
    EXPECT_NEAR(withInterest.principal, withInterest.loan, 1e-6);
}

struct RefusedCase {
    const char* name;
    double years, loanYears;
    const char* message;
};

class RvbRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RvbRefused, NamesTheField)
{
    const RefusedCase& c = GetParam();
    RvbInputs in;
    in.years = c.years;
    in.loanYears = c.loanYears;
    EXPECT_EQ(refusal([&] { CalcRVB(in); }), c.message);
}

constexpr const char* kMoveMessage =
    "Years Before You Will Move must be a whole number from 1 to 100.";
constexpr const char* kLoanMessage =
    "Term of Home Loan in Years must be a whole number from 1 to 100.";

INSTANTIATE_TEST_SUITE_P(Cases, RvbRefused,
                         ::testing::Values(RefusedCase{"moveZero", 0, 30, kMoveMessage},
                                           RefusedCase{"moveFraction", 2.5, 30, kMoveMessage},
                                           RefusedCase{"moveNegative", -3, 30, kMoveMessage},
                                           RefusedCase{"moveHuge", 2147483647, 30, kMoveMessage},
                                           RefusedCase{"loanZero", 5, 0, kLoanMessage},
                                           RefusedCase{"loanFraction", 5, 29.5, kLoanMessage}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RentVsBuy, RateAtOrBelowMinus1200PercentFails)
{
    RvbInputs in;
    in.interestRate = -1200;
    EXPECT_THROW(CalcRVB(in), qn::EMathError);
}

} // namespace

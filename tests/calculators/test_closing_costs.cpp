#include "calculators/closing_costs.h"
#include "tests/support/refusal.h"

#include "core/errors.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

using namespace qn::calc;

namespace {

constexpr double kCent = 0.005;

// The page's own form values: no points, taxes 1800, insurance 360, ratios 28/36.
EccInputs formInputs()
{
    SettingsValues s;
    s.OriginationPoints = 0;
    s.RealEstateTax = 1800;
    s.Insurance = 360;
    return qn::calc::EccStartingInputs(s);
}

EccLocks locks(bool price, bool downPayment, bool loan)
{
    return EccLocks{price, downPayment, loan};
}

// Expected figures worked out by hand from the formulas (P&I from the level-payment
// equation, daily interest on a 365-day year), to the cent.
EccInputs typedInputs(double percent, double termYears, double price, double downPayment,
                      double loan)
{
    auto in = formInputs();
    in.downPaymentPercent = percent;
    in.termYears = termYears;
    in.purchasePrice = price;
    in.downPayment = downPayment;
    in.loanAmount = loan;
    return in;
}

struct EccCase {
    const char* name;
    EccLocks locks;
    double percent, termYears, typedPrice, typedDownPayment, typedLoan;
    double price, downPayment, loan, pmiRate, pAndI, monthlyPmi, total;
    double closingCosts, escrows, cash;
};

class EccByLockState : public ::testing::TestWithParam<EccCase> {};

TEST_P(EccByLockState, ComputesEveryResult)
{
    const EccCase& c = GetParam();
    const auto r =
        CalcEcc(typedInputs(c.percent, c.termYears, c.typedPrice, c.typedDownPayment, c.typedLoan),
                c.locks);

    // Only computed (locked) amounts are written, except the price kept while the down
    // payment alone is typed.
    const bool keptPrice = c.locks.purchasePrice && !c.locks.downPayment && c.locks.loanAmount;
    ASSERT_EQ(r.purchasePrice.has_value(), c.locks.purchasePrice && !keptPrice);
    ASSERT_EQ(r.downPayment.has_value(), c.locks.downPayment);
    ASSERT_EQ(r.loanAmount.has_value(), c.locks.loanAmount);
    if (r.purchasePrice) {
        EXPECT_NEAR(*r.purchasePrice, c.price, kCent);
    }
    if (r.downPayment) {
        EXPECT_NEAR(*r.downPayment, c.downPayment, kCent);
    }
    if (r.loanAmount) {
        EXPECT_NEAR(*r.loanAmount, c.loan, kCent);
    }
    EXPECT_EQ(r.panels.pmiRate, c.pmiRate);
    EXPECT_NEAR(r.pAndI, c.pAndI, kCent);
    EXPECT_NEAR(r.monthlyPmi, c.monthlyPmi, kCent);
    EXPECT_NEAR(r.panels.closingPmi, c.monthlyPmi, kCent);
    EXPECT_NEAR(r.totalMonthlyPayment, c.total, kCent);
    EXPECT_NEAR(r.panels.closingCosts, c.closingCosts, kCent);
    EXPECT_NEAR(r.panels.escrows, c.escrows, kCent);
    EXPECT_NEAR(r.panels.cashRequiredToClose, c.cash, kCent);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EccByLockState,
    ::testing::Values(
        // Largest price: 121,749.13 / 0.8 = 152,186.41, rounded to 152,000.
        EccCase{"allLocked", locks(true, true, true), 20, 30, 0, 0, 0, 152000, 30400, 121600, 0,
                809.01, 0, 989.01, 1152, 1219.81, 32771.81},
        EccCase{"allLockedTenPercent", locks(true, true, true), 10, 30, 0, 0, 0, 126000, 12600,
                113400, 0.0052, 754.45, 49.14, 983.59, 1201.14, 1245.36, 15046.50},
        EccCase{"priceTyped", locks(false, true, true), 10, 30, 200000, 0, 0, 200000, 20000, 180000,
                0.0052, 1197.54, 78, 1455.54, 1230, 1465.81, 22695.81},
        // 95,000 / 0.95; the 15-year column, band above 90 up to 95.
        EccCase{"loanTyped", locks(true, true, false), 5, 15, 0, 0, 95000, 100000, 5000, 95000,
                0.0056, 853.89, 44.33, 1078.22, 1196.33, 1187.62, 7383.95},
        // Percent 20.548, loan-to-value 79.452: no premium.
        EccCase{"downPaymentTyped", locks(true, false, true), 20, 30, 146000, 30000, 0, 146000,
                30000, 116000, 0, 771.75, 0, 951.75, 1152, 1203.70, 32355.70},
        // Percent 4.938, loan-to-value 95.062.
        EccCase{"priceAndDownPaymentTyped", locks(false, false, true), 20, 30, 250000, 12345, 0,
                250000, 12345, 237655, 0.0090, 1581.12, 178.24, 1939.37, 1330.24, 1731.91,
                15407.15},
        // Percent 9.091, loan-to-value 90.909.
        EccCase{"downPaymentAndLoanTyped", locks(true, false, false), 20, 30, 0, 15000, 150000,
                165000, 15000, 150000, 0.0078, 997.95, 97.50, 1275.45, 1249.50, 1399.01, 17648.51}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalcEcc, AllLockedAtZeroRate)
{
    auto in = formInputs();
    in.interestRate = 0;
    const auto r = CalcEcc(in, EccLocks{});
    // 810 x 360 / 0.8 = 364,500 exactly: halfway goes to the even thousand.
    EXPECT_EQ(*r.purchasePrice, 364000);
    EXPECT_DOUBLE_EQ(*r.loanAmount, 291200);
    EXPECT_NEAR(r.pAndI, 291200.0 / 360, 1e-9);
    EXPECT_EQ(r.panels.prepaidInterest, 0);
}

TEST(CalcEcc, HalfwayAboveAnOddThousandRoundsUp)
{
    auto in = formInputs();
    in.interestRate = 0;
    in.termYears = 25;
    in.downPaymentPercent = 0;
    in.debt = 755; // 1440 - 755 = 685 a month, 505 after charges: 505 x 300 = 151,500
    const auto r = CalcEcc(in, EccLocks{});
    EXPECT_EQ(*r.purchasePrice, 152000);
    EXPECT_EQ(*r.downPayment, 0);
    EXPECT_EQ(*r.loanAmount, 152000);
}

TEST(CalcEcc, ActualRatios)
{
    const auto r = CalcEcc(formInputs(), EccLocks{});
    EXPECT_NEAR(r.housingRatio, 989.0078 / 40, 1e-4); // total / income x 100
    EXPECT_NEAR(r.debtRatio, 1439.0078 / 40, 1e-4);
    EXPECT_DOUBLE_EQ(r.monthlyTax, 150);
    EXPECT_DOUBLE_EQ(r.monthlyInsurance, 30);

    auto in = formInputs();
    in.income = 0;
    in.purchasePrice = 100000;
    const auto zero = CalcEcc(in, locks(false, true, true));
    EXPECT_EQ(zero.housingRatio, 0);
    EXPECT_EQ(zero.debtRatio, 0);
}

TEST(CalcEcc, ChargesAboveTheLimitAffordNothing)
{
    auto in = formInputs();
    in.tax = 12000; // 1000 a month against a limit of 990
    const auto r = CalcEcc(in, EccLocks{});
    EXPECT_EQ(*r.purchasePrice, 0);
    EXPECT_EQ(*r.downPayment, 0);
    EXPECT_EQ(*r.loanAmount, 0);
    EXPECT_DOUBLE_EQ(r.totalMonthlyPayment, 1030);
}

TEST(CalcEcc, SavedDefaultsOnFirstEntry)
{
    const auto in = qn::calc::EccStartingInputs(SettingsValues{});
    const auto r = CalcEcc(in, EccLocks{});
    EXPECT_NEAR(*r.purchasePrice, 164000, kCent);
    EXPECT_NEAR(*r.loanAmount, 131200, kCent);
    EXPECT_NEAR(r.pAndI, 872.88, kCent);
    EXPECT_NEAR(r.totalMonthlyPayment, 987.88, kCent);
    EXPECT_EQ(std::lround(r.housingRatio), 25);
    EXPECT_EQ(std::lround(r.debtRatio), 36);
    EXPECT_NEAR(r.panels.closingCosts, 2464, kCent);
    EXPECT_NEAR(r.panels.escrows, 1254.09, kCent);
    EXPECT_NEAR(r.panels.cashRequiredToClose, 36518.09, kCent);
}

TEST(EccStartingInputs, TakesEverySavedDefault)
{
    SettingsValues s;
    s.Pmip159597 = 0.01;
    s.HRatio = 30;
    s.DRatio = 45;
    s.AppraisalFee = 310;
    s.SellerPaid = 500;
    s.OriginationPoints = 2;
    s.DiscountPoints = 0.5;
    s.DownPaymentPercent = 15;
    s.RealEstateTax = 900;
    s.Insurance = 600;
    s.AssociationFee = 25;
    s.InterimInterestDays = 20;
    s.PropertyTaxMonths = 4;
    s.HomeownersFirstYear = 11;
    s.HomeownersRenewalMonths = 3;
    const auto in = qn::calc::EccStartingInputs(s);
    // Each figure set above, in that order.
    EXPECT_EQ((std::array{in.pmi.Pmip159597, in.housingRatio, in.debtRatio, in.fees.appraisalFee,
                          in.fees.sellerPaid, in.originationPoints, in.discountPoints,
                          in.downPaymentPercent, in.tax, in.insurance, in.associationFee,
                          in.counts.interimInterestDays, in.counts.propertyTaxMonths,
                          in.counts.homeownersFirstYearMonths, in.counts.homeownersRenewalMonths}),
              (std::array{0.01, 30.0, 45.0, 310.0, 500.0, 2.0, 0.5, 15.0, 900.0, 600.0, 25.0, 20.0,
                          4.0, 11.0, 3.0}));
    // The settings' own default, and the page's starting figures.
    EXPECT_EQ((std::array{in.fees.creditReport, in.counts.pmiReserveMonths, in.income, in.debt,
                          in.interestRate, in.termYears, in.purchasePrice}),
              (std::array{42.0, 1.0, 4000.0, 450.0, 7.0, 30.0, 0.0}));
}

struct PmiCase {
    const char* name;
    double loanToValue, termYears, expected;
};

class PmiBands : public ::testing::TestWithParam<PmiCase> {};

TEST_P(PmiBands, LooksUpTheBand)
{
    const PmiCase& c = GetParam();
    EXPECT_EQ(qn::calc::DeterminePMIPremium(c.loanToValue, c.termYears, qn::calc::PmiRates{}),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PmiBands,
    ::testing::Values(PmiCase{"at80", 80, 30, 0}, PmiCase{"justAbove80", 80.001, 30, 0.0032},
                      PmiCase{"at85", 85, 30, 0.0032}, PmiCase{"at90", 90, 30, 0.0052},
                      PmiCase{"at95", 95, 30, 0.0078}, PmiCase{"at97", 97, 30, 0.0090},
                      PmiCase{"at97Point5", 97.5, 30, 0},
                      PmiCase{"term15Uses15Column", 80.001, 15, 0.0019},
                      PmiCase{"term16Uses30Column", 80.001, 16, 0.0032},
                      PmiCase{"term15At97", 97, 15, 0.0079}, PmiCase{"term15At90", 90, 15, 0.0023},
                      PmiCase{"term15At95", 95, 15, 0.0056}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalcEcc, PercentAt19Point999UsesTheFirstBand)
{
    auto in = formInputs();
    in.downPaymentPercent = 19.999;
    EXPECT_EQ(CalcEcc(in, EccLocks{}).panels.pmiRate, 0.0032);
}

TEST(CalcEcc, TypedDownPaymentShowsItsPercent)
{
    auto in = formInputs();
    in.purchasePrice = 146000;
    in.downPayment = 30000;
    const auto r = CalcEcc(in, locks(true, false, true));
    ASSERT_TRUE(r.downPaymentPercent.has_value());
    EXPECT_DOUBLE_EQ(*r.downPaymentPercent, 20.548);
    EXPECT_FALSE(CalcEcc(formInputs(), EccLocks{}).downPaymentPercent.has_value());
}

TEST(ComputeEccPanels, LineItems)
{
    auto in = formInputs();
    in.originationPoints = 3;
    in.discountPoints = 0.5;
    in.fees.sellerPaid = 1000;
    const auto p = qn::calc::ComputeEccPanels(in, 100000, 25000, 0.0032, 26.67);
    EXPECT_NEAR(p.originationFee, 3000, 1e-9);
    EXPECT_NEAR(p.discountFee, 500, 1e-9);
    // 3000 + 500 + 1152 of fees + one month of PMI; seller-paid costs stay out.
    EXPECT_NEAR(p.closingCosts, 4678.67, 1e-9);
    EXPECT_NEAR(p.prepaidInterest, 7000.0 / 365 * 15, 1e-9); // 287.67
    EXPECT_NEAR(p.taxReserve, 450, 1e-9);
    EXPECT_NEAR(p.insuranceFirstYear, 360, 1e-9);
    EXPECT_NEAR(p.insuranceRenewal, 60, 1e-9);
    EXPECT_NEAR(p.pmiReserve, 26.67, 1e-9);
    EXPECT_NEAR(p.escrows, 287.67 + 450 + 360 + 60 + 26.67, kCent);
    EXPECT_NEAR(p.cashRequiredToClose, 25000 + 4678.67 + 1184.34 - 1000, kCent);
    EXPECT_EQ(p.pmiRate, 0.0032);
}

TEST(ComputeEccPanels, NoTaxOrInsuranceAndZeroDays)
{
    auto in = formInputs();
    in.tax = 0;
    in.insurance = -10;
    in.counts.interimInterestDays = 0;
    in.counts.pmiReserveMonths = 2;
    const auto p = qn::calc::ComputeEccPanels(in, 100000, 0, 0.0052, 43.33);
    EXPECT_EQ(p.taxReserve, 0);
    EXPECT_EQ(p.insuranceFirstYear, 0);
    EXPECT_EQ(p.insuranceRenewal, 0);
    EXPECT_EQ(p.prepaidInterest, 0);
    EXPECT_NEAR(p.escrows, 86.66, 1e-9);
}

TEST(ComputeEccPanels, SellerPayingMoreThanEverythingGivesNegativeCash)
{
    auto in = formInputs();
    in.fees.sellerPaid = 50000;
    const auto p = qn::calc::ComputeEccPanels(in, 116800, 29200, 0, 0);
    // 29,200 down + 1,152 of fees + 1,206 of escrows - 50,000.
    EXPECT_NEAR(p.closingCosts, 1152, kCent);
    EXPECT_NEAR(p.escrows, 1206, kCent);
    EXPECT_NEAR(p.cashRequiredToClose, -18442, kCent);
}

struct RefusedCase {
    const char* name;
    EccLocks locks;
    double percent, termYears, price, downPayment, loan, days, renewalMonths;
    const char* message;
};

class EccRefusesInput : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(EccRefusesInput, WithTheMessage)
{
    const RefusedCase& c = GetParam();
    auto in = typedInputs(c.percent, c.termYears, c.price, c.downPayment, c.loan);
    in.counts.interimInterestDays = c.days;
    in.counts.homeownersRenewalMonths = c.renewalMonths;
    EXPECT_EQ(refusal([&] { CalcEcc(in, c.locks); }), c.message);
}

const EccLocks kAll{};
INSTANTIATE_TEST_SUITE_P(
    Cases, EccRefusesInput,
    ::testing::Values(
        RefusedCase{"percent100", kAll, 100, 30, 0, 0, 0, 15, 2,
                    "Down Payment Percent must be at least 0 and less than 100."},
        RefusedCase{"percentNegative", locks(true, true, false), -1, 30, 0, 0, 1000, 15, 2,
                    "Down Payment Percent must be at least 0 and less than 100."},
        RefusedCase{"termFraction", kAll, 20, 29.5, 0, 0, 0, 15, 2,
                    "Term (Years) must be a whole number from 0 to 100."},
        RefusedCase{"termTooLong", kAll, 20, 101, 0, 0, 0, 15, 2,
                    "Term (Years) must be a whole number from 0 to 100."},
        RefusedCase{"negativePrice", locks(false, true, true), 20, 30, -1, 0, 0, 15, 2,
                    "Purchase Price cannot be negative."},
        RefusedCase{"negativeDownPayment", locks(true, false, false), 20, 30, 0, -1, 1000, 15, 2,
                    "Down Payment Amount cannot be negative."},
        RefusedCase{"negativeLoan", locks(true, true, false), 20, 30, 0, 0, -1, 15, 2,
                    "Loan Amount cannot be negative."},
        // The widest amount the fields show is 999,999,999,999.99; a cent more is refused.
        RefusedCase{"priceTooLarge", locks(false, true, true), 20, 30, 1e12, 0, 0, 15, 2,
                    "Purchase Price must be no larger than 999,999,999,999.99."},
        RefusedCase{"loanTooLarge", locks(true, false, false), 20, 30, 0, 0, 1e12, 15, 2,
                    "Loan Amount must be no larger than 999,999,999,999.99."},
        RefusedCase{"downPaymentAbovePrice", locks(false, false, true), 20, 30, 1000, 1000.01, 0,
                    15, 2, "Down Payment Amount cannot be larger than the Purchase Price."},
        RefusedCase{"daysFraction", kAll, 20, 30, 0, 0, 0, 15.5, 2,
                    "Prepaid Interest / Days must be a whole number from 0 to 1200."},
        RefusedCase{"renewalNegative", kAll, 20, 30, 0, 0, 0, 15, -2,
                    "Homeowner's Insurance (Renewal) / Months must be a whole number from 0 "
                    "to 1200."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalcEcc, ValuesTheCheckAllowsWhereTheyAreNoInput)
{
    auto in = formInputs();
    // The percent field is a result while the down payment is typed.
    in.downPaymentPercent = 100;
    in.purchasePrice = 100000;
    in.downPayment = 100000;
    const auto r = CalcEcc(in, locks(false, false, true));
    EXPECT_EQ(*r.loanAmount, 0);
    EXPECT_EQ(*r.downPaymentPercent, 100);
}

TEST(CalcEcc, ArithmeticFailures)
{
    auto in = formInputs();
    // The percent divides by a price of 0.
    EXPECT_THROW(CalcEcc(in, locks(false, false, true)), qn::EMathError);
    in = formInputs();
    in.interestRate = -1200;
    in.loanAmount = 1000;
    EXPECT_THROW(CalcEcc(in, locks(true, true, false)), qn::EMathError);
}

TEST(EccLocks, PriceAndLoanNeverBothUnlocked)
{
    EccLocks l;
    EXPECT_TRUE(l.allLocked());
    l.unlockPurchasePrice();
    l.unlockLoanAmount();
    EXPECT_TRUE(l.purchasePrice);
    EXPECT_FALSE(l.loanAmount);
    l.unlockPurchasePrice();
    EXPECT_FALSE(l.purchasePrice);
    EXPECT_TRUE(l.loanAmount);
    l.unlockDownPayment();
    l.lockPurchasePrice();
    EXPECT_FALSE(l.allLocked());
    l.lockDownPayment();
    EXPECT_TRUE(l.allLocked());
}

} // namespace

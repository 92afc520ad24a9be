#include "core/errors.h"
#include "core/mortgage.h"
#include "tests/support/arm_terms.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>

using namespace qn;

TEST(Schedule, EightSevenFiveOverThirtyYears)
{
    TMortgage loan(360, 100000, 0.0875, 12);
    EXPECT_DOUBLE_EQ(loan.Payment, 786.70);
    ASSERT_EQ(loan.Payments.size(), 360u);
    const TPayment& first = loan.Payments.front();
    EXPECT_EQ(first.Number, 1);
    EXPECT_DOUBLE_EQ(first.Interest, 729.17);
    EXPECT_DOUBLE_EQ(first.Principal, 57.53);
    EXPECT_DOUBLE_EQ(first.Balance, 99942.47);
    // The last payment clears the loan instead of leaving 0.97 owed.
    const TPayment& last = loan.Payments.back();
    EXPECT_DOUBLE_EQ(last.Interest, 5.70);
    EXPECT_DOUBLE_EQ(last.Principal, 781.97);
    EXPECT_DOUBLE_EQ(last.Balance, 0);
    EXPECT_DOUBLE_EQ(last.PrincipalToDate, 100000);
}

TEST(Schedule, SevenPercentAndZeroRate)
{
    TMortgage loan(360, 100000, 0.07, 12);
    EXPECT_DOUBLE_EQ(loan.Payment, 665.30);
    EXPECT_DOUBLE_EQ(loan.Payments[0].Interest, 583.33);
    EXPECT_DOUBLE_EQ(loan.Payments[0].Principal, 81.97);

    TMortgage free(7, 1000, 0, 12);
    EXPECT_DOUBLE_EQ(free.Payment, 142.86);
    for (const TPayment& row : free.Payments)
        EXPECT_EQ(row.Interest, 0);
    EXPECT_DOUBLE_EQ(free.Payments.back().Balance, 0);
}

TEST(Schedule, ZeroPaymentsFailAfterStoringFigures)
{
    TMortgage loan;
    EXPECT_THROW(loan.Setup(0, 100000, 0.0875, 12), EMathError);
    EXPECT_EQ(loan.Amount, 100000);
    EXPECT_TRUE(loan.Payments.empty());
}

TEST(Schedule, PaymentBelowInterestGrowsTheBalance)
{
    TMortgage loan(12, 100000, 0.0875, 12);
    // Force a payment that does not cover the interest through a negative extra.
    ASSERT_EQ(loan.SetExtraRange(1, 12, -9000), ExtraResult::Applied);
    // Rows with a growing balance still add up.
    for (const TPayment& row : loan.Payments)
        EXPECT_GE(row.Balance, 0);
}

TEST(Extras, SinglePaymentPaysOffEarly)
{
    TMortgage loan(360, 100000, 0.0875, 12);
    ASSERT_EQ(loan.SetExtraPayment(1, 10000), ExtraResult::Applied);
    EXPECT_DOUBLE_EQ(loan.Payments[0].Principal, 10057.53);
    int payoff = -1;
    for (std::size_t k = 0; k < loan.Payments.size(); ++k)
        if (loan.Payments[k].Balance == 0) {
            payoff = int(k);
            break;
        }
    ASSERT_GT(payoff, 0);
    ASSERT_LT(payoff, 359);
    const TPayment& after = loan.Payments[std::size_t(payoff) + 1];
    EXPECT_EQ(after.Principal, 0);
    EXPECT_EQ(after.Interest, 0);
    EXPECT_EQ(loan.Payments.back().PrincipalToDate, 100000);
    EXPECT_EQ(loan.Payments.back().InterestToDate, after.InterestToDate);
}

TEST(Extras, OutOfRangeIsReportedAndKeepsEarlierExtras)
{
    TMortgage loan(360, 100000, 0.0875, 12);
    EXPECT_EQ(loan.SetExtraPayment(0, 100), ExtraResult::OutOfRange);
    EXPECT_EQ(loan.SetExtraPayment(361, 100), ExtraResult::OutOfRange);
    EXPECT_EQ(loan.SetExtraRange(0, 0, 100), ExtraResult::OutOfRange);
    EXPECT_EQ(loan.SetExtraRange(359, 365, 100), ExtraResult::OutOfRange);
    // 359 and 360 kept their extra, but nothing was recalculated yet.
    EXPECT_EQ(loan.Payments[358].ExtraPrincipal, 0);
    loan.Recalculate();
    EXPECT_EQ(loan.Payments[358].ExtraPrincipal, 100);

    TMortgage empty;
    EXPECT_EQ(empty.SetExtraPayment(1, 100), ExtraResult::OutOfRange);
    EXPECT_THROW(empty.SetExtraFrom(1, 100), EListError);
}

TEST(Extras, RangeBackwardsSetsFirstOnly)
{
    TMortgage loan(360, 100000, 0.0875, 12);
    ASSERT_EQ(loan.SetExtraRange(10, 5, 50), ExtraResult::Applied);
    for (const TPayment& row : loan.Payments)
        EXPECT_EQ(row.ExtraPrincipal, row.Number == 10 ? 50 : 0) << row.Number;
}

// After ranged or recurring extras every row adds up: principal is payment minus interest
// plus the extra shown, and the balance falls by exactly the principal.
TEST(Extras, AllPaymentsScheduleIsConsistent)
{
    TMortgage loan(360, 100000, 0.0875, 12);
    loan.SetExtraFrom(1, 500);
    double balance = loan.Amount;
    bool paidOff = false;
    for (const TPayment& row : loan.Payments) {
        SCOPED_TRACE(row.Number);
        if (paidOff) {
            EXPECT_EQ(row.ExtraPrincipal, 0);
            EXPECT_EQ(row.Principal, 0);
            continue;
        }
        EXPECT_NEAR(balance - row.Principal, row.Balance, 1e-9);
        // The payoff row shows only the extra it used, so it adds up as well.
        if (row.Balance > 0 || row.ExtraPrincipal > 0) {
            EXPECT_NEAR(row.Principal, loan.Payment - row.Interest + row.ExtraPrincipal, 1e-9);
        }
        if (row.Balance < 500) {
            EXPECT_EQ(row.ExtraPrincipal, 0);
        }
        EXPECT_GE(row.Balance, 0);
        balance = row.Balance;
        paidOff = row.Balance == 0;
    }
    EXPECT_TRUE(paidOff);
    EXPECT_EQ(loan.Payments.back().PrincipalToDate, 100000);
    loan.ClearExtraPayments();
    EXPECT_DOUBLE_EQ(loan.Payments[359].Principal, 781.97);
}

TEST(Properties, SchedulesRepayTheAmount)
{
    for (double amount : {1.0, 5000.0, 100000.0, 10000000.0})
        for (double rate : {0.0, 0.03, 0.0875, 0.3})
            for (int n : {1, 12, 360, 600}) {
                TMortgage loan(n, amount, rate, 12);
                SCOPED_TRACE(testing::Message() << amount << " " << rate << " " << n);
                // A payment that rounds to no more than the interest repays nothing.
                if (loan.Payment <= RoundCents(amount * rate / 12))
                    continue;
                EXPECT_NEAR(loan.Payments.back().PrincipalToDate, amount, 1e-6);
                for (const TPayment& row : loan.Payments)
                    ASSERT_GE(row.Balance, 0);
            }
}

TEST(FormatPaymentRow, FixedWidthTexts)
{
    TMortgage loan(360, 100000, 0.0875, 12);
    const auto texts = FormatPaymentRow(loan.Payments[0]);
    EXPECT_EQ(texts[0], "    1");
    EXPECT_EQ(texts[1], "       57.53");
    EXPECT_EQ(texts[2], "      729.17");
    EXPECT_EQ(texts[3], "       57.53");
    EXPECT_EQ(texts[4], "      729.17");
    EXPECT_EQ(texts[5], "        0.00");
    EXPECT_EQ(texts[6], "    99942.47");
    TPayment huge;
    huge.Balance = 1e20;
    EXPECT_EQ(FormatPaymentRow(huge)[6].size(), 15u);
    EXPECT_EQ(FormatPaymentRate(loan.Payments[0]), " 8.750%");
    huge.Rate = 0.11;
    EXPECT_EQ(FormatPaymentRate(huge), " 11.000%");
    huge.Rate = -0.000001;
    EXPECT_EQ(FormatPaymentRate(huge), " 0.000%");
}

TEST(Schedule, CountsBeyondTheLimitFailAtOnce)
{
    // Ten million rows took 0.7 s and 630 MB; 2147483647 asked for about 120 GB.
    for (const std::int32_t n : {1201, 10000000, 2147483647, -1}) {
        SCOPED_TRACE(n);
        const auto start = std::chrono::steady_clock::now();
        TMortgage loan;
        EXPECT_THROW(loan.Setup(n, 100000, 0.0875, 12), EMathError);
        EXPECT_TRUE(loan.Payments.empty());
        EXPECT_EQ(loan.SetExtraPayment(1, 100), ExtraResult::OutOfRange);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(10));
    }
    TMortgage longest(1200, 100000, 0.0875, 12);
    EXPECT_EQ(longest.Payments.size(), 1200u);
    EXPECT_DOUBLE_EQ(longest.Payments.back().Balance, 0);
}

TEST(Schedule, CentsBeyondSixtyFourBitsFail)
{
    // Each month's interest fits, but 1200 of them on 80 trillion at 1300 % would not.
    TMortgage loan;
    EXPECT_THROW(loan.Setup(1200, 8e13, 13, 12), EMathError);
    EXPECT_THROW(loan.Setup(360, 1e17, 0.0875, 12), EMathError);
    EXPECT_THROW(loan.Setup(360, std::nan(""), 0.0875, 12), EMathError);
    // A negative extra on every row grows the balance without bound at a zero rate.
    TMortgage growing(1200, 1000, 0, 12);
    EXPECT_THROW(growing.SetExtraRange(1, 1200, -8.9e13), EMathError);
    TMortgage fits(1200, 999999999999.99, 0.0875, 12);
    EXPECT_GT(fits.Payments.back().InterestToDate, 0);
}

namespace {

// FNV-1a over the bit patterns of the payment and of every row's figures.
std::uint64_t rowsHash(const TMortgage& loan)
{
    std::uint64_t h = 1469598103934665603ull;
    auto mix = [&](const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) {
            h ^= bytes[i];
            h *= 1099511628211ull;
        }
    };
    mix(&loan.Payment, sizeof loan.Payment);
    for (const TPayment& r : loan.Payments) {
        const double figures[] = {r.Principal,      r.Interest,       r.PrincipalToDate,
                                  r.InterestToDate, r.ExtraPrincipal, r.Balance};
        mix(&r.Number, sizeof r.Number);
        mix(figures, sizeof figures);
    }
    return h;
}

} // namespace

// A fixed rate, and an adjustable one whose first change would fall after the last payment,
// give the schedules the model gave before it knew adjustable rates, to the bit: the hashes
// were taken from that model.
TEST(FixedRate, SchedulesUnchangedToTheBit)
{
    struct Case {
        const char* name;
        std::int32_t n;
        double amount, rate;
        void (*extras)(TMortgage&);
        std::uint64_t hash;
    };
    const Case cases[] = {
        {"8.75 % over 360", 360, 100000, 0.0875, [](TMortgage&) {}, 0x5c7a56b9ef501e68},
        {"7 % over 360", 360, 100000, 0.07, [](TMortgage&) {}, 0x146facc6df2685c2},
        {"zero rate", 7, 1000, 0, [](TMortgage&) {}, 0xce1655e8a33e6755},
        {"10000 on payment 1", 360, 100000, 0.0875,
         [](TMortgage& m) { m.SetExtraPayment(1, 10000); }, 0x150cbce8dac78ef0},
        {"500 on every payment", 360, 100000, 0.0875, [](TMortgage& m) { m.SetExtraFrom(1, 500); },
         0xd80a9fc7bfd9e6ab},
        {"largest amount over 1200", 1200, 999999999999.99, 0.0875, [](TMortgage&) {},
         0xf09d0136b82bc92d},
        {"payment below the interest", 12, 100000, 0.0875,
         [](TMortgage& m) { m.SetExtraRange(1, 12, -9000); }, 0x7065fad384710135},
    };
    TAdjustableRate late;
    late.Path = TIndexPath::WorstCase;
    late.FirstCap = late.PeriodicCap = late.LifetimeCap = 0.05;
    late.AdjustEvery = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TMortgage fixed(c.n, c.amount, c.rate, 12);
        c.extras(fixed);
        EXPECT_EQ(rowsHash(fixed), c.hash);
        late.FixedMonths = c.n;
        TMortgage adjustable;
        adjustable.Setup(c.n, c.amount, c.rate, 12, late);
        c.extras(adjustable);
        EXPECT_EQ(rowsHash(adjustable), c.hash);
        ASSERT_EQ(adjustable.RateSchedule.size(), 1u);
        EXPECT_EQ(adjustable.RateSchedule[0].Payment, adjustable.Payment);
        for (const TPayment& row : adjustable.Payments)
            ASSERT_EQ(row.Rate, c.rate);
    }
}

// Figures of each case from a separate month-by-month simulation of the rule; the first is
// the worked 5/6 loan with caps 2/1/5 and a flat index of 6 %.
TEST(AdjustableRate, ChangesCapsAndRecastPayments)
{
    struct Change {
        std::int32_t month;
        double percent, payment, balanceBefore;
    };
    using Changes = std::vector<Change>;
    struct Loan {
        std::int32_t n, fixedMonths, adjustEvery;
        double amount, startPercent, marginPercent;
    };
    struct Index {
        TIndexPath path;
        double percent, stepPercent;
        std::vector<double> listPercent;
    };
    using Caps = std::array<double, 3>; // first, periodic, lifetime
    struct Case {
        const char* name;
        Loan loan;
        Index index;
        Caps caps;
        double extraOnFirst;
        std::size_t changes;
        Changes expected;      // the first changes
        double highestPercent; // of every change
    };
    const Loan fiveSix{360, 60, 6, 300000, 6, 2.75};
    const Index flatSix{TIndexPath::Flat, 6, 0, {}};
    const Case cases[] = {
        {"flat index: the first cap, then the fully indexed rate", fiveSix, flatSix, Caps{2, 1, 5},
         0, 50,
         Changes{{61, 8, 2154.63, 279163.14},
                 {67, 8.75, 2293.43, 277372.27},
                 {73, 8.75, 2293.43, 275716.81}},
         8.75},
        {"worst case up to the lifetime cap", fiveSix, Index{TIndexPath::WorstCase, 0, 0, {}},
         Caps{2, 1, 5}, 0, 50,
         Changes{{61, 8, 2154.63, 279163.14},
                 {67, 9, 2340.46, 277372.27},
                 {73, 10, 2529.99, 275781.69},
                 {79, 11, 2722.69, 274361.54},
                 {85, 11, 2722.69, 273086.38}},
         11},
        {"rising index", Loan{360, 60, 12, 300000, 6, 2.75}, Index{TIndexPath::Rising, 4, 0.5, {}},
         Caps{2, 2, 6}, 0, 25,
         Changes{{61, 7.25, 2017.81, 279163.14},
                 {73, 7.75, 2106.24, 275053.98},
                 {85, 8.25, 2193.90, 270952.14}},
         12},
        // 3.0625 + 2.5 lies halfway between eighths and goes down; 1.3 + 2.5 goes to the
        // nearest eighth; falls stop at the periodic cap and at the floor (the margin); the
        // last value repeats.
        {"typed index list", Loan{120, 12, 12, 100000, 5, 2.5},
         Index{TIndexPath::Typed, 0, 0, {3.0625, 0, 1.3, -5, -5, 9}}, Caps{2, 1, 5}, 0, 9,
         Changes{{13, 5.5, 1083.01, 92092.50},
                 {25, 4.5, 1043.04, 83958.46},
                 {37, 3.75, 1017.06, 75037.61},
                 {49, 2.75, 987.63, 65483.69},
                 {61, 2.5, 981.52, 55305.28},
                 {73, 3.5, 1001.32, 44789.73},
                 {85, 4.5, 1016.52, 34172.28},
                 {97, 5.5, 1026.95, 23289.14},
                 {109, 6.5, 1032.45, 11963.98}},
         6.5},
        {"recast on the balance after an extra", fiveSix, flatSix, Caps{2, 1, 5}, 10000, 50,
         Changes{{61, 8, 2051.04, 265741.78}, {67, 8.75, 2183.17, 264037.02}}, 8.75},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TAdjustableRate terms =
            armTerms(c.loan.fixedMonths, c.loan.adjustEvery, c.loan.marginPercent, c.index.percent,
                     c.caps, c.index.path, c.index.stepPercent);
        for (double v : c.index.listPercent)
            terms.IndexList.push_back(v / 100);
        TMortgage loan;
        loan.Setup(c.loan.n, c.loan.amount, c.loan.startPercent / 100, 12, terms);
        if (c.extraOnFirst > 0) {
            ASSERT_EQ(loan.SetExtraPayment(1, c.extraOnFirst), ExtraResult::Applied);
        }

        ASSERT_EQ(loan.RateSchedule.size(), c.changes + 1);
        const TRatePeriod& start = loan.RateSchedule[0];
        EXPECT_EQ(start.FirstPayment, 1);
        EXPECT_EQ(start.Payment, loan.Payment);
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            const Change& e = c.expected[i];
            const TRatePeriod& got = loan.RateSchedule[i + 1];
            SCOPED_TRACE(e.month);
            EXPECT_EQ(got.FirstPayment, e.month);
            EXPECT_NEAR(got.Rate * 100, e.percent, 1e-9);
            EXPECT_DOUBLE_EQ(got.Payment, e.payment);
            EXPECT_DOUBLE_EQ(loan.Payments[std::size_t(e.month) - 2].Balance, e.balanceBefore);
        }
        double highest = 0;
        for (const TRatePeriod& p : loan.RateSchedule)
            highest = std::max(highest, p.Rate * 100);
        EXPECT_NEAR(highest, c.highestPercent, 1e-9);
        // Each row charges its period's rate, and the last payment clears the loan.
        std::size_t period = 0;
        for (const TPayment& row : loan.Payments) {
            while (period + 1 < loan.RateSchedule.size()
                   && loan.RateSchedule[period + 1].FirstPayment <= row.Number)
                ++period;
            ASSERT_EQ(row.Rate, loan.RateSchedule[period].Rate) << row.Number;
        }
        EXPECT_DOUBLE_EQ(loan.Payments.back().Balance, 0);
        EXPECT_NEAR(loan.Payments.back().PrincipalToDate, c.loan.amount, 1e-6);
    }
}

TEST(AdjustableRate, FloorAndTermsThatCannotMakeASchedule)
{
    // A floor above the margin holds a falling index up; a typed floor of -1 % counts as 0.
    TAdjustableRate terms = armTerms(12, 12, 2, -5, {10, 10, 5});
    terms.Floor = 0.045;
    TMortgage loan;
    loan.Setup(36, 10000, 0.06, 12, terms);
    ASSERT_EQ(loan.RateSchedule.size(), 3u);
    EXPECT_DOUBLE_EQ(loan.RateSchedule[1].Rate, 0.045);
    terms.Floor = -0.01;
    loan.Setup(36, 10000, 0.06, 12, terms);
    EXPECT_EQ(loan.RateSchedule[1].Rate, 0);
    EXPECT_EQ(loan.Payments[20].Interest, 0);

    // Setup without terms is fixed again, as the biweekly page expects of the shared loan.
    loan.Setup(36, 10000, 0.06, 12);
    EXPECT_FALSE(loan.Adjustable);
    EXPECT_EQ(loan.RateSchedule.size(), 1u);

    for (auto spoil : {+[](TAdjustableRate& t) { t.FixedMonths = 0; },
                       +[](TAdjustableRate& t) { t.AdjustEvery = 0; },
                       +[](TAdjustableRate& t) { t.Path = TIndexPath::Typed; }}) {
        TAdjustableRate bad = terms;
        spoil(bad);
        EXPECT_THROW(loan.Setup(36, 10000, 0.06, 12, bad), EMathError);
    }
}

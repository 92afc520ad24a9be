// The adjustable-rate fields of the schedule page: their checks, and the payment summary.
#include "calculators/adjustable_rate.h"
#include "tests/support/refusal.h"

#include "core/errors.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace qn::calc;
using qn::TIndexPath;

namespace {

// The worked 5/6 loan: 2.75 over a 6 % index, caps 2/1/5.
ArmFields workedFields()
{
    return {.fixedMonths = 60,
            .adjustEvery = 6,
            .margin = 2.75,
            .index = 6,
            .firstCap = 2,
            .periodicCap = 1,
            .lifetimeCap = 5};
}

TEST(ArmFields, TermsInFractionsWithTheMarginAsFloor)
{
    ArmFields f = workedFields();
    f.path = TIndexPath::Typed;
    f.indexList = " 6.5; 7,25 ;;8 ;";
    const qn::TAdjustableRate t = ArmTermsFromFields(f, 360, 6);
    EXPECT_EQ(t.FixedMonths, 60);
    EXPECT_EQ(t.AdjustEvery, 6);
    EXPECT_DOUBLE_EQ(t.Margin, 0.0275);
    EXPECT_DOUBLE_EQ(t.FirstCap, 0.02);
    EXPECT_DOUBLE_EQ(t.LifetimeCap, 0.05);
    EXPECT_FALSE(t.Floor); // the model takes the margin
    ASSERT_EQ(t.IndexList.size(), 3u);
    EXPECT_DOUBLE_EQ(t.IndexList[1], 0.0725);
    f.floor = 3;
    EXPECT_DOUBLE_EQ(*ArmTermsFromFields(f, 360, 6).Floor, 0.03);
    // The list is read only for the typed path.
    f.path = TIndexPath::Flat;
    f.indexList = "rubbish";
    EXPECT_NO_THROW(ArmTermsFromFields(f, 360, 6));
}

TEST(ArmFields, RefusalsNameTheField)
{
    const std::pair<std::function<void(ArmFields&)>, std::string> rows[] = {
        {[](ArmFields& f) { f.fixedMonths = 0; },
         "Fixed Months must be a whole number from 1 to 360."},
        {[](ArmFields& f) { f.fixedMonths = 361; },
         "Fixed Months must be a whole number from 1 to 360."},
        {[](ArmFields& f) { f.fixedMonths = 60.5; },
         "Fixed Months must be a whole number from 1 to 360."},
        {[](ArmFields& f) { f.adjustEvery = 0; },
         "Adjust Every must be a whole number from 1 to 360."},
        {[](ArmFields& f) { f.margin = -0.25; }, "Margin cannot be negative."},
        {[](ArmFields& f) { f.firstCap = -1; }, "First Cap cannot be negative."},
        {[](ArmFields& f) { f.periodicCap = -1; }, "Periodic Cap cannot be negative."},
        {[](ArmFields& f) { f.lifetimeCap = -1; }, "Lifetime Cap cannot be negative."},
        {[](ArmFields& f) { f.floor = -1; }, "Floor cannot be negative."},
        {[](ArmFields& f) { f.floor = 11.125; },
         "Floor cannot be higher than the Interest Rate plus the Lifetime Cap (11)."},
        {[](ArmFields& f) { f.lifetimeCap = 0, f.margin = 6.5; },
         "Floor cannot be higher than the Interest Rate plus the Lifetime Cap (6)."},
        {[](ArmFields& f) { f.path = TIndexPath::Typed, f.indexList = " ; "; },
         "Index List needs at least one index value, the values separated by \";\"."},
        {[](ArmFields& f) { f.path = TIndexPath::Typed, f.indexList = "6; 6.5%"; },
         "Index List: \"6.5%\" is not a number."},
    };
    for (const auto& [spoil, message] : rows) {
        ArmFields f = workedFields();
        spoil(f);
        EXPECT_EQ(refusal([&] { ArmTermsFromFields(f, 360, 6); }), message);
    }
    ArmFields f = workedFields();
    f.floor = 11; // exactly the highest rate
    EXPECT_NO_THROW(ArmTermsFromFields(f, 360, 6));
}

TEST(ArmSummary, FirstAndHighestPayment)
{
    qn::TMortgage loan;
    loan.Setup(360, 300000, 0.06, 12, ArmTermsFromFields(workedFields(), 360, 6));
    const ArmPaymentSummary s = SummarizeArmPayments(loan);
    EXPECT_DOUBLE_EQ(s.firstPayment, 1798.65);
    EXPECT_EQ(s.firstPaymentMonths, 60);
    EXPECT_DOUBLE_EQ(s.highestPayment, 2293.43);
    EXPECT_EQ(s.highestFrom, 67);
    EXPECT_EQ(ArmSummaryText(s, "$1,798.65", "$2,293.43"),
              "Payment $1,798.65 for 60 months, then up to $2,293.43 from month 67");

    // A falling index: 2.75 over 2 % is 4.75 % from month 61, the payment lower.
    ArmFields falling = workedFields();
    falling.index = 2;
    loan.Setup(360, 300000, 0.06, 12, ArmTermsFromFields(falling, 360, 6));
    const ArmPaymentSummary down = SummarizeArmPayments(loan);
    EXPECT_EQ(down.highestFrom, 1);
    EXPECT_EQ(ArmSummaryText(down, "$1,798.65", "$1,798.65"),
              "Payment $1,798.65 for 60 months, then no higher");

    // Paid off by an extra before the first change: one payment for the whole loan.
    loan.Setup(360, 300000, 0.06, 12, ArmTermsFromFields(workedFields(), 360, 6));
    loan.SetExtraPayment(12, 300000);
    const ArmPaymentSummary early = SummarizeArmPayments(loan);
    EXPECT_EQ(early.payoffMonth, 12);
    EXPECT_EQ(ArmSummaryText(early, "$1,798.65", "$1,798.65"), "Payment $1,798.65 for 12 months");
}

} // namespace

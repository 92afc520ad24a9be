// The Mortgage Qualifier page driven through its real fields.
#include "pages/num_edit.h"
#include "tests/support/page_fixture.h"
#include "tests/support/page_names.h"

#include <QApplication>
#include <QTest>

#include <cmath>

#include <gtest/gtest.h>

using qn::pages::NumericField;
using qn::pages::TFnpNumericEdit;

namespace {

class MqPageTest : public OnePageFixture {
protected:
    MqPageTest() : OnePageFixture("MQ") {}
    const QString& mq = m_page;
};

TEST_F(MqPageTest, EntryComputesNothingAndLeavingAFieldComputesTheExample)
{
    EXPECT_EQ(QApplication::focusWidget(), field(mq::kIncome1.name));
    EXPECT_EQ(value(mq::kLoan1.name), 0);
    leave();
    // Incomes 5,000, debts 850: the debt limit 950 binds (the housing limit is 1,400).
    const double loans[] = {142792.19, 122533.38, 105693.16};
    const char* loanFields[] = {mq::kLoan1.name, mq::kLoan2.name, mq::kLoan3.name};
    const char* priceFields[] = {mq::kPurchasePrice1.name, mq::kPurchasePrice2.name,
                                 mq::kPurchasePrice3.name};
    const char* paymentFields[] = {mq::kPayment1.name, mq::kPayment2.name, mq::kPayment3.name};
    for (int r = 0; r < 3; ++r) {
        EXPECT_DOUBLE_EQ(value(paymentFields[r]), 950) << r;
        EXPECT_NEAR(value(loanFields[r]), loans[r], 0.005) << r;
        EXPECT_NEAR(value(priceFields[r]), loans[r] + 20000, 0.005) << r;
    }
    EXPECT_EQ(text(mq::kLoan1.name), QStringLiteral("$142,792.19"));
    EXPECT_EQ(text(mq::kCalculatedHousingRatio.name), QStringLiteral("19"));
    EXPECT_EQ(text(mq::kCalculatedDebtRatio.name), QStringLiteral("36"));
    EXPECT_TRUE(m_window->printingEnabled());
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(MqPageTest, RateOneLeadsTheLadderAtEveryKeystroke)
{
    type(mq::kIr1.name, QStringLiteral("8"));
    // Before the field is left.
    EXPECT_EQ(text(mq::kIr1.name), QStringLiteral("8.000"));
    EXPECT_EQ(text(mq::kIr2.name), QStringLiteral("7.750"));
    EXPECT_EQ(text(mq::kIr3.name), QStringLiteral("7.500"));
    // Computed when edtIncome1 was left, still at 7 %.
    EXPECT_NEAR(value(mq::kLoan1.name), 142792.19, 0.005);
    leave();
    EXPECT_NEAR(value(mq::kLoan1.name), 129469.32, 0.005);
    EXPECT_NEAR(value(mq::kLoan2.name), 115719.80, 0.005);
    EXPECT_NEAR(value(mq::kLoan3.name), 102479.76, 0.005);
    // Typing into rate 2 overrides its derived value.
    type(mq::kIr2.name, QStringLiteral("6"));
    leave();
    EXPECT_EQ(text(mq::kIr2.name), QStringLiteral("6.000"));
    EXPECT_EQ(text(mq::kIr3.name), QStringLiteral("7.500"));
}

// The derived rates stop at 0: a rate below it means nothing.
TEST_F(MqPageTest, TheLadderStopsAtZero)
{
    type(mq::kIr1.name, QStringLiteral("0.3"));
    EXPECT_EQ(text(mq::kIr2.name), QStringLiteral("0.050"));
    EXPECT_EQ(text(mq::kIr3.name), QStringLiteral("0.000"));
    type(mq::kIr1.name, QStringLiteral("0"));
    EXPECT_EQ(text(mq::kIr2.name), QStringLiteral("0.000"));
    leave();
    EXPECT_DOUBLE_EQ(value(mq::kLoan3.name), 950.0 * 180);
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(MqPageTest, ZeroRateSpreadsThePaymentOverTheMonths)
{
    type(mq::kIr2.name, QStringLiteral("0"));
    leave();
    EXPECT_DOUBLE_EQ(value(mq::kLoan2.name), 950.0 * 240);
    EXPECT_DOUBLE_EQ(value(mq::kPurchasePrice2.name), 228000 + 20000);
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(MqPageTest, LimitsAndZeroIncome)
{
    struct Case {
        const char* name;
        const char* field;
        const char* keys;
        double payment, housing, debt;
    };
    const Case cases[] = {
        // Debts above the debt limit: no payment, the ratios are the debts alone.
        {"debtsAboveLimit", mq::kCards1.name, "2000", 0, 0, 2500.0 / 5000 * 100},
        // Ratios 28/60: the housing limit 1,400 binds now (the debt limit is 2,150).
        {"housingLimitBinds", mq::kDebtRatio.name, "60", 1400, 28, (850.0 + 1400) / 5000 * 100},
    };
    for (const Case& c : cases) {
        m_window->clickReset();
        field(mq::kDebtRatio.name)->setValue(36);
        type(c.field, QLatin1String(c.keys));
        leave();
        EXPECT_DOUBLE_EQ(value(mq::kPayment3.name), c.payment) << c.name;
        EXPECT_NEAR(value(mq::kCalculatedHousingRatio.name), std::round(c.housing), 1e-9) << c.name;
        EXPECT_NEAR(value(mq::kCalculatedDebtRatio.name), std::round(c.debt), 1e-9) << c.name;
        if (c.payment == 0) {
            EXPECT_DOUBLE_EQ(value(mq::kPurchasePrice1.name), 20000) << c.name;
        }
    }
    for (const char* income : {mq::kIncome1.name, mq::kOIncome1.name})
        field(income)->setValue(0);
    type(mq::kIncome2.name, QStringLiteral("0"));
    leave();
    EXPECT_EQ(value(mq::kLoan1.name), 0);
    EXPECT_EQ(text(mq::kCalculatedHousingRatio.name), QStringLiteral("0"));
    EXPECT_EQ(text(mq::kCalculatedDebtRatio.name), QStringLiteral("0"));
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(MqPageTest, RatiosBecomeTheDefaultsOfBothPagesEvenWhenTheRestIsRefused)
{
    type(mq::kHousingRatio.name, QStringLiteral("30"));
    type(mq::kDebtRatio.name, QStringLiteral("45"));
    leave();
    EXPECT_EQ(m_window->m_settings.HRatio, 30);
    EXPECT_EQ(m_window->m_settings.DRatio, 45);
    m_window->gotoPage(QStringLiteral("ECC"));
    settle();
    EXPECT_EQ(find<NumericField>(QStringLiteral("ECC"), ecc::kHousingRatio.name)->value(), 30);
    EXPECT_EQ(find<NumericField>(QStringLiteral("ECC"), ecc::kDebtRatio.name)->value(), 45);
    takeMessages();

    m_window->gotoPage(mq);
    settle();
    leave();
    const double loan = value(mq::kLoan1.name);
    field(mq::kHousingRatio.name)->setValue(25);
    type(mq::kTerm1.name, QStringLiteral("101"));
    leave();
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral(
                                  "Term in Years (row 1) must be a whole number from 0 to 100.")});
    EXPECT_EQ(m_window->m_settings.HRatio, 25);
    EXPECT_EQ(value(mq::kLoan1.name), loan); // nothing written
}

TEST_F(MqPageTest, ResetRestoresTheInputsButNotTheRatiosReached)
{
    type(mq::kIncome1.name, QStringLiteral("6000"));
    type(mq::kIr1.name, QStringLiteral("9"));
    type(mq::kTerm3.name, QStringLiteral("10"));
    leave();
    const QString housing = text(mq::kCalculatedHousingRatio.name);
    m_window->clickReset();
    settle();
    EXPECT_EQ(value(mq::kIncome1.name), 4000);
    EXPECT_EQ(value(mq::kDebtRatio.name), 40);
    EXPECT_EQ(value(mq::kTerm2.name), 15);
    EXPECT_EQ(value(mq::kIr1.name), 7);
    EXPECT_EQ(value(mq::kIr2.name), 7);
    // Rate 1 changed from 9 to 7: rate 3 follows it; term 3 is not Reset's.
    EXPECT_EQ(value(mq::kIr3.name), 6.5);
    EXPECT_EQ(value(mq::kTerm3.name), 10);
    for (const char* result : {mq::kPayment1.name, mq::kLoan2.name, mq::kPurchasePrice3.name})
        EXPECT_EQ(value(result), 0) << result;
    EXPECT_EQ(text(mq::kCalculatedHousingRatio.name), housing);
    EXPECT_EQ(QApplication::focusWidget(), field(mq::kIncome1.name));

    // Rate 1 already at 7: rate 3 keeps what it had.
    field(mq::kIr3.name)->setValue(5);
    m_window->clickReset();
    EXPECT_EQ(value(mq::kIr3.name), 5);
    EXPECT_TRUE(takeMessages().isEmpty());
}

} // namespace

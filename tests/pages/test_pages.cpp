#include "pages/amortization_page.h"
#include "pages/biweekly_page.h"
#include "pages/num_edit.h"
#include "tests/support/page_fixture.h"
#include "tests/support/page_names.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <utility>

using qn::pages::TFnpNumericEdit;
using qn::pages::TNumEdit;

namespace {

const QString kQuickFailure =
    QStringLiteral("Cannot calculate using the values you entered.  Please try again.");

class PagesTest : public PageFixture {
protected:
    void click(const char* name) { QTest::mouseClick(find<QPushButton>(qc, name), Qt::LeftButton); }
    // Enters the Quick Calculator, chooses the unknown, gives the figures and computes.
    void compute(const char* unknown, std::initializer_list<std::pair<const char*, double>> figures)
    {
        m_window->gotoPage(qc);
        settle();
        click(unknown);
        for (const auto& [name, figure] : figures)
            find<qn::pages::NumericField>(qc, name)->setValue(figure);
        click(qc::kBtnCalcQuickCalc);
    }

    const QString qc = QStringLiteral("QC");
};

struct QuickCase {
    const char* choice;
    const char* resultField;
    double loan, rate, pay, n;
    double expected;
    double tolerance;
};

TEST_F(PagesTest, QuickCalculatorSolvesEachUnknown)
{
    m_window->gotoPage(qc);
    settle();
    const QuickCase cases[] = {
        {qc::kBtnCalcPMT, qc::kPMT.name, 100000, 8.75, 0, 360, 786.7004, 1e-4},
        {qc::kBtnCalcLA, qc::kLA.name, 0, 8.75, 786.70, 360, 100000, 0},
        {qc::kBtnCalcLA, qc::kLA.name, 0, 0, 500, 360, 180000, 0},
        {qc::kBtnCalcIR, qc::kIR.name, 100000, 0, 786.70, 360, 8.75, 5e-4},
        {qc::kBtnCalcN, qc::kN.name, 100000, 8.75, 786.70, 1, 360, 0},
    };
    for (const QuickCase& c : cases) {
        click(c.choice);
        auto* calculate = find<QPushButton>(qc, qc::kBtnCalcQuickCalc);
        EXPECT_TRUE(calculate->isEnabled());
        EXPECT_FALSE(find<QLineEdit>(qc, c.resultField)->isEnabled()) << c.choice;
        if (std::string(c.resultField) != qc::kLA.name)
            find<TNumEdit>(qc, qc::kLA.name)->setValue(c.loan);
        if (std::string(c.resultField) != qc::kIR.name)
            find<TFnpNumericEdit>(qc, qc::kIR.name)->setValue(c.rate);
        if (std::string(c.resultField) != qc::kPMT.name)
            find<TNumEdit>(qc, qc::kPMT.name)->setValue(c.pay);
        if (std::string(c.resultField) != qc::kN.name)
            find<TFnpNumericEdit>(qc, qc::kN.name)->setValue(c.n);
        click(qc::kBtnCalcQuickCalc);
        auto* field = find<QLineEdit>(qc, c.resultField);
        const double got = std::string(c.resultField) == qc::kLA.name
                                   || std::string(c.resultField) == qc::kPMT.name
                               ? static_cast<TNumEdit*>(field)->value()
                               : static_cast<TFnpNumericEdit*>(field)->value();
        EXPECT_NEAR(got, c.expected, c.tolerance) << c.choice;
        EXPECT_TRUE(field->isEnabled());
    }
    EXPECT_TRUE(takeMessages().isEmpty());
}

// The payment typed key by key, as a user would, with the focus moved on by Tab.
TEST_F(PagesTest, QuickCalculatorTypedPayment)
{
    m_window->gotoPage(qc);
    settle();
    click(qc::kBtnCalcPMT);
    auto* loan = find<TNumEdit>(qc, qc::kLA.name);
    auto* rate = find<TFnpNumericEdit>(qc, qc::kIR.name);
    auto* months = find<TFnpNumericEdit>(qc, qc::kN.name);
    loan->setFocus();
    settle(); // the whole text is selected once the focus has settled
    QTest::keyClicks(loan, QStringLiteral("100000"));
    rate->setFocus();
    settle();
    rate->setCursorPosition(0);
    QTest::keyClicks(rate, QStringLiteral("8.75"));
    EXPECT_EQ(rate->text(), QStringLiteral("8.750"));
    months->setFocus();
    settle();
    months->selectAll();
    QTest::keyClicks(months, QStringLiteral("360"));
    EXPECT_EQ(months->text(), QStringLiteral("360"));
    click(qc::kBtnCalcQuickCalc);
    settle();
    EXPECT_DOUBLE_EQ(loan->value(), 100000);
    auto* payment = find<TNumEdit>(qc, qc::kPMT.name);
    EXPECT_NEAR(payment->value(), 786.7004, 1e-4);
    EXPECT_EQ(payment->displayText(), QStringLiteral("$786.70"));
    EXPECT_TRUE(takeMessages().isEmpty());
}

// Alt+L moves the focus to the rate on its own; what is typed then replaces the 0.000.
TEST_F(PagesTest, QuickCalculatorTypingAfterAChoiceReplacesTheField)
{
    m_window->gotoPage(qc);
    settle();
    QTest::keyClick(m_window->windowHandle(), Qt::Key_L, Qt::AltModifier);
    auto* rate = find<TFnpNumericEdit>(qc, qc::kIR.name);
    ASSERT_TRUE(QTest::qWaitFor([rate] { return rate->hasFocus(); })); // an animated click
    QTest::keyClicks(rate, QStringLiteral("6.5"));
    EXPECT_EQ(rate->text(), QStringLiteral("6.500"));
}

// A rate below 0 is the exact answer for payments that repay less than the loan: shown,
// and said.
TEST_F(PagesTest, QuickCalculatorShowsANegativeRateAndSaysWhy)
{
    compute(qc::kBtnCalcIR, {{qc::kLA.name, 100000}, {qc::kPMT.name, 200}, {qc::kN.name, 360}});
    EXPECT_EQ(takeMessages(),
              QStringList{QStringLiteral("The payments do not repay the loan at any positive "
                                         "interest rate, so the rate that balances them is "
                                         "negative.")});
    auto* rate = find<TFnpNumericEdit>(qc, qc::kIR.name);
    EXPECT_LT(rate->value(), 0);
    EXPECT_TRUE(rate->isEnabled());
}

TEST_F(PagesTest, QuickCalculatorZeroPaymentFailsAndResets)
{
    compute(qc::kBtnCalcN, {{qc::kLA.name, 100000}, {qc::kIR.name, 8.75}});
    EXPECT_EQ(takeMessages(), QStringList{kQuickFailure});
    EXPECT_EQ(find<TNumEdit>(qc, qc::kLA.name)->value(), 0);
    EXPECT_EQ(find<TFnpNumericEdit>(qc, qc::kN.name)->value(), 1);
    EXPECT_TRUE(find<QLineEdit>(qc, qc::kN.name)->isEnabled());
    EXPECT_FALSE(find<QPushButton>(qc, qc::kBtnCalcQuickCalc)->isEnabled());
}

TEST_F(PagesTest, QuickCalculatorPaymentBelowInterestKeepsInputs)
{
    compute(qc::kBtnCalcN, {{qc::kLA.name, 100000}, {qc::kIR.name, 8.75}, {qc::kPMT.name, 700}});
    const QStringList messages = takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().contains(QStringLiteral("never be repaid")));
    EXPECT_EQ(find<TNumEdit>(qc, qc::kPMT.name)->value(), 700);
    EXPECT_EQ(find<TNumEdit>(qc, qc::kLA.name)->value(), 100000);
}

TEST_F(PagesTest, BiweeklyExampleAndLeavingAResultRecalculates)
{
    const QString bw = QStringLiteral("BW");
    m_window->gotoPage(bw);
    settle();
    find<TNumEdit>(bw, bw::kMortgageAmount.name)->setValue(100000);
    find<TFnpNumericEdit>(bw, bw::kMortgageInterest.name)->setValue(8.75);
    find<TFnpNumericEdit>(bw, bw::kMortgagePeriods.name)->setValue(360);
    auto* payments = find<TNumEdit>(bw, bw::kMortgagePayments.name);
    payments->setFocus();
    settle();
    find<TNumEdit>(bw, bw::kMortgageAmount.name)->setFocus();
    settle();
    struct Expected {
        const char* field;
        double value;
    };
    const Expected money[] = {
        {bw::kMortgagePayments.name, 786.70},         {bw::kMortgageTotalPaid.name, 283212.00},
        {bw::kMortgageCostOfLoan.name, 183212.00},    {bw::kMortgageHalfPayments.name, 393.35},
        {bw::kMortgageHalfTotalPaid.name, 226540.72}, {bw::kMortgageHalfCostOfLoan.name, 126540.72},
        {bw::kInterestSaved.name, 56671.28}};
    for (const Expected& e : money)
        EXPECT_NEAR(find<TNumEdit>(bw, e.field)->value(), e.value, 0.005) << e.field;
    EXPECT_NEAR(find<TFnpNumericEdit>(bw, bw::kTimeSavedMonths.name)->value(), 94.19, 0.005);
    EXPECT_NEAR(find<TFnpNumericEdit>(bw, bw::kTimeSavedYears.name)->value(), 7.85, 0.005);
    EXPECT_EQ(static_cast<qn::pages::BiweeklyPage*>(m_window->page(bw))->mortgage().NumPayments,
              360);
    EXPECT_TRUE(takeMessages().isEmpty());
}

class AmortTest : public PagesTest {
protected:
    qn::pages::AmortizationPage* enterAmort()
    {
        m_window->gotoPage(amort);
        settle();
        return qobject_cast<qn::pages::AmortizationPage*>(m_window->page(amort));
    }
    void press(const char* name)
    {
        QTest::mouseClick(find<QAbstractButton>(amort, name), Qt::LeftButton);
        settle();
    }
    const QString amort = QStringLiteral("Amort");
};

TEST_F(AmortTest, EnteringShowsTheStartingLoan)
{
    auto* page = enterAmort();
    ASSERT_NE(page, nullptr);
    EXPECT_NEAR(find<TNumEdit>(amort, amort::kAmortPayment.name)->value(), 786.70, 1e-9);
    EXPECT_EQ(page->gridRowCount(), 361);
    EXPECT_EQ(page->cellText(0, 3), QStringLiteral("Principal To Date"));
    EXPECT_EQ(page->cellText(360, 6), QStringLiteral("$0.00"));
}

TEST_F(AmortTest, CalculateAndExtraPayments)
{
    auto* page = enterAmort();
    ASSERT_NE(page, nullptr);
    find<TFnpNumericEdit>(amort, amort::kIRate.name)->setValue(7);
    press(amort::kBtnCalculate);
    EXPECT_NEAR(find<TNumEdit>(amort, amort::kAmortPayment.name)->value(), 665.30, 1e-9);
    EXPECT_EQ(page->cellText(1, 1), QStringLiteral("$81.97"));
    EXPECT_EQ(page->cellText(1, 2), QStringLiteral("$583.33"));

    press(amort::kBtnAddExtraPayments);
    EXPECT_TRUE(find<QFrame>(amort, amort::kPnlAddExtra)->isVisible());

    // The range choice with empty numbers falls back to 0, which is no payment.
    find<QLineEdit>(amort, amort::kFromPmt.name)->clear();
    find<QLineEdit>(amort, amort::kToPmt.name)->clear();
    press(amort::kBtnAddExtra);
    const QStringList range = takeMessages();
    ASSERT_EQ(range.size(), 1);
    EXPECT_TRUE(range.front().startsWith(QStringLiteral("Cannot calculate results of extra")));
    EXPECT_EQ(find<QLineEdit>(amort, amort::kFromPmt.name)->text(), QStringLiteral("0"));

    find<QLineEdit>(amort, amort::kExtraAmount.name)->setText(QStringLiteral("12.5x"));
    press(amort::kBtnAddExtra);
    EXPECT_EQ(takeMessages(),
              QStringList{QStringLiteral("'12.5x' is not a valid amount for Amount.")});

    press(amort::kRbAllPmts);
    find<QLineEdit>(amort, amort::kExtraAmount.name)->setText(QStringLiteral("$500"));
    press(amort::kBtnAddExtra);
    EXPECT_EQ(page->cellText(1, 5), QStringLiteral("$500.00"));
    // 1165.30 a month would clear 100000 at 7 % in payment 120, but payments 119 and 120
    // would leave less than the 500 extra owing, so they lose it: 933.21 and 273.35 remain,
    // and payment 121 clears the loan.
    EXPECT_EQ(page->cellText(118, 5), QStringLiteral("$500.00"));
    EXPECT_EQ(page->cellText(119, 5), QStringLiteral("$0.00"));
    EXPECT_EQ(page->cellText(119, 6), QStringLiteral("$933.21"));
    EXPECT_EQ(page->cellText(120, 6), QStringLiteral("$273.35"));
    EXPECT_EQ(page->cellText(121, 6), QStringLiteral("$0.00"));
    EXPECT_EQ(page->cellText(122, 3), QStringLiteral("$100,000.00"));
    EXPECT_TRUE(takeMessages().isEmpty());

    press(amort::kBtnRemove);
    EXPECT_EQ(page->cellText(1, 5), QStringLiteral("$0.00"));
}

TEST_F(AmortTest, AddExtraDoesNothingWithoutASchedule)
{
    auto* page = enterAmort();
    ASSERT_NE(page, nullptr);
    page->reset();
    EXPECT_TRUE(page->cellText(1, 0).isEmpty());
    press(amort::kBtnAddExtraPayments);
    EXPECT_FALSE(find<QFrame>(amort, amort::kPnlAddExtra)->isVisible());
}

TEST_F(AmortTest, ZeroPaymentsResetsThePage)
{
    auto* page = enterAmort();
    ASSERT_NE(page, nullptr);
    find<TFnpNumericEdit>(amort, amort::kNumPmts.name)->setValue(0);
    press(amort::kBtnCalculate);
    m_window->flushPendingFailures();
    settle();
    const QStringList messages = takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().startsWith(QStringLiteral("Valid results cannot")));
    EXPECT_EQ(find<TFnpNumericEdit>(amort, amort::kNumPmts.name)->value(), 360);
    EXPECT_TRUE(page->cellText(1, 0).isEmpty());
}

} // namespace

namespace {

// Each extra that cannot do what was asked says so truly: one larger than the loan changes
// nothing, a payoff by or after the last payment needs no extra, and a payment number below
// 1 is outside the schedule.
TEST_F(AmortTest, ExtrasThatCannotHelpSayWhy)
{
    enterAmort();
    press(amort::kBtnAddExtraPayments);
    press(amort::kRbAllPmts);
    find<QLineEdit>(amort, amort::kExtraAmount.name)->setText(QStringLiteral("999999999999"));
    press(amort::kBtnAddExtra);
    EXPECT_EQ(takeMessages(),
              QStringList{QStringLiteral("An extra payment of $999,999,999,999.00 is more than "
                                         "the loan owes at the payments chosen, so none was "
                                         "added.\n\nPlease enter a smaller amount.")});
    const struct {
        const char* target;
        const char* message;
    } payoffs[] = {
        {"361", "No extra payment is needed: the loan is repaid by payment 360."},
        {"360", "No extra payment is needed: the loan is repaid by payment 360."},
        {"0", "Pay off by # must be a whole number from 1 to 360."},
        {"-5", "Pay off by # must be a whole number from 1 to 360."},
    };
    for (const auto& p : payoffs) {
        SCOPED_TRACE(p.target);
        find<QLineEdit>(amort, amort::kPayoffBy.name)->setText(QLatin1String(p.target));
        press(amort::kBtnPayoffBy);
        EXPECT_EQ(takeMessages(), QStringList{QLatin1String(p.message)});
    }
}

} // namespace

namespace {

class AdjustableTest : public AmortTest {
protected:
    // Picks an item of one of the page's radio rows with the mouse.
    void choose(const char* group, int item)
    {
        auto* row = find<QWidget>(amort, group);
        QTest::mouseClick(row->findChildren<QRadioButton*>().at(item), Qt::LeftButton);
        settle();
    }
    // The worked 5/6 loan: 300,000 over 360 months from 6 %, the page's other terms.
    void setUpLoan()
    {
        find<TNumEdit>(amort, amort::kMortAmt.name)->setValue(300000);
        find<TFnpNumericEdit>(amort, amort::kIRate.name)->setValue(6);
        find<TFnpNumericEdit>(amort, amort::kNumPmts.name)->setValue(360);
    }
};

TEST_F(AdjustableTest, RatesFollowTheCapsAndTheSummarySaysTheHighestPayment)
{
    auto* page = enterAmort();
    ASSERT_NE(page, nullptr);
    choose(amort::kRgRateType, 1);
    EXPECT_TRUE(find<QFrame>(amort, amort::kPnlArm)->isVisible());
    setUpLoan();
    press(amort::kBtnCalculate);
    EXPECT_EQ(page->cellText(0, 1), QStringLiteral("Rate"));
    EXPECT_EQ(page->cellText(61, 1), QStringLiteral(" 8.000%"));
    EXPECT_EQ(page->cellText(67, 1), QStringLiteral(" 8.750%"));
    EXPECT_EQ(page->cellText(60, 7), QStringLiteral("$279,163.14"));
    EXPECT_EQ(
        find<QLabel>(amort, amort::kLblArmSummary)->text(),
        QStringLiteral("Payment $1,798.65 for 60 months, then up to $2,293.43 from month 67"));
    EXPECT_EQ(page->csvText().split(u'\n').at(61).left(10), QStringLiteral("61,8.000,2"));
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(AdjustableTest, ARefusedTermNamesItsFieldAndChangesNothing)
{
    auto* page = enterAmort();
    ASSERT_NE(page, nullptr);
    choose(amort::kRgRateType, 1);
    setUpLoan();
    find<TFnpNumericEdit>(amort, amort::kArmFloor.name)->setValue(11.5);
    press(amort::kBtnCalculate);
    m_window->flushPendingFailures();
    settle();
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("Floor cannot be higher than the "
                                                         "Interest Rate plus the Lifetime Cap "
                                                         "(11).")});
    EXPECT_EQ(QApplication::focusWidget(), find<QWidget>(amort, amort::kArmFloor.name));
    EXPECT_EQ(page->cellText(0, 1), QStringLiteral("Principal")); // the fixed schedule stays
}

// Fixed again after an adjustable schedule: seven columns, no terms, no summary.
TEST_F(AdjustableTest, FixedKeepsTheScheduleAsItWas)
{
    auto* page = enterAmort();
    ASSERT_NE(page, nullptr);
    choose(amort::kRgRateType, 1);
    press(amort::kBtnCalculate);
    choose(amort::kRgRateType, 0);
    press(amort::kBtnCalculate);
    EXPECT_FALSE(find<QFrame>(amort, amort::kPnlArm)->isVisible());
    EXPECT_EQ(page->cellText(0, 1), QStringLiteral("Principal"));
    EXPECT_EQ(page->cellText(0, 7), QString());
    EXPECT_EQ(page->cellText(360, 6), QStringLiteral("$0.00"));
    EXPECT_TRUE(find<QLabel>(amort, amort::kLblArmSummary)->text().isEmpty());
    EXPECT_FALSE(page->csvText().startsWith(QStringLiteral("Payment,Rate")));
}

} // namespace

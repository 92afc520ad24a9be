// The Loan Spread, Refinancing and Rent vs. Buy pages through their real widgets.
#include "pages/num_edit.h"
#include "tests/support/page_fixture.h"
#include "tests/support/page_names.h"

#include <QAbstractItemModel>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

using qn::pages::NumericField;

namespace {

class SpreadPage : public OnePageFixture {
protected:
    SpreadPage() : OnePageFixture("LS") {}
    QString cell(int column, int row)
    {
        return find<QTableView>(ls::kGrdLS)->model()->index(row, column).data().toString();
    }
    void choose(const char* group, int item)
    {
        find<QGroupBox>(group)
            ->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)
            .at(item)
            ->click();
        settle();
    }
    struct Cell {
        int column, row;
        const char* text;
    };
    void expectCells(std::initializer_list<Cell> cells)
    {
        for (const Cell& c : cells)
            EXPECT_EQ(cell(c.column, c.row), QLatin1String(c.text)) << c.column << ", " << c.row;
    }
};

TEST_F(SpreadPage, PaymentsAroundTheDefaults)
{
    expectCells({{0, 0, " Loan / Rate"},
                 {0, 1, " $95,000"},
                 {0, 11, " $105,000"},
                 {1, 0, "  7.25%"},
                 {7, 0, "  10.25%"},
                 {4, 6, " $786.70"},
                 {1, 1, " $648.07"},
                 {7, 11, " $940.91"}});
    EXPECT_TRUE(m_window->printingEnabled());
}

// 14,223.585002...: rounded to 10 digits first it would be a half, and then go to .58.
TEST_F(SpreadPage, MoneyCellsAreRoundedOnceFromTheComputedValue)
{
    typeAndLeave(field(ls::kLoan.name), QStringLiteral("1097055.72"));
    typeAndLeave(field(ls::kInterest.name), QStringLiteral("13.473"));
    typeAndLeave(field(ls::kTerm.name), QStringLiteral("180"));
    EXPECT_EQ(cell(4, 6), QStringLiteral(" $14,223.59"));
}

TEST_F(SpreadPage, EachKindLaysItselfOutAndBuilds)
{
    choose(ls::kRgCalculate, 1);
    expectCells(
        {{0, 0, " Pmt / Rate"}, {4, 6, " $100,000"}, {1, 1, " $60,351"}, {7, 11, " $129,639"}});
    EXPECT_FALSE(field(ls::kLoan.name)->isVisible()); // hidden, not cleared
    EXPECT_DOUBLE_EQ(field(ls::kLoan.name)->value(), 100000);
    EXPECT_EQ(find<QLabel>("lbl1")->text(), QStringLiteral("PMT:"));

    choose(ls::kRgCalculate, 2);
    expectCells({{0, 0, " Loan / Pmt"},
                 {1, 0, "  $561.70"},
                 {7, 0, "  $1,011.70"},
                 {4, 6, " 8.750%"},
                 {1, 1, " 5.871%"},
                 {7, 11, " 11.148%"}});
    EXPECT_FALSE(find<QGroupBox>(ls::kRgInterest)->isVisible());

    choose(ls::kRgCalculate, 3);
    EXPECT_EQ(cell(4, 6), QStringLiteral(" 360.00"));
    EXPECT_EQ(cell(4, 11), QStringLiteral(" 498.23"));
    for (int c = 1; c <= 3; ++c)
        EXPECT_EQ(cell(c, 11), QStringLiteral(" never")) << c;
    EXPECT_TRUE(takeMessages().isEmpty());
}

// The field a new kind shows starts from the old table's centre: the payment for the loan
// just typed, not the payment the page started with (which made every rate negative).
TEST_F(SpreadPage, ANewKindTakesTheCentreOfTheOldTable)
{
    typeAndLeave(field(ls::kLoan.name), QStringLiteral("200000"));
    ASSERT_EQ(cell(4, 6), QStringLiteral(" $1,573.40"));
    choose(ls::kRgCalculate, 2);
    EXPECT_EQ(field(ls::kPayment.name)->text(), QStringLiteral("$1,573.40"));
    EXPECT_EQ(cell(4, 6), QStringLiteral(" 8.750%"));
    choose(ls::kRgCalculate, 3); // the rate was typed, not computed: it stays
    EXPECT_EQ(field(ls::kInterest.name)->text(), QStringLiteral("8.750"));
    EXPECT_EQ(cell(4, 6), QStringLiteral(" 360.00"));
    choose(ls::kRgCalculate, 0);
    EXPECT_EQ(field(ls::kTerm.name)->text(), QStringLiteral("360"));
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(SpreadPage, StepsAndNegativeRows)
{
    choose(ls::kRgInterest, 0);
    EXPECT_EQ(cell(1, 0), QStringLiteral("  8.375%"));
    EXPECT_EQ(cell(7, 0), QStringLiteral("  9.125%"));
    EXPECT_EQ(find<QLabel>(ls::kRateIncrementText)->text(), QStringLiteral("1/8%"));
    typeAndLeave(field(ls::kLoan.name), QStringLiteral("20000"));
    choose(ls::kRgLoan, 8);
    EXPECT_EQ(cell(0, 1), QStringLiteral(" ($5,000)"));
    EXPECT_EQ(cell(0, 11), QStringLiteral(" $45,000"));
    EXPECT_TRUE(cell(4, 1).startsWith(QStringLiteral(" ($"))); // a negative payment
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(SpreadPage, HintsAndAFractionalTerm)
{
    QTest::mouseMove(find<QTableView>(ls::kGrdLS)->viewport(), QPoint(100, 50));
    settle();
    EXPECT_EQ(m_window->m_hint, QStringLiteral(" Grid is displaying Payment Amounts"));
    find<qn::pages::TFnpNumericEdit>(ls::kTerm.name)->setDecimals(1);
    find<qn::pages::TFnpNumericEdit>(ls::kTerm.name)->setValue(360.5);
    typeAndLeave(field(ls::kInterest.name), QStringLiteral("8.75"));
    // Each field left rebuilds the table, and each rebuild refuses the term.
    const QStringList messages = takeMessages();
    ASSERT_FALSE(messages.isEmpty());
    for (const QString& message : messages)
        EXPECT_EQ(message, QStringLiteral("Months must be a whole number from 0 to 1200."));
}

class RefiPage : public OnePageFixture {
protected:
    RefiPage() : OnePageFixture("RC") {}
};

TEST_F(RefiPage, TheExampleAndASaleAfterTheNewTerm)
{
    typeAndLeave(field(rc::kMonthsUntilSell.name), QStringLiteral("240"));
    expectCents(
        {{rc::kOldPayment, 786.70}, {rc::kNewPayment, 790.38}, {rc::kTotalSaved, 61889.81}});
    EXPECT_EQ(find<QLabel>(rc::kLblSell)->text(), QStringLiteral("If you sell in 240 months,"));
    typeAndLeave(field(rc::kMonthsUntilSell.name), QStringLiteral("300"));
    EXPECT_EQ(find<QLabel>(rc::kLblSell)->text(), QStringLiteral("If you sell in 300 months,"));
    expectCents({{rc::kTotalPaymentSaved, 46319.89}, {rc::kTotalSaved, 84440.33}});
}

TEST_F(RefiPage, SaleAfterTheOldLoansPayoffAndTooManyPaymentsMade)
{
    typeAndLeave(field(rc::kOldPaymentsMade.name), QStringLiteral("200"));
    EXPECT_NEAR(value(rc::kTotalSaved.name), -19937.92, 0.005);
    typeAndLeave(field(rc::kOldPaymentsMade.name), QStringLiteral("400"));
    EXPECT_EQ(takeMessages(),
              QStringList{QStringLiteral("Payments Made cannot be more than Term in Months.")});
    EXPECT_NEAR(value(rc::kTotalSaved.name), -19937.92, 0.005); // nothing computed
}

TEST_F(RefiPage, ThePanelItemisesTheClosingCosts)
{
    find<QPushButton>(rc::kBtnCalcFees)->click();
    EXPECT_TRUE(find<QWidget>(rc::kPnlClosingCosts)->isVisible());
    typeAndLeave(field(rc::kDiscountPoints.name), QStringLiteral("1500"));
    typeAndLeave(field(rc::kAppraisalFee.name), QStringLiteral("500"));
    find<QPushButton>(rc::kBtnCloseClosingCosts)->click();
    settle();
    EXPECT_FALSE(find<QWidget>(rc::kPnlClosingCosts)->isVisible());
    EXPECT_DOUBLE_EQ(value(rc::kClosingFees.name), 2000);
    EXPECT_DOUBLE_EQ(value(rc::kRefiClosingCosts.name), 2000);
    EXPECT_NEAR(value(rc::kTotalSaved.name), 59889.81, 0.005);
    find<QPushButton>(rc::kBtnCalcFees)->click();
    find<QPushButton>(rc::kBtnClearClosingCosts)->click();
    EXPECT_DOUBLE_EQ(value(rc::kDiscountPoints.name), 0);
    EXPECT_DOUBLE_EQ(value(rc::kClosingFees.name), 0);
}

TEST_F(RefiPage, ResetRestoresTheStartAndKeepsTheHeadline)
{
    typeAndLeave(field(rc::kMonthsUntilSell.name), QStringLiteral("120"));
    m_window->clickReset();
    EXPECT_DOUBLE_EQ(value(rc::kMonthsUntilSell.name), 240);
    EXPECT_NEAR(value(rc::kTotalSaved.name), 61889.81, 0.005);
    EXPECT_EQ(find<QLabel>(rc::kLblSell)->text(), QStringLiteral("If you sell in 120 months,"));
}

class RvbPage : public OnePageFixture {
protected:
    RvbPage() : OnePageFixture("RVB") {}
};

TEST_F(RvbPage, TheExampleCountsTheHouseAsItIs)
{
    typeAndLeave(field(rvb::kMonthlyRent.name), QStringLiteral("950"));
    EXPECT_DOUBLE_EQ(value(rvb::kHousePrice.name), 147793);
    expectCents({{rvb::kRentSpent, 61132.11},
                 {rvb::kInvestmentValue, 6258.98},
                 {rvb::kAppreciation, 59494.00},
                 {rvb::kTaxDeductions, 19410.38},
                 {rvb::kValueOfPurchase, 3075.01},
                 {rvb::kValueOfRenting, -59873.13},
                 {rvb::kGain, 62948.14}});
}

TEST_F(RvbPage, ZeroRatesAndAOneYearMove)
{
    typeAndLeave(field(rvb::kEstimatedReturn.name), QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(value(rvb::kInvestmentValue.name), 5000);
    EXPECT_NEAR(value(rvb::kValueOfRenting.name), -value(rvb::kRentSpent.name), 0.005);
    typeAndLeave(field(rvb::kTerm.name), QStringLiteral("1"));
    EXPECT_NEAR(value(rvb::kRentSpent.name), 12 * 950, 0.005);
    typeAndLeave(field(rvb::kPropertyAppreciation.name), QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(value(rvb::kAppreciation.name), 0);
    typeAndLeave(field(rvb::kInterestRate.name), QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(value(rvb::kHousePrice.name), 360 * 950 + 5000);
}

TEST_F(RvbPage, YearsMustBeWholeFromOne)
{
    typeAndLeave(field(rvb::kTerm.name), QStringLiteral("0"));
    const QStringList messages = takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().startsWith(QStringLiteral("Years Before You Will Move")));
    m_window->clickReset();
    EXPECT_DOUBLE_EQ(value(rvb::kTerm.name), 5);
    EXPECT_DOUBLE_EQ(value(rvb::kGain.name), 0);
}

} // namespace

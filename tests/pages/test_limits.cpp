// Figures a page cannot compute with are refused with a message naming the field, at once,
// and nothing is computed.
#include "pages/amortization_page.h"
#include "pages/num_edit.h"
#include "tests/support/page_fixture.h"
#include "tests/support/page_names.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

#include <array>

using qn::pages::NumericField;
using qn::pages::TNumEdit;

namespace {

class Limits : public PageFixture {
protected:
    void type(const QString& page, const char* field, const QString& text)
    {
        typeAndLeave(find<NumericField>(page, field), text);
    }
    // Enters the page and, where a case names one, clicks the button that opens its panel.
    void open(const QString& page, const char* button)
    {
        m_window->gotoPage(page);
        settle();
        if (button)
            find<QAbstractButton>(page, button)->click();
    }
};

struct Refusal {
    const char* field;
    const char* typed;
    const char* message;
};

TEST_F(Limits, AmortizationRefusesWithoutBuildingASchedule)
{
    const QString amort = QStringLiteral("Amort");
    const Refusal cases[] = {
        {amort::kNumPmts.name, "10000000", "Term in Months must be a whole number from 0 to 1200."},
        {amort::kNumPmts.name, "2147483647",
         "Term in Months must be a whole number from 0 to 1200."},
        {amort::kNumPmts.name, "1201", "Term in Months must be a whole number from 0 to 1200."},
        {amort::kMortAmt.name, "-5", "Loan Amount cannot be negative."},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.typed);
        auto* page = static_cast<qn::pages::AmortizationPage*>(m_window->gotoPage(amort));
        settle();
        ASSERT_EQ(page->cellText(1, 6), QStringLiteral("$99,942.47"));
        type(amort, c.field, QLatin1String(c.typed));
        QElapsedTimer timer;
        timer.start();
        find<QPushButton>(amort, amort::kBtnCalculate)->click();
        EXPECT_EQ(takeMessages(), QStringList{QLatin1String(c.message)});
        EXPECT_LT(timer.elapsed(), 100);
        // The schedule on show is the one from before.
        EXPECT_EQ(page->gridRowCount(), 361);
        EXPECT_EQ(page->cellText(1, 6), QStringLiteral("$99,942.47"));
    }
    // The field takes 12 characters; a larger amount can still arrive by paste or script.
    find<TNumEdit>(amort, amort::kMortAmt.name)->setValue(1e12);
    find<QPushButton>(amort, amort::kBtnCalculate)->click();
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral(
                                  "Loan Amount must be no larger than 999,999,999,999.99.")});

    // The largest allowed figures are computed.
    type(amort, amort::kNumPmts.name, QStringLiteral("1200"));
    find<TNumEdit>(amort, amort::kMortAmt.name)->setValue(999999999999.99);
    find<QPushButton>(amort, amort::kBtnCalculate)->click();
    EXPECT_TRUE(takeMessages().isEmpty());
    auto* page = static_cast<qn::pages::AmortizationPage*>(m_window->page(amort));
    EXPECT_EQ(page->gridRowCount(), 1201);
    EXPECT_EQ(page->cellText(1200, 6), QStringLiteral("$0.00"));
}

TEST_F(Limits, BiweeklyRefusesAndKeepsItsResults)
{
    const QString bw = QStringLiteral("BW");
    m_window->gotoPage(bw);
    settle();
    type(bw, bw::kMortgageAmount.name, QStringLiteral("100000"));
    auto* payment = find<TNumEdit>(bw, bw::kMortgagePayments.name);
    ASSERT_DOUBLE_EQ(payment->value(), 786.70);
    const Refusal cases[] = {
        {bw::kMortgagePeriods.name, "10000000",
         "Number of Payments must be a whole number from 1 to 1200."},
        {bw::kMortgageAmount.name, "-100000", "Loan Amount cannot be negative."},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.typed);
        QElapsedTimer timer;
        timer.start();
        type(bw, c.field, QLatin1String(c.typed));
        EXPECT_EQ(takeMessages(), QStringList{QLatin1String(c.message)});
        EXPECT_LT(timer.elapsed(), 100);
        EXPECT_DOUBLE_EQ(payment->value(), 786.70);
        type(bw, bw::kMortgagePeriods.name, QStringLiteral("360"));
        type(bw, bw::kMortgageAmount.name, QStringLiteral("100000"));
        takeMessages();
    }
}

TEST_F(Limits, QuickCalculatorNamesTheFieldAndKeepsTheInputs)
{
    const QString qc = QStringLiteral("QC");
    m_window->gotoPage(qc);
    settle();
    // Chooses the unknown, types the figures and computes.
    auto compute = [&](const char* unknown, const std::array<const char*, 3>& fields,
                       const std::array<const char*, 3>& typed) {
        find<QPushButton>(qc, unknown)->click();
        settle();
        for (std::size_t i = 0; i < fields.size(); ++i)
            type(qc, fields[i], QLatin1String(typed[i]));
        find<QPushButton>(qc, qc::kBtnCalcQuickCalc)->click();
    };
    compute(qc::kBtnCalcN, {qc::kLA.name, qc::kIR.name, qc::kPMT.name},
            {"-100000", "8.75", "786.70"});
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("Loan Amount cannot be negative.")});
    // The refused field is back at what the page stood on; the others keep what was typed.
    EXPECT_DOUBLE_EQ(find<TNumEdit>(qc, qc::kLA.name)->value(), 0);
    EXPECT_DOUBLE_EQ(find<TNumEdit>(qc, qc::kPMT.name)->value(), 786.70);

    compute(qc::kBtnCalcPMT, {qc::kLA.name, qc::kIR.name, qc::kN.name},
            {"100000", "8.75", "10000000"});
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral(
                                  "Number of Payments must be a whole number from 0 to 1200.")});
}

// A refused entry goes back to the figure the results were computed from, selected, with the
// focus in it, on the pages that compute on leaving a field and on those with a button.
TEST_F(Limits, ARefusedEntryGoesBackToWhatTheResultsStandOn)
{
    struct Case {
        const char* page;
        const char* click;   // a button first, or null
        const char* prepare; // a field typed and left first, or null
        const char* field;
        const char* typed;
        const char* calculate; // the button that computes, or null: leaving does
        const char* message;
        const char* result; // a result that must not change
    };
    const Case cases[] = {
        {"BW", nullptr, nullptr, bw::kMortgagePeriods.name, "0", nullptr,
         "Number of Payments must be a whole number from 1 to 1200.", bw::kMortgagePayments.name},
        {"Amort", nullptr, nullptr, amort::kNumPmts.name, "5000", amort::kBtnCalculate,
         "Term in Months must be a whole number from 0 to 1200.", amort::kAmortPayment.name},
        {"ECC", ecc::kBtnUnlockLoanAmount, ecc::kCLoanAmount.name, ecc::kDownPaymentPercent.name,
         "100", nullptr, "Down Payment Percent must be at least 0 and less than 100.",
         ecc::kCPandI.name},
        {"ECC", ecc::kBtnCalcEscrows, nullptr, ecc::kIIDays.name, "1530", nullptr,
         "Prepaid Interest / Days must be a whole number from 0 to 1200.", ecc::kII.name},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        const QString page = QLatin1String(c.page);
        open(page, c.click);
        if (c.prepare)
            type(page, c.prepare, QStringLiteral("150000"));
        settle();
        auto* field = find<NumericField>(page, c.field);
        field->setFocus(Qt::TabFocusReason); // leaving the field before computes
        settle();
        const QString before = field->text();
        const QString result = find<NumericField>(page, c.result)->text();
        QTest::keyClicks(field, QLatin1String(c.typed));
        if (c.calculate)
            find<QPushButton>(page, c.calculate)->click();
        else
            leave();
        EXPECT_EQ(takeMessages(), QStringList{QLatin1String(c.message)});
        EXPECT_EQ(field->text(), before);
        EXPECT_TRUE(field->hasFocus());
        EXPECT_EQ(field->selectedText(), field->text());
        EXPECT_EQ(find<NumericField>(page, c.result)->text(), result);
        m_window->clickReset();
    }

    // A real message box takes the activation from the window: the field gets the focus
    // once the window is active again.
    QWidget box;
    const auto previous = qn::toolkit::setMessageInterceptor([&box](const auto&) {
        box.show();
        box.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
        box.hide();
        return QMessageBox::Ok;
    });
    auto* days = find<NumericField>(QStringLiteral("ECC"), ecc::kIIDays.name);
    find<QPushButton>(QStringLiteral("ECC"), ecc::kBtnCalcEscrows)->click();
    typeAndLeave(days, QStringLiteral("1530"));
    EXPECT_TRUE(QTest::qWaitFor([days] { return days->hasFocus(); }));
    EXPECT_EQ(days->selectedText(), QStringLiteral("15"));
    qn::toolkit::setMessageInterceptor(previous);
}

// Figures that have no meaning, or that would only overflow, are refused naming the field and
// what it takes, on every page and panel, instead of the general arithmetic message or a
// plainly wrong result.
TEST_F(Limits, FiguresWithoutMeaningNameTheirField)
{
    struct Case {
        const char* page;
        const char* click; // the panel's button first, or null
        const char* field;
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {"BW", nullptr, bw::kMortgageAmount.name, "0", "Loan Amount must be more than 0."},
        {"RVB", nullptr, rvb::kRentIncrease.name, "999999",
         "Estimated Annual Rent Increase Percentage must be from 0 to 100."},
        {"RC", nullptr, rc::kNewTerm.name, "0",
         "Term in Months must be a whole number from 1 to 1200."},
        {"RC", nullptr, rc::kRefiClosingCosts.name, "-1", "Closing Costs cannot be negative."},
        {"RC", rc::kBtnCalcFees, rc::kCreditCheck.name, "-1", "Credit Check cannot be negative."},
        {"MQ", nullptr, mq::kCards1.name, "-5000",
         "Credit Card Minimums (Borrower) cannot be negative."},
        {"ECC", nullptr, ecc::kDebt.name, "-450", "Monthly Debt cannot be negative."},
        {"ECC", ecc::kBtnCalcClosing, ecc::kAF.name, "-1", "Appraisal Fee cannot be negative."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        const QString page = QLatin1String(c.page);
        open(page, c.click);
        type(page, c.field, QLatin1String(c.typed));
        EXPECT_EQ(takeMessages(), QStringList{QLatin1String(c.message)});
    }
}

} // namespace

// Figures a page cannot compute with are refused with a message naming the field, at once,
// and nothing is computed.
#include "pages/amortization_page.h"
#include "pages/num_edit.h"
#include "tests/support/page_fixture.h"

#include <QElapsedTimer>
#include <QPushButton>

using qn::pages::NumericField;
using qn::pages::TNumEdit;

namespace {

class Limits : public PageFixture {
protected:
    void type(const QString& page, const char* field, const QString& text)
    {
        typeAndLeave(find<NumericField>(page, field), text);
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
        {"edtNumPmts", "10000000", "Term in Months must be a whole number no larger than 1200."},
        {"edtNumPmts", "2147483647",
         "Term in Months must be a whole number no larger than 1200."},
        {"edtNumPmts", "1201", "Term in Months must be a whole number no larger than 1200."},
        {"edtMortAmt", "-5", "Loan Amount cannot be negative."},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.typed);
        auto* page = static_cast<qn::pages::AmortizationPage*>(m_window->gotoPage(amort));
        settle();
        ASSERT_EQ(page->cellText(1, 6), QStringLiteral("$99,942.47"));
        type(amort, c.field, QLatin1String(c.typed));
        QElapsedTimer timer;
        timer.start();
        find<QPushButton>(amort, "btnCalculate")->click();
        EXPECT_EQ(takeMessages(), QStringList{QLatin1String(c.message)});
        EXPECT_LT(timer.elapsed(), 100);
        // The schedule on show is the one from before.
        EXPECT_EQ(page->gridRowCount(), 361);
        EXPECT_EQ(page->cellText(1, 6), QStringLiteral("$99,942.47"));
    }
    // The field takes 12 characters; a larger amount can still arrive by paste or script.
    find<TNumEdit>(amort, "edtMortAmt")->setValue(1e12);
    find<QPushButton>(amort, "btnCalculate")->click();
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral(
                                  "Loan Amount must be no larger than 999,999,999,999.99.")});

    // The largest allowed figures are computed.
    type(amort, "edtNumPmts", QStringLiteral("1200"));
    find<TNumEdit>(amort, "edtMortAmt")->setValue(999999999999.99);
    find<QPushButton>(amort, "btnCalculate")->click();
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
    type(bw, "edtMortgageAmount", QStringLiteral("100000"));
    auto* payment = find<TNumEdit>(bw, "edtMortgagePayments");
    ASSERT_DOUBLE_EQ(payment->value(), 786.70);
    const Refusal cases[] = {
        {"edtMortgagePeriods", "10000000",
         "Number of Payments must be a whole number no larger than 1200."},
        {"edtMortgageAmount", "-100000", "Loan Amount cannot be negative."},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.typed);
        QElapsedTimer timer;
        timer.start();
        type(bw, c.field, QLatin1String(c.typed));
        EXPECT_EQ(takeMessages(), QStringList{QLatin1String(c.message)});
        EXPECT_LT(timer.elapsed(), 100);
        EXPECT_DOUBLE_EQ(payment->value(), 786.70);
        type(bw, "edtMortgagePeriods", QStringLiteral("360"));
        type(bw, "edtMortgageAmount", QStringLiteral("100000"));
        takeMessages();
    }
}

TEST_F(Limits, QuickCalculatorNamesTheFieldAndKeepsTheInputs)
{
    const QString qc = QStringLiteral("QC");
    m_window->gotoPage(qc);
    settle();
    find<QPushButton>(qc, "btnCalcN")->click();
    settle();
    type(qc, "edtLA", QStringLiteral("-100000"));
    type(qc, "EdtIR", QStringLiteral("8.75"));
    type(qc, "edtPMT", QStringLiteral("786.70"));
    find<QPushButton>(qc, "BtnCalcQuickCalc")->click();
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("Loan Amount cannot be negative.")});
    EXPECT_DOUBLE_EQ(find<TNumEdit>(qc, "edtLA")->value(), -100000);

    find<QPushButton>(qc, "btnCalcPMT")->click();
    settle();
    type(qc, "edtLA", QStringLiteral("100000"));
    type(qc, "EdtIR", QStringLiteral("8.75"));
    type(qc, "EdtN", QStringLiteral("10000000"));
    find<QPushButton>(qc, "BtnCalcQuickCalc")->click();
    EXPECT_EQ(takeMessages(),
              QStringList{QStringLiteral(
                  "Number of Payments must be a whole number no larger than 1200.")});
}

} // namespace

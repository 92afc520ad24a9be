#include "pages/quick_calculator_page.h"

#include "core/errors.h"
#include "core/limits.h"
#include "pages/num_edit.h"
#include "pages/page_parts.h"
#include "pages/quick_calculator_fields.h"
#include "toolkit/guarded.h"
#include "toolkit/message_box.h"

#include <QLabel>
#include <QPushButton>

namespace qn::pages {

using calc::Unknown;
using namespace qc;

namespace {

const QString kNegativeRateMessage = QStringLiteral(
    "The payments do not repay the loan at any positive interest rate, so the rate that "
    "balances them is negative.");

} // namespace

QuickCalculatorPage::QuickCalculatorPage(PageHost& host, QWidget* parent)
    : CalculatorPage(host, parent)
{
    buildControls();
    connectHandlers();
}

void QuickCalculatorPage::buildControls()
{
    makeLabel(this, QStringLiteral("STEP 1  Click The Variable You Wish to Calculate"),
              QRect(24, 16, 540, 20));
    // The choices, one above each field.
    const struct {
        const char* name;
        const char* caption;
        const char* hint;
    } choices[] = {{kBtnCalcLA, "&Loan Amount", "Click to calculate loan amount"},
                   {kBtnCalcIR, "&Interest Rate ", "Click to calculate interest rate"},
                   {kBtnCalcPMT, "&Payment Amount", "Click to calculate payment amount"},
                   {kBtnCalcN, "&Number Payments", "Click to calculate number of payments"}};
    for (std::size_t i = 0; i < m_choices.size(); ++i)
        m_choices[i] = makeButton(this, choices[i].name, QLatin1String(choices[i].caption),
                                  QLatin1String(choices[i].hint),
                                  QRect(24 + 137 * static_cast<int>(i), 44, 125, 28));

    makeLabel(this,
              QStringLiteral("STEP 2   Enter the 3 required values, use the Tab key to move "
                             "between fields."),
              QRect(24, 104, 540, 20));
    m_fields.addTabStops({m_choices.begin(), m_choices.end()});
    m_fields.build(this, kFields);

    makeLabel(this, QStringLiteral("STEP 3   Click 'Calculate'"), QRect(24, 192, 540, 20));
    m_btnCalcQuickCalc = makeButton(this, kBtnCalcQuickCalc, QStringLiteral("Calculate"),
                                    QStringLiteral("Click to calculate."), QRect(24, 220, 125, 28));
    m_btnCalcQuickCalc->setEnabled(false);

    m_fields.addTabStops({m_btnCalcQuickCalc});
}

void QuickCalculatorPage::connectHandlers()
{
    using P = QuickCalculatorPage;
    connectClicks<P>(this, {{m_choices[0], &P::btnCalcLAClick},
                            {m_choices[1], &P::btnCalcIRClick},
                            {m_choices[2], &P::btnCalcPMTClick},
                            {m_choices[3], &P::btnCalcNClick},
                            {m_btnCalcQuickCalc, &P::btnCalcQuickCalcClick}});
}

void QuickCalculatorPage::enter()
{
    // The page keeps whatever the user left in it; only the notebook takes the focus.
    if (parentWidget())
        parentWidget()->setFocus();
}

void QuickCalculatorPage::clearValues() { m_fields.showStartValues(kFields); }

NumericField* QuickCalculatorPage::fieldOf(Unknown unknown) const
{
    switch (unknown) {
    case Unknown::LoanAmount:
        return m_fields.field(kLA);
    case Unknown::InterestRate:
        return m_fields.field(kIR);
    case Unknown::Payment:
        return m_fields.field(kPMT);
    case Unknown::NumPayments:
        return m_fields.field(kN);
    }
    return m_fields.field(kLA);
}

void QuickCalculatorPage::showLooks(std::optional<Unknown> unknown)
{
    for (NumericField* field : m_fields.fields(kFields))
        applyFieldLook(field, unknown && field == fieldOf(*unknown) ? FieldLook::Unknown
                                                                    : FieldLook::Normal);
}

void QuickCalculatorPage::choose(Unknown unknown)
{
    m_unknown = unknown;
    m_btnCalcQuickCalc->setEnabled(true);
    showLooks(unknown);
    clearValues();
    m_fields.edit(unknown == Unknown::LoanAmount ? kIR : kLA)->setFocus();
}

void QuickCalculatorPage::btnCalcLAClick() { choose(Unknown::LoanAmount); }
void QuickCalculatorPage::btnCalcIRClick() { choose(Unknown::InterestRate); }
void QuickCalculatorPage::btnCalcPMTClick() { choose(Unknown::Payment); }
void QuickCalculatorPage::btnCalcNClick() { choose(Unknown::NumPayments); }

void QuickCalculatorPage::btnCalcQuickCalcClick()
{
    if (!m_unknown)
        return;
    // The inputs the choice leaves to the user must be figures the page can compute with;
    // a refusal names the field, which gets back what the last result was computed from.
    if (*m_unknown != Unknown::LoanAmount)
        checkedValue(m_fields.field(kLA), [](double v) { return CheckAmount(v, "Loan Amount"); });
    if (*m_unknown != Unknown::Payment)
        checkedValue(m_fields.field(kPMT),
                     [](double v) { return CheckAmount(v, "Payment Amount"); });
    if (*m_unknown != Unknown::NumPayments)
        checkedValue(m_fields.field(kN),
                     [](double v) { return CheckPaymentCount(v, "Number of Payments"); });
    calc::QuickResult result;
    try {
        result = calc::SolveQuick(*m_unknown, m_fields.value(kLA), m_fields.value(kIR),
                                  m_fields.value(kPMT), m_fields.value(kN));
        if (result.neverRepaid) {
            // The inputs stay so the user can raise the payment.
            toolkit::showMessage(
                this, QStringLiteral("The payment does not cover the interest of the first "
                                     "month, so the loan would never be repaid.\n\n"
                                     "Please enter a larger payment."));
            return;
        }
        // A result too large to show is as much a failure as one that cannot be computed.
        fieldOf(*m_unknown)->setValue(*result.value);
    } catch (const QnError&) {
        failed();
        return;
    }
    applyFieldLook(fieldOf(*m_unknown), FieldLook::Result);
    acceptEntries();
    // The negative rate is the exact answer; it is shown, and said what it means.
    if (*m_unknown == Unknown::InterestRate && *result.value < 0)
        toolkit::showMessage(this, kNegativeRateMessage);
}

void QuickCalculatorPage::failed()
{
    showLooks({});
    clearValues();
    m_btnCalcQuickCalc->setEnabled(false);
    toolkit::showMessage(this, QStringLiteral("Cannot calculate using the values you entered.  "
                                              "Please try again."));
}

void QuickCalculatorPage::reset()
{
    showLooks({});
    clearValues();
    m_choices[0]->setFocus();
    m_btnCalcQuickCalc->setEnabled(false);
}

} // namespace qn::pages

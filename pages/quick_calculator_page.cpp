#include "pages/quick_calculator_page.h"

#include "pages/num_edit.h"
#include "pages/page_parts.h"
#include "core/errors.h"
#include "core/limits.h"
#include "toolkit/guarded.h"
#include "toolkit/message_box.h"

#include <QLabel>
#include <QPushButton>

namespace qn::pages {

using calc::Unknown;

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
    m_btnCalcLA = makeButton(this, "btnCalcLA", QStringLiteral("&Loan Amount"),
                             QStringLiteral("Click to calculate loan amount"),
                             QRect(24, 44, 125, 28));
    m_btnCalcIR = makeButton(this, "btnCalcIR", QStringLiteral("&Interest Rate "),
                             QStringLiteral("Click to calculate interest rate"),
                             QRect(161, 44, 125, 28));
    m_btnCalcPMT = makeButton(this, "btnCalcPMT", QStringLiteral("&Payment Amount"),
                              QStringLiteral("Click to calculate payment amount"),
                              QRect(298, 44, 125, 28));
    m_btnCalcN = makeButton(this, "btnCalcN", QStringLiteral("&Number Payments"),
                            QStringLiteral("Click to calculate number of payments"),
                            QRect(435, 44, 125, 28));

    makeLabel(this,
              QStringLiteral("STEP 2   Enter the 3 required values, use the Tab key to move "
                             "between fields."),
              QRect(24, 104, 540, 20));
    m_edtLA = new TNumEdit(this);
    m_edtLA->setObjectName(QStringLiteral("edtLA"));
    m_edtIR = new TFnpNumericEdit(this);
    m_edtIR->setObjectName(QStringLiteral("EdtIR"));
    m_edtIR->setDecimals(3);
    m_edtPMT = new TNumEdit(this);
    m_edtPMT->setObjectName(QStringLiteral("edtPMT"));
    m_edtN = new TFnpNumericEdit(this);
    m_edtN->setObjectName(QStringLiteral("EdtN"));
    m_edtN->setDecimals(0);
    QLineEdit* fields[] = {m_edtLA, m_edtIR, m_edtPMT, m_edtN};
    // Each field is named by the choice button above it, not by the instruction above them all.
    const QPushButton* captions[] = {m_btnCalcLA, m_btnCalcIR, m_btnCalcPMT, m_btnCalcN};
    for (int i = 0; i < 4; ++i) {
        fields[i]->setFixedWidth(125);
        fields[i]->setGeometry(24 + 137 * i, 132, 125, 24);
        fields[i]->setAccessibleName(plainCaption(captions[i]->text()));
    }
    for (TNumEdit* money : {m_edtLA, m_edtPMT}) {
        money->setNumericType(TNumEdit::ntCurrency);
        money->setDecimals(2);
        money->setDigits(12);
        money->setMasks(QStringLiteral("#,##0"));
        money->setUseRounding(true);
        money->setValidate(false);
    }

    makeLabel(this, QStringLiteral("STEP 3   Click 'Calculate'"), QRect(24, 192, 540, 20));
    m_btnCalcQuickCalc = makeButton(this, "BtnCalcQuickCalc", QStringLiteral("Calculate"),
                                    QStringLiteral("Click to calculate."),
                                    QRect(24, 220, 125, 28));
    m_btnCalcQuickCalc->setEnabled(false);

    clearValues();
    QWidget* order[] = {m_btnCalcLA, m_btnCalcIR, m_btnCalcPMT, m_btnCalcN,       m_edtLA,
                        m_edtIR,     m_edtPMT,    m_edtN,       m_btnCalcQuickCalc};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void QuickCalculatorPage::connectHandlers()
{
    using toolkit::connectGuarded;
    connectGuarded(m_btnCalcLA, &QPushButton::clicked, this,
                   &QuickCalculatorPage::btnCalcLAClick);
    connectGuarded(m_btnCalcIR, &QPushButton::clicked, this,
                   &QuickCalculatorPage::btnCalcIRClick);
    connectGuarded(m_btnCalcPMT, &QPushButton::clicked, this,
                   &QuickCalculatorPage::btnCalcPMTClick);
    connectGuarded(m_btnCalcN, &QPushButton::clicked, this, &QuickCalculatorPage::btnCalcNClick);
    connectGuarded(m_btnCalcQuickCalc, &QPushButton::clicked, this,
                   &QuickCalculatorPage::btnCalcQuickCalcClick);
}


void QuickCalculatorPage::enter()
{
    // The page keeps whatever the user left in it; only the notebook takes the focus.
    if (parentWidget())
        parentWidget()->setFocus();
}

void QuickCalculatorPage::clearValues()
{
    m_edtLA->setValue(0);
    m_edtIR->setValue(0);
    m_edtPMT->setValue(0);
    m_edtN->setValue(1);
}

NumericField* QuickCalculatorPage::fieldOf(Unknown unknown) const
{
    switch (unknown) {
    case Unknown::LoanAmount:
        return m_edtLA;
    case Unknown::InterestRate:
        return m_edtIR;
    case Unknown::Payment:
        return m_edtPMT;
    case Unknown::NumPayments:
        return m_edtN;
    }
    return m_edtLA;
}

void QuickCalculatorPage::choose(Unknown unknown)
{
    m_unknown = unknown;
    m_btnCalcQuickCalc->setEnabled(true);
    for (QLineEdit* field : {static_cast<QLineEdit*>(m_edtLA), static_cast<QLineEdit*>(m_edtIR),
                             static_cast<QLineEdit*>(m_edtPMT), static_cast<QLineEdit*>(m_edtN)})
        applyFieldLook(field, field == fieldOf(unknown) ? FieldLook::Unknown : FieldLook::Normal);
    clearValues();
    if (unknown == Unknown::LoanAmount)
        m_edtIR->setFocus();
    else
        m_edtLA->setFocus();
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
        checkedValue(m_edtLA, [](double v) { return CheckAmount(v, "Loan Amount"); });
    if (*m_unknown != Unknown::Payment)
        checkedValue(m_edtPMT, [](double v) { return CheckAmount(v, "Payment Amount"); });
    if (*m_unknown != Unknown::NumPayments)
        checkedValue(m_edtN, [](double v) { return CheckPaymentCount(v, "Number of Payments"); });
    calc::QuickResult result;
    try {
        result = calc::SolveQuick(*m_unknown, m_edtLA->value(), m_edtIR->value(),
                                  m_edtPMT->value(), m_edtN->value());
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
    for (QLineEdit* field : {static_cast<QLineEdit*>(m_edtLA), static_cast<QLineEdit*>(m_edtIR),
                             static_cast<QLineEdit*>(m_edtPMT), static_cast<QLineEdit*>(m_edtN)})
        applyFieldLook(field, FieldLook::Normal);
    clearValues();
    m_btnCalcQuickCalc->setEnabled(false);
    toolkit::showMessage(this, QStringLiteral("Cannot calculate using the values you entered.  "
                                              "Please try again."));
}

void QuickCalculatorPage::reset()
{
    for (QLineEdit* field : {static_cast<QLineEdit*>(m_edtLA), static_cast<QLineEdit*>(m_edtIR),
                             static_cast<QLineEdit*>(m_edtPMT), static_cast<QLineEdit*>(m_edtN)})
        applyFieldLook(field, FieldLook::Normal);
    clearValues();
    m_btnCalcLA->setFocus();
    m_btnCalcQuickCalc->setEnabled(false);
}

} // namespace qn::pages

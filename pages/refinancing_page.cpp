#include "pages/refinancing_page.h"

#include "calculators/chart_series.h"
#include "calculators/refinancing.h"
#include "toolkit/chart.h"
#include "core/limits.h"
#include "pages/num_edit.h"
#include "pages/page_parts.h"
#include "toolkit/guarded.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace qn::pages {

namespace {

struct Line {
    const char* name;
    const char* caption;
    int decimals;  // -1: money
    bool result;
};

// Three columns, top to bottom.
constexpr Line kCurrent[] = {
    {"edtOldLoan", "Current Balance", -1, false},
    {"edtOldTerm", "Term in Months", 0, false},
    {"edtOldInterestRate", "Interest Rate", 3, false},
    {"edtOldPaymentsMade", "Payments Made", 0, false},
    {"edtOldPaymentsRemaining", "Payments Remaining", 0, true},
    {"edtOldPayment", "Payment", -1, true},
};
constexpr Line kNew[] = {
    {"edtNewLoan", "New Balance", -1, false},
    {"edtNewTerm", "Term in Months", 0, false},
    {"edtNewInterestRate", "Interest Rate", 3, false},
    {"edtRefiClosingCosts", "Closing Costs", -1, false},
    {"edtMonthsUntilSell", "Months Until You Will Sell", 0, false},
    {"edtNewPayment", "Payment", -1, true},
};
constexpr Line kSavings[] = {
    {"edtPaymentSaved", "Monthly Payment Savings", -1, true},
    {"edtTotalPaymentSaved", "Total Monthly Payment Savings", -1, true},
    {"edtOldEquity", "Equity in Old Loan", -1, true},
    {"edtNewEquity", "Equity in New Loan", -1, true},
    {"edtEquitySavings", "Total Equity Savings", -1, true},
    {"edtTotalSaved", "Total Saved", -1, true},
};
constexpr Line kItems[] = {
    {"edtDiscountPoints", "Discount Fee", -1, false},
    {"edtOriginationPoints", "Origination Fee", -1, false},
    {"edtCreditCheck", "Credit Check", -1, false},
    {"edtAttyFeeY", "Attorney Fee (yours)", -1, false},
    {"edtAttyFeeL", "Attorney Fee (lender's)", -1, false},
    {"edtTitleSearchFee", "Title Search Fee", -1, false},
    {"edtTitleInsuranceFee", "Title Insurance Fee", -1, false},
    {"edtAppraisalFee", "Appraisal Fee", -1, false},
    {"edtInspections", "Inspections (Insects, etc.)", -1, false},
    {"edtLocalFees", "Local Fees (Taxes, etc.)", -1, false},
    {"edtOtherFees", "Other Fees", -1, false},
    {"edtPrepaymentPenalty", "Prepayment Penalty", -1, false},
};

NumericField* makeField(QWidget* parent, const Line& line, QRect at)
{
    NumericField* f = line.decimals < 0
                          ? static_cast<NumericField*>(newMoneyEdit(parent, line.name, at))
                          : newNumberEdit(parent, line.name, line.decimals, at);
    if (line.result)
        makeResult(f);
    return f;
}

QLabel* heading(QWidget* parent, const QString& text, QRect at)
{
    QLabel* label = makeLabel(parent, text, at);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

RefinancingPage::RefinancingPage(PageHost& host, QWidget* parent) : CalculatorPage(host, parent)
{
    heading(this, QStringLiteral("Current Loan"), QRect(6, 2, 190, 18));
    heading(this, QStringLiteral("New Loan"), QRect(200, 2, 190, 18));
    heading(this, QStringLiteral("Savings"), QRect(414, 2, 170, 18));
    for (int i = 0; i < 6; ++i) {
        const int top = 24 + 40 * i;
        QLabel* a = makeLabel(this, QLatin1String(kCurrent[i].caption), QRect(6, top, 88, 30));
        a->setWordWrap(true);
        NumericField* f = makeField(this, kCurrent[i], QRect(96, top + 3, 96, 24));
        if (!kCurrent[i].result)
            m_inputs.push_back(f);
    }
    for (int i = 0; i < 6; ++i) {
        const int top = 24 + 40 * i;
        QLabel* a = makeLabel(this, QLatin1String(kNew[i].caption), QRect(200, top, 88, 30));
        a->setWordWrap(true);
        makeField(this, kNew[i], QRect(290, top + 3, 96, 24));
    }
    for (const char* name : {"edtNewLoan", "edtNewTerm", "edtNewInterestRate",
                             "edtRefiClosingCosts", "edtMonthsUntilSell"})
        m_inputs.push_back(field(name));
    for (int i = 0; i < 6; ++i) {
        const int top = 24 + 40 * i;
        makeLabel(this, QLatin1String(kSavings[i].caption), QRect(414, top, 170, 16));
        makeField(this, kSavings[i], QRect(414, top + 16, 120, 22));
    }
    m_btnCalcFees = makeButton(this, "btnCalcFees", QStringLiteral("..."),
                               QStringLiteral("Itemize the closing costs"), QRect(387, 147, 22, 24));
    m_btnCalcFees->setAccessibleName(QStringLiteral("Itemize the closing costs"));
    m_lblSell = makeLabel(this, QStringLiteral("If you sell in 240 months,"), QRect(6, 272, 190, 20));
    m_lblSell->setObjectName(QStringLiteral("lblSell"));
    QFont bold = m_lblSell->font();
    bold.setBold(true);
    m_lblSell->setFont(bold);
    makeLabel(this, QLatin1String(calc::kRefiSavedText), QRect(200, 272, 384, 20))
        ->setObjectName(QStringLiteral("lblSaved"));
    m_lblBreakEven = makeLabel(this, QString(), QRect(6, 294, 578, 20));
    m_lblBreakEven->setObjectName(QStringLiteral("lblBreakEven"));
    for (std::size_t i = 1; i < m_inputs.size(); ++i)
        setTabOrder(m_inputs[i - 1], m_inputs[i]);
    m_chart = makeChartToggle(this, QRect(530, 0, 54, 18), QRect(0, 20, 587, 250));
    buildPanel();
    showStartingValues();

    using toolkit::connectGuarded;
    for (NumericField* f : findChildren<NumericField*>()) {
        if (f->parentWidget() == this)
            connectGuarded(f, &NumericField::exited, this, &RefinancingPage::CalcRefi);
    }
    for (NumericField* f : m_items)
        connectGuarded(f, &NumericField::exited, this, &RefinancingPage::CalcClosingCosts);
    connectGuarded(m_btnCalcFees, &QPushButton::clicked, this, &RefinancingPage::btnCalcFeesClick);
}

void RefinancingPage::buildPanel()
{
    m_pnlClosingCosts = new QFrame(this);
    m_pnlClosingCosts->setObjectName(QStringLiteral("pnlClosingCosts"));
    m_pnlClosingCosts->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_pnlClosingCosts->setAutoFillBackground(true);
    m_pnlClosingCosts->setGeometry(18, 20, 552, 262);
    QFrame* p = m_pnlClosingCosts;
    heading(p, QStringLiteral("Itemized Closing Costs"), QRect(10, 6, 300, 18));
    for (int i = 0; i < 12; ++i) {
        const int column = i / 6;
        const int top = 30 + 30 * (i % 6);
        const int left = 10 + 270 * column;
        makeLabel(p, QLatin1String(kItems[i].caption), QRect(left, top, 158, 24));
        m_items.push_back(makeField(p, kItems[i], QRect(left + 160, top, 100, 24)));
    }
    for (std::size_t i = 1; i < m_items.size(); ++i)
        setTabOrder(m_items[i - 1], m_items[i]);
    makeLabel(p, QStringLiteral("Closing Costs"), QRect(280, 214, 158, 24));
    makeField(p, {"edtClosingFees", "Closing Costs", -1, true}, QRect(440, 214, 100, 24));
    QPushButton* clear = makeButton(p, "btnClearClosingCosts", QStringLiteral("Clear"),
                                    QStringLiteral("Zero all Closing Costs"), QRect(10, 214, 90, 26));
    QPushButton* ok = makeButton(p, "btnCloseClosingCosts", QStringLiteral("OK"),
                                 QStringLiteral("Close the itemized closing costs"),
                                 QRect(110, 214, 90, 26));
    using toolkit::connectGuarded;
    connectGuarded(clear, &QPushButton::clicked, this, &RefinancingPage::BtnClearClosingCostsClick);
    connectGuarded(ok, &QPushButton::clicked, this, &RefinancingPage::BtnCloseClosingCostsClick);
    m_pnlClosingCosts->hide();
}

NumericField* RefinancingPage::field(const char* name) const
{
    return findChild<NumericField*>(QLatin1String(name));
}

void RefinancingPage::showStartingValues()
{
    const calc::RefiInputs d;
    const double inputs[] = {d.oldLoan,  d.oldTerm,  d.oldInterestRate, d.oldPaymentsMade,
                             d.newLoan,  d.newTerm,  d.newInterestRate, d.closingCosts,
                             d.monthsUntilSell};
    for (std::size_t i = 0; i < m_inputs.size(); ++i)
        m_inputs[i]->setValue(inputs[i]);
    const calc::RefiResults r = calc::RefiResetResults();
    field("edtOldPaymentsRemaining")->setValue(r.oldPaymentsRemaining);
    field("edtOldPayment")->setValue(r.oldPayment);
    field("edtNewPayment")->setValue(r.newPayment);
    field("edtPaymentSaved")->setValue(r.paymentSaved);
    field("edtTotalPaymentSaved")->setValue(r.totalPaymentSaved);
    field("edtOldEquity")->setValue(r.oldEquity);
    field("edtNewEquity")->setValue(r.newEquity);
    field("edtEquitySavings")->setValue(r.equitySavings);
    field("edtTotalSaved")->setValue(r.totalSaved);
}

void RefinancingPage::enter() { field("edtOldLoan")->setFocus(); }

void RefinancingPage::reset()
{
    // The headline and the panel keep what they show.
    showStartingValues();
    field("edtOldLoan")->setFocus();
}

void RefinancingPage::CalcRefi()
{
    m_host.setPrintingEnabled(true);
    calc::RefiInputs in;
    double* targets[] = {&in.oldLoan, &in.oldTerm, &in.oldInterestRate, &in.oldPaymentsMade,
                         &in.newLoan, &in.newTerm, &in.newInterestRate, &in.closingCosts,
                         &in.monthsUntilSell};
    for (std::size_t i = 0; i < m_inputs.size(); ++i)
        *targets[i] = m_inputs[i]->value();
    CheckAmount(in.oldLoan, "Current Balance");
    CheckAmount(in.newLoan, "New Balance");
    CheckAmount(in.closingCosts, "Closing Costs");
    const calc::RefiResults r = calc::CalcRefi(in);
    field("edtOldPaymentsRemaining")->setValue(r.oldPaymentsRemaining);
    field("edtOldPayment")->setValue(r.oldPayment);
    field("edtOldEquity")->setValue(r.oldEquity);
    field("edtNewPayment")->setValue(r.newPayment);
    field("edtNewEquity")->setValue(r.newEquity);
    field("edtPaymentSaved")->setValue(r.paymentSaved);
    field("edtTotalPaymentSaved")->setValue(r.totalPaymentSaved);
    field("edtEquitySavings")->setValue(r.equitySavings);
    field("edtTotalSaved")->setValue(r.totalSaved);
    m_lblSell->setText(QString::fromStdString(r.sellText));
    toolkit::ChartData chart{QStringLiteral("Net savings of the new loan"), QStringLiteral("Month"),
                             {{QStringLiteral("Payments saved + equity gained - closing costs"), {},
                               false}},
                             true};
    // One month-by-month pass serves the chart and the break-even month.
    const std::vector<double> net = calc::RefiNetSavingsByMonth(in);
    chart.series[0].points.emplace_back(0, -in.closingCosts);
    for (std::size_t i = 0; i < net.size(); ++i)
        chart.series[0].points.emplace_back(static_cast<double>(i + 1), net[i]);
    m_chart.chart->setCharts({std::move(chart)});
    const auto month = calc::BreakEvenMonth(net);
    m_lblBreakEven->setText(month ? QStringLiteral("Break-even: month %1").arg(*month)
                                  : QStringLiteral("Break-even: never within the months compared"));
}

void RefinancingPage::CalcClosingCosts()
{
    calc::RefiClosingItems items;
    double* targets[] = {&items.discountPoints, &items.originationPoints, &items.creditCheck,
                         &items.attyFeeY,       &items.attyFeeL,          &items.titleSearchFee,
                         &items.titleInsuranceFee, &items.appraisalFee,   &items.inspections,
                         &items.localFees,      &items.otherFees,         &items.prepaymentPenalty};
    for (std::size_t i = 0; i < m_items.size(); ++i)
        *targets[i] = CheckAmount(m_items[i]->value(), kItems[i].caption);
    const double total = calc::CalcClosingCosts(items);
    field("edtClosingFees")->setValue(total);
    field("edtRefiClosingCosts")->setValue(total);
}

void RefinancingPage::btnCalcFeesClick()
{
    m_pnlClosingCosts->show();
    m_pnlClosingCosts->raise();
    m_btnCalcFees->setEnabled(false);
    m_items.front()->setFocus();
}

void RefinancingPage::BtnCloseClosingCostsClick()
{
    CalcClosingCosts();
    m_pnlClosingCosts->hide();
    m_btnCalcFees->setEnabled(true);
    field("edtMonthsUntilSell")->setFocus();
    CalcRefi();
}

void RefinancingPage::BtnClearClosingCostsClick()
{
    for (NumericField* f : m_items)
        f->setValue(0);
    field("edtClosingFees")->setValue(0);
    m_items.front()->setFocus();
}

} // namespace qn::pages

#include "pages/refinancing_page.h"

#include "calculators/chart_series.h"
#include "calculators/refinancing.h"
#include "core/limits.h"
#include "pages/page_parts.h"
#include "pages/refinancing_fields.h"
#include "toolkit/chart.h"
#include "toolkit/guarded.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qn::pages {

using namespace rc;

namespace {

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
    heading(this, QLatin1String(kCurrentLoan), QRect(6, 2, 190, 18));
    heading(this, QLatin1String(kNewLoanColumn), QRect(200, 2, 190, 18));
    heading(this, QLatin1String(kSavings), QRect(414, 2, 170, 18));
    m_fields.build(this, kFields);
    for (const FieldSpec& spec : kFields) {
        const QRect& at = spec.at;
        // The loans' captions beside their fields, the savings' above theirs.
        if (spec.description)
            m_fields.makeCaption(this, spec.name, QRect(at.x() - 90, at.y() - 3, 88, 30))
                ->setWordWrap(true);
        else
            m_fields.makeCaption(this, spec.name, QRect(at.x(), at.y() - 16, 170, 16));
    }
    m_btnCalcFees =
        makeButton(this, kBtnCalcFees, QStringLiteral("..."),
                   QStringLiteral("Itemize the closing costs"), QRect(387, 147, 22, 24));
    m_btnCalcFees->setAccessibleName(QStringLiteral("Itemize the closing costs"));
    m_lblSell =
        makeLabel(this, QStringLiteral("If you sell in 240 months,"), QRect(6, 272, 190, 20));
    m_lblSell->setObjectName(QLatin1String(kLblSell));
    QFont bold = m_lblSell->font();
    bold.setBold(true);
    m_lblSell->setFont(bold);
    makeLabel(this, QLatin1String(calc::kRefiSavedText), QRect(200, 272, 384, 20))
        ->setObjectName(QLatin1String(kLblSaved));
    m_lblBreakEven = makeLabel(this, QString(), QRect(6, 294, 578, 20));
    m_lblBreakEven->setObjectName(QLatin1String(kLblBreakEven));
    m_chart = makeChartToggle(this, QRect(530, 0, 54, 18), QRect(0, 20, 587, 250));
    m_fields.addTabStops({m_btnCalcFees, m_chart.button});
    buildPanel();
    showStartingValues();

    m_fields.connectLeaving(kFields, this, &RefinancingPage::CalcRefi);
    m_fields.connectLeaving(kItems, this, &RefinancingPage::CalcClosingCosts);
    toolkit::connectGuarded(m_btnCalcFees, &QPushButton::clicked, this,
                            &RefinancingPage::btnCalcFeesClick);
}

void RefinancingPage::buildPanel()
{
    m_pnlClosingCosts = new QFrame(this);
    m_pnlClosingCosts->setObjectName(QLatin1String(kPnlClosingCosts));
    m_pnlClosingCosts->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_pnlClosingCosts->setAutoFillBackground(true);
    m_pnlClosingCosts->setGeometry(18, 20, 552, 262);
    QFrame* p = m_pnlClosingCosts;
    heading(p, QStringLiteral("Itemized Closing Costs"), QRect(10, 6, 300, 18));
    m_fields.build(p, kItems);
    m_fields.build(p, kItemsTotal);
    // Each caption to the left of its amount.
    auto caption = [this, p](const FieldSpec& spec) {
        m_fields.makeCaption(p, spec.name, spec.at.translated(-160, 0).adjusted(0, 0, 58, 0));
    };
    for (const FieldSpec& spec : kItems)
        caption(spec);
    caption(kItemsTotal[0]);
    QPushButton* clear =
        makeButton(p, kBtnClearClosingCosts, QStringLiteral("Clear"),
                   QStringLiteral("Zero all Closing Costs"), QRect(10, 214, 90, 26));
    QPushButton* ok =
        makeButton(p, kBtnCloseClosingCosts, QStringLiteral("OK"),
                   QStringLiteral("Close the itemized closing costs"), QRect(110, 214, 90, 26));
    m_fields.addTabStops({clear, ok});
    using toolkit::connectGuarded;
    connectGuarded(clear, &QPushButton::clicked, this, &RefinancingPage::BtnClearClosingCostsClick);
    connectGuarded(ok, &QPushButton::clicked, this, &RefinancingPage::BtnCloseClosingCostsClick);
    m_pnlClosingCosts->hide();
}

void RefinancingPage::showStartingValues()
{
    m_fields.showStartValues(kFields);
    showResults(calc::RefiResetResults());
}

void RefinancingPage::showResults(const calc::RefiResults& r) { m_fields.show(r); }

void RefinancingPage::enter() { m_fields.edit(kOldLoan)->setFocus(); }

void RefinancingPage::reset()
{
    // The headline and the panel keep what they show.
    showStartingValues();
    m_fields.edit(kOldLoan)->setFocus();
}

void RefinancingPage::CalcRefi()
{
    m_host.setPrintingEnabled(true);
    calc::RefiInputs in;
    m_fields.readInto(in);
    m_fields.checkAmounts({kOldLoan, kNewLoan, kRefiClosingCosts});
    const calc::RefiResults r = calc::CalcRefi(in);
    showResults(r);
    m_lblSell->setText(QString::fromStdString(r.sellText));
    toolkit::ChartData chart{
        QStringLiteral("Net savings of the new loan"),
        QStringLiteral("Month"),
        {{QStringLiteral("Payments saved + equity gained - closing costs"), {}, false}},
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

void RefinancingPage::computeFromInputs()
{
    // The panel's total as the panel left it; the closing costs stay as typed after it.
    m_fields.setValue(kClosingFees, panelTotal());
    CalcRefi();
}

void RefinancingPage::CalcClosingCosts()
{
    const double total = panelTotal();
    m_fields.setValue(kClosingFees, total);
    m_fields.setValue(kRefiClosingCosts, total);
}

double RefinancingPage::panelTotal() const
{
    calc::RefiClosingItems items;
    double* targets[] = {
        &items.discountPoints,    &items.originationPoints, &items.creditCheck,
        &items.attyFeeY,          &items.attyFeeL,          &items.titleSearchFee,
        &items.titleInsuranceFee, &items.appraisalFee,      &items.inspections,
        &items.localFees,         &items.otherFees,         &items.prepaymentPenalty};
    static_assert(std::size(targets) == std::size(kItems));
    for (std::size_t i = 0; i < std::size(kItems); ++i)
        *targets[i] = CheckAmount(m_fields.value(kItems[i].name), kItems[i].caption);
    return calc::CalcClosingCosts(items);
}

void RefinancingPage::btnCalcFeesClick()
{
    m_pnlClosingCosts->show();
    m_pnlClosingCosts->raise();
    m_btnCalcFees->setEnabled(false);
    m_fields.edit(kItems[0].name)->setFocus();
}

void RefinancingPage::BtnCloseClosingCostsClick()
{
    CalcClosingCosts();
    m_pnlClosingCosts->hide();
    m_btnCalcFees->setEnabled(true);
    m_fields.edit(kMonthsUntilSell)->setFocus();
    CalcRefi();
}

void RefinancingPage::BtnClearClosingCostsClick()
{
    for (const FieldSpec& spec : kItems)
        m_fields.setValue(spec.name, 0);
    m_fields.setValue(kClosingFees, 0);
    m_fields.edit(kItems[0].name)->setFocus();
}

} // namespace qn::pages

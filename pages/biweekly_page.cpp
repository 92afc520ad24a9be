#include "pages/biweekly_page.h"

#include "calculators/biweekly.h"
#include "calculators/chart_series.h"
#include "core/limits.h"
#include "core/mortgage.h"
#include "core/numtext.h"
#include "pages/biweekly_fields.h"
#include "pages/page_parts.h"
#include "toolkit/chart.h"
#include "toolkit/guarded.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qn::pages {

BiweeklyPage::BiweeklyPage(PageHost& host, QWidget* parent) : CalculatorPage(host, parent)
{
    buildControls();
    connectHandlers();
}

void BiweeklyPage::buildControls()
{
    auto* intro = makeLabel(
        this,
        QStringLiteral("Bi-weekly mortgage payments let you build equity more quickly than with "
                       "monthly payments.  Making 26 bi-weekly payments each year, each of which "
                       "is 1/2 of the 'monthly' payment retires your debt sooner and reduces the "
                       "total interest you pay."),
        QRect(16, 8, 555, 52));
    intro->setWordWrap(true);

    m_fields.build(this, bw::kFields);
    // Every field has its caption above it; each row of results has its own beside it, in
    // two lines where it is longer than its column, beside the middle of the field.
    const char* row = nullptr;
    for (const FieldSpec& spec : bw::kFields) {
        const QRect& at = spec.at;
        m_fields.makeCaption(this, spec.name, QRect(at.x(), at.y() - 20, at.width(), 18));
        if (spec.description && spec.description != row) {
            row = spec.description;
            makeLabel(this, QLatin1String(row), QRect(16, at.y() - 6, 128, 36))->setWordWrap(true);
        }
    }
    m_chart = makeChartToggle(this, QRect(16, 304, 100, 22), QRect(0, 126, 587, 176));
    m_fields.addTabStops({m_chart.button});
}

void BiweeklyPage::connectHandlers()
{
    m_fields.connectLeaving(bw::kFields, this, &BiweeklyPage::CalcBW);
}

void BiweeklyPage::enter()
{
    m_fields.loadSettings(bw::kFields, m_host.settings());
    m_fields.edit(bw::kMortgageAmount)->setFocus();
}

void BiweeklyPage::reset()
{
    m_fields.loadSettings(bw::kFields, m_host.settings());
    CalcBW();
}

void BiweeklyPage::CalcBW()
{
    m_host.setPrintingEnabled(true);
    // Without a loan or payments there is nothing to pay twice a month.
    using namespace bw;
    const double amount = CheckPositiveAmount(m_fields.value(kMortgageAmount), "Loan Amount");
    const int months = CheckPaymentCount(m_fields.value(kMortgagePeriods), "Number of Payments", 1);
    const double percent = m_fields.value(kMortgageInterest);

    TMortgage& mortgage = m_mortgage;
    mortgage.Setup(months, amount, percent / 100, 12);
    const calc::BiweeklyResult r = calc::ComputeBiweekly(amount, percent, months, mortgage.Payment);
    m_fields.show(r);
    toolkit::ChartData chart{
        QStringLiteral("Balance, monthly against biweekly"), QStringLiteral("Month"), {}, true};
    toolkit::ChartSeries monthly{QStringLiteral("Monthly"), {}, false};
    for (const calc::Point& p : calc::BalanceByPayment(mortgage))
        monthly.points.emplace_back(p.x, p.y);
    toolkit::ChartSeries biweekly{QStringLiteral("Biweekly"), {}, false};
    for (const calc::Point& p : calc::BiweeklyBalanceByMonth(amount, percent, r.biweeklyPayment))
        biweekly.points.emplace_back(p.x, p.y);
    chart.series = {std::move(monthly), std::move(biweekly)};
    m_chart.chart->setCharts({std::move(chart)});
}

} // namespace qn::pages

#include "pages/rent_vs_buy_page.h"

#include "calculators/chart_series.h"
#include "calculators/rent_vs_buy.h"
#include "core/limits.h"
#include "pages/page_parts.h"
#include "pages/rent_vs_buy_fields.h"
#include "toolkit/chart.h"
#include "toolkit/guarded.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qn::pages {

using namespace rvb;

RentVsBuyPage::RentVsBuyPage(PageHost& host, QWidget* parent) : CalculatorPage(host, parent)
{
    m_fields.build(this, kFields);
    for (const FieldSpec& spec : kFields) {
        const QRect& at = spec.at;
        m_fields.makeCaption(this, spec.name, QRect(at.x() - 180, at.y() - 3, 176, 30))
            ->setWordWrap(true);
    }
    m_chart = makeChartToggle(this, QRect(4, 313, 90, 17), QRect(0, 0, 587, 311));
    m_fields.addTabStops({m_chart.button});
    m_fields.connectLeaving(kFields, this, &RentVsBuyPage::CalcRVB);
}

void RentVsBuyPage::enter() { m_fields.edit(kMonthlyRent)->setFocus(); }

void RentVsBuyPage::reset()
{
    m_fields.showStartValues(kFields);
    m_fields.edit(kMonthlyRent)->setFocus();
}

void RentVsBuyPage::CalcRVB()
{
    m_host.setPrintingEnabled(true);
    m_host.setResetEnabled(true);
    calc::RvbInputs in;
    m_fields.readInto(in);
    m_fields.checkAmounts({kMonthlyRent, kDownPayment, kAnnualMaintenance});
    const calc::RvbResults r = calc::CalcRVB(in);
    m_fields.show(r);
    toolkit::ChartData chart = pairedChart(
        QStringLiteral("Owning against renting, by the year of the move"), QStringLiteral("Year"),
        {QStringLiteral("Effective gain of owning"), &calc::RvbYear::owner},
        {QStringLiteral("Cost of renting"), &calc::RvbYear::renter}, false,
        calc::RvbPositionsByYear(in), &calc::RvbYear::year);
    m_chart.chart->setCharts({std::move(chart)});
}

} // namespace qn::pages

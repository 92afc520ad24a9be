#include "pages/rent_vs_buy_page.h"

#include "calculators/chart_series.h"
#include "calculators/rent_vs_buy.h"
#include "toolkit/chart.h"
#include "core/limits.h"
#include "pages/page_parts.h"
#include "pages/rent_vs_buy_fields.h"
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
    const PageFields& f = m_fields;
    calc::RvbInputs in;
    in.monthlyRent = f.value(kMonthlyRent);
    in.rentIncrease = f.value(kRentIncrease);
    in.years = f.value(kTerm);
    in.downPayment = f.value(kDownPayment);
    in.estimatedReturn = f.value(kEstimatedReturn);
    in.interestRate = f.value(kInterestRate);
    in.loanYears = f.value(kLoanTerm);
    in.incomeTax = f.value(kIncomeTax);
    in.propertyTax = f.value(kPropertyTax);
    in.propertyAppreciation = f.value(kPropertyAppreciation);
    in.annualMaintenance = f.value(kAnnualMaintenance);
    in.sellingCostPercent = f.value(kSellingCostPercent);
    CheckAmount(in.monthlyRent, "Current Monthly Rent");
    CheckAmount(in.downPayment, "Cash Available for Down Payment");
    CheckAmount(in.annualMaintenance, "Estimated Annual Home Maintenance Expenses ($)");
    const calc::RvbResults r = calc::CalcRVB(in);
    f.setValue(kHousePrice, r.housePrice);
    f.setValue(kRentSpent, r.rentSpent);
    f.setValue(kInvestmentValue, r.investmentValue);
    f.setValue(kTaxDeductions, r.taxDeductions);
    f.setValue(kAppreciation, r.appreciation);
    f.setValue(kValueOfPurchase, r.valueOfPurchase);
    f.setValue(kValueOfRenting, r.valueOfRenting);
    f.setValue(kGain, r.gain);
    toolkit::ChartData chart{QStringLiteral("Owning against renting, by the year of the move"),
                             QStringLiteral("Year"),
                             {{QStringLiteral("Effective gain of owning"), {}, false},
                              {QStringLiteral("Cost of renting"), {}, false}},
                             true};
    for (const calc::RvbYear& y : calc::RvbPositionsByYear(in)) {
        chart.series[0].points.emplace_back(y.year, y.owner);
        chart.series[1].points.emplace_back(y.year, y.renter);
    }
    m_chart.chart->setCharts({std::move(chart)});
}

} // namespace qn::pages

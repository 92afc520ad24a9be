#include "pages/rent_vs_buy_page.h"

#include "calculators/chart_series.h"
#include "calculators/rent_vs_buy.h"
#include "toolkit/chart.h"
#include "core/limits.h"
#include "pages/num_edit.h"
#include "pages/page_parts.h"
#include "toolkit/guarded.h"

#include <QLabel>

namespace qn::pages {

namespace {

// One line of the page: the field, its caption, whether it is money, its decimals.
struct Line {
    const char* name;
    const char* caption;
    bool money;
    int decimals;
    bool result;
};

// Left column, then right column, each top to bottom; results sit under the inputs they
// depend on.
constexpr Line kLeft[] = {
    {"edtRVBMonthlyRent", "Current Monthly Rent", true, 2, false},
    {"edtRVBRentIncrease", "Estimated Annual Rent Increase Percentage", false, 3, false},
    {"edtRVBTerm", "Years Before You Will Move", false, 0, false},
    {"edtRVBRentSpent", "Total You Will Spend on Rent", true, 2, true},
    {"edtRVBDownPayment", "Cash Available for Down Payment", true, 2, false},
    {"edtRVBEstimatedReturn", "Estimated Annual Return if Invested (%)", false, 3, false},
    {"edtRVBInvestmentValue", "Value of Investment ($)", true, 2, true},
    {"edtRVBInterestRate", "Interest Rate of Home Loan (%)", false, 3, false},
    {"edtRVBLoanTerm", "Term of Home Loan in Years", false, 0, false},
    {"edtRVBHousePrice", "Price of Home You Can Afford at Your Rent Payment", true, 2, true},
};
constexpr Line kRight[] = {
    {"edtRVBIncomeTax", "Personal Income Tax Rate (%) (Include Federal + State)", false, 3, false},
    {"edtRVBPropertyTax", "Annual Real Estate Tax Rate (%)", false, 3, false},
    {"edtRVBTaxDeductions", "Total of Interest Tax Deductions ($)", true, 2, true},
    {"edtRVBPropertyAppreciation", "Property Appreciation Rate (%)", false, 3, false},
    {"edtRVBAppreciation", "Appreciation of Property ($)", true, 2, true},
    {"edtRVBAnnualMaintenance", "Estimated Annual Home Maintenance Expenses ($)", true, 2, false},
    {"edtRVBSellingCostPercent", "Estimated Selling Costs as % of House Value", false, 3, false},
    {"edtRVBValueOfPurchase", "Effective Gain of Owning", true, 2, true},
    {"edtRVBValueOfRenting", "Actual Cost of Renting", true, 2, true},
    {"edtRVBGain", "Effective Gain of Owning vs. Renting", true, 2, true},
};

// The inputs in tab order, as the calculation takes them.
constexpr const char* kInputOrder[] = {
    "edtRVBMonthlyRent",    "edtRVBRentIncrease",     "edtRVBTerm",
    "edtRVBDownPayment",    "edtRVBEstimatedReturn",  "edtRVBInterestRate",
    "edtRVBLoanTerm",       "edtRVBIncomeTax",        "edtRVBPropertyTax",
    "edtRVBPropertyAppreciation", "edtRVBAnnualMaintenance", "edtRVBSellingCostPercent"};

} // namespace

RentVsBuyPage::RentVsBuyPage(PageHost& host, QWidget* parent) : CalculatorPage(host, parent)
{
    auto build = [this](const Line* lines, int count, int left) {
        for (int i = 0; i < count; ++i) {
            const Line& l = lines[i];
            const int top = 4 + 31 * i;
            QLabel* label = makeLabel(this, QLatin1String(l.caption), QRect(left, top, 176, 30));
            label->setWordWrap(true);
            const QRect at(left + 180, top + 3, 104, 24);
            NumericField* f = l.money ? static_cast<NumericField*>(newMoneyEdit(this, l.name, at))
                                      : newNumberEdit(this, l.name, l.decimals, at);
            if (l.result) {
                makeResult(f);
                m_results.push_back(f);
            }
        }
    };
    build(kLeft, 10, 4);
    build(kRight, 10, 296);
    m_chart = makeChartToggle(this, QRect(4, 313, 90, 17), QRect(0, 0, 587, 311));
    for (const char* name : kInputOrder)
        m_inputs.push_back(field(name));
    for (std::size_t i = 1; i < m_inputs.size(); ++i)
        setTabOrder(m_inputs[i - 1], m_inputs[i]);
    showInputs();
    for (NumericField* f : findChildren<NumericField*>())
        toolkit::connectGuarded(f, &NumericField::exited, this, &RentVsBuyPage::CalcRVB);
}

NumericField* RentVsBuyPage::field(const char* name) const
{
    return findChild<NumericField*>(QLatin1String(name));
}

void RentVsBuyPage::showInputs()
{
    const calc::RvbInputs d;
    const double values[] = {d.monthlyRent,  d.rentIncrease, d.years,       d.downPayment,
                             d.estimatedReturn, d.interestRate, d.loanYears, d.incomeTax,
                             d.propertyTax, d.propertyAppreciation, d.annualMaintenance,
                             d.sellingCostPercent};
    for (std::size_t i = 0; i < m_inputs.size(); ++i)
        m_inputs[i]->setValue(values[i]);
    for (NumericField* f : m_results)
        f->setValue(0);
}

void RentVsBuyPage::enter() { field("edtRVBMonthlyRent")->setFocus(); }

void RentVsBuyPage::reset()
{
    showInputs();
    field("edtRVBMonthlyRent")->setFocus();
}

void RentVsBuyPage::CalcRVB()
{
    m_host.setPrintingEnabled(true);
    m_host.setResetEnabled(true);
    calc::RvbInputs in;
    double* targets[] = {&in.monthlyRent,     &in.rentIncrease, &in.years,
                         &in.downPayment,     &in.estimatedReturn, &in.interestRate,
                         &in.loanYears,       &in.incomeTax,    &in.propertyTax,
                         &in.propertyAppreciation, &in.annualMaintenance, &in.sellingCostPercent};
    for (std::size_t i = 0; i < m_inputs.size(); ++i)
        *targets[i] = m_inputs[i]->value();
    CheckAmount(in.monthlyRent, "Current Monthly Rent");
    CheckAmount(in.downPayment, "Cash Available for Down Payment");
    CheckAmount(in.annualMaintenance, "Estimated Annual Home Maintenance Expenses ($)");
    const calc::RvbResults r = calc::CalcRVB(in);
    field("edtRVBHousePrice")->setValue(r.housePrice);
    field("edtRVBRentSpent")->setValue(r.rentSpent);
    field("edtRVBInvestmentValue")->setValue(r.investmentValue);
    field("edtRVBTaxDeductions")->setValue(r.taxDeductions);
    field("edtRVBAppreciation")->setValue(r.appreciation);
    field("edtRVBValueOfPurchase")->setValue(r.valueOfPurchase);
    field("edtRVBValueOfRenting")->setValue(r.valueOfRenting);
    field("edtRVBGain")->setValue(r.gain);
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

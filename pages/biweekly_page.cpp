#include "pages/biweekly_page.h"

#include "pages/num_edit.h"
#include "pages/page_parts.h"
#include "calculators/biweekly.h"
#include "calculators/chart_series.h"
#include "toolkit/chart.h"
#include "core/limits.h"
#include "core/mortgage.h"
#include "core/numtext.h"
#include "toolkit/guarded.h"

#include <QLabel>

namespace qn::pages {

namespace {

TFnpNumericEdit* makeNumber(QWidget* parent, const char* name, int decimals, QRect geometry)
{
    TFnpNumericEdit* edit = newNumberEdit(parent, name, decimals, geometry);
    edit->setAlignment(Qt::AlignCenter);
    return edit;
}

} // namespace

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

    makeLabel(this, QStringLiteral("Loan Amount"), QRect(16, 70, 170, 18));
    makeLabel(this, QStringLiteral("Interest Rate"), QRect(206, 70, 170, 18));
    makeLabel(this, QStringLiteral("Number of Payments"), QRect(396, 70, 170, 18));
    m_edtMortgageAmount = newMoneyEdit(this, "edtMortgageAmount", QRect(16, 90, 170, 24));
    m_edtMortgageInterest = makeNumber(this, "edtMortgageInterest", 3, QRect(206, 90, 170, 24));
    m_edtMortgagePeriods = makeNumber(this, "edtMortgagePeriods", 0, QRect(396, 90, 170, 24));
    m_edtMortgageAmount->setValue(100000);
    m_edtMortgageInterest->setValue(8.75);
    m_edtMortgagePeriods->setValue(360);
    setTabOrder(m_edtMortgageAmount, m_edtMortgageInterest);
    setTabOrder(m_edtMortgageInterest, m_edtMortgagePeriods);

    const int col[] = {150, 290, 430};
    const int row[] = {150, 210, 270};
    // Two lines where a caption is longer than its column, beside the middle of the field.
    const char* rowCaptions[] = {"Standard Payments", "Biweekly Payments", "Time and Money Saved"};
    for (int r = 0; r < 3; ++r)
        makeLabel(this, QLatin1String(rowCaptions[r]), QRect(16, row[r] - 6, 128, 36))
            ->setWordWrap(true);
    const char* headings[3][3] = {{"Monthly Payment", "Total Paid", "Interest Paid"},
                                  {"Biweekly Payment", "Total Paid", "Interest Paid"},
                                  {"Months Saved", "Years Saved", "Interest Saved"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            makeLabel(this, QLatin1String(headings[r][c]), QRect(col[c], row[r] - 20, 130, 18));

    auto at = [&](int r, int c) { return QRect(col[c], row[r], 130, 24); };
    m_edtMortgagePayments = newMoneyEdit(this, "edtMortgagePayments", at(0, 0));
    m_edtMortgageTotalPaid = newMoneyEdit(this, "edtMortgageTotalPaid", at(0, 1));
    m_edtMortgageCostOfLoan = newMoneyEdit(this, "edtMortgageCostOfLoan", at(0, 2));
    m_edtMortgageHalfPayments = newMoneyEdit(this, "edtMortgageHalfPayments", at(1, 0));
    m_edtMortgageHalfTotalPaid = newMoneyEdit(this, "edtMortgageHalfTotalPaid", at(1, 1));
    m_edtMortgageHalfCostOfLoan = newMoneyEdit(this, "edtMortgageHalfCostOfLoan", at(1, 2));
    m_edtTimeSavedMonths = makeNumber(this, "edtTimeSavedMonths", 2, at(2, 0));
    m_edtTimeSavedYears = makeNumber(this, "edtTimeSavedYears", 2, at(2, 1));
    m_edtInterestSaved = newMoneyEdit(this, "edtInterestSaved", at(2, 2));
    m_chart = makeChartToggle(this, QRect(16, 304, 100, 22), QRect(0, 126, 587, 176));
    for (QLineEdit* edit : std::initializer_list<QLineEdit*>{
             m_edtMortgagePayments, m_edtMortgageTotalPaid, m_edtMortgageCostOfLoan,
             m_edtMortgageHalfPayments, m_edtMortgageHalfTotalPaid,
             m_edtMortgageHalfCostOfLoan, m_edtTimeSavedMonths, m_edtTimeSavedYears,
             m_edtInterestSaved})
        makeResult(edit);
}

void BiweeklyPage::connectHandlers()
{
    using toolkit::connectGuarded;
    for (TNumEdit* edit : {m_edtMortgageAmount, m_edtMortgagePayments, m_edtMortgageTotalPaid,
                           m_edtMortgageCostOfLoan, m_edtMortgageHalfPayments,
                           m_edtMortgageHalfTotalPaid, m_edtMortgageHalfCostOfLoan,
                           m_edtInterestSaved})
        connectGuarded(edit, &TNumEdit::exited, this, &BiweeklyPage::CalcBW);
    for (TFnpNumericEdit* edit : {m_edtMortgageInterest, m_edtMortgagePeriods})
        connectGuarded(edit, &TFnpNumericEdit::exited, this, &BiweeklyPage::CalcBW);
}


void BiweeklyPage::loadStartingValues()
{
    const SettingsValues& s = m_host.settings();
    m_edtMortgageAmount->setValue(s.Loan);
    m_edtMortgageInterest->setValue(s.Interest);
    m_edtMortgagePeriods->setValue(s.Term);
}

void BiweeklyPage::enter()
{
    loadStartingValues();
    m_edtMortgageAmount->setFocus();
}

void BiweeklyPage::reset()
{
    loadStartingValues();
    CalcBW();
}

void BiweeklyPage::CalcBW()
{
    m_host.setPrintingEnabled(true);
    // Without a loan or payments there is nothing to pay twice a month.
    const double amount = CheckPositiveAmount(m_edtMortgageAmount->value(), "Loan Amount");
    const int months =
        CheckPaymentCount(m_edtMortgagePeriods->value(), "Number of Payments", 1);
    const double percent = m_edtMortgageInterest->value();

    TMortgage& mortgage = m_host.mortgage();
    mortgage.Setup(months, amount, percent / 100, 12);
    const calc::BiweeklyResult r =
        calc::ComputeBiweekly(amount, percent, months, mortgage.Payment);
    m_edtMortgagePayments->setValue(r.monthlyPayment);
    m_edtMortgageTotalPaid->setValue(r.monthlyTotal);
    m_edtMortgageCostOfLoan->setValue(r.monthlyInterest);
    m_edtMortgageHalfPayments->setValue(r.biweeklyPayment);
    m_edtMortgageHalfTotalPaid->setValue(r.biweeklyTotal);
    m_edtMortgageHalfCostOfLoan->setValue(r.biweeklyInterest);
    m_edtTimeSavedMonths->setValue(r.monthsSaved);
    m_edtTimeSavedYears->setValue(r.yearsSaved);
    m_edtInterestSaved->setValue(r.interestSaved);
    toolkit::ChartData chart{QStringLiteral("Balance, monthly against biweekly"),
                             QStringLiteral("Month"), {}, true};
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

#include "pages/amortization_page.h"

#include "calculators/adjustable_rate.h"
#include "calculators/amortization.h"
#include "calculators/extras.h"
#include "core/errors.h"
#include "core/finance.h"
#include "core/limits.h"
#include "core/mortgage.h"
#include "pages/amortization_fields.h"
#include "pages/amortization_schedule.h"
#include "pages/num_edit.h"
#include "pages/page_parts.h"
#include "toolkit/chart.h"
#include "toolkit/guarded.h"
#include "toolkit/hints.h"
#include "toolkit/money.h"
#include "toolkit/table_fit.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include <algorithm>
#include <optional>
#include <string_view>

namespace qn::pages {

using namespace amort;

namespace {

template <typename W> W* named(W* widget, const char* name, QRect geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

// A row of radio buttons on a named holder, the first chosen: a group for --choose and the
// snapshot, its items in the order given.
QWidget* radioRow(QWidget* parent, const char* name, const QString& spoken,
                  std::initializer_list<const char*> items, QRect geometry)
{
    auto* holder = named(new QWidget(parent), name, geometry);
    holder->setAccessibleName(spoken);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    for (const char* item : items)
        row->addWidget(new QRadioButton(QLatin1String(item), holder));
    row->addStretch();
    holder->findChildren<QRadioButton*>().front()->setChecked(true);
    return holder;
}

} // namespace

AmortizationPage::AmortizationPage(PageHost& host, QWidget* parent) : CalculatorPage(host, parent)
{
    buildControls();
    buildArmPanel();
    buildExtraPanel();
    connectHandlers();
}

void AmortizationPage::buildControls()
{
    m_fields.build(this, kFields);
    for (const FieldSpec& spec : kFields)
        m_fields.makeCaption(this, spec.name, spec.at.translated(0, -18).adjusted(0, 0, 0, -6));

    m_btnCalculate = named(new QPushButton(QStringLiteral("Calculate"), this), kBtnCalculate,
                           QRect(454, 4, 125, 24));
    m_btnAddExtraPayments = named(new QPushButton(QStringLiteral("Add Extra"), this),
                                  kBtnAddExtraPayments, QRect(454, 32, 125, 24));

    // Fixed or adjustable, in the room under the loan; an adjustable rate's payments are
    // summed up below it.
    makeLabel(this, QStringLiteral("Rate:"), QRect(8, 50, 36, 18));
    m_rgRateType = radioRow(this, kRgRateType, QStringLiteral("Rate"), {"Fixed", "Adjustable"},
                            QRect(46, 49, 220, 20));
    m_lblArmSummary = named(new QLabel(this), kLblArmSummary, QRect(8, 70, 442, 18));
    m_model = new AmortizationModel(this);
    m_lblExtraSummary = named(new QLabel(this), kLblExtraSummary, QRect(4, 96, 580, 18));
    // The schedule and the chart reach down to the page's bottom edge: see layOut().
    m_chart = makeChartToggle(this, QRect(454, 60, 125, 24), QRect(0, 116, 587, 250));
    m_grdAmortization = makeScheduleView(this, kGrdAmortization, QRect(0, 116, 587, 250), m_model);
}

void AmortizationPage::buildArmPanel()
{
    m_pnlArm = named(new QFrame(this), kPnlArm, QRect(0, 88, 587, 84));
    m_pnlArm->setFrameShape(QFrame::Panel);
    QFrame* p = m_pnlArm;
    m_fields.build(p, kArmFields);
    for (const FieldSpec& spec : kArmFields)
        m_fields.makeCaption(p, spec.name, spec.at.translated(0, -16).adjusted(0, 0, 4, -6));
    makeLabel(p, QStringLiteral("Index Path"), QRect(4, 42, 120, 16));
    m_rgArmPath = radioRow(p, kRgArmPath, QStringLiteral("Index Path"),
                           {"Flat", "Rising", "Worst case", "Typed"}, QRect(4, 59, 284, 20));
    m_pnlArm->hide();
    m_pnlArm->setEnabled(false);
    updateArmPath();
}

void AmortizationPage::layOut()
{
    // The adjustable terms and the extra-payment panel open under the buttons, one under the
    // other, and the summary line and the schedule move down to make room for them, so that
    // they cover nothing.
    constexpr int kPanelTop = 88;
    int top = kPanelTop;
    for (QFrame* panel : {m_pnlArm, m_pnlAddExtra}) {
        panel->move(0, top);
        if (panel->isVisible())
            top += panel->height() + 2;
    }
    const int summaryTop = top == kPanelTop ? 96 : top;
    m_lblExtraSummary->move(4, summaryTop);
    const QRect schedule(0, summaryTop + 20, width(), std::max(0, height() - summaryTop - 20));
    m_grdAmortization->setGeometry(schedule);
    m_chart.chart->setGeometry(schedule);
}

void AmortizationPage::resizeEvent(QResizeEvent* event)
{
    CalculatorPage::resizeEvent(event);
    layOut();
}

void AmortizationPage::buildExtraPanel()
{
    m_pnlAddExtra = named(new QFrame(this), kPnlAddExtra, QRect(0, 88, 587, 64));
    m_pnlAddExtra->setFrameShape(QFrame::Panel);
    m_pnlAddExtra->setAutoFillBackground(true);
    QFrame* p = m_pnlAddExtra;
    makeLabel(p, QStringLiteral("Add To"), QRect(4, 2, 60, 18));
    m_rbOnePmt = named(new QRadioButton(QStringLiteral("&Single Payment"), p), kRbOnePmt,
                       QRect(4, 20, 130, 20));
    m_rbRangePmts = named(new QRadioButton(QStringLiteral("&Range of Payments"), p), kRbRangePmts,
                          QRect(4, 40, 130, 20));
    m_rbAllPmts = named(new QRadioButton(QStringLiteral("&All Payments"), p), kRbAllPmts,
                        QRect(136, 2, 110, 20));
    m_rbRangePmts->setChecked(true);
    m_fields.build(p, kExtraFields);
    m_lblFromPmt = m_fields.makeCaption(p, kFromPmt, QRect(136, 22, 100, 18));
    m_lblFromPmt->setObjectName(QLatin1String(kLblFromPmt));
    m_lblToPmt = m_fields.makeCaption(p, kToPmt, QRect(136, 42, 100, 18));
    m_lblToPmt->setObjectName(QLatin1String(kLblToPmt));
    m_fields.makeCaption(p, kExtraAmount, QRect(292, 22, 50, 18));
    m_fields.makeCaption(p, kPayoffBy, QRect(292, 42, 52, 18))
        ->setObjectName(QLatin1String(kLblPayoffBy));
    m_btnPayoffBy =
        named(new QPushButton(QStringLiteral("Find"), p), kBtnPayoffBy, QRect(382, 39, 42, 22));
    toolkit::setHint(m_btnPayoffBy,
                     QStringLiteral("Find the extra on every payment that pays the loan off by "
                                    "this payment"));
    m_pnlRemoveExtra = named(new QFrame(p), kPnlRemoveExtra, QRect(428, 2, 155, 60));
    m_pnlRemoveExtra->setProperty("helpContext", 45);
    m_pnlRemoveExtra->setAutoFillBackground(true);
    QPalette white = m_pnlRemoveExtra->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_pnlRemoveExtra->setPalette(white);
    m_btnAddExtra = named(new QPushButton(QStringLiteral("Re-Calculate"), m_pnlRemoveExtra),
                          kBtnAddExtra, QRect(2, 2, 75, 26));
    m_btnRemove = named(new QPushButton(QStringLiteral("Remove Extra"), m_pnlRemoveExtra),
                        kBtnRemove, QRect(78, 2, 75, 26));
    m_btnCancel = named(new QPushButton(QStringLiteral("Cancel"), m_pnlRemoveExtra), kBtnCancel,
                        QRect(40, 31, 75, 26));
    m_pnlAddExtra->hide();
    updateChoice();

    // Tab goes from "Add Extra" through the panel, then on to the chart.
    std::vector<QWidget*> order = m_fields.inputs(kFields);
    for (QRadioButton* radio : m_rgRateType->findChildren<QRadioButton*>())
        order.push_back(radio);
    for (const FieldSpec& spec : kArmFields) {
        if (&spec == &kArmFields[7]) // the index path comes before the index
            for (QRadioButton* radio : m_rgArmPath->findChildren<QRadioButton*>())
                order.push_back(radio);
        order.push_back(m_fields.edit(spec));
    }
    order.insert(order.end(),
                 {m_btnCalculate, m_btnAddExtraPayments, m_rbOnePmt, m_rbRangePmts, m_rbAllPmts});
    for (QWidget* field : m_fields.inputs(kExtraFields))
        order.push_back(field);
    order.insert(order.end(),
                 {m_btnPayoffBy, m_btnAddExtra, m_btnRemove, m_btnCancel, m_chart.button});
    m_fields.setTabOrder(order);
}

void AmortizationPage::connectHandlers()
{
    using P = AmortizationPage;
    connectClicks<P>(this, {{m_btnCalculate, &P::CalcAmortization},
                            {m_btnAddExtraPayments, &P::btnExtraClick},
                            {m_rbOnePmt, &P::rbOnePmtClick},
                            {m_rbRangePmts, &P::rbRangePmtsClick},
                            {m_rbAllPmts, &P::rbAllPmtsClick},
                            {m_btnAddExtra, &P::btnRecalcExtraClick},
                            {m_btnRemove, &P::btnRemoveClick},
                            {m_btnCancel, &P::CancelBtnClick},
                            {m_btnPayoffBy, &P::btnPayoffByClick}});
    for (QWidget* group : {m_rgRateType, m_rgArmPath})
        for (QRadioButton* radio : group->findChildren<QRadioButton*>())
            toolkit::connectGuarded(radio, &QRadioButton::clicked, this, &P::rgRateTypeClick);
}

void AmortizationPage::enter()
{
    const SettingsValues& s = m_host.settings();
    m_btnAddExtra->setEnabled(true);
    m_fields.loadSettings(kFields, s);
    m_fields.setValue(kAmortPayment, MonthlyPayment(s.Term, MonthlyRate(s.Interest), s.Loan));
    m_fields.edit(kMortAmt)->setFocus();
    CalcAmortization();
}

void AmortizationPage::reset() { ResetMortgage(); }

// The failure may have left a half-built schedule; start again from the defaults.
void AmortizationPage::recoverFromArithmeticFailure() { ResetMortgage(); }

QString AmortizationPage::csvText() const
{
    // The grid shows nothing before its first schedule; neither does the file.
    const bool withRate = m_mortgage.Adjustable.has_value();
    if (cellText(1, 0).isEmpty())
        return scheduleCsv({}, withRate);
    return scheduleCsv(m_mortgage.Payments, withRate);
}

QString AmortizationPage::cellText(int row, int column) const { return m_model->text(row, column); }

int AmortizationPage::gridRowCount() const { return m_model->rowCount() + 1; }

void AmortizationPage::CalcAmortization()
{
    // Figures the schedule cannot be built from are refused, naming the field, before
    // anything changes: ten million payments would be ten million rows.
    const double amount = checkedValue(m_fields.field(kMortAmt),
                                       [](double v) { return CheckAmount(v, "Loan Amount"); });
    const int months = checkedValue(
        m_fields.field(kNumPmts), [](double v) { return CheckPaymentCount(v, "Term in Months"); });
    const double rate = m_fields.value(kIRate);
    std::optional<TAdjustableRate> terms;
    if (adjustableChosen())
        terms = armTerms(months, rate);
    m_btnAddExtra->setEnabled(true);
    m_host.setResetEnabled(true);
    m_host.setPrintingEnabled(true);
    if (terms)
        m_mortgage.Setup(months, amount, rate / 100, 12, *terms);
    else
        m_mortgage.Setup(months, amount, rate / 100, 12);
    ShowSchedule();
    acceptEntries();
}

void AmortizationPage::ShowSchedule()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TMortgage& mortgage = m_mortgage;
    m_fields.setValue(kAmortPayment, mortgage.Payment);
    const QLocale locale = toolkit::moneyLocale();
    m_model->showSchedule(mortgage);
    m_chart.chart->setCharts(scheduleCharts(mortgage));
    const calc::ExtraSummary summary = calc::SummarizeExtras(mortgage);
    m_lblExtraSummary->setText(
        summary.paymentsSooner > 0 || summary.interestSaved >= 0.005
            ? QString::fromStdString(calc::ExtraSummaryText(
                summary, toolkit::formatCurrency(summary.interestSaved, 2, locale).toStdString()))
            : QString());
    QString armSummary;
    if (mortgage.Adjustable) {
        const calc::ArmPaymentSummary arm = calc::SummarizeArmPayments(mortgage);
        armSummary = QString::fromStdString(calc::ArmSummaryText(
            arm, toolkit::formatCurrency(arm.firstPayment, 2, locale).toStdString(),
            toolkit::formatCurrency(arm.highestPayment, 2, locale).toStdString()));
    }
    m_lblArmSummary->setText(armSummary);
    toolkit::fitTableFont(m_grdAmortization, font(), m_model->widths());
    m_grdAmortization->show();
    QApplication::restoreOverrideCursor();
}

bool AmortizationPage::adjustableChosen() const { return checkedIndex(m_rgRateType) == 1; }

// The terms show for an adjustable rate only; of the index fields, those the path reads.
void AmortizationPage::updateArmPath()
{
    const bool adjustable = adjustableChosen();
    m_pnlArm->setVisible(adjustable);
    m_pnlArm->setEnabled(adjustable);
    const auto path = static_cast<TIndexPath>(std::max(0, checkedIndex(m_rgArmPath)));
    m_fields.edit(kArmIndex)->setEnabled(path == TIndexPath::Flat || path == TIndexPath::Rising);
    m_fields.edit(kArmIndexStep)->setEnabled(path == TIndexPath::Rising);
    m_fields.edit(kArmIndexList)->setEnabled(path == TIndexPath::Typed);
}

void AmortizationPage::rgRateTypeClick()
{
    updateArmPath();
    layOut();
}

TAdjustableRate AmortizationPage::armTerms(int months, double ratePercent) const
{
    calc::ArmFields in;
    m_fields.readInto(in);
    in.floor = m_fields.value(kArmFloor);
    in.path = static_cast<TIndexPath>(std::max(0, checkedIndex(m_rgArmPath)));
    in.indexList = m_fields.edit(kArmIndexList)->text().toStdString();
    try {
        return calc::ArmTermsFromFields(in, months, ratePercent);
    } catch (const EInputError& refusal) {
        // The message begins with the caption of the field it refuses (the longest that
        // fits: "Index List", not "Index"); the typed list is no figure to put back.
        const std::string_view message = refusal.what();
        const FieldSpec* refused = nullptr;
        for (const FieldSpec& spec : kArmFields) {
            const std::string_view caption = spec.caption;
            if (message.starts_with(caption)
                && (!refused || caption.size() > std::string_view(refused->caption).size()))
                refused = &spec;
        }
        throw RefusedEntry(refusal, refused && refused->kind != FieldKind::Text
                                        ? m_fields.field(*refused)
                                        : nullptr);
    }
}

void AmortizationPage::ResetMortgage()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_btnAddExtra->setEnabled(false);
    m_host.setResetEnabled(false);
    m_host.setPrintingEnabled(false);
    m_fields.setValue(kMortAmt, 100000);
    m_fields.setValue(kIRate, 8.75);
    m_fields.setValue(kAmortPayment, 786.7);
    m_fields.setValue(kNumPmts, 360);
    m_model->clearCells();
    m_lblArmSummary->clear();
    QApplication::restoreOverrideCursor();
}

} // namespace qn::pages

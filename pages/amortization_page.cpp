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
#include "toolkit/message_box.h"
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

#include <optional>
#include <string_view>

namespace qn::pages {

using namespace amort;

namespace {

const QString kExtraMessage =
    QStringLiteral("Cannot calculate results of extra payments without new figures.\n\r\n\r"
                   "Please use the edit boxes and radio buttons to\n\r"
                   "indicate the amount of your extra payments.");

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

int checkedIndex(const QWidget* group)
{
    const auto radios = group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    for (int i = 0; i < radios.size(); ++i) {
        if (radios[i]->isChecked())
            return i;
    }
    return 0;
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

void AmortizationPage::btnExtraClick()
{
    if (cellText(1, 0).isEmpty())
        return;
    m_pnlAddExtra->show();
    layOut();
    // The keyboard goes where the user is headed: the panel's chosen kind of extra.
    for (QRadioButton* choice : {m_rbOnePmt, m_rbRangePmts, m_rbAllPmts}) {
        if (choice->isChecked())
            choice->setFocus(Qt::TabFocusReason);
    }
}

void AmortizationPage::updateChoice()
{
    const bool all = m_rbAllPmts->isChecked();
    const bool range = m_rbRangePmts->isChecked();
    QLineEdit* from = m_fields.edit(kFromPmt);
    // The field keeps its declared name; for one payment its description says so.
    if (m_rbOnePmt->isChecked()) {
        m_lblFromPmt->setText(QStringLiteral("          Payment #"));
        m_fields.describeState(kFromPmt, plainCaption(m_rbOnePmt->text()));
    } else if (range) {
        m_lblFromPmt->setText(QLatin1String(m_fields.spec(kFromPmt).caption));
        m_fields.describeState(kFromPmt, {});
    }
    m_lblFromPmt->setEnabled(!all);
    from->setEnabled(!all);
    m_lblToPmt->setEnabled(range);
    m_fields.edit(kToPmt)->setEnabled(range);
}

bool AmortizationPage::adjustableChosen() const { return checkedIndex(m_rgRateType) == 1; }

// The terms show for an adjustable rate only; of the index fields, those the path reads.
void AmortizationPage::updateArmPath()
{
    const bool adjustable = adjustableChosen();
    m_pnlArm->setVisible(adjustable);
    m_pnlArm->setEnabled(adjustable);
    const auto path = static_cast<TIndexPath>(checkedIndex(m_rgArmPath));
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
    in.path = static_cast<TIndexPath>(checkedIndex(m_rgArmPath));
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

void AmortizationPage::rbOnePmtClick() { updateChoice(); }
void AmortizationPage::rbRangePmtsClick() { updateChoice(); }
void AmortizationPage::rbAllPmtsClick() { updateChoice(); }

int AmortizationPage::paymentNumber(FieldName field, const QString& fieldName) const
{
    bool ok = false;
    const int number = m_fields.edit(field)->text().trimmed().toInt(&ok);
    if (!ok) {
        toolkit::showMessage(
            const_cast<AmortizationPage*>(this),
            QStringLiteral("Please enter a whole payment number in %1.").arg(fieldName));
        throw std::invalid_argument("payment number");
    }
    return number;
}

void AmortizationPage::btnRecalcExtraClick()
{
    if (!m_pnlAddExtra->isVisible())
        return;
    const QString amountText = m_fields.edit(kExtraAmount)->text();
    const auto amount = toolkit::ParseMoneyText(amountText, toolkit::moneyLocale());
    if (!amount) {
        toolkit::showMessage(
            this, QStringLiteral("'%1' is not a valid amount for Amount.").arg(amountText));
        return;
    }
    CheckAmount(*amount, "Amount");
    TMortgage& mortgage = m_mortgage;
    ExtraResult result = ExtraResult::Applied;
    try {
        if (m_rbOnePmt->isChecked()) {
            const int first = paymentNumber(kFromPmt, QStringLiteral("Payment #"));
            result = mortgage.SetExtraPayment(first, *amount);
        } else if (m_rbRangePmts->isChecked()) {
            for (const FieldSpec& name : {kFromPmt, kToPmt})
                if (m_fields.edit(name)->text().isEmpty())
                    m_fields.edit(name)->setText(QStringLiteral("0"));
            const int first = paymentNumber(kFromPmt, QStringLiteral("From Payment #"));
            const int last = paymentNumber(kToPmt, QStringLiteral("To Payment #"));
            result = mortgage.SetExtraRange(first, last, *amount);
        } else {
            mortgage.SetExtraFrom(1, *amount);
        }
    } catch (const std::invalid_argument&) {
        return; // already reported, nothing changed
    }
    if (result == ExtraResult::OutOfRange)
        toolkit::showMessage(this, kExtraMessage);
    ShowSchedule();
    // An extra is dropped from every payment that owes less than it: one larger than the
    // balance everywhere it was asked for changes nothing, which the user must hear.
    if (result == ExtraResult::Applied && *amount > 0 && !m_rbOnePmt->isChecked()) {
        double applied = 0;
        for (const TPayment& row : mortgage.Payments)
            applied += row.ExtraPrincipal;
        if (applied == 0)
            toolkit::showMessage(
                this, QStringLiteral("An extra payment of %1 is more than the loan owes at "
                                     "the payments chosen, so none was added.\n\n"
                                     "Please enter a smaller amount.")
                          .arg(toolkit::formatCurrency(*amount, 2)));
    }
}

namespace {
const QString kExtraPayments = QStringLiteral("extraPayments");
}

void AmortizationPage::addOwnInputs(PageInputs& out) const
{
    // Without its trailing zeros: a loan without extras holds an empty list.
    std::vector<double> extras = m_mortgage.ExtrasAsked();
    while (!extras.empty() && extras.back() == 0)
        extras.pop_back();
    out.lists[kExtraPayments] = std::move(extras);
}

void AmortizationPage::checkOwnInputs(const PageInputs& in) const
{
    const auto it = in.lists.find(kExtraPayments);
    if (it == in.lists.end())
        return;
    if (it->second.size() > static_cast<std::size_t>(kMaxPayments))
        throw std::invalid_argument("more extra payments than a schedule has payments");
    for (const double extra : it->second) {
        if (!(extra >= 0 && extra <= kMaxAmount))
            throw std::invalid_argument("an extra payment must be an amount from 0");
    }
}

void AmortizationPage::putLists(const std::map<QString, std::vector<double>>& lists)
{
    const auto it = lists.find(kExtraPayments);
    if (it == lists.end() || m_mortgage.Payments.empty())
        return;
    if (m_mortgage.SetExtras(it->second) == ExtraResult::OutOfRange)
        toolkit::showMessage(this, kExtraMessage);
    ShowSchedule();
}

void AmortizationPage::btnRemoveClick()
{
    m_mortgage.ClearExtraPayments();
    ShowSchedule();
}

void AmortizationPage::btnPayoffByClick()
{
    const TMortgage& mortgage = m_mortgage;
    if (mortgage.Payments.empty())
        return;
    int target = 0;
    try {
        target = paymentNumber(kPayoffBy, QStringLiteral("Pay off by #"));
    } catch (const std::invalid_argument&) {
        return; // already reported, nothing changed
    }
    const int payoff = calc::PayoffMonthWithoutExtras(mortgage);
    if (target >= payoff) {
        toolkit::showMessage(this, QStringLiteral("No extra payment is needed: the loan is "
                                                  "repaid by payment %1.")
                                       .arg(payoff));
        return;
    }
    CheckWhole(target, 1, mortgage.NumPayments, "Pay off by #");
    const auto extra = calc::LevelExtraForPayoff(mortgage, target);
    if (!extra) {
        toolkit::showMessage(this, QStringLiteral("No level extra payment repays the loan by "
                                                  "payment %1.")
                                       .arg(target));
        return;
    }
    // Put in as a recurring extra, ready for Re-Calculate.
    m_rbAllPmts->setChecked(true);
    updateChoice();
    m_fields.edit(kExtraAmount)->setText(toolkit::moneyLocale().toString(*extra, 'f', 2));
}

void AmortizationPage::CancelBtnClick()
{
    m_pnlAddExtra->hide();
    layOut();
    m_btnAddExtraPayments->setFocus(Qt::OtherFocusReason);
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

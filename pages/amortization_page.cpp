#include "pages/amortization_page.h"

#include "pages/num_edit.h"
#include "pages/page_parts.h"
#include "calculators/amortization.h"
#include "calculators/chart_series.h"
#include "calculators/extras.h"
#include "core/errors.h"
#include "core/finance.h"
#include "core/limits.h"
#include "core/mortgage.h"
#include "core/numtext.h"
#include "toolkit/guarded.h"
#include "toolkit/hints.h"
#include "toolkit/message_box.h"
#include "toolkit/money.h"
#include "toolkit/chart.h"
#include "toolkit/table_fit.h"
#include "toolkit/table_text.h"

#include <QAction>
#include <QClipboard>
#include <QStyledItemDelegate>

#include <QApplication>
#include <QBrush>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace qn::pages {

namespace {

const std::array<int, 7> kWidths = {44, 80, 80, 90, 90, 85, 90};
const std::array<const char*, 7> kHeadings = {"PMT",
                                              "Principal",
                                              "Interest",
                                              "Principal To Date",
                                              "Interest To Date",
                                              "Extra Principal",
                                              "Balance"};
const QString kExtraMessage = QStringLiteral(
    "Cannot calculate results of extra payments without new figures.\n\r\n\r"
    "Please use the edit boxes and radio buttons to\n\r"
    "indicate the amount of your extra payments.");

// The clicked cell looks like the others, as the schedule has always shown it; a selection
// of several cells, to be copied, is shaded.
class ScheduleDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const auto* view = qobject_cast<const QAbstractItemView*>(option->widget);
        if (!view || !(option->state & QStyle::State_Selected))
            return;
        const QItemSelection selection = view->selectionModel()->selection();
        if (selection.size() == 1 && selection.front().width() * selection.front().height() == 1)
            option->state &= ~QStyle::State_Selected;
    }
};

template <typename W>
W* named(W* widget, const char* name, QRect geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

} // namespace

AmortizationModel::AmortizationModel(QObject* parent) : QAbstractTableModel(parent)
{
    m_rows.resize(13);
}

int AmortizationModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int AmortizationModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 7;
}

QVariant AmortizationModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_rows[static_cast<std::size_t>(index.row())]
                     [static_cast<std::size_t>(index.column())];
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        // Column 0 looks like a fixed header column.
        return index.column() == 0 ? QBrush(Qt::lightGray) : QBrush(Qt::white);
    case Qt::ForegroundRole:
        return QBrush(Qt::black);
    default:
        return {};
    }
}

QVariant AmortizationModel::headerData(int section, Qt::Orientation orientation,
                                       int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 7)
        return QLatin1String(kHeadings[static_cast<std::size_t>(section)]);
    return {};
}

void AmortizationModel::setRows(std::vector<Row> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void AmortizationModel::clearCells()
{
    beginResetModel();
    for (Row& row : m_rows)
        row.fill(QString());
    endResetModel();
}

QString AmortizationModel::text(int row, int column) const
{
    if (column < 0 || column >= 7)
        return {};
    if (row == 0)
        return QLatin1String(kHeadings[static_cast<std::size_t>(column)]);
    if (row < 0 || row > static_cast<int>(m_rows.size()))
        return {};
    return m_rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)];
}

AmortizationPage::AmortizationPage(PageHost& host, QWidget* parent) : CalculatorPage(host, parent)
{
    buildControls();
    buildExtraPanel();
    connectHandlers();
}

void AmortizationPage::buildControls()
{
    const char* labels[] = {"Loan Amount", "Interest Rate", "Term in Months", "Monthly Payment"};
    for (int i = 0; i < 4; ++i)
        new QLabel(QLatin1String(labels[i]), this);
    int i = 0;
    for (QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        label->setGeometry(8 + 110 * i++, 4, 105, 18);
    m_edtMortAmt = newMoneyEdit(this, "edtMortAmt", QRect(8, 22, 105, 24));
    m_edtIRate = newNumberEdit(this, "edtIRate", 3, QRect(118, 22, 105, 24));
    m_edtNumPmts = newNumberEdit(this, "edtNumPmts", 0, QRect(228, 22, 105, 24));
    m_edtAmortPayment = newMoneyEdit(this, "edtAmortPayment", QRect(338, 22, 105, 24));
    makeResult(m_edtAmortPayment);
    m_edtMortAmt->setValue(100000);
    m_edtIRate->setValue(7);
    m_edtNumPmts->setValue(360);
    m_edtAmortPayment->setValue(665.3);

    m_btnCalculate = named(new QPushButton(QStringLiteral("Calculate"), this), "btnCalculate",
                           QRect(454, 4, 125, 24));
    m_btnAddExtraPayments = named(new QPushButton(QStringLiteral("Add Extra"), this),
                                  "btnAddExtraPayments", QRect(454, 32, 125, 24));

    m_model = new AmortizationModel(this);
    m_lblExtraSummary = named(new QLabel(this), "lblExtraSummary", QRect(4, 96, 580, 18));
    // The schedule and the chart reach down to the page's bottom edge: see layOut().
    m_chart = makeChartToggle(this, QRect(454, 60, 125, 24), QRect(0, 116, 587, 250));
    m_grdAmortization = named(new QTableView(this), "grdAmortization", QRect(0, 116, 587, 250));
    m_grdAmortization->setModel(m_model);
    m_grdAmortization->setAccessibleName(QStringLiteral("Amortization Schedule"));
    m_grdAmortization->verticalHeader()->hide();
    // Sideways only when figures too wide for the columns at the smallest font widen them.
    m_grdAmortization->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_grdAmortization->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_grdAmortization->setFocusPolicy(Qt::ClickFocus);
    // Cells are selected to be copied: Ctrl+A takes them all.
    m_grdAmortization->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grdAmortization->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grdAmortization->setItemDelegate(new ScheduleDelegate(m_grdAmortization));
    m_grdAmortization->setStyleSheet(QStringLiteral(
        "QTableView::item:selected { background: rgb(204, 228, 247); color: black; }"));
    m_grdAmortization->verticalHeader()->setDefaultSectionSize(18);
    for (int c = 0; c < 7; ++c)
        m_grdAmortization->setColumnWidth(c, kWidths[static_cast<std::size_t>(c)]);

}

void AmortizationPage::layOut()
{
    // The extra-payment panel opens under the buttons, and the summary line and the schedule
    // move down to make room for it, so that it covers nothing.
    constexpr int kPanelTop = 88;
    const int summaryTop = m_pnlAddExtra->isVisible()
                               ? kPanelTop + m_pnlAddExtra->height() + 2 : 96;
    m_lblExtraSummary->move(4, summaryTop);
    m_pnlAddExtra->move(0, kPanelTop);
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
    m_pnlAddExtra = named(new QFrame(this), "pnlAddExtra", QRect(0, 88, 587, 64));
    m_pnlAddExtra->setFrameShape(QFrame::Panel);
    m_pnlAddExtra->setAutoFillBackground(true);
    QFrame* p = m_pnlAddExtra;
    new QLabel(QStringLiteral("Add To"), p);
    p->findChild<QLabel*>()->setGeometry(4, 2, 60, 18);
    m_rbOnePmt = named(new QRadioButton(QStringLiteral("&Single Payment"), p), "rbOnePmt",
                       QRect(4, 20, 130, 20));
    m_rbRangePmts = named(new QRadioButton(QStringLiteral("&Range of Payments"), p),
                          "rbRangePmts", QRect(4, 40, 130, 20));
    m_rbAllPmts = named(new QRadioButton(QStringLiteral("&All Payments"), p), "rbAllPmts",
                        QRect(136, 2, 110, 20));
    m_rbRangePmts->setChecked(true);
    m_lblFromPmt = named(new QLabel(QStringLiteral("From Payment #"), p), "lblFromPmt",
                         QRect(136, 22, 100, 18));
    m_edtFromPmt = named(new QLineEdit(QStringLiteral("0"), p), "edtFromPmt",
                         QRect(236, 20, 50, 20));
    m_lblToPmt = named(new QLabel(QStringLiteral("To Payment #"), p), "lblToPmt",
                       QRect(136, 42, 100, 18));
    m_edtToPmt = named(new QLineEdit(QStringLiteral("0"), p), "edtToPmt",
                       QRect(236, 40, 50, 20));
    auto* amountLabel = new QLabel(QStringLiteral("Amount"), p);
    amountLabel->setGeometry(292, 22, 50, 18);
    m_edtExtraAmount = named(new QLineEdit(QStringLiteral("0.00"), p), "edtExtraAmount",
                             QRect(342, 20, 80, 20));
    // The goal: the level extra on every payment that clears the loan by a payment number.
    QLabel* payoffBy = named(new QLabel(QStringLiteral("Pay off by #"), p), "lblPayoffBy",
                             QRect(292, 42, 52, 18));
    m_edtPayoffBy = named(new QLineEdit(p), "edtPayoffBy", QRect(342, 40, 38, 20));
    // Its label reaches into it, too close for naming by position.
    m_edtPayoffBy->setAccessibleName(payoffBy->text());
    m_btnPayoffBy = named(new QPushButton(QStringLiteral("Find"), p), "btnPayoffBy",
                          QRect(382, 39, 42, 22));
    toolkit::setHint(m_btnPayoffBy,
                     QStringLiteral("Find the extra on every payment that pays the loan off by "
                                    "this payment"));
    m_pnlRemoveExtra = named(new QFrame(p), "pnlRemoveExtra", QRect(428, 2, 155, 60));
    m_pnlRemoveExtra->setProperty("helpContext", 45);
    m_pnlRemoveExtra->setAutoFillBackground(true);
    QPalette white = m_pnlRemoveExtra->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_pnlRemoveExtra->setPalette(white);
    m_btnAddExtra = named(new QPushButton(QStringLiteral("Re-Calculate"), m_pnlRemoveExtra),
                          "btnAddExtra", QRect(2, 2, 75, 26));
    m_btnRemove = named(new QPushButton(QStringLiteral("Remove Extra"), m_pnlRemoveExtra),
                        "btnRemove", QRect(78, 2, 75, 26));
    m_btnCancel = named(new QPushButton(QStringLiteral("Cancel"), m_pnlRemoveExtra),
                        "btnCancel", QRect(40, 31, 75, 26));
    m_pnlAddExtra->hide();
    updateChoice();

    // Tab goes from "Add Extra" through the panel, then on to the chart.
    QWidget* order[] = {m_edtMortAmt,  m_edtIRate,     m_edtNumPmts,  m_btnCalculate,
                        m_btnAddExtraPayments, m_rbOnePmt, m_rbRangePmts, m_rbAllPmts,
                        m_edtFromPmt,  m_edtToPmt,     m_edtExtraAmount, m_edtPayoffBy,
                        m_btnPayoffBy, m_btnAddExtra,  m_btnRemove,   m_btnCancel,
                        m_chart.button};
    for (std::size_t k = 1; k < std::size(order); ++k)
        setTabOrder(order[k - 1], order[k]);
}

void AmortizationPage::connectHandlers()
{
    using toolkit::connectGuarded;
    using P = AmortizationPage;
    connectGuarded(m_btnCalculate, &QPushButton::clicked, this, &P::CalcAmortization);
    connectGuarded(m_btnAddExtraPayments, &QPushButton::clicked, this, &P::btnExtraClick);
    connectGuarded(m_rbOnePmt, &QRadioButton::clicked, this, &P::rbOnePmtClick);
    connectGuarded(m_rbRangePmts, &QRadioButton::clicked, this, &P::rbRangePmtsClick);
    connectGuarded(m_rbAllPmts, &QRadioButton::clicked, this, &P::rbAllPmtsClick);
    connectGuarded(m_btnAddExtra, &QPushButton::clicked, this, &P::btnRecalcExtraClick);
    connectGuarded(m_btnRemove, &QPushButton::clicked, this, &P::btnRemoveClick);
    connectGuarded(m_btnCancel, &QPushButton::clicked, this, &P::CancelBtnClick);
    connectGuarded(m_btnPayoffBy, &QPushButton::clicked, this, &P::btnPayoffByClick);
    // For a spreadsheet: Ctrl+C copies the selected cells (the whole schedule when none
    // is), and the grid's menu also copies the whole schedule with its headings.
    auto action = [this](const QString& caption, QKeySequence keys) {
        auto* a = new QAction(caption, m_grdAmortization);
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WidgetShortcut);
        m_grdAmortization->addAction(a);
        return a;
    };
    QAction* copy = action(QStringLiteral("&Copy"), QKeySequence::Copy);
    QAction* copyTable = action(QStringLiteral("Copy &Table"), {});
    QAction* selectAll = action(QStringLiteral("Select &All"), QKeySequence::SelectAll);
    m_grdAmortization->setContextMenuPolicy(Qt::ActionsContextMenu);
    connectGuarded(copy, &QAction::triggered, this, [this] {
        QApplication::clipboard()->setText(toolkit::TableAsTsv(
            *m_model, m_grdAmortization->selectionModel()->selectedIndexes(), true));
    });
    connectGuarded(copyTable, &QAction::triggered, this, [this] {
        QApplication::clipboard()->setText(toolkit::TableAsTsv(*m_model, {}, true));
    });
    connectGuarded(selectAll, &QAction::triggered, m_grdAmortization,
                   [this] { m_grdAmortization->selectAll(); });
}


void AmortizationPage::enter()
{
    const SettingsValues& s = m_host.settings();
    m_btnAddExtra->setEnabled(true);
    m_edtMortAmt->setValue(s.Loan);
    m_edtIRate->setValue(s.Interest);
    m_edtNumPmts->setValue(s.Term);
    m_edtAmortPayment->setValue(MonthlyPayment(s.Term, s.Interest / 1200, s.Loan));
    m_edtMortAmt->setFocus();
    CalcAmortization();
}

void AmortizationPage::reset() { ResetMortgage(); }

// The failure may have left a half-built schedule; start again from the defaults.
void AmortizationPage::recoverFromArithmeticFailure() { ResetMortgage(); }

QString AmortizationPage::csvText() const
{
    QStringList lines = {toolkit::CsvLine(
        {QStringLiteral("Payment"), QStringLiteral("Principal"), QStringLiteral("Interest"),
         QStringLiteral("Principal To Date"), QStringLiteral("Interest To Date"),
         QStringLiteral("Extra Principal"), QStringLiteral("Balance")})};
    // The grid shows nothing before its first schedule; neither does the file.
    if (!cellText(1, 0).isEmpty()) {
        auto number = [](double v) { return QString::number(v == 0 ? 0.0 : v, 'f', 2); };
        for (const TPayment& row : m_host.mortgage().Payments)
            lines.append(toolkit::CsvLine({QString::number(row.Number), number(row.Principal),
                                           number(row.Interest), number(row.PrincipalToDate),
                                           number(row.InterestToDate),
                                           number(row.ExtraPrincipal), number(row.Balance)}));
    }
    return lines.join(u'\n') + u'\n';
}

QString AmortizationPage::cellText(int row, int column) const
{
    return m_model->text(row, column);
}

int AmortizationPage::gridRowCount() const { return m_model->rowCount() + 1; }

void AmortizationPage::CalcAmortization()
{
    // Figures the schedule cannot be built from are refused, naming the field, before
    // anything changes: ten million payments would be ten million rows.
    const double amount =
        checkedValue(m_edtMortAmt, [](double v) { return CheckAmount(v, "Loan Amount"); });
    const int months = checkedValue(
        m_edtNumPmts, [](double v) { return CheckPaymentCount(v, "Term in Months"); });
    const double rate = m_edtIRate->value();
    m_btnAddExtra->setEnabled(true);
    m_host.setResetEnabled(true);
    m_host.setPrintingEnabled(true);
    m_host.mortgage().Setup(months, amount, rate / 100, 12);
    ShowSchedule();
    acceptEntries();
}

void AmortizationPage::ShowSchedule()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TMortgage& mortgage = m_host.mortgage();
    m_edtAmortPayment->setValue(mortgage.Payment);
    const QLocale locale = toolkit::moneyLocale();
    std::vector<AmortizationModel::Row> rows;
    rows.reserve(mortgage.Payments.size());
    for (const TPayment& payment : mortgage.Payments) {
        const std::array<std::string, 7> texts = FormatPaymentRow(payment);
        AmortizationModel::Row row;
        row[0] = QString::fromStdString(texts[0]);
        for (std::size_t c = 1; c < 7; ++c)
            row[c] = toolkit::formatCurrency(StrToFloat(texts[c]), 2, locale);
        rows.push_back(std::move(row));
    }
    m_model->setRows(std::move(rows));
    updateChart();
    const calc::ExtraSummary summary = calc::SummarizeExtras(mortgage);
    m_lblExtraSummary->setText(
        summary.paymentsSooner > 0 || summary.interestSaved >= 0.005
            ? QString::fromStdString(calc::ExtraSummaryText(
                  summary, toolkit::formatCurrency(summary.interestSaved, 2, locale).toStdString()))
            : QString());
    toolkit::fitTableFont(m_grdAmortization, font(), {kWidths.begin(), kWidths.end()});
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
    if (m_rbOnePmt->isChecked())
        m_lblFromPmt->setText(QStringLiteral("          Payment #"));
    else if (range)
        m_lblFromPmt->setText(QStringLiteral("From Payment #"));
    m_lblFromPmt->setEnabled(!all);
    m_edtFromPmt->setEnabled(!all);
    m_lblToPmt->setEnabled(range);
    m_edtToPmt->setEnabled(range);
}

void AmortizationPage::rbOnePmtClick() { updateChoice(); }
void AmortizationPage::rbRangePmtsClick() { updateChoice(); }
void AmortizationPage::rbAllPmtsClick() { updateChoice(); }

int AmortizationPage::paymentNumber(QLineEdit* field, const QString& fieldName) const
{
    bool ok = false;
    const int number = field->text().trimmed().toInt(&ok);
    if (!ok) {
        toolkit::showMessage(const_cast<AmortizationPage*>(this),
                             QStringLiteral("Please enter a whole payment number in %1.")
                                 .arg(fieldName));
        throw std::invalid_argument("payment number");
    }
    return number;
}

void AmortizationPage::btnRecalcExtraClick()
{
    if (!m_pnlAddExtra->isVisible())
        return;
    const QString amountText = m_edtExtraAmount->text();
    const auto amount = toolkit::ParseMoneyText(amountText, toolkit::moneyLocale());
    if (!amount) {
        toolkit::showMessage(
            this, QStringLiteral("'%1' is not a valid amount for Amount.").arg(amountText));
        return;
    }
    CheckAmount(*amount, "Amount");
    TMortgage& mortgage = m_host.mortgage();
    ExtraResult result = ExtraResult::Applied;
    try {
        if (m_rbOnePmt->isChecked()) {
            const int first = paymentNumber(m_edtFromPmt, QStringLiteral("Payment #"));
            result = mortgage.SetExtraPayment(first, *amount);
        } else if (m_rbRangePmts->isChecked()) {
            for (QLineEdit* field : {m_edtFromPmt, m_edtToPmt})
                if (field->text().isEmpty())
                    field->setText(QStringLiteral("0"));
            const int first = paymentNumber(m_edtFromPmt, QStringLiteral("From Payment #"));
            const int last = paymentNumber(m_edtToPmt, QStringLiteral("To Payment #"));
            result = mortgage.SetExtraRange(first, last, *amount);
        } else {
            mortgage.SetExtraFrom(1, *amount);
        }
    } catch (const std::invalid_argument&) {
        return;  // already reported, nothing changed
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

void AmortizationPage::btnRemoveClick()
{
    m_host.mortgage().ClearExtraPayments();
    ShowSchedule();
}

void AmortizationPage::updateChart()
{
    const TMortgage& loan = m_host.mortgage();
    auto points = [](const std::vector<calc::Point>& from) {
        std::vector<QPointF> out;
        for (const calc::Point& p : from)
            out.emplace_back(p.x, p.y);
        return out;
    };
    toolkit::ChartData balance{QStringLiteral("Balance"), QStringLiteral("Payment number"),
                               {{QStringLiteral("With extra payments"),
                                 points(calc::BalanceByPayment(loan)), false},
                                {QStringLiteral("Without"), points(calc::BalanceWithoutExtras(loan)),
                                 false}},
                               true};
    toolkit::ChartData split{QStringLiteral("Principal and interest by year"), QStringLiteral("Year"),
                             {{QStringLiteral("Principal"), {}, true},
                              {QStringLiteral("Interest"), {}, true}},
                             true};
    for (const calc::YearSplit& y : calc::YearlySplit(loan)) {
        split.series[0].points.emplace_back(y.year, y.principal);
        split.series[1].points.emplace_back(y.year, y.interest);
    }
    m_chart.chart->setCharts({std::move(balance), std::move(split)});
}

void AmortizationPage::btnPayoffByClick()
{
    const TMortgage& mortgage = m_host.mortgage();
    if (mortgage.Payments.empty())
        return;
    int target = 0;
    try {
        target = paymentNumber(m_edtPayoffBy, QStringLiteral("Pay off by #"));
    } catch (const std::invalid_argument&) {
        return;  // already reported, nothing changed
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
    m_edtExtraAmount->setText(toolkit::moneyLocale().toString(*extra, 'f', 2));
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
    m_edtMortAmt->setValue(100000);
    m_edtIRate->setValue(8.75);
    m_edtAmortPayment->setValue(786.7);
    m_edtNumPmts->setValue(360);
    m_model->clearCells();
    QApplication::restoreOverrideCursor();
}

} // namespace qn::pages

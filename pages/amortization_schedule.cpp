#include "pages/amortization_schedule.h"

#include "calculators/amortization.h"
#include "calculators/chart_series.h"
#include "core/mortgage.h"
#include "core/numtext.h"
#include "pages/page_controls.h"
#include "pages/page_parts.h"
#include "toolkit/guarded.h"
#include "toolkit/money.h"
#include "toolkit/table_text.h"

#include <QAction>
#include <QApplication>
#include <QBrush>
#include <QClipboard>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableView>

namespace qn::pages {

namespace {

const std::array<const char*, 7> kHeadings = {
    "PMT",    "Principal", "Interest", "Principal To Date", "Interest To Date", "Extra Principal",
    "Balance"};

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

} // namespace

const std::array<int, 7> AmortizationModel::kWidths = {44, 80, 80, 90, 90, 85, 90};
const std::array<int, 8> AmortizationModel::kRateWidths = {40, 56, 74, 74, 82, 82, 77, 84};

std::vector<int> AmortizationModel::widths() const
{
    if (m_withRate)
        return {kRateWidths.begin(), kRateWidths.end()};
    return {kWidths.begin(), kWidths.end()};
}

QString AmortizationModel::heading(int column) const
{
    if (m_withRate && column == 1)
        return QLatin1String(amort::kRateHeading);
    const int fixed = m_withRate && column > 1 ? column - 1 : column;
    return QLatin1String(kHeadings[static_cast<std::size_t>(fixed)]);
}

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
    return parent.isValid() ? 0 : (m_withRate ? 8 : 7);
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

QVariant AmortizationModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0
        && section < columnCount())
        return heading(section);
    // The payment number heads its row for a screen reader; the view shows no row headers.
    if (orientation == Qt::Vertical && role == Qt::DisplayRole && section >= 0
        && section < rowCount())
        return m_rows[static_cast<std::size_t>(section)][0];
    return {};
}

void AmortizationModel::showSchedule(const TMortgage& loan)
{
    const QLocale locale = toolkit::moneyLocale();
    const bool withRate = loan.Adjustable.has_value();
    const std::size_t first = withRate ? 2 : 1; // where the amounts begin
    std::vector<Row> rows;
    rows.reserve(loan.Payments.size());
    for (const TPayment& payment : loan.Payments) {
        const std::array<std::string, 7> texts = FormatPaymentRow(payment);
        Row row;
        row[0] = QString::fromStdString(texts[0]);
        if (withRate)
            row[1] = QString::fromStdString(FormatPaymentRate(payment));
        for (std::size_t c = 1; c < 7; ++c)
            row[first + c - 1] = toolkit::formatCurrency(StrToFloat(texts[c]), 2, locale);
        rows.push_back(std::move(row));
    }
    beginResetModel();
    m_rows = std::move(rows);
    m_withRate = withRate;
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
    if (column < 0 || column >= columnCount())
        return {};
    if (row == 0)
        return heading(column);
    if (row < 0 || row > static_cast<int>(m_rows.size()))
        return {};
    return m_rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)];
}

QTableView* makeScheduleView(QWidget* parent, const char* name, QRect at, AmortizationModel* model)
{
    auto* view = new QTableView(parent);
    view->setObjectName(QLatin1String(name));
    view->setGeometry(at);
    view->setModel(model);
    view->setAccessibleName(QStringLiteral("Amortization Schedule"));
    view->verticalHeader()->hide();
    // Sideways only when figures too wide for the columns at the smallest font widen them.
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->setFocusPolicy(Qt::ClickFocus);
    // Cells are selected to be copied: Ctrl+A takes them all.
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setItemDelegate(new ScheduleDelegate(view));
    view->setStyleSheet(QStringLiteral(
        "QTableView::item:selected { background: rgb(204, 228, 247); color: black; }"));
    view->verticalHeader()->setDefaultSectionSize(18);
    for (int c = 0; c < 7; ++c)
        view->setColumnWidth(c, AmortizationModel::kWidths[static_cast<std::size_t>(c)]);

    // For a spreadsheet: Ctrl+C copies the selected cells (the whole schedule when none
    // is), and the grid's menu also copies the whole schedule with its headings.
    auto action = [view](const QString& caption, QKeySequence keys) {
        auto* a = new QAction(caption, view);
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WidgetShortcut);
        view->addAction(a);
        return a;
    };
    QAction* copy = action(QStringLiteral("&Copy"), QKeySequence::Copy);
    QAction* copyTable = action(QStringLiteral("Copy &Table"), {});
    QAction* selectAll = action(QStringLiteral("Select &All"), QKeySequence::SelectAll);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    using toolkit::connectGuarded;
    connectGuarded(copy, &QAction::triggered, view, [view, model] {
        QApplication::clipboard()->setText(
            toolkit::TableAsTsv(*model, view->selectionModel()->selectedIndexes(), true));
    });
    connectGuarded(copyTable, &QAction::triggered, view, [model] {
        QApplication::clipboard()->setText(toolkit::TableAsTsv(*model, {}, true));
    });
    connectGuarded(selectAll, &QAction::triggered, view, [view] { view->selectAll(); });
    return view;
}

QString scheduleCsv(std::span<const TPayment> rows, bool withRate)
{
    QStringList heading = {QStringLiteral("Payment"),          QStringLiteral("Principal"),
                           QStringLiteral("Interest"),         QStringLiteral("Principal To Date"),
                           QStringLiteral("Interest To Date"), QStringLiteral("Extra Principal"),
                           QStringLiteral("Balance")};
    if (withRate)
        heading.insert(1, QLatin1String(amort::kRateHeading));
    QStringList lines = {toolkit::CsvLine(heading)};
    auto number = [](double v, int decimals = 2) {
        return QString::fromStdString(FixedText(v, decimals));
    };
    for (const TPayment& row : rows) {
        QStringList cells = {QString::number(row.Number), number(row.Principal),
                             number(row.Interest),        number(row.PrincipalToDate),
                             number(row.InterestToDate),  number(row.ExtraPrincipal),
                             number(row.Balance)};
        if (withRate)
            cells.insert(1, number(row.Rate * 100, 3));
        lines.append(toolkit::CsvLine(cells));
    }
    return lines.join(u'\n') + u'\n';
}

std::vector<toolkit::ChartData> scheduleCharts(const TMortgage& loan)
{
    auto points = [](const std::vector<calc::Point>& from) {
        std::vector<QPointF> out;
        for (const calc::Point& p : from)
            out.emplace_back(p.x, p.y);
        return out;
    };
    toolkit::ChartData balance{
        QStringLiteral("Balance"),
        QStringLiteral("Payment number"),
        {{QStringLiteral("With extra payments"), points(calc::BalanceByPayment(loan)), false},
         {QStringLiteral("Without"), points(calc::BalanceWithoutExtras(loan)), false}},
        true};
    if (loan.Adjustable)
        balance.series.push_back({QStringLiteral("Payment (right scale)"),
                                  points(calc::PaymentByPayment(loan)), false, true});
    toolkit::ChartData split =
        pairedChart(QStringLiteral("Principal and interest by year"), QStringLiteral("Year"),
                    {QStringLiteral("Principal"), &calc::YearSplit::principal},
                    {QStringLiteral("Interest"), &calc::YearSplit::interest}, true,
                    calc::YearlySplit(loan), &calc::YearSplit::year);
    return {std::move(balance), std::move(split)};
}

} // namespace qn::pages

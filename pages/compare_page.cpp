#include "pages/compare_page.h"

#include "calculators/truth_in_lending.h"
#include "core/errors.h"
#include "pages/closing_costs_fields.h"
#include "pages/closing_costs_page.h"
#include "pages/page_controls.h"
#include "toolkit/guarded.h"
#include "toolkit/message_box.h"
#include "toolkit/money.h"
#include "toolkit/table_text.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

#include <algorithm>

namespace qn::pages {

namespace {

enum class Shown { Money, Rate, Years };

// A row: what it is called, how it shows, and whether the lowest figure is the best one
// (for a down payment or a term neither more nor less is better in itself).
struct CompareRow {
    const char* caption;
    Shown shown;
    bool lowestBest;
};
constexpr CompareRow kRows[] = {
    {"Purchase Price", Shown::Money, true},
    {"Down Payment", Shown::Money, false},
    {"Loan Amount", Shown::Money, true},
    {"Interest Rate", Shown::Rate, true},
    {"Term (Years)", Shown::Years, false},
    {"Principal & Interest", Shown::Money, true},
    {"Total Monthly Payment", Shown::Money, true},
    {"Cash Required at Closing", Shown::Money, true},
    {"Total Interest", Shown::Money, true},
    {"Total Paid, First 5 Years", Shown::Money, true},
    {"APR", Shown::Rate, true},
};
constexpr std::size_t kRowCount = std::size(kRows);

// The text that marks the best figure of a row, besides its bold type.
const QString kBest = QStringLiteral(" \u2713 best");

// The rows' figures of the closing-cost page as the scenario left it.
std::vector<std::optional<double>> figuresOf(ClosingCostsPage& page)
{
    const PageFields& f = page.fields();
    const calc::EccInputs in = page.currentInputs();
    const calc::EccResults r = calc::CalcEcc(in, page.locks());
    const calc::LendingFigures lending = calc::LendingFiguresOf(in, r);
    const double loan = f.value(ecc::kCLoanAmount);
    std::optional<double> interest;
    if (lending.totalInterestPercent)
        interest = *lending.totalInterestPercent * loan / 100;
    return {f.value(ecc::kCPurchasePrice),
            f.value(ecc::kCDownPayment),
            loan,
            f.value(ecc::kInterest),
            f.value(ecc::kTerm),
            f.value(ecc::kCPandI),
            f.value(ecc::kCMonthlyPayment),
            f.value(ecc::kCCashRequiredToClose),
            interest,
            lending.in5YearsPaid,
            lending.apr};
}

QString shownText(const std::optional<double>& figure, Shown shown)
{
    if (!figure)
        return QStringLiteral("n/a");
    switch (shown) {
    case Shown::Money:
        return toolkit::formatCurrency(*figure, 2);
    case Shown::Rate:
        return QString::number(*figure, 'f', 3) + u'%';
    case Shown::Years:
        return QString::number(*figure, 'f', 0);
    }
    return {};
}

} // namespace

ComparePage::ComparePage(PageHost& host, QWidget* parent) : CalculatorPage(host, parent)
{
    m_model = new QStandardItemModel(static_cast<int>(kRowCount), 1 + cmp::kColumns, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QLatin1String(cmp::kGrdCompare));
    m_grid->setAccessibleName(QStringLiteral("Scenarios compared"));
    m_grid->setModel(m_model);
    m_grid->setGeometry(8, 8, 568, 244);
    m_grid->verticalHeader()->hide();
    // Rows as tall as their text, so that most of the figures show without scrolling.
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setTabKeyNavigation(false); // Tab goes on to the buttons
    m_grid->setColumnWidth(0, 148);
    for (int c = 1; c <= cmp::kColumns; ++c)
        m_grid->setColumnWidth(c, 96); // all four beside the vertical bar
    std::vector<QWidget*> stops{m_grid};
    for (int c = 0; c < cmp::kColumns; ++c) {
        auto* open = new QPushButton(QStringLiteral("Open &%1...").arg(c + 1), this);
        open->setObjectName(QLatin1String(cmp::kBtnCompareOpen) + QString::number(c + 1));
        open->setAccessibleName(QStringLiteral("Open a scenario into column %1").arg(c + 1));
        open->setGeometry(168 + 100 * c, 258, 96, 24);
        toolkit::connectGuarded(open, &QPushButton::clicked, this, [this, c] {
            const QString path =
                QFileDialog::getOpenFileName(this, QStringLiteral("Open Scenario"), QString(),
                                             QStringLiteral("Quennary scenarios (*.qnry)"));
            if (!path.isEmpty())
                openColumn(c, path);
        });
        stops.push_back(open);
    }
    auto* current = new QPushButton(QStringLiteral("C&urrent Scenario"), this);
    current->setObjectName(QLatin1String(cmp::kBtnCompareCurrent));
    current->setGeometry(8, 258, 150, 24);
    toolkit::connectGuarded(current, &QPushButton::clicked, this, [this] { showCurrent(0); });
    auto* clear = new QPushButton(QStringLiteral("C&lear"), this);
    clear->setObjectName(QLatin1String(cmp::kBtnCompareClear));
    clear->setGeometry(8, 286, 150, 24); // above the status bar at any scale
    toolkit::connectGuarded(clear, &QPushButton::clicked, this, [this] { clearColumns(); });
    stops.push_back(current);
    stops.push_back(clear);
    m_fields.setTabOrder(stops);
    showColumns();
}

void ComparePage::enter()
{
    m_host.setPrintingEnabled(true);
    showCurrent(0);
}

void ComparePage::reset() { clearColumns(); }

void ComparePage::clearColumns()
{
    for (auto& column : m_columns)
        column.reset();
    showCurrent(0);
}

void ComparePage::showCurrent(int column)
{
    const QByteArray bytes = m_host.scenarioNow();
    if (bytes.isEmpty()) {
        showColumns();
        return;
    }
    if (!m_shape)
        m_shape = scenarioShape(m_host.settings());
    const ScenarioRead read = readScenario(bytes, *m_shape);
    if (read.scenario) {
        Scenario current = *read.scenario;
        if (current.name.isEmpty())
            current.name = QStringLiteral("Current");
        showScenario(column, current);
    }
}

bool ComparePage::openColumn(int column, const QString& path)
{
    if (!m_shape)
        m_shape = scenarioShape(m_host.settings());
    const ScenarioRead read = readScenarioFile(path, *m_shape);
    if (read.problem)
        toolkit::showMessage(this, scenarioMessage(path, read));
    if (!read.scenario)
        return false;
    Scenario scenario = *read.scenario;
    if (scenario.name.isEmpty())
        scenario.name = scenarioNameOf(path);
    showScenario(column, scenario);
    return true;
}

void ComparePage::showScenario(int column, const Scenario& scenario)
{
    Column shown{scenario.name, {}};
    const auto problem = withScenarioPage(
        scenario, QStringLiteral("ECC"), m_host.settings(), [&shown](CalculatorPage& page) {
            try {
                shown.figures = figuresOf(static_cast<ClosingCostsPage&>(page));
            } catch (const QnError&) {
                shown.figures.clear(); // figures the page refuses compare as none
            }
        });
    if (problem)
        toolkit::showMessage(this, problem->path + QStringLiteral(": ") + problem->what);
    shown.figures.resize(kRowCount);
    m_columns.at(static_cast<std::size_t>(column)) = std::move(shown);
    showColumns();
}

void ComparePage::showColumns()
{
    m_model->setHorizontalHeaderItem(0, new QStandardItem(QString()));
    int shownColumns = 0;
    for (int c = 0; c < cmp::kColumns; ++c) {
        const auto& column = m_columns[static_cast<std::size_t>(c)];
        m_model->setHorizontalHeaderItem(c + 1,
                                         new QStandardItem(column ? column->heading : QString()));
        shownColumns += column ? 1 : 0;
    }
    for (std::size_t r = 0; r < kRowCount; ++r) {
        const int row = static_cast<int>(r);
        m_model->setItem(row, 0, new QStandardItem(QLatin1String(kRows[r].caption)));
        // The lowest figure is marked when there is something to choose between.
        std::optional<double> best;
        bool differ = false;
        for (const auto& column : m_columns) {
            if (!column || !column->figures[r])
                continue;
            const double figure = *column->figures[r];
            if (best && figure != *best)
                differ = true;
            best = best ? std::min(*best, figure) : figure;
        }
        for (int c = 0; c < cmp::kColumns; ++c) {
            const auto& column = m_columns[static_cast<std::size_t>(c)];
            auto* item = new QStandardItem;
            if (column) {
                const std::optional<double>& figure = column->figures[r];
                const bool isBest =
                    kRows[r].lowestBest && shownColumns > 1 && differ && figure && *figure == *best;
                item->setText(shownText(figure, kRows[r].shown) + (isBest ? kBest : QString()));
                QFont font = item->font();
                font.setBold(isBest);
                item->setFont(font);
            }
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_model->setItem(row, c + 1, item);
        }
    }
}

QStringList ComparePage::rowTexts(int row) const
{
    QStringList cells;
    for (int c = 0; c < m_model->columnCount(); ++c)
        cells << (row < 0 ? m_model->horizontalHeaderItem(c)->text()
                          : m_model->item(row, c)->text());
    return cells;
}

QString ComparePage::csvText() const
{
    // Plain numbers, like the other tables; a figure not defined is left empty.
    QString text = toolkit::CsvLine(rowTexts(-1)) + u'\n';
    for (std::size_t r = 0; r < kRowCount; ++r) {
        QStringList cells{QLatin1String(kRows[r].caption)};
        for (const auto& column : m_columns) {
            const std::optional<double> figure = column ? column->figures[r] : std::nullopt;
            cells << (figure ? QString::number(*figure, 'f', kRows[r].shown == Shown::Money ? 2 : 3)
                             : QString());
        }
        text += toolkit::CsvLine(cells) + u'\n';
    }
    return text;
}

} // namespace qn::pages

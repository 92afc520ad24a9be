#include "pages/loan_spread_page.h"

#include "core/numtext.h"

#include "pages/loan_spread_fields.h"
#include "pages/num_edit.h"
#include "pages/page_parts.h"
#include "toolkit/guarded.h"
#include "toolkit/money.h"
#include "toolkit/table_fit.h"
#include "toolkit/table_text.h"
#include "toolkit/widgets.h"

#include <QApplication>
#include <QClipboard>
#include <QShortcut>

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

namespace qn::pages {

using calc::SpreadField;
using calc::SpreadKind;
using calc::StepGroup;

namespace {

constexpr int kFieldLeft = 46;
constexpr int kRowTops[] = {19, 47, 75};
constexpr int kLeftGroup = 251;
constexpr int kRightGroup = 419;
constexpr int kHeaderColumnWidth = 69;
constexpr int kDataColumnWidth = 73;

// The choices are long for the room the page gives them: the group's font steps down from the
// page's until every caption is whole, no lower than the smallest legible size.
void fitChoices(QGroupBox* group, int columns)
{
    const QMargins margins = group->layout()->contentsMargins();
    const int room = (group->contentsRect().width() - margins.left() - margins.right()) / columns;
    QFont font = group->font();
    auto fits = [&] {
        group->setFont(font);
        for (const QRadioButton* radio : group->findChildren<QRadioButton*>()) {
            if (radio->sizeHint().width() > room)
                return false;
        }
        return true;
    };
    while (!fits() && font.pointSizeF() - 0.5 >= toolkit::kSmallestPoint)
        font.setPointSizeF(font.pointSizeF() - 0.5);
}

} // namespace

LoanSpreadPage::LoanSpreadPage(PageHost& host, QWidget* parent) : CalculatorPage(host, parent)
{
    m_btnClosePG = makeButton(this, ls::kBtnClosePG, QStringLiteral("  Menu"),
                              QStringLiteral("Go to Calculator Menu"), QRect(4, 0, 70, 17));
    m_fields.build(this, ls::kFields);
    m_fields.edit(ls::kPayment)->hide();
    const char* rowNames[] = {"lbl1", "lbl2", "lbl3"};
    const char* rowCaptions[] = {"Loan:", "Rate:", "Months:"};
    for (int i = 0; i < 3; ++i) {
        m_rowLabels[static_cast<std::size_t>(i)] =
            makeLabel(this, QLatin1String(rowCaptions[i]), QRect(4, kRowTops[i] + 2, 42, 18));
        m_rowLabels[static_cast<std::size_t>(i)]->setObjectName(QLatin1String(rowNames[i]));
    }

    makeLabel(this, QStringLiteral("Calculate:"), QRect(148, 0, 98, 14))
        ->setObjectName(QStringLiteral("Label16"));
    m_rgCalculate = new QGroupBox(this);
    m_rgCalculate->setObjectName(QLatin1String(ls::kRgCalculate));
    m_rgCalculate->setGeometry(146, 14, 103, 84);
    m_rgCalculate->setAccessibleName(QStringLiteral("Calculate"));
    auto* column = new QVBoxLayout(m_rgCalculate);
    column->setContentsMargins(4, 2, 2, 2);
    column->setSpacing(0);
    for (const char* item : {"PMT (P && I)", "Loan Amount", "Rates", "Term (Months)"}) {
        auto* radio = new QRadioButton(QLatin1String(item), m_rgCalculate);
        column->addWidget(radio);
    }
    m_rgCalculate->findChildren<QRadioButton*>().front()->setChecked(true);
    fitChoices(m_rgCalculate, 1);

    m_lblLeft =
        makeLabel(this, QStringLiteral("Loan Amount Increment:"), QRect(kLeftGroup, 0, 164, 14));
    m_lblLeft->setObjectName(QLatin1String(ls::kLblLeft));
    m_lblRight =
        makeLabel(this, QStringLiteral("Interest Rate Increment:"), QRect(kRightGroup, 0, 164, 14));
    m_lblRight->setObjectName(QLatin1String(ls::kLblRight));
    m_rgLoan = makeGroup(ls::kRgLoan, calc::SpreadSteps(StepGroup::Loan), 3);
    m_rgInterest = makeGroup(ls::kRgInterest, calc::SpreadSteps(StepGroup::Rate), 3);
    m_rgPayments = makeGroup(ls::kRgPayments, calc::SpreadSteps(StepGroup::Payment), 3);
    m_rgLoan->move(kLeftGroup, 13);
    m_rgInterest->move(kRightGroup, 13);
    m_rgPayments->move(kLeftGroup, 13);
    m_rgPayments->hide();

    m_model = new QStandardItemModel(calc::kSpreadRows, calc::kSpreadColumns, this);
    m_grdLS = new QTableView(this);
    m_grdLS->setObjectName(QLatin1String(ls::kGrdLS));
    m_grdLS->setAccessibleName(QStringLiteral("Loan spread table"));
    m_grdLS->setModel(m_model);
    m_grdLS->horizontalHeader()->hide();
    m_grdLS->verticalHeader()->hide();
    m_grdLS->verticalHeader()->setDefaultSectionSize(19);
    // Scroll bars only when figures too wide for the columns at the smallest font widen them.
    m_grdLS->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_grdLS->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_grdLS->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grdLS->setSelectionMode(QAbstractItemView::NoSelection);
    m_grdLS->setFocusPolicy(Qt::NoFocus);
    m_grdLS->setGeometry(4, 100, kHeaderColumnWidth + 7 * kDataColumnWidth + 2, 12 * 19 + 2);
    m_grdLS->setColumnWidth(0, kHeaderColumnWidth);
    for (int c = 1; c < calc::kSpreadColumns; ++c)
        m_grdLS->setColumnWidth(c, kDataColumnWidth);
    m_grdLS->setMouseTracking(true);
    m_grdLS->viewport()->installEventFilter(this);

    auto hidden = [this](const char* name) {
        QLabel* label = makeLabel(this, QStringLiteral(" "), QRect(0, 0, 1, 1));
        label->setObjectName(QLatin1String(name));
        label->hide();
        return label;
    };
    m_loanIncrement = hidden(ls::kLoanIncrementText);
    m_rateIncrement = hidden(ls::kRateIncrementText);
    m_paymentIncrement = hidden(ls::kPaymentIncrementText);

    using toolkit::connectGuarded;
    for (QGroupBox* group : {m_rgCalculate, m_rgLoan, m_rgInterest, m_rgPayments}) {
        for (QRadioButton* radio : group->findChildren<QRadioButton*>())
            connectGuarded(radio, &QRadioButton::clicked, this, &LoanSpreadPage::rgCalculateClick);
    }
    m_fields.connectLeaving(ls::kFields, this, &LoanSpreadPage::ChooseLoanSpreadCalculator);
    connectGuarded(m_btnClosePG, &QPushButton::clicked, this, &LoanSpreadPage::btnClosePGClick);
    // Ctrl+C anywhere on the page but in a field (which copies its own text): the table.
    auto* copy =
        new QShortcut(QKeySequence::Copy, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connectGuarded(copy, &QShortcut::activated, this, [this] {
        QApplication::clipboard()->setText(toolkit::TableAsTsv(*m_model, {}, false));
    });
    applyLayout();
    CleanGrid();
}

QGroupBox* LoanSpreadPage::makeGroup(const char* name, std::span<const calc::SpreadStep> steps,
                                     int chosen)
{
    auto* group = new QGroupBox(this);
    group->setObjectName(QLatin1String(name));
    group->resize(164, 84);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(4, 2, 2, 2);
    grid->setSpacing(0);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        auto* radio = new QRadioButton(QLatin1String(steps[i].caption), group);
        radio->setChecked(static_cast<int>(i) == chosen);
        grid->addWidget(radio, static_cast<int>(i) / 3, static_cast<int>(i) % 3);
    }
    fitChoices(group, 3);
    return group;
}

NumericField* LoanSpreadPage::fieldOf(SpreadField field) const
{
    // In SpreadField's order.
    const FieldSpec* const fields[] = {&ls::kLoan, &ls::kPayment, &ls::kInterest, &ls::kTerm};
    return m_fields.field(*fields[static_cast<std::size_t>(field)]);
}

QGroupBox* LoanSpreadPage::groupOf(StepGroup group) const
{
    // In StepGroup's order.
    QGroupBox* const groups[] = {m_rgLoan, m_rgInterest, m_rgPayments};
    return groups[static_cast<std::size_t>(group)];
}

SpreadKind LoanSpreadPage::kind() const
{
    return static_cast<SpreadKind>(std::max(0, checkedIndex(m_rgCalculate)));
}

calc::SpreadInputs LoanSpreadPage::spreadInputs() const
{
    calc::SpreadInputs in;
    in.kind = kind();
    in.loan = m_fields.value(ls::kLoan);
    in.payment = m_fields.value(ls::kPayment);
    in.interest = m_fields.value(ls::kInterest);
    in.term = m_fields.value(ls::kTerm);
    in.loanItem = checkedIndex(m_rgLoan);
    in.rateItem = checkedIndex(m_rgInterest);
    in.paymentItem = checkedIndex(m_rgPayments);
    return in;
}

void LoanSpreadPage::applyLayout()
{
    const calc::SpreadLayout& layout = calc::LayoutOf(kind());
    // Tab takes the rows top to bottom, then the choices.
    std::vector<QWidget*> order = {m_btnClosePG};
    for (int i = 0; i < 3; ++i) {
        NumericField* f = fieldOf(layout.rows[static_cast<std::size_t>(i)]);
        f->move(kFieldLeft, kRowTops[i]);
        f->show();
        m_rowLabels[static_cast<std::size_t>(i)]->setText(
            QLatin1String(layout.rowCaptions[static_cast<std::size_t>(i)]));
        order.push_back(f);
    }
    NumericField* hiddenField = fieldOf(layout.hiddenField);
    hiddenField->hide();
    order.push_back(hiddenField);
    for (QGroupBox* group : {m_rgCalculate, m_rgLoan, m_rgInterest, m_rgPayments}) {
        for (QRadioButton* radio : group->findChildren<QRadioButton*>())
            order.push_back(radio);
    }
    m_fields.setTabOrder(order);
    QGroupBox* left = groupOf(layout.leftGroup);
    QGroupBox* right = groupOf(layout.rightGroup);
    left->move(kLeftGroup, 13);
    right->move(kRightGroup, 13);
    left->show();
    right->show();
    groupOf(layout.hiddenGroup)->hide();
    m_lblLeft->setText(QLatin1String(layout.leftCaption));
    m_lblRight->setText(QLatin1String(layout.rightCaption));
}

void LoanSpreadPage::rgCalculateClick()
{
    const calc::SpreadGrid previous = m_lastGrid;
    applyLayout();
    if (previous.kind != kind())
        takeCentreOf(previous);
    CleanGrid();
    ChooseLoanSpreadCalculator();
    fieldOf(calc::LayoutOf(kind()).focus)->setFocus();
}

void LoanSpreadPage::takeCentreOf(const calc::SpreadGrid& previous)
{
    // The field the previous table computed is shown now; it starts from what that table
    // gave for the typed figures, not from a figure typed before them.
    const calc::SpreadCell& centre = previous.at(calc::kSpreadCentreColumn, calc::kSpreadCentreRow);
    NumericField* field = fieldOf(calc::LayoutOf(previous.kind).hiddenField);
    switch (centre.format) {
    case calc::CellFormat::MoneyCents:
    case calc::CellFormat::MoneyWhole:
    case calc::CellFormat::RateCell:
        field->setValue(centre.value);
        break;
    case calc::CellFormat::MonthsCell:
        // The payments it takes: a part payment is a payment too.
        field->setValue(std::ceil(centre.value - 1e-6));
        break;
    default:
        break; // no figure: a placeholder, "n/a" or "never"
    }
}

void LoanSpreadPage::showGrid(const calc::SpreadGrid& grid)
{
    const auto money = [](double value, int decimals) {
        return toolkit::formatCurrency(value, decimals).toStdString();
    };
    for (int r = 0; r < calc::kSpreadRows; ++r) {
        for (int c = 0; c < calc::kSpreadColumns; ++c) {
            auto* item = new QStandardItem(
                QString::fromStdString(calc::SpreadCellText(grid.at(c, r), money)));
            item->setTextAlignment(Qt::AlignCenter);
            const bool fixed = r == 0 || c == 0;
            const bool centre = r == calc::kSpreadCentreRow || c == calc::kSpreadCentreColumn;
            item->setBackground(fixed    ? QColor(192, 192, 192)
                                : centre ? QColor(255, 255, 0)
                                         : QColor(Qt::white));
            // The centre cell is the selected one: yellow with red text.
            const bool selected = r == calc::kSpreadCentreRow && c == calc::kSpreadCentreColumn;
            item->setForeground(selected ? QColor(Qt::red) : QColor(Qt::black));
            m_model->setItem(r, c, item);
            // The first row and column head the table for a screen reader too.
            if (r == 0)
                m_model->setHeaderData(c, Qt::Horizontal, item->text());
            if (c == 0)
                m_model->setHeaderData(r, Qt::Vertical, item->text());
        }
    }
    std::vector<int> widths(calc::kSpreadColumns, kDataColumnWidth);
    widths.front() = kHeaderColumnWidth;
    toolkit::fitTableFont(m_grdLS, font(), widths);
}

void LoanSpreadPage::CleanGrid()
{
    m_lastGrid = calc::CleanGrid(kind());
    showGrid(m_lastGrid);
}

QString LoanSpreadPage::csvText() const
{
    using calc::CellFormat;
    QStringList lines;
    for (int r = 0; r < calc::kSpreadRows; ++r) {
        QStringList fields;
        for (int c = 0; c < calc::kSpreadColumns; ++c) {
            const calc::SpreadCell& cell = m_lastGrid.at(c, r);
            switch (cell.format) {
            case CellFormat::Text:
            case CellFormat::NotApplicable:
            case CellFormat::Never:
                fields.append(QString::fromStdString(calc::SpreadCellText(cell, {})).trimmed());
                break;
            default:
                // Plain numbers; the value before the display rounds it.
                fields.append(QString::fromStdString(
                    GeneralText(cell.value, 15, ExponentForm::Printf, Halves::ToEven)));
                break;
            }
        }
        lines.append(toolkit::CsvLine(fields));
    }
    return lines.join(u'\n') + u'\n';
}

void LoanSpreadPage::ChooseLoanSpreadCalculator()
{
    m_host.setPrintingEnabled(true);
    const calc::SpreadGrid grid = calc::BuildSpread(spreadInputs(), m_increments);
    m_increments = grid.increments;
    m_lastGrid = grid;
    m_loanIncrement->setText(QString::fromStdString(m_increments.loan));
    m_rateIncrement->setText(QString::fromStdString(m_increments.rate));
    m_paymentIncrement->setText(QString::fromStdString(m_increments.payment));
    showGrid(grid);
}

void LoanSpreadPage::enter()
{
    m_fields.loadSettings(ls::kFields, m_host.settings());
    ChooseLoanSpreadCalculator();
    m_fields.edit(kind() == SpreadKind::LoanAmount ? ls::kPayment : ls::kLoan)->setFocus();
}

void LoanSpreadPage::recoverFromArithmeticFailure()
{
    const calc::SpreadInputs restored = calc::RestoredSpreadInputs(spreadInputs());
    m_fields.setValue(ls::kLoan, restored.loan);
    m_fields.setValue(ls::kPayment, restored.payment);
    m_fields.setValue(ls::kInterest, restored.interest);
    m_fields.setValue(ls::kTerm, restored.term);
    CleanGrid();
    ChooseLoanSpreadCalculator();
    fieldOf(calc::LayoutOf(kind()).focus)->setFocus();
}

void LoanSpreadPage::reset() { recoverFromArithmeticFailure(); }

void LoanSpreadPage::btnClosePGClick() { m_host.closeCalculators(); }

bool LoanSpreadPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_grdLS->viewport() && event->type() == QEvent::MouseMove)
        m_host.showHint(QLatin1String(calc::LayoutOf(kind()).hint));
    else if (watched == m_grdLS->viewport() && event->type() == QEvent::Leave)
        m_host.showHint(QString());
    return CalculatorPage::eventFilter(watched, event);
}

} // namespace qn::pages

#pragma once

#include "toolkit/chart.h"

#include <QAbstractTableModel>
#include <QRect>
#include <QString>

#include <array>
#include <span>
#include <vector>

class QTableView;
class QWidget;

namespace qn {
class TMortgage;
struct TPayment;
} // namespace qn

namespace qn::pages {

// The schedule texts: row 0 of the grid is the heading row, kept by the view's header.
class AmortizationModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using Row = std::array<QString, 7>;
    explicit AmortizationModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // A row of texts for each payment of the loan, money in the locale's currency.
    void showSchedule(const TMortgage& loan);
    void clearCells();                       // keeps the row count
    QString text(int row, int column) const; // row 0 = headings

    // The columns' widths at the page's own font.
    static const std::array<int, 7> kWidths;

private:
    std::vector<Row> m_rows;
};

// The schedule's grid over the model: cells selected to be copied, Ctrl+C and the grid's
// menu copying them for a spreadsheet.
QTableView* makeScheduleView(QWidget* parent, const char* name, QRect at, AmortizationModel* model);

// The schedule as CSV: a heading row, then the rows in plain numbers.
QString scheduleCsv(std::span<const TPayment> rows);

// The balance with and without the extra payments, and each year's principal and interest.
std::vector<toolkit::ChartData> scheduleCharts(const TMortgage& loan);

} // namespace qn::pages

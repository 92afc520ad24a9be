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

// The schedule texts: row 0 of the grid is the heading row, kept by the view's header. An
// adjustable rate adds the column of rates after the payment number.
class AmortizationModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using Row = std::array<QString, 8>;
    explicit AmortizationModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // A row of texts for each payment of the loan, money in the locale's currency.
    void showSchedule(const TMortgage& loan);
    void clearCells();                       // keeps the row count
    QString text(int row, int column) const; // row 0 = headings

    // The columns' widths at the page's own font: seven for a fixed rate, eight with the
    // rates, which together take no more room.
    static const std::array<int, 7> kWidths;
    static const std::array<int, 8> kRateWidths;
    std::vector<int> widths() const;

private:
    QString heading(int column) const;

    std::vector<Row> m_rows;
    bool m_withRate = false;
};

// The schedule's grid over the model: cells selected to be copied, Ctrl+C and the grid's
// menu copying them for a spreadsheet.
QTableView* makeScheduleView(QWidget* parent, const char* name, QRect at, AmortizationModel* model);

// The schedule as CSV: a heading row, then the rows in plain numbers; the rate (in percent)
// after the payment number when asked for.
QString scheduleCsv(std::span<const TPayment> rows, bool withRate = false);

// The balance with and without the extra payments (and an adjustable rate's payment), and
// each year's principal and interest.
std::vector<toolkit::ChartData> scheduleCharts(const TMortgage& loan);

} // namespace qn::pages

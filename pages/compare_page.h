#pragma once

#include "pages/calculator_page.h"
#include "pages/scenario.h"

#include <QStringList>

#include <array>
#include <optional>

class QStandardItemModel;
class QTableView;

namespace qn::pages {

// Up to four scenarios side by side: the figures of their closing-cost pages, computed
// afresh, the best of each row marked.
class ComparePage : public CalculatorPage {
    Q_OBJECT
public:
    explicit ComparePage(PageHost& host, QWidget* parent = nullptr);

    void enter() override;
    void reset() override;
    bool canExport() const override { return true; }
    QString csvText() const override;

    // Column from 0. False when the file cannot be read (a message says why); a file read
    // with a problem is shown, and the problem named.
    bool openColumn(int column, const QString& path);
    void showCurrent(int column);
    void clearColumns();

private:
    void computeFromInputs() override { showColumns(); }
    void showScenario(int column, const Scenario& scenario);
    void showColumns();
    QStringList rowTexts(int row) const;

    // One column's figures, by row; none where a figure is not defined.
    struct Column {
        QString heading;
        std::vector<std::optional<double>> figures;
    };
    std::array<std::optional<Column>, 4> m_columns;
    std::optional<ScenarioShape> m_shape;
    QTableView* m_grid = nullptr;
    QStandardItemModel* m_model = nullptr;
};

} // namespace qn::pages

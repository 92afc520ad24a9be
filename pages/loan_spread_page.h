#pragma once

#include "calculators/loan_spread.h"
#include "pages/calculator_page.h"

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;

namespace qn::pages {

class NumericField;

// One loan quantity over a spread of two others around the typed centre values.
class LoanSpreadPage : public CalculatorPage {
    Q_OBJECT
public:
    explicit LoanSpreadPage(PageHost& host, QWidget* parent = nullptr);

    void enter() override;
    void reset() override;
    void recoverFromArithmeticFailure() override;
    bool canExport() const override { return true; }
    QString csvText() const override;

private slots:
    void rgCalculateClick();
    void ChooseLoanSpreadCalculator();
    void CleanGrid();
    void btnClosePGClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void computeFromInputs() override { ChooseLoanSpreadCalculator(); }
    QGroupBox* makeGroup(const char* name, std::span<const calc::SpreadStep> steps, int chosen);
    NumericField* fieldOf(calc::SpreadField field) const;
    QGroupBox* groupOf(calc::StepGroup group) const;
    calc::SpreadKind kind() const;
    calc::SpreadInputs spreadInputs() const;
    void showGrid(const calc::SpreadGrid& grid);
    void applyLayout();
    // After a change of kind: the field the previous kind computed takes its centre cell.
    void takeCentreOf(const calc::SpreadGrid& previous);

    QPushButton* m_btnClosePG = nullptr;
    std::array<QLabel*, 3> m_rowLabels{};
    QLabel* m_lblLeft = nullptr;
    QLabel* m_lblRight = nullptr;
    QGroupBox* m_rgCalculate = nullptr;
    QGroupBox* m_rgLoan = nullptr;
    QGroupBox* m_rgInterest = nullptr;
    QGroupBox* m_rgPayments = nullptr;
    QTableView* m_grdLS = nullptr;
    QStandardItemModel* m_model = nullptr;
    // The step captions last used on each axis, kept in labels for the printed chart.
    QLabel* m_loanIncrement = nullptr;
    QLabel* m_rateIncrement = nullptr;
    QLabel* m_paymentIncrement = nullptr;
    calc::IncrementTexts m_increments;
    calc::SpreadGrid m_lastGrid; // what the grid shows, as values
};

} // namespace qn::pages

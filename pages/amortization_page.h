#pragma once

#include "pages/calculator_page.h"
#include "pages/page_parts.h"

#include <QAbstractTableModel>

#include <array>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace qn::pages {

class TNumEdit;
class TFnpNumericEdit;

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

    void setRows(std::vector<Row> rows);
    void clearCells();  // keeps the row count
    QString text(int row, int column) const;  // row 0 = headings

private:
    std::vector<Row> m_rows;
};

class AmortizationPage : public CalculatorPage {
    Q_OBJECT
public:
    explicit AmortizationPage(PageHost& host, QWidget* parent = nullptr);

    void enter() override;
    void reset() override;
    void recoverFromArithmeticFailure() override;
    bool canExport() const override { return true; }
    QString csvText() const override;

    QString cellText(int row, int column) const;
    int gridRowCount() const;  // including the heading row

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void CalcAmortization();
    void ShowSchedule();
    void btnExtraClick();
    void rbOnePmtClick();
    void rbRangePmtsClick();
    void rbAllPmtsClick();
    void btnRecalcExtraClick();
    void btnRemoveClick();
    void CancelBtnClick();
    void btnPayoffByClick();
    void updateChart();
    void ResetMortgage();

private:
    void computeFromInputs() override { CalcAmortization(); }
    void buildControls();
    void buildExtraPanel();
    void layOut();
    void connectHandlers();
    void updateChoice();
    int paymentNumber(QLineEdit* field, const QString& fieldName) const;

    TNumEdit* m_edtMortAmt = nullptr;
    TFnpNumericEdit* m_edtIRate = nullptr;
    TFnpNumericEdit* m_edtNumPmts = nullptr;
    TNumEdit* m_edtAmortPayment = nullptr;
    QPushButton* m_btnCalculate = nullptr;
    QPushButton* m_btnAddExtraPayments = nullptr;
    QFrame* m_pnlAddExtra = nullptr;
    QRadioButton* m_rbOnePmt = nullptr;
    QRadioButton* m_rbRangePmts = nullptr;
    QRadioButton* m_rbAllPmts = nullptr;
    QLabel* m_lblFromPmt = nullptr;
    QLabel* m_lblToPmt = nullptr;
    QLineEdit* m_edtFromPmt = nullptr;
    QLineEdit* m_edtToPmt = nullptr;
    QLineEdit* m_edtExtraAmount = nullptr;
    QFrame* m_pnlRemoveExtra = nullptr;
    QPushButton* m_btnAddExtra = nullptr;
    QPushButton* m_btnRemove = nullptr;
    QPushButton* m_btnCancel = nullptr;
    QTableView* m_grdAmortization = nullptr;
    QLabel* m_lblExtraSummary = nullptr;
    QLineEdit* m_edtPayoffBy = nullptr;
    QPushButton* m_btnPayoffBy = nullptr;
    ChartToggle m_chart;
    AmortizationModel* m_model = nullptr;
};

} // namespace qn::pages

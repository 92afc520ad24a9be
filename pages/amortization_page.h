#pragma once

#include "core/mortgage.h"
#include "pages/calculator_page.h"
#include "pages/page_parts.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace qn::pages {

class AmortizationModel;

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
    int gridRowCount() const; // including the heading row

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
    void ResetMortgage();
    void rgRateTypeClick();

private:
    void computeFromInputs() override { CalcAmortization(); }
    void addOwnInputs(PageInputs& out) const override;
    void checkOwnInputs(const PageInputs& in) const override;
    void putLists(const std::map<QString, std::vector<double>>& lists) override;
    void buildControls();
    void buildExtraPanel();
    void buildArmPanel();
    void layOut();
    void connectHandlers();
    void updateChoice();
    void updateArmPath();
    int paymentNumber(FieldName field, const QString& fieldName) const;
    bool adjustableChosen() const;
    // The adjustable terms from their fields, checked against the loan; a refusal names the
    // field and sends the focus back to it.
    TAdjustableRate armTerms(int months, double ratePercent) const;

    QPushButton* m_btnCalculate = nullptr;
    QPushButton* m_btnAddExtraPayments = nullptr;
    QFrame* m_pnlAddExtra = nullptr;
    QRadioButton* m_rbOnePmt = nullptr;
    QRadioButton* m_rbRangePmts = nullptr;
    QRadioButton* m_rbAllPmts = nullptr;
    QLabel* m_lblFromPmt = nullptr;
    QLabel* m_lblToPmt = nullptr;
    QFrame* m_pnlRemoveExtra = nullptr;
    QPushButton* m_btnAddExtra = nullptr;
    QPushButton* m_btnRemove = nullptr;
    QPushButton* m_btnCancel = nullptr;
    QTableView* m_grdAmortization = nullptr;
    QLabel* m_lblExtraSummary = nullptr;
    QPushButton* m_btnPayoffBy = nullptr;
    QWidget* m_rgRateType = nullptr;
    QFrame* m_pnlArm = nullptr;
    QWidget* m_rgArmPath = nullptr;
    QLabel* m_lblArmSummary = nullptr;
    ChartToggle m_chart;
    AmortizationModel* m_model = nullptr;
    TMortgage m_mortgage; // the schedule shown
};

} // namespace qn::pages

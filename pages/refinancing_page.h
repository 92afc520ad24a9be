#pragma once

#include "pages/calculator_page.h"
#include "pages/page_parts.h"

namespace qn::calc {
struct RefiResults;
}

class QFrame;
class QLabel;
class QPushButton;

namespace qn::pages {

// Keeping the current loan against a new one held until the home is sold, with an
// itemised closing-cost panel.
class RefinancingPage : public CalculatorPage {
    Q_OBJECT
public:
    explicit RefinancingPage(PageHost& host, QWidget* parent = nullptr);

    void enter() override;
    void reset() override;

private slots:
    void CalcRefi();
    void CalcClosingCosts();
    void btnCalcFeesClick();
    void BtnCloseClosingCostsClick();
    void BtnClearClosingCostsClick();

private:
    void computeFromInputs() override;
    double panelTotal() const;
    void buildPanel();
    void showStartingValues();
    void showResults(const calc::RefiResults& r);

    QLabel* m_lblSell = nullptr;
    QLabel* m_lblBreakEven = nullptr;
    QFrame* m_pnlClosingCosts = nullptr;
    QPushButton* m_btnCalcFees = nullptr;
    ChartToggle m_chart;
};

} // namespace qn::pages

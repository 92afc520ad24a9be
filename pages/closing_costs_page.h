#pragma once

#include "calculators/closing_costs.h"
#include "calculators/truth_in_lending.h"
#include "pages/calculator_page.h"

class QPushButton;
class QToolButton;

namespace qn::pages {

class ClosingCostPanel;
class EscrowPanel;
class LoanCostPanel;

// The whole purchase estimate: the three amounts solved by their locks, the monthly
// payment and ratios, and, on three panels over the page, the itemised closing costs, the
// prepaids and escrows with the cash required at closing, and the APR and loan costs.
class ClosingCostsPage : public CalculatorPage {
    Q_OBJECT
public:
    explicit ClosingCostsPage(PageHost& host, QWidget* parent = nullptr);

    void enter() override;
    void reset() override;

    const calc::EccLocks& locks() const { return m_locks; }
    // What the page's computation reads now (for figures worked out from the same inputs).
    calc::EccInputs currentInputs() const { return readInputs(); }

private slots:
    void CalcECC();
    void btnLockPurchasePriceClick();
    void btnUnlockPurchasePriceClick();
    void btnLockDownPaymentClick();
    void btnUnlockDownPaymentClick();
    void btnLockLoanAmountClick();
    void btnUnlockLoanAmountClick();
    void BtnCalcClosingClick();
    void BtnClosePnlClosingClick();
    void BtnCalcEscrowsClick();
    void BtnClosePnlEscrowClick();
    void BtnCalcLoanCostsClick();
    void BtnClosePnlLoanCostsClick();

private:
    void computeFromInputs() override { CalcECC(); }
    void addOwnInputs(PageInputs& out) const override;
    void checkOwnInputs(const PageInputs& in) const override;
    void putSwitches(const std::map<QString, bool>& switches) override;
    void buildControls();
    void buildLocks();
    void connectHandlers();
    void loadStartingValues();
    calc::EccInputs readInputs() const;
    void showInputs(const calc::EccInputs& in);
    void writeResults(const calc::EccResults& r);
    void writeLoanCosts(const calc::LendingFigures& l);
    // The look of the three amounts and of the fields that depend on the lock state.
    void showLocks();
    // Locking any amount: income and debt come back only when all three are locked.
    void afterLocking();
    void setPanelButtonsEnabled(bool on);

    // Kept for the life of the page, across page changes; only the buttons and Reset
    // change it.
    calc::EccLocks m_locks;

    QPushButton* m_btnCalcClosing = nullptr;
    QPushButton* m_btnCalcEscrows = nullptr;
    QPushButton* m_btnCalcLoanCosts = nullptr;
    QToolButton* m_btnLockPurchasePrice = nullptr;
    QToolButton* m_btnUnlockPurchasePrice = nullptr;
    QToolButton* m_btnLockDownPayment = nullptr;
    QToolButton* m_btnUnlockDownPayment = nullptr;
    QToolButton* m_btnLockLoanAmount = nullptr;
    QToolButton* m_btnUnlockLoanAmount = nullptr;
    ClosingCostPanel* m_pnlClosing = nullptr;
    EscrowPanel* m_pnlEscrow = nullptr;
    LoanCostPanel* m_pnlLoanCosts = nullptr;
};

} // namespace qn::pages

#pragma once

#include "calculators/closing_costs.h"
#include "pages/calculator_page.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace qn::pages {

class NumericField;
class TNumEdit;
class TFnpNumericEdit;

// The whole purchase estimate: the three amounts solved by their locks, the monthly
// payment and ratios, and, on two panels over the page, the itemised closing costs and the
// prepaids and escrows with the cash required at closing.
class ClosingCostsPage : public CalculatorPage {
    Q_OBJECT
public:
    explicit ClosingCostsPage(PageHost& host, QWidget* parent = nullptr);

    void enter() override;
    void reset() override;

    const calc::EccLocks& locks() const { return m_locks; }

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
    void btnClosePnlClosingExit();
    void btnClosePnlEscrowExit();

private:
    void computeFromInputs() override { CalcECC(); }
    void buildControls();
    void buildClosingPanel();
    void buildEscrowPanel();
    void connectHandlers();
    void loadStartingValues();
    void loadFees();
    calc::EccInputs readInputs() const;
    void writeResults(const calc::EccResults& r);
    // The look of the three amounts and of the fields that depend on the lock state.
    void showLocks();
    // Locking any amount: income and debt come back only when all three are locked.
    void afterLocking();
    void setPanelButtonsEnabled(bool on);

    // Kept for the life of the page, across page changes; only the buttons and Reset
    // change it.
    calc::EccLocks m_locks;

    TNumEdit* m_edtEccIncome = nullptr;
    TNumEdit* m_edtEccDebt = nullptr;
    TFnpNumericEdit* m_edtEccInterest = nullptr;
    TFnpNumericEdit* m_edtEccOriginationPoints = nullptr;
    TFnpNumericEdit* m_edtEccDiscountPoints = nullptr;
    TFnpNumericEdit* m_edtEccTerm = nullptr;
    TFnpNumericEdit* m_edtEccDownPaymentPercent = nullptr;
    TNumEdit* m_edtEccTax = nullptr;
    TNumEdit* m_edtEccInsurance = nullptr;
    TNumEdit* m_edtEccAssociationFee = nullptr;
    TFnpNumericEdit* m_edtEccHousingRatio = nullptr;
    TFnpNumericEdit* m_edtEccDebtRatio = nullptr;

    TNumEdit* m_edtEccCPurchasePrice = nullptr;
    TNumEdit* m_edtEccCDownPayment = nullptr;
    TNumEdit* m_edtEccCLoanAmount = nullptr;
    TNumEdit* m_edtEccCPandI = nullptr;
    TNumEdit* m_edtEccCMonthlyTax = nullptr;
    TNumEdit* m_edtEccCMonthlyInsurance = nullptr;
    TNumEdit* m_edtEccCpmi = nullptr;
    TNumEdit* m_edtEccCMonthlyPayment = nullptr;
    TNumEdit* m_edtEccCClosingCosts = nullptr;
    TNumEdit* m_edtEccCEscrows = nullptr;
    TFnpNumericEdit* m_edtEccCHousingRatio = nullptr;
    TFnpNumericEdit* m_edtEccCDebtRatio = nullptr;
    TNumEdit* m_edtEccCCashRequiredToClose = nullptr;

    QPushButton* m_btnCalcClosing = nullptr;
    QPushButton* m_btnCalcEscrows = nullptr;
    QToolButton* m_btnLockPurchasePrice = nullptr;
    QToolButton* m_btnUnlockPurchasePrice = nullptr;
    QToolButton* m_btnLockDownPayment = nullptr;
    QToolButton* m_btnUnlockDownPayment = nullptr;
    QToolButton* m_btnLockLoanAmount = nullptr;
    QToolButton* m_btnUnlockLoanAmount = nullptr;

    QFrame* m_pnlClosing = nullptr;
    TNumEdit* m_edtOriginationFee = nullptr;
    TNumEdit* m_edtLOF = nullptr;
    TNumEdit* m_edtAF = nullptr;
    TNumEdit* m_edtCR = nullptr;
    TNumEdit* m_edtTSF = nullptr;
    TNumEdit* m_edtLPF = nullptr;
    TNumEdit* m_edtTIF = nullptr;
    TNumEdit* m_edtTS = nullptr;
    TNumEdit* m_edtSTT = nullptr;
    TNumEdit* m_edtRF = nullptr;
    TNumEdit* m_edtClosingPMI = nullptr;
    TNumEdit* m_edtOF = nullptr;
    TNumEdit* m_edtSellerPaid = nullptr;
    QPushButton* m_btnClosePnlClosing = nullptr;

    QFrame* m_pnlEscrow = nullptr;
    TNumEdit* m_edtII = nullptr;
    TFnpNumericEdit* m_edtIIDays = nullptr;
    TNumEdit* m_edtPTI = nullptr;
    TFnpNumericEdit* m_edtPTIMonths = nullptr;
    TNumEdit* m_edtHOIP = nullptr;
    TFnpNumericEdit* m_edtHOIPMonths = nullptr;
    TNumEdit* m_edtHOII = nullptr;
    TFnpNumericEdit* m_edtHOIIMonths = nullptr;
    TNumEdit* m_edtPMII = nullptr;
    TFnpNumericEdit* m_edtPMIIMonths = nullptr;
    TFnpNumericEdit* m_edtPMIPercent = nullptr;
    QPushButton* m_btnClosePnlEscrow = nullptr;
};

} // namespace qn::pages

#pragma once

#include "app/calculator_page.h"

namespace qn::app {

class TNumEdit;
class TFnpNumericEdit;

class BiweeklyPage : public CalculatorPage {
    Q_OBJECT
public:
    explicit BiweeklyPage(TfrmMain& main, QWidget* parent = nullptr);

    QString pageName() const override { return QStringLiteral("BW"); }
    int helpContext() const override { return 100; }
    NavigationRow navigationRow() const override;
    void enter() override;
    void reset() override;

private slots:
    void CalcBW();

private:
    void buildControls();
    void connectHandlers();
    void loadStartingValues();

    TNumEdit* m_edtMortgageAmount = nullptr;
    TFnpNumericEdit* m_edtMortgageInterest = nullptr;
    TFnpNumericEdit* m_edtMortgagePeriods = nullptr;
    TNumEdit* m_edtMortgagePayments = nullptr;
    TNumEdit* m_edtMortgageTotalPaid = nullptr;
    TNumEdit* m_edtMortgageCostOfLoan = nullptr;
    TNumEdit* m_edtMortgageHalfPayments = nullptr;
    TNumEdit* m_edtMortgageHalfTotalPaid = nullptr;
    TNumEdit* m_edtMortgageHalfCostOfLoan = nullptr;
    TFnpNumericEdit* m_edtTimeSavedMonths = nullptr;
    TFnpNumericEdit* m_edtTimeSavedYears = nullptr;
    TNumEdit* m_edtInterestSaved = nullptr;
};

} // namespace qn::app

#pragma once

#include "pages/calculator_page.h"
#include "pages/page_parts.h"

namespace qn::pages {

class TNumEdit;
class TFnpNumericEdit;

class BiweeklyPage : public CalculatorPage {
    Q_OBJECT
public:
    explicit BiweeklyPage(PageHost& host, QWidget* parent = nullptr);

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
    ChartToggle m_chart;
};

} // namespace qn::pages

#pragma once

#include "pages/calculator_page.h"
#include "pages/page_parts.h"

#include <vector>

namespace qn::pages {

class NumericField;

// Renting and investing the down payment against buying the house the rent would pay for.
class RentVsBuyPage : public CalculatorPage {
    Q_OBJECT
public:
    explicit RentVsBuyPage(PageHost& host, QWidget* parent = nullptr);

    void enter() override;
    void reset() override;

private slots:
    void CalcRVB();

private:
    NumericField* field(const char* name) const;
    void showInputs();

    std::vector<NumericField*> m_inputs;
    std::vector<NumericField*> m_results;
    ChartToggle m_chart;
};

} // namespace qn::pages

#pragma once

#include "pages/calculator_page.h"
#include "pages/page_parts.h"

namespace qn::pages {

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
    void computeFromInputs() override { CalcRVB(); }

    ChartToggle m_chart;
};

} // namespace qn::pages

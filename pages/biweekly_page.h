#pragma once

#include "core/mortgage.h"
#include "pages/calculator_page.h"
#include "pages/page_parts.h"

namespace qn::pages {

class BiweeklyPage : public CalculatorPage {
    Q_OBJECT
public:
    explicit BiweeklyPage(PageHost& host, QWidget* parent = nullptr);

    void enter() override;
    void reset() override;

    // The monthly loan the biweekly one is set against, as last computed.
    const TMortgage& mortgage() const { return m_mortgage; }

private slots:
    void CalcBW();

private:
    void buildControls();
    void connectHandlers();
    void computeFromInputs() override { CalcBW(); }

    TMortgage m_mortgage;
    ChartToggle m_chart;
};

} // namespace qn::pages

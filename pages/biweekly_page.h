#pragma once

#include "pages/calculator_page.h"
#include "pages/page_parts.h"

namespace qn::pages {

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
    void computeFromInputs() override { CalcBW(); }

    ChartToggle m_chart;
};

} // namespace qn::pages

#pragma once

#include "calculators/quick_calculator.h"
#include "pages/calculator_page.h"

#include <array>
#include <optional>

class QLineEdit;
class QPushButton;

namespace qn::pages {

class NumericField;

class QuickCalculatorPage : public CalculatorPage {
    Q_OBJECT
public:
    explicit QuickCalculatorPage(PageHost& host, QWidget* parent = nullptr);

    void enter() override;
    void reset() override;

private slots:
    void btnCalcLAClick();
    void btnCalcIRClick();
    void btnCalcPMTClick();
    void btnCalcNClick();
    void btnCalcQuickCalcClick();

private:
    void computeFromInputs() override
    {
        if (m_unknown)
            btnCalcQuickCalcClick();
    }
    void buildControls();
    void connectHandlers();
    void choose(calc::Unknown unknown);
    void clearValues();
    void failed();
    NumericField* fieldOf(calc::Unknown unknown) const;
    // The unknown disabled, the others white; all white when none is chosen.
    void showLooks(std::optional<calc::Unknown> unknown);

    // The unknown chosen; none until a choice button is pressed.
    std::optional<calc::Unknown> m_unknown;

    // The choice buttons, for the loan, the rate, the payment and the number of payments.
    std::array<QPushButton*, 4> m_choices{};
    QPushButton* m_btnCalcQuickCalc = nullptr;
};

} // namespace qn::pages

#pragma once

#include "pages/calculator_page.h"

namespace qn::calc {
struct MqInputs;
}

namespace qn::pages {

// What two borrowers qualify for at three rate and term combinations.
class MortgageQualifierPage : public CalculatorPage {
    Q_OBJECT
public:
    explicit MortgageQualifierPage(PageHost& host, QWidget* parent = nullptr);

    void enter() override;
    void reset() override;

private slots:
    void CalcMQ();
    void edtMQir1Change();

private:
    void computeFromInputs() override { CalcMQ(); }
    void buildControls();
    void connectHandlers();
    calc::MqInputs readInputs() const;
};

} // namespace qn::pages

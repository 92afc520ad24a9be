#pragma once

#include "pages/calculator_page.h"

#include <array>

namespace qn::calc {
struct MqInputs;
}

namespace qn::pages {

class NumericField;
class TNumEdit;
class TFnpNumericEdit;

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

    TNumEdit* m_edtIncome1 = nullptr;
    TNumEdit* m_edtOIncome1 = nullptr;
    TNumEdit* m_edtCards1 = nullptr;
    TNumEdit* m_edtAuto1 = nullptr;
    TNumEdit* m_edtNotes1 = nullptr;
    TNumEdit* m_edtIncome2 = nullptr;
    TNumEdit* m_edtOIncome2 = nullptr;
    TNumEdit* m_edtCards2 = nullptr;
    TNumEdit* m_edtAuto2 = nullptr;
    TNumEdit* m_edtNotes2 = nullptr;
    TFnpNumericEdit* m_edtHousingRatio = nullptr;
    TFnpNumericEdit* m_edtDebtRatio = nullptr;
    TNumEdit* m_edtMQDownPayment = nullptr;
    std::array<TFnpNumericEdit*, 3> m_edtMQir{};
    std::array<TFnpNumericEdit*, 3> m_edtMQTerm{};
    std::array<TNumEdit*, 3> m_edtMQPayment{};
    std::array<TNumEdit*, 3> m_edtMQLoan{};
    std::array<TNumEdit*, 3> m_edtMQPurchasePrice{};
    TFnpNumericEdit* m_edtCalculatedHousingRatio = nullptr;
    TFnpNumericEdit* m_edtCalculatedDebtRatio = nullptr;
};

} // namespace qn::pages

#pragma once

#include "app/calculator_page.h"

namespace qn::app {

class AmortizationPage : public CalculatorPage {
    Q_OBJECT
public:
    explicit AmortizationPage(TfrmMain& main, QWidget* parent = nullptr);

    QString pageName() const override { return QStringLiteral("Amort"); }
    int helpContext() const override { return 50; }
    NavigationRow navigationRow() const override;
    void enter() override;
    void reset() override;
};

} // namespace qn::app

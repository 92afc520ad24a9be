#pragma once

#include "app/calculator_page.h"

namespace qn::app {

class QuickCalculatorPage : public CalculatorPage {
    Q_OBJECT
public:
    explicit QuickCalculatorPage(TfrmMain& main, QWidget* parent = nullptr);

    QString pageName() const override { return QStringLiteral("QC"); }
    int helpContext() const override { return 20; }
    NavigationRow navigationRow() const override;
    void enter() override;
    void reset() override;
};

} // namespace qn::app

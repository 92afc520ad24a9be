#pragma once

#include "app/calculator_page.h"

namespace qn::app {

class BiweeklyPage : public CalculatorPage {
    Q_OBJECT
public:
    explicit BiweeklyPage(TfrmMain& main, QWidget* parent = nullptr);

    QString pageName() const override { return QStringLiteral("BW"); }
    int helpContext() const override { return 100; }
    NavigationRow navigationRow() const override;
    void enter() override;
    void reset() override;
};

} // namespace qn::app

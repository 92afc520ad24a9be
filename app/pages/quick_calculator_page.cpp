#include "app/pages/quick_calculator_page.h"

namespace qn::app {

QuickCalculatorPage::QuickCalculatorPage(TfrmMain& main, QWidget* parent) : CalculatorPage(main, parent) {}

NavigationRow QuickCalculatorPage::navigationRow() const
{
    return {QStringLiteral("Quick Calculator"), true, NavigationRow::Button::Enabled,
            NavigationRow::Button::Enabled};
}

void QuickCalculatorPage::enter() {}

void QuickCalculatorPage::reset() {}

} // namespace qn::app

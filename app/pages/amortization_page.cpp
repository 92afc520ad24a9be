#include "app/pages/amortization_page.h"

namespace qn::app {

AmortizationPage::AmortizationPage(TfrmMain& main, QWidget* parent) : CalculatorPage(main, parent) {}

NavigationRow AmortizationPage::navigationRow() const
{
    return {QStringLiteral("Loan Amortizations"), true, NavigationRow::Button::Enabled,
            NavigationRow::Button::Enabled};
}

void AmortizationPage::enter() {}

void AmortizationPage::reset() {}

} // namespace qn::app

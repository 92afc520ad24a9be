#include "pages/calculator_page.h"

#include "pages/num_edit.h"

namespace qn::pages {

void CalculatorPage::acceptEntries()
{
    for (NumericField* field : findChildren<NumericField*>())
        field->acceptEntry();
}

} // namespace qn::pages

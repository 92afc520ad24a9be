#include "pages/calculator_page.h"

#include "pages/num_edit.h"
#include "pages/page_parts.h"

#include <QRadioButton>

#include <stdexcept>
#include <vector>

namespace qn::pages {

void CalculatorPage::acceptEntries()
{
    for (NumericField* field : findChildren<NumericField*>())
        field->acceptEntry();
}

PageInputs CalculatorPage::inputs() const
{
    PageInputs out = m_fields.inputValues();
    for (const RadioGroup& group : radioGroups(this)) {
        for (int i = 0; i < group.items.size(); ++i) {
            if (group.items[i]->isChecked())
                out.choices[group.name] = i;
        }
    }
    addOwnInputs(out);
    return out;
}

void CalculatorPage::setInputs(const PageInputs& inputs)
{
    m_fields.checkInputs(inputs);
    const std::vector<RadioGroup> groups = radioGroups(this);
    auto itemOf = [&groups](const QString& name, int index) -> QRadioButton* {
        for (const RadioGroup& group : groups) {
            if (group.name == name)
                return index >= 0 && index < group.items.size() ? group.items[index] : nullptr;
        }
        return nullptr;
    };
    for (const auto& [name, index] : inputs.choices) {
        if (!itemOf(name, index))
            throw std::invalid_argument("'" + name.toStdString() + "' has no item "
                                        + std::to_string(index));
    }
    PageInputs own;
    addOwnInputs(own);
    auto refuseUnknown = [](const auto& given, const auto& held) {
        for (const auto& entry : given) {
            if (!held.count(entry.first))
                throw std::invalid_argument("'" + entry.first.toStdString()
                                            + "' is not held by this page");
        }
    };
    refuseUnknown(inputs.switches, own.switches);
    refuseUnknown(inputs.lists, own.lists);
    checkOwnInputs(inputs);
    // A choice can lay the page out anew and fill a field; the figures come after it. It can
    // also open another group (an adjustable rate, its index path), so the items are clicked
    // in rounds, each taking those a user could click by then.
    std::vector<QRadioButton*> pending;
    for (const auto& [name, index] : inputs.choices)
        pending.push_back(itemOf(name, index));
    while (!pending.empty()) {
        std::vector<QRadioButton*> later;
        for (QRadioButton* item : pending) {
            if (item->isChecked())
                continue;
            if (item->isEnabled())
                item->click();
            else
                later.push_back(item);
        }
        if (later.size() == pending.size())
            break; // none can be clicked: they stay as they are
        pending = std::move(later);
    }
    putSwitches(inputs.switches);
    m_fields.setInputValues(inputs);
    computeFromInputs();
    putLists(inputs.lists);
}

} // namespace qn::pages

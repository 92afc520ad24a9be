#pragma once

#include "pages/field_table.h"
#include <QString>

#include <functional>
#include <initializer_list>
#include <map>
#include <span>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QObject;
class QWidget;

namespace qn::pages {

class NumericField;
class TNumEdit;
class TFnpNumericEdit;

using FieldTable = std::span<const FieldSpec>;

// What a page's inputs hold: each input field's value (a text field's text), and each group of
// radio buttons' item, from 0. A field whose text is no number is left out. Some pages hold
// more that the user put in: states switched by buttons (the closing-cost locks) and lists of
// figures (the schedule's extra payments).
struct PageInputs {
    std::map<QString, double> values;
    std::map<QString, QString> texts;
    std::map<QString, int> choices;
    std::map<QString, bool> switches;
    std::map<QString, std::vector<double>> lists;

    bool operator==(const PageInputs&) const = default;
};

// A field by its declaration or by its object name.
struct FieldName {
    constexpr FieldName(const FieldSpec& spec) : text(spec.name) {}
    constexpr FieldName(const char* name) : text(name) {}
    std::string_view text;
};

// The fields a page made from its tables, found by their names.
class PageFields {
public:
    // Makes the table's fields on parent, in table order: each named, placed, of its kind and
    // role, showing its start figure, named for screen readers by its caption (and
    // description). Its inputs join the end of the tab order.
    void build(QWidget* parent, FieldTable table);

    // A field of any table; a name no table declares is a programming error (std::logic_error),
    // as is asking for a kind the field is not.
    QLineEdit* edit(FieldName name) const;
    NumericField* field(FieldName name) const;
    TNumEdit* money(FieldName name) const;
    TFnpNumericEdit* number(FieldName name) const;
    double value(FieldName name) const;
    void setValue(FieldName name, double value) const;
    // Many at once: each field shows its figure; each field's value goes to its target.
    void setValues(std::initializer_list<std::pair<FieldName, double>> figures) const;
    // Each field's figure checked as an amount (core/limits), a refusal naming its caption.
    void checkAmounts(std::initializer_list<FieldName> names) const;
    void readInto(std::initializer_list<std::pair<FieldName, double*>> targets) const;
    // Every field declared into a member of S: its value goes there, or it shows the member.
    template <typename S> void readInto(S& inputs) const { readSlots(&kSlotOwner<S>, &inputs); }
    template <typename S> void show(const S& results) const { showSlots(&kSlotOwner<S>, &results); }

    // A label showing the field's caption at that place, which screen readers take as the
    // field's label ("&" in a caption is text, never a mnemonic).
    QLabel* makeCaption(QWidget* parent, FieldName name, QRect at) const;

    // The numeric fields of a table, in table order.
    std::vector<NumericField*> fields(FieldTable table) const;

    // Leaving any numeric field of the table that takes the focus runs the handler, guarded:
    // results recompute the page like inputs do.
    void connectLeaving(FieldTable table, QObject* context, std::function<void()> handler) const;
    template <typename Page>
    void connectLeaving(FieldTable table, Page* page, void (Page::*slot)()) const
    {
        connectLeaving(table, page, [page, slot] { (page->*slot)(); });
    }

    // The table's start figures (and texts); fields without one keep what they show.
    void showStartValues(FieldTable table) const;
    // The table's fields bound to a settings value show it, or store theirs in it.
    void loadSettings(FieldTable table, const SettingsValues& settings) const;
    void saveSettings(FieldTable table, SettingsValues& settings) const;

    // The tab order: the tables' inputs as built, with the page's other stops added after
    // them, or set anew as a whole; kept as declared for the page's description.
    void addTabStops(const std::vector<QWidget*>& stops);
    void setTabOrder(const std::vector<QWidget*>& stops);
    // Stops that follow a field of the tables (a field's own buttons).
    void addTabStopsAfter(FieldName field, const std::vector<QWidget*>& stops);
    const std::vector<QWidget*>& tabOrder() const { return m_tabOrder; }
    // The table's input fields, in table order.
    std::vector<QWidget*> inputs(FieldTable table) const;

    // What a screen reader says after the field's name: its declared description, then its
    // state now (kComputed for a result; a page may say more, as a lock does).
    void describeState(FieldName name, const QString& state) const;

    // The declaration of a field made here (by name: a logic_error when there is none).
    const FieldSpec& spec(FieldName name) const { return *entry(name.text).spec; }
    const FieldSpec* specOf(const QWidget* widget) const; // none for any other widget

    // Every input field's value or text (see PageInputs; choices are the page's).
    PageInputs inputValues() const;
    // Checks that every name is an input of these tables (std::invalid_argument otherwise),
    // then puts the values and texts in.
    void checkInputs(const PageInputs& inputs) const;
    void setInputValues(const PageInputs& inputs) const;

private:
    struct Entry {
        const FieldSpec* spec;
        QLineEdit* edit;
        NumericField* numeric; // null for a text field
    };
    const Entry& entry(std::string_view name) const;
    void readSlots(const void* owner, void* inputs) const;
    void showSlots(const void* owner, const void* results) const;
    const Entry* inputEntry(const QString& name) const;

    std::vector<Entry> m_entries;
    std::unordered_map<std::string_view, std::size_t> m_byName;
    std::vector<QWidget*> m_tabOrder;
};

// A field's caption as a screen reader speaks it (blanks and line breaks run together).
QString spokenCaption(const FieldSpec& spec);
// The field's declared description and its state, each where there is one.
QString spokenDescription(const FieldSpec& spec, const QString& state);
// The state of a field the page computes, which the user reads but cannot type.
inline constexpr char kComputed[] = "computed";

} // namespace qn::pages

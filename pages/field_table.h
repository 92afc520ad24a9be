#pragma once

#include "calculators/settings_values.h"

#include <QRect>

#include <cstdint>
#include <optional>
#include <type_traits>

// The declaration of a page's fields, without widgets: cheap to include where only the names
// and captions are needed (the headless run, the report forms, the tests).
namespace qn::pages {

using calc::SettingsValues;

// What a field holds and how it shows it.
enum class FieldKind {
    Money,       // currency, 2 decimals, "#,##0", rounded for show
    MoneyCut,    // currency, cut to its decimals for show instead of rounded
    Whole,       // plain "#,##0", no decimals, not rounded
    RatePicture, // plain "#,##0.##0", not rounded
    PremiumRate, // plain "#.###0", 4 decimals, not rounded
    Percent3,    // plain "#,##0.000", 3 decimals, rounded for show; a word may stand for 0
    Number,      // fixed decimals (FieldSpec::decimals): rates, terms, counts, ratios
    Text,        // plain text, read by the page itself
};

// Where a field's figure goes to or comes from in a calculator's inputs or results: one
// member of one struct, so that a page reads and shows its fields by their declarations.
struct FieldSlot {
    const void* owner = nullptr; // the struct's tag, &kSlotOwner<S>
    double (*get)(const void* from) = nullptr;
    void (*put)(void* to, double figure) = nullptr; // none for a member that is no double
};
template <typename S> inline constexpr char kSlotOwner = 0;

template <typename Member> struct SlotMember;
template <typename S, typename T> struct SlotMember<T S::*> {
    using Owner = S;
    using Type = T;
};

template <auto Member> constexpr FieldSlot slotOf()
{
    using M = SlotMember<decltype(Member)>;
    using S = typename M::Owner;
    FieldSlot slot{&kSlotOwner<S>,
                   [](const void* from) { return double(static_cast<const S*>(from)->*Member); }};
    if constexpr (std::is_same_v<typename M::Type, double>)
        slot.put = [](void* to, double figure) { static_cast<S*>(to)->*Member = figure; };
    return slot;
}

enum class FieldRole {
    Input,  // typed by the user; in the tab order
    Result, // computed: read-only, skipped by Tab, can be clicked and left
    Shown,  // computed and out of the keyboard's way altogether
};

// One field of a page. Table order is the order the fields are made in and the tab order of
// their inputs.
struct FieldSpec {
    const char* name;    // the object name, one of the page's constants
    const char* caption; // what the field is called: its screen-reader name, and its label
    FieldKind kind = FieldKind::Money;
    int decimals = 2; // Number only
    FieldRole role = FieldRole::Input;
    QRect at = {};
    std::optional<double> start = {}; // the figure the page is built with
    const char* startText = nullptr;  // Text only
    // The settings value the page loads into the field (and saves from it, where it does).
    double SettingsValues::*setting = nullptr;
    std::int32_t SettingsValues::*wholeSetting = nullptr;
    bool centred = false;
    // What tells two alike captions apart for a screen reader: a unit, a row or a column.
    const char* description = nullptr;
    FieldSlot slot = {};

    // The same field computed (read-only, skipped by Tab), or out of the keyboard's way.
    constexpr FieldSpec result() const { return with(&FieldSpec::role, FieldRole::Result); }
    constexpr FieldSpec shown() const { return with(&FieldSpec::role, FieldRole::Shown); }
    constexpr FieldSpec from(double figure) const
    {
        return with(&FieldSpec::start, std::optional<double>(figure));
    }
    constexpr FieldSpec bound(double SettingsValues::*value) const
    {
        return with(&FieldSpec::setting, value);
    }
    constexpr FieldSpec bound(std::int32_t SettingsValues::*value) const
    {
        return with(&FieldSpec::wholeSetting, value);
    }
    constexpr FieldSpec inCentre() const { return with(&FieldSpec::centred, true); }
    constexpr FieldSpec described(const char* text) const
    {
        return with(&FieldSpec::description, text);
    }
    // The member of the inputs it is read into, or of the results it shows.
    template <auto Member> constexpr FieldSpec into() const
    {
        return with(&FieldSpec::slot, slotOf<Member>());
    }

private:
    template <typename T> constexpr FieldSpec with(T FieldSpec::*member, T value) const
    {
        FieldSpec copy = *this;
        copy.*member = value;
        return copy;
    }
};

// The kinds of field most pages have; the modifiers above add the rest.
constexpr FieldSpec moneyField(const char* name, const char* caption, QRect at)
{
    return {.name = name, .caption = caption, .at = at};
}
constexpr FieldSpec numberField(const char* name, const char* caption, int decimals, QRect at)
{
    return {.name = name,
            .caption = caption,
            .kind = FieldKind::Number,
            .decimals = decimals,
            .at = at};
}
constexpr FieldSpec textField(const char* name, const char* caption, QRect at,
                              const char* startText = nullptr)
{
    return {.name = name,
            .caption = caption,
            .kind = FieldKind::Text,
            .at = at,
            .startText = startText};
}

} // namespace qn::pages

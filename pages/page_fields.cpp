#include "pages/page_fields.h"

#include "core/limits.h"
#include "pages/num_edit.h"
#include "pages/page_parts.h"
#include "toolkit/guarded.h"

#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace qn::pages {

namespace {

QLineEdit* makeField(QWidget* parent, const FieldSpec& spec)
{
    if (spec.kind == FieldKind::Text) {
        auto* edit = new QLineEdit(QLatin1String(spec.startText), parent);
        edit->setObjectName(QLatin1String(spec.name));
        edit->setGeometry(spec.at);
        return edit;
    }
    if (spec.kind == FieldKind::Number)
        return newNumberEdit(parent, spec.name, spec.decimals, spec.at);
    TNumEdit* edit = newMoneyEdit(parent, spec.name, spec.at);
    if (spec.kind == FieldKind::MoneyCut)
        edit->setUseRounding(false);
    // The plain figures: each kind's mask, decimals, and whether it rounds for show.
    struct Plain {
        FieldKind kind;
        const char* mask;
        int decimals;
        bool rounding;
    };
    static constexpr Plain kPlain[] = {{FieldKind::Whole, "#,##0", 0, false},
                                       {FieldKind::RatePicture, "#,##0.##0", 2, false},
                                       {FieldKind::PremiumRate, "#.###0", 4, false},
                                       {FieldKind::Percent3, "#,##0.000", 3, true}};
    for (const Plain& plain : kPlain)
        if (spec.kind == plain.kind)
            edit->setPlainFormat(QLatin1String(plain.mask), plain.decimals, plain.rounding);
    return edit;
}

[[noreturn]] void misuse(std::string_view name, const char* what)
{
    throw std::logic_error("field '" + std::string(name) + "' " + what);
}

} // namespace

QString spokenCaption(const FieldSpec& spec)
{
    return QString::fromUtf8(spec.caption).simplified();
}

QString spokenDescription(const FieldSpec& spec, const QString& state)
{
    QStringList parts;
    if (spec.description)
        parts.append(QString::fromUtf8(spec.description));
    if (!state.isEmpty())
        parts.append(state);
    return parts.join(QStringLiteral(", "));
}

void PageFields::build(QWidget* parent, FieldTable table)
{
    std::vector<QWidget*> stops;
    for (const FieldSpec& spec : table) {
        if (m_byName.count(spec.name))
            misuse(spec.name, "is declared twice");
        QLineEdit* edit = makeField(parent, spec);
        if (spec.centred)
            edit->setAlignment(Qt::AlignCenter);
        if (spec.role != FieldRole::Input)
            makeResult(edit);
        if (spec.role == FieldRole::Shown)
            edit->setFocusPolicy(Qt::NoFocus);
        edit->setAccessibleName(spokenCaption(spec));
        edit->setAccessibleDescription(spokenDescription(
            spec, spec.role == FieldRole::Input ? QString() : QLatin1String(kComputed)));
        auto* numeric = qobject_cast<NumericField*>(edit);
        if (numeric && spec.start)
            numeric->setValue(*spec.start);
        if (spec.role == FieldRole::Input)
            stops.push_back(edit);
        m_byName.emplace(spec.name, m_entries.size());
        m_entries.push_back({&spec, edit, numeric});
    }
    addTabStops(stops);
}

const PageFields::Entry& PageFields::entry(std::string_view name) const
{
    const auto it = m_byName.find(name);
    if (it == m_byName.end())
        misuse(name, "is not on this page");
    return m_entries[it->second];
}

QLineEdit* PageFields::edit(FieldName name) const { return entry(name.text).edit; }

NumericField* PageFields::field(FieldName name) const
{
    NumericField* numeric = entry(name.text).numeric;
    if (!numeric)
        misuse(name.text, "holds no number");
    return numeric;
}

TNumEdit* PageFields::money(FieldName name) const
{
    auto* edit = qobject_cast<TNumEdit*>(field(name));
    if (!edit)
        misuse(name.text, "is no money field");
    return edit;
}

TFnpNumericEdit* PageFields::number(FieldName name) const
{
    auto* edit = qobject_cast<TFnpNumericEdit*>(field(name));
    if (!edit)
        misuse(name.text, "is no fixed-decimals field");
    return edit;
}

double PageFields::value(FieldName name) const { return field(name)->value(); }

void PageFields::setValue(FieldName name, double value) const { field(name)->setValue(value); }

void PageFields::describeState(FieldName name, const QString& state) const
{
    const Entry& e = entry(name.text);
    e.edit->setAccessibleDescription(spokenDescription(*e.spec, state));
}

QLabel* PageFields::makeCaption(QWidget* parent, FieldName name, QRect at) const
{
    const Entry& e = entry(name.text);
    QLabel* label = makeLabel(
        parent, QString::fromUtf8(e.spec->caption).replace(QLatin1Char('&'), QStringLiteral("&&")),
        at);
    label->setBuddy(e.edit);
    return label;
}

void PageFields::checkAmounts(std::initializer_list<FieldName> names) const
{
    for (const FieldName name : names)
        CheckAmount(value(name), spec(name).caption);
}

void PageFields::setValues(std::initializer_list<std::pair<FieldName, double>> figures) const
{
    for (const auto& [name, figure] : figures)
        setValue(name, figure);
}

void PageFields::readInto(std::initializer_list<std::pair<FieldName, double*>> targets) const
{
    for (const auto& [name, target] : targets)
        *target = value(name);
}

void PageFields::readSlots(const void* owner, void* inputs) const
{
    for (const Entry& e : m_entries) {
        if (e.spec->slot.owner != owner)
            continue;
        if (!e.spec->slot.put)
            misuse(e.spec->name, "reads into no figure");
        e.spec->slot.put(inputs, value(e.spec->name));
    }
}

void PageFields::showSlots(const void* owner, const void* results) const
{
    for (const Entry& e : m_entries) {
        if (e.spec->slot.owner == owner)
            setValue(e.spec->name, e.spec->slot.get(results));
    }
}

std::vector<NumericField*> PageFields::fields(FieldTable table) const
{
    std::vector<NumericField*> out;
    for (const FieldSpec& spec : table) {
        if (spec.kind != FieldKind::Text)
            out.push_back(field(spec.name));
    }
    return out;
}

void PageFields::connectLeaving(FieldTable table, QObject* context,
                                std::function<void()> handler) const
{
    for (const FieldSpec& spec : table) {
        if (spec.kind != FieldKind::Text && spec.role != FieldRole::Shown)
            toolkit::connectGuarded(field(spec.name), &NumericField::exited, context, handler);
    }
}

void PageFields::showStartValues(FieldTable table) const
{
    for (const FieldSpec& spec : table) {
        if (spec.kind == FieldKind::Text && spec.startText)
            edit(spec.name)->setText(QLatin1String(spec.startText));
        else if (spec.start)
            setValue(spec.name, *spec.start);
    }
}

void PageFields::loadSettings(FieldTable table, const SettingsValues& settings) const
{
    for (const FieldSpec& spec : table) {
        if (spec.setting)
            setValue(spec.name, settings.*spec.setting);
        else if (spec.wholeSetting)
            setValue(spec.name, settings.*spec.wholeSetting);
    }
}

void PageFields::saveSettings(FieldTable table, SettingsValues& settings) const
{
    for (const FieldSpec& spec : table) {
        if (spec.wholeSetting)
            misuse(spec.name, "needs its whole number checked before it is saved");
        if (spec.setting)
            settings.*spec.setting = value(spec.name);
    }
}

void PageFields::addTabStops(const std::vector<QWidget*>& stops)
{
    for (QWidget* stop : stops) {
        if (!m_tabOrder.empty())
            QWidget::setTabOrder(m_tabOrder.back(), stop);
        m_tabOrder.push_back(stop);
    }
}

void PageFields::setTabOrder(const std::vector<QWidget*>& stops)
{
    m_tabOrder.clear();
    addTabStops(stops);
}

void PageFields::addTabStopsAfter(FieldName field, const std::vector<QWidget*>& stops)
{
    std::vector<QWidget*> order = m_tabOrder;
    const auto at = std::find(order.begin(), order.end(), edit(field));
    if (at == order.end())
        misuse(field.text, "is no tab stop");
    order.insert(std::next(at), stops.begin(), stops.end());
    setTabOrder(order);
}

std::vector<QWidget*> PageFields::inputs(FieldTable table) const
{
    std::vector<QWidget*> out;
    for (const FieldSpec& spec : table) {
        if (spec.role == FieldRole::Input)
            out.push_back(edit(spec.name));
    }
    return out;
}

const FieldSpec* PageFields::specOf(const QWidget* widget) const
{
    for (const Entry& e : m_entries) {
        if (e.edit == widget)
            return e.spec;
    }
    return nullptr;
}

PageInputs PageFields::inputValues() const
{
    PageInputs out;
    for (const Entry& e : m_entries) {
        if (e.spec->role != FieldRole::Input)
            continue;
        const QString name = QLatin1String(e.spec->name);
        if (!e.numeric) {
            out.texts[name] = e.edit->text();
            continue;
        }
        try {
            out.values[name] = e.numeric->value();
        } catch (const QnError&) {
            // a text that is no number holds no value
        }
    }
    return out;
}

const PageFields::Entry* PageFields::inputEntry(const QString& name) const
{
    const QByteArray latin = name.toLatin1();
    const auto it = m_byName.find(std::string_view(latin.constData(), latin.size()));
    if (it == m_byName.end() || m_entries[it->second].spec->role != FieldRole::Input)
        return nullptr;
    return &m_entries[it->second];
}

void PageFields::checkInputs(const PageInputs& inputs) const
{
    auto refuse = [](const QString& name, const char* what) {
        throw std::invalid_argument("'" + name.toStdString() + "' " + what);
    };
    for (const auto& [name, value] : inputs.values) {
        const Entry* e = inputEntry(name);
        if (!e || !e->numeric)
            refuse(name, "is no numeric input of this page");
    }
    for (const auto& [name, text] : inputs.texts) {
        const Entry* e = inputEntry(name);
        if (!e || e->numeric)
            refuse(name, "is no text input of this page");
    }
}

void PageFields::setInputValues(const PageInputs& inputs) const
{
    checkInputs(inputs);
    for (const auto& [name, value] : inputs.values)
        inputEntry(name)->numeric->setValue(value);
    for (const auto& [name, text] : inputs.texts)
        inputEntry(name)->edit->setText(text);
}

} // namespace qn::pages

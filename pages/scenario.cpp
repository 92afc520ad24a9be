#include "pages/scenario.h"

#include "core/errors.h"
#include "core/limits.h"
#include "pages/calculator_page.h"
#include "pages/page_entry.h"
#include "pages/page_parts.h"
#include "pages/registry.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <stdexcept>

namespace qn::pages {

namespace {

const QString kFormatKey = QStringLiteral("format");
const QString kVersionKey = QStringLiteral("version");
const QString kNameKey = QStringLiteral("name");
const QString kNoteKey = QStringLiteral("note");
const QString kPageKey = QStringLiteral("page");
const QString kPagesKey = QStringLiteral("pages");

// A host for pages built only to be read: the settings given, no shell to switch.
class ScratchHost : public PageHost {
public:
    explicit ScratchHost(const SettingsValues& settings) : m_settings(settings) {}
    SettingsValues& settings() override { return m_settings; }
    void saveSettingsKeys(const QStringList&) override {}
    void setPrintingEnabled(bool) override {}
    bool printingEnabled() const override { return false; }
    void setResetEnabled(bool) override {}
    void showHint(const QString&) override {}
    void closeCalculators() override {}

private:
    SettingsValues m_settings;
};

// The reading of one file: the first problem is kept, later ones only counted out.
class Reader {
public:
    explicit Reader(const ScenarioShape& shape) : m_shape(shape) {}

    ScenarioRead read(const QByteArray& bytes);

private:
    void note(const QString& path, const QString& what)
    {
        if (!m_problem)
            m_problem = ScenarioProblem{path, what};
    }
    ScenarioRead refuse(const QString& path, const QString& what)
    {
        return {std::nullopt, ScenarioProblem{path, what}};
    }
    QString text(const QJsonObject& object, const QString& key);
    void readPage(const QString& name, const QJsonValue& value, const PageShape& shape,
                  PageInputs& into);

    const ScenarioShape& m_shape;
    std::optional<ScenarioProblem> m_problem;
};

const QString kFigureRange =
    QStringLiteral("must be a number from %1 to %2")
        .arg(QString::number(-kMaxAmount, 'f', 2), QString::number(kMaxAmount, 'f', 2));

bool isFigure(const QJsonValue& value)
{
    return value.isDouble() && std::isfinite(value.toDouble())
           && std::fabs(value.toDouble()) <= kMaxAmount;
}

QString Reader::text(const QJsonObject& object, const QString& key)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return {};
    if (!value.isString()) {
        note(key, QStringLiteral("must be a text"));
        return {};
    }
    return value.toString();
}

void Reader::readPage(const QString& name, const QJsonValue& value, const PageShape& shape,
                      PageInputs& into)
{
    const QString at = kPagesKey + u'.' + name;
    if (value.isUndefined()) {
        // A page without inputs (the comparison) has nothing to miss.
        if (shape.start != PageInputs{})
            note(at, QStringLiteral("is missing"));
        return;
    }
    if (!value.isObject()) {
        note(at, QStringLiteral("must be an object"));
        return;
    }
    const QJsonObject page = value.toObject();
    const PageInputs& start = shape.start;
    auto known = [&start](const QString& key) {
        return start.values.count(key) || start.texts.count(key) || start.choices.count(key)
               || start.switches.count(key) || start.lists.count(key);
    };
    for (auto it = page.begin(); it != page.end(); ++it) {
        if (!known(it.key()))
            note(at + u'.' + it.key(), QStringLiteral("is no input of this page"));
    }
    // Each kind of input in turn; a name missing or held wrongly keeps its starting figure.
    auto each = [&](const auto& names, auto&& take) {
        for (const auto& entry : names) {
            const QString path = at + u'.' + entry.first;
            const QJsonValue held = page.value(entry.first);
            if (held.isUndefined())
                note(path, QStringLiteral("is missing"));
            else if (const std::optional<QString> wrong = take(entry.first, held))
                note(path, *wrong);
        }
    };
    // The kinds held as one JSON type each, refused as `wrong` when held as another.
    auto plain = [&](const auto& names, auto& target, auto is, auto to, const QString& wrong) {
        each(names, [&](const QString& key, const QJsonValue& held) -> std::optional<QString> {
            if (!is(held))
                return wrong;
            target[key] = to(held);
            return std::nullopt;
        });
    };
    plain(
        start.values, into.values, isFigure, [](const QJsonValue& v) { return v.toDouble(); },
        kFigureRange);
    plain(
        start.texts, into.texts, [](const QJsonValue& v) { return v.isString(); },
        [](const QJsonValue& v) { return v.toString(); }, QStringLiteral("must be a text"));
    each(start.choices, [&](const QString& key, const QJsonValue& held) -> std::optional<QString> {
        const auto items = shape.choiceItems.find(key);
        const int count = items == shape.choiceItems.end() ? 0 : items->second;
        const double index = held.toDouble(-1);
        if (!held.isDouble() || index != std::floor(index) || index < 0 || index >= count)
            return QStringLiteral("must be a whole number from 0 to %1").arg(count - 1);
        into.choices[key] = static_cast<int>(index);
        return std::nullopt;
    });
    plain(
        start.switches, into.switches, [](const QJsonValue& v) { return v.isBool(); },
        [](const QJsonValue& v) { return v.toBool(); }, QStringLiteral("must be true or false"));
    each(start.lists, [&](const QString& key, const QJsonValue& held) -> std::optional<QString> {
        if (!held.isArray())
            return QStringLiteral("must be a list of numbers");
        const QJsonArray items = held.toArray();
        if (items.size() > kMaxPayments)
            return QStringLiteral("must hold at most %1 numbers").arg(kMaxPayments);
        std::vector<double> figures;
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (!isFigure(items[i]) || items[i].toDouble() < 0)
                return QStringLiteral("[%1] must be a number from 0 to %2")
                    .arg(i)
                    .arg(QString::number(kMaxAmount, 'f', 2));
            figures.push_back(items[i].toDouble());
        }
        into.lists[key] = std::move(figures);
        return std::nullopt;
    });
}

ScenarioRead Reader::read(const QByteArray& bytes)
{
    if (bytes.size() > kMaxScenarioBytes)
        return refuse({}, QStringLiteral("is larger than 1 MB"));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return refuse({}, QStringLiteral("is not JSON (%1 at character %2)")
                              .arg(error.errorString())
                              .arg(error.offset));
    if (!document.isObject())
        return refuse({}, QStringLiteral("is not a scenario: it holds no JSON object"));
    const QJsonObject top = document.object();
    if (top.value(kFormatKey).toString() != QLatin1String(kScenarioFormat))
        return refuse(kFormatKey,
                      QStringLiteral("must be \"%1\"").arg(QLatin1String(kScenarioFormat)));
    const QJsonValue version = top.value(kVersionKey);
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble())
        || version.toDouble() < 1)
        return refuse(kVersionKey, QStringLiteral("must be a whole number from 1"));
    if (version.toDouble() > kScenarioVersion)
        return refuse(kVersionKey, QStringLiteral("is %1, from a newer Quennary: this one reads "
                                                  "version %2")
                                       .arg(version.toDouble())
                                       .arg(kScenarioVersion));
    const QJsonValue pages = top.value(kPagesKey);
    if (!pages.isObject())
        return refuse(kPagesKey, QStringLiteral("must be an object of pages"));

    Scenario scenario;
    scenario.name = text(top, kNameKey);
    scenario.note = text(top, kNoteKey);
    scenario.page = text(top, kPageKey);
    if (scenario.page.isEmpty()) {
        scenario.page = kMenuPageName;
    } else if (scenario.page != kMenuPageName && !m_shape.count(scenario.page)) {
        note(kPageKey, QStringLiteral("is no page of Quennary"));
        scenario.page = kMenuPageName;
    }
    const QJsonObject byName = pages.toObject();
    for (auto it = byName.begin(); it != byName.end(); ++it) {
        if (!m_shape.count(it.key()))
            note(kPagesKey + u'.' + it.key(), QStringLiteral("is no page of Quennary"));
    }
    for (const auto& [name, shape] : m_shape) {
        PageInputs inputs = shape.start;
        readPage(name, byName.value(name), shape, inputs);
        scenario.pages[name] = std::move(inputs);
    }
    return {std::move(scenario), m_problem};
}

} // namespace

PageShape shapeOf(const CalculatorPage& page)
{
    PageShape shape{page.inputs(), {}};
    for (const RadioGroup& group : radioGroups(&page))
        shape.choiceItems[group.name] = static_cast<int>(group.items.size());
    return shape;
}

ScenarioShape scenarioShape(const SettingsValues& settings)
{
    ScenarioShape shape;
    ScratchHost host(settings);
    for (const PageInfo& info : pageRegistry()) {
        if (!info.factory)
            continue;
        QWidget parent;
        CalculatorPage* page = createPage(info, host, &parent);
        enterPage(info, *page, host);
        shape[info.name] = shapeOf(*page);
    }
    return shape;
}

QByteArray scenarioJson(const Scenario& scenario)
{
    QJsonObject pages;
    for (const auto& [name, inputs] : scenario.pages) {
        QJsonObject page;
        for (const auto& [key, value] : inputs.values)
            page.insert(key, value);
        for (const auto& [key, text] : inputs.texts)
            page.insert(key, text);
        for (const auto& [key, index] : inputs.choices)
            page.insert(key, index);
        for (const auto& [key, on] : inputs.switches)
            page.insert(key, on);
        for (const auto& [key, figures] : inputs.lists) {
            QJsonArray list;
            for (const double figure : figures)
                list.append(figure);
            page.insert(key, list);
        }
        pages.insert(name, page);
    }
    const QJsonObject top{{kFormatKey, QLatin1String(kScenarioFormat)},
                          {kVersionKey, kScenarioVersion},
                          {kNameKey, scenario.name},
                          {kNoteKey, scenario.note},
                          {kPageKey, scenario.page},
                          {kPagesKey, pages}};
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

ScenarioRead readScenario(const QByteArray& bytes, const ScenarioShape& shape)
{
    return Reader(shape).read(bytes);
}

ScenarioRead readScenarioFile(const QString& path, const ScenarioShape& shape)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, ScenarioProblem{{}, QStringLiteral("cannot be read")}};
    if (file.size() > kMaxScenarioBytes)
        return {std::nullopt, ScenarioProblem{{}, QStringLiteral("is larger than 1 MB")}};
    // A file that grows while it is read is cut at the limit, and refused by its size.
    return readScenario(file.read(kMaxScenarioBytes + 1), shape);
}

QString scenarioMessage(const QString& path, const ScenarioRead& read)
{
    if (!read.problem)
        return {};
    const ScenarioProblem& p = read.problem->path.isEmpty()
                                   ? *read.problem
                                   : ScenarioProblem{read.problem->path + u':', read.problem->what};
    const QString problem = p.path.isEmpty() ? QStringLiteral("The file %1.").arg(p.what)
                                             : QStringLiteral("%1 %2.").arg(p.path, p.what);
    if (!read.scenario)
        return QStringLiteral("Unable to open %1\n\r\n\r%2").arg(path, problem);
    return QStringLiteral("%1 was opened, with a problem:\n\r\n\r%2\n\r\n\rWhat it concerns keeps "
                          "its starting value.")
        .arg(path, problem);
}

std::optional<ScenarioProblem> putScenarioPage(CalculatorPage& page, const QString& pageName,
                                               const PageInputs& inputs)
{
    try {
        page.setInputs(inputs);
    } catch (const std::invalid_argument& refused) {
        return ScenarioProblem{kPagesKey + u'.' + pageName, QString::fromStdString(refused.what())};
    } catch (const EInputError& refused) {
        return ScenarioProblem{kPagesKey + u'.' + pageName, QString::fromStdString(refused.what())};
    }
    return std::nullopt;
}

std::optional<ScenarioProblem> withScenarioPage(const Scenario& scenario, const QString& pageName,
                                                const SettingsValues& settings,
                                                const std::function<void(CalculatorPage&)>& read)
{
    const PageInfo* info = findPage(pageName);
    if (!info || !info->factory)
        return ScenarioProblem{kPagesKey + u'.' + pageName, QStringLiteral("is no page")};
    ScratchHost host(settings);
    QWidget parent;
    CalculatorPage* page = createPage(*info, host, &parent);
    enterPage(*info, *page, host);
    std::optional<ScenarioProblem> problem;
    if (const auto part = scenario.pages.find(pageName); part != scenario.pages.end())
        problem = putScenarioPage(*page, pageName, part->second);
    read(*page);
    return problem;
}

QString scenarioNameOf(const QString& path) { return QFileInfo(path).completeBaseName(); }

} // namespace qn::pages

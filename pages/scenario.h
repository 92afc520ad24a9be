#pragma once

#include "pages/page_fields.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <map>
#include <optional>

namespace qn::pages {

class CalculatorPage;

// What the user put into every page, with a name and a note: what a scenario file holds.
// Results are never kept; opening computes them again.
struct Scenario {
    QString name;
    QString note;
    QString page; // the page shown when it was saved ("Menu" for the menu page)
    std::map<QString, PageInputs> pages;

    bool operator==(const Scenario&) const = default;
};

inline constexpr char kScenarioFormat[] = "quennary-scenario";
inline constexpr int kScenarioVersion = 1;
inline constexpr qint64 kMaxScenarioBytes = 1024 * 1024;
inline const QString kScenarioExtension = QStringLiteral("qnry");

// A page as it starts: its inputs, and how many items each of its groups has. The reader
// takes each page's names and kinds from it, and each missing one's starting figure.
struct PageShape {
    PageInputs start;
    std::map<QString, int> choiceItems;
};
using ScenarioShape = std::map<QString, PageShape>; // by page name

// Every page built apart, entered as the menu does with these settings, and described.
ScenarioShape scenarioShape(const SettingsValues& settings);
PageShape shapeOf(const CalculatorPage& page);

// Indented UTF-8 JSON: {"format", "version", "name", "note", "page", "pages": {page: {name:
// value}}}, each figure as the field holds it.
QByteArray scenarioJson(const Scenario& scenario);

// The first thing wrong with a file, at its JSON path ("pages.ECC.edtEccInterest").
struct ScenarioProblem {
    QString path;
    QString what;
};

// A file that cannot be read at all gives no scenario. Otherwise every page of the shape is
// there, each name the file lacks or holds wrongly with its starting figure, and the first
// such problem is reported.
struct ScenarioRead {
    std::optional<Scenario> scenario;
    std::optional<ScenarioProblem> problem;
};
ScenarioRead readScenario(const QByteArray& bytes, const ScenarioShape& shape);
// The same from a file: one over kMaxScenarioBytes, or one that cannot be read, gives none.
ScenarioRead readScenarioFile(const QString& path, const ScenarioShape& shape);

// What to tell the user about the read (empty when nothing went wrong), naming the file.
QString scenarioMessage(const QString& path, const ScenarioRead& read);

// Puts the page's part of a scenario in, computing as if typed. A name or state the page
// refuses leaves it as it was: the refusal comes back as the problem at that page's path.
std::optional<ScenarioProblem> putScenarioPage(CalculatorPage& page, const QString& pageName,
                                               const PageInputs& inputs);

// The scenario's part for the page put into that page built apart (entered with these
// settings), then `read` given the page; the problem the page had with it, if any.
std::optional<ScenarioProblem> withScenarioPage(const Scenario& scenario, const QString& pageName,
                                                const SettingsValues& settings,
                                                const std::function<void(CalculatorPage&)>& read);

// The file's name without its folder and extension: the scenario's name when it has none.
QString scenarioNameOf(const QString& path);

} // namespace qn::pages

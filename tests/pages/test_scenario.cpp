// The scenario file reader: what it refuses, what it keeps, and random files.
#include "core/limits.h"
#include "pages/scenario.h"
#include "tests/support/fuzz.h"
#include "tests/support/page_names.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <functional>

using namespace qn::pages;

namespace {

const ScenarioShape& shape()
{
    static const ScenarioShape built = scenarioShape(SettingsValues{});
    return built;
}

Scenario startingScenario()
{
    Scenario scenario{
        QStringLiteral("Smith Street"), QStringLiteral("offer 1"), QStringLiteral("ECC"), {}};
    for (const auto& [name, page] : shape())
        scenario.pages[name] = page.start;
    return scenario;
}

// The starting scenario's file with one change to its JSON.
QByteArray fileWith(const std::function<void(QJsonObject& top, QJsonObject& ecc)>& change)
{
    QJsonObject top = QJsonDocument::fromJson(scenarioJson(startingScenario())).object();
    QJsonObject ecc =
        top.value(QStringLiteral("pages")).toObject().value(QStringLiteral("ECC")).toObject();
    change(top, ecc);
    QJsonObject pages = top.value(QStringLiteral("pages")).toObject();
    pages.insert(QStringLiteral("ECC"), ecc);
    top.insert(QStringLiteral("pages"), pages);
    return QJsonDocument(top).toJson();
}

const QString kInterest = QLatin1String(ecc::kInterest.name);

TEST(ScenarioReader, WritesAndReadsBackEverything)
{
    Scenario scenario = startingScenario();
    scenario.pages[QStringLiteral("ECC")].values[kInterest] = 6.125;
    scenario.pages[QStringLiteral("ECC")].switches[QStringLiteral("lockLoanAmount")] = false;
    scenario.pages[QStringLiteral("Amort")].lists[QStringLiteral("extraPayments")] = {0, 0, 125.5};
    const ScenarioRead read = readScenario(scenarioJson(scenario), shape());
    EXPECT_FALSE(read.problem) << read.problem->path.toStdString();
    ASSERT_TRUE(read.scenario);
    EXPECT_EQ(*read.scenario, scenario);
    // A page without inputs may be left out (files from before it existed).
    scenario.pages.erase(QStringLiteral("Compare"));
    EXPECT_FALSE(readScenario(scenarioJson(scenario), shape()).problem);
}

TEST(ScenarioReader, BadFilesNameTheirFirstProblem)
{
    const double start = shape().at(QStringLiteral("ECC")).start.values.at(kInterest);
    const QString interestPath = QStringLiteral("pages.ECC.") + kInterest;
    auto setInterest = [](QJsonValue value) {
        return fileWith([value](QJsonObject&, QJsonObject& ecc) { ecc[kInterest] = value; });
    };
    struct Case {
        const char* what;
        QByteArray bytes;
        bool opens; // the rest of the file is read
        QString path;
        const char* problem;
    };
    const Case cases[] = {
        {"not JSON", "{\"format\": \"quennary-scenario\",", false, {}, "is not JSON"},
        {"another format",
         fileWith([](QJsonObject& top, QJsonObject&) { top[QStringLiteral("format")] = "x"; }),
         false, QStringLiteral("format"), "must be"},
        {"a newer version",
         fileWith([](QJsonObject& top, QJsonObject&) { top[QStringLiteral("version")] = 2; }),
         false, QStringLiteral("version"), "newer"},
        {"over 1 MB",
         fileWith([](QJsonObject& top, QJsonObject&) {
             top[QStringLiteral("note")] = QString(1024 * 1024, u'x');
         }),
         false,
         {},
         "larger than 1 MB"},
        {"out of range", setInterest(1e300), true, interestPath, "must be a number from"},
        {"wrong type", setInterest(QStringLiteral("7")), true, interestPath, "must be a number"},
        {"missing field", fileWith([](QJsonObject&, QJsonObject& ecc) { ecc.remove(kInterest); }),
         true, interestPath, "is missing"},
        {"no such item", fileWith([](QJsonObject& top, QJsonObject&) {
             QJsonObject pages = top[QStringLiteral("pages")].toObject();
             QJsonObject spread = pages[QStringLiteral("LS")].toObject();
             spread[QLatin1String(ls::kRgCalculate)] = 9;
             pages[QStringLiteral("LS")] = spread;
             top[QStringLiteral("pages")] = pages;
         }),
         true, QStringLiteral("pages.LS.") + QLatin1String(ls::kRgCalculate), "from 0 to 3"},
    };
    for (const Case& c : cases) {
        const ScenarioRead read = readScenario(c.bytes, shape());
        ASSERT_TRUE(read.problem) << c.what;
        EXPECT_EQ(read.scenario.has_value(), c.opens) << c.what;
        EXPECT_EQ(read.problem->path, c.path) << c.what;
        EXPECT_TRUE(read.problem->what.contains(QLatin1String(c.problem)))
            << c.what << ": " << read.problem->what.toStdString();
        const QString message = scenarioMessage(QStringLiteral("offer.qnry"), read);
        EXPECT_TRUE(message.contains(QStringLiteral("offer.qnry"))) << c.what;
        EXPECT_TRUE(message.contains(c.path)) << c.what;
        if (read.scenario) {
            // What was wrong keeps its start; the rest is read.
            EXPECT_EQ(read.scenario->pages.at(QStringLiteral("ECC")).values.at(kInterest), start)
                << c.what;
            EXPECT_EQ(read.scenario->name, QStringLiteral("Smith Street")) << c.what;
        }
    }
}

// Mutated files: every one is read or refused with a problem, quickly, and whatever is read
// has every page of the shape with figures the fields can hold.
TEST(ScenarioReader, RandomFiles)
{
    // A small shape with every kind of input keeps 10^5 files within a few seconds.
    ScenarioShape small{{QStringLiteral("LS"), shape().at(QStringLiteral("LS"))},
                        {QStringLiteral("Amort"), shape().at(QStringLiteral("Amort"))}};
    PageShape& locks = small[QStringLiteral("ECC")];
    locks.start.switches = shape().at(QStringLiteral("ECC")).start.switches;
    locks.start.values[kInterest] = 7;
    Scenario scenario{QStringLiteral("a"), {}, QStringLiteral("LS"), {}};
    for (const auto& [name, page] : small)
        scenario.pages[name] = page.start;
    scenario.pages[QStringLiteral("Amort")].lists[QStringLiteral("extraPayments")] = {0, 50};
    const QByteArray valid = scenarioJson(scenario);
    const char* const tokens[] = {"\"",   "{",     "}",     "[",       "]",
                                  ",",    ":",     "1e999", "-1",      "null",
                                  "true", "\"x\"", "0.5",   "\\u0000", "99999999999999999"};
    fuzz::Rng rng(23);
    for (int i = 0; i < 100000; ++i) {
        QByteArray bytes = valid;
        const std::size_t edits = 1 + rng.below(4);
        for (std::size_t e = 0; e < edits && !bytes.isEmpty(); ++e) {
            const auto at =
                static_cast<qsizetype>(rng.below(static_cast<std::size_t>(bytes.size())));
            switch (rng.below(4)) {
            case 0:
                bytes[at] = static_cast<char>(rng.below(256));
                break;
            case 1:
                bytes.insert(at, tokens[rng.below(std::size(tokens))]);
                break;
            case 2:
                bytes.remove(at, static_cast<qsizetype>(1 + rng.below(12)));
                break;
            default:
                bytes.truncate(at);
                break;
            }
        }
        fuzz::check(
            [&] {
                const ScenarioRead read = readScenario(bytes, small);
                if (!read.scenario && !read.problem)
                    throw std::logic_error("refused without a problem");
                if (!read.scenario)
                    return;
                if (read.scenario->pages.size() != small.size())
                    throw std::logic_error("a page is missing");
                for (const auto& [page, inputs] : read.scenario->pages)
                    for (const auto& [name, value] : inputs.values)
                        if (!(std::fabs(value) <= qn::kMaxAmount))
                            throw std::logic_error("a figure out of range");
            },
            [&] { return bytes.toStdString(); });
    }
}

} // namespace

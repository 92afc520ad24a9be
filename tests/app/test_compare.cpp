// The Compare page: scenarios from files side by side, the best figures marked, its report.
#include "pages/compare_page.h"
#include "pages/page_snapshot.h"
#include "reports/forms.h"
#include "tests/support/files.h"
#include "tests/support/page_fixture.h"
#include "tests/support/page_names.h"

#include <QTemporaryDir>

using namespace qn::pages;

namespace {

class CompareTest : public MessageFixture {
protected:
    // A scenario as every page starts but for a price of its own on the closing-cost page, at
    // `rate`, written to a file.
    QString scenarioFile(const char* name, double rate)
    {
        static const ScenarioShape shape = scenarioShape(SettingsValues{});
        Scenario scenario{QLatin1String(name), {}, QStringLiteral("ECC"), {}};
        for (const auto& [page, part] : shape)
            scenario.pages[page] = part.start;
        PageInputs& costs = scenario.pages[QStringLiteral("ECC")];
        costs.values[QLatin1String(ecc::kInterest.name)] = rate;
        costs.switches[QStringLiteral("lockPurchasePrice")] = false;
        costs.values[QLatin1String(ecc::kCPurchasePrice.name)] = 250000;
        const QString path = m_dir.filePath(QLatin1String(name) + QStringLiteral(".qnry"));
        writeAll(path, scenarioJson(scenario));
        return path;
    }

    QTemporaryDir m_dir;
    PageHarness m_harness;
};

TEST_F(CompareTest, TwoFilesSideBySideWithTheBestMarked)
{
    auto* page = static_cast<ComparePage*>(m_harness.gotoPage(QStringLiteral("Compare")));
    ASSERT_TRUE(page->openColumn(0, scenarioFile("Smith Street", 7)));
    ASSERT_TRUE(page->openColumn(1, scenarioFile("Oak Lane", 6)));
    const PageSnapshot snapshot = takeSnapshot(QStringLiteral("Compare"), page);
    const std::vector<QStringList>& rows = snapshot.grid(QLatin1String(cmp::kGrdCompare));
    ASSERT_GE(rows.size(), 12u);
    EXPECT_EQ(rows[0].mid(1, 2),
              (QStringList{QStringLiteral("Smith Street"), QStringLiteral("Oak Lane")}));
    const QString best = QStringLiteral("\u2713 best");
    // At one price the lower rate wins every row it moves; equal figures are not marked.
    const QStringList same = {QStringLiteral("Purchase Price"), QStringLiteral("Down Payment"),
                              QStringLiteral("Loan Amount"), QStringLiteral("Term (Years)")};
    for (const QStringList& row : rows) {
        const QString& caption = row[0];
        const bool moved = !same.contains(caption);
        if (caption.isEmpty())
            continue;
        EXPECT_FALSE(row[1].contains(best)) << caption.toStdString();
        if (moved) {
            EXPECT_TRUE(row[2].contains(best)) << caption.toStdString();
        } else {
            EXPECT_FALSE(row[2].contains(best)) << caption.toStdString();
        }
    }
    EXPECT_TRUE(page->csvText().contains(QStringLiteral("Interest Rate,7.000,6.000")));
    const auto report = qn::reports::ReportFor(snapshot);
    ASSERT_TRUE(report);
    EXPECT_TRUE(qn::reports::pdfBytes(*report, QDateTime::currentDateTime()).startsWith("%PDF"));
}

TEST_F(CompareTest, AnUnreadableFileLeavesTheColumnsAsTheyWere)
{
    auto* page = static_cast<ComparePage*>(m_harness.gotoPage(QStringLiteral("Compare")));
    const QString broken = m_dir.filePath(QStringLiteral("broken.qnry"));
    writeAll(broken, "not json");
    EXPECT_FALSE(page->openColumn(1, broken));
    const QStringList messages = takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(broken));
}

} // namespace

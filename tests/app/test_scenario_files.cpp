// Scenario files through the headless run: what one run saves, a fresh run opens.
#include "tests/support/files.h"
#include "tests/support/page_names.h"
#include "tests/support/program_run.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

namespace {

using ScenarioFiles = ProgramFixture;

QString set(const qn::pages::FieldSpec& field, const char* text)
{
    return QStringLiteral("--set=") + QLatin1String(field.name) + u'=' + QLatin1String(text);
}
QString click(const char* button) { return QStringLiteral("--click=") + QLatin1String(button); }
QString choose(const char* group, int item)
{
    return QStringLiteral("--choose=") + QLatin1String(group) + u'=' + QString::number(item);
}

TEST_F(ScenarioFiles, EveryPageSavedOpensTheSameInAFreshRun)
{
    // Something other than its start on every page, and each kind of thing a page holds
    // beyond its fields: a lock, both panels' lines, extra payments, a layout choice.
    const std::vector<std::pair<const char*, QStringList>> pages = {
        {"QC",
         {set(qc::kLA, "150000"), set(qc::kIR, "6.5"), set(qc::kN, "240"), click(qc::kBtnCalcPMT)}},
        {"ECC",
         {set(ecc::kInterest, "6.25"), click(ecc::kBtnUnlockPurchasePrice),
          set(ecc::kCPurchasePrice, "310000"), click(ecc::kBtnCalcClosing), set(ecc::kAF, "455"),
          click(ecc::kBtnClosePnlClosing), click(ecc::kBtnCalcEscrows), set(ecc::kIIDays, "20"),
          click(ecc::kBtnClosePnlEscrow)}},
        {"MQ", {set(mq::kIncome1, "5200"), set(mq::kCards2, "120"), set(mq::kIr2, "6.875")}},
        {"BW", {set(bw::kMortgageAmount, "180000"), set(bw::kMortgageInterest, "5.5")}},
        {"RC",
         {set(rc::kOldLoan, "140000"), click(rc::kBtnCalcFees), set(rc::kAppraisalFee, "390"),
          click(rc::kBtnCloseClosingCosts)}},
        {"LS", {choose(ls::kRgCalculate, 2), set(ls::kInterest, "6.75")}},
        {"Amort",
         {set(amort::kMortAmt, "210000"), click(amort::kBtnCalculate),
          click(amort::kBtnAddExtraPayments), choose(amort::kPnlAddExtra, 1),
          set(amort::kFromPmt, "12"), set(amort::kToPmt, "24"), set(amort::kExtraAmount, "250"),
          click(amort::kBtnAddExtra)}},
        {"RVB", {set(rvb::kMonthlyRent, "1850"), set(rvb::kTerm, "9")}},
    };
    const QString file = path("Smith Street.qnry");
    std::map<QString, QByteArray> saved;
    for (const auto& [page, actions] : pages) {
        QStringList args{QStringLiteral("--page"), QLatin1String(page)};
        if (!saved.empty())
            args << QStringLiteral("--open") << file;
        const ProgramRun r =
            run(args + actions
                + QStringList{QStringLiteral("--save"), file, QStringLiteral("--fields")});
        ASSERT_EQ(r.status, 0) << page << ": " << r.errors.toStdString();
        saved[QLatin1String(page)] = r.out;
    }
    const QJsonObject top = QJsonDocument::fromJson(readAll(file)).object();
    EXPECT_EQ(top.value(QStringLiteral("name")).toString(), QStringLiteral("Smith Street"));
    EXPECT_EQ(top.value(QStringLiteral("page")).toString(), QStringLiteral("RVB"));
    EXPECT_FALSE(top.value(QStringLiteral("pages"))
                     .toObject()
                     .value(QStringLiteral("ECC"))
                     .toObject()
                     .value(QStringLiteral("lockPurchasePrice"))
                     .toBool(true));
    for (const auto& [page, fields] : saved) {
        const ProgramRun r = run({QStringLiteral("--open"), file, QStringLiteral("--page"), page,
                                  QStringLiteral("--fields")});
        EXPECT_EQ(r.status, 0) << page.toStdString() << ": " << r.errors.toStdString();
        EXPECT_EQ(r.out, fields) << page.toStdString();
    }
}

TEST_F(ScenarioFiles, AnUnreadableFileIsNamedAndRunsNothing)
{
    const QString file = path("broken.qnry");
    writeAll(file, "{\"format\": \"quennary-scenario\", \"version\": 1, \"pages\": ");
    const ProgramRun r = run({QStringLiteral("--open"), file, QStringLiteral("--page"),
                              QStringLiteral("BW"), QStringLiteral("--fields")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.errors.contains(QStringLiteral("message: Unable to open ") + file))
        << r.errors.toStdString();
}

} // namespace

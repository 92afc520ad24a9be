// The headless page run through the real executable, as scripts use it.
#include "tests/support/files.h"
#include "tests/support/page_names.h"
#include "tests/support/program_run.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <map>

namespace {

struct RunResult {
    int status = -1;
    QJsonObject json;
    QString errors;
};

class HeadlessRun : public ProgramFixture {
protected:
    RunResult run(const QStringList& args)
    {
        const ProgramRun r = ProgramFixture::run(args);
        RunResult result{r.status, {}, r.errors};
        if (!r.out.isEmpty()) {
            QJsonParseError error{};
            result.json = QJsonDocument::fromJson(r.out, &error).object();
            EXPECT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
        }
        return result;
    }
};

TEST_F(HeadlessRun, BiweeklyExampleWithTheSettingsRateAndTerm)
{
    const RunResult r =
        run({QStringLiteral("--page"), QStringLiteral("BW"), QStringLiteral("--set"),
             QLatin1String(bw::kMortgageAmount.name) + QStringLiteral("=120000"),
             QStringLiteral("--fields")});
    EXPECT_EQ(r.status, 0) << r.errors.toStdString();
    EXPECT_TRUE(r.errors.isEmpty()) << r.errors.toStdString();
    EXPECT_EQ(r.json.value(QStringLiteral("page")).toString(), QStringLiteral("BW"));
    const QJsonObject fields = r.json.value(QStringLiteral("fields")).toObject();
    const QJsonObject values = r.json.value(QStringLiteral("values")).toObject();
    // 120000 at 8.75 % over 360 months: 1.2 times the 100000 example's 786.70.
    EXPECT_EQ(fields.value(QLatin1String(bw::kMortgageAmount.name)).toString(),
              QStringLiteral("$120,000.00"));
    EXPECT_EQ(fields.value(QLatin1String(bw::kMortgagePayments.name)).toString(),
              QStringLiteral("$944.04"));
    EXPECT_EQ(fields.value(QLatin1String(bw::kMortgageHalfPayments.name)).toString(),
              QStringLiteral("$472.02"));
    EXPECT_EQ(fields.value(QLatin1String(bw::kMortgageInterest.name)).toString(),
              QStringLiteral("8.750"));
    EXPECT_DOUBLE_EQ(values.value(QLatin1String(bw::kMortgageTotalPaid.name)).toDouble(),
                     944.04 * 360);
    EXPECT_DOUBLE_EQ(values.value(QLatin1String(bw::kMortgagePeriods.name)).toDouble(), 360);
}

TEST_F(HeadlessRun, AmortizationGridWithHeadings)
{
    const RunResult r = run({QStringLiteral("--page=Amort"), QStringLiteral("--fields")});
    EXPECT_EQ(r.status, 0) << r.errors.toStdString();
    const QJsonArray grid = r.json.value(QStringLiteral("grids"))
                                .toObject()
                                .value(QLatin1String(amort::kGrdAmortization))
                                .toArray();
    ASSERT_EQ(grid.size(), 361);
    EXPECT_EQ(grid.at(0).toArray().at(0).toString(), QStringLiteral("PMT"));
    EXPECT_EQ(grid.at(1).toArray().at(1).toString(), QStringLiteral("$57.53"));
    EXPECT_EQ(grid.at(360).toArray().at(6).toString(), QStringLiteral("$0.00"));
}

TEST_F(HeadlessRun, AMessageIsPrintedAndGivesStatusOne)
{
    const RunResult r =
        run({QStringLiteral("--page"), QStringLiteral("QC"), QStringLiteral("--click"),
             QLatin1String(qc::kBtnCalcN), QStringLiteral("--set"),
             QLatin1String(qc::kLA.name) + QStringLiteral("=100000"), QStringLiteral("--set"),
             QLatin1String(qc::kIR.name) + QStringLiteral("=8.75"), QStringLiteral("--set"),
             QLatin1String(qc::kPMT.name) + QStringLiteral("=700"), QStringLiteral("--click"),
             QLatin1String(qc::kBtnCalcQuickCalc), QStringLiteral("--fields")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.errors.startsWith(QStringLiteral("message: The payment does not cover")))
        << r.errors.toStdString();
    EXPECT_TRUE(r.errors.contains(QStringLiteral("never be repaid")));
    // The inputs stay for the user to mend.
    const QJsonObject values = r.json.value(QStringLiteral("values")).toObject();
    EXPECT_DOUBLE_EQ(values.value(QLatin1String(qc::kPMT.name)).toDouble(), 700);
    EXPECT_DOUBLE_EQ(values.value(QLatin1String(qc::kLA.name)).toDouble(), 100000);
}

TEST_F(HeadlessRun, TenMillionPaymentsAreRefusedAtOnce)
{
    QElapsedTimer timer;
    timer.start();
    const RunResult r =
        run({QStringLiteral("--page"), QStringLiteral("Amort"), QStringLiteral("--set"),
             QLatin1String(amort::kNumPmts.name) + QStringLiteral("=10000000"),
             QStringLiteral("--click"), QLatin1String(amort::kBtnCalculate),
             QStringLiteral("--fields")});
    EXPECT_LT(timer.elapsed(), 2000); // the whole process, start-up included
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.errors.trimmed(),
              QStringLiteral("message: Term in Months must be a whole number from 0 to "
                             "1200."));
    const QJsonArray grid = r.json.value(QStringLiteral("grids"))
                                .toObject()
                                .value(QLatin1String(amort::kGrdAmortization))
                                .toArray();
    EXPECT_EQ(grid.size(), 361); // the entry's schedule stays
}

TEST_F(HeadlessRun, LoanSpreadGridExactlyAsShown)
{
    const RunResult r =
        run({QStringLiteral("--page"), QStringLiteral("LS"), QStringLiteral("--choose"),
             QLatin1String(ls::kRgCalculate) + QStringLiteral("=2"), QStringLiteral("--fields")});
    EXPECT_EQ(r.status, 0) << r.errors.toStdString();
    const QJsonArray grid =
        r.json.value(QStringLiteral("grids")).toObject().value(QLatin1String(ls::kGrdLS)).toArray();
    ASSERT_EQ(grid.size(), 12);
    const QJsonArray header = grid.at(0).toArray();
    ASSERT_EQ(header.size(), 8);
    EXPECT_EQ(header.at(0).toString(), QStringLiteral(" Loan / Pmt"));
    EXPECT_EQ(header.at(1).toString(), QStringLiteral("  $561.70"));
    EXPECT_EQ(grid.at(6).toArray().at(4).toString(), QStringLiteral(" 8.750%"));
    EXPECT_EQ(grid.at(1).toArray().at(1).toString(), QStringLiteral(" 5.871%"));
    EXPECT_EQ(grid.at(11).toArray().at(7).toString(), QStringLiteral(" 11.148%"));
    EXPECT_EQ(r.json.value(QStringLiteral("choices"))
                  .toObject()
                  .value(QLatin1String(ls::kRgCalculate))
                  .toInt(),
              2);
}

TEST_F(HeadlessRun, UsageErrorsComputeNothing)
{
    const QStringList cases[] = {
        {QStringLiteral("--page"), QStringLiteral("XYZ")},
        {QStringLiteral("--fields")},
        {QStringLiteral("--page"), QStringLiteral("BW"), QStringLiteral("--set"),
         QStringLiteral("edtNoSuchField=1")},
        {QStringLiteral("--page"), QStringLiteral("BW"), QStringLiteral("--set"),
         QLatin1String(bw::kMortgagePayments.name)
             + QStringLiteral("=1")}, // a result field: read-only
        {QStringLiteral("--page"), QStringLiteral("BW"), QStringLiteral("--set"),
         QStringLiteral("=1")},
        {QStringLiteral("--page"), QStringLiteral("QC"), QStringLiteral("--click"),
         QStringLiteral("btnNope")},
        {QStringLiteral("--page"), QStringLiteral("Amort"), QStringLiteral("--choose"),
         QStringLiteral("rgNope=1")},
        {QStringLiteral("--page"), QStringLiteral("Amort"), QStringLiteral("--choose"),
         QLatin1String(amort::kPnlAddExtra) + QStringLiteral("=x")},
        {QStringLiteral("--page"), QStringLiteral("Amort"), QStringLiteral("--choose"),
         QLatin1String(amort::kPnlAddExtra) + QStringLiteral("=7")},
        {QStringLiteral("--page"), QStringLiteral("BW"), QStringLiteral("--bogus")},
        // Buttons no user could press now: a panel's closed, a disabled one.
        {QStringLiteral("--page"), QStringLiteral("ECC"), QStringLiteral("--click"),
         QLatin1String(ecc::kBtnClosePnlEscrow)},
        {QStringLiteral("--page"), QStringLiteral("ECC"), QStringLiteral("--click"),
         QLatin1String(ecc::kBtnCalcEscrows), QStringLiteral("--click"),
         QLatin1String(ecc::kBtnCalcClosing)},
        {QStringLiteral("--page"), QStringLiteral("BW"), QStringLiteral("--set")},
        {QStringLiteral("--describe"), QStringLiteral("--page"), QStringLiteral("BW"),
         QStringLiteral("--set"), QLatin1String(bw::kMortgageAmount.name) + QStringLiteral("=1")},
        {QStringLiteral("--batch"), QStringLiteral("-"), QStringLiteral("--page"),
         QStringLiteral("BW")},
    };
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        QStringList withFields = args;
        withFields.append(QStringLiteral("--fields"));
        const RunResult r = run(withFields);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.json.isEmpty()) << "printed fields after a usage error";
        EXPECT_TRUE(r.errors.startsWith(QStringLiteral("usage error: ")));
        EXPECT_EQ(r.errors.count(u'\n'), 1) << r.errors.toStdString();
        EXPECT_FALSE(QFile::exists(settingsFile()));
    }
}

// What the accessibility walk checks the running program against.
TEST_F(HeadlessRun, DescribeDeclaresEveryPagesFieldsAndTabOrder)
{
    const RunResult r = run({QStringLiteral("--describe")});
    EXPECT_EQ(r.status, 0) << r.errors.toStdString();
    const QJsonArray pages = r.json.value(QStringLiteral("pages")).toArray();
    ASSERT_EQ(pages.size(), 9); // the eight calculators and Compare
    const QJsonObject qc = pages.at(0).toObject();
    EXPECT_EQ(qc.value(QStringLiteral("page")).toString(), QStringLiteral("QC"));
    EXPECT_EQ(qc.value(QStringLiteral("menuItem")).toString(), QStringLiteral("Quick Calculator"));
    const QStringList order = {QLatin1String(qc::kBtnCalcLA),       QLatin1String(qc::kBtnCalcIR),
                               QLatin1String(qc::kBtnCalcPMT),      QLatin1String(qc::kBtnCalcN),
                               QLatin1String(qc::kLA.name),         QLatin1String(qc::kIR.name),
                               QLatin1String(qc::kPMT.name),        QLatin1String(qc::kN.name),
                               QLatin1String(qc::kBtnCalcQuickCalc)};
    EXPECT_EQ(qc.value(QStringLiteral("tabOrder")).toVariant().toStringList(), order);
    // Each entry field is named by the choice button above it.
    const std::map<QString, std::pair<QString, QString>> expected = {
        {QLatin1String(qc::kLA.name), {QStringLiteral("Loan Amount"), QStringLiteral("input")}},
        {QLatin1String(qc::kIR.name), {QStringLiteral("Interest Rate"), QStringLiteral("input")}},
        {QLatin1String(qc::kPMT.name), {QStringLiteral("Payment Amount"), QStringLiteral("input")}},
        {QLatin1String(qc::kN.name), {QStringLiteral("Number Payments"), QStringLiteral("input")}},
        {QLatin1String(qc::kBtnCalcIR),
         {QStringLiteral("Interest Rate"), QStringLiteral("button")}},
    };
    for (const QJsonValue& value : qc.value(QStringLiteral("fields")).toArray()) {
        const QJsonObject field = value.toObject();
        const QString name = field.value(QStringLiteral("objectName")).toString();
        EXPECT_FALSE(field.value(QStringLiteral("path")).toArray().isEmpty()) << name.toStdString();
        if (const auto it = expected.find(name); it != expected.end()) {
            EXPECT_EQ(field.value(QStringLiteral("caption")).toString(), it->second.first);
            EXPECT_EQ(field.value(QStringLiteral("kind")).toString(), it->second.second);
        }
    }
    // Preferences is declared too, its fields found from the dialog.
    const QJsonObject prefs = r.json.value(QStringLiteral("dialogs")).toArray().at(0).toObject();
    EXPECT_EQ(prefs.value(QStringLiteral("dialog")).toString(), QStringLiteral("Preferences"));
    EXPECT_FALSE(prefs.value(QStringLiteral("tabOrder")).toArray().isEmpty());
}

TEST_F(HeadlessRun, ResetRunsThePagesOwnReset)
{
    const RunResult r =
        run({QStringLiteral("--page"), QStringLiteral("Amort"), QStringLiteral("--click"),
             QStringLiteral("btnReset"), QStringLiteral("--fields")});
    EXPECT_EQ(r.status, 0);
    const QJsonArray grid = r.json.value(QStringLiteral("grids"))
                                .toObject()
                                .value(QLatin1String(amort::kGrdAmortization))
                                .toArray();
    ASSERT_GT(grid.size(), 1);
    EXPECT_TRUE(grid.at(1).toArray().at(0).toString().isEmpty()); // the schedule is cleared
}

class HeadlessBatch : public ProgramFixture {};

// Each line runs on a page of its own, in order, and a bad line does not stop the batch.
TEST_F(HeadlessBatch, EachLineGetsItsOwnAnswer)
{
    struct Row {
        const char* what;
        QString line;
        int status;
        QString field; // when set: its text is expected
        QString text;
        QString reason; // the start of the error, or of the first message
    };
    const QString amount = QLatin1String(bw::kMortgageAmount.name);
    const QString qcRun =
        QStringLiteral(R"({"page":"QC","actions":[["click","%1"],["set","%2","100000"],)"
                       R"(["set","%3","8.75"],["set","%4","700"],["click","%5"]]})")
            .arg(QLatin1String(qc::kBtnCalcN), QLatin1String(qc::kLA.name),
                 QLatin1String(qc::kIR.name), QLatin1String(qc::kPMT.name),
                 QLatin1String(qc::kBtnCalcQuickCalc));
    const QString scenario = path("Smith Street.qnry");
    writeAll(scenario, QStringLiteral(R"({"format":"quennary-scenario","version":1,)"
                                      R"("pages":{"BW":{"%1":130000}}})")
                           .arg(amount)
                           .toUtf8());
    const Row rows[] = {
        {"typed",
         QStringLiteral(R"({"page":"BW","actions":[["set","%1","120000"]]})").arg(amount),
         0,
         QLatin1String(bw::kMortgagePayments.name),
         QStringLiteral("$944.04"),
         {}},
        // What line 1 typed would show here if the page were kept.
        {"fresh", QStringLiteral(R"({"page":"BW"})"), 0, amount, QStringLiteral("$100,000.00"), {}},
        {"not JSON", QStringLiteral("{page"), 2, {}, {}, QStringLiteral("not JSON")},
        {"unknown page",
         QStringLiteral(R"({"page":"XYZ"})"),
         2,
         {},
         {},
         QStringLiteral("unknown page 'XYZ'")},
        {"malformed action",
         QStringLiteral(R"({"page":"LS","actions":[["choose","%1","2"]]})")
             .arg(QLatin1String(ls::kRgCalculate)),
         2,
         {},
         {},
         QStringLiteral("actions[0]: choose needs")},
        {"message", qcRun, 1, QLatin1String(qc::kPMT.name), QStringLiteral("$700.00"),
         QStringLiteral("The payment does not cover")},
        // The file gives the amount and nothing else: opened, with the gaps named.
        {"scenario", QStringLiteral(R"({"page":"BW","open":"%1"})").arg(scenario), 1, amount,
         QStringLiteral("$130,000.00"), scenario + QStringLiteral(" was opened, with a problem")},
    };
    QByteArray input;
    for (const Row& row : rows)
        input += row.line.toUtf8() + "\n\n"; // blank lines are skipped
    const ProgramRun r = run({QStringLiteral("--batch"), QStringLiteral("-")}, input);
    EXPECT_EQ(r.status, 2); // the worst line's
    EXPECT_TRUE(r.errors.isEmpty());
    const QList<QByteArray> answers = r.out.trimmed().split('\n');
    ASSERT_EQ(answers.size(), std::size(rows));
    for (qsizetype i = 0; i < answers.size(); ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE(row.what);
        const QJsonObject answer = QJsonDocument::fromJson(answers[i]).object();
        EXPECT_EQ(answer.value(QStringLiteral("line")).toInt(), 2 * i + 1);
        EXPECT_EQ(answer.value(QStringLiteral("status")).toInt(-1), row.status);
        const QJsonArray messages = answer.value(QStringLiteral("messages")).toArray();
        const QString reason = row.status == 2 ? answer.value(QStringLiteral("error")).toString()
                               : messages.isEmpty() ? QString()
                                                    : messages.at(0).toString();
        EXPECT_TRUE(reason.startsWith(row.reason)) << reason.toStdString();
        EXPECT_EQ(answer.contains(QStringLiteral("fields")), row.status != 2);
        if (!row.field.isEmpty()) {
            EXPECT_EQ(answer.value(QStringLiteral("fields")).toObject().value(row.field).toString(),
                      row.text);
        }
    }
}

} // namespace

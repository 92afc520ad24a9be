// Every report through the real executable: the page run headless, its report written as a
// PDF and read back with pdftotext.
#include "tests/support/message_fixture.h"
#include "tests/support/page_names.h"
#include "tests/support/program_run.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

class ReportPdf : public ProgramFixture {
protected:
    // The run's action that types `text` into a field.
    static QStringList set(const qn::pages::FieldSpec& field, const char* text)
    {
        return {QStringLiteral("--set"),
                QLatin1String(field.name) + QLatin1Char('=') + QLatin1String(text)};
    }
    // Runs the page with the actions, writes its report; returns the report's text.
    QString print(const QString& page, const QStringList& actions = {})
    {
        const QString pdf = m_dir.filePath(page + QStringLiteral(".pdf"));
        const ProgramRun r =
            run(QStringList{QStringLiteral("--page"), page} + actions
                + QStringList{QStringLiteral("--pdf"), pdf, QStringLiteral("--fields")});
        m_status = r.status;
        m_values =
            QJsonDocument::fromJson(r.out).object().value(QStringLiteral("values")).toObject();
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        EXPECT_TRUE(text.waitForFinished(20000));
        return QString::fromUtf8(text.readAllStandardOutput());
    }

    double value(const char* field) const
    {
        return m_values.value(QLatin1String(field)).toDouble();
    }

    static QString money(double v)
    {
        return QLocale(QLocale::English, QLocale::UnitedStates)
            .toCurrencyString(v, QStringLiteral("$"), 2);
    }

    int m_status = -1;
    QJsonObject m_values;
};

TEST_F(ReportPdf, AmortizationScheduleOverPagesWithTheirNumbers)
{
    const QString text = print(QStringLiteral("Amort"));
    EXPECT_EQ(m_status, 0);
    EXPECT_TRUE(text.contains(QStringLiteral("Loan Amortization Schedule")));
    const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 4);
    const QRegularExpression line(QStringLiteral("^\\s+(\\d+)\\s+\\$"),
                                  QRegularExpression::MultilineOption);
    int lines = 0;
    int last = 0;
    for (int p = 0; p < pages.size(); ++p) {
        // Every page repeats the loan line and the column captions and prints its number.
        EXPECT_TRUE(pages[p].contains(QStringLiteral("Payment Amount:"))) << p;
        EXPECT_TRUE(pages[p].contains(QStringLiteral("BALANCE"))) << p;
        EXPECT_TRUE(pages[p].contains(QStringLiteral("Page %1").arg(p + 1))) << p;
        EXPECT_TRUE(pages[p].contains(QStringLiteral("Quennary, 1.0.02"))) << p;
        EXPECT_TRUE(pages[p].contains(QStringLiteral("applicability of this information"))) << p;
        for (auto it = line.globalMatch(pages[p]); it.hasNext();) {
            const int number = it.next().captured(1).toInt();
            EXPECT_EQ(number, last + 1);
            last = number;
            ++lines;
        }
    }
    EXPECT_EQ(lines, 360);
    EXPECT_TRUE(text.contains(QStringLiteral("$786.70")));
}

TEST_F(ReportPdf, BiweeklyBandAloneWithItsRateWithoutPercent)
{
    const QString text = print(QStringLiteral("BW"), set(bw::kMortgageAmount, "100000"));
    EXPECT_EQ(m_status, 0);
    const QStringList order = {QStringLiteral("Biweekly Mortgage Payments"),
                               QStringLiteral("Your Mortgage Variables"),
                               QStringLiteral("$100,000.00"),
                               QStringLiteral("Your Monthly Payment Information"),
                               QStringLiteral("$786.70"),
                               QStringLiteral("Your Biweekly Payment Information"),
                               QStringLiteral("$393.35"),
                               QStringLiteral("Your Savings in Time and Interest"),
                               QStringLiteral("94.19"),
                               QStringLiteral("$56,671.28")};
    qsizetype at = 0;
    for (const QString& piece : order) {
        const qsizetype found = text.indexOf(piece, at);
        EXPECT_GE(found, 0) << piece.toStdString();
        at = std::max(at, found);
    }
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\b8\\.75\\b(?!%)"))));
    EXPECT_FALSE(text.contains(QStringLiteral("Mortgage Qualifier")));
}

TEST_F(ReportPdf, QualifierRatesCarryTheirPercent)
{
    const QString text = print(QStringLiteral("MQ"), set(mq::kIncome1, "4000"));
    EXPECT_TRUE(text.contains(QStringLiteral("Mortgage Qualifier")));
    EXPECT_TRUE(text.contains(QStringLiteral("Your Personal Financial Variables")));
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\b7%"))));
    EXPECT_TRUE(text.contains(QStringLiteral("$4,000.00")));
}

TEST_F(ReportPdf, GoodFaithEstimateAddsUpFromThePage)
{
    const QString text = print(QStringLiteral("ECC"), set(ecc::kOriginationPoints, "1.5"));
    EXPECT_EQ(m_status, 0);
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Origination Fee\\s+1\\.5%"))));
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Discount Points\\s+0%"))));
    // The loan's costs in a block of their own, a word where there is no figure.
    EXPECT_TRUE(text.contains(QStringLiteral("WHAT THE LOAN COSTS")));
    EXPECT_TRUE(text.contains(QRegularExpression(
        QStringLiteral("APR\\s+\\d\\.\\d{3}%[\\s\\S]*PMI Ends After Payment\\s+none"))));
    const double total = value(ecc::kCDownPayment.name) + value(ecc::kCClosingCosts.name)
                         + value(ecc::kCEscrows.name) - value(ecc::kSellerPaid.name);
    const QRegularExpression buyer(QStringLiteral("TOTAL BUYER PAID FUNDS TO CLOSE\\s+(\\S+)"));
    const auto match = buyer.match(text);
    ASSERT_TRUE(match.hasMatch()) << text.toStdString();
    EXPECT_EQ(match.captured(1), money(total));
    EXPECT_GT(total, 0);
}

TEST_F(ReportPdf, LoanSpreadChartOfRates)
{
    const QString text =
        print(QStringLiteral("LS"),
              {QStringLiteral("--choose"), QLatin1String(ls::kRgCalculate) + QStringLiteral("=2")});
    EXPECT_EQ(m_status, 0);
    EXPECT_TRUE(text.contains(QStringLiteral("Chart of Interest Rates")));
    EXPECT_TRUE(text.contains(QStringLiteral("Loan Amounts incremented by $1000")));
    EXPECT_TRUE(text.contains(QStringLiteral("Payment Amounts incremented by $75")));
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Loan Amount:\\s+\\$100,000.00"))));
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Payment:\\s+\\$786.70"))));
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Term:\\s+360 months"))));
    EXPECT_TRUE(text.contains(QStringLiteral("Loan / Pmt")));
    EXPECT_TRUE(text.contains(QStringLiteral("8.750%")));
    EXPECT_TRUE(text.contains(QStringLiteral("11.148%")));
}

TEST_F(ReportPdf, RefinancingWithItsHeadline)
{
    const QString text = print(QStringLiteral("RC"), set(rc::kMonthsUntilSell, "240"));
    EXPECT_TRUE(text.contains(QStringLiteral("Refinancing")));
    EXPECT_TRUE(text.contains(QStringLiteral(
        "If you sell in 240 months, your new loan will save you money as indicated below.")));
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("TOTAL SAVED\\s+\\$61,889.81"))));
    EXPECT_TRUE(text.contains(QStringLiteral("8.75%")));
}

TEST_F(ReportPdf, RentVsBuyWorksheetInItsOrder)
{
    const QString text = print(QStringLiteral("RVB"), set(rvb::kInterestRate, "8.125"));
    EXPECT_TRUE(text.contains(QStringLiteral("Rent vs. Buy Comparison")));
    EXPECT_TRUE(text.contains(QRegularExpression(
        QStringLiteral("Interest Rate of Home Loan:\\s+8.13%")))); // three significant digits
    EXPECT_TRUE(text.contains(QRegularExpression(
        QStringLiteral("Personal Income Tax Rate % \\(Include Federal \\+ State\\):\\s+33%"))));
    const qsizetype first = text.indexOf(QStringLiteral("Current Monthly Rent:"));
    const qsizetype last = text.indexOf(QStringLiteral("Effective Gain of Owning vs. Renting:"));
    EXPECT_GE(first, 0);
    EXPECT_GT(last, first);
}

TEST_F(ReportPdf, APageWithoutAReportIsAUsageError)
{
    const ProgramRun r = runProgram(
        {QStringLiteral("--page"), QStringLiteral("QC"), QStringLiteral("--pdf"), path("qc.pdf")});
    EXPECT_EQ(r.status, 2);
    EXPECT_FALSE(QFile::exists(path("qc.pdf")));
}

} // namespace

// Every report through the real executable: the page run headless, its report written as a
// PDF and read back with pdftotext.
#include "tests/support/message_fixture.h"

#include <QFile>
#include <QJsonDocument>
#include <QLocale>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ReportPdf : public ::testing::Test {
protected:
    // Runs the page with the actions, writes its report; returns the report's text.
    QString print(const QString& page, QStringList actions = {})
    {
        const QString pdf = m_dir.filePath(page + QStringLiteral(".pdf"));
        QStringList args = {QStringLiteral("--settings"), m_dir.filePath(QStringLiteral("Q.INI")),
                            QStringLiteral("--page"), page};
        args += actions;
        args += {QStringLiteral("--pdf"), pdf, QStringLiteral("--fields")};
        QProcess run;
        run.start(QStringLiteral(QUENNARY_EXE), args);
        EXPECT_TRUE(run.waitForFinished(20000));
        m_status = run.exitCode();
        m_values = QJsonDocument::fromJson(run.readAllStandardOutput())
                       .object()
                       .value(QStringLiteral("values"))
                       .toObject();
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        EXPECT_TRUE(text.waitForFinished(20000));
        return QString::fromUtf8(text.readAllStandardOutput());
    }

    double value(const char* field) const { return m_values.value(QLatin1String(field)).toDouble(); }

    static QString money(double v) { return QLocale(QLocale::English, QLocale::UnitedStates).toCurrencyString(v, QStringLiteral("$"), 2); }

    QTemporaryDir m_dir;
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
    const QString text = print(QStringLiteral("BW"), {QStringLiteral("--set"),
                                                      QStringLiteral("edtMortgageAmount=100000")});
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
    const QString text = print(QStringLiteral("MQ"), {QStringLiteral("--set"),
                                                      QStringLiteral("edtIncome1=4000")});
    EXPECT_TRUE(text.contains(QStringLiteral("Mortgage Qualifier")));
    EXPECT_TRUE(text.contains(QStringLiteral("Your Personal Financial Variables")));
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\b7%"))));
    EXPECT_TRUE(text.contains(QStringLiteral("$4,000.00")));
}

TEST_F(ReportPdf, GoodFaithEstimateAddsUpFromThePage)
{
    const QString text = print(QStringLiteral("ECC"),
                               {QStringLiteral("--set"), QStringLiteral("edtEccOriginationPoints=1.5")});
    EXPECT_EQ(m_status, 0);
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Origination Fee\\s+1\\.5%"))));
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Discount Points\\s+0%"))));
    const double total = value("edtEccCDownPayment") + value("edtEccCClosingCosts")
                         + value("edtEccCEscrows") - value("edtSellerPaid");
    const QRegularExpression buyer(
        QStringLiteral("TOTAL BUYER PAID FUNDS TO CLOSE\\s+(\\S+)"));
    const auto match = buyer.match(text);
    ASSERT_TRUE(match.hasMatch()) << text.toStdString();
    EXPECT_EQ(match.captured(1), money(total));
    EXPECT_GT(total, 0);
}

TEST_F(ReportPdf, APageWithoutAReportIsAUsageError)
{
    QProcess run;
    run.start(QStringLiteral(QUENNARY_EXE),
              {QStringLiteral("--page"), QStringLiteral("QC"), QStringLiteral("--pdf"),
               m_dir.filePath(QStringLiteral("qc.pdf"))});
    ASSERT_TRUE(run.waitForFinished(10000));
    EXPECT_EQ(run.exitCode(), 2);
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("qc.pdf"))));
}

} // namespace

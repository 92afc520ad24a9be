// The settings file, the number texts and the schedule texts under a locale whose decimal
// separator is a comma: numbers the program writes for itself must not follow it.

#include "app/settings_values.h"
#include "calculators/amortization.h"
#include "core/errors.h"
#include "core/mortgage.h"
#include "core/numtext.h"
#include "tests/support/files.h"

#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <memory>
#include <string>

using namespace qn::app;

namespace {

const char* const kCommaLocale = "de_DE.UTF-8";

// The file a first save writes, as the round trip must give it back.
const char* const kFile =
    "[LastValues]\r\nLoan=100000\r\nInterest=8.75\r\nTerm=360\r\nPayment=786.7\r\n"
    "[PmiValues]\r\nPmip308085=0.0032\r\nPmip308590=0.0052\r\nPmip309095=0.0078\r\n"
    "Pmip309597=0.009\r\nPmip158085=0.0019\r\nPmip158590=0.0023\r\nPmip159095=0.0056\r\n"
    "Pmip159597=0.0079\r\n"
    "[Ratios]\r\nHRatio=28.5\r\nDRatio=36\r\n"
    "[ClosingCosts]\r\nAppraisalFee=300\r\nCreditReport=42\r\nTaxServiceFee=85\r\n"
    "LendersInspectionFee=0\r\nTitleInsurance=200\r\nTitleSearch=100\r\n"
    "EscrowClosingFee=75\r\nRecordingFee=50\r\nOtherFees=300\r\nSellerPaid=0\r\n"
    "OriginationPoints=1.125\r\nDiscountPoints=0\r\nDownPaymentPercent=20\r\n"
    "RealEstateTax=800\r\nInsurance=580\r\nAssociationFee=1.5E-6\r\n"
    "[Escrows]\r\nInterimInterestDays=15\r\nPropertyTaxMonths=3\r\nHomeownersFirstYear=12\r\n"
    "HomeownersRenewalMonths=2\r\n";

// Switches the C library and Qt's default to the comma locale for one test suite, making
// the locale from the system's sources when it is not installed, and switches back after.
class CommaLocale : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_previous = std::setlocale(LC_ALL, nullptr);
        if (std::setlocale(LC_ALL, kCommaLocale))
            return;
        s_made = std::make_unique<QTemporaryDir>();
        const QString target = s_made->filePath(QString::fromLatin1(kCommaLocale));
        QProcess::execute(QStringLiteral("localedef"),
                          {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                           QStringLiteral("UTF-8"), target});
        s_oldLocPath = qgetenv("LOCPATH");
        qputenv("LOCPATH", QFile::encodeName(s_made->path()));
        std::setlocale(LC_ALL, kCommaLocale);
    }

    static void TearDownTestSuite()
    {
        std::setlocale(LC_ALL, s_previous.c_str());
        if (s_made) {
            if (s_oldLocPath.isNull())
                qunsetenv("LOCPATH");
            else
                qputenv("LOCPATH", s_oldLocPath);
            s_made.reset();
        }
    }

    void SetUp() override
    {
        if (std::string(std::localeconv()->decimal_point) != ",")
            GTEST_SKIP() << "no comma-decimal locale (localedef and the de_DE source needed)";
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }

    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QString path() const { return m_dir.filePath(QStringLiteral("QNRY.INI")); }

    QTemporaryDir m_dir;

    static inline std::string s_previous;
    static inline std::unique_ptr<QTemporaryDir> s_made;
    static inline QByteArray s_oldLocPath;
};

} // namespace

TEST_F(CommaLocale, SettingsRoundTripIsByteIdentical)
{
    // The C library now reads "8.75" as 8: exactly what must not reach the settings.
    EXPECT_EQ(std::strtod("8.75", nullptr), 8);
    writeAll(path(), kFile);
    QStringList messages;
    const SettingsValues v = LoadSettings(path(), [&](const QString& m) { messages << m; });
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    EXPECT_EQ(v.Interest, 8.75);
    EXPECT_EQ(v.Pmip308085, 0.0032);
    EXPECT_EQ(v.HRatio, 28.5);
    EXPECT_EQ(v.AssociationFee, 1.5e-6);
    SaveSettings(path(), v);
    EXPECT_EQ(readAll(path()).toStdString(), kFile);
}

TEST_F(CommaLocale, NumberAndScheduleTextsUseAPoint)
{
    EXPECT_EQ(qn::FloatToStrG(8.75), "8.75");
    EXPECT_EQ(qn::FloatToStrG(1.5e-7), "1.5E-7");
    EXPECT_EQ(qn::StrToFloat("8.75"), 8.75);
    EXPECT_THROW(qn::StrToFloat("8,75"), qn::EConvertError);
    const qn::TMortgage loan(360, 100000, 0.0875, 12);
    EXPECT_EQ(qn::FormatPaymentRow(loan.Payments[0])[6], "    99942.47");
    EXPECT_DOUBLE_EQ(qn::calc::GridRow(loan.Payments[0]).amounts[5], 99942.47);
}

#include "app/ini_file.h"
#include "app/settings_values.h"
#include "core/errors.h"
#include "tests/support/files.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace qn::app;

namespace {

class SettingsFile : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("QNRY.INI")); }

    SettingsValues load()
    {
        m_messages.clear();
        return LoadSettings(path(), [this](const QString& m) { m_messages << m; });
    }
    // Writes `file`, loads it without a message and saves what it read over it.
    SettingsValues loadAndSave(const QByteArray& file)
    {
        writeAll(path(), file);
        const SettingsValues v = load();
        EXPECT_TRUE(m_messages.isEmpty());
        SaveSettings(path(), v);
        return v;
    }

    QTemporaryDir m_dir;
    QStringList m_messages;
};

const char* const kFirstSave =
    "[LastValues]\nLoan=100000\nInterest=8.75\nTerm=360\nPayment=786.7\n"
    "[PmiValues]\nPmip308085=0.0032\nPmip308590=0.0052\nPmip309095=0.0078\n"
    "Pmip309597=0.009\nPmip158085=0.0019\nPmip158590=0.0023\nPmip159095=0.0056\n"
    "Pmip159597=0.0079\n"
    "[Ratios]\nHRatio=28\nDRatio=36\n"
    "[ClosingCosts]\nAppraisalFee=300\nCreditReport=42\nTaxServiceFee=85\n"
    "LendersInspectionFee=0\nTitleInsurance=200\nTitleSearch=100\nEscrowClosingFee=75\n"
    "RecordingFee=50\nOtherFees=300\nSellerPaid=0\nOriginationPoints=1\nDiscountPoints=0\n"
    "DownPaymentPercent=20\nRealEstateTax=800\nInsurance=580\nAssociationFee=0\n"
    "[Escrows]\nInterimInterestDays=15\nPropertyTaxMonths=3\nHomeownersFirstYear=12\n"
    "HomeownersRenewalMonths=2\n";

} // namespace

TEST_F(SettingsFile, MissingFileLoadsDefaultsWithoutCreatingIt)
{
    const SettingsValues v = load();
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_EQ(v.Loan, 100000);
    EXPECT_EQ(v.Term, 360);
    EXPECT_EQ(v.Pmip309597, 0.009);
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(SettingsFile, FirstSaveWritesAllKeysInFileOrder)
{
    SaveSettings(path(), SettingsValues{});
    EXPECT_EQ(readAll(path()), QByteArray(kFirstSave));
}

TEST_F(SettingsFile, RoundTripKeepsEveryValue)
{
    const SettingsValues in{.Loan = 123456.78,
                            .Interest = 6.125,
                            .Term = 180,
                            .Pmip158085 = 0.000001,
                            .HRatio = 33,
                            .HomeownersRenewalMonths = 4};
    SaveSettings(path(), in);
    const SettingsValues out = load();
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_EQ(out.Loan, in.Loan);
    EXPECT_EQ(out.Interest, in.Interest);
    EXPECT_EQ(out.Term, in.Term);
    EXPECT_EQ(out.Pmip158085, in.Pmip158085);
    EXPECT_EQ(out.HRatio, in.HRatio);
    EXPECT_EQ(out.HomeownersRenewalMonths, in.HomeownersRenewalMonths);
}

TEST_F(SettingsFile, RewriteNormalisesText)
{
    writeAll(path(), "[LastValues]\nInterest=8.750\n");
    SaveSettings(path(), load());
    EXPECT_TRUE(readAll(path()).startsWith("[LastValues]\nInterest=8.75\nLoan=100000\n"));
}

struct BadValue {
    const char* file;
    const char* message;
};

class SettingsBadValue : public SettingsFile, public ::testing::WithParamInterface<BadValue> {};

TEST_P(SettingsBadValue, ReportedOnceOthersStillLoad)
{
    writeAll(path(), QByteArray(GetParam().file) + "[Ratios]\nHRatio=30\nDRatio=x\n");
    const SettingsValues v = load();
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_EQ(m_messages[0], QLatin1String(GetParam().message));
    EXPECT_EQ(v.Loan, 100000);
    EXPECT_EQ(v.Term, 360);
    EXPECT_EQ(v.Interest, 7.5);
    EXPECT_EQ(v.HRatio, 30);
    EXPECT_EQ(v.DRatio, 36);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SettingsBadValue,
    ::testing::Values(BadValue{"[LastValues]\nLoan=100,000\nInterest=7.5\n",
                               "Loan: '100,000' is not a valid floating point value"},
                      BadValue{"[LastValues]\nLoan=$100000\nInterest=7.5\n",
                               "Loan: '$100000' is not a valid floating point value"},
                      BadValue{"[LastValues]\nInterest=7.5\nTerm=360.0\n",
                               "Term: '360.0' is not a valid integer value"},
                      BadValue{"[LastValues]\nInterest=7.5\nLoan=\n",
                               "Loan: '' is not a valid floating point value"},
                      BadValue{"[LastValues]\nInterest=7.5\nLoan=inf\n",
                               "Loan: 'inf' is not a valid floating point value"},
                      BadValue{"[LastValues]\nInterest=7.5\nLoan=1e999\n",
                               "Loan: '1e999' is not a valid floating point value"}));

TEST_F(SettingsFile, DecimalPointIgnoresUserLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    SettingsValues in;
    in.Interest = 6.25;
    SaveSettings(path(), in);
    const SettingsValues out = load();
    QLocale::setDefault(saved);
    EXPECT_TRUE(readAll(path()).contains("Interest=6.25\n"));
    EXPECT_EQ(out.Interest, 6.25);
}

TEST_F(SettingsFile, OnlyRatiosGivesDefaultsElsewhere)
{
    writeAll(path(), "[ratios]\nhratio=25\nDRATIO=40\n");
    const SettingsValues v = load();
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_EQ(v.HRatio, 25);
    EXPECT_EQ(v.DRatio, 40);
    EXPECT_EQ(v.Payment, 786.7);
    EXPECT_EQ(v.AppraisalFee, 300);
    EXPECT_EQ(v.HomeownersFirstYear, 12);
}

TEST_F(SettingsFile, RewriteKeepsForeignLinesInPlace)
{
    writeAll(path(), "; user notes\n[Window]\nLeft=10\n\n[lastvalues]\nLOAN=5\nColour=red\n"
                     "# keep me\n\n[Ratios]\nHRatio=20\n");
    SettingsValues v;
    v.Loan = 250000;
    SaveSettings(path(), v);
    const QByteArray text = readAll(path());
    EXPECT_TRUE(text.startsWith("; user notes\n[Window]\nLeft=10\n\n[lastvalues]\nLOAN=250000\n"
                                "Colour=red\nInterest=8.75\nTerm=360\nPayment=786.7\n"
                                "# keep me\n\n[Ratios]\nHRatio=28\nDRatio=36\n[PmiValues]\n"))
        << text.constData();
    EXPECT_EQ(text.count("Loan") + text.count("LOAN"), 1);
}

TEST(IniFileTest, CrlfFileKeepsItsLineEndings)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.ini"));
    writeAll(path, "[S]\r\nA=1\r\n");
    IniFile ini;
    ini.load(path);
    ini.writeString(QStringLiteral("s"), QStringLiteral("B"), QStringLiteral("2"));
    ini.writeString(QStringLiteral("T"), QStringLiteral("C"), QStringLiteral("3"));
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(readAll(path), QByteArray("[S]\r\nA=1\r\nB=2\r\n[T]\r\nC=3\r\n"));
    EXPECT_EQ(ini.readString(QStringLiteral("t"), QStringLiteral("c"), {}), QStringLiteral("3"));
    EXPECT_EQ(ini.readString(QStringLiteral("T"), QStringLiteral("D"), QStringLiteral("d")),
              QStringLiteral("d"));
}

TEST_F(SettingsFile, UnwritableTargetThrowsAndKeepsOldFile)
{
    // Tests may run as root, so make the target unwritable by its shape, not its mode.
    const QString asFolder = m_dir.filePath(QStringLiteral("folder.ini"));
    ASSERT_TRUE(QDir().mkpath(asFolder + QStringLiteral("/inner")));
    writeAll(path(), "[LastValues]\nLoan=1\n");
    const QString underFile = path() + QStringLiteral("/QNRY.INI");
    for (const QString& target : {asFolder, underFile}) {
        try {
            SaveSettings(target, SettingsValues{});
            ADD_FAILURE() << "no error for " << target.toStdString();
        } catch (const qn::QnError& error) {
            EXPECT_EQ(QString::fromUtf8(error.what()),
                      QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(target));
        }
    }
    EXPECT_EQ(readAll(path()), QByteArray("[LastValues]\nLoan=1\n"));
    EXPECT_TRUE(QDir(asFolder + QStringLiteral("/inner")).exists());
}

TEST_F(SettingsFile, FileNameMatchesAnyCase)
{
    EXPECT_EQ(FindSettingsFile(m_dir.path()), path());
    const QString lower = m_dir.filePath(QStringLiteral("qnry.ini"));
    writeAll(lower, "[Ratios]\nHRatio=31\n");
    EXPECT_EQ(FindSettingsFile(m_dir.path()), lower);
}

namespace {

QByteArray utf16(const QByteArray& utf8, bool bigEndian)
{
    QByteArray out = bigEndian ? QByteArrayLiteral("\xFE\xFF") : QByteArrayLiteral("\xFF\xFE");
    for (const QChar c : QString::fromUtf8(utf8)) {
        const char hi = static_cast<char>(c.unicode() >> 8);
        const char lo = static_cast<char>(c.unicode() & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

} // namespace

// What the program does not own keeps every byte: comments, unknown keys and sections,
// bytes that are not UTF-8, blanks around values, and each line's own line end.
TEST_F(SettingsFile, RewriteChangesOnlyOurValues)
{
    writeAll(path(), "; caf\xE9 \xFF\xFE notes\r\n[LastValues]\rLoan = 5 \n"
                     "Interest=7.5\r\n\r\n[Window]\nLeft=\x80\x81\r[Ratios]\nHRatio=30\n"
                     "DRatio=36");
    SettingsValues v = load();
    v.Loan = 250000;
    SaveSettings(path(), v);
    const QByteArray text = readAll(path());
    // New lines take the most frequent line end (LF here); the unterminated last line
    // gets one because lines follow it.
    EXPECT_TRUE(text.startsWith("; caf\xE9 \xFF\xFE notes\r\n[LastValues]\rLoan = 250000 \n"
                                "Interest=7.5\r\nTerm=360\nPayment=786.7\n\r\n"
                                "[Window]\nLeft=\x80\x81\r[Ratios]\nHRatio=30\nDRatio=36\n"
                                "[PmiValues]\n"))
        << text.constData();
    // A second save of the same values changes nothing.
    SaveSettings(path(), v);
    EXPECT_EQ(readAll(path()), text);
}

TEST_F(SettingsFile, ByteOrderMarksAndEncodingsAreKept)
{
    const QByteArray body = QByteArray(kFirstSave).replace("Interest=8.75", "Interest=6.5")
                            + "; \xC3\xA9t\xC3\xA9 \xF0\x9F\x8F\xA0\n";
    // Without a mark, UTF-16 shows itself by a NUL in every second byte.
    const QByteArray files[] = {
        "\xEF\xBB\xBF" + body,     utf16(body, false),
        utf16(body, true),         utf16(QByteArray(body).replace('\n', "\r\n"), false),
        utf16(body, false).mid(2), utf16(body, true).mid(2)};
    for (const QByteArray& file : files) {
        SCOPED_TRACE(file.left(4).toHex().toStdString());
        const SettingsValues v = loadAndSave(file);
        EXPECT_EQ(v.Interest, 6.5);
        EXPECT_EQ(v.Term, 360);
        EXPECT_EQ(readAll(path()), file); // byte for byte
    }
    // A key added to a UTF-16 file is written in UTF-16 too.
    writeAll(path(), utf16("[Ratios]\r\nHRatio=30\r\n", true));
    SettingsValues v = load();
    EXPECT_EQ(v.HRatio, 30);
    v.DRatio = 41;
    SaveSettings(path(), v);
    EXPECT_TRUE(readAll(path()).startsWith(utf16("[Ratios]\r\nHRatio=30\r\nDRatio=41\r\n", true)));
}

TEST_F(SettingsFile, LineEndsOfEveryKindAreRead)
{
    const char* const files[] = {
        "[LastValues]\rLoan=5\rInterest=6.5\r",
        "[LastValues]\r\nLoan=5\nInterest=6.5\r",
        "\xEF\xBB\xBF[LastValues]\nLoan=5\r\nInterest=6.5",
    };
    for (const char* file : files) {
        SCOPED_TRACE(file);
        const SettingsValues v = loadAndSave(file);
        EXPECT_EQ(v.Loan, 5);
        EXPECT_EQ(v.Interest, 6.5);
        EXPECT_TRUE(readAll(path()).startsWith(file)) << readAll(path()).constData();
    }
    // Mostly CR: new lines end with CR, except before an empty LF line, where a lone CR
    // would join it into one CRLF.
    writeAll(path(), "[Ratios]\rHRatio=30\r\n\n\r");
    SaveSettings(path(), load());
    EXPECT_TRUE(
        readAll(path()).startsWith("[Ratios]\rHRatio=30\r\nDRatio=36\r\n\n\r[LastValues]\r"))
        << readAll(path()).constData();
}

// The message names the key, cuts the value to 40 characters and shows bytes that could
// hide or garble it; a file of megabyte lines still loads at once.
TEST_F(SettingsFile, ConversionMessagesAreShortAndSafe)
{
    struct Case {
        QByteArray value;
        QString message;
    };
    const Case cases[] = {
        {"1,00000000000000000000000000000000000000000000",
         QStringLiteral("Loan: '1,00000000000000000000000000000000000000\u2026' is not a valid "
                        "floating point value")},
        {QByteArray("1\x00"
                    "2\x07\x7F",
                    5),
         QStringLiteral("Loan: '1\\x002\\x07\\x7F' is not a valid floating point value")},
        {"\xFF\xC3\xA9\xE2\x82", QStringLiteral("Loan: '\\xFF\u00E9\\xE2\\x82' is not a valid "
                                                "floating point value")},
        {"\xC2\x85x", QStringLiteral("Loan: '\\xC2\\x85x' is not a valid floating point value")},
    };
    for (const Case& c : cases) {
        writeAll(path(), "[LastValues]\nLoan=" + c.value + "\n");
        load();
        ASSERT_EQ(m_messages.size(), 1);
        EXPECT_EQ(m_messages[0], c.message);
    }

    const QByteArray megabyte(1 << 20, '7');
    writeAll(path(), "; " + megabyte + "\n[Window]\n" + megabyte + "=" + megabyte
                         + "\n[LastValues]\nLoan=1," + megabyte + "\nTerm=" + megabyte + "\n");
    QElapsedTimer timer;
    timer.start();
    const SettingsValues v = load();
    EXPECT_LT(timer.elapsed(), 500);
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_EQ(m_messages[0], QStringLiteral("Loan: '1,") + QString(38, u'7')
                                 + QStringLiteral("\u2026' is not a valid floating point value"));
    EXPECT_EQ(v.Loan, 100000);
    EXPECT_EQ(v.Term, 360);
}

// Each save that a kill interrupted left a temporary file; a later save removes those
// (not one that another copy of the program may be writing right now).
TEST_F(SettingsFile, LeftoverTemporaryFilesAreRemoved)
{
    const QString old1 = path() + QStringLiteral(".save-Ab12Cd.tmp");
    const QString old2 = path() + QStringLiteral(".save-zzzzzz.tmp");
    const QString fresh = path() + QStringLiteral(".save-Fresh1.tmp");
    const QString unrelated = path() + QStringLiteral(".backup");
    for (const QString& name : {old1, old2, fresh, unrelated})
        writeAll(name, "partial");
    for (const QString& name : {old1, old2, unrelated}) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                     QFileDevice::FileModificationTime));
    }
    SaveSettings(path(), SettingsValues{});
    EXPECT_FALSE(QFile::exists(old1));
    EXPECT_FALSE(QFile::exists(old2));
    EXPECT_TRUE(QFile::exists(fresh));
    EXPECT_TRUE(QFile::exists(unrelated));
    // The save itself leaves nothing behind.
    const QStringList names = QDir(m_dir.path()).entryList(QDir::Files);
    EXPECT_EQ(names.size(), 3) << names.join(u' ').toStdString();
    EXPECT_EQ(readAll(path()), QByteArray(kFirstSave));
}

// A file marked read-only is refused, even by a user whose rights would override the mark
// (tests run as root): the save says so and leaves every byte and the mode as they were.
TEST_F(SettingsFile, ReadOnlyFileIsNeverRewritten)
{
    writeAll(path(), "[LastValues]\nLoan=1\n");
    ASSERT_TRUE(
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const auto readOnly = QFile::permissions(path());
    const std::function<void()> saves[] = {
        [this] { SaveSettings(path(), SettingsValues{}); },
        [this] { qn::app::SaveSettingsKeys(path(), SettingsValues{}, {QStringLiteral("Loan")}); },
    };
    for (const auto& save : saves) {
        try {
            save();
            ADD_FAILURE() << "no error";
        } catch (const qn::EWriteError& error) {
            EXPECT_EQ(QString::fromUtf8(error.what()),
                      QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(path()));
        }
        EXPECT_EQ(readAll(path()), QByteArray("[LastValues]\nLoan=1\n"));
        EXPECT_EQ(QFile::permissions(path()), readOnly);
    }
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 1);
}

// QNRY.INI -> mid.ini -> real.ini: the save goes into the file the chain ends at, whether it
// exists yet or not, and both links stay links.
TEST_F(SettingsFile, ChainOfLinksSavesIntoItsLastFile)
{
    const QString mid = m_dir.filePath(QStringLiteral("mid.ini"));
    const QString real = m_dir.filePath(QStringLiteral("real.ini"));
    ASSERT_TRUE(QFile::link(QStringLiteral("mid.ini"), path()));
    ASSERT_TRUE(QFile::link(QStringLiteral("real.ini"), mid));
    for (const bool exists : {false, true}) {
        if (exists)
            writeAll(real, "[Ratios]\nHRatio=30\n");
        SaveSettings(path(), SettingsValues{});
        EXPECT_TRUE(QFileInfo(path()).isSymLink());
        EXPECT_TRUE(QFileInfo(mid).isSymLink());
        EXPECT_EQ(readAll(real).left(21),
                  exists ? QByteArray("[Ratios]\nHRatio=28\nDR") : QByteArray(kFirstSave).left(21));
    }
}

TEST_F(SettingsFile, AFileThatCannotBeReadIsNamed)
{
    ASSERT_TRUE(QDir().mkpath(path()));
    const SettingsValues v = load();
    EXPECT_EQ(m_messages,
              QStringList{QStringLiteral("Unable to read ") + QDir::toNativeSeparators(path())});
    EXPECT_EQ(v.Loan, 100000);
}

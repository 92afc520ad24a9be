#include "app/settings_values.h"

#include "app/ini_file.h"
#include "core/errors.h"
#include "core/numtext.h"
#include "toolkit/safe_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <array>

namespace qn::app {

namespace {

struct Entry {
    const char* section;
    const char* key;
    const char* defaultText;
    double SettingsValues::*real; // null for the one integer key
    std::int32_t SettingsValues::*whole;
};

#define QN_REAL(section, key, text)                                                                \
    Entry { section, #key, text, &SettingsValues::key, nullptr }

// File order: a file created by the first save holds the sections and keys in this order.
const std::array<Entry, 34> kEntries = {{
    QN_REAL("LastValues", Loan, "100000"),
    QN_REAL("LastValues", Interest, "8.75"),
    Entry{"LastValues", "Term", "360", nullptr, &SettingsValues::Term},
    QN_REAL("LastValues", Payment, "786.7"),
    QN_REAL("PmiValues", Pmip308085, "0.0032"),
    QN_REAL("PmiValues", Pmip308590, "0.0052"),
    QN_REAL("PmiValues", Pmip309095, "0.0078"),
    QN_REAL("PmiValues", Pmip309597, "0.0090"),
    QN_REAL("PmiValues", Pmip158085, "0.0019"),
    QN_REAL("PmiValues", Pmip158590, "0.0023"),
    QN_REAL("PmiValues", Pmip159095, "0.0056"),
    QN_REAL("PmiValues", Pmip159597, "0.0079"),
    QN_REAL("Ratios", HRatio, "28"),
    QN_REAL("Ratios", DRatio, "36"),
    QN_REAL("ClosingCosts", AppraisalFee, "300"),
    QN_REAL("ClosingCosts", CreditReport, "42"),
    QN_REAL("ClosingCosts", TaxServiceFee, "85"),
    QN_REAL("ClosingCosts", LendersInspectionFee, "0"),
    QN_REAL("ClosingCosts", TitleInsurance, "200"),
    QN_REAL("ClosingCosts", TitleSearch, "100"),
    QN_REAL("ClosingCosts", EscrowClosingFee, "75"),
    QN_REAL("ClosingCosts", RecordingFee, "50"),
    QN_REAL("ClosingCosts", OtherFees, "300"),
    QN_REAL("ClosingCosts", SellerPaid, "0"),
    QN_REAL("ClosingCosts", OriginationPoints, "1.0"),
    QN_REAL("ClosingCosts", DiscountPoints, "0"),
    QN_REAL("ClosingCosts", DownPaymentPercent, "20"),
    QN_REAL("ClosingCosts", RealEstateTax, "800"),
    QN_REAL("ClosingCosts", Insurance, "580"),
    QN_REAL("ClosingCosts", AssociationFee, "0"),
    QN_REAL("Escrows", InterimInterestDays, "15"),
    QN_REAL("Escrows", PropertyTaxMonths, "3"),
    QN_REAL("Escrows", HomeownersFirstYear, "12"),
    QN_REAL("Escrows", HomeownersRenewalMonths, "2"),
}};

#undef QN_REAL

void convertInto(SettingsValues& values, const Entry& entry, const std::string& text)
{
    if (entry.real)
        values.*entry.real = qn::StrToFloat(text);
    else
        values.*entry.whole = qn::StrToInt(text);
}

const QString kFileName = QStringLiteral("QNRY.INI");

// A faulty value as the message shows it: at most kShownLength characters, then "…";
// control characters, and bytes that are not UTF-8, as \xNN so that nothing in the file can
// hide, garble or cut the message.
constexpr int kShownLength = 40;

QString shownValue(const QByteArray& bytes)
{
    QString out;
    int shown = 0;
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    auto escape = [&out](unsigned char byte) {
        out += QStringLiteral("\\x") + QString::number(byte, 16).rightJustified(2, u'0').toUpper();
    };
    for (; i < n && shown < kShownLength; ++shown) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            if (lead < 0x20 || lead == 0x7F)
                escape(lead);
            else
                out += QLatin1Char(static_cast<char>(lead));
            ++i;
            continue;
        }
        // One well-formed UTF-8 sequence (no overlong forms, surrogates or C1 controls).
        const int length = lead >= 0xC2 && lead < 0xE0   ? 2
                           : lead >= 0xE0 && lead < 0xF0 ? 3
                           : lead >= 0xF0 && lead < 0xF5 ? 4
                                                         : 0;
        char32_t c = lead & (0x7F >> length);
        bool valid = length > 0 && i + length <= n;
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = c << 6 | (next & 0x3F);
        }
        const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        valid = valid && c >= smallest && c <= 0x10FFFF && !(c >= 0xD800 && c < 0xE000)
                && !(c >= 0x80 && c < 0xA0);
        if (!valid) {
            escape(lead);
            ++i;
            continue;
        }
        out += QString::fromUcs4(&c, 1);
        i += length;
    }
    if (i < n)
        out += QChar(0x2026);
    return out;
}

QString conversionMessage(const Entry& entry, const QByteArray& text)
{
    const QString kind = entry.real ? QStringLiteral("floating point") : QStringLiteral("integer");
    return QLatin1String(entry.key) + QStringLiteral(": '") + shownValue(text)
           + QStringLiteral("' is not a valid ") + kind + QStringLiteral(" value");
}

} // namespace

SettingsValues LoadSettings(const QString& path, const ConversionReporter& report,
                            ReportFaults mode)
{
    IniFile file;
    file.load(path);
    // Told before any value, which all take their defaults then.
    if (file.unreadable() && report)
        report(toolkit::UnableToReadMessage(path));
    return ReadSettings(file, report, mode);
}

SettingsValues ReadSettings(const IniFile& file, const ConversionReporter& report,
                            ReportFaults mode)
{
    SettingsValues values;
    bool reported = false;
    for (const Entry& entry : kEntries) {
        const auto text = file.readValue(QLatin1String(entry.section), QLatin1String(entry.key));
        if (!text) {
            convertInto(values, entry, entry.defaultText);
            continue;
        }
        try {
            convertInto(values, entry, text->toStdString());
        } catch (const qn::EConvertError&) {
            // One message is enough; later faulty keys quietly take their defaults too.
            if ((!reported || mode == ReportFaults::Every) && report)
                report(conversionMessage(entry, *text));
            reported = true;
            convertInto(values, entry, entry.defaultText);
        }
    }
    return values;
}

namespace {

void writeEntry(IniFile& file, const Entry& entry, const SettingsValues& values)
{
    // Both conversions write "." and no grouping whatever the locale.
    const std::string text =
        entry.real ? qn::FloatToStrG(values.*entry.real) : std::to_string(values.*entry.whole);
    file.writeString(QLatin1String(entry.section), QLatin1String(entry.key),
                     QString::fromStdString(text));
}

void saveOrThrow(const IniFile& file, const QString& path)
{
    if (!file.save())
        throw qn::EWriteError(toolkit::UnableToWriteMessage(path).toStdString());
}

} // namespace

void SaveSettings(const QString& path, const SettingsValues& values)
{
    IniFile file;
    file.load(path);
    WriteSettings(file, values);
    saveOrThrow(file, path);
}

void WriteSettings(IniFile& file, const SettingsValues& values)
{
    for (const Entry& entry : kEntries)
        writeEntry(file, entry, values);
}

void SaveSettingsKeys(const QString& path, const SettingsValues& values, const QStringList& keys)
{
    IniFile file;
    file.load(path);
    for (const QString& key : keys) {
        const auto entry = std::find_if(kEntries.begin(), kEntries.end(), [&](const Entry& e) {
            return key.compare(QLatin1String(e.key), Qt::CaseInsensitive) == 0;
        });
        if (entry == kEntries.end())
            throw qn::QnError("Unknown settings key " + key.toStdString());
        writeEntry(file, *entry, values);
    }
    saveOrThrow(file, path);
}

QString FindSettingsFile(const QString& folder)
{
    const QDir dir(folder);
    if (dir.exists(kFileName))
        return dir.filePath(kFileName);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        if (name.compare(kFileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    }
    return dir.filePath(kFileName);
}

QString DefaultSettingsPath()
{
    const QString exeFolder = QCoreApplication::applicationDirPath();
    const QString beside = FindSettingsFile(exeFolder);
    const QFileInfo besideInfo(beside);
    const bool usable =
        besideInfo.exists() ? besideInfo.isWritable() : QFileInfo(exeFolder).isWritable();
    if (usable)
        return beside;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return FindSettingsFile(config);
}

} // namespace qn::app

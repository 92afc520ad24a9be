#include "app/settings_values.h"

#include "app/ini_file.h"
#include "core/errors.h"
#include "core/numtext.h"

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
    double SettingsValues::*real;     // null for the one integer key
    std::int32_t SettingsValues::*whole;
};

#define QN_REAL(section, key, text) Entry{section, #key, text, &SettingsValues::key, nullptr}

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

} // namespace

SettingsValues LoadSettings(const QString& path, const ConversionReporter& report)
{
    IniFile file;
    file.load(path);
    SettingsValues values;
    bool reported = false;
    for (const Entry& entry : kEntries) {
        const QString text = file.readString(QLatin1String(entry.section),
                                             QLatin1String(entry.key),
                                             QLatin1String(entry.defaultText));
        try {
            convertInto(values, entry, text.toStdString());
        } catch (const qn::EConvertError& error) {
            // One message is enough; later faulty keys quietly take their defaults too.
            if (!reported && report)
                report(QString::fromStdString(error.what()));
            reported = true;
            convertInto(values, entry, entry.defaultText);
        }
    }
    return values;
}

void SaveSettings(const QString& path, const SettingsValues& values)
{
    IniFile file;
    file.load(path);
    for (const Entry& entry : kEntries) {
        const std::string text = entry.real ? qn::FloatToStrG(values.*entry.real)
                                            : std::to_string(values.*entry.whole);
        file.writeString(QLatin1String(entry.section), QLatin1String(entry.key),
                         QString::fromStdString(text));
    }
    if (!file.save()) {
        const QString full = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
        throw qn::QnError("Unable to write to " + full.toStdString());
    }
}

void SaveSettingsKeys(const QString& path, const SettingsValues& values,
                      const QStringList& keys)
{
    IniFile file;
    file.load(path);
    for (const QString& key : keys) {
        const auto entry = std::find_if(kEntries.begin(), kEntries.end(), [&](const Entry& e) {
            return key.compare(QLatin1String(e.key), Qt::CaseInsensitive) == 0;
        });
        if (entry == kEntries.end())
            throw qn::QnError("Unknown settings key " + key.toStdString());
        const std::string text = entry->real ? qn::FloatToStrG(values.*entry->real)
                                             : std::to_string(values.*entry->whole);
        file.writeString(QLatin1String(entry->section), QLatin1String(entry->key),
                         QString::fromStdString(text));
    }
    if (!file.save()) {
        const QString full = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
        throw qn::QnError("Unable to write to " + full.toStdString());
    }
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
    const bool usable = besideInfo.exists() ? besideInfo.isWritable()
                                            : QFileInfo(exeFolder).isWritable();
    if (usable)
        return beside;
    const QString config =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return FindSettingsFile(config);
}

} // namespace qn::app

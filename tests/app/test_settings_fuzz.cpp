#include "app/ini_file.h"
#include "app/settings_values.h"
#include "core/numtext.h"
#include "tests/support/fuzz.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <vector>

using fuzz::Rng;
using namespace qn::app;

namespace {

constexpr int kFiles = 100000;

const char* const kSections[] = {"LastValues", "PmiValues", "Ratios", "ClosingCosts", "Escrows"};
const char* const kKeys[] = {"Loan",
                             "Interest",
                             "Term",
                             "Payment",
                             "Pmip308085",
                             "Pmip308590",
                             "Pmip309095",
                             "Pmip309597",
                             "Pmip158085",
                             "Pmip158590",
                             "Pmip159095",
                             "Pmip159597",
                             "HRatio",
                             "DRatio",
                             "AppraisalFee",
                             "CreditReport",
                             "TaxServiceFee",
                             "LendersInspectionFee",
                             "TitleInsurance",
                             "TitleSearch",
                             "EscrowClosingFee",
                             "RecordingFee",
                             "OtherFees",
                             "SellerPaid",
                             "OriginationPoints",
                             "DiscountPoints",
                             "DownPaymentPercent",
                             "RealEstateTax",
                             "Insurance",
                             "AssociationFee",
                             "InterimInterestDays",
                             "PropertyTaxMonths",
                             "HomeownersFirstYear",
                             "HomeownersRenewalMonths"};

std::string randomCase(Rng& rng, std::string text)
{
    if (rng.chance(0.7))
        return text;
    for (char& c : text)
        if (rng.chance(0.5))
            c = static_cast<char>(c >= 'a' && c <= 'z'   ? c - 32
                                  : c >= 'A' && c <= 'Z' ? c + 32
                                                         : c);
    return text;
}

std::string randomBytes(Rng& rng, std::size_t length)
{
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        char c = static_cast<char>(rng.below(256));
        if (c == '\n' || c == '\r')
            c = '\0';
        text += c;
    }
    return text;
}

std::string randomValue(Rng& rng)
{
    switch (rng.below(6)) {
    case 0:
        return qn::FloatToStrG(rng.anyDouble());
    case 1:
        return std::to_string(rng.anyCount());
    case 2:
        return randomBytes(rng, rng.below(12));
    case 3:
        return rng.chance(0.5) ? "inf" : "1,5";
    case 4:
        return std::string(rng.chance(0.02) ? 5000 : 20, '9');
    default:
        return std::string(" ")
            .append(qn::FloatToStrG(std::round(rng.uniform() * 1e6) / 100))
            .append(" ");
    }
}

std::string randomLine(Rng& rng)
{
    std::string line;
    switch (rng.below(9)) {
    case 0:
    case 1:
        line.append(rng.chance(0.2) ? " [" : "[");
        line.append(randomCase(rng, kSections[rng.below(5)]));
        line.append(rng.chance(0.1) ? "] ; x" : "]");
        return line;
    case 2:
        return rng.chance(0.5) ? "[Window]" : rng.chance(0.5) ? "[" : "[]";
    case 3:
    case 4:
    case 5:
        line.append(rng.chance(0.1) ? " " : "");
        line.append(randomCase(rng, kKeys[rng.below(34)]));
        line.append(rng.chance(0.2) ? " = " : "=");
        line.append(randomValue(rng));
        return line;
    case 6:
        return rng.chance(0.5) ? "Colour=red" : rng.chance(0.5) ? "=x" : "a=b=c";
    case 7:
        return rng.chance(0.5) ? "; Loan=1" : rng.chance(0.5) ? "" : "  \t";
    default:
        return randomBytes(rng, rng.below(16));
    }
}

QByteArray toUtf16(const QByteArray& bytes, bool bigEndian)
{
    const QString text = QString::fromUtf8(bytes);
    QByteArray out = bigEndian ? QByteArrayLiteral("\xFE\xFF") : QByteArrayLiteral("\xFF\xFE");
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        const char hi = static_cast<char>(unit >> 8), lo = static_cast<char>(unit & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

QByteArray randomFile(Rng& rng)
{
    static const char* const eols[] = {"\n", "\r\n", "\r"};
    const std::size_t mixed = rng.below(3);
    QByteArray content;
    for (std::size_t lines = rng.below(14); lines > 0; --lines) {
        content += QByteArray::fromStdString(randomLine(rng));
        if (lines > 1 || rng.chance(0.8))
            content += eols[rng.chance(0.8) ? mixed : rng.below(3)];
    }
    switch (rng.below(10)) {
    case 0:
        return QByteArrayLiteral("\xEF\xBB\xBF") + content;
    case 1:
        return toUtf16(content, false) + (rng.chance(0.2) ? QByteArray("\x00", 1) : QByteArray());
    case 2:
        // Lone surrogates too: they must come back as they were.
        return toUtf16(content, true)
               + (rng.chance(0.3) ? QByteArray("\xD8\x01", 2) : QByteArray());
    case 3:
        return toUtf16(content, rng.chance(0.5)).mid(2); // no mark: recognised or not

    default:
        return content;
    }
}

// A file as code units (bytes, or 16-bit units after a UTF-16 mark or where the reader
// recognises UTF-16 without one) split into lines that keep their line ends; the mark itself
// comes first.
struct Lines {
    std::vector<std::u16string> lines;
    std::u16string mark;
};

Lines splitLines(const QByteArray& file)
{
    Lines out;
    std::u16string units;
    const bool le = file.startsWith("\xFF\xFE"), be = file.startsWith("\xFE\xFF");
    const bool utf8 = file.startsWith("\xEF\xBB\xBF");
    const std::optional<bool> bare =
        le || be || utf8 ? std::nullopt : IniFile::utf16WithoutMark(file);
    if (le || be || bare) {
        const bool big = bare ? *bare : be;
        if (!bare)
            out.mark.assign(1, u'\xFEFF');
        for (qsizetype i = bare ? 0 : 2; i + 1 < file.size(); i += 2) {
            const auto a = static_cast<unsigned char>(file[i]);
            const auto b = static_cast<unsigned char>(file[i + 1]);
            units += static_cast<char16_t>(big ? (a << 8 | b) : (b << 8 | a));
        }
        if (file.size() % 2 != 0) // a stray last byte stays last, whatever is added
            out.mark += static_cast<char16_t>(0x100 + static_cast<unsigned char>(file.back()));
    } else {
        if (utf8)
            out.mark.assign(1, u'\xFEFF');
        for (qsizetype i = utf8 ? 3 : 0; i < file.size(); ++i)
            units += static_cast<char16_t>(static_cast<unsigned char>(file[i]));
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (units[i] != u'\n' && units[i] != u'\r')
            continue;
        if (units[i] == u'\r' && i + 1 < units.size() && units[i + 1] == u'\n')
            ++i;
        out.lines.push_back(units.substr(start, i + 1 - start));
        start = i + 1;
    }
    if (start < units.size())
        out.lines.push_back(units.substr(start));
    return out;
}

std::u16string withoutEol(const std::u16string& line)
{
    const auto end = line.find_last_not_of(u"\r\n");
    return end == std::u16string::npos ? std::u16string() : line.substr(0, end + 1);
}

// "[Section]" and "Key=" of ours, as the lines a save adds begin.
const std::vector<std::u16string>& newLineStarts()
{
    static const std::vector<std::u16string> starts = [] {
        std::vector<std::u16string> out;
        for (const char* section : kSections)
            out.push_back(
                (QLatin1Char('[') + QLatin1String(section) + QLatin1Char(']')).toStdU16String());
        for (const char* key : kKeys)
            out.push_back(QString(QLatin1String(key) + QLatin1Char('=')).toStdU16String());
        return out;
    }();
    return starts;
}

bool isOurNewLine(const std::u16string& line)
{
    const std::u16string text = withoutEol(line);
    for (const std::u16string& start : newLineStarts())
        if (text.compare(0, start.size(), start) == 0
            && (start.back() == u'=' || text.size() == start.size()))
            return true;
    return false;
}

// Old and new line differ at most in the value's text: the same bytes up to the value and
// after it, the same line end (or a line end where the old last line had none).
bool onlyValueChanged(const std::u16string& before, const std::u16string& after)
{
    const std::u16string a = withoutEol(before), b = withoutEol(after);
    const std::u16string eolA = before.substr(a.size()), eolB = after.substr(b.size());
    if (eolA != eolB && !eolA.empty())
        return false;
    const auto eq = a.find(u'=');
    if (eq == std::u16string::npos || b.compare(0, eq + 1, a, 0, eq + 1) != 0)
        return false;
    const auto isBlank = [](char16_t c) { return c == u' ' || c == u'\t' || c == 11 || c == 12; };
    std::size_t lead = eq + 1;
    while (lead < a.size() && isBlank(a[lead]))
        ++lead;
    std::size_t trail = 0;
    while (trail < a.size() - lead && isBlank(a[a.size() - 1 - trail]))
        ++trail;
    return b.size() >= lead + trail && b.compare(0, lead, a, 0, lead) == 0
           && b.compare(b.size() - trail, trail, a, a.size() - trail, trail) == 0;
}

// The same line, or one that only gained a line end (it was the last and got a follower).
bool kept(const std::u16string& before, const std::u16string& after)
{
    if (before == after || onlyValueChanged(before, after))
        return true;
    return withoutEol(before) == before && withoutEol(after) == before;
}

// Every old line is still there, in order, changed at most in a value; the other new lines
// are headers and keys of ours.
void checkKept(const QByteArray& before, const QByteArray& after)
{
    const Lines a = splitLines(before), b = splitLines(after);
    if (a.mark != b.mark)
        throw std::logic_error("byte-order mark changed");
    std::size_t j = 0;
    for (std::size_t i = 0; i < a.lines.size(); ++i) {
        while (j < b.lines.size() && !kept(a.lines[i], b.lines[j])) {
            if (!isOurNewLine(b.lines[j]))
                throw std::logic_error("line " + std::to_string(i) + " lost or changed");
            ++j;
        }
        if (j == b.lines.size())
            throw std::logic_error("line " + std::to_string(i) + " missing");
        ++j;
    }
    for (; j < b.lines.size(); ++j)
        if (!isOurNewLine(b.lines[j]))
            throw std::logic_error("unexpected line at the end");
}

SettingsValues randomValues(Rng& rng)
{
    SettingsValues v;
    double* reals[] = {
        &v.Loan,   &v.Interest,     &v.Payment,           &v.Pmip308085,
        &v.HRatio, &v.AppraisalFee, &v.OriginationPoints, &v.HomeownersRenewalMonths};
    for (double* r : reals) {
        do
            *r = rng.anyDouble();
        while (!std::isfinite(*r));
    }
    v.Term = rng.anyCount();
    return v;
}

bool sameValues(const SettingsValues& a, const SettingsValues& b)
{
    return a.Loan == b.Loan && a.Interest == b.Interest && a.Payment == b.Payment
           && a.Pmip308085 == b.Pmip308085 && a.HRatio == b.HRatio
           && a.AppraisalFee == b.AppraisalFee && a.OriginationPoints == b.OriginationPoints
           && a.HomeownersRenewalMonths == b.HomeownersRenewalMonths && a.Term == b.Term
           && a.DRatio == b.DRatio && a.Pmip159597 == b.Pmip159597;
}

} // namespace

// Random files: reading gives finite values and at most one short message and leaves the
// bytes as they were; a rewrite (of every fourth file) keeps every line that is not one of
// our values, and reads back as the values written.
TEST(Fuzz, SettingsFileReadAndRewrite)
{
    Rng rng(21);
    for (int i = 0; i < kFiles; ++i) {
        const QByteArray original = randomFile(rng);
        const SettingsValues written = randomValues(rng);
        fuzz::check(
            [&] {
                IniFile ini;
                ini.parse(original);
                QStringList messages;
                const SettingsValues read =
                    ReadSettings(ini, [&](const QString& m) { messages << m; });
                const double* real = &read.Loan;
                for (const double* r : {real, &read.Interest, &read.Payment, &read.DRatio,
                                        &read.HomeownersRenewalMonths})
                    fuzz::requireFinite(*r, "value");
                if (messages.size() > 1 || (!messages.isEmpty() && messages[0].size() > 200))
                    throw std::logic_error("messages");
                if (ini.bytes() != original)
                    throw std::logic_error("read and written back unchanged differs");
                if (i % 4 != 0) // rewriting costs more; a quarter of the files suffice
                    return;
                WriteSettings(ini, written);
                const QByteArray saved = ini.bytes();
                checkKept(original, saved);
                IniFile again;
                again.parse(saved);
                messages.clear();
                const SettingsValues back =
                    ReadSettings(again, [&](const QString& m) { messages << m; });
                if (!messages.isEmpty() || !sameValues(back, written))
                    throw std::logic_error("values do not read back");
            },
            [&] {
                return "file " + std::to_string(i) + " (" + original.toHex().toStdString() + ")";
            });
    }
}

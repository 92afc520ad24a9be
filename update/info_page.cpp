#include "update/info_page.h"

#include <QRegularExpression>

#include <algorithm>

namespace qn::update {

namespace {

// Leading whole number of a version part; anything else counts as 0.
long long partValue(const QString& part)
{
    bool ok = false;
    const long long v = part.toLongLong(&ok);
    return ok ? v : 0;
}

bool allDigits(QStringView text)
{
    return !text.isEmpty()
           && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

} // namespace

std::map<QString, QString> ReadInfoTags(const QString& page, const QStringList& tags)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    std::map<QString, QString> values;
    const QStringList lines = page.split(lineEnd);
    for (const QString& line : lines) {
        const qsizetype meta =
            line.indexOf(QStringLiteral("META HTTP-EQUIV"), 0, Qt::CaseInsensitive);
        if (meta < 0)
            continue;
        qsizetype at = meta + 15;
        if (line.mid(at, 2) != QStringLiteral("=\""))
            continue;
        at += 2;
        const qsizetype close = line.indexOf(QLatin1Char('"'), at);
        if (close < 0)
            continue;
        const QString name = line.mid(at, close - at);
        if (name.isEmpty() || !tags.contains(name))
            continue;
        const qsizetype content = line.indexOf(QStringLiteral("CONTENT=\""), close);
        if (content < 0)
            continue;
        const qsizetype start = content + 9;
        const qsizetype end = line.indexOf(QLatin1Char('"'), start);
        if (end < 0)
            continue;
        values[name] = line.mid(start, end - start);
    }
    return values;
}

std::optional<QDate> ParseInfoDate(const QString& text)
{
    static const char* const months[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                         "jul", "aug", "sep", "oct", "nov", "dec"};
    // "<month> DD, YYYY": the day right before the first comma, ", " and the year last.
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma < 6 || text.size() != comma + 6 || text[comma - 3] != u' ' || text[comma + 1] != u' ')
        return std::nullopt;
    const QStringView day = QStringView(text).mid(comma - 2, 2);
    const QStringView year = QStringView(text).right(4);
    if (!allDigits(day) || !allDigits(year))
        return std::nullopt;
    int month = 0;
    for (int m = 0; m < 12; ++m) {
        if (text.left(3).compare(QLatin1String(months[m]), Qt::CaseInsensitive) == 0)
            month = m + 1;
    }
    const QDate date(year.toInt(), month, day.toInt());
    if (!month || !date.isValid())
        return std::nullopt;
    return date;
}

bool IsNewerVersion(const QString& current, const QString& server)
{
    // A server text that runs out of parts counts as 0 from there on, so "1" is no update
    // of "1.0.02" (taken unchanged it would compare its 1 with the current 0 and win).
    QString a = current;
    QString b = server;
    while (true) {
        const long long mine = partValue(a.section(QLatin1Char('.'), 0, 0));
        const long long theirs = partValue(b.section(QLatin1Char('.'), 0, 0));
        if (mine < theirs)
            return true;
        if (mine > theirs)
            return false;
        if (!a.contains(QLatin1Char('.')))
            return false;
        a = a.section(QLatin1Char('.'), 1);
        b = b.contains(QLatin1Char('.')) ? b.section(QLatin1Char('.'), 1) : QString();
    }
}

} // namespace qn::update

#include "app/ini_file.h"

#include <QFile>
#include <QSaveFile>

namespace qn::app {

namespace {

bool isComment(const QString& trimmed)
{
    return trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'));
}

// The name inside "[name]", or a null string when the line is no section header.
QString headerName(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1Char('[')))
        return {};
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    if (close < 0)
        return {};
    QString name = trimmed.mid(1, close - 1).trimmed();
    if (name.isNull())
        name = QLatin1String("");
    return name;
}

bool isHeader(const QString& line)
{
    return !headerName(line).isNull();
}

// The key of a "key=value" line, or a null string for anything else.
QString keyName(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || isComment(trimmed))
        return {};
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return {};
    return line.left(eq).trimmed();
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

void IniFile::load(const QString& path)
{
    m_path = path;
    m_lines.clear();
    m_eol = QStringLiteral("\n");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString content = QString::fromUtf8(file.readAll());
    if (content.contains(QLatin1String("\r\n")))
        m_eol = QStringLiteral("\r\n");
    QString normalized = content;
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_lines = normalized.split(QLatin1Char('\n'));
    // The terminator of the last line is added back on writing.
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
}

int IniFile::findSection(const QString& section) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString name = headerName(m_lines[i]);
        if (!name.isNull() && sameName(name, section))
            return i;
    }
    return -1;
}

int IniFile::sectionEnd(int header) const
{
    int i = header + 1;
    while (i < m_lines.size() && !isHeader(m_lines[i]))
        ++i;
    return i;
}

int IniFile::findKey(int header, int end, const QString& key) const
{
    for (int i = header + 1; i < end; ++i) {
        const QString name = keyName(m_lines[i]);
        if (!name.isNull() && sameName(name, key))
            return i;
    }
    return -1;
}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& defaultText) const
{
    const int header = findSection(section);
    if (header < 0)
        return defaultText;
    const int line = findKey(header, sectionEnd(header), key);
    if (line < 0)
        return defaultText;
    const QString& text = m_lines[line];
    return text.mid(text.indexOf(QLatin1Char('=')) + 1).trimmed();
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    const int header = findSection(section);
    if (header < 0) {
        m_lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        m_lines.append(key + QLatin1Char('=') + value);
        return;
    }
    const int end = sectionEnd(header);
    const int line = findKey(header, end, key);
    if (line >= 0) {
        // Keep the key as the file spells it.
        const QString& old = m_lines[line];
        m_lines[line] = old.left(old.indexOf(QLatin1Char('='))).trimmed() + QLatin1Char('=') +
                        value;
        return;
    }
    int last = header;
    for (int i = header + 1; i < end; ++i) {
        if (!keyName(m_lines[i]).isNull())
            last = i;
    }
    m_lines.insert(last + 1, key + QLatin1Char('=') + value);
}

QString IniFile::text() const
{
    QString out;
    for (const QString& line : m_lines)
        out += line + m_eol;
    return out;
}

bool IniFile::save() const
{
    return save(m_path);
}

bool IniFile::save(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = text().toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace qn::app

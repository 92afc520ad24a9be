#include "app/ini_file.h"

#include "toolkit/safe_file.h"

#include <QFile>

#include <array>

namespace qn::app {

namespace {

const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");
const QByteArray kUtf16LeBom = QByteArrayLiteral("\xFF\xFE");
const QByteArray kUtf16BeBom = QByteArrayLiteral("\xFE\xFF");

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    return true;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// UTF-16 is held in memory as UTF-8, with unpaired surrogates encoded like any other
// code unit, so that every file converts back to exactly its own units.
QByteArray utf16ToBytes(const QByteArray& raw, bool bigEndian)
{
    QByteArray out;
    out.reserve(raw.size());
    const qsizetype units = raw.size() / 2;
    auto unitAt = [&](qsizetype i) {
        const auto a = static_cast<unsigned char>(raw[2 * i]);
        const auto b = static_cast<unsigned char>(raw[2 * i + 1]);
        return static_cast<char32_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
    };
    for (qsizetype i = 0; i < units; ++i) {
        char32_t c = unitAt(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < units) {
            const char32_t low = unitAt(i + 1);
            if (low >= 0xDC00 && low < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// The inverse of utf16ToBytes. Its input is what that produced plus ASCII values, so every
// sequence is complete; a stray byte would be kept as a unit of its own.
QByteArray bytesToUtf16(const QByteArray& bytes, bool bigEndian)
{
    QByteArray out;
    out.reserve(bytes.size() * 2);
    auto put = [&](char32_t unit) {
        const auto hi = static_cast<char>(unit >> 8);
        const auto lo = static_cast<char>(unit & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    };
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (length == 1 || lead < 0xC0 || i + length > n) {
            put(lead);
            ++i;
            continue;
        }
        char32_t c = lead & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            c = c << 6 | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
        if (c >= 0x10000) {
            c -= 0x10000;
            put(0xD800 + (c >> 10));
            put(0xDC00 + (c & 0x3FF));
        } else {
            put(c);
        }
        i += length;
    }
    return out;
}

} // namespace

std::optional<bool> IniFile::utf16WithoutMark(const QByteArray& content)
{
    // The brackets, names and numbers of an initialization file are ASCII, whose UTF-16
    // units have a NUL high byte, while text in UTF-8 or any 8-bit code page holds no NUL at
    // all. A few units of other letters (in comments, say) may stand among them.
    const qsizetype units = content.size() / 2;
    if (units == 0 || content.size() % 2 != 0 || !content.contains('\0'))
        return std::nullopt;
    qsizetype evenNul = 0;
    qsizetype oddNul = 0;
    for (qsizetype i = 0; i < content.size(); i += 2) {
        evenNul += content[i] == 0 ? 1 : 0;
        oddNul += content[i + 1] == 0 ? 1 : 0;
    }
    if (oddNul * 4 >= units * 3 && evenNul * 8 <= units)
        return false;
    if (evenNul * 4 >= units * 3 && oddNul * 8 <= units)
        return true;
    return std::nullopt;
}

IniFile::Line IniFile::makeLine(QByteArray text, QByteArray eol)
{
    Line line;
    line.text = std::move(text);
    line.eol = std::move(eol);
    const QByteArray trimmed = line.text.trimmed();
    const qsizetype close = trimmed.startsWith('[') ? trimmed.indexOf(']') : -1;
    if (close >= 0) {
        line.kind = Kind::Header;
        line.name = trimmed.mid(1, close - 1).trimmed();
        return line;
    }
    if (trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#'))
        return line;
    const qsizetype eq = line.text.indexOf('=');
    if (eq >= 0) {
        line.kind = Kind::Key;
        line.name = line.text.left(eq).trimmed();
    }
    return line;
}

void IniFile::load(const QString& path)
{
    m_path = path;
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    QByteArray content = opened ? file.readAll() : QByteArray();
    const bool failed = opened ? file.error() != QFileDevice::NoError : file.exists();
    parse(std::move(content));
    m_unreadable = failed;
}

void IniFile::parse(QByteArray content)
{
    m_lines.clear();
    m_encoding = Encoding::Plain;
    m_bom = true;
    m_unreadable = false;
    m_oddByte.clear();
    m_eol = QByteArrayLiteral("\n");
    std::optional<bool> bareUtf16; // big-endian
    if (content.startsWith(kUtf8Bom)) {
        m_encoding = Encoding::Utf8Bom;
        content.remove(0, kUtf8Bom.size());
    } else if (content.startsWith(kUtf16LeBom) || content.startsWith(kUtf16BeBom)) {
        const bool bigEndian = content.startsWith(kUtf16BeBom);
        m_encoding = bigEndian ? Encoding::Utf16Be : Encoding::Utf16Le;
        content.remove(0, 2);
    } else if ((bareUtf16 = utf16WithoutMark(content))) {
        m_encoding = *bareUtf16 ? Encoding::Utf16Be : Encoding::Utf16Le;
        m_bom = false;
    }
    if (m_encoding == Encoding::Utf16Le || m_encoding == Encoding::Utf16Be) {
        if (content.size() % 2 != 0)
            m_oddByte = content.right(1);
        content = utf16ToBytes(content, m_encoding == Encoding::Utf16Be);
    }

    // Lines end at "\r\n", "\n" or a lone "\r"; each keeps its own.
    std::array<int, 3> counts{}; // "\n", "\r\n", "\r"
    const qsizetype n = content.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = content[i];
        if (c != '\n' && c != '\r')
            continue;
        qsizetype eolLength = 1;
        int kind = c == '\n' ? 0 : 2;
        if (c == '\r' && i + 1 < n && content[i + 1] == '\n') {
            eolLength = 2;
            kind = 1;
        }
        ++counts[static_cast<std::size_t>(kind)];
        m_lines.push_back(makeLine(content.mid(start, i - start), content.mid(i, eolLength)));
        i += eolLength - 1;
        start = i + 1;
    }
    if (start < n)
        m_lines.push_back(makeLine(content.mid(start), {}));
    if (counts[1] > counts[0] && counts[1] >= counts[2])
        m_eol = QByteArrayLiteral("\r\n");
    else if (counts[2] > counts[0] && counts[2] > counts[1])
        m_eol = QByteArrayLiteral("\r");
}

int IniFile::findSection(const QByteArray& section) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].kind == Kind::Header && sameName(m_lines[i].name, section))
            return static_cast<int>(i);
    return -1;
}

int IniFile::sectionEnd(int header) const
{
    auto i = static_cast<std::size_t>(header) + 1;
    while (i < m_lines.size() && m_lines[i].kind != Kind::Header)
        ++i;
    return static_cast<int>(i);
}

int IniFile::findKey(int header, int end, const QByteArray& key) const
{
    for (int i = header + 1; i < end; ++i) {
        const Line& line = m_lines[static_cast<std::size_t>(i)];
        if (line.kind == Kind::Key && sameName(line.name, key))
            return i;
    }
    return -1;
}

std::optional<QByteArray> IniFile::readValue(const QString& section, const QString& key) const
{
    const int header = findSection(section.toUtf8());
    if (header < 0)
        return std::nullopt;
    const int line = findKey(header, sectionEnd(header), key.toUtf8());
    if (line < 0)
        return std::nullopt;
    const QByteArray& text = m_lines[static_cast<std::size_t>(line)].text;
    return text.mid(text.indexOf('=') + 1).trimmed();
}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& defaultText) const
{
    const auto value = readValue(section, key);
    return value ? QString::fromUtf8(*value) : defaultText;
}

void IniFile::insertLine(int at, const QByteArray& text)
{
    const auto index = static_cast<std::size_t>(at);
    if (index > 0 && m_lines[index - 1].eol.isEmpty())
        m_lines[index - 1].eol = m_eol;
    // A lone "\r" before an empty "\n" line would read back as one "\r\n", losing that line.
    QByteArray eol = m_eol;
    if (eol == "\r" && index < m_lines.size() && m_lines[index].text.isEmpty()
        && m_lines[index].eol == "\n")
        eol = QByteArrayLiteral("\r\n");
    m_lines.insert(m_lines.begin() + at, makeLine(text, eol));
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    const QByteArray sectionName = section.toUtf8();
    const QByteArray keyName = key.toUtf8();
    const QByteArray newLine = keyName + '=' + value.toUtf8();
    const int header = findSection(sectionName);
    if (header < 0) {
        const auto end = static_cast<int>(m_lines.size());
        insertLine(end, '[' + sectionName + ']');
        insertLine(end + 1, newLine);
        return;
    }
    const int end = sectionEnd(header);
    const int found = findKey(header, end, keyName);
    if (found >= 0) {
        // Only the value's text changes; the key's spelling and the blanks stay.
        QByteArray& text = m_lines[static_cast<std::size_t>(found)].text;
        qsizetype first = text.indexOf('=') + 1;
        qsizetype last = text.size();
        while (first < last && isBlank(text[first]))
            ++first;
        while (last > first && isBlank(text[last - 1]))
            --last;
        text.replace(first, last - first, value.toUtf8());
        return;
    }
    int last = header;
    for (int i = header + 1; i < end; ++i)
        if (m_lines[static_cast<std::size_t>(i)].kind == Kind::Key)
            last = i;
    insertLine(last + 1, newLine);
}

QByteArray IniFile::bytes() const
{
    QByteArray content;
    for (const Line& line : m_lines) {
        content += line.text;
        content += line.eol;
    }
    switch (m_encoding) {
    case Encoding::Plain:
        return content;
    case Encoding::Utf8Bom:
        return kUtf8Bom + content;
    case Encoding::Utf16Le:
        return (m_bom ? kUtf16LeBom : QByteArray()) + bytesToUtf16(content, false) + m_oddByte;
    case Encoding::Utf16Be:
        return (m_bom ? kUtf16BeBom : QByteArray()) + bytesToUtf16(content, true) + m_oddByte;
    }
    return content;
}

bool IniFile::save() const { return save(m_path); }

bool IniFile::save(const QString& path) const { return toolkit::WriteFileSafely(path, bytes()); }

} // namespace qn::app

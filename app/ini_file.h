#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace qn::app {

// A Windows-style initialization file kept as its lines of bytes, so that a rewrite changes
// only the values written: comments, blank lines, unknown sections and keys, their order,
// bytes that are not UTF-8 and each line's own line end stay as they were. A UTF-8 or
// UTF-16 byte-order mark is kept, and a UTF-16 file, with or without one, is written back
// as UTF-16.
// Section and key names compare without regard to (ASCII) letter case.
class IniFile {
public:
    // A missing or unreadable file reads as empty; nothing is created.
    void load(const QString& path);
    // The file exists but could not be read (no permission, a folder).
    bool unreadable() const { return m_unreadable; }
    // Takes the file's content as it would be read from disk (the path stays).
    void parse(QByteArray content);

    // The value's bytes (UTF-8 for a UTF-16 file) with blanks around them removed, or
    // nullopt when the section or key is missing.
    std::optional<QByteArray> readValue(const QString& section, const QString& key) const;

    // readValue decoded as UTF-8, or the default when the section or key is missing.
    QString readString(const QString& section, const QString& key,
                       const QString& defaultText) const;

    // Replaces the text of an existing key's value in place (blanks around it and the key's
    // spelling stay), or inserts the key after the last key of its section, or appends the
    // section at the end of the file. New lines take the file's most frequent line end.
    void writeString(const QString& section, const QString& key, const QString& value);

    // The whole file as it would be written, byte-order mark and encoding included.
    QByteArray bytes() const;

    // Writes the file loaded (or the path given) by the rules of toolkit::SafeFile: replaced
    // whole or not at all, through links, never when the file is read-only; false when it
    // cannot be written, in which case the old file is untouched.
    bool save() const;
    bool save(const QString& path) const;

    const QString& path() const { return m_path; }

    // Whether bytes without a byte-order mark are UTF-16, which shows in its NUL bytes:
    // true big-endian, false little-endian, nullopt when they are no UTF-16.
    static std::optional<bool> utf16WithoutMark(const QByteArray& content);

private:
    enum class Kind { Other, Header, Key };
    enum class Encoding { Plain, Utf8Bom, Utf16Le, Utf16Be };

    struct Line {
        QByteArray text; // without its line end
        QByteArray eol;  // "\n", "\r\n", "\r", or empty for a last line without one
        Kind kind = Kind::Other;
        QByteArray name; // section or key name, trimmed
    };

    static Line makeLine(QByteArray text, QByteArray eol);
    // Index of the section's header line, or -1.
    int findSection(const QByteArray& section) const;
    // Index one past the section's last line (next header or end of file).
    int sectionEnd(int header) const;
    // Index of the key's line within [header + 1, end), or -1.
    int findKey(int header, int end, const QByteArray& key) const;
    // Inserts a line before index `at`, giving a preceding unterminated line its line end.
    void insertLine(int at, const QByteArray& text);

    QString m_path;
    std::vector<Line> m_lines;
    Encoding m_encoding = Encoding::Plain;
    bool m_bom = true; // a UTF-16 file's byte-order mark
    bool m_unreadable = false;
    QByteArray m_oddByte; // a UTF-16 file's stray last byte, kept as it was
    QByteArray m_eol = QByteArrayLiteral("\n");
};

} // namespace qn::app

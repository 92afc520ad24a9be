#pragma once

#include <QString>
#include <QStringList>

namespace qn::app {

// A Windows-style initialization file kept as its lines, so that a rewrite leaves comments,
// blank lines, unknown sections and keys, their order and the file's line endings alone.
// Section and key names compare without regard to letter case.
class IniFile {
public:
    // A missing or unreadable file reads as empty; nothing is created.
    void load(const QString& path);

    // The value's text with blanks around it removed, or the default when the section or
    // key is missing.
    QString readString(const QString& section, const QString& key,
                       const QString& defaultText) const;

    // Replaces an existing key's text in place, or appends the key after the last key of its
    // section, or appends the section at the end of the file.
    void writeString(const QString& section, const QString& key, const QString& value);

    // The whole file as it would be written.
    QString text() const;

    // Atomic replace of the file loaded (or of the path given); false when it cannot be
    // written, in which case the old file is untouched.
    bool save() const;
    bool save(const QString& path) const;

    const QString& path() const { return m_path; }

private:
    // Index of the section's header line, or -1.
    int findSection(const QString& section) const;
    // Index one past the section's last line (next header or end of file).
    int sectionEnd(int header) const;
    // Index of the key's line within [header + 1, end), or -1.
    int findKey(int header, int end, const QString& key) const;

    QString m_path;
    QStringList m_lines;
    QString m_eol = QStringLiteral("\n");
};

} // namespace qn::app

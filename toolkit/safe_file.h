#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class QFile;

namespace qn::toolkit {

// Every file the program writes (the settings file, exports, reports, downloads) is written
// through here, so that nothing already there is lost and no failure passes for success:
// - A regular file, or a new one, is written to a temporary file beside it, each write
//   checked, synced to disk and then renamed over the old one. A failure at any step, or a
//   kill, leaves the old file exactly as it was; only a commit makes the new one appear.
// - A link, or a chain of links, is followed to the file it ends at; the links stay links.
// - An existing file that may not be written is refused, never replaced: one without write
//   permission for this user, and one marked read-only for everybody, even for a user whose
//   rights would override the mark (as under Windows, read-only means read-only).
// - A target that exists and is no regular file (a terminal, a device, a FIFO) is written in
//   place, as a shell's redirection would, and is never replaced by a plain file.
// - Temporary files that interrupted writes left behind (older than a minute, so not those
//   of another copy of the program writing now) are removed.
class SafeFile {
public:
    explicit SafeFile(const QString& path);
    ~SafeFile(); // without a successful commit the target is untouched
    SafeFile(const SafeFile&) = delete;
    SafeFile& operator=(const SafeFile&) = delete;

    bool open();
    // Writes all of data or reports false; after a false nothing can be committed.
    bool write(const QByteArray& data);
    // For writers that stream (a download): what they write goes here, and can be read back
    // before the commit. Check their writes.
    QFile* device();
    // The target exists and is no regular file: writes go straight to it.
    bool inPlace() const { return m_inPlace; }
    // Makes what was written the file's content; false when it could not be.
    bool commit();

private:
    QString m_path;   // as asked for
    QString m_target; // where the links end
    std::unique_ptr<QFile> m_file;
    bool m_inPlace = false;
    bool m_failed = false;
    bool m_existed = false;
    unsigned m_mode = 0;
    long long m_owner = -1;
    long long m_group = -1;
};

// The whole content of the file at path, written by SafeFile's rules; false on any failure.
bool WriteFileSafely(const QString& path, const QByteArray& data);

// All of data to the standard output (a pipe or the terminal); false when it did not go.
bool WriteStandardOutput(const QByteArray& data);

// What the user reads when a file cannot be written: "Unable to write to <full path>".
QString UnableToWriteMessage(const QString& path);
// And when one cannot be read: "Unable to read <full path>".
QString UnableToReadMessage(const QString& path);

// Names of the temporary files SafeFile writes beside the target:
// "<file name>.save-XXXXXX.tmp".
bool IsTemporaryName(const QString& fileName, const QString& target);

// Where a test makes a write fail as a full disk, a lost permission or a failing rename
// would: called before each step with the file's path as asked for; true makes the step
// fail. A failing Write step writes half of its bytes first, as a disk that fills up does.
enum class WriteStep { Open, Write, Commit };
using WriteFault = std::function<bool(WriteStep step, const QString& path)>;
// Returns the fault that was set before.
WriteFault SetWriteFault(WriteFault fault);

} // namespace qn::toolkit

#include "toolkit/safe_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace qn::toolkit {

namespace {

namespace fs = std::filesystem;

WriteFault& writeFault()
{
    static WriteFault fault;
    return fault;
}

bool faultAt(WriteStep step, const QString& path)
{
    const WriteFault& fault = writeFault();
    return fault && fault(step, path);
}

fs::path nativePath(const QString& path)
{
#ifdef Q_OS_WIN
    return fs::path(path.toStdWString());
#else
    return fs::path(QFile::encodeName(path).toStdString());
#endif
}

QString fromNative(const fs::path& path)
{
#ifdef Q_OS_WIN
    return QString::fromStdWString(path.wstring());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
#endif
}

// The file a chain of links ends at (the path itself when it is no link); empty for a chain
// that loops or runs longer than any system allows.
QString finalTarget(const QString& path)
{
    fs::path at = nativePath(QFileInfo(path).absoluteFilePath());
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(at, error)))
            return fromNative(at.lexically_normal());
        const fs::path next = fs::read_symlink(at, error);
        if (error)
            return {};
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    return {};
}

const QString kTempMiddle = QStringLiteral(".save-");
const QString kTempSuffix = QStringLiteral(".tmp");

// A write takes milliseconds; a temporary file this old belongs to no write still running.
constexpr qint64 kStaleSeconds = 60;

void removeStaleTemporaries(const QDir& dir, const QString& target)
{
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const QFileInfo& entry : entries) {
        if (!IsTemporaryName(entry.fileName(), target))
            continue;
        if (entry.lastModified().toUTC().secsTo(now) > kStaleSeconds)
            QFile::remove(entry.absoluteFilePath());
    }
}

#ifdef Q_OS_UNIX
// A new file gets what the user's file-creation mask allows, as any program's new file does.
unsigned newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666u & ~static_cast<unsigned>(mask);
}
#endif

} // namespace

SafeFile::SafeFile(const QString& path) : m_path(path) {}

SafeFile::~SafeFile() = default; // QTemporaryFile removes an uncommitted temporary file

bool SafeFile::open()
{
    m_failed = true;
    m_target = finalTarget(m_path);
    if (m_target.isEmpty() || faultAt(WriteStep::Open, m_path))
        return false;
    const QFileInfo target(m_target);
#ifdef Q_OS_UNIX
    struct stat st {};
    const QByteArray native = QFile::encodeName(m_target);
    m_existed = ::stat(native.constData(), &st) == 0;
    if (m_existed && S_ISDIR(st.st_mode))
        return false;
    if (m_existed && !S_ISREG(st.st_mode)) {
        m_inPlace = true;
        m_file = std::make_unique<QFile>(m_target);
        if (!m_file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        m_failed = false;
        return true;
    }
    if (m_existed) {
        if (::access(native.constData(), W_OK) != 0 || (st.st_mode & 0222) == 0)
            return false;
        m_mode = st.st_mode & 07777;
        m_owner = st.st_uid;
        m_group = st.st_gid;
    } else {
        m_mode = newFileMode();
    }
#else
    m_existed = target.exists();
    if (m_existed && (target.isDir() || !target.isWritable()))
        return false;
#endif
    const QDir dir = target.absoluteDir();
    removeStaleTemporaries(dir, target.fileName());
    auto temp = std::make_unique<QTemporaryFile>(
        dir.filePath(target.fileName() + kTempMiddle + QStringLiteral("XXXXXX") + kTempSuffix));
    if (!temp->open())
        return false;
    m_file = std::move(temp);
    m_failed = false;
    return true;
}

bool SafeFile::write(const QByteArray& data)
{
    if (m_failed || !m_file)
        return false;
    if (faultAt(WriteStep::Write, m_path)) {
        m_file->write(data.left(data.size() / 2));
        m_failed = true;
        return false;
    }
    if (m_file->write(data) != data.size())
        m_failed = true;
    return !m_failed;
}

QFile* SafeFile::device() { return m_file.get(); }

bool SafeFile::commit()
{
    if (m_failed || !m_file)
        return false;
    m_failed = true; // one commit only
    if (!m_file->flush() || m_file->error() != QFileDevice::NoError)
        return false;
    if (m_inPlace) {
        m_file->close();
        return m_file->error() == QFileDevice::NoError && !faultAt(WriteStep::Commit, m_path);
    }
    auto* temp = static_cast<QTemporaryFile*>(m_file.get());
#ifdef Q_OS_UNIX
    // The content must be on disk before the rename makes it the file.
    const int fd = temp->handle();
    if (::fsync(fd) != 0)
        return false;
    if (::fchmod(fd, static_cast<mode_t>(m_mode)) != 0)
        return false;
    // Still owned by whoever owned the old file; only a privileged user can do that, and
    // for anybody else the file is theirs anyway.
    if (m_owner >= 0 && static_cast<long long>(::geteuid()) != m_owner
        && ::fchown(fd, static_cast<uid_t>(m_owner), static_cast<gid_t>(m_group)) != 0) {
    }
#else
    if (m_existed)
        temp->setPermissions(QFile::permissions(m_target));
#endif
    temp->close();
    if (temp->error() != QFileDevice::NoError || faultAt(WriteStep::Commit, m_path))
        return false;
    std::error_code error;
    fs::rename(nativePath(temp->fileName()), nativePath(m_target), error);
    if (error)
        return false;
    temp->setAutoRemove(false);
#ifdef Q_OS_UNIX
    // And the rename itself, so that a crash right after cannot bring the old file back.
    const QByteArray folder = QFile::encodeName(QFileInfo(m_target).absolutePath());
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
#endif
    m_failed = false;
    return true;
}

bool WriteFileSafely(const QString& path, const QByteArray& data)
{
    SafeFile file(path);
    return file.open() && file.write(data) && file.commit();
}

bool WriteStandardOutput(const QByteArray& data)
{
    std::fflush(stdout); // what was printed before goes first
    if (faultAt(WriteStep::Write, QStringLiteral("-")))
        return false;
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered,
                  QFileDevice::DontCloseHandle))
        return false;
    return out.write(data) == data.size() && out.flush();
}

QString UnableToWriteMessage(const QString& path)
{
    return QStringLiteral("Unable to write to ")
           + QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString UnableToReadMessage(const QString& path)
{
    return QStringLiteral("Unable to read ")
           + QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

bool IsTemporaryName(const QString& fileName, const QString& target)
{
    return fileName.size() > target.size() + kTempMiddle.size() + kTempSuffix.size()
           && fileName.startsWith(target + kTempMiddle) && fileName.endsWith(kTempSuffix);
}

WriteFault SetWriteFault(WriteFault fault) { return std::exchange(writeFault(), std::move(fault)); }

} // namespace qn::toolkit

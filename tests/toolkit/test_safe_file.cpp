// The one writer of the program's files: a failure at any step leaves the old file as it was,
// and a target that is no regular file is written in place rather than replaced.
#include "tests/support/files.h"
#include "toolkit/safe_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace qn::toolkit;

namespace {

class SafeFileTest : public ::testing::Test {
protected:
    void TearDown() override { SetWriteFault({}); }
    QStringList entries() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::System); }
    QTemporaryDir m_dir;
};

// Each step failing in turn, over an old file and where there was none: the old bytes stay,
// no file appears, and no temporary file is left behind.
TEST_F(SafeFileTest, AFailingStepLeavesTheOldFileAsItWas)
{
    const QString old = m_dir.filePath(QStringLiteral("old.csv"));
    const QString none = m_dir.filePath(QStringLiteral("new.csv"));
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old\n");
    file.close();
    const QByteArray data(100000, 'x');
    for (const WriteStep failing : {WriteStep::Open, WriteStep::Write, WriteStep::Commit}) {
        SCOPED_TRACE(static_cast<int>(failing));
        QStringList asked;
        SetWriteFault([&](WriteStep step, const QString& path) {
            asked << path;
            return step == failing;
        });
        EXPECT_FALSE(WriteFileSafely(old, data));
        EXPECT_FALSE(WriteFileSafely(none, data));
        EXPECT_EQ(readAll(old), QByteArray("old\n"));
        EXPECT_EQ(entries(), QStringList{QStringLiteral("old.csv")});
        EXPECT_TRUE(asked.contains(old) && asked.contains(none));
    }
    SetWriteFault({});
    EXPECT_TRUE(WriteFileSafely(old, data));
    EXPECT_EQ(readAll(old), data);
    EXPECT_EQ(entries(), QStringList{QStringLiteral("old.csv")});
    EXPECT_EQ(qn::toolkit::UnableToWriteMessage(old),
              QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(old));
}

// A FIFO is written into, and stays a FIFO.
TEST_F(SafeFileTest, AFifoIsWrittenInPlace)
{
    const QString fifo = m_dir.filePath(QStringLiteral("pipe"));
    const QByteArray native = QFile::encodeName(fifo);
    ASSERT_EQ(::mkfifo(native.constData(), 0600), 0);
    const int reader = ::open(native.constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_TRUE(WriteFileSafely(fifo, "a,b\n1,2\n"));
    char buffer[64] = {};
    EXPECT_EQ(::read(reader, buffer, sizeof buffer), 8);
    ::close(reader);
    EXPECT_EQ(QByteArray(buffer), QByteArray("a,b\n1,2\n"));
    EXPECT_TRUE(std::filesystem::is_fifo(native.toStdString()));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("pipe")});
}

} // namespace

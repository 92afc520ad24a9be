#pragma once

// The real executable run as a separate process, as scripts run it (app tests only: they
// know where QUENNARY_EXE is).
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

struct ProgramRun {
    int status = -1;
    QByteArray out;
    QString errors;
};

// Runs the program with `args`, feeding it `input` on standard input, and waits for it to end;
// a run that does not end within 20 s fails the test.
inline ProgramRun runProgram(const QStringList& args, const QByteArray& input = {})
{
    QProcess process;
    process.start(QStringLiteral(QUENNARY_EXE), args);
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(20000));
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

// Runs the program on a settings file of its own, in a folder that lives as long as the test.
class ProgramFixture : public ::testing::Test {
protected:
    ProgramRun run(const QStringList& args, const QByteArray& input = {})
    {
        return runProgram(QStringList{QStringLiteral("--settings"), settingsFile()} + args, input);
    }
    QString settingsFile() const { return path("QNRY.INI"); }
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

    QTemporaryDir m_dir;
};

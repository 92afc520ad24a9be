#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <memory>

// Runs tests of this binary again in a child process under a comma-decimal locale
// (de_DE.UTF-8), generating that locale in a temporary folder when the system has none.
// The child sees QUENNARY_LOCALE_CHILD set; the parent's environment is never changed.
class GermanLocaleChild {
public:
    static bool inChild() { return qEnvironmentVariableIsSet("QUENNARY_LOCALE_CHILD"); }

    // The child's exit code, or -1 when no such locale can be had here (skip the test).
    int run(const QString& gtestFilter)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!systemHasGerman()) {
            m_dir = std::make_unique<QTemporaryDir>();
            const QString target = m_dir->filePath(QStringLiteral("de_DE.UTF-8"));
            QProcess::execute(QStringLiteral("localedef"),
                              {QStringLiteral("-c"), QStringLiteral("-i"), QStringLiteral("de_DE"),
                               QStringLiteral("-f"), QStringLiteral("UTF-8"), target});
            if (!QDir(target).exists())
                return -1;
            env.insert(QStringLiteral("LOCPATH"), m_dir->path());
        }
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
        env.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
        env.insert(QStringLiteral("QUENNARY_LOCALE_CHILD"), QStringLiteral("1"));
        QProcess child;
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=") + gtestFilter});
        if (!child.waitForFinished(60000))
            return -2;
        m_output = QString::fromLocal8Bit(child.readAll());
        return child.exitCode();
    }

    const QString& output() const { return m_output; }

private:
    static bool systemHasGerman()
    {
        QProcess list;
        list.start(QStringLiteral("locale"), {QStringLiteral("-a")});
        list.waitForFinished(5000);
        const QString names = QString::fromLocal8Bit(list.readAll()).toLower();
        return names.contains(QStringLiteral("de_de.utf8"));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_output;
};

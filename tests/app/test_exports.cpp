// The schedule and the loan spread table leave the program as CSV and as pasted text.
#include "app/main_window.h"
#include "pages/calculator_page.h"
#include "pages/page_snapshot.h"
#include "reports/forms.h"
#include "reports/preview.h"
#include "tests/support/files.h"
#include "tests/support/page_names.h"
#include "tests/support/program_run.h"
#include "tests/support/window_fixture.h"
#include "toolkit/safe_file.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <filesystem>
#include <functional>
#include <tuple>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QStringList readLines(const QString& path)
{
    EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
    return QString::fromUtf8(readAll(path)).split(u'\n', Qt::SkipEmptyParts);
}

int headless(const QStringList& args) { return runProgram(args).status; }

// Makes every write to `path` fail halfway, as a full disk does, for as long as it lives.
class FullDisk {
public:
    explicit FullDisk(const QString& path)
    {
        m_previous =
            qn::toolkit::SetWriteFault([path](qn::toolkit::WriteStep step, const QString& target) {
                return step == qn::toolkit::WriteStep::Write && target == path;
            });
    }
    ~FullDisk() { qn::toolkit::SetWriteFault(m_previous); }

private:
    qn::toolkit::WriteFault m_previous;
};

class Exports : public WindowFixture {};

// Once a modal window of type W is up, hands it to `answer`.
template <typename W> void whenShown(std::function<void(W*)> answer)
{
    QTimer::singleShot(20, [answer] {
        if (auto* dialog = qobject_cast<W*>(QApplication::activeModalWidget()))
            answer(dialog);
        else
            whenShown<W>(answer);
    });
}

// In the save dialog: the name it offers, then "schedule" typed over it, then Save.
QString typeScheduleInto(QFileDialog* dialog, const QString& folder)
{
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    const QString offered = name ? name->text() : QString();
    dialog->setDirectory(folder);
    if (name) {
        name->setText(QStringLiteral("schedule"));
        QTest::keyClick(name, Qt::Key_Return);
    }
    return offered;
}

TEST_F(Exports, ScheduleCsvAddsUpToTheLoan)
{
    const QString csv = m_dir.filePath(QStringLiteral("schedule.csv"));
    ASSERT_EQ(headless({QStringLiteral("--settings"), settingsFile(), QStringLiteral("--page"),
                        QStringLiteral("Amort"), QStringLiteral("--set"),
                        QLatin1String(amort::kMortAmt.name) + QStringLiteral("=150000"),
                        QStringLiteral("--click"), QLatin1String(amort::kBtnCalculate),
                        QStringLiteral("--csv"), csv}),
              0);
    const QStringList lines = readLines(csv);
    ASSERT_EQ(lines.size(), 361);
    EXPECT_EQ(lines.front(), QStringLiteral("Payment,Principal,Interest,Principal To Date,"
                                            "Interest To Date,Extra Principal,Balance"));
    double principal = 0;
    for (qsizetype i = 1; i < lines.size(); ++i)
        principal += lines[i].split(u',').at(1).toDouble();
    EXPECT_NEAR(principal, 150000, 0.005);
    EXPECT_EQ(lines.back().split(u',').at(6), QStringLiteral("0.00"));
    EXPECT_FALSE(QFile::exists(csv + QStringLiteral(".tmp")));
}

TEST_F(Exports, SpreadCsvHasPlainNumbersAndPagesWithoutATableRefuse)
{
    const QString csv = m_dir.filePath(QStringLiteral("spread.csv"));
    ASSERT_EQ(headless({QStringLiteral("--settings"), settingsFile(), QStringLiteral("--page"),
                        QStringLiteral("LS"), QStringLiteral("--csv"), csv}),
              0);
    const QStringList lines = readLines(csv);
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[0].split(u',').at(4), QStringLiteral("8.75"));
    EXPECT_EQ(lines[6].split(u',').at(0), QStringLiteral("100000"));
    EXPECT_NEAR(lines[6].split(u',').at(4).toDouble(), 786.70, 0.005);
    EXPECT_FALSE(lines.join(u'\n').contains(u'$'));
    EXPECT_EQ(headless({QStringLiteral("--settings"), settingsFile(), QStringLiteral("--page"),
                        QStringLiteral("BW"), QStringLiteral("--csv"), csv}),
              2);
}

// A name typed without an extension gets the filter's; the page names what is offered.
TEST_F(Exports, SaveDialogsOfferThePagesNameAndAddTheExtension)
{
    m_window->show();
    m_window->gotoChosenCalculator(QStringLiteral("Amort"));
    const QString folder = m_dir.path();
    QString offered;
    whenShown<QFileDialog>([&](QFileDialog* d) { offered = typeScheduleInto(d, folder); });
    m_window->mnuFileExportClick();
    EXPECT_EQ(offered, QStringLiteral("Amortization Schedule.csv"));
    EXPECT_TRUE(QFile::exists(m_dir.filePath(QStringLiteral("schedule.csv"))));

    whenShown<QDialog>([&](QDialog* preview) {
        whenShown<QFileDialog>([&, preview](QFileDialog* d) {
            offered = typeScheduleInto(d, folder);
            QTimer::singleShot(0, preview, &QDialog::reject);
        });
        preview->findChild<QPushButton*>(QStringLiteral("bbSavePdf"))->click();
    });
    m_window->Print();
    EXPECT_EQ(offered, QStringLiteral("Amortization Schedule.pdf"));
    EXPECT_TRUE(QFile::exists(m_dir.filePath(QStringLiteral("schedule.pdf"))));
}

// File > Export and the preview's Save PDF on a full disk: the message names the file, and
// the file keeps its old content.
TEST_F(Exports, AFailedWriteInTheWindowIsReportedAndKeepsTheOldFile)
{
    const QString target = m_dir.filePath(QStringLiteral("out"));
    m_window->gotoChosenCalculator(QStringLiteral("Amort"));
    m_window->setExportPathAsker([&] { return target; });
    const std::function<void()> writers[] = {
        [&] { m_window->mnuFileExportClick(); },
        [&] {
            const auto report = qn::reports::ReportFor(qn::pages::takeSnapshot(
                QStringLiteral("Amort"), m_window->page(QStringLiteral("Amort"))));
            ASSERT_TRUE(report);
            qn::reports::TfrmPreview preview(m_window.get());
            preview.setReport(*report, QDateTime::currentDateTime());
            preview.setPdfPathAsker([&] { return target; });
            preview.bbSavePdfClick();
        },
    };
    for (const auto& write : writers) {
        writeAll(target, "old");
        {
            FullDisk full(target);
            write();
        }
        EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("Unable to write to ")
                                              + QDir::toNativeSeparators(target)});
        EXPECT_EQ(readAll(target), QByteArray("old"));
        write(); // and with room on the disk
        EXPECT_TRUE(takeMessages().isEmpty());
        EXPECT_GT(readAll(target).size(), 1000);
    }
}

// --csv and --pdf where the disk takes no more than 8 KB (a file-size limit, as a full disk
// would, fails the write): the message on standard error, status 1, the old file kept whole.
TEST(HeadlessExports, AFailedWriteIsReportedAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("out"));
    for (const char* option : {"--csv", "--pdf"}) {
        SCOPED_TRACE(option);
        writeAll(target, "old");
        QProcess process;
        process.setChildProcessModifier([] {
            const rlimit limit{8192, 8192};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            ::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the program
        });
        process.start(QStringLiteral(QUENNARY_EXE),
                      {QStringLiteral("--settings"), dir.filePath(QStringLiteral("QNRY.INI")),
                       QStringLiteral("--page"), QStringLiteral("Amort"), QLatin1String(option),
                       target});
        ASSERT_TRUE(process.waitForFinished(20000));
        EXPECT_EQ(process.exitCode(), 1);
        EXPECT_EQ(process.readAllStandardError(),
                  "message: Unable to write to " + target.toUtf8() + "\n");
        EXPECT_EQ(readAll(target), QByteArray("old"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("out")});
    }
}

// "-" is the standard output; a FIFO is written into and stays one; standard output carries
// one thing only.
TEST(HeadlessExports, StandardOutputAndFifos)
{
    QTemporaryDir dir;
    auto run = [&](QStringList args, const QString& fifo = {}) {
        args = QStringList{QStringLiteral("--settings"), dir.filePath(QStringLiteral("QNRY.INI")),
                           QStringLiteral("--page"), QStringLiteral("Amort")}
               + args;
        QByteArray out;
        const int reader = fifo.isEmpty()
                               ? -1
                               : ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(QUENNARY_EXE), args);
        char buffer[4096];
        while (!process.waitForFinished(5) && process.state() != QProcess::NotRunning) {
            for (ssize_t n; reader >= 0 && (n = ::read(reader, buffer, sizeof buffer)) > 0;)
                out.append(buffer, n);
        }
        for (ssize_t n; reader >= 0 && (n = ::read(reader, buffer, sizeof buffer)) > 0;)
            out.append(buffer, n);
        if (reader >= 0)
            ::close(reader);
        if (fifo.isEmpty())
            out = process.readAllStandardOutput();
        return std::tuple{process.exitCode(), out, process.readAllStandardError()};
    };
    auto [status, out, errors] = run({QStringLiteral("--csv"), QStringLiteral("-")});
    EXPECT_EQ(status, 0) << errors.toStdString();
    EXPECT_EQ(out.count('\n'), 361);
    EXPECT_TRUE(out.startsWith("Payment,Principal,"));
    std::tie(status, out, errors) = run({QStringLiteral("--pdf"), QStringLiteral("-")});
    EXPECT_EQ(status, 0) << errors.toStdString();
    EXPECT_TRUE(out.startsWith("%PDF-"));
    EXPECT_TRUE(out.trimmed().endsWith("%%EOF"));

    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    std::tie(status, out, errors) = run({QStringLiteral("--csv"), fifo}, fifo);
    EXPECT_EQ(status, 0) << errors.toStdString();
    EXPECT_EQ(out.count('\n'), 361);
    EXPECT_TRUE(std::filesystem::is_fifo(QFile::encodeName(fifo).toStdString()));

    for (const QStringList& args :
         {QStringList{QStringLiteral("--csv"), QStringLiteral("-"), QStringLiteral("--fields")},
          QStringList{QStringLiteral("--pdf"), QStringLiteral("-"), QStringLiteral("--csv"),
                      QStringLiteral("-")}}) {
        std::tie(status, out, errors) = run(args);
        EXPECT_EQ(status, 2);
        EXPECT_TRUE(out.isEmpty());
        EXPECT_EQ(errors.count('\n'), 1) << errors.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System),
              QStringList{QStringLiteral("pipe")});
}

TEST_F(Exports, ExportIsOfferedOnlyWhereThereIsATable)
{
    auto* item = m_window->findChild<QAction*>(QStringLiteral("mnuFileExport"));
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->isEnabled());
    m_window->gotoChosenCalculator(QStringLiteral("Amort"));
    EXPECT_TRUE(item->isEnabled());
    m_window->gotoChosenCalculator(QStringLiteral("BW"));
    EXPECT_FALSE(item->isEnabled());
    m_window->gotoChosenCalculator(QStringLiteral("LS"));
    EXPECT_TRUE(item->isEnabled());
    m_window->gotoChosenCalculator(QStringLiteral("btnMenu"));
    EXPECT_FALSE(item->isEnabled());
}

TEST_F(Exports, CtrlCCopiesCellsForASpreadsheet)
{
    m_window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    m_window->gotoChosenCalculator(QStringLiteral("Amort"));
    auto* grid = m_window->page(QStringLiteral("Amort"))
                     ->findChild<QTableView*>(QLatin1String(amort::kGrdAmortization));
    grid->setFocus();
    grid->clearSelection();
    QTest::keyClick(m_window->windowHandle(), Qt::Key_C, Qt::ControlModifier);
    QStringList rows = QApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 361); // headings and every payment
    EXPECT_EQ(rows[0].split(u'\t').size(), 7);
    EXPECT_EQ(rows[1].split(u'\t').at(6), QStringLiteral("$99,942.47"));
    grid->setCurrentIndex(grid->model()->index(0, 1));
    QTest::keyClick(m_window->windowHandle(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("$57.53\n"));

    m_window->gotoChosenCalculator(QStringLiteral("LS"));
    m_window->page(QStringLiteral("LS"))->setFocus();
    QTest::keyClick(m_window->windowHandle(), Qt::Key_C, Qt::ControlModifier);
    rows = QApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 12);
    EXPECT_EQ(rows[6].split(u'\t').at(4), QStringLiteral("$786.70"));
    takeMessages();
}

} // namespace

// The schedule and the loan spread table leave the program as CSV and as pasted text.
#include "app/main_window.h"
#include "pages/calculator_page.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QProcess>
#include <QTableView>
#include <QTest>

namespace {

QStringList readLines(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

int headless(const QStringList& args)
{
    QProcess run;
    run.start(QStringLiteral(QUENNARY_EXE), args);
    EXPECT_TRUE(run.waitForFinished(20000));
    return run.exitCode();
}

class Exports : public WindowFixture {};

// Once a modal window of type W is up, hands it to `answer`.
template <typename W>
void whenShown(std::function<void(W*)> answer)
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
                        QStringLiteral("edtMortAmt=150000"), QStringLiteral("--click"),
                        QStringLiteral("btnCalculate"), QStringLiteral("--csv"), csv}),
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
                     ->findChild<QTableView*>(QStringLiteral("grdAmortization"));
    grid->setFocus();
    grid->clearSelection();
    QTest::keyClick(m_window->windowHandle(), Qt::Key_C, Qt::ControlModifier);
    QStringList rows = QApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 361);  // headings and every payment
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

// Pictures of the pages with the widest figures they accept, for a person to look at:
// QUENNARY_SHOTS=<folder> saves them (run once more with QT_SCALE_FACTOR=2); otherwise skipped.
#include "pages/field_table.h"
#include "pages/num_edit.h"
#include "tests/support/page_fixture.h"
#include "tests/support/page_names.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

using qn::pages::TFnpNumericEdit;
using qn::pages::TNumEdit;

namespace {

class Screenshots : public PageFixture {
protected:
    void SetUp() override
    {
        m_folder = qEnvironmentVariable("QUENNARY_SHOTS");
        if (m_folder.isEmpty())
            GTEST_SKIP() << "set QUENNARY_SHOTS to a folder to save the pictures";
        PageFixture::SetUp();
        QDir().mkpath(m_folder);
    }

    void save(const QString& name)
    {
        settle();
        const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
        EXPECT_TRUE(m_window->grab().save(
            QDir(m_folder).filePath(name + QStringLiteral("-x") + scale + QStringLiteral(".png"))));
    }

    QString m_folder;
};

TEST_F(Screenshots, WidestFiguresOnTheFirstPages)
{
    const double widest = 999999999999.99;
    m_window->gotoPage(QStringLiteral("Amort"));
    find<TNumEdit>(QStringLiteral("Amort"), amort::kMortAmt.name)->setValue(widest);
    find<TFnpNumericEdit>(QStringLiteral("Amort"), amort::kNumPmts.name)->setValue(1200);
    find<QPushButton>(QStringLiteral("Amort"), amort::kBtnCalculate)->click();
    save(QStringLiteral("amort"));

    m_window->gotoPage(QStringLiteral("BW"));
    find<TNumEdit>(QStringLiteral("BW"), bw::kMortgageAmount.name)->setValue(widest);
    find<TFnpNumericEdit>(QStringLiteral("BW"), bw::kMortgagePeriods.name)->setValue(1200);
    find<TNumEdit>(QStringLiteral("BW"), bw::kMortgageAmount.name)->setFocus();
    settle();
    m_window->setFocus();
    save(QStringLiteral("bw"));

    m_window->gotoPage(QStringLiteral("QC"));
    find<QPushButton>(QStringLiteral("QC"), qc::kBtnCalcPMT)->click();
    find<TNumEdit>(QStringLiteral("QC"), qc::kLA.name)->setValue(widest);
    find<TFnpNumericEdit>(QStringLiteral("QC"), qc::kIR.name)->setValue(99.999);
    find<TFnpNumericEdit>(QStringLiteral("QC"), qc::kN.name)->setValue(1200);
    find<QPushButton>(QStringLiteral("QC"), qc::kBtnCalcQuickCalc)->click();
    save(QStringLiteral("qc"));
    takeMessages();
}

TEST_F(Screenshots, TheCharts)
{
    // QUENNARY_DARK=1: the same pictures under a dark desktop palette.
    if (qEnvironmentVariableIsSet("QUENNARY_DARK")) {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(45, 45, 45));
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::Button, QColor(60, 60, 60));
        dark.setColor(QPalette::ButtonText, Qt::white);
        QApplication::setPalette(dark);
    }
    for (const char* page : {"Amort", "BW", "RC", "RVB"}) {
        m_window->gotoPage(QLatin1String(page));
        settle();
        if (QLatin1String(page) == QLatin1String("BW") || QLatin1String(page) == QLatin1String("RC")
            || QLatin1String(page) == QLatin1String("RVB")) {
            // These pages compute when a field is left.
            auto* field = m_window->page(QLatin1String(page))->findChild<qn::pages::NumericField*>();
            field->setFocus();
            settle();
            m_window->setFocus();
            settle();
        }
        find<QPushButton>(QLatin1String(page), qn::pages::kBtnChart)->click();
        save(QStringLiteral("chart-") + QLatin1String(page));
    }
    takeMessages();
}

TEST_F(Screenshots, TheLaterPages)
{
    m_window->gotoPage(QStringLiteral("LS"));
    for (int kind = 0; kind < 4; ++kind) {
        find<QWidget>(QStringLiteral("LS"), ls::kRgCalculate)
            ->findChildren<QRadioButton*>()
            .at(kind)
            ->click();
        save(QStringLiteral("ls-kind%1").arg(kind));
    }
    m_window->gotoPage(QStringLiteral("RC"));
    save(QStringLiteral("rc"));
    find<QPushButton>(QStringLiteral("RC"), rc::kBtnCalcFees)->click();
    save(QStringLiteral("rc-panel"));
    m_window->gotoPage(QStringLiteral("RVB"));
    find<TNumEdit>(QStringLiteral("RVB"), rvb::kMonthlyRent.name)->setFocus();
    settle();
    m_window->setFocus();
    save(QStringLiteral("rvb"));
    takeMessages();
}

} // namespace

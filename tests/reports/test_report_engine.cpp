#include "core/errors.h"
#include "pages/registry.h"
#include "reports/formats.h"
#include "reports/forms.h"
#include "reports/preview.h"
#include "reports/report_engine.h"
#include "tests/support/message_fixture.h"

#include <QLabel>
#include <QLocale>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace qn::reports;

namespace {

// A report of `rows` detail lines of 16 units, with the common frame.
Report schedule(int rows)
{
    Report r;
    r.title = QStringLiteral("of Test");
    r.titleBand = TitleBand(QStringLiteral("Title"));
    r.pageHeader.height = 50;
    r.pageHeader.add({Item::Kind::Label, QRectF(45, 0, 300, 20), QStringLiteral("lblHead"),
                      QStringLiteral("head"), Qt::AlignLeft, 11, false, nullptr});
    r.pageFooter = FooterBand(true);
    r.detail.height = 16;
    r.detail.add({Item::Kind::Label,
                  QRectF(45, 0, 300, 16),
                  QStringLiteral("lblRow"),
                  {},
                  Qt::AlignLeft,
                  11,
                  false,
                  nullptr});
    auto next = std::make_shared<int>(0);
    r.needData = [next, rows](Band& detail) {
        if (*next >= rows)
            return false;
        detail.set(QStringLiteral("lblRow"), QString::number(++*next));
        return true;
    };
    return r;
}

std::vector<QString> texts(const PlacedBand& band)
{
    std::vector<QString> out;
    for (const Item& item : band.items)
        out.push_back(item.text);
    return out;
}

int detailLines(const Page& page)
{
    int n = 0;
    for (const PlacedBand& band : page.bands)
        n += band.height == 16 ? 1 : 0;
    return n;
}

TEST(ReportLayout, TitleOnceHeaderAndFooterOnEveryPage)
{
    const double pageHeight = 1000;
    const auto pages = schedule(200).layout(pageHeight, QDateTime(QDate(2026, 1, 2), QTime(3, 4)));
    // Page 1: 1000 − 120 title − 50 header − 75 footer leaves 755, so 47 lines; later pages
    // 875, so 54 lines each: 47 + 54 + 54 + 45.
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(detailLines(pages[0]), 47);
    EXPECT_EQ(detailLines(pages[1]), 54);
    EXPECT_EQ(detailLines(pages[3]), 200 - 47 - 54 - 54);
    EXPECT_EQ(texts(pages[0].bands.front()).front(), QStringLiteral("Title"));
    for (std::size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(i);
        const auto& bands = pages[i].bands;
        const PlacedBand& header = bands[i == 0 ? 1 : 0];
        EXPECT_EQ(texts(header).front(), QStringLiteral("head"));
        const PlacedBand& footer = bands.back();
        EXPECT_DOUBLE_EQ(footer.top, pageHeight - 75);
        const auto footerTexts = texts(footer);
        EXPECT_NE(
            std::find(footerTexts.begin(), footerTexts.end(), QStringLiteral("Page %1").arg(i + 1)),
            footerTexts.end());
        for (const PlacedBand& band : bands)
            EXPECT_LE(band.top + band.height, pageHeight + 1e-9);
    }
    // The lines run on in order across the pages.
    EXPECT_EQ(texts(pages[1].bands[1]).front(), QStringLiteral("48"));
}

TEST(ReportLayout, DisabledBandsAndNoRecords)
{
    Report r = schedule(0);
    r.titleBand.enabled = false;
    r.pageFooter.enabled = false;
    const auto pages = r.layout(1000, QDateTime::currentDateTime());
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].bands.size(), 1u); // the page header only
    EXPECT_EQ(texts(pages[0].bands[0]).front(), QStringLiteral("head"));
}

TEST(ReportLayout, AFooterCarriesTheFrameTexts)
{
    const auto pages = schedule(1).layout(1000, QDateTime(QDate(2026, 1, 2), QTime(3, 4)));
    const auto footer = texts(pages[0].bands.back());
    EXPECT_NE(std::find(footer.begin(), footer.end(), QStringLiteral("Quennary, 1.0.02")),
              footer.end());
    EXPECT_NE(std::find(footer.begin(), footer.end(), QStringLiteral("https://tillerode.example/")),
              footer.end());
    const bool printedAt = std::any_of(footer.begin(), footer.end(), [](const QString& t) {
        return t.startsWith(QStringLiteral("Printed at "));
    });
    EXPECT_TRUE(printedAt);
}

struct FormatRow {
    double value;
    QString (*format)(double);
    const char* text;
};

// A page that turns printing on must have a form, and a form belongs to a page (the schedule
// turns printing on once it has rows).
TEST(ReportRegistry, EveryPrintingPageHasAForm)
{
    for (const qn::pages::PageInfo& page : qn::pages::pageRegistry()) {
        const ReportInfo* report = findReport(page.name);
        EXPECT_TRUE(!page.navigation.printing || (report && report->form))
            << page.name.toStdString();
    }
    for (const ReportInfo& report : reportRegistry())
        EXPECT_NE(qn::pages::findPage(report.page), nullptr) << report.page.toStdString();
}

// A name the page does not have is a fault of the form, not a blank or $0.00 on paper.
TEST(ReportRegistry, AFormAskingForAMissingNameFails)
{
    for (const ReportInfo& report : reportRegistry()) {
        qn::pages::PageSnapshot empty;
        empty.page = report.page;
        EXPECT_THROW(report.form(empty), qn::ENameError) << report.page.toStdString();
    }
}

TEST(ReportFormats, AsTheReportsPrintThem)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const FormatRow rows[] = {
        {4000, FormatMoney, "$4,000.00"},
        {-1234.5, FormatMoney, "($1,234.50)"},
        {1234567890.126, FormatMoney, "$1,234,567,890.00"}, // ten significant digits
        {14223.585002, FormatMoney, "$14,223.59"},          // rounded once, not via a half
        {360, FormatNumber, "360"},
        {8.75, FormatNumber, "8.75"},
        {8.75, FormatRate, "8.75%"},
        {20, FormatPercent3, "20%"},
        {33.333, FormatPercent3, "33.3%"},
        {8.125, FormatPercent3, "8.13%"},
        {28, FormatPercent3, "28%"},
        {7.125, FormatPercent5, "7.125%"},
        {58.25, FormatGeneral4, "58.25"},
        {94.1866, FormatGeneral4, "94.19"},
        {0, FormatGeneral4, "0"},
        {-0.0, FormatNumber, "0"},
    };
    for (const FormatRow& r : rows)
        EXPECT_EQ(r.format(r.value), QLatin1String(r.text)) << r.value;
}

// The preview, driven by real key presses on a five-page report.
class Preview : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Five Letter pages: 84 lines on the first, 92 on the others.
        m_preview.setReport(schedule(400), QDateTime::currentDateTime());
        m_preview.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_preview));
    }
    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(&m_preview, static_cast<Qt::Key>(k), mods);
    }
    bool enabled(const char* name)
    {
        return m_preview.findChild<QPushButton*>(QLatin1String(name))->isEnabled();
    }
    QString label() { return m_preview.findChild<QLabel*>(QStringLiteral("Label1"))->text(); }

    TfrmPreview m_preview;
};

TEST_F(Preview, PagingByKeysAndButtons)
{
    ASSERT_EQ(m_preview.pageCount(), 5);
    EXPECT_EQ(label(), QStringLiteral("Page 1 of 5"));
    EXPECT_FALSE(enabled("bbPrev"));
    EXPECT_TRUE(enabled("bbNext"));
    key(Qt::Key_End);
    EXPECT_EQ(label(), QStringLiteral("Page 5 of 5"));
    EXPECT_TRUE(enabled("bbPrev"));
    EXPECT_FALSE(enabled("bbNext"));
    key(Qt::Key_PageDown); // nothing beyond the last page
    EXPECT_EQ(m_preview.currentPage(), 5);
    key(Qt::Key_Home);
    EXPECT_EQ(label(), QStringLiteral("Page 1 of 5"));
    EXPECT_FALSE(enabled("bbPrev"));
    key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(m_preview.currentPage(), 5);
    key(Qt::Key_PageUp);
    key(Qt::Key_PageDown);
    EXPECT_EQ(label(), QStringLiteral("Page 5 of 5"));
    EXPECT_FALSE(enabled("bbNext"));
    m_preview.findChild<QPushButton*>(QStringLiteral("bbPrev"))->click();
    EXPECT_EQ(label(), QStringLiteral("Page 4 of 5"));
}

TEST_F(Preview, ZoomModesEnableTheOtherTwo)
{
    EXPECT_EQ(m_preview.zoomPercent(), 100);
    EXPECT_FALSE(enabled("bbZoom100"));
    m_preview.findChild<QPushButton*>(QStringLiteral("bbZoomOut"))->click();
    EXPECT_FALSE(enabled("bbZoomOut"));
    EXPECT_TRUE(enabled("bbZoom100"));
    EXPECT_TRUE(enabled("bbZoomIn"));
    EXPECT_EQ(m_preview.zoomMode(), TfrmPreview::ZoomMode::WholePage);
    EXPECT_LT(m_preview.zoomPercent(), 100); // a Letter page is taller than the window
    m_preview.findChild<QPushButton*>(QStringLiteral("bbZoom100"))->click();
    EXPECT_EQ(m_preview.zoomPercent(), 100);
    EXPECT_TRUE(enabled("bbZoomOut"));
    EXPECT_TRUE(enabled("bbZoomIn"));
    EXPECT_FALSE(enabled("bbZoom100"));
}

TEST_F(Preview, ArrowsScrollFiftyAndClosingStartsOver)
{
    QScrollBar* bar = m_preview.view()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 200);
    for (int i = 0; i < 4; ++i)
        key(Qt::Key_Down);
    EXPECT_EQ(bar->value(), 200);
    key(Qt::Key_End);
    EXPECT_EQ(bar->value(), 0); // a new page starts at the top
    m_preview.findChild<QPushButton*>(QStringLiteral("bbClose"))->click();
    EXPECT_EQ(m_preview.currentPage(), 1);
    m_preview.show();
    EXPECT_EQ(label(), QStringLiteral("Page 1 of 5"));
    EXPECT_EQ(m_preview.zoomPercent(), 100);
}

TEST_F(Preview, PrintHandsThePagesOnAndCloses)
{
    int printed = 0;
    m_preview.setPrintAction([&](const Report& r) {
        EXPECT_EQ(r.title, QStringLiteral("of Test"));
        return ++printed == 1;
    });
    m_preview.findChild<QPushButton*>(QStringLiteral("bbPrint"))->click();
    EXPECT_EQ(printed, 1);
    EXPECT_FALSE(m_preview.isVisible());
}

// Without a printer, Print says so and leaves the preview open for Save PDF.
TEST_F(Preview, PrintWithoutAPrinterSaysSo)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has a printer; nothing is printed on it";
    QStringList shown;
    const auto previous = qn::toolkit::setMessageInterceptor([&](const auto& request) {
        shown.append(request.text);
        return QMessageBox::Ok;
    });
    m_preview.findChild<QPushButton*>(QStringLiteral("bbPrint"))->click();
    qn::toolkit::setMessageInterceptor(previous);
    EXPECT_EQ(shown, QStringList{QStringLiteral(
                         "No printer is available.\n\nSet up a printer, or save the report "
                         "with Save PDF.")});
    EXPECT_TRUE(m_preview.isVisible());
}

} // namespace

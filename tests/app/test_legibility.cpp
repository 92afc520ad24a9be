// What the user can see and read on the real main window: every control inside its page,
// captions as written, text no smaller than 7 pt, the pages' colours under any theme.
#include "app/main_window.h"
#include "pages/calculator_page.h"
#include "tests/support/window_fixture.h"

#include <QTemporaryDir>

#include "app/disclaimer.h"
#include "pages/num_edit.h"
#include "pages/page_snapshot.h"
#include "reports/forms.h"
#include "toolkit/chart.h"
#include "toolkit/widgets.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class Legibility : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        m_window->show();
        m_window->activateWindow(); // a display without a window manager activates nothing
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }

    qn::pages::CalculatorPage* enter(const char* name)
    {
        m_window->gotoPage(QLatin1String(name));
        settle();
        return m_window->page(QLatin1String(name));
    }

    template <typename T> T* find(const char* page, const char* name)
    {
        T* widget = m_window->page(QLatin1String(page))->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
};

// What a label shows, as a screen reader reads it: "&&" is one "&", "&x" a mnemonic.
QStringList shownCaptions(const QWidget* page)
{
    QStringList captions;
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(label))
            captions.append(face->text(QAccessible::Name));
    }
    return captions;
}

TEST_F(Legibility, AmpersandsInCaptionsAreShown)
{
    const char* rows[][2] = {{"MQ", "Monthly Payment (P&I)"},
                             {"ECC", "Principal & Interest"},
                             {"ECC", "Estimated Prepaids & Reserves"}};
    for (const auto& [page, caption] : rows)
        EXPECT_TRUE(shownCaptions(enter(page)).contains(QLatin1String(caption))) << caption;
    takeMessages();
}

// The controls of `page` that stick out of it, or the page itself if it reaches under the
// status bar.
QStringList outside(const QWidget* page, const QMainWindow& window)
{
    QStringList found;
    if (page->mapTo(&window, QPoint(0, page->height())).y() > window.statusBar()->y())
        found.append(page->objectName());
    for (const QWidget* w : page->findChildren<QWidget*>()) {
        const QRect at(w->mapTo(page, QPoint()), w->size());
        if (w->isVisibleTo(page) && !page->rect().contains(at))
            found.append(w->objectName() + QLatin1Char(':')
                         + QLatin1String(w->metaObject()->className()));
    }
    return found;
}

// Fixed layouts taller than the room the window gives its pages: the schedule's last rows
// and its scroll bar's down arrow lay under the status bar.
TEST_F(Legibility, EveryControlLiesInsideItsPage)
{
    for (const char* name : {"QC", "ECC", "MQ", "BW", "RC", "LS", "Amort", "RVB"})
        EXPECT_EQ(outside(enter(name), *m_window), QStringList()) << name;
    // And with what opens over a page.
    const std::pair<const char*, const char*> opened[] = {
        {"ECC", "btnCalcClosing"},   {"ECC", "btnCalcEscrows"},
        {"ECC", "btnCalcLoanCosts"}, {"Amort", "btnAddExtraPayments"},
        {"Amort", "btnChart"},       {"RC", "btnCalcFees"},
        {"RVB", "btnChart"}};
    for (const auto& [name, button] : opened) {
        qn::pages::CalculatorPage* page = enter(name);
        find<QAbstractButton>(name, button)->click();
        settle();
        EXPECT_EQ(outside(page, *m_window), QStringList()) << button;
    }
    enter("Amort");
    find<QAbstractButton>("Amort", "btnChart")->click(); // back to the figures
    auto* grid = find<QTableView>("Amort", "grdAmortization");
    grid->scrollToBottom();
    settle();
    const QRect last = grid->visualRect(grid->model()->index(grid->model()->rowCount() - 1, 6));
    EXPECT_TRUE(grid->viewport()->rect().contains(last));
    EXPECT_LE(grid->viewport()->mapTo(m_window.get(), last.bottomLeft()).y(),
              m_window->statusBar()->y());
    takeMessages();
}

// Opening "Add Extra" pushed its panel over the buttons and the savings line, and Tab went
// to the hidden Chart button.
TEST_F(Legibility, TheExtraPanelCoversNothingAndTakesTheKeyboard)
{
    qn::pages::CalculatorPage* page = enter("Amort");
    find<QAbstractButton>("Amort", "btnAddExtraPayments")->click();
    settle();
    auto* panel = find<QWidget>("Amort", "pnlAddExtra");
    for (QWidget* w : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w != panel && w->isVisible()) {
            EXPECT_FALSE(w->geometry().intersects(panel->geometry()))
                << w->objectName().toStdString();
        }
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(panel->isAncestorOf(QApplication::focusWidget()));
}

// OK on a closing-cost panel sent the focus to the tool bar's Menu button.
TEST_F(Legibility, OkOnAClosingCostPanelGivesTheFocusBackToItsButton)
{
    const char* rows[][2] = {{"btnCalcClosing", "btnClosePnlClosing"},
                             {"btnCalcEscrows", "btnClosePnlEscrow"},
                             {"btnCalcLoanCosts", "btnClosePnlLoanCosts"}};
    enter("ECC");
    for (const auto& [opener, ok] : rows) {
        find<QAbstractButton>("ECC", opener)->click();
        settle();
        find<QWidget>("ECC", ok)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        settle();
        EXPECT_EQ(QApplication::focusWidget(), find<QWidget>("ECC", opener)) << ok;
    }
    takeMessages();
}

// The disclaimer's texts sat in fixed boxes too small for the font they are drawn in.
TEST_F(Legibility, TheDisclaimerShowsEveryLineOfItsTexts)
{
    qn::app::TfrmDisclaim disclaimer(m_window.get());
    disclaimer.show();
    settle();
    QList<QRect> taken;
    for (const char* name : {"Label1", "Label2", "Label3"}) {
        auto* label = disclaimer.findChild<QLabel*>(QLatin1String(name));
        ASSERT_NE(label, nullptr);
        EXPECT_GE(label->height(), label->heightForWidth(label->width())) << name;
        const QRect at(label->mapTo(&disclaimer, QPoint()), label->size());
        EXPECT_TRUE(disclaimer.rect().contains(at)) << name;
        EXPECT_TRUE(label->parentWidget()->rect().contains(label->geometry())) << name;
        for (const QRect& other : taken)
            EXPECT_FALSE(at.intersects(other)) << name;
        taken.append(at);
    }
}

// The charts' text was about 5 pixels high, the bar chart lost its axis and legend at the
// bottom, and the first bar covered the "$0" label.
TEST_F(Legibility, ChartsAreWholeWithLegibleTextAndBarsInsideThePlot)
{
    const double smallest = QFontInfo([] {
                                QFont f;
                                f.setPointSizeF(qn::toolkit::kSmallestPoint);
                                return f;
                            }())
                                .pixelSize();
    auto check = [smallest](const qn::toolkit::ChartWidget* widget) {
        const std::vector<QRectF> areas = widget->chartAreas();
        ASSERT_EQ(areas.size(), widget->charts().size());
        for (std::size_t i = 0; i < areas.size(); ++i) {
            SCOPED_TRACE(widget->charts()[i].title.toStdString());
            const qn::toolkit::ChartLayout layout = qn::toolkit::layOutChart(
                areas[i], widget->charts()[i], widget->font(), widget->minTextHeight());
            EXPECT_GE(layout.textHeight, smallest);
            EXPECT_TRUE(areas[i].contains(layout.plot));
            for (std::size_t a = 0; a < layout.texts.size(); ++a) {
                const QRectF box = layout.texts[a].box;
                EXPECT_TRUE(areas[i].contains(box)) << layout.texts[a].text.toStdString();
                for (std::size_t b = a + 1; b < layout.texts.size(); ++b) {
                    EXPECT_FALSE(box.intersects(layout.texts[b].box))
                        << layout.texts[a].text.toStdString() << " / "
                        << layout.texts[b].text.toStdString();
                }
                for (const QRectF& bar : layout.bars)
                    EXPECT_FALSE(box.intersects(bar)) << layout.texts[a].text.toStdString();
            }
            for (const QRectF& bar : layout.bars)
                EXPECT_TRUE(layout.plot.adjusted(-0.5, -0.5, 0.5, 0.5).contains(bar));
        }
    };
    for (const char* name : {"Amort", "BW", "RC", "RVB"}) {
        SCOPED_TRACE(name);
        qn::pages::CalculatorPage* page = enter(name);
        page->findChild<QLineEdit*>()->setFocus(); // leaving a field computes some pages
        settle();
        m_window->setFocus();
        find<QAbstractButton>(name, "btnChart")->click();
        settle();
        check(find<qn::toolkit::ChartWidget>(name, "chtPage"));
    }
    // An adjustable rate's payment, with its axis at the right.
    enter("Amort");
    find<QWidget>("Amort", "rgRateType")->findChildren<QRadioButton*>().at(1)->click();
    find<QAbstractButton>("Amort", "btnCalculate")->click();
    settle();
    auto* chart = find<qn::toolkit::ChartWidget>("Amort", "chtPage");
    ASSERT_EQ(chart->charts().front().series.size(), 3u);
    check(chart);
}

// Money fields were drawn at a few points, fitted to the widest figure they accept.
TEST_F(Legibility, MoneyFieldsFitTheTextTheyHoldNoSmallerThanSevenPoints)
{
    for (const char* name : {"MQ", "ECC"}) {
        qn::pages::CalculatorPage* page = enter(name);
        const QFontMetrics pageFont(page->font());
        for (const double widest : {0.0, 999999999999.99}) {
            if (widest > 0)
                page->findChild<qn::pages::TNumEdit*>()->setValue(widest);
            for (const auto* field : page->findChildren<qn::pages::TNumEdit*>()) {
                SCOPED_TRACE(field->objectName().toStdString());
                if (pageFont.horizontalAdvance(field->text()) <= field->width() - 10)
                    EXPECT_EQ(field->font().pointSizeF(), page->font().pointSizeF());
                else
                    EXPECT_GE(field->font().pointSizeF(), qn::toolkit::kSmallestPoint);
            }
        }
    }
    takeMessages();
}

// The loan spread's choices were drawn at 6 and 7 points though they fit larger.
TEST_F(Legibility, LoanSpreadChoicesAreWholeAtSevenPointsOrMore)
{
    for (const QRadioButton* radio : enter("LS")->findChildren<QRadioButton*>()) {
        SCOPED_TRACE(radio->text().toStdString());
        EXPECT_GE(radio->font().pointSizeF(), qn::toolkit::kSmallestPoint);
        EXPECT_LE(radio->sizeHint().width(), radio->width());
    }
}

// Tables shrank their text to 5 points and still cut huge figures ("$1,000,000,001,..."),
// and the current column's bold heading did not fit ("Principal To Date").
TEST_F(Legibility, TablesShowEveryTextWholeAtSevenPointsOrMore)
{
    auto check = [](const QTableView* grid) {
        EXPECT_GE(grid->font().pointSizeF(), qn::toolkit::kSmallestPoint);
        const QFontMetrics cells(grid->font());
        QFont bold = grid->horizontalHeader()->font();
        bold.setBold(true);
        const QFontMetrics heading(bold);
        const QAbstractItemModel* model = grid->model();
        for (int c = 0; c < model->columnCount(); ++c) {
            const int room = grid->columnWidth(c) - 4;
            if (!grid->horizontalHeader()->isHidden()) {
                const QString text = model->headerData(c, Qt::Horizontal).toString();
                EXPECT_LE(heading.horizontalAdvance(text), room) << text.toStdString();
            }
            for (int r = 0; r < model->rowCount(); ++r) {
                const QString text = model->index(r, c).data().toString();
                EXPECT_LE(cells.horizontalAdvance(text), room) << text.toStdString();
            }
        }
    };
    enter("LS");
    auto* loan = find<qn::pages::TNumEdit>("LS", "edtLoan");
    loan->setValue(999999999999.99);
    loan->setFocus();
    settle();
    m_window->setFocus(); // leaving the field rebuilds the table
    settle();
    EXPECT_TRUE(find<QTableView>("LS", "grdLS")
                    ->model()
                    ->index(6, 0)
                    .data()
                    .toString()
                    .contains(QStringLiteral("1,000,000,000,000")));
    check(find<QTableView>("LS", "grdLS"));

    enter("Amort");
    auto* grid = find<QTableView>("Amort", "grdAmortization");
    grid->setCurrentIndex(grid->model()->index(2, 3)); // its heading is drawn bold
    check(grid);
    find<qn::pages::TNumEdit>("Amort", "edtMortAmt")->setValue(999999999999.99);
    find<QAbstractButton>("Amort", "btnCalculate")->click();
    settle();
    check(grid);
    takeMessages();
}

// Two printed texts run together: their boxes overlap and their inks come within two units
// (stacked headings touch but do not overlap; a memo beside right-aligned captions overlaps
// but stays far from them).
bool runTogether(const qn::reports::Item& a, const qn::reports::Item& b)
{
    const QRectF inkA = qn::reports::textExtent(a).adjusted(-2, -2, 2, 2);
    return a.rect.intersects(b.rect) && inkA.intersects(qn::reports::textExtent(b));
}

// On the printed estimate "25%" was printed onto "Your Calculated / Debt Ratio".
TEST_F(Legibility, PrintedTextsDoNotOverprint)
{
    for (const char* name : {"ECC", "MQ", "BW", "RC", "LS", "Amort", "RVB"}) {
        const auto report = qn::reports::ReportFor(qn::pages::takeSnapshot(name, enter(name)));
        ASSERT_TRUE(report) << name;
        const auto pages = report->layout(1500, QDateTime::currentDateTime());
        for (const qn::reports::PlacedBand& band : pages.front().bands) {
            std::vector<const qn::reports::Item*> texts;
            for (const qn::reports::Item& item : band.items) {
                if (item.kind != qn::reports::Item::Kind::Line
                    && item.kind != qn::reports::Item::Kind::Box
                    && item.kind != qn::reports::Item::Kind::Chart && !item.text.isEmpty())
                    texts.push_back(&item);
            }
            for (std::size_t a = 0; a < texts.size(); ++a) {
                for (std::size_t b = a + 1; b < texts.size(); ++b) {
                    EXPECT_FALSE(runTogether(*texts[a], *texts[b]))
                        << name << ": " << texts[a]->text.toStdString() << " / "
                        << texts[b]->text.toStdString();
                }
            }
        }
    }
    takeMessages();
}

// A dark desktop palette, as a dark theme hands it to the program.
QPalette darkPalette()
{
    QPalette dark(QColor(60, 60, 60), QColor(45, 45, 45));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText})
        dark.setColor(role, QColor(235, 235, 235));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    return dark;
}

double luminance(const QColor& c)
{
    return 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF();
}

// Every enabled control below `top` whose text would not stand out from its background.
QStringList illegible(const QWidget* top)
{
    QStringList found;
    QList<const QWidget*> widgets = {top};
    for (const QWidget* w : top->findChildren<QWidget*>())
        widgets.append(w);
    for (const QWidget* w : widgets) {
        if (!w->isEnabled())
            continue;
        const QColor text = w->palette().color(w->foregroundRole());
        const QColor back = w->palette().color(w->backgroundRole());
        if (std::abs(luminance(text) - luminance(back)) < 0.4)
            found.append(w->objectName() + QLatin1Char(':')
                         + QLatin1String(w->metaObject()->className()));
    }
    return found;
}

// Buttons on a page that took the desktop's dark colours instead of the page's light ones.
QStringList darkButtons(const QWidget* page)
{
    QStringList found;
    for (const QAbstractButton* b : page->findChildren<QAbstractButton*>()) {
        if (luminance(b->palette().color(QPalette::Button)) < 0.5)
            found.append(b->objectName());
    }
    return found;
}

TEST(DarkTheme, PagesKeepTheirColoursAndTheRestStaysLegible)
{
    const QPalette before = QApplication::palette();
    QApplication::setPalette(darkPalette());
    {
        QTemporaryDir dir;
        qn::app::TfrmMain window(dir.filePath(QStringLiteral("QNRY.INI")));
        window.show();
        for (const char* name : {"QC", "ECC", "MQ", "BW", "RC", "LS", "Amort", "RVB"}) {
            window.gotoPage(QLatin1String(name));
            const QWidget* page = window.page(QLatin1String(name));
            EXPECT_EQ(page->palette().color(QPalette::Window).name(), QStringLiteral("#ffffff"))
                << name;
            EXPECT_EQ(page->palette().color(QPalette::WindowText).name(), QStringLiteral("#000000"))
                << name;
            EXPECT_EQ(illegible(page), QStringList()) << name;
            EXPECT_EQ(darkButtons(page), QStringList()) << name;
        }
        EXPECT_EQ(illegible(window.menuBar()), QStringList());
        EXPECT_EQ(illegible(window.statusBar()), QStringList());
        EXPECT_EQ(illegible(window.findChild<QWidget*>(QStringLiteral("pnlToolBar"))),
                  QStringList());
        const QWidget* menuPage = window.findChild<QWidget*>(QStringLiteral("Menu"));
        EXPECT_EQ(illegible(menuPage), QStringList());
        EXPECT_EQ(darkButtons(menuPage), QStringList());
        qn::app::TfrmDisclaim disclaimer(&window);
        EXPECT_EQ(illegible(&disclaimer), QStringList());
    }
    QApplication::setPalette(before);
}

} // namespace

#include "toolkit/guarded.h"
#include "toolkit/message_box.h"
#include "toolkit/money.h"
#include "toolkit/program_style.h"
#include "toolkit/save_dialog.h"
#include "toolkit/vector_picture.h"

#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace qn::toolkit;

TEST(Money, UnitedStatesFormatsWithParenthesesForNegatives)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(formatCurrency(1234.5, 2, us), QStringLiteral("$1,234.50"));
    EXPECT_EQ(formatCurrency(-1234.5, 2, us), QStringLiteral("($1,234.50)"));
    EXPECT_EQ(formatCurrency(-0.001, 2, us), QStringLiteral("$0.00"));
    EXPECT_EQ(formatCurrency(0.97, 2, us), QStringLiteral("$0.97"));
}

TEST(Money, CLocaleFallsBackToUnitedStates)
{
    const QLocale saved;
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(formatCurrency(99942.47), QStringLiteral("$99,942.47"));
    QLocale::setDefault(saved);
}

TEST(Guarded, FailureInSlotReachesHandlerNotQt)
{
    std::exception_ptr seen;
    setFailureHandler([&](std::exception_ptr e) { seen = e; });
    QPushButton button;
    QObject context;
    connectGuarded(&button, &QPushButton::clicked, &context,
                   [] { throw std::runtime_error("boom"); });
    button.click();
    ASSERT_TRUE(seen);
    EXPECT_THROW(std::rethrow_exception(seen), std::runtime_error);
    setFailureHandler({});
}

TEST(MessageSeam, InterceptorAnswersInsteadOfModalBox)
{
    QString text;
    auto previous = setMessageInterceptor([&](const MessageRequest& r) {
        text = r.text;
        return QMessageBox::Ok;
    });
    EXPECT_EQ(showMessage(nullptr, QStringLiteral("Hello")), QMessageBox::Ok);
    EXPECT_EQ(text, QStringLiteral("Hello"));
    setMessageInterceptor(previous);
}

TEST(SaveDialog, AddsTheExtensionOnlyWhereTheNameHasNone)
{
    using qn::toolkit::withDefaultSuffix;
    const char* rows[][2] = {{"folder/schedule", "folder/schedule.csv"},
                             {"folder/schedule.csv", "folder/schedule.csv"},
                             {"folder/schedule.txt", "folder/schedule.txt"},
                             {"Rent vs. Buy Worksheet", "Rent vs. Buy Worksheet.csv"},
                             {"", ""}};
    for (const auto& [typed, saved] : rows)
        EXPECT_EQ(withDefaultSuffix(QLatin1String(typed), QStringLiteral("csv")),
                  QLatin1String(saved));
}

// The box shows the generic arithmetic message as its two paragraphs: a "\n\r" is where the
// box wraps by itself, two of them part the paragraphs.
TEST(MessageSeam, TheBoxShowsParagraphs)
{
    QString shown;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                shown = box->text();
                box->accept();
            }
    });
    showMessage(nullptr, QStringLiteral("Valid results cannot be calculated using\n\rthe "
                                        "variables you have entered.\n\r\n\rPlease try again "
                                        "with reasonable values."));
    EXPECT_EQ(shown, QStringLiteral("Valid results cannot be calculated using the variables "
                                    "you have entered.\n\nPlease try again with reasonable "
                                    "values."));
}

TEST(VectorPicture, DrawsSharpAndFittedWithoutImagePlugins)
{
    QTemporaryDir dir;
    const QString wide = dir.filePath(QStringLiteral("wide.svg"));
    QFile file(wide);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<svg xmlns='http://www.w3.org/2000/svg' width='200' height='100'>"
               "<rect width='200' height='100' fill='#036'/></svg>");
    file.close();

    const QPixmap doubled = VectorPixmap(wide, QSize(100, 100), 2.0);
    EXPECT_EQ(doubled.size(), QSize(200, 100)); // device pixels, the aspect kept
    EXPECT_EQ(doubled.deviceIndependentSize(), QSizeF(100, 50));
    EXPECT_TRUE(VectorPixmap(dir.filePath(QStringLiteral("none.svg")), QSize(10, 10), 1).isNull());

    const QIcon icon = VectorIcon(wide);
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixmap(QSize(32, 32), QIcon::Disabled).size(), QSize(32, 16));
    EXPECT_TRUE(VectorIcon(dir.filePath(QStringLiteral("none.svg"))).isNull());

    // The point of drawing them this way: no image-format plugin is loaded for them, nor for
    // the menu bar's overflow arrow under the program's style.
    UseProgramStyle();
    QMenuBar bar;
    EXPECT_FALSE(QApplication::style()
                     ->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                     .pixmap(16, 16)
                     .isNull());
    QFile maps(QStringLiteral("/proc/self/maps"));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    EXPECT_FALSE(maps.readAll().contains("imageformats"));
}

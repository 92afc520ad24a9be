// The money field and what both kinds of field share: entering, leaving, typing, pasting.
#include "tests/support/num_edit_fixture.h"

#include "core/errors.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>

#include <limits>
#include <memory>
#include <string>

namespace {

struct DisplayCase {
    TNumEdit::NumericType type;
    QString mask;
    int decimals;
    bool rounding;
    double value;
    const char* shown;
};

TEST_F(NumEditTest, DisplayTextFollowsTypeMaskAndRounding)
{
    const DisplayCase cases[] = {
        {TNumEdit::ntCurrency, {}, 2, true, 0.125, "$0.12"},
        {TNumEdit::ntCurrency, {}, 2, true, 0.375, "$0.38"},
        {TNumEdit::ntCurrency, {}, 2, true, 1234.5, "$1,234.50"},
        {TNumEdit::ntCurrency, {}, 2, true, -1234.5, "($1,234.50)"},
        {TNumEdit::ntCurrency, {}, 2, false, 1.239, "$1.23"},
        {TNumEdit::ntGeneral, QStringLiteral("#,##0"), 0, false, 28.9, "28"},
        {TNumEdit::ntGeneral, QStringLiteral("#,##0"), 0, false, 1234567, "1,234,567"},
        {TNumEdit::ntGeneral, QStringLiteral("#,##0"), 0, false, -1234, "-1,234"},
        {TNumEdit::ntGeneral, QStringLiteral("#.###0"), 4, false, 0.0032, ".0032"},
        {TNumEdit::ntGeneral, QStringLiteral("#,##0.##0"), 2, false, 8.75, "8.750"},
        {TNumEdit::ntGeneral, QStringLiteral("#,##0.##0"), 2, false, 1234.567, "1,234.560"},
        {TNumEdit::ntPercentage, {}, 2, true, 0.0525, "5.25%"},
    };
    for (const auto& c : cases) {
        TNumEdit field;
        field.setNumericType(c.type);
        if (!c.mask.isEmpty())
            field.setMasks(c.mask);
        field.setDecimals(c.decimals);
        field.setUseRounding(c.rounding);
        field.setValue(c.value);
        EXPECT_EQ(field.displayText().toStdString(), c.shown) << c.value;
        EXPECT_EQ(field.text(), field.displayText());
        EXPECT_DOUBLE_EQ(field.value(), c.value) << "display rounding must not touch the value";
    }
}

TEST_F(NumEditTest, LeavingReplacesTheValueByTheShownNumber)
{
    FieldWindow<TNumEdit> w;
    w.field->setValue(0.125);
    EXPECT_DOUBLE_EQ(w.field->value(), 0.125);
    w.enter();
    EXPECT_EQ(w.field->text(), QStringLiteral("0.12"));
    w.leave();
    EXPECT_DOUBLE_EQ(w.field->value(), 0.12);
    EXPECT_EQ(w.field->text(), QStringLiteral("$0.12"));
}

TEST_F(NumEditTest, EnteringStripsTheDisplayAndSelectsIt)
{
    FieldWindow<TNumEdit> w;
    w.field->setValue(1234.5);
    w.enter();
    EXPECT_EQ(w.field->text(), QStringLiteral("1,234.50"));
    EXPECT_EQ(w.field->selectedText(), QStringLiteral("1,234.50"));
    EXPECT_TRUE(w.field->alignment() & Qt::AlignLeft);
    w.leave();
    EXPECT_TRUE(w.field->alignment() & Qt::AlignRight);

    w.field->setValue(-1234.5);
    w.enter();
    EXPECT_EQ(w.field->text(), QStringLiteral("-1,234.50"));
    w.leave();
    EXPECT_DOUBLE_EQ(w.field->value(), -1234.5);
}

TEST_F(NumEditTest, KeystrokesAreFilteredAndEmptyMeansZero)
{
    FieldWindow<TNumEdit> w;
    w.field->setValue(50);
    w.enter();
    QTest::keyClicks(w.field, QStringLiteral("12a.3.4,--"));
    EXPECT_EQ(w.field->text(), QStringLiteral("12.34,-"));
    w.leave();
    EXPECT_DOUBLE_EQ(w.field->value(), -12.34);

    w.enter();
    QTest::keyClick(w.field, Qt::Key_Backspace);
    EXPECT_TRUE(w.field->text().isEmpty());
    w.leave();
    EXPECT_DOUBLE_EQ(w.field->value(), 0);
    EXPECT_EQ(w.field->text(), QStringLiteral("$0.00"));
}

// A minus sign as the first key replaces the selected text like a digit does.
TEST_F(NumEditTest, MinusFirstReplacesTheSelection)
{
    const struct {
        const char* keys;
        const char* text;
        double value;
    } cases[] = {{"-5", "-5", -5}, {"-", "-", 0}};
    for (const auto& c : cases) {
        FieldWindow<TNumEdit> w;
        w.field->setValue(152000);
        w.enter();
        QTest::keyClicks(w.field, QLatin1String(c.keys));
        EXPECT_EQ(w.field->text(), QLatin1String(c.text));
        w.leave();
        EXPECT_DOUBLE_EQ(w.field->value(), c.value);
    }
}

TEST_F(NumEditTest, ExitedFiresOnEveryFocusLoss)
{
    FieldWindow<TNumEdit> w;
    QSignalSpy exited(w.field, &TNumEdit::exited);
    QSignalSpy changed(w.field, &TNumEdit::valueChanged);
    w.enter();
    w.leave();
    w.enter();
    w.leave();
    EXPECT_EQ(exited.count(), 2);
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(NumEditTest, PastedSecondDecimalSeparatorReachesTheFailureHandler)
{
    FieldWindow<TNumEdit> w;
    std::string failure;
    qn::toolkit::setFailureHandler([&](std::exception_ptr p) {
        try {
            std::rethrow_exception(p);
        } catch (const qn::EConvertError& e) {
            failure = e.what();
        } catch (...) {
            failure = "wrong type";
        }
    });
    w.field->setValue(7);
    w.enter();
    QApplication::clipboard()->setText(QStringLiteral("1.2x.3"));
    QTest::keyClick(w.field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.field->text(), QStringLiteral("1.2.3"));
    QSignalSpy exited(w.field, &TNumEdit::exited);
    w.leave();
    EXPECT_EQ(failure, "'1.2.3' is not a valid floating point value");
    EXPECT_DOUBLE_EQ(w.field->value(), 7);
    EXPECT_EQ(exited.count(), 1);
}

TEST_F(NumEditTest, PercentageEntryIsDividedByHundred)
{
    FieldWindow<TNumEdit> w;
    w.field->setNumericType(TNumEdit::ntPercentage);
    w.enter();
    QTest::keyClicks(w.field, QStringLiteral("7.5"));
    w.leave();
    EXPECT_DOUBLE_EQ(w.field->value(), 0.075);
    EXPECT_EQ(w.field->text(), QStringLiteral("7.50%"));
}

TEST_F(NumEditTest, RangeMovesValueAndValidateRefusesOutside)
{
    TNumEdit field;
    field.setValue(5);
    field.setMaximum(3);
    EXPECT_DOUBLE_EQ(field.value(), 3);
    field.setMinimum(4);
    EXPECT_DOUBLE_EQ(field.value(), 4);

    QString message;
    qn::toolkit::setMessageInterceptor([&](const qn::toolkit::MessageRequest& r) {
        message = r.text;
        return QMessageBox::Ok;
    });
    field.setMaximum(100.5);
    field.setValidate(true);
    field.setValue(200);
    EXPECT_EQ(message, QStringLiteral("Value must be between 4 and 100.5"));
    EXPECT_DOUBLE_EQ(field.value(), 4);
    field.setValue(50);
    EXPECT_DOUBLE_EQ(field.value(), 50);
}

} // namespace

namespace {

// Keys typed while the whole text is selected (as after Tab) replace it, on both kinds.
struct OverSelectionCase {
    const char* typed;
    double start;
    double expected;
};

TEST_F(NumEditTest, MoneyKeysReplaceTheSelection)
{
    const OverSelectionCase cases[] = {
        {"-5", 100000, -5},      // not appended to 100,000.00 (which read as 100,000.005)
        {"-100000", 0, -100000}, // not 0.001
        {".5", 100000, 0.5},     // the selection's point does not block the typed one
        {"250.75", 100000, 250.75},
    };
    for (const OverSelectionCase& c : cases) {
        SCOPED_TRACE(c.typed);
        FieldWindow<TNumEdit> w;
        w.field->setValue(c.start);
        w.enter();
        ASSERT_TRUE(w.field->hasSelectedText());
        QTest::keyClicks(w.field, QLatin1String(c.typed));
        w.leave();
        EXPECT_DOUBLE_EQ(w.field->value(), c.expected);
    }
}

// Whenever a field gets the focus other than by a click (Tab, Alt+letter, the program moving
// it after a choice or a panel), its whole text is selected and typing replaces the figure.
// A click places the caret; coming back from another window keeps what was being typed.
TEST_F(NumEditTest, EveryEntryButAClickSelectsTheText)
{
    for (const Qt::FocusReason reason :
         {Qt::OtherFocusReason, Qt::ShortcutFocusReason, Qt::BacktabFocusReason}) {
        SCOPED_TRACE(reason);
        FieldWindow<TFnpNumericEdit> fixed;
        fixed.field->setDecimals(3);
        fixed.field->setValue(7);
        fixed.leave();
        fixed.field->setFocus(reason);
        QTest::keyClicks(fixed.field, QStringLiteral("6.5"));
        EXPECT_EQ(fixed.field->text(), QStringLiteral("6.500"));

        FieldWindow<TNumEdit> money;
        money.field->setValue(15);
        money.leave();
        money.field->setFocus(reason);
        QTest::keyClicks(money.field, QStringLiteral("30"));
        money.leave();
        EXPECT_DOUBLE_EQ(money.field->value(), 30);
    }
    auto clicked = [](auto& w) {
        w.leave();
        QTest::mouseClick(w.field, Qt::LeftButton, {}, QPoint(w.field->width() - 4, 8));
        return w.field->hasSelectedText();
    };
    FieldWindow<TFnpNumericEdit> fixed;
    EXPECT_FALSE(clicked(fixed));
    FieldWindow<TNumEdit> money;
    EXPECT_FALSE(clicked(money));

    money.field->setValue(15);
    money.leave();
    money.field->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(money.field, QStringLiteral("12"));
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    money.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&money.window));
    ASSERT_TRUE(money.field->hasFocus());
    QTest::keyClicks(money.field, QStringLiteral("3"));
    money.leave();
    EXPECT_DOUBLE_EQ(money.field->value(), 123);
}

TEST_F(NumEditTest, NonFiniteValuesAreArithmeticFailures)
{
    TNumEdit money;
    money.setValue(12.5);
    TFnpNumericEdit rate;
    rate.setDecimals(3);
    rate.setValue(7);
    for (double bad :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW(money.setValue(bad), qn::EMathError);
        EXPECT_THROW(rate.setValue(bad), qn::EMathError);
    }
    EXPECT_EQ(money.text(), QStringLiteral("$12.50"));
    EXPECT_EQ(rate.text(), QStringLiteral("7.000"));
}

// The largest amount the pages accept stays whole in a field of the usual width.
TEST_F(NumEditTest, LongAmountsShrinkRatherThanClip)
{
    FieldWindow<TNumEdit> w;
    const QFont normal = w.field->font();
    for (double value : {999999999999.99, -999999999999.99, 1234.5}) {
        SCOPED_TRACE(value);
        w.field->setValue(value);
        const int room = w.field->width() - 4;
        EXPECT_LE(QFontMetrics(w.field->font()).horizontalAdvance(w.field->text()), room)
            << w.field->text().toStdString();
    }
    EXPECT_EQ(w.field->font(), normal) << "an ordinary amount keeps the ordinary font";
}

} // namespace

namespace {

// Entering and leaving a field must not cut the figure it holds, however many separators
// it shows: 12 digits of money read 18 characters with their separators.
TEST_F(NumEditTest, EnteringAndLeavingKeepsTheLargestAmounts)
{
    for (double value : {999999999999.99, -999999999999.99, 1000000000.5}) {
        SCOPED_TRACE(value);
        FieldWindow<TNumEdit> w;
        w.field->setValue(value);
        const QString shown = w.field->text();
        w.enter();
        const QString editing = w.field->text();
        w.leave();
        EXPECT_DOUBLE_EQ(w.field->value(), value)
            << shown.toStdString() << " / " << editing.toStdString();
    }
}

} // namespace

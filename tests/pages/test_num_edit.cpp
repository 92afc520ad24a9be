#include "pages/num_edit.h"

#include "core/errors.h"
#include "toolkit/guarded.h"
#include "toolkit/message_box.h"

#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>

using qn::pages::TFnpNumericEdit;
using qn::pages::TNumEdit;

namespace {

// A window with the field under test and a second field to move the focus to.
template <typename Field> class FieldWindow {
public:
    FieldWindow()
    {
        auto* layout = new QVBoxLayout(&window);
        field = new Field(&window);
        other = new TNumEdit(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void enter()
    {
        field->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }
    void leave()
    {
        other->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }

    QWidget window;
    Field* field = nullptr;
    TNumEdit* other = nullptr;
};

class NumEditTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override
    {
        qn::toolkit::setFailureHandler({});
        qn::toolkit::setMessageInterceptor({});
    }
};

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

// ---------------------------------------------------------------------------------------

TEST_F(NumEditTest, FixedFieldFormatsHalvesAwayFromZero)
{
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {0.125, 2, "0.13"}, {-0.125, 2, "-0.13"}, {7, 3, "7.000"},     {1.005, 2, "1.01"},
        {2.5, 0, "3"},      {-5, 3, "-5.000"},    {-0.001, 2, "0.00"}, {999.9996, 3, "1000.000"},
    };
    for (const auto& c : cases) {
        TFnpNumericEdit field;
        field.setDecimals(c.decimals);
        field.setValue(c.value);
        EXPECT_EQ(field.text().toStdString(), c.text) << c.value;
    }
    TFnpNumericEdit field;
    field.setValue(1.5);
    field.setDecimals(12);
    EXPECT_EQ(field.decimals(), 9);
    EXPECT_EQ(field.text(), QStringLiteral("1.500000000"));
    field.setDecimals(-1);
    EXPECT_EQ(field.text(), QStringLiteral("2"));
}

TEST_F(NumEditTest, FixedFieldValueAndChange)
{
    TFnpNumericEdit field;
    QSignalSpy changed(&field, &TFnpNumericEdit::changed);
    field.setValue(0);
    EXPECT_EQ(changed.count(), 0);
    field.setValue(2.25);
    EXPECT_EQ(changed.count(), 1);
    field.setText(QStringLiteral(" -1.5E2 "));
    EXPECT_DOUBLE_EQ(field.value(), -150);
    field.setText(QStringLiteral("1.2.3"));
    EXPECT_THROW(field.value(), qn::EConvertError);
}

TEST_F(NumEditTest, FixedFieldTypingDigitsAndPoint)
{
    FieldWindow<TFnpNumericEdit> w;
    w.field->setDecimals(3);
    w.enter();
    w.field->setCursorPosition(0);
    QTest::keyClick(w.field, Qt::Key_0); // a 0 at the very start is dropped
    EXPECT_EQ(w.field->text(), QStringLiteral("0.000"));
    QTest::keyClick(w.field, Qt::Key_1);
    EXPECT_EQ(w.field->text(), QStringLiteral("1.000"));
    QTest::keyClicks(w.field, QStringLiteral(".5"));
    EXPECT_EQ(w.field->text(), QStringLiteral("1.500"));
    QTest::keyClicks(w.field, QStringLiteral("789")); // the last one is at the very end
    EXPECT_EQ(w.field->text(), QStringLiteral("1.578"));
    w.field->setCursorPosition(1);
    QTest::keyClicks(w.field, QStringLiteral("2x"));
    EXPECT_EQ(w.field->text(), QStringLiteral("12.578"));
    EXPECT_DOUBLE_EQ(w.field->value(), 12.578);
}

TEST_F(NumEditTest, FixedFieldMinusOnlyWhenNegativeAllowed)
{
    FieldWindow<TFnpNumericEdit> w;
    w.field->setDecimals(3);
    w.field->setValue(1.5);
    w.enter();
    w.field->setCursorPosition(1);
    QTest::keyClick(w.field, Qt::Key_Minus);
    EXPECT_EQ(w.field->text(), QStringLiteral("1.500"));

    w.field->setMinValue(-10);
    QTest::keyClick(w.field, Qt::Key_Minus);
    EXPECT_EQ(w.field->text(), QStringLiteral("-1.500"));
    EXPECT_EQ(w.field->cursorPosition(), 2);
    w.field->setCursorPosition(0);
    QTest::keyClick(w.field, Qt::Key_3); // caret in front of the sign moves behind it
    EXPECT_EQ(w.field->text(), QStringLiteral("-31.500"));
    QTest::keyClick(w.field, Qt::Key_Minus);
    EXPECT_EQ(w.field->text(), QStringLiteral("31.500"));
}

TEST_F(NumEditTest, FixedFieldBackspaceAndDelete)
{
    FieldWindow<TFnpNumericEdit> w;
    w.field->setDecimals(3);
    w.field->setValue(1.234);
    w.enter();
    w.field->setCursorPosition(3);
    QTest::keyClick(w.field, Qt::Key_Backspace); // decimals shift left
    EXPECT_EQ(w.field->text(), QStringLiteral("1.340"));
    EXPECT_EQ(w.field->cursorPosition(), 2);
    QTest::keyClick(w.field, Qt::Key_Delete);
    EXPECT_EQ(w.field->text(), QStringLiteral("1.400"));
    QTest::keyClick(w.field, Qt::Key_Backspace); // over the point: only the caret moves
    EXPECT_EQ(w.field->text(), QStringLiteral("1.400"));
    EXPECT_EQ(w.field->cursorPosition(), 1);
    QTest::keyClick(w.field, Qt::Key_Backspace); // the only integer digit leaves 0
    EXPECT_EQ(w.field->text(), QStringLiteral("0.400"));
    w.field->setCursorPosition(0);
    QTest::keyClick(w.field, Qt::Key_7); // replaces the single 0
    EXPECT_EQ(w.field->text(), QStringLiteral("7.400"));

    w.field->selectAll();
    QTest::keyClick(w.field, Qt::Key_Delete);
    EXPECT_EQ(w.field->text(), QStringLiteral("0.000"));
}

TEST_F(NumEditTest, FixedFieldPasteGoesThroughTheRules)
{
    FieldWindow<TFnpNumericEdit> w;
    w.field->setDecimals(2);
    w.enter();
    w.field->setCursorPosition(0);
    QApplication::clipboard()->setText(QStringLiteral("4a2.75"));
    QTest::keyClick(w.field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.field->text(), QStringLiteral("42.75"));

    w.field->setSelection(0, 2);
    QTest::keyClick(w.field, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("42"));
    EXPECT_EQ(w.field->text(), QStringLiteral("0.75"));
}

// However many digits arrive, typed or pasted, the integer part stops at 15 digits; the sign
// and the decimals come on top, and digits right of the point still overwrite.
TEST_F(NumEditTest, FixedFieldTakesFifteenIntegerDigits)
{
    struct Row {
        int decimals;
        double minValue;
        QString keys;
        bool paste;
        QString text;
    };
    const QString fifteen(15, u'9');
    const Row rows[] = {
        {0, 0, QString(40, u'9'), false, fifteen},
        {3, -1, QStringLiteral("-") + QString(40, u'9') + QStringLiteral(".123"), false,
         QStringLiteral("-") + fifteen + QStringLiteral(".123")},
        {2, 0, QString(16000, u'9'), true, fifteen + QStringLiteral(".00")},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text.toStdString());
        FieldWindow<TFnpNumericEdit> w;
        w.field->setDecimals(r.decimals);
        w.field->setMinValue(r.minValue);
        w.enter();
        w.field->setCursorPosition(0);
        if (r.paste) {
            QApplication::clipboard()->setText(r.keys);
            QTest::keyClick(w.field, Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::keyClicks(w.field, r.keys);
        }
        EXPECT_EQ(w.field->text(), r.text);
    }
}

TEST_F(NumEditTest, FixedFieldLeavingSignalsExitAndInvalidEntry)
{
    FieldWindow<TFnpNumericEdit> w;
    QSignalSpy exited(w.field, &TFnpNumericEdit::exited);
    QSignalSpy invalid(w.field, &TFnpNumericEdit::invalidEntry);
    w.field->setValue(50);
    w.enter();
    w.leave();
    EXPECT_EQ(exited.count(), 1);
    EXPECT_EQ(invalid.count(), 0); // MinValue == MaxValue: no range
    w.field->setMinValue(1);
    w.field->setMaxValue(40);
    w.enter();
    w.leave();
    EXPECT_EQ(exited.count(), 2);
    EXPECT_EQ(invalid.count(), 1);
    EXPECT_DOUBLE_EQ(w.field->value(), 50);
}

TEST_F(NumEditTest, FieldLooks)
{
    TFnpNumericEdit field;
    qn::pages::applyFieldLook(&field, qn::pages::FieldLook::Result);
    EXPECT_TRUE(field.isEnabled());
    EXPECT_EQ(field.palette().color(QPalette::Active, QPalette::Base), QColor(255, 255, 0));
    qn::pages::applyFieldLook(&field, qn::pages::FieldLook::Unknown);
    EXPECT_FALSE(field.isEnabled());
    EXPECT_EQ(field.palette().color(QPalette::Disabled, QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(field.palette().color(QPalette::Disabled, QPalette::Text), QColor(192, 192, 192));
    qn::pages::applyFieldLook(&field, qn::pages::FieldLook::Normal);
    EXPECT_TRUE(field.isEnabled());
    EXPECT_EQ(field.palette().color(QPalette::Active, QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(field.width(), 73);
    EXPECT_EQ(TNumEdit().width(), 85);
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

TEST_F(NumEditTest, FixedDecimalsKeysReplaceTheSelectionButThePointOnlyCancelsIt)
{
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"6", "6.000"},
        {"-5", "-5.000"},
        {".5", "8.550"}, // the point cancels the selection, 5 overwrites the first decimal
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        FieldWindow<TFnpNumericEdit> w;
        w.field->setDecimals(3);
        w.field->setMinValue(-100);
        w.field->setMaxValue(100);
        w.field->setValue(8.75);
        w.enter();
        w.field->selectAll();
        QTest::keyClicks(w.field, QLatin1String(c.typed));
        EXPECT_EQ(w.field->text(), QLatin1String(c.shown));
        w.leave();
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

// The fixed-decimals field: its format, its keys, its range and its looks.
#include "tests/support/num_edit_fixture.h"

#include "core/errors.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>

namespace {

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

} // namespace

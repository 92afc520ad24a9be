#include "pages/num_edit.h"

#include "core/errors.h"
#include "core/numtext.h"
#include "toolkit/guarded.h"
#include "toolkit/money.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>

namespace qn::pages {

// Figures are typed and read with the money locale's decimal point.
constexpr auto decimalSep = &toolkit::moneyDecimalPoint;

namespace {

QString fixedText(double value, int decimals)
{
    QString out = QString::fromStdString(FixedHalfAwayText(value, decimals));
    const QChar dec = decimalSep();
    if (dec != QLatin1Char('.'))
        out.replace(QLatin1Char('.'), dec);
    return out;
}

} // namespace

// Made showing 0 (laid out once, as the money field is).
TFnpNumericEdit::TFnpNumericEdit(QWidget* parent) : NumericField(parent, fixedText(0, 2))
{
    setFixedWidth(73);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textChanged, this, &TFnpNumericEdit::changed);
    if (const QString zero = formatValue(0); zero != text())
        setText(zero);
    m_acceptedText = text();
}

QString TFnpNumericEdit::formatValue(double value) const { return fixedText(value, m_decimals); }

double TFnpNumericEdit::value() const
{
    QString t = text();
    const QChar dec = decimalSep();
    if (dec != QLatin1Char('.'))
        t.replace(dec, QLatin1Char('.'));
    return StrToFloat(t.toStdString());
}

void TFnpNumericEdit::setValue(double value)
{
    requireFinite(value);
    const QString t = formatValue(value);
    if (t != text()) {
        const bool whole = wholeTextSelected();
        setText(t);
        if (whole)
            selectAll();
    }
    m_acceptedText = t;
}

void TFnpNumericEdit::acceptEntry() { m_acceptedText = text(); }

void TFnpNumericEdit::restoreEntry()
{
    if (text() != m_acceptedText)
        setText(m_acceptedText);
}

int TFnpNumericEdit::decimals() const { return m_decimals; }
void TFnpNumericEdit::setDecimals(int decimals)
{
    double v = 0;
    try {
        v = value();
    } catch (const EConvertError&) {
        v = 0;
    }
    m_decimals = decimals < 0 ? 0 : (decimals > 9 ? 9 : decimals);
    setValue(v);
}
double TFnpNumericEdit::minValue() const { return m_minValue; }
void TFnpNumericEdit::setMinValue(double v) { m_minValue = v; }
double TFnpNumericEdit::maxValue() const { return m_maxValue; }
void TFnpNumericEdit::setMaxValue(double v) { m_maxValue = v; }

qsizetype TFnpNumericEdit::pointPos(const QString& t) const
{
    if (m_decimals == 0)
        return t.size();
    const qsizetype p = t.indexOf(decimalSep());
    return p < 0 ? t.size() : p;
}

// Removes the character at `index` by the field's rules; returns the new caret position.
int TFnpNumericEdit::removeAt(QString& t, qsizetype index, bool forward) const
{
    if (index < 0 || index >= t.size())
        return static_cast<int>(forward ? index : index + 1);
    const qsizetype point = pointPos(t);
    if (index == point)
        return static_cast<int>(forward ? index + 1 : index);
    if (index > point) {
        t.remove(index, 1);
        t.append(QLatin1Char('0'));
        return static_cast<int>(index);
    }
    t.remove(index, 1);
    const qsizetype sign = t.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (pointPos(t) == sign) {
        t.insert(sign, QLatin1Char('0'));
        return static_cast<int>(sign);
    }
    return static_cast<int>(index);
}

void TFnpNumericEdit::deleteSelectionByDigits()
{
    if (!hasSelectedText())
        return;
    const int start = selectionStart();
    const int end = start + static_cast<int>(selectedText().size());
    QString t = text();
    for (int i = end - 1; i >= start; --i)
        if (i != pointPos(t))
            removeAt(t, i, true);
    deselect();
    setText(t);
    setCursorPosition(start);
}

void TFnpNumericEdit::typeChar(QChar c)
{
    const QChar dec = decimalSep();
    if (hasSelectedText()) {
        if (c == dec) {
            const int pos = cursorPosition();
            deselect();
            setCursorPosition(pos);
        } else {
            deleteSelectionByDigits();
        }
    }
    QString t = text();
    qsizetype caret = cursorPosition();
    if (c == dec) {
        if (m_decimals > 0)
            setCursorPosition(static_cast<int>(pointPos(t) + 1));
        return;
    }
    if (c == QLatin1Char('-')) {
        if (m_minValue >= 0)
            return;
        if (t.startsWith(QLatin1Char('-'))) {
            t.remove(0, 1);
            caret = caret > 0 ? caret - 1 : 0;
        } else {
            t.prepend(QLatin1Char('-'));
            ++caret;
        }
        setText(t);
        setCursorPosition(static_cast<int>(caret));
        return;
    }
    if (!c.isDigit() || c.unicode() > 127)
        return;
    if (c == QLatin1Char('0') && caret == 0)
        return;
    if (m_decimals > 0 && caret >= t.size())
        return;
    const qsizetype sign = t.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (caret < sign)
        caret = sign;
    const qsizetype point = pointPos(t);
    if (caret <= point) {
        if (point - sign == 1 && t.at(sign) == QLatin1Char('0')) {
            t[sign] = c;
            caret = sign + 1;
        } else {
            // A full integer part takes no more digits, so no keystroke costs more than a
            // text of that length.
            if (point - sign >= kMaxIntegerDigits)
                return;
            t.insert(caret, c);
            ++caret;
        }
    } else {
        t[caret] = c;
        ++caret;
    }
    setText(t);
    setCursorPosition(static_cast<int>(caret));
}

void TFnpNumericEdit::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    // Enter and Escape belong to the dialog's default and cancel buttons.
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        QLineEdit::keyPressEvent(event);
        event->ignore();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const bool editing = key == Qt::Key_Backspace || key == Qt::Key_Delete
                         || event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut)
                         || !event->text().isEmpty();
    const bool plainText = !event->text().isEmpty()
                           && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
                           && key != Qt::Key_Tab && key != Qt::Key_Backtab;
    if (!editing
        || (!plainText && key != Qt::Key_Backspace && key != Qt::Key_Delete
            && !event->matches(QKeySequence::Paste) && !event->matches(QKeySequence::Cut))) {
        QLineEdit::keyPressEvent(event); // caret movement, tab and the like
        return;
    }
    if (isReadOnly())
        return;
    if (event->matches(QKeySequence::Paste)) {
        for (QChar c : QApplication::clipboard()->text())
            typeChar(c);
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        if (hasSelectedText()) {
            QApplication::clipboard()->setText(selectedText());
            deleteSelectionByDigits();
        }
        return;
    }
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        if (hasSelectedText()) {
            deleteSelectionByDigits();
            return;
        }
        QString t = text();
        const int caret = cursorPosition();
        const bool forward = key == Qt::Key_Delete;
        const int pos = removeAt(t, forward ? caret : caret - 1, forward);
        if (t != text())
            setText(t);
        setCursorPosition(pos < 0 ? 0 : pos);
        return;
    }
    for (QChar c : event->text())
        typeChar(c);
}

bool TFnpNumericEdit::takeEntry(bool)
{
    toolkit::runGuarded([this] {
        if (m_minValue != m_maxValue) {
            const double v = value();
            if (v < m_minValue || v > m_maxValue)
                emit invalidEntry();
        }
    });
    return true;
}

} // namespace qn::pages

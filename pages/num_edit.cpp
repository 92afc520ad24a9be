#include "pages/num_edit.h"

#include "core/errors.h"
#include "core/limits.h"
#include "core/numtext.h"
#include "core/rounding.h"
#include "toolkit/guarded.h"
#include "toolkit/message_box.h"
#include "toolkit/money.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <exception>

// The money field; the fixed-decimals field is in fnp_numeric_edit.cpp, what both share in
// numeric_field.cpp.

namespace qn::pages {

namespace {

// The field kinds type, show and read figures with the money locale's separators.
QChar decimalSep() { return toolkit::moneyDecimalPoint(); }
QChar groupSep() { return toolkit::moneyGroupSeparator(); }

} // namespace

// ---------------------------------------------------------------------------------------
// TNumEdit

// Made showing what a new field shows (most of the cost of making one is laying out its
// text); the check keeps that so should the defaults change.
TNumEdit::TNumEdit(QWidget* parent) : NumericField(parent, toolkit::formatCurrency(0, 2))
{
    setFixedWidth(85);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (const QString shown = displayText(); shown != text())
        setText(shown);
}

double TNumEdit::value() const { return m_value; }

void TNumEdit::setValue(double value)
{
    requireFinite(value);
    // Beyond this the display cannot round to its decimals (and would print "inf").
    if (std::fabs(value) * std::pow(10.0, m_decimals) >= 9.0e18)
        throw EMathError("Floating point overflow");
    if (value == m_value) {
        m_accepted = value;
        return;
    }
    if (m_validate && (value < m_min || value > m_max)) {
        showRangeMessage();
        return;
    }
    storeValue(value);
    m_accepted = value;
}

void TNumEdit::acceptEntry() { m_accepted = m_value; }

void TNumEdit::restoreEntry() { setValue(m_accepted); }

void TNumEdit::storeValue(double value)
{
    const bool differs = value != m_value;
    m_value = value;
    redraw();
    if (differs)
        emit valueChanged(m_value);
}

void TNumEdit::redraw()
{
    if (m_entered)
        showEditText();
    else
        setText(displayText());
}

void TNumEdit::showRangeMessage()
{
    toolkit::showMessage(this, QString::fromStdString(FieldRangeMessage(m_min, m_max)).left(80));
}

TNumEdit::NumericType TNumEdit::numericType() const { return m_type; }
void TNumEdit::setNumericType(NumericType type)
{
    m_type = type;
    redraw();
}
int TNumEdit::decimals() const { return m_decimals; }
void TNumEdit::setDecimals(int decimals)
{
    m_decimals = decimals < 0 ? 0 : decimals;
    redraw();
}
int TNumEdit::digits() const { return m_digits; }
void TNumEdit::setDigits(int digits)
{
    m_digits = digits;
    redraw();
}
void TNumEdit::setMasks(const QString& positive, const QString& negative, const QString& zero)
{
    m_positiveMask = positive.left(25);
    m_negativeMask = negative.left(25);
    m_zeroMask = zero.left(25);
    redraw();
}
void TNumEdit::setZeroMask(const QString& zero)
{
    // Set on every recomputation: redrawing the same text costs a layout.
    if (zero.left(25) != m_zeroMask)
        setMasks(m_positiveMask, m_negativeMask, zero);
}
void TNumEdit::setPlainFormat(const QString& mask, int decimals, bool rounding)
{
    m_type = ntGeneral;
    m_positiveMask = mask.left(25);
    m_negativeMask.clear();
    m_zeroMask.clear();
    m_decimals = decimals < 0 ? 0 : decimals;
    m_useRounding = rounding;
    redraw();
}
bool TNumEdit::useRounding() const { return m_useRounding; }
void TNumEdit::setUseRounding(bool on)
{
    m_useRounding = on;
    redraw();
}
bool TNumEdit::validate() const { return m_validate; }
void TNumEdit::setValidate(bool on) { m_validate = on; }
double TNumEdit::minimum() const { return m_min; }
void TNumEdit::setMinimum(double min)
{
    m_min = min;
    if (m_value < min)
        storeValue(min);
    m_accepted = m_value;
}
double TNumEdit::maximum() const { return m_max; }
void TNumEdit::setMaximum(double max)
{
    m_max = max;
    if (m_value > max)
        storeValue(max);
    m_accepted = m_value;
}

QString TNumEdit::displayText() const
{
    double v = m_value;
    if (m_type == ntPercentage)
        v *= 100;
    double shown = m_useRounding ? RoundHalfEven(v, m_decimals) : CutToDecimals(v, m_decimals);
    if (shown == 0)
        shown = 0; // no "-0"

    switch (m_type) {
    case ntCurrency:
        return toolkit::formatCurrency(shown, m_decimals);
    case ntPercentage:
        return toolkit::formatLocaleFixed(shown, m_decimals, false) + QLatin1Char('%');
    case ntGeneral:
        break;
    }
    const Picture picture{m_positiveMask.toStdString(), m_negativeMask.toStdString(),
                          m_zeroMask.toStdString()};
    return QString::fromStdString(PictureText(shown, picture, toolkit::moneySeparators()));
}

QString TNumEdit::editText() const
{
    const QString shown = displayText();
    const QChar dec = decimalSep();
    const QChar grp = groupSep();
    QString out;
    if (m_value < 0)
        out += QLatin1Char('-');
    for (QChar c : shown)
        if (c.isDigit() || c == dec || c == grp)
            out += c;
    return out;
}

void TNumEdit::showEditText()
{
    // The limit is for typing; the figure the field holds is always shown whole.
    const QString text = editText();
    const bool whole = wholeTextSelected();
    setMaxLength(std::max<int>(editLimit(), static_cast<int>(text.size())));
    setText(text);
    if (whole)
        selectAll();
}

int TNumEdit::editLimit() const
{
    if (m_digits <= 0)
        return 32767;
    // Digits counts digits: the separators a number of that many digits shows come on
    // top, so entering a field never cuts the figure it holds.
    const int groups =
        m_type == ntGeneral && !m_positiveMask.contains(QLatin1Char(',')) ? 0 : (m_digits - 1) / 3;
    return m_digits + groups + (m_decimals > 0 ? 1 + m_decimals : 0);
}

void TNumEdit::showForEditing()
{
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    showEditText();
}

double TNumEdit::parseEditText() const
{
    const QString t = text();
    const QChar dec = decimalSep();
    QString kept;
    for (QChar c : t)
        if (c.isDigit() || c == dec)
            kept += c;
    if (kept.isEmpty())
        return 0;
    if (dec != QLatin1Char('.'))
        kept.replace(dec, QLatin1Char('.'));
    double v = StrToFloat(kept.toStdString());
    if (t.startsWith(QLatin1Char('-')) || t.endsWith(QLatin1Char('-')))
        v = -v;
    if (m_type == ntPercentage)
        v /= 100;
    return v;
}

bool TNumEdit::takeEntry(bool leaving)
{
    // Left, the field shows its figure whole, however long.
    if (leaving)
        setMaxLength(32767);
    try {
        const double v = parseEditText();
        if (m_validate && (v < m_min || v > m_max)) {
            showRangeMessage();
            selectAll();
            QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
            return false;
        }
        storeValue(v);
    } catch (...) {
        toolkit::reportFailure(std::current_exception());
    }
    return true;
}

void TNumEdit::showLeft()
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setText(displayText());
}

void TNumEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        if (isReadOnly())
            return;
        const QChar dec = decimalSep();
        const QChar grp = groupSep();
        QString filtered;
        for (QChar c : QApplication::clipboard()->text())
            if (c.isDigit() || c == dec || c == grp || c == QLatin1Char('-'))
                filtered += c;
        insert(filtered);
        return;
    }
    const QString t = event->text();
    if (t.isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        || event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete
        || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter
        || event->key() == Qt::Key_Escape || event->key() == Qt::Key_Tab) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QChar c = t.at(0);
    const QChar dec = decimalSep();
    if (c.isDigit() || c == groupSep()) {
        QLineEdit::keyPressEvent(event);
    } else if (c == dec || c == QLatin1Char('-')) {
        // A typed key replaces the selection, so what counts is the text without it.
        QString remaining = text();
        const int start = selectionStart();
        const int length = static_cast<int>(selectedText().size());
        if (length > 0)
            remaining.remove(start, length);
        if (remaining.contains(c))
            return;
        if (!isReadOnly() && maxLength() < 32767) {
            // QLineEdit::setMaxLength sets the text again, which drops the selection the
            // key is to replace and moves the caret.
            const int cursor = cursorPosition();
            setMaxLength(maxLength() + 1);
            if (length > 0)
                setSelection(start, length);
            else
                setCursorPosition(cursor);
        }
        QLineEdit::keyPressEvent(event);
    }
}

TNumEdit* newMoneyEdit(QWidget* parent, const char* name, QRect geometry)
{
    auto* edit = new TNumEdit(parent);
    edit->setFixedWidth(geometry.width());
    edit->setObjectName(QLatin1String(name));
    // A new field is the pages' money field already: setting it again would lay out the
    // same text once for each setting.
    edit->setGeometry(geometry);
    return edit;
}

TFnpNumericEdit* newNumberEdit(QWidget* parent, const char* name, int decimals, QRect geometry)
{
    auto* edit = new TFnpNumericEdit(parent);
    edit->setFixedWidth(geometry.width());
    edit->setObjectName(QLatin1String(name));
    edit->setDecimals(decimals);
    edit->setGeometry(geometry);
    return edit;
}

} // namespace qn::pages

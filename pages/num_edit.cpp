#include "pages/num_edit.h"

#include "core/errors.h"
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
#include <QMetaMethod>
#include <QPalette>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <exception>
#include <functional>
#include <string>
#include <utility>

namespace qn::pages {

namespace {

QChar decimalSep()
{
    const QString s = toolkit::moneyLocale().decimalPoint();
    return s.isEmpty() ? QLatin1Char('.') : s.at(0);
}

QChar groupSep()
{
    const QString s = toolkit::moneyLocale().groupSeparator();
    return s.isEmpty() ? QLatin1Char(',') : s.at(0);
}

// Rounds a decimal digit string ("123.4567") half away from zero at `decimals` places.
QString roundDecimalText(const QString& text, int decimals)
{
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    QString intPart = point < 0 ? text : text.left(point);
    QString frac = point < 0 ? QString() : text.mid(point + 1);
    while (frac.size() <= decimals)
        frac.append(QLatin1Char('0'));
    const bool up = frac.at(decimals) >= QLatin1Char('5');
    QString digits = intPart + frac.left(decimals);
    if (up) {
        qsizetype i = digits.size() - 1;
        while (i >= 0 && digits.at(i) == QLatin1Char('9')) {
            digits[i] = QLatin1Char('0');
            --i;
        }
        if (i < 0)
            digits.prepend(QLatin1Char('1'));
        else
            digits[i] = QChar(digits.at(i).unicode() + 1);
    }
    const qsizetype intLen = digits.size() - decimals;
    QString result = digits.left(intLen);
    if (decimals > 0)
        result += QLatin1Char('.') + digits.mid(intLen);
    return result;
}

// The absolute value as plain decimals, rounded half away from zero. Printing a few extra
// digits first makes 1.005 round as the decimal number it was typed as.
QString fixedHalfAway(double absValue, int decimals)
{
    return roundDecimalText(QString::number(absValue, 'f', decimals + 6), decimals);
}

bool allZero(const QString& text)
{
    for (QChar c : text)
        if (c.isDigit() && c != QLatin1Char('0'))
            return false;
    return true;
}

QString groupThousands(const QString& digits, QChar sep)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += sep;
        out += digits.at(i);
    }
    return out;
}

// One section of a numeric picture: '#' optional digit, '0' required digit, ',' grouping,
// '.' decimal point; other characters before or after the placeholders are kept as text.
QString applyPicture(double absValue, const QString& picture)
{
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < picture.size(); ++i) {
        const QChar c = picture.at(i);
        if (c == QLatin1Char('#') || c == QLatin1Char('0') || c == QLatin1Char(',') ||
            c == QLatin1Char('.')) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return picture;
    const QString prefix = picture.left(first);
    const QString suffix = picture.mid(last + 1);
    const QString body = picture.mid(first, last - first + 1);
    const qsizetype point = body.indexOf(QLatin1Char('.'));
    const QString intPic = point < 0 ? body : body.left(point);
    const QString fracPic = point < 0 ? QString() : body.mid(point + 1);

    const bool grouping = intPic.contains(QLatin1Char(','));
    int minInt = 0;
    const qsizetype firstZero = intPic.indexOf(QLatin1Char('0'));
    if (firstZero >= 0)
        for (qsizetype i = firstZero; i < intPic.size(); ++i)
            if (intPic.at(i) == QLatin1Char('0') || intPic.at(i) == QLatin1Char('#'))
                ++minInt;
    int maxFrac = 0;
    int minFrac = 0;
    for (qsizetype i = 0; i < fracPic.size(); ++i) {
        if (fracPic.at(i) == QLatin1Char('#') || fracPic.at(i) == QLatin1Char('0')) {
            ++maxFrac;
            if (fracPic.at(i) == QLatin1Char('0'))
                minFrac = maxFrac;
        }
    }

    const QString fixed = fixedHalfAway(absValue, maxFrac);
    const qsizetype fixedPoint = fixed.indexOf(QLatin1Char('.'));
    QString intDigits = fixedPoint < 0 ? fixed : fixed.left(fixedPoint);
    QString fracDigits = fixedPoint < 0 ? QString() : fixed.mid(fixedPoint + 1);
    while (fracDigits.size() > minFrac && fracDigits.endsWith(QLatin1Char('0')))
        fracDigits.chop(1);
    while (intDigits.startsWith(QLatin1Char('0')))
        intDigits.remove(0, 1);
    while (intDigits.size() < minInt)
        intDigits.prepend(QLatin1Char('0'));

    QString out = prefix;
    out += grouping ? groupThousands(intDigits, groupSep()) : intDigits;
    if (!fracDigits.isEmpty())
        out += decimalSep() + fracDigits;
    return out + suffix;
}

} // namespace

void applyFieldLook(QLineEdit* field, FieldLook look)
{
    QPalette pal = field->palette();
    const QColor base = look == FieldLook::Result ? QColor(255, 255, 0) : QColor(Qt::white);
    const QColor text = look == FieldLook::Unknown ? QColor(192, 192, 192) : QColor(Qt::black);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, base);
        pal.setColor(group, QPalette::Text, text);
    }
    field->setPalette(pal);
    field->setEnabled(look != FieldLook::Unknown);
}

void NumericField::requireFinite(double value)
{
    // An overflowed result must not reach the screen as "inf" or "nan", least of all on
    // yellow as if valid: it is an arithmetic failure of the computation that produced it.
    if (!std::isfinite(value))
        throw EMathError("Invalid floating point operation");
}

NumericField::NumericField(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &NumericField::fitText);
}

namespace {

NumericField* g_beingLeft = nullptr;

// Runs `then` once, after the watched window has been activated and Qt has given the
// focus back.
class ActivationWatcher : public QObject {
public:
    ActivationWatcher(QWidget* window, QObject* owner, std::function<void()> then)
        : QObject(owner), m_then(std::move(then))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, parent(), m_then);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

} // namespace

NumericField* NumericField::beingLeft() { return g_beingLeft; }

bool NumericField::computesOnLeave() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&NumericField::exited));
}

bool NumericField::wholeTextSelected() const
{
    return hasSelectedText() && selectedText().size() == text().size();
}

bool NumericField::isExcursion(Qt::FocusReason reason)
{
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

bool NumericField::entrySelects(Qt::FocusReason reason) const
{
    if (reason == Qt::MouseFocusReason)
        return false;
    return !isExcursion(reason) || !m_entered;
}

void NumericField::leave()
{
    const unsigned long failures = toolkit::failuresReported();
    NumericField* const outer = std::exchange(g_beingLeft, this);
    emit exited();
    g_beingLeft = outer;
    if (toolkit::failuresReported() == failures && computesOnLeave())
        acceptEntry();
}

void NumericField::focusSelected()
{
    auto select = [this] {
        setFocus(Qt::OtherFocusReason);
        selectAll();
    };
    if (window()->isActiveWindow()) {
        select();
        return;
    }
    // A message box has just closed; the window gets its focus back a moment later (asked
    // for here, as not every platform gives it by itself), and only then can the field that
    // had it be left properly.
    new ActivationWatcher(window(), this, select);
    window()->activateWindow();
}

bool NumericField::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && computesOnLeave()) {
            toolkit::runGuarded([this] { commitAsLeaving(); });
            return true;
        }
    }
    return QLineEdit::event(event);
}

void NumericField::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    fitText();
}

void NumericField::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange && !m_fitting)
        m_baseFont.reset();  // the page chose another font: fit from that one
}

void NumericField::fitText()
{
    // Long figures get a smaller font rather than losing their left digits: the whole
    // number must stay readable in a field sized for ordinary amounts.
    if (m_fitting)
        return;
    m_fitting = true;
    if (!m_baseFont)
        m_baseFont = font();
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int room = width() - 2 * frame - 6 - textMargins().left() - textMargins().right();
    QFont f = *m_baseFont;
    qreal size = f.pointSizeF();
    while (size > 5 && QFontMetrics(f).horizontalAdvance(text()) > room) {
        size -= 0.5;
        f.setPointSizeF(size);
    }
    if (f != font())
        setFont(f);
    m_fitting = false;
}

// ---------------------------------------------------------------------------------------
// TNumEdit

TNumEdit::TNumEdit(QWidget* parent) : NumericField(parent)
{
    setFixedWidth(85);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setText(displayText());
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
    const QString text = QStringLiteral("Value must be between ") +
                         QString::fromStdString(FloatToStrG(m_min)) + QStringLiteral(" and ") +
                         QString::fromStdString(FloatToStrG(m_max));
    toolkit::showMessage(this, text.left(80));
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
bool TNumEdit::autoSelect() const { return m_autoSelect; }
void TNumEdit::setAutoSelect(bool on) { m_autoSelect = on; }

QString TNumEdit::displayText() const
{
    double v = m_value;
    if (m_type == ntPercentage)
        v *= 100;
    double shown = m_useRounding ? RoundHalfEven(v, m_decimals) : CutToDecimals(v, m_decimals);
    if (shown == 0)
        shown = 0;  // no "-0"

    switch (m_type) {
    case ntCurrency:
        return toolkit::formatCurrency(shown, m_decimals);
    case ntPercentage: {
        QLocale loc = toolkit::moneyLocale();
        loc.setNumberOptions(QLocale::OmitGroupSeparator);
        return loc.toString(shown, 'f', m_decimals) + QLatin1Char('%');
    }
    case ntGeneral:
        break;
    }
    if (shown == 0 && !m_zeroMask.isEmpty())
        return applyPicture(0, m_zeroMask);
    if (shown < 0) {
        if (!m_negativeMask.isEmpty())
            return applyPicture(-shown, m_negativeMask);
        const QString body = applyPicture(-shown, m_positiveMask);
        return allZero(body) ? body : QLatin1Char('-') + body;
    }
    return applyPicture(shown, m_positiveMask);
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
    const int groups = m_type == ntGeneral && !m_positiveMask.contains(QLatin1Char(','))
                           ? 0
                           : (m_digits - 1) / 3;
    return m_digits + groups + (m_decimals > 0 ? 1 + m_decimals : 0);
}

void TNumEdit::focusInEvent(QFocusEvent* event)
{
    const bool select = m_autoSelect && entrySelects(event->reason());
    const bool fresh = !m_entered;
    m_entered = true;
    QLineEdit::focusInEvent(event);
    // Back from a menu or another window, the text being typed stays as it is.
    if (fresh) {
        setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        showEditText();
    }
    if (select)
        selectAll();
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

bool TNumEdit::takeEditText()
{
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

void TNumEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A context menu or another window taking over does not leave the field.
    if (isExcursion(event->reason()))
        return;
    setMaxLength(32767);
    if (!takeEditText())
        return;
    m_entered = false;
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setText(displayText());
    leave();
}

void TNumEdit::commitAsLeaving()
{
    if (!takeEditText())
        return;
    leave();
    showEditText();
    selectAll();
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
    if (t.isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) ||
        event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete ||
        event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Escape || event->key() == Qt::Key_Tab) {
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

// ---------------------------------------------------------------------------------------
// TFnpNumericEdit

TFnpNumericEdit::TFnpNumericEdit(QWidget* parent) : NumericField(parent)
{
    setFixedWidth(73);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textChanged, this, &TFnpNumericEdit::changed);
    setText(formatValue(0));
    m_acceptedText = text();
}

QString TFnpNumericEdit::formatValue(double value) const
{
    const QString body = fixedHalfAway(std::fabs(value), m_decimals);
    QString out = body;
    if (value < 0 && !allZero(body))
        out.prepend(QLatin1Char('-'));
    const QChar dec = decimalSep();
    if (dec != QLatin1Char('.'))
        out.replace(QLatin1Char('.'), dec);
    return out;
}

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
    const bool editing = key == Qt::Key_Backspace || key == Qt::Key_Delete ||
                         event->matches(QKeySequence::Paste) ||
                         event->matches(QKeySequence::Cut) || !event->text().isEmpty();
    const bool plainText = !event->text().isEmpty() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
                           key != Qt::Key_Tab && key != Qt::Key_Backtab;
    if (!editing || (!plainText && key != Qt::Key_Backspace && key != Qt::Key_Delete &&
                     !event->matches(QKeySequence::Paste) && !event->matches(QKeySequence::Cut))) {
        QLineEdit::keyPressEvent(event);  // caret movement, tab and the like
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

void TFnpNumericEdit::focusInEvent(QFocusEvent* event)
{
    const bool select = entrySelects(event->reason());
    m_entered = true;
    QLineEdit::focusInEvent(event);
    if (select)
        selectAll();
}

void TFnpNumericEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (isExcursion(event->reason()))
        return;
    m_entered = false;
    signalLeaving();
}

void TFnpNumericEdit::signalLeaving()
{
    toolkit::runGuarded([this] {
        if (m_minValue != m_maxValue) {
            const double v = value();
            if (v < m_minValue || v > m_maxValue)
                emit invalidEntry();
        }
    });
    leave();
}

void TFnpNumericEdit::commitAsLeaving()
{
    signalLeaving();
    selectAll();
}

TNumEdit* newMoneyEdit(QWidget* parent, const char* name, QRect geometry)
{
    auto* edit = new TNumEdit(parent);
    edit->setFixedWidth(geometry.width());
    edit->setObjectName(QLatin1String(name));
    edit->setNumericType(TNumEdit::ntCurrency);
    edit->setDecimals(2);
    edit->setDigits(12);
    edit->setMasks(QStringLiteral("#,##0"));
    edit->setUseRounding(true);
    edit->setValidate(false);
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

#include "pages/num_edit.h"

#include "core/errors.h"
#include "toolkit/guarded.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QPalette>
#include <QStyle>
#include <QTimer>

#include <cmath>
#include <functional>
#include <utility>

namespace qn::pages {

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

NumericField::NumericField(QWidget* parent, const QString& text) : QLineEdit(text, parent)
{
    connect(this, &QLineEdit::textChanged, this, [this] {
        // A page keeps its fields' text whole itself (keepTextWhole); measuring each new text
        // twice cost a page's recomputation a quarter of its time.
        if (!property("qnKeepsTextWhole").toBool())
            fitText();
    });
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
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason
           || reason == Qt::MenuBarFocusReason;
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

void NumericField::focusInEvent(QFocusEvent* event)
{
    const bool select = m_autoSelect && entrySelects(event->reason());
    const bool fresh = !m_entered;
    m_entered = true;
    QLineEdit::focusInEvent(event);
    // Back from a menu or another window, the text being typed stays as it is.
    if (fresh)
        showForEditing();
    if (select)
        selectAll();
}

void NumericField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A context menu or another window taking over does not leave the field.
    if (isExcursion(event->reason()))
        return;
    if (!takeEntry(true))
        return;
    m_entered = false;
    showLeft();
    leave();
}

void NumericField::commitAsLeaving()
{
    if (!takeEntry(false))
        return;
    leave();
    showForEditing();
    selectAll();
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
        m_baseFont.reset(); // the page chose another font: fit from that one
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

} // namespace qn::pages

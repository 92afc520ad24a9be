#include "toolkit/hints.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QVariant>
#include <QWidget>

namespace qn::toolkit {

namespace {
const char* const kHintProperty = "qnHint";
}

QString longHint(const QString& hint) { return hint.mid(hint.indexOf(QLatin1Char('|')) + 1); }

void setHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(hint.left(
        hint.indexOf(QLatin1Char('|')) < 0 ? hint.size() : hint.indexOf(QLatin1Char('|'))));
    widget->setProperty(kHintProperty, longHint(hint));
}

HintDisplay::HintDisplay(std::function<void(const QString&)> show, QObject* parent)
    : QObject(parent), m_show(std::move(show))
{
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setInterval(500);
    connect(m_timer, &QTimer::timeout, this, [this] { showNow(m_pending); });
    // Application-wide, so every control given a hint by setHint is served without wiring.
    QCoreApplication::instance()->installEventFilter(this);
}

HintDisplay::~HintDisplay()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

int HintDisplay::pauseMs() const { return m_timer->interval(); }

void HintDisplay::showNow(const QString& hint)
{
    m_timer->stop();
    if (hint.isEmpty() && !m_showing)
        return; // nothing of ours to take away
    m_showing = !hint.isEmpty();
    if (m_show)
        m_show(hint);
}

void HintDisplay::clear() { showNow(QString()); }

bool HintDisplay::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter) {
        const QVariant hint = watched->property(kHintProperty);
        if (hint.isValid()) {
            m_pending = hint.toString();
            m_timer->start();
        }
    } else if (event->type() == QEvent::Leave) {
        if (watched->property(kHintProperty).isValid())
            clear();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace qn::toolkit

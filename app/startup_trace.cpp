#include "app/startup_trace.h"

#include <QEvent>
#include <QFile>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace qn::app {

namespace {

// The process start time from /proc, so the figure includes loading the libraries.
double processStartMs()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // Fields after the parenthesised command name; start time is field 22.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 20)
        return -1;
    return fields.at(19).toDouble() * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

double clockMs(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

// The launcher's own clock reading, when it gives one: /proc counts in ticks of 10 ms.
double launchMs()
{
    const QByteArray ns = qgetenv("QUENNARY_TRACE_LAUNCH_NS");
    return ns.isEmpty() ? -1 : ns.toDouble() / 1e6;
}

double sinceStartMs()
{
    static const double launch = launchMs();
    if (launch >= 0)
        return clockMs(CLOCK_REALTIME) - launch;
    static const double start = processStartMs();
    return clockMs(CLOCK_BOOTTIME) - start;
}

class ExposeWatcher : public QObject {
public:
    ExposeWatcher(QWidget* widget, const char* label) : QObject(widget), m_label(label) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint || event->type() == QEvent::Expose) {
            traceStartup(m_label);
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    const char* m_label;
};

} // namespace

bool startupTraceEnabled()
{
    static const bool enabled = qEnvironmentVariableIsSet("QUENNARY_TRACE_STARTUP");
    return enabled;
}

void traceStartup(const char* label)
{
    if (startupTraceEnabled())
        std::fprintf(stderr, "%s %.1f\n", label, sinceStartMs());
}

void traceWhenExposed(QWidget* widget, const char* label)
{
    if (!startupTraceEnabled() || !widget)
        return;
    widget->installEventFilter(new ExposeWatcher(widget, label));
}

} // namespace qn::app

#pragma once

#include <QObject>

#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

namespace qn::toolkit {

// Qt's widgets are not built for exceptions unwinding through them: every handler runs
// inside runGuarded, and a failure goes to the one handler the application installs.
using FailureHandler = std::function<void(std::exception_ptr)>;

void setFailureHandler(FailureHandler handler);
void reportFailure(std::exception_ptr failure);
// How many failures have been reported so far, so a caller can tell whether the handlers
// it ran failed.
unsigned long failuresReported();

template <typename Fn> void runGuarded(Fn&& fn)
{
    try {
        std::forward<Fn>(fn)();
    } catch (...) {
        reportFailure(std::current_exception());
    }
}

// connectGuarded(button, &QPushButton::clicked, page, &Page::btnCalcClick): the slot takes
// no arguments; signal arguments are dropped.
template <typename Sender, typename Signal, typename Receiver, typename R>
QMetaObject::Connection connectGuarded(Sender* sender, Signal signal, Receiver* receiver,
                                       R (Receiver::*slot)(),
                                       Qt::ConnectionType type = Qt::AutoConnection)
{
    return QObject::connect(
        sender, signal, receiver, [receiver, slot]() { runGuarded([&] { (receiver->*slot)(); }); },
        type);
}

// connectGuarded(sender, signal, context, [..] { .. }): a callable without arguments;
// the signal's arguments are dropped (capture what the handler needs instead).
template <typename Sender, typename Signal, typename Fn,
          typename = std::enable_if_t<std::is_invocable_v<Fn&>>>
QMetaObject::Connection connectGuarded(Sender* sender, Signal signal, const QObject* context, Fn fn,
                                       Qt::ConnectionType type = Qt::AutoConnection)
{
    return QObject::connect(
        sender, signal, context, [fn = std::move(fn)]() mutable { runGuarded(fn); }, type);
}

} // namespace qn::toolkit

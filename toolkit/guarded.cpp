#include "toolkit/guarded.h"

namespace qn::toolkit {

namespace {
FailureHandler& handlerSlot()
{
    static FailureHandler handler;
    return handler;
}
unsigned long g_failures = 0;
} // namespace

unsigned long failuresReported() { return g_failures; }

void setFailureHandler(FailureHandler handler) { handlerSlot() = std::move(handler); }

void reportFailure(std::exception_ptr failure)
{
    ++g_failures;
    // Without an installed handler a failure must still not escape into Qt.
    if (auto& handler = handlerSlot())
        handler(failure);
}

} // namespace qn::toolkit

#include "toolkit/guarded.h"

namespace qn::toolkit {

namespace {
FailureHandler& handlerSlot()
{
    static FailureHandler handler;
    return handler;
}
} // namespace

void setFailureHandler(FailureHandler handler)
{
    handlerSlot() = std::move(handler);
}

void reportFailure(std::exception_ptr failure)
{
    // Without an installed handler a failure must still not escape into Qt.
    if (auto& handler = handlerSlot())
        handler(failure);
}

} // namespace qn::toolkit

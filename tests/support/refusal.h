#pragma once

// What a call refuses with: the message of the failure of type E it throws, or "accepted"
// when it returns. EXPECT_EQ(refusal([&] { CalcRefi(in); }), "Payments Made cannot ...").
#include "core/errors.h"

#include <string>

template <typename E = qn::EInputError, typename Call> std::string refusal(Call call)
{
    try {
        call();
    } catch (const E& e) {
        return e.what();
    }
    return "accepted";
}

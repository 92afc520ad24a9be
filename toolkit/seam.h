#pragma once

#include <utility>

namespace qn::toolkit {

// The one replaceable instance of a function type the program calls through (the message
// box, the address opener): a test puts its own in and the previous one back.
template <typename Fn> Fn& seam()
{
    static Fn fn;
    return fn;
}

template <typename Fn> Fn replaceSeam(Fn with)
{
    return std::exchange(seam<Fn>(), std::move(with));
}

} // namespace qn::toolkit

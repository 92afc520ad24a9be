#pragma once

// Random-input checks: a fixed seed, inputs that mix the awkward values (zero, limits,
// infinities, NaN, the largest doubles) with random ones, and one rule for every call: it
// returns or throws one of the program's own failures, and it takes under 10 ms.

#include "core/errors.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace fuzz {

class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_engine(seed) {}

    std::uint64_t bits() { return m_engine(); }
    // Uniform in [0, n).
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(bits() % n); }
    bool chance(double p) { return uniform() < p; }
    double uniform() { return static_cast<double>(bits() >> 11) / 9007199254740992.0; }

    // Any double, awkward ones often.
    double anyDouble()
    {
        static const double specials[] = {0.0,
                                          -0.0,
                                          1.0,
                                          -1.0,
                                          0.005,
                                          0.5,
                                          12,
                                          360,
                                          1200,
                                          1201,
                                          999999999999.99,
                                          1e12,
                                          9e13,
                                          1e17,
                                          1e285,
                                          1e308,
                                          -1e308,
                                          std::numeric_limits<double>::max(),
                                          -std::numeric_limits<double>::max(),
                                          std::numeric_limits<double>::min(),
                                          std::numeric_limits<double>::denorm_min(),
                                          std::numeric_limits<double>::epsilon(),
                                          2147483647.0,
                                          -2147483648.0,
                                          std::numeric_limits<double>::infinity(),
                                          -std::numeric_limits<double>::infinity(),
                                          std::numeric_limits<double>::quiet_NaN()};
        const double pick = uniform();
        if (pick < 0.2)
            return specials[below(std::size(specials))];
        if (pick < 0.35) {
            const std::uint64_t raw = bits();
            double value = 0;
            std::memcpy(&value, &raw, sizeof value);
            return value;
        }
        // Magnitudes from 1e-6 to 1e16, sometimes whole cents, sometimes negative.
        double value = std::pow(10.0, -6 + 22 * uniform());
        if (chance(0.5))
            value = std::round(value * 100) / 100;
        return chance(0.15) ? -value : value;
    }

    // Sensible figures most of the time, so the arithmetic is reached, not only guards.
    double amount() { return chance(0.7) ? std::round(uniform() * 1e6 * 100) / 100 : anyDouble(); }
    double percent() { return chance(0.7) ? std::round(uniform() * 30000) / 1000 : anyDouble(); }

    int anyCount()
    {
        static const int specials[] = {INT_MIN, -1200, -1,   0,    1,        2,      12,
                                       360,     1199,  1200, 1201, 10000000, INT_MAX};
        const double pick = uniform();
        if (pick < 0.2)
            return specials[below(std::size(specials))];
        if (pick < 0.3)
            return static_cast<int>(static_cast<std::uint32_t>(bits()));
        return static_cast<int>(below(1300));
    }

private:
    std::mt19937_64 m_engine;
};

// Runs one call under the rule. `call` returns normally or throws; `describe` names the
// input, and is only asked when the rule is broken. A slow call is run again (up to three
// times) so that a moment without the processor is not taken for a slow input.
template <class Call, class Describe> void check(Call&& call, Describe&& describe)
{
    using Clock = std::chrono::steady_clock;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const auto start = Clock::now();
        try {
            call();
        } catch (const qn::QnError&) {
        } catch (const std::exception& e) {
            ADD_FAILURE() << describe() << ": unexpected " << e.what();
            return;
        } catch (...) {
            ADD_FAILURE() << describe() << ": unexpected exception";
            return;
        }
        if (Clock::now() - start < std::chrono::milliseconds(10))
            return;
    }
    ADD_FAILURE() << describe() << ": took over 10 ms";
}

// Fails the surrounding call (with a message) when a result is not finite.
inline void requireFinite(double value, const char* what)
{
    if (!std::isfinite(value))
        throw std::logic_error(std::string(what) + " is not finite: " + std::to_string(value));
}

} // namespace fuzz

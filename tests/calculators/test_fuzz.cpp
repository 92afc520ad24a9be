#include "calculators/amortization.h"
#include "calculators/biweekly.h"
#include "calculators/quick_calculator.h"
#include "core/errors.h"
#include "core/numtext.h"
#include "tests/support/fuzz.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

using fuzz::Rng;
using namespace qn::calc;

namespace {

constexpr int kInputs = 100000;

std::string describe(double a, double b, double c, double d)
{
    std::ostringstream out;
    out.precision(17);
    out << a << ", " << b << ", " << c << ", " << d;
    return out.str();
}

} // namespace

TEST(Fuzz, QuickCalculatorArithmetic)
{
    Rng rng(12);
    const Unknown unknowns[] = {Unknown::LoanAmount, Unknown::InterestRate, Unknown::Payment,
                                Unknown::NumPayments};
    for (int i = 0; i < kInputs; ++i) {
        const Unknown unknown = unknowns[i % 4];
        const double loan = rng.amount(), rate = rng.percent(), pay = rng.amount() / 100;
        const double n = rng.chance(0.8) ? static_cast<double>(rng.anyCount()) : rng.anyDouble();
        fuzz::check(
            [&] {
                const QuickResult r = SolveQuick(unknown, loan, rate, pay, n);
                if (r.neverRepaid == r.value.has_value())
                    throw std::logic_error("neither a value nor never repaid");
                if (r.value) {
                    fuzz::requireFinite(*r.value, "result");
                    if (unknown != Unknown::InterestRate && *r.value < 0)
                        throw std::logic_error("negative result");
                }
            },
            [&] {
                return "SolveQuick(" + std::to_string(i % 4) + ", " + describe(loan, rate, pay, n)
                       + ")";
            });
    }
}

TEST(Fuzz, BiweeklyArithmetic)
{
    Rng rng(13);
    for (int i = 0; i < kInputs; ++i) {
        const double amount = rng.amount(), percent = rng.percent();
        const int months = rng.anyCount();
        const double payment = rng.chance(0.7) ? amount / 100 : rng.amount();
        fuzz::check(
            [&] {
                const BiweeklyResult r = ComputeBiweekly(amount, percent, months, payment);
                for (const double f : {r.monthlyTotal, r.monthlyInterest, r.biweeklyPayment,
                                       r.biweeklyCount, r.biweeklyTotal, r.biweeklyInterest,
                                       r.monthsSaved, r.yearsSaved, r.interestSaved})
                    fuzz::requireFinite(f, "figure");
                if (r.biweeklyCount < 0)
                    throw std::logic_error("negative count of payments");
            },
            [&] { return "ComputeBiweekly(" + describe(amount, percent, months, payment) + ")"; });
    }
}

#include "calculators/quick_calculator.h"

#include "core/errors.h"
#include "core/finance.h"
#include "core/numtext.h"

#include <algorithm>
#include <cmath>

namespace qn::calc {

namespace {

double checked(double value)
{
    if (!std::isfinite(value))
        throw EMathError("Floating point overflow");
    return value;
}

double divide(double a, double b)
{
    if (b == 0)
        throw EMathError("Floating point division by zero");
    return checked(a / b);
}

} // namespace

double RoundUpToWhole(double amount)
{
    const double noise = 1e-9 * std::max(1.0, std::fabs(amount));
    return std::ceil(amount - noise);
}

QuickResult SolveQuick(Unknown unknown, double loan, double rate, double pay, double n)
{
    QuickResult result;
    switch (unknown) {
    case Unknown::LoanAmount: {
        const int months = WholeFromValue(n);
        const double amount = rate == 0 ? checked(months * pay)
                                        : checked(LoanAmountForPayment(months, rate, pay));
        result.value = RoundUpToWhole(amount);
        break;
    }
    case Unknown::InterestRate:
        result.value = checked(SolveInterestRate(WholeFromValue(n), loan, pay));
        break;
    case Unknown::Payment: {
        const int months = WholeFromValue(std::nearbyint(n));
        result.value = rate == 0 ? divide(loan, months)
                                 : checked(MonthlyPayment(months, rate / 1200, loan));
        break;
    }
    case Unknown::NumPayments: {
        if (rate == 0) {
            result.value = std::nearbyint(divide(loan, pay));
            break;
        }
        if (pay == 0)
            throw EMathError("Floating point division by zero");
        const auto months = MonthsToPayOff(rate, pay, loan);
        if (!months)
            result.neverRepaid = true;
        else
            result.value = std::nearbyint(checked(*months));
        break;
    }
    }
    return result;
}

} // namespace qn::calc

#include "calculators/quick_calculator.h"

#include "core/errors.h"
#include "core/rounding.h"
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

// The payments field as a count: whole (else a conversion failure) and not negative.
int monthsFrom(double n)
{
    const int months = WholeFromValue(n);
    if (months < 0)
        throw EMathError("Invalid floating point operation");
    return months;
}

} // namespace

QuickResult SolveQuick(Unknown unknown, double loan, double rate, double pay, double n)
{
    // A negative loan or payment has no meaning here, and would come back as a negative
    // count or amount instead of a failure.
    if (loan < 0 || pay < 0 || !std::isfinite(loan) || !std::isfinite(pay) ||
        !std::isfinite(rate))
        throw EMathError("Invalid floating point operation");
    QuickResult result;
    switch (unknown) {
    case Unknown::LoanAmount: {
        const int months = monthsFrom(n);
        const double amount = rate == 0 ? checked(months * pay)
                                        : checked(LoanAmountForPayment(months, rate, pay));
        result.value = RoundUpToWhole(amount);
        break;
    }
    case Unknown::InterestRate:
        result.value = checked(SolveInterestRate(monthsFrom(n), loan, pay));
        break;
    case Unknown::Payment: {
        const int months = monthsFrom(std::nearbyint(n));
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

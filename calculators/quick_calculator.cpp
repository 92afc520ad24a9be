#include "calculators/quick_calculator.h"

#include "core/checked.h"
#include "core/errors.h"
#include "core/finance.h"
#include "core/numtext.h"
#include "core/rounding.h"

#include <algorithm>
#include <cmath>

namespace qn::calc {

namespace {

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
    if (loan < 0 || pay < 0 || !std::isfinite(loan) || !std::isfinite(pay) || !std::isfinite(rate))
        throw EMathError("Invalid floating point operation");
    QuickResult result;
    switch (unknown) {
    case Unknown::LoanAmount: {
        const int months = monthsFrom(n);
        const double amount =
            rate == 0 ? Finite(months * pay) : Finite(LoanAmountForPayment(months, rate, pay));
        result.value = RoundUpToWhole(amount);
        break;
    }
    case Unknown::InterestRate:
        result.value = Finite(SolveInterestRate(monthsFrom(n), loan, pay));
        break;
    case Unknown::Payment: {
        const int months = monthsFrom(std::nearbyint(n));
        result.value = rate == 0 ? Divide(loan, months)
                                 : Finite(MonthlyPayment(months, MonthlyRate(rate), loan));
        break;
    }
    case Unknown::NumPayments: {
        if (rate == 0) {
            result.value = std::nearbyint(Divide(loan, pay));
            break;
        }
        if (pay == 0)
            throw EMathError("Floating point division by zero");
        const auto months = MonthsToPayOff(rate, pay, loan);
        if (!months)
            result.neverRepaid = true;
        else
            result.value = std::nearbyint(Finite(*months));
        break;
    }
    }
    return result;
}

} // namespace qn::calc

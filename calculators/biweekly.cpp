#include "calculators/biweekly.h"

#include "core/errors.h"
#include "core/limits.h"
#include "core/rounding.h"

#include <cmath>

namespace qn::calc {

BiweeklyResult ComputeBiweekly(double amount, double annualPercent, int months,
                               double monthlyPayment)
{
    // The figures come from the loan model, which keeps them in cents; anything else is
    // no loan this arithmetic can compare.
    const bool inCents =
        std::fabs(amount) < kMaxCentsAmount && std::fabs(monthlyPayment) < kMaxCentsAmount;
    if (!inCents || amount < 0 || monthlyPayment < 0 || months < 0 || !std::isfinite(annualPercent))
        throw EMathError("Invalid floating point operation");
    BiweeklyResult r;
    r.monthlyPayment = monthlyPayment;
    r.monthlyTotal = months * monthlyPayment;
    r.monthlyInterest = r.monthlyTotal - amount;
    r.biweeklyPayment = monthlyPayment / 2;
    if (r.biweeklyPayment == 0)
        throw EMathError("Floating point division by zero");
    const double ratePerPeriod = annualPercent / 100 / 26;
    if (ratePerPeriod == 0) {
        r.biweeklyCount = amount / r.biweeklyPayment;
    } else {
        const double remaining = 1 - amount / r.biweeklyPayment * ratePerPeriod;
        if (remaining <= 0 || 1 + ratePerPeriod <= 0)
            throw EMathError("Invalid floating point operation");
        r.biweeklyCount = -std::log(remaining) / std::log1p(ratePerPeriod);
    }
    if (!std::isfinite(r.biweeklyCount) || r.biweeklyCount < 0)
        throw EMathError("Floating point overflow");
    r.biweeklyTotal = r.biweeklyPayment * r.biweeklyCount;
    r.biweeklyInterest = r.biweeklyTotal - amount;
    r.monthsSaved = months - r.biweeklyCount / 26 * 12;
    r.yearsSaved = RoundHalfAway(r.monthsSaved, 2) / 12;
    r.interestSaved = r.monthlyInterest - r.biweeklyInterest;
    for (const double figure :
         {r.biweeklyTotal, r.biweeklyInterest, r.monthsSaved, r.yearsSaved, r.interestSaved})
        if (!std::isfinite(figure))
            throw EMathError("Floating point overflow");
    return r;
}

} // namespace qn::calc

#include "calculators/biweekly.h"

#include "core/errors.h"

#include <cmath>

namespace qn::calc {

BiweeklyResult ComputeBiweekly(double amount, double annualPercent, int months,
                               double monthlyPayment)
{
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
    if (!std::isfinite(r.biweeklyCount))
        throw EMathError("Floating point overflow");
    r.biweeklyTotal = r.biweeklyPayment * r.biweeklyCount;
    r.biweeklyInterest = r.biweeklyTotal - amount;
    r.monthsSaved = months - r.biweeklyCount / 26 * 12;
    r.yearsSaved = std::round(r.monthsSaved * 100) / 100 / 12;
    r.interestSaved = r.monthlyInterest - r.biweeklyInterest;
    return r;
}

} // namespace qn::calc

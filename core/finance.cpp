#include "core/finance.h"

#include "core/errors.h"
#include "core/numtext.h"

#include <cmath>
#include <string>

namespace qn {

namespace {

using Real = long double;

[[noreturn]] void mathFailure(const char* what) { throw EMathError(what); }

double finiteResult(Real value)
{
    const auto result = static_cast<double>(value);
    if (!std::isfinite(result))
        mathFailure("Floating point overflow");
    return result;
}

Real divide(Real numerator, Real denominator)
{
    if (denominator == 0)
        mathFailure("Floating point division by zero");
    return numerator / denominator;
}

// ln(1 + r), failing for r <= -1 instead of returning -inf or NaN.
Real log1pChecked(Real r)
{
    if (!(r > -1))
        mathFailure("Invalid floating point operation");
    return std::log1p(r);
}

// Present value of n level payments of 1 at rate r per period: (1 - (1+r)^-n) / r,
// written with expm1/log1p so rates near 0 keep their digits.
Real annuityFactor(Real n, Real r)
{
    if (r == 0)
        return n;
    return -std::expm1(-n * log1pChecked(r)) / r;
}

// ln(1 - e^-x) for x > 0, accurate at both ends.
Real log1mexp(Real x)
{
    return x < 0.6931L ? std::log(-std::expm1(-x)) : std::log1p(-std::exp(-x));
}

// ln(e^x - 1) for x > 0, without overflow for large x.
Real logexpm1(Real x) { return x < 1 ? std::log(std::expm1(x)) : x + std::log1p(-std::exp(-x)); }

// ln(annuityFactor(n, r) / k) with u = ln(1 + r). Far from 0 the factor itself would
// overflow even a long double, so it is then taken in logarithms throughout.
Real annuityGap(Real n, Real u, Real k, Real logK)
{
    if (u == 0)
        return std::log(n / k);
    if (std::fabs(n * u) < 10000) {
        const Real factor = -std::expm1(-n * u) / std::expm1(u);
        const Real ratio = factor / k;
        if (ratio > 0 && std::isfinite(ratio))
            return std::log(ratio);
        return std::log(factor) - logK;
    }
    const Real logFactor = u > 0 ? log1mexp(n * u) - logexpm1(u) : logexpm1(-n * u) - log1mexp(-u);
    return logFactor - logK;
}

// Derivative of annuityGap by u; it runs from -n (u -> -inf) to -1 (u -> +inf).
Real annuityGapSlope(Real n, Real u)
{
    if (std::fabs(n * u) < 1e-6L)
        return -(n + 1) / 2 + (n * n - 1) / 12 * u;
    return n / std::expm1(n * u) + 1 / std::expm1(-u);
}

// 1 + (1 + g) + ... + (1 + g)^(n - 1) in closed form, so a long run of years costs no
// more than a short one.
Real geometricSum(Real g, Real n)
{
    if (g == 0)
        return n;
    if (g > -1)
        return std::expm1(n * std::log1p(g)) / g;
    return (std::pow(1 + g, n) - 1) / g;
}

Real levelPayment(Real n, Real r, Real amount)
{
    if (n < 0)
        mathFailure("Invalid floating point operation");
    if (r == 0)
        return divide(amount, n);
    return divide(amount, annuityFactor(n, r));
}

} // namespace

double MonthlyPayment(int months, double ratePerMonth, double amount)
{
    if (months == 0)
        return 0;
    return finiteResult(levelPayment(months, ratePerMonth, amount));
}

double PeriodicPayment(int periods, double amount, double ratePerPeriod)
{
    return finiteResult(levelPayment(periods, ratePerPeriod, amount));
}

double LoanAmountForPayment(int months, double annualPercent, double payment)
{
    if (months < 0)
        mathFailure("Invalid floating point operation");
    if (annualPercent == 0)
        return finiteResult(Real(months) * payment);
    const Real r = MonthlyRate(annualPercent);
    return finiteResult(Real(payment) * annuityFactor(months, r));
}

double SolveInterestRate(int months, double amount, double payment)
{
    if (months == 0 || amount == 0)
        return 0;
    if (months < 0 || !(payment > 0) || !(amount > 0) || !std::isfinite(payment)
        || !std::isfinite(amount))
        mathFailure("Invalid floating point operation");
    // Solve for u = ln(1 + r): the gap falls steadily from +inf to -inf, nearly linearly
    // far out, so a safeguarded Newton walk converges from anywhere.
    const Real n = months;
    const Real k = Real(amount) / Real(payment); // neither overflows in long double
    const Real logK = std::log(k);
    Real lo, hi; // gap(lo) > 0 > gap(hi)
    const Real atZero = annuityGap(n, 0, k, logK);
    if (atZero == 0)
        return 0;
    int widen = 0;
    if (atZero > 0) {
        lo = 0;
        hi = 1;
        while (annuityGap(n, hi, k, logK) > 0) {
            lo = hi;
            hi *= 2;
            if (++widen > 64)
                mathFailure("Invalid floating point operation");
        }
    } else {
        hi = 0;
        lo = -1;
        while (annuityGap(n, lo, k, logK) < 0) {
            hi = lo;
            lo *= 2;
            if (++widen > 64)
                mathFailure("Invalid floating point operation");
        }
    }
    // Near 0 the gap is about -(n + 1) / 2 * u.
    Real u = atZero / ((n + 1) / 2);
    if (!(u > lo && u < hi))
        u = lo + (hi - lo) / 2;
    for (int i = 0; i < 200; ++i) {
        const Real gap = annuityGap(n, u, k, logK);
        if (gap == 0)
            break;
        (gap > 0 ? lo : hi) = u;
        Real next = u - gap / annuityGapSlope(n, u);
        if (!(next > lo && next < hi))
            next = lo + (hi - lo) / 2;
        const Real step = std::fabs(next - u);
        u = next;
        if (step <= 1e-19L * std::fabs(u) || hi - lo <= 1e-19L * std::fabs(u))
            break;
    }
    const double percent = finiteResult(std::expm1(u) * kAnnualPercentPerMonthlyRate);
    // A rate that rounds to -100 % a month cannot be used again by any loan formula.
    if (percent <= -kAnnualPercentPerMonthlyRate)
        mathFailure("Invalid floating point operation");
    return percent;
}

std::optional<double> MonthsToPayOff(double annualPercent, double payment, double amount)
{
    const Real r = MonthlyRate(annualPercent);
    if (amount == 0)
        return 0.0;
    if (payment <= 0 && amount > 0)
        return std::nullopt; // nothing is ever repaid
    if (r == 0)
        return finiteResult(divide(amount, payment));
    // t = 1 - r * amount / payment; the loan is repaid only while t > 0.
    const Real owedShare = divide(r * amount, payment);
    if (1 - owedShare <= 0)
        return std::nullopt;
    return finiteResult(-std::log1p(-owedShare) / log1pChecked(r));
}

double LoanAmountForYears(double payment, double annualPercent, double years)
{
    const Real r = MonthlyRate(annualPercent);
    const Real n = Real(years) * 12;
    return finiteResult(Real(payment) * annuityFactor(n, r));
}

double PrincipalRepaid(int months, double balance, double annualPercent, double payment)
{
    if (months < 1)
        return 0;
    // Month by month the principal part grows by (1 + r) from the first month's, so the
    // walk sums a geometric series.
    const Real r = MonthlyRate(annualPercent);
    const Real first = payment - r * balance;
    return finiteResult(first * geometricSum(r, months));
}

double TotalRent(double rent, double increasePercent, double years)
{
    const int n = WholeFromValue(years);
    const Real yearly = Real(rent) * 12;
    if (years == 1 || n <= 1)
        return finiteResult(yearly);
    return finiteResult(yearly * geometricSum(Real(increasePercent) / 100, n));
}

double GrowthSum(double base, double ratePercent, double years)
{
    const int n = WholeFromValue(years);
    if (n <= 0)
        return 0;
    // base x ((1 + g)^n - 1) is g x base x the geometric sum.
    const Real g = Real(ratePercent) / 100;
    return finiteResult(Real(base) * g * geometricSum(g, n));
}

double CompoundedValue(std::string_view compounding, double principal, double annualPercent,
                       double months, double deposit)
{
    int perYear = 0;
    if (compounding == "Annually")
        perYear = 1;
    else if (compounding == "Quarterly")
        perYear = 4;
    else if (compounding == "Monthly")
        perYear = 12;
    else if (compounding == "Daily")
        perYear = 365;
    if (perYear == 0)
        mathFailure("Floating point division by zero");
    const Real i = Real(annualPercent) / 100;
    if (i == 0) // no interest: what was put in is what there is
        return finiteResult(Real(principal) + Real(deposit) * months);
    const Real periods = perYear * (Real(months) / 12);
    const Real growthLog = periods * log1pChecked(i / perYear);
    const Real factor = std::exp(growthLog);
    return finiteResult(principal * factor + (Real(deposit) * 12) * std::expm1(growthLog) / i);
}

} // namespace qn

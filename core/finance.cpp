#include "core/finance.h"

#include "core/errors.h"
#include "core/numtext.h"

#include <cmath>
#include <string>

namespace qn {

namespace {

using Real = long double;

[[noreturn]] void mathFailure(const char* what)
{
    throw EMathError(what);
}

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

Real levelPayment(Real n, Real r, Real amount)
{
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
    if (annualPercent == 0)
        return finiteResult(Real(months) * payment);
    const Real r = static_cast<double>(annualPercent / 1200);
    return finiteResult(Real(payment) * annuityFactor(months, r));
}

double SolveInterestRate(int months, double amount, double payment)
{
    if (months == 0 || amount == 0)
        return 0;
    if (months < 0 || !(payment > 0))
        mathFailure("Invalid floating point operation");
    // Find the monthly rate r with annuityFactor(n, r) = k. The factor falls from +inf at
    // r -> -1 through n at r = 0 towards 0, so a positive k has exactly one root.
    const Real n = months;
    const Real k = Real(amount) / Real(payment);
    if (!(k > 0) || !std::isfinite(static_cast<double>(k)))
        mathFailure("Invalid floating point operation");
    if (k == n)
        return 0;

    Real lo, hi;  // f(lo) > 0 > f(hi), f(r) = annuityFactor(n, r) - k
    if (k < n) {
        lo = 0;
        hi = 1 / k;  // annuityFactor(n, r) < 1/r for r > 0
    } else {
        hi = 0;
        lo = -0.5L;
        while (annuityFactor(n, lo) <= k) {
            lo = (lo - 1) / 2;  // halve the distance to -1
            if (lo <= -1)
                mathFailure("Invalid floating point operation");
        }
    }
    // Small-rate estimate from annuityFactor ~ n - n(n+1)/2 r.
    Real r = 2 * (n - k) / (n * (n + 1));
    if (!(r > lo && r < hi))
        r = (lo + hi) / 2;
    for (int i = 0; i < 200; ++i) {
        const Real f = annuityFactor(n, r) - k;
        if (f == 0)
            break;
        (f > 0 ? lo : hi) = r;
        Real slope;
        if (std::fabs(r) < 1e-9L) {
            slope = -n * (n + 1) / 2;
        } else {
            const Real v = std::exp(-n * std::log1p(r));
            slope = (n * v / (1 + r) - (f + k)) / r;
        }
        Real next = r - f / slope;
        if (!(next > lo && next < hi) || !std::isfinite(static_cast<double>(next)))
            next = (lo + hi) / 2;
        const Real step = std::fabs(next - r);
        r = next;
        if (step <= 1e-17L * std::fabs(r) || hi - lo <= 1e-18L * std::fabs(r))
            break;
    }
    return finiteResult(r * 1200);
}

std::optional<double> MonthsToPayOff(double annualPercent, double payment, double amount)
{
    const Real r = static_cast<double>(annualPercent / 1200);
    if (amount == 0)
        return 0.0;
    if (payment <= 0 && amount > 0)
        return std::nullopt;  // nothing is ever repaid
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
    const Real r = static_cast<double>(annualPercent / 1200);
    const Real n = Real(years) * 12;
    return finiteResult(Real(payment) * annuityFactor(n, r));
}

double PrincipalRepaid(int months, double balance, double annualPercent, double payment)
{
    const Real r = static_cast<double>(annualPercent / 1200);
    Real sum = 0;
    Real owed = balance;
    for (int month = 1; month <= months; ++month) {
        const Real principal = payment - r * owed;
        sum += principal;
        owed -= principal;
    }
    return finiteResult(sum);
}

double TotalRent(double rent, double increasePercent, double years)
{
    const int n = WholeFromValue(years);
    Real yearly = Real(rent) * 12;
    Real total = yearly;
    if (years == 1 || n <= 1)
        return finiteResult(total);
    for (int year = 1; year < n; ++year) {
        yearly += yearly * increasePercent / 100;
        total += yearly;
    }
    return finiteResult(total);
}

double GrowthSum(double base, double ratePercent, double years)
{
    const int n = WholeFromValue(years);
    if (n <= 0)
        return 0;
    const Real g = Real(ratePercent) / 100;
    Real sum = 0;
    Real value = base;
    for (int year = 0; year < n; ++year) {
        const Real growth = value * g;
        sum += growth;
        value += growth;
    }
    return finiteResult(sum);
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
    if (i == 0)  // no interest: what was put in is what there is
        return finiteResult(Real(principal) + Real(deposit) * months);
    const Real periods = perYear * (Real(months) / 12);
    const Real growthLog = periods * log1pChecked(i / perYear);
    const Real factor = std::exp(growthLog);
    return finiteResult(principal * factor + (Real(deposit) * 12) * std::expm1(growthLog) / i);
}

} // namespace qn

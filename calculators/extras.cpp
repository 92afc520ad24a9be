#include "calculators/extras.h"

#include "core/finance.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace qn::calc {

namespace {

// The same loan, an adjustable rate included, with no extras.
TMortgage withoutExtras(const TMortgage& loan)
{
    TMortgage base = loan;
    base.ClearExtraPayments();
    return base;
}

int payoffWithExtra(const TMortgage& base, double extra)
{
    TMortgage trial = base;
    if (extra > 0)
        trial.SetExtraFrom(1, extra);
    return PayoffMonth(trial);
}

} // namespace

int PayoffMonth(const TMortgage& loan)
{
    for (const TPayment& row : loan.Payments) {
        if (std::fabs(row.Balance) < 0.005)
            return row.Number;
    }
    return loan.NumPayments;
}

int PayoffMonthWithoutExtras(const TMortgage& loan) { return PayoffMonth(withoutExtras(loan)); }

ExtraSummary SummarizeExtras(const TMortgage& withExtras)
{
    ExtraSummary s;
    if (withExtras.Payments.empty())
        return s;
    const TMortgage base = withoutExtras(withExtras);
    s.payoffMonth = PayoffMonth(withExtras);
    s.paymentsSooner = PayoffMonth(base) - s.payoffMonth;
    s.interestSaved =
        base.Payments.back().InterestToDate - withExtras.Payments.back().InterestToDate;
    return s;
}

std::string ExtraSummaryText(const ExtraSummary& summary, const std::string& money)
{
    std::ostringstream out;
    out << "Extra payments save " << money << " of interest and repay the loan "
        << summary.paymentsSooner << (summary.paymentsSooner == 1 ? " payment" : " payments")
        << " sooner (month " << summary.payoffMonth << ")";
    return out.str();
}

std::optional<double> LevelExtraForPayoff(const TMortgage& loan, int target)
{
    if (loan.Payments.empty() || target < 1 || target > loan.NumPayments)
        return std::nullopt;
    const TMortgage base = withoutExtras(loan);
    if (PayoffMonth(base) <= target)
        return 0.0;
    // In whole cents: the payoff month falls as the extra grows, so the first extra that
    // reaches the target is found by halving the range.
    // The level payment that repays the loan in `target` months is where to start looking:
    // an extra far above it would be dropped from rows owing less than it.
    const double rate = loan.Rate / loan.PeriodsPerYear;
    const double needed = MonthlyPayment(target, rate, loan.Amount) - base.Payment;
    long long low = 0; // misses the target
    long long high = std::max<long long>(1, std::llround(std::ceil(needed * 100)));
    const long long limit = std::llround(loan.Amount * 100) + 1;
    while (payoffWithExtra(base, high / 100.0) > target) {
        low = high;
        if (high >= limit)
            return std::nullopt;
        high = std::min(limit, high + high / 20 + 1);
    }
    while (high - low > 1) {
        const long long mid = low + (high - low) / 2;
        if (payoffWithExtra(base, mid / 100.0) <= target)
            high = mid;
        else
            low = mid;
    }
    return high / 100.0;
}

} // namespace qn::calc

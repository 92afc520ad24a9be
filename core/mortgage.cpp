#include "core/mortgage.h"

#include "core/errors.h"
#include "core/finance.h"
#include "core/limits.h"
#include "core/numtext.h"

#include <algorithm>
#include <cmath>

namespace qn {

TMortgage::TMortgage(std::int32_t numPayments, double amount, double rate,
                     std::int32_t periodsPerYear)
{
    Setup(numPayments, amount, rate, periodsPerYear);
}

void TMortgage::Setup(std::int32_t numPayments, double amount, double rate,
                      std::int32_t periodsPerYear)
{
    Adjustable.reset();
    SetupRows(numPayments, amount, rate, periodsPerYear);
}

void TMortgage::Setup(std::int32_t numPayments, double amount, double rate,
                      std::int32_t periodsPerYear, const TAdjustableRate& terms)
{
    Adjustable = terms;
    SetupRows(numPayments, amount, rate, periodsPerYear);
}

void TMortgage::SetupRows(std::int32_t numPayments, double amount, double rate,
                          std::int32_t periodsPerYear)
{
    NumPayments = numPayments;
    Amount = amount;
    Rate = rate;
    PeriodsPerYear = periodsPerYear;
    // Recalculate refuses a count outside 0 .. kMaxPayments; no rows are made for it.
    const bool usable = numPayments >= 0 && numPayments <= kMaxPayments;
    const auto rows = usable ? static_cast<std::size_t>(numPayments) : 0;
    Payments.assign(rows, TPayment{});
    m_extra.assign(rows, 0.0);
    Recalculate();
}

namespace {

// Whole cents, rounded half away from zero like RoundCents.
std::int64_t toCents(double x)
{
    const double scaled = std::fabs(x) * 100 + 0.5;
    if (!(scaled < kMaxCentsAmount * 100))
        throw EMathError("Floating point overflow");
    const auto cents = static_cast<std::int64_t>(scaled);
    return x < 0 ? -cents : cents;
}

// Sums of cents stay checked: a schedule whose balance or totals outgrow 64 bits fails.
std::int64_t addCents(std::int64_t a, std::int64_t b)
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        throw EMathError("Floating point overflow");
    return sum;
}

std::int64_t subtractCents(std::int64_t a, std::int64_t b)
{
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a, b, &difference))
        throw EMathError("Floating point overflow");
    return difference;
}

double fromCents(std::int64_t cents) { return static_cast<double>(cents) / 100; }

double indexAt(const TAdjustableRate& terms, std::size_t change)
{
    switch (terms.Path) {
    case TIndexPath::Rising:
        return terms.Index + static_cast<double>(change + 1) * terms.IndexStep;
    case TIndexPath::Typed:
        return terms.IndexList[std::min(change, terms.IndexList.size() - 1)];
    case TIndexPath::Flat:
    case TIndexPath::WorstCase:
        break;
    }
    return terms.Index;
}

} // namespace

void TMortgage::ScheduleRates()
{
    RateSchedule.assign(1, TRatePeriod{1, Rate, Payment});
    if (!Adjustable)
        return;
    const TAdjustableRate& terms = *Adjustable;
    if (terms.FixedMonths < 1 || terms.AdjustEvery < 1
        || (terms.Path == TIndexPath::Typed && terms.IndexList.empty()))
        throw EMathError("Invalid floating point operation");
    // The rates follow from the terms alone; the payments wait for the balances.
    const double ceiling = Rate + terms.LifetimeCap;
    const double floor = std::max(0.0, terms.Floor.value_or(terms.Margin));
    double rate = Rate;
    std::size_t change = 0;
    for (std::int64_t first = std::int64_t{terms.FixedMonths} + 1; first <= NumPayments;
         first += terms.AdjustEvery, ++change) {
        const double cap = change == 0 ? terms.FirstCap : terms.PeriodicCap;
        const double target =
            terms.Path == TIndexPath::WorstCase
                ? rate + cap
                : RoundToEighthPercentHalfDown(indexAt(terms, change) + terms.Margin);
        rate = std::min(std::max(target, rate - cap), rate + cap);
        rate = std::min(std::max(rate, floor), ceiling);
        RateSchedule.push_back({static_cast<std::int32_t>(first), rate, 0});
    }
}

void TMortgage::Recalculate()
{
    if (PeriodsPerYear == 0)
        throw EMathError("Floating point division by zero");
    // One row per payment: a count beyond the limit would only exhaust memory and time.
    if (NumPayments < 0 || NumPayments > kMaxPayments
        || Payments.size() != static_cast<std::size_t>(NumPayments))
        throw EMathError("Invalid floating point operation");
    double r = Rate / PeriodsPerYear;
    Payment = RoundCents(PeriodicPayment(NumPayments, Amount, r));
    ScheduleRates();
    double annualRate = Rate;
    std::size_t nextPeriod = 1;
    // The schedule runs in whole cents, so balances and totals carry no binary residue.
    std::int64_t payment = toCents(Payment);
    std::int64_t balance = toCents(Amount);
    std::int64_t principalToDate = 0;
    std::int64_t interestToDate = 0;
    const std::size_t last = Payments.empty() ? 0 : Payments.size() - 1;
    for (std::size_t k = 0; k < Payments.size(); ++k) {
        TPayment& row = Payments[k];
        row.Number = static_cast<std::int32_t>(k + 1);
        if (nextPeriod < RateSchedule.size()
            && RateSchedule[nextPeriod].FirstPayment == row.Number) {
            // A rate change recasts the payment over the payments left.
            TRatePeriod& period = RateSchedule[nextPeriod++];
            annualRate = period.Rate;
            r = annualRate / PeriodsPerYear;
            const auto left = static_cast<int>(Payments.size() - k);
            period.Payment = RoundCents(PeriodicPayment(left, fromCents(balance), r));
            payment = toCents(period.Payment);
        }
        row.Rate = annualRate;
        std::int64_t principal = 0;
        std::int64_t interest = 0;
        std::int64_t applied = 0;
        if (balance != 0) {
            interest = toCents(fromCents(balance) * r);
            const std::int64_t regular = subtractCents(payment, interest);
            const std::int64_t extra = toCents(m_extra[k]);
            principal = addCents(regular, extra);
            applied = extra;
            // The payment that clears the balance takes only what is owed; the last
            // scheduled payment clears it too, as long as payments cover the interest.
            if (principal > balance || (k == last && regular > 0)) {
                principal = balance;
                const std::int64_t usable = std::max<std::int64_t>(extra, 0);
                applied = std::clamp<std::int64_t>(subtractCents(balance, regular), 0, usable);
            }
            balance = subtractCents(balance, principal);
        }
        principalToDate = addCents(principalToDate, principal);
        interestToDate = addCents(interestToDate, interest);
        row.Principal = fromCents(principal);
        row.Interest = fromCents(interest);
        row.ExtraPrincipal = fromCents(applied);
        row.Balance = fromCents(balance);
        row.PrincipalToDate = fromCents(principalToDate);
        row.InterestToDate = fromCents(interestToDate);
    }
}

ExtraResult TMortgage::SetExtraPayment(std::int32_t number, double amount)
{
    if (number < 1 || number > static_cast<std::int32_t>(Payments.size()))
        return ExtraResult::OutOfRange;
    m_extra[static_cast<std::size_t>(number - 1)] = amount;
    Recalculate();
    return ExtraResult::Applied;
}

ExtraResult TMortgage::SetExtraRange(std::int32_t first, std::int32_t last, double amount)
{
    const auto rows = static_cast<std::int32_t>(Payments.size());
    std::int32_t number = first;
    do {
        if (number < 1 || number > rows)
            return ExtraResult::OutOfRange; // extras set so far stay, as before
        m_extra[static_cast<std::size_t>(number - 1)] = amount;
    } while (number++ < last);
    Recalculate();
    ClearSmallExtras(amount);
    return ExtraResult::Applied;
}

void TMortgage::SetExtraFrom(std::int32_t first, double amount)
{
    if (Payments.empty())
        throw EListError("List index out of bounds");
    if (SetExtraRange(first, NumPayments, amount) == ExtraResult::OutOfRange)
        throw EListError("List index out of bounds");
}

ExtraResult TMortgage::SetExtras(const std::vector<double>& extras)
{
    ExtraResult result = ExtraResult::Applied;
    std::fill(m_extra.begin(), m_extra.end(), 0.0);
    for (std::size_t k = 0; k < extras.size(); ++k) {
        if (k < m_extra.size())
            m_extra[k] = extras[k];
        else if (extras[k] != 0)
            result = ExtraResult::OutOfRange;
    }
    Recalculate();
    return result;
}

void TMortgage::ClearExtraPayments()
{
    std::fill(m_extra.begin(), m_extra.end(), 0.0);
    Recalculate();
}

void TMortgage::ClearSmallExtras(double amount)
{
    // No extra where the loan is already paid off or owes less than the extra; the schedule
    // is then recomputed so every row's principal matches the extra it shows.
    for (std::size_t k = 0; k < Payments.size(); ++k)
        if (Payments[k].Balance <= 0 || Payments[k].Balance < amount)
            m_extra[k] = 0;
    Recalculate();
}

std::array<std::string, 7> FormatPaymentRow(const TPayment& row)
{
    // Plain texts, not printf: the grid reads these back with "." as decimal point, whatever
    // locale the application has set.
    auto rightAligned = [](std::string text, std::size_t width) {
        if (text.size() < width)
            text.insert(0, width - text.size(), ' ');
        return text.substr(0, 15);
    };
    auto fixed = [&](double value) { return rightAligned(FixedText(value, 2), 12); };
    return {rightAligned(std::to_string(row.Number), 5),
            fixed(row.Principal),
            fixed(row.Interest),
            fixed(row.PrincipalToDate),
            fixed(row.InterestToDate),
            fixed(row.ExtraPrincipal),
            fixed(row.Balance)};
}

std::string FormatPaymentRate(const TPayment& row)
{
    return ' ' + FixedText(row.Rate * 100, 3) + '%';
}

} // namespace qn

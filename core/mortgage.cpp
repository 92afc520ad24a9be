#include "core/mortgage.h"

#include "core/errors.h"
#include "core/finance.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace qn {

double RoundCents(double x)
{
    // Half away from zero; for the positive amounts of a schedule that is half up.
    if (x < 0)
        return -std::trunc(-x * 100 + 0.5) / 100;
    return std::trunc(x * 100 + 0.5) / 100;
}

TMortgage::TMortgage(std::int32_t numPayments, double amount, double rate,
                     std::int32_t periodsPerYear)
{
    Setup(numPayments, amount, rate, periodsPerYear);
}

void TMortgage::Setup(std::int32_t numPayments, double amount, double rate,
                      std::int32_t periodsPerYear)
{
    NumPayments = numPayments;
    Amount = amount;
    Rate = rate;
    PeriodsPerYear = periodsPerYear;
    const auto rows = static_cast<std::size_t>(std::max(numPayments, 0));
    Payments.assign(rows, TPayment{});
    m_extra.assign(rows, 0.0);
    Recalculate();
}

void TMortgage::Recalculate()
{
    if (PeriodsPerYear == 0)
        throw EMathError("Floating point division by zero");
    const double r = Rate / PeriodsPerYear;
    Payment = RoundCents(PeriodicPayment(NumPayments, Amount, r));
    double balance = Amount;
    double principalToDate = 0;
    double interestToDate = 0;
    const std::size_t last = Payments.empty() ? 0 : Payments.size() - 1;
    for (std::size_t k = 0; k < Payments.size(); ++k) {
        TPayment& row = Payments[k];
        row.Number = static_cast<std::int32_t>(k + 1);
        const double interest = RoundCents(balance * r);
        if (balance == 0) {
            row.Principal = 0;
            row.Interest = 0;
            row.ExtraPrincipal = 0;
            row.Balance = 0;
        } else {
            const double regular = Payment - interest;
            const double extra = m_extra[k];
            double principal = RoundCents(regular + extra);
            double applied = extra;
            // The payment that clears the balance takes only what is owed; the last
            // scheduled payment clears it too, as long as payments cover the interest.
            const bool lastCovered = k == last && regular > 0;
            if (principal > balance || lastCovered) {
                principal = balance;
                applied = std::clamp(balance - regular, 0.0, std::max(extra, 0.0));
            }
            row.Principal = principal;
            row.Interest = interest;
            row.ExtraPrincipal = applied;
            balance = RoundCents(balance - principal);
            row.Balance = balance;
        }
        principalToDate = RoundCents(principalToDate + row.Principal);
        interestToDate = RoundCents(interestToDate + row.Interest);
        row.PrincipalToDate = principalToDate;
        row.InterestToDate = interestToDate;
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
            return ExtraResult::OutOfRange;  // extras set so far stay, as before
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
    auto fixed = [](double value) {
        if (std::fabs(value) < 0.005)
            value = 0;  // no "-0.00"
        char buf[64];
        std::snprintf(buf, sizeof buf, "%12.2f", value);
        return std::string(buf).substr(0, 15);
    };
    char number[32];
    std::snprintf(number, sizeof number, "%5d", static_cast<int>(row.Number));
    return {std::string(number).substr(0, 15), fixed(row.Principal), fixed(row.Interest),
            fixed(row.PrincipalToDate), fixed(row.InterestToDate), fixed(row.ExtraPrincipal),
            fixed(row.Balance)};
}

} // namespace qn

#include "calculators/chart_series.h"

#include "calculators/extras.h"
#include "core/checked.h"
#include "core/limits.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace qn::calc {

namespace {

// The schedule's rows up to the one that pays the loan off.
std::span<const TPayment> paidRows(const TMortgage& loan)
{
    const int payoff = PayoffMonth(loan);
    const auto end = std::find_if(loan.Payments.begin(), loan.Payments.end(),
                                  [payoff](const TPayment& row) { return row.Number > payoff; });
    return {loan.Payments.begin(), end};
}

std::vector<Point> balances(const TMortgage& loan)
{
    std::vector<Point> points{{0, loan.Amount}};
    for (const TPayment& row : paidRows(loan))
        points.push_back({static_cast<double>(row.Number), row.Balance});
    return points;
}

} // namespace

std::vector<Point> BalanceByPayment(const TMortgage& loan) { return balances(loan); }

std::vector<Point> BalanceWithoutExtras(const TMortgage& loan)
{
    TMortgage base = loan; // an adjustable rate stays
    base.ClearExtraPayments();
    return balances(base);
}

std::vector<Point> PaymentByPayment(const TMortgage& loan)
{
    std::vector<Point> points;
    for (const TPayment& row : paidRows(loan))
        points.push_back(
            {static_cast<double>(row.Number), row.Principal - row.ExtraPrincipal + row.Interest});
    return points;
}

std::vector<YearSplit> YearlySplit(const TMortgage& loan)
{
    std::vector<YearSplit> years;
    for (const TPayment& row : paidRows(loan)) {
        const int year = (row.Number - 1) / 12 + 1;
        if (years.empty() || years.back().year != year)
            years.push_back({year, 0, 0});
        years.back().principal += row.Principal;
        years.back().interest += row.Interest;
    }
    return years;
}

std::vector<Point> BiweeklyBalanceByMonth(double amount, double annualPercent, double halfPayment)
{
    std::vector<Point> points{{0, amount}};
    const double rate = annualPercent / 100 / 26;
    double balance = amount;
    // No longer than any loan of the program runs, at 26 payments a year.
    constexpr int kMaxBiweeklyPayments = kMaxPayments * 26 / 12;
    for (int k = 1; k <= kMaxBiweeklyPayments && balance > 0.005; ++k) {
        const double interest = balance * rate;
        if (halfPayment <= interest)
            break; // never repaid: the chart stops where the loan stops falling
        balance = std::max(0.0, balance + interest - halfPayment);
        points.push_back({Finite(k * 12.0 / 26.0), balance});
    }
    return points;
}

std::vector<Point> RefiNetSavingsSeries(const RefiInputs& in)
{
    const std::vector<double> net = RefiNetSavingsByMonth(in);
    std::vector<Point> points;
    points.reserve(net.size() + 1);
    points.push_back({0, -in.closingCosts});
    for (std::size_t i = 0; i < net.size(); ++i)
        points.push_back({static_cast<double>(i + 1), net[i]});
    return points;
}

std::vector<RvbYear> RvbPositionsByYear(const RvbInputs& in)
{
    std::vector<RvbYear> years;
    const int last = static_cast<int>(in.years);
    for (int y = 1; y <= last; ++y) {
        RvbInputs at = in;
        at.years = y;
        const RvbResults r = CalcRVB(at);
        years.push_back({y, r.valueOfPurchase, r.valueOfRenting});
    }
    return years;
}

} // namespace qn::calc

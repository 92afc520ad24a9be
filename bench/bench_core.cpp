// Timings of the loan mathematics: every page recomputes on each Calculate, and the loan
// spread grids call the solvers dozens of times per click.
#include "core/finance.h"
#include "core/mortgage.h"
#include "core/numtext.h"
#include "tests/support/arm_terms.h"

#include <benchmark/benchmark.h>

namespace {

// Times one call on an input the optimiser must not see through.
template <typename Call> void BM_Call(benchmark::State& state, double input, Call call)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(input);
        benchmark::DoNotOptimize(call(input));
    }
}

const double kRate = qn::MonthlyRate(8.75);
const double kPayment = 786.70;

BENCHMARK_CAPTURE(BM_Call, MonthlyPayment, kRate,
                  [](double r) { return qn::MonthlyPayment(360, r, 100000); });
BENCHMARK_CAPTURE(BM_Call, PeriodicPayment, kRate,
                  [](double r) { return qn::PeriodicPayment(360, 100000, r); });
BENCHMARK_CAPTURE(BM_Call, LoanAmountForPayment, kPayment,
                  [](double p) { return qn::LoanAmountForPayment(360, 8.75, p); });
BENCHMARK_CAPTURE(BM_Call, SolveInterestRate12, qn::MonthlyPayment(12, kRate, 100000),
                  [](double p) { return qn::SolveInterestRate(12, 100000, p); });
BENCHMARK_CAPTURE(BM_Call, SolveInterestRate360, qn::MonthlyPayment(360, kRate, 100000),
                  [](double p) { return qn::SolveInterestRate(360, 100000, p); });
BENCHMARK_CAPTURE(BM_Call, MonthsToPayOff, kPayment,
                  [](double p) { return qn::MonthsToPayOff(8.75, p, 100000); });
BENCHMARK_CAPTURE(BM_Call, LoanAmountForYears, kPayment,
                  [](double p) { return qn::LoanAmountForYears(p, 8.75, 30); });
BENCHMARK_CAPTURE(BM_Call, PrincipalRepaid, kPayment,
                  [](double p) { return qn::PrincipalRepaid(12, 100000, 8.75, p); });
BENCHMARK_CAPTURE(BM_Call, TotalRent, 950, [](double rent) { return qn::TotalRent(rent, 3.5, 5); });
BENCHMARK_CAPTURE(BM_Call, GrowthSum, 100000,
                  [](double base) { return qn::GrowthSum(base, 7, 5); });
BENCHMARK_CAPTURE(BM_Call, CompoundedValue, 5000, [](double principal) {
    return qn::CompoundedValue("Monthly", principal, 4.5, 60, 0);
});
BENCHMARK_CAPTURE(BM_Call, FloatToStrG, 786.7, [](double v) { return qn::FloatToStrG(v); });

void BM_StrToFloat(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(qn::StrToFloat(" 100000.25 "));
}
BENCHMARK(BM_StrToFloat);

void BM_MortgageSetup360(benchmark::State& state)
{
    qn::TMortgage loan;
    double amount = 100000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(amount);
        loan.Setup(360, amount, 0.0875, 12);
        benchmark::DoNotOptimize(loan.Payments.data());
    }
}
BENCHMARK(BM_MortgageSetup360);

void BM_MortgageExtraFrom360(benchmark::State& state)
{
    qn::TMortgage loan(360, 100000, 0.0875, 12);
    for (auto _ : state) {
        loan.SetExtraFrom(1, 500);
        benchmark::DoNotOptimize(loan.Payments.data());
    }
}
BENCHMARK(BM_MortgageExtraFrom360);

// A 5/5 adjustable loan whose index rises at each of its 60 changes: every change recasts
// the payment, so this is the costliest schedule the page rebuilds on Calculate.
void BM_AdjustableSetup360(benchmark::State& state)
{
    const qn::TAdjustableRate terms =
        armTerms(60, 5, 2.75, 4, {2, 1, 6}, qn::TIndexPath::Rising, 0.125);
    qn::TMortgage loan;
    double amount = 300000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(amount);
        loan.Setup(360, amount, 0.06, 12, terms);
        benchmark::DoNotOptimize(loan.Payments.data());
    }
    if (loan.RateSchedule.size() != 61)
        state.SkipWithError("expected 60 changes");
}
BENCHMARK(BM_AdjustableSetup360);

} // namespace

BENCHMARK_MAIN();

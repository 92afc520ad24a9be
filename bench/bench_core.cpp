// Timings of the loan mathematics: every page recomputes on each Calculate, and the loan
// spread grids call the solvers dozens of times per click.
#include "core/finance.h"
#include "core/mortgage.h"
#include "core/numtext.h"

#include <benchmark/benchmark.h>

namespace {

void BM_MonthlyPayment(benchmark::State& state)
{
    double rate = qn::MonthlyRate(8.75);
    for (auto _ : state) {
        benchmark::DoNotOptimize(rate);
        benchmark::DoNotOptimize(qn::MonthlyPayment(360, rate, 100000));
    }
}
BENCHMARK(BM_MonthlyPayment);

void BM_PeriodicPayment(benchmark::State& state)
{
    double rate = qn::MonthlyRate(8.75);
    for (auto _ : state) {
        benchmark::DoNotOptimize(rate);
        benchmark::DoNotOptimize(qn::PeriodicPayment(360, 100000, rate));
    }
}
BENCHMARK(BM_PeriodicPayment);

void BM_LoanAmountForPayment(benchmark::State& state)
{
    double payment = 786.70;
    for (auto _ : state) {
        benchmark::DoNotOptimize(payment);
        benchmark::DoNotOptimize(qn::LoanAmountForPayment(360, 8.75, payment));
    }
}
BENCHMARK(BM_LoanAmountForPayment);

void BM_SolveInterestRate(benchmark::State& state)
{
    const int months = static_cast<int>(state.range(0));
    double payment = qn::MonthlyPayment(months, qn::MonthlyRate(8.75), 100000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(payment);
        benchmark::DoNotOptimize(qn::SolveInterestRate(months, 100000, payment));
    }
}
BENCHMARK(BM_SolveInterestRate)->Arg(12)->Arg(360);

void BM_MonthsToPayOff(benchmark::State& state)
{
    double payment = 786.70;
    for (auto _ : state) {
        benchmark::DoNotOptimize(payment);
        benchmark::DoNotOptimize(qn::MonthsToPayOff(8.75, payment, 100000));
    }
}
BENCHMARK(BM_MonthsToPayOff);

void BM_LoanAmountForYears(benchmark::State& state)
{
    double payment = 786.70;
    for (auto _ : state) {
        benchmark::DoNotOptimize(payment);
        benchmark::DoNotOptimize(qn::LoanAmountForYears(payment, 8.75, 30));
    }
}
BENCHMARK(BM_LoanAmountForYears);

void BM_PrincipalRepaid(benchmark::State& state)
{
    double payment = 786.70;
    for (auto _ : state) {
        benchmark::DoNotOptimize(payment);
        benchmark::DoNotOptimize(qn::PrincipalRepaid(12, 100000, 8.75, payment));
    }
}
BENCHMARK(BM_PrincipalRepaid);

void BM_TotalRent(benchmark::State& state)
{
    double rent = 950;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rent);
        benchmark::DoNotOptimize(qn::TotalRent(rent, 3.5, 5));
    }
}
BENCHMARK(BM_TotalRent);

void BM_GrowthSum(benchmark::State& state)
{
    double base = 100000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(base);
        benchmark::DoNotOptimize(qn::GrowthSum(base, 7, 5));
    }
}
BENCHMARK(BM_GrowthSum);

void BM_CompoundedValue(benchmark::State& state)
{
    double principal = 5000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(principal);
        benchmark::DoNotOptimize(qn::CompoundedValue("Monthly", principal, 4.5, 60, 0));
    }
}
BENCHMARK(BM_CompoundedValue);

void BM_FloatToStrG(benchmark::State& state)
{
    double value = 786.7;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(qn::FloatToStrG(value));
    }
}
BENCHMARK(BM_FloatToStrG);

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
    qn::TAdjustableRate terms;
    terms.FixedMonths = 60;
    terms.AdjustEvery = 5;
    terms.Margin = 0.0275;
    terms.Path = qn::TIndexPath::Rising;
    terms.Index = 0.04;
    terms.IndexStep = 0.00125;
    terms.FirstCap = 0.02;
    terms.PeriodicCap = 0.01;
    terms.LifetimeCap = 0.06;
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

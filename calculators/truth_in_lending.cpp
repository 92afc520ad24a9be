#include "calculators/truth_in_lending.h"

#include "core/checked.h"
#include "core/finance.h"
#include "core/rounding.h"

#include <algorithm>
#include <cmath>

namespace qn::calc {

namespace {

// The cents a money field shows.
double shown(double amount) { return RoundHalfEven(amount, 2); }

// Balance after k level payments at the monthly rate c: L(1+c)^k - P((1+c)^k - 1)/c, written
// as L + (Lc - P)((1+c)^k - 1)/c so that rates near 0 keep their digits (at 0 it is L - kP).
double balanceAfter(double loan, double c, double payment, int k)
{
    const double growth = c == 0 ? k : std::expm1(k * std::log1p(c)) / c;
    return Finite(loan + (loan * c - payment) * growth);
}

// The first payment after which the balance is at most `limit`; the balance falls with
// every payment, so halving finds it. The last payment when even it leaves more.
int firstPaymentDownTo(double limit, double loan, double c, double payment, int n)
{
    int low = 0; // still above the limit after this many payments
    int high = n;
    while (high - low > 1) {
        const int mid = low + (high - low) / 2;
        if (balanceAfter(loan, c, payment, mid) <= limit)
            high = mid;
        else
            low = mid;
    }
    return high;
}

// Value of the payments at i per month less the amount financed, and its slope, by Horner
// in v = 1 / (1 + i). Far below 0 the value overflows to infinity, which the solver treats
// as "above".
struct Gap {
    double value;
    double slope;
};

Gap presentValueGap(double i, double amount, const std::vector<double>& payments)
{
    const double v = 1 / (1 + i);
    double pv = 0;
    double dpv = 0; // d pv / d v
    for (auto p = payments.rbegin(); p != payments.rend(); ++p) {
        dpv = dpv * v + pv + *p;
        pv = (pv + *p) * v;
    }
    // dpv is the derivative of the nested form in v, and d v / d i = -v^2.
    return {pv - amount, -dpv * v * v};
}

} // namespace

std::optional<double> ActuarialApr(double amountFinanced, const std::vector<double>& payments)
{
    if (!(amountFinanced > 0))
        return std::nullopt;
    const bool anyBelow =
        std::any_of(payments.begin(), payments.end(), [](double p) { return !(p >= 0); });
    const bool anyAbove =
        std::any_of(payments.begin(), payments.end(), [](double p) { return p > 0; });
    if (anyBelow || !anyAbove)
        return std::nullopt;

    auto gap = [&](double i) { return presentValueGap(i, amountFinanced, payments); };
    // The value falls from infinity near -100 % to 0 for ever higher rates, so exactly one
    // rate fits; bracket it, then Newton steps that fall back to halving.
    double low = 0;  // value above the amount
    double high = 0; // value below it
    const double atZero = gap(0).value;
    if (atZero == 0)
        return 0.0;
    if (atZero > 0) {
        high = 0.01;
        while (gap(high).value > 0)
            high = high * 2 + 0.01;
    } else {
        low = -0.5;
        while (gap(low).value < 0)
            low = -1 + (1 + low) / 2;
    }
    double i = (low + high) / 2;
    for (int round = 0; round < 400; ++round) {
        const Gap g = gap(i);
        if (g.value == 0)
            break;
        if (g.value > 0)
            low = i;
        else
            high = i;
        double next = i - g.value / g.slope;
        if (!(next > low && next < high))
            next = low + (high - low) / 2;
        const double step = std::fabs(next - i);
        i = next;
        if (step <= 1e-13 * std::fabs(i) || step <= 1e-17 || high - low <= 1e-17)
            break;
    }
    return Finite(kAnnualPercentPerMonthlyRate * i);
}

LendingInputs LendingInputsOf(const EccInputs& in, const EccResults& r)
{
    LendingInputs l;
    // Amounts the lock state does not compute are the ones typed.
    l.loanAmount = r.loanAmount.value_or(in.loanAmount);
    l.purchasePrice = r.purchasePrice.value_or(in.purchasePrice);
    l.interestRate = in.interestRate;
    l.termYears = static_cast<int>(in.termYears);
    l.pAndI = r.pAndI;
    l.monthlyPmi = r.monthlyPmi;
    const EccPanels& p = r.panels;
    l.originationFee = p.originationFee;
    l.discountFee = p.discountFee;
    l.taxServiceFee = in.fees.taxServiceFee;
    l.lendersInspectionFee = in.fees.lendersInspectionFee;
    l.otherFees = in.fees.otherFees;
    l.closingPmi = p.closingPmi;
    l.pmiReserve = p.pmiReserve;
    l.prepaidInterest = p.prepaidInterest;
    l.closingCosts = p.closingCosts;
    l.recordingFee = in.fees.recordingFee;
    return l;
}

LendingFigures ComputeLendingFigures(const LendingInputs& in)
{
    LendingFigures f;
    const double loan = in.loanAmount;
    const int n = 12 * std::max(0, in.termYears);
    const double c = MonthlyRate(in.interestRate);

    f.prepaidFinanceCharges =
        Finite(in.originationFee + in.discountFee + in.taxServiceFee + in.lendersInspectionFee
               + in.otherFees + in.closingPmi + in.pmiReserve + in.prepaidInterest);
    f.amountFinanced = Finite(loan - f.prepaidFinanceCharges);

    const double pAndI = shown(in.pAndI);
    const double pmi = shown(in.monthlyPmi);
    int pmiMonths = 0;
    if (pmi > 0 && n > 0) {
        f.pmiCancelMonth = firstPaymentDownTo(0.80 * in.purchasePrice, loan, c, in.pAndI, n);
        const int at78 = firstPaymentDownTo(0.78 * in.purchasePrice, loan, c, in.pAndI, n);
        f.pmiEndMonth = std::min(at78, (n + 1) / 2);
        pmiMonths = f.pmiEndMonth;
    }
    f.payments.assign(static_cast<std::size_t>(n), pAndI);
    for (int k = 0; k < pmiMonths; ++k)
        f.payments[static_cast<std::size_t>(k)] = shown(pAndI + pmi);

    // In whole cents, so the totals carry no binary residue.
    auto sumOfPayments = [&](int count) {
        const int withPmi = std::min(count, pmiMonths);
        return Finite((count * std::round(pAndI * 100) + withPmi * std::round(pmi * 100)) / 100);
    };
    f.totalOfPayments = sumOfPayments(n);
    f.financeCharge = Finite(f.totalOfPayments - f.amountFinanced);
    f.apr = ActuarialApr(f.amountFinanced, f.payments);
    if (loan > 0 && n > 0)
        f.totalInterestPercent = Finite((n * pAndI - loan) / loan * 100);

    const int first60 = std::min(60, n);
    const double loanCosts = in.closingCosts - in.recordingFee - in.closingPmi;
    f.in5YearsPaid = Finite(sumOfPayments(first60) + loanCosts);
    f.in5YearsPrincipal = Finite(loan - balanceAfter(loan, c, pAndI, first60));
    return f;
}

LendingFigures LendingFiguresOf(const EccInputs& in, const EccResults& results)
{
    return ComputeLendingFigures(LendingInputsOf(in, results));
}

} // namespace qn::calc

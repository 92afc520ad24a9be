#include "calculators/refinancing.h"

#include "core/checked.h"
#include "core/errors.h"
#include "core/finance.h"
#include "core/limits.h"

#include <algorithm>
#include <cmath>

namespace qn::calc {

namespace {

// A count of months from a field: whole, at least `least`, and no more than any loan may run.
int monthsOf(double value, const char* caption, int least = 0)
{
    return CheckPaymentCount(value, caption, least);
}

} // namespace

RefiResults CalcRefi(const RefiInputs& in)
{
    // A loan of no months has no payment to compare.
    const int oldTerm = monthsOf(in.oldTerm, "Term in Months", 1);
    const int paymentsMade = monthsOf(in.oldPaymentsMade, "Payments Made");
    const int newTerm = monthsOf(in.newTerm, "Term in Months", 1);
    const int sell = monthsOf(in.monthsUntilSell, "Months Until You Will Sell");
    CheckNotAbove(paymentsMade, oldTerm, Measure::Count, "Payments Made", "Term in Months");

    RefiResults r;
    r.oldPaymentsRemaining = oldTerm - paymentsMade;
    r.oldPayment =
        MonthlyPayment(r.oldPaymentsRemaining, MonthlyRate(in.oldInterestRate), in.oldLoan);
    r.newPayment = MonthlyPayment(newTerm, MonthlyRate(in.newInterestRate), in.newLoan);

    // Each loan counts only the months it is still paid before the sale.
    r.oldMonthsCompared = std::min(sell, r.oldPaymentsRemaining);
    r.newMonthsCompared = std::min(sell, newTerm);
    r.oldEquity =
        PrincipalRepaid(r.oldMonthsCompared, in.oldLoan, in.oldInterestRate, r.oldPayment);
    r.newEquity =
        PrincipalRepaid(r.newMonthsCompared, in.newLoan, in.newInterestRate, r.newPayment);

    r.paymentSaved = r.oldPayment - r.newPayment;
    r.totalPaymentSaved = r.oldMonthsCompared * r.oldPayment - r.newMonthsCompared * r.newPayment;
    r.equitySavings = r.newEquity - r.oldEquity;
    r.totalSaved = r.totalPaymentSaved + r.equitySavings - in.closingCosts;
    if (!std::isfinite(r.totalSaved))
        throw EMathError("Floating point overflow");
    r.sellText = "If you sell in " + std::to_string(sell) + " months,";
    return r;
}

std::vector<double> RefiNetSavingsByMonth(const RefiInputs& in)
{
    const RefiResults r = CalcRefi(in); // checks the inputs and gives both payments
    const int months = std::max(r.oldMonthsCompared, r.newMonthsCompared);
    const double oldRate = MonthlyRate(in.oldInterestRate);
    const double newRate = MonthlyRate(in.newInterestRate);
    double oldBalance = in.oldLoan;
    double newBalance = in.newLoan;
    double oldEquity = 0;
    double newEquity = 0;
    double paid = 0; // payment savings so far
    std::vector<double> net;
    net.reserve(static_cast<std::size_t>(months));
    for (int m = 1; m <= months; ++m) {
        if (m <= r.oldMonthsCompared) {
            const double principal = r.oldPayment - oldBalance * oldRate;
            oldEquity += principal;
            oldBalance -= principal;
            paid += r.oldPayment;
        }
        if (m <= r.newMonthsCompared) {
            const double principal = r.newPayment - newBalance * newRate;
            newEquity += principal;
            newBalance -= principal;
            paid -= r.newPayment;
        }
        net.push_back(Finite(paid + (newEquity - oldEquity) - in.closingCosts));
    }
    return net;
}

std::optional<int> RefiBreakEvenMonth(const RefiInputs& in)
{
    return BreakEvenMonth(RefiNetSavingsByMonth(in));
}

std::optional<int> BreakEvenMonth(const std::vector<double>& net)
{
    for (std::size_t i = 0; i < net.size(); ++i) {
        if (net[i] >= 0)
            return static_cast<int>(i) + 1;
    }
    return std::nullopt;
}

RefiResults RefiResetResults()
{
    return {.oldPaymentsRemaining = 360,
            .oldPayment = 786.70,
            .newPayment = 790.38,
            .paymentSaved = -3.68,
            .totalPaymentSaved = -882.14,
            .oldEquity = 37228.05,
            .newEquity = 100000.00,
            .equitySavings = 62771.95,
            .totalSaved = 61889.81,
            .oldMonthsCompared = 240,
            .newMonthsCompared = 240,
            .sellText = {}};
}

double CalcClosingCosts(const RefiClosingItems& items)
{
    const double total = items.discountPoints + items.originationPoints + items.creditCheck
                         + items.attyFeeY + items.attyFeeL + items.titleSearchFee
                         + items.titleInsuranceFee + items.appraisalFee + items.inspections
                         + items.localFees + items.otherFees + items.prepaymentPenalty;
    if (!std::isfinite(total))
        throw EMathError("Floating point overflow");
    return total;
}

} // namespace qn::calc

#include "calculators/mortgage_qualifier.h"

#include "calculators/field_checks.h"
#include "core/finance.h"

#include <algorithm>
#include <string>

namespace qn::calc {

namespace {

constexpr double kMaxYears = 100;

} // namespace

MqRatios MqRatiosToStore(const MqInputs& in)
{
    return {in.housingRatio, in.debtRatio};
}

MqResults CalcMq(const MqInputs& in)
{
    for (std::size_t row = 0; row < in.termYears.size(); ++row)
        RequireWhole(in.termYears[row], kMaxYears,
                     "Term in Years (row " + std::to_string(row + 1) + ")");

    MqResults out;
    out.ratiosToStore = MqRatiosToStore(in);

    const double income = in.income1 + in.income2 + in.otherIncome1 + in.otherIncome2;
    const double debts = in.notes1 + in.auto1 + in.cards1 + in.notes2 + in.auto2 + in.cards2;
    // Existing debts count only against the debt limit.
    const double housingLimit = income * (in.housingRatio / 100);
    const double debtLimit = income * (in.debtRatio / 100) - debts;
    double payment = std::min(housingLimit, debtLimit);
    if (!(payment > 0))
        payment = 0;

    for (std::size_t row = 0; row < out.rows.size(); ++row) {
        double loan = LoanAmountForYears(payment, in.rate[row], in.termYears[row]);
        if (!(loan > 0))
            loan = 0;
        out.rows[row] = {payment, loan, in.downPayment + loan};
    }

    if (income != 0) {
        out.housingRatio = payment / income * 100;
        out.debtRatio = (debts + payment) / income * 100;
    }
    return out;
}

MqRateLadder MqRatesFollowingRate1(double rate1)
{
    return {rate1 - 0.25, rate1 - 0.5};
}

} // namespace qn::calc

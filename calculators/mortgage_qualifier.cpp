#include "calculators/mortgage_qualifier.h"

#include "core/finance.h"
#include "core/limits.h"

#include <algorithm>
#include <string>
#include <utility>

namespace qn::calc {

MqRatios MqRatiosToStore(const MqInputs& in) { return {in.housingRatio, in.debtRatio}; }

MqResults CalcMq(const MqInputs& in)
{
    for (std::size_t row = 0; row < in.termYears.size(); ++row)
        CheckYears(in.termYears[row], "Term in Years (row " + std::to_string(row + 1) + ")");
    // Incomes and debts below 0 would only turn the ratios upside down.
    const std::pair<double, const char*> amounts[] = {
        {in.income1, "Monthly Income (Borrower)"},
        {in.otherIncome1, "Other Monthly Income (Borrower)"},
        {in.cards1, "Credit Card Minimums (Borrower)"},
        {in.auto1, "Auto Loan Payment(s) (Borrower)"},
        {in.notes1, "Student Loans, Other Notes (Borrower)"},
        {in.income2, "Monthly Income (Co-Borrower)"},
        {in.otherIncome2, "Other Monthly Income (Co-Borrower)"},
        {in.cards2, "Credit Card Minimums (Co-Borrower)"},
        {in.auto2, "Auto Loan Payment(s) (Co-Borrower)"},
        {in.notes2, "Student Loans, Other Notes (Co-Borrower)"},
        {in.downPayment, "Cash You have Available for Down Payment"}};
    for (const auto& [amount, caption] : amounts)
        CheckAmount(amount, caption);

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
    // A rate below 0 means nothing here.
    return {std::max(0.0, rate1 - 0.25), std::max(0.0, rate1 - 0.5)};
}

} // namespace qn::calc

#pragma once

#include <optional>
#include <string_view>

namespace qn {

// Loan-equation and savings helpers. Rates are fractions per period where the name says
// "rate per", else annual percentages. No function rounds its result. Arithmetic failures
// (division by zero, log of a non-positive number, non-finite result) throw EMathError,
// as does a negative number of months or periods. Every function takes constant time.

// An annual percentage and the fraction per month it stands for: 12 months of 100 %.
inline constexpr double kAnnualPercentPerMonthlyRate = 1200;
constexpr double MonthlyRate(double annualPercent)
{
    return annualPercent / kAnnualPercentPerMonthlyRate;
}

// Level payment per month; 0 when months is 0.
double MonthlyPayment(int months, double ratePerMonth, double amount);

// Level payment per period; 0 periods is an arithmetic failure.
double PeriodicPayment(int periods, double amount, double ratePerPeriod);

// Loan amount that `payment` repays over `months` at `annualPercent`.
double LoanAmountForPayment(int months, double annualPercent, double payment);

// Annual rate in percent at which `payment` repays `amount` over `months`; negative when
// months x payment is less than the amount. 0 for 0 months or a 0 amount. A payment that
// repays nothing (<= 0), a negative amount, or a rate that rounds to -100 % a month is an
// arithmetic failure.
double SolveInterestRate(int months, double amount, double payment);

// Fractional number of months to repay `amount`; std::nullopt when the payment does not
// exceed the first month's interest, so the loan is never repaid.
std::optional<double> MonthsToPayOff(double annualPercent, double payment, double amount);

// Loan amount that the monthly payment repays over `years` (need not be whole).
double LoanAmountForYears(double payment, double annualPercent, double years);

// Principal repaid by the first `months` payments, month by month without rounding.
double PrincipalRepaid(int months, double balance, double annualPercent, double payment);

// Rent paid over whole `years`, the monthly rent rising by `increasePercent` each year.
double TotalRent(double rent, double increasePercent, double years);

// Total growth of `base` over whole `years`, compounded yearly.
double GrowthSum(double base, double ratePercent, double years);

// Value after `months` of `principal` compounded "Annually", "Quarterly", "Monthly" or
// "Daily", plus a monthly deposit. Another name is an arithmetic failure.
double CompoundedValue(std::string_view compounding, double principal, double annualPercent,
                       double months, double deposit);

} // namespace qn

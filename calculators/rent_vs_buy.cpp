#include "calculators/rent_vs_buy.h"

#include "core/checked.h"
#include "core/errors.h"
#include "core/finance.h"
#include "core/limits.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace qn::calc {

RvbResults CalcRVB(const RvbInputs& in)
{
    const int years = CheckYears(in.years, "Years Before You Will Move", 1);
    const int loanYears = CheckYears(in.loanYears, "Term of Home Loan in Years", 1);
    // Shares of a value, and growth compounded year by year: far beyond 100 % they only
    // overflow.
    CheckPercent(in.rentIncrease, "Estimated Annual Rent Increase Percentage");
    CheckPercent(in.estimatedReturn, "Estimated Annual Return if Invested (%)");
    CheckPercent(in.incomeTax, "Personal Income Tax Rate (%)");
    CheckPercent(in.propertyTax, "Annual Real Estate Tax Rate (%)");
    CheckPercent(in.propertyAppreciation, "Property Appreciation Rate (%)");
    CheckPercent(in.sellingCostPercent, "Estimated Selling Costs as % of House Value");
    const int months = 12 * years;
    const int loanMonths = 12 * loanYears;

    RvbResults r;
    r.rentSpent = TotalRent(in.monthlyRent, in.rentIncrease, years);
    r.investmentValue = in.estimatedReturn == 0 ? in.downPayment
                                                : CompoundedValue("Monthly", in.downPayment,
                                                                  in.estimatedReturn, months, 0);

    // The house the rent pays for as a mortgage payment, with the cash as down payment.
    r.loan = LoanAmountForPayment(loanMonths, in.interestRate, in.monthlyRent);
    r.price = Finite(r.loan + in.downPayment);
    r.housePrice = Finite(std::ceil(r.loan) + in.downPayment);

    // No payments are due once the loan is repaid.
    r.paymentMonths = std::min(months, loanMonths);
    r.paymentsMade = Finite(double(r.paymentMonths) * in.monthlyRent);
    r.principal = PrincipalRepaid(r.paymentMonths, r.loan, in.interestRate, in.monthlyRent);
    r.interestPaid = r.paymentsMade - r.principal;

    // The house gains value, and is taxed, on its whole price year by year.
    const long double growth = 1 + static_cast<long double>(in.propertyAppreciation) / 100;
    long double value = r.price;
    long double tax = 0;
    for (int year = 0; year < years; ++year) {
        tax += static_cast<long double>(in.propertyTax) / 100 * value;
        value *= growth;
    }
    r.propertyTaxTotal = Finite(static_cast<double>(tax));
    r.appreciation = GrowthSum(r.price, in.propertyAppreciation, years);

    r.taxDeductions =
        Finite(in.incomeTax / 100 * r.interestPaid + in.incomeTax / 100 * r.propertyTaxTotal);
    r.maintenance = Finite(in.annualMaintenance * years);
    r.sellingCosts = Finite(in.sellingCostPercent / 100 * (r.price + r.appreciation));

    // The down payment comes back with the sale, so it is neither a gain nor a cost.
    r.valueOfPurchase =
        Finite((r.taxDeductions + r.appreciation + r.principal)
               - (r.paymentsMade + r.maintenance + r.propertyTaxTotal + r.sellingCosts));
    r.valueOfRenting = Finite((r.investmentValue - in.downPayment) - r.rentSpent);
    r.gain = Finite(r.valueOfPurchase - r.valueOfRenting);
    return r;
}

} // namespace qn::calc

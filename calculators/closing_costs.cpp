#include "calculators/closing_costs.h"

#include "core/checked.h"
#include "core/errors.h"
#include "core/finance.h"
#include "core/limits.h"
#include "core/rounding.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

namespace qn::calc {

namespace {

// The percent field keeps three decimals, halves away from zero.
double toPercentField(double percent) { return RoundHalfAway(percent, 3); }

struct Counts {
    int days, taxMonths, firstYearMonths, renewalMonths, pmiMonths;
};

Counts wholeCounts(const EccEscrowCounts& c)
{
    return {
        CheckPaymentCount(c.interimInterestDays, "Prepaid Interest / Days"),
        CheckPaymentCount(c.propertyTaxMonths, "Real Estate Taxes / Months"),
        CheckPaymentCount(c.homeownersFirstYearMonths,
                          "Homeowner's Insurance (First Year) / Months"),
        CheckPaymentCount(c.homeownersRenewalMonths, "Homeowner's Insurance (Renewal) / Months"),
        CheckPaymentCount(c.pmiReserveMonths, "PMI / Months")};
}

void checkInputs(const EccInputs& in, const EccLocks& locks)
{
    if (!locks.purchasePrice && !locks.loanAmount)
        throw std::logic_error("purchase price and loan amount are both unlocked");
    CheckYears(in.termYears, "Term (Years)");
    if (locks.downPayment)
        CheckPercentBelowWhole(in.downPaymentPercent, "Down Payment Percent");
    if (!locks.purchasePrice)
        CheckAmount(in.purchasePrice, "Purchase Price");
    if (!locks.downPayment)
        CheckAmount(in.downPayment, "Down Payment Amount");
    if (!locks.loanAmount)
        CheckAmount(in.loanAmount, "Loan Amount");
    CheckAmount(in.income, "Monthly Income");
    CheckAmount(in.debt, "Monthly Debt");
    CheckAmount(in.tax, "Real Estate Taxes (Annual Estimate)");
    CheckAmount(in.insurance, "Homeowner's Insurance (Annual Estimate)");
    CheckAmount(in.associationFee, "Association Fee (Monthly Estimate)");
    for (const FeeLine& fee : kFeeLines)
        CheckAmount(in.fees.*fee.value, fee.caption);
    // With the loan computed from them, a down payment above the price would be a negative
    // loan.
    if (!locks.downPayment && locks.loanAmount)
        CheckNotAbove(in.downPayment, in.purchasePrice, Measure::Amount, "Down Payment Amount",
                      "the Purchase Price");
    wholeCounts(in.counts);
}

struct Amounts {
    double price = 0;
    double downPayment = 0;
    double loan = 0;
};

// The largest price that income, debts and ratios allow, with the loan the ratios carry
// after a first estimate of the mortgage insurance.
Amounts affordable(double maxHousing, double charges, double f, int months, double rate,
                   double pmiRate)
{
    if (f >= 1)
        throw EMathError("Floating point division by zero");
    const double firstLoan = LoanAmountForPayment(months, rate, maxHousing - charges);
    double loan = 0;
    // A negative first estimate means nothing is affordable; its "premium" would only add
    // back to the payment.
    if (firstLoan > 0) {
        const double firstPmi = pmiRate * firstLoan / 12;
        loan = std::max(0.0, LoanAmountForPayment(months, rate, maxHousing - (charges + firstPmi)));
    }
    // The loan is the price less the down payment, so the price is loan / (1 - f).
    const double unrounded = f == 0 ? loan : Divide(loan, 1 - f);
    Amounts a;
    a.price = RoundToMultipleHalfEven(unrounded, 1000);
    a.downPayment = Finite(a.price * f);
    a.loan = a.price - a.downPayment;
    return a;
}

} // namespace

double DeterminePMIPremium(double loanToValue, double termYears, const PmiRates& rates)
{
    const bool longTerm = termYears > 15;
    const double v = loanToValue;
    if (v <= 80)
        return 0;
    if (v <= 85)
        return longTerm ? rates.Pmip308085 : rates.Pmip158085;
    if (v <= 90)
        return longTerm ? rates.Pmip308590 : rates.Pmip158590;
    if (v <= 95)
        return longTerm ? rates.Pmip309095 : rates.Pmip159095;
    if (v <= 97)
        return longTerm ? rates.Pmip309597 : rates.Pmip159597;
    return 0;
}

PmiRates PmiRatesOf(const SettingsValues& s)
{
    return {s.Pmip308085, s.Pmip308590, s.Pmip309095, s.Pmip309597,
            s.Pmip158085, s.Pmip158590, s.Pmip159095, s.Pmip159597};
}

EccInputs EccStartingInputs(const SettingsValues& s)
{
    EccInputs in;
    in.income = 4000;
    in.debt = 450;
    in.interestRate = 7;
    in.originationPoints = s.OriginationPoints;
    in.discountPoints = s.DiscountPoints;
    in.termYears = 30;
    in.downPaymentPercent = s.DownPaymentPercent;
    in.tax = s.RealEstateTax;
    in.insurance = s.Insurance;
    in.associationFee = s.AssociationFee;
    in.housingRatio = s.HRatio;
    in.debtRatio = s.DRatio;
    for (const FeeLine& fee : kFeeLines)
        in.fees.*fee.value = s.*fee.setting;
    in.counts = {s.InterimInterestDays, s.PropertyTaxMonths, s.HomeownersFirstYear,
                 s.HomeownersRenewalMonths, 1};
    in.pmi = PmiRatesOf(s);
    return in;
}

EccPanels ComputeEccPanels(const EccInputs& in, double loanAmount, double downPayment,
                           double pmiRate, double monthlyPmi)
{
    const auto [days, taxMonths, firstYearMonths, renewalMonths, pmiMonths] =
        wholeCounts(in.counts);

    const EccFees& f = in.fees;
    EccPanels p;
    p.originationFee = Finite(in.originationPoints * loanAmount * 0.01);
    p.discountFee = Finite(in.discountPoints * loanAmount * 0.01);
    p.closingPmi = monthlyPmi;
    p.closingCosts =
        Finite(p.discountFee + p.originationFee + f.creditReport + f.appraisalFee + f.taxServiceFee
               + f.lendersInspectionFee + f.escrowClosingFee + f.titleSearch + f.titleInsurance
               + f.recordingFee + f.otherFees + monthlyPmi);

    p.pmiReserve = Finite(pmiMonths * monthlyPmi);
    const double monthlyInsurance = in.insurance / 12;
    if (monthlyInsurance > 0) {
        p.insuranceFirstYear = Finite(monthlyInsurance * firstYearMonths);
        p.insuranceRenewal = Finite(monthlyInsurance * renewalMonths);
    }
    // Daily interest on a 365-day year.
    p.prepaidInterest = Finite(in.interestRate / 100 * loanAmount / 365 * days);
    const double monthlyTax = in.tax / 12;
    if (monthlyTax > 0)
        p.taxReserve = Finite(monthlyTax * taxMonths);
    p.escrows = Finite(p.prepaidInterest + p.pmiReserve + p.insuranceFirstYear + p.insuranceRenewal
                       + p.taxReserve);
    p.cashRequiredToClose = Finite(downPayment + p.closingCosts + p.escrows - f.sellerPaid);
    p.pmiRate = pmiRate;
    return p;
}

EccResults CalcEcc(const EccInputs& in, const EccLocks& locks)
{
    checkInputs(in, locks);

    EccResults out;
    out.monthlyTax = in.tax / 12;
    out.monthlyInsurance = in.insurance / 12;
    const double charges = Finite(out.monthlyTax + out.monthlyInsurance + in.associationFee);
    const double maxHousing = Finite(std::min(in.income * (in.housingRatio * 0.01),
                                              in.income * (in.debtRatio * 0.01) - in.debt));
    const int years = static_cast<int>(in.termYears);
    const int months = 12 * years;
    double pmiRate = DeterminePMIPremium(100 - in.downPaymentPercent, years, in.pmi);

    const double f = in.downPaymentPercent / 100;
    Amounts a;
    if (locks.allLocked()) {
        a = affordable(maxHousing, charges, f, months, in.interestRate, pmiRate);
        out.purchasePrice = a.price;
        out.loanAmount = a.loan;
        out.downPayment = a.downPayment;
    } else if (locks.downPayment && locks.loanAmount) {
        a.price = in.purchasePrice;
        a.downPayment = Finite(a.price * f);
        a.loan = a.price - a.downPayment;
        out.downPayment = a.downPayment;
        out.loanAmount = a.loan;
    } else if (locks.downPayment) {
        a.loan = in.loanAmount;
        a.price = f == 0 ? a.loan : Divide(a.loan, 1 - f);
        a.downPayment = Finite(a.price * f);
        out.purchasePrice = a.price;
        out.downPayment = a.downPayment;
    } else {
        // The down payment is typed: the percent follows from it, and the premium from the
        // percent as its field shows it.
        a.downPayment = in.downPayment;
        if (locks.loanAmount) {
            a.price = in.purchasePrice;
            a.loan = a.price - a.downPayment;
            out.loanAmount = a.loan;
        } else {
            a.loan = in.loanAmount;
            a.price = Finite(a.loan + a.downPayment);
            out.purchasePrice = a.price;
        }
        const double percent = toPercentField(Divide(a.downPayment, a.price) * 100);
        out.downPaymentPercent = percent;
        pmiRate = DeterminePMIPremium(100 - percent, years, in.pmi);
    }

    out.pAndI = MonthlyPayment(months, MonthlyRate(in.interestRate), a.loan);
    out.monthlyPmi = Finite(pmiRate * a.loan / 12);
    out.totalMonthlyPayment = Finite(out.monthlyTax + out.monthlyInsurance + in.associationFee
                                     + out.monthlyPmi + out.pAndI);
    if (in.income != 0) {
        out.housingRatio = Finite(out.totalMonthlyPayment / in.income * 100);
        out.debtRatio = Finite((in.debt + out.totalMonthlyPayment) / in.income * 100);
    }
    out.panels = ComputeEccPanels(in, a.loan, a.downPayment, pmiRate, out.monthlyPmi);
    return out;
}

} // namespace qn::calc

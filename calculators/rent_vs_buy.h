#pragma once

namespace qn::calc {

// The page's inputs; the defaults are the values at creation and after Reset.
struct RvbInputs {
    double monthlyRent = 950;        // edtRVBMonthlyRent
    double rentIncrease = 3.5;       // edtRVBRentIncrease, percent a year
    double years = 5;                // edtRVBTerm, "Years Before You Will Move"
    double downPayment = 5000;       // edtRVBDownPayment
    double estimatedReturn = 4.5;    // edtRVBEstimatedReturn, percent a year
    double interestRate = 7;         // edtRVBInterestRate, percent a year
    double loanYears = 30;           // edtRVBLoanTerm, "Term of Home Loan in Years"
    double incomeTax = 33;           // edtRVBIncomeTax, percent
    double propertyTax = 1.2;        // edtRVBPropertyTax, percent of the value a year
    double propertyAppreciation = 7; // edtRVBPropertyAppreciation, percent a year
    double annualMaintenance = 500;  // edtRVBAnnualMaintenance, dollars a year
    double sellingCostPercent = 7;   // edtRVBSellingCostPercent, percent of the value
};

struct RvbResults {
    // The eight result fields.
    double rentSpent = 0;       // edtRVBRentSpent
    double investmentValue = 0; // edtRVBInvestmentValue
    double housePrice = 0;      // edtRVBHousePrice: the loan raised to the next dollar + down
    double taxDeductions = 0;   // edtRVBTaxDeductions
    double appreciation = 0;    // edtRVBAppreciation
    double valueOfPurchase = 0; // edtRVBValueOfPurchase, "Effective Gain of Owning"
    double valueOfRenting = 0;  // edtRVBValueOfRenting, "Actual Cost of Renting"
    double gain = 0;            // edtRVBGain, "Effective Gain of Owning vs. Renting"

    // The figures behind them, for the worksheet.
    double loan = 0;             // what the rent repays as a monthly payment
    double price = 0;            // loan + down payment, unrounded
    int paymentMonths = 0;       // months paid before the move, at most the loan's term
    double paymentsMade = 0;     // paymentMonths x rent
    double principal = 0;        // principal repaid by those payments
    double interestPaid = 0;     // paymentsMade - principal
    double propertyTaxTotal = 0; // each year's rate times that year's value
    double maintenance = 0;      // maintenance x years
    double sellingCosts = 0;     // on the value at the move
};

// Renting and investing the down payment against buying the house the rent would pay for.
// Both terms must be whole numbers of years from 1 to 100, else qn::EInputError with the
// user's message; arithmetic failures throw qn::EMathError.
RvbResults CalcRVB(const RvbInputs& in);

} // namespace qn::calc

#pragma once

namespace qn::calc {

struct BiweeklyResult {
    double monthlyPayment = 0;  // P, the loan model's payment rounded to the cent
    double monthlyTotal = 0;    // n x P
    double monthlyInterest = 0; // total less the amount
    double biweeklyPayment = 0; // half the monthly payment
    double biweeklyCount = 0;   // fractional number of biweekly payments
    double biweeklyTotal = 0;
    double biweeklyInterest = 0;
    double monthsSaved = 0;
    double yearsSaved = 0; // from the months saved as shown (2 decimals)
    double interestSaved = 0;
};

// Paying half the monthly payment every two weeks (26 a year) instead of monthly.
// A zero rate is an interest-free loan; a half payment that never covers the interest, a
// negative amount, payment or count, or an amount beyond what cents can hold (the loan
// model refuses those first) throws qn::EMathError.
BiweeklyResult ComputeBiweekly(double amount, double annualPercent, int months,
                               double monthlyPayment);

} // namespace qn::calc

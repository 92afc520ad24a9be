#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qn::calc {

// The page's inputs; the defaults are the values at creation and after Reset.
struct RefiInputs {
    double oldLoan = 100000;       // edtOldLoan, "Current Balance"
    double oldTerm = 360;          // edtOldTerm, the current loan's full term in months
    double oldInterestRate = 8.75; // edtOldInterestRate, annual percent
    double oldPaymentsMade = 0;    // edtOldPaymentsMade
    double newLoan = 100000;       // edtNewLoan, "New Balance"
    double newTerm = 240;          // edtNewTerm
    double newInterestRate = 7.25; // edtNewInterestRate
    double closingCosts = 0;       // edtRefiClosingCosts
    double monthsUntilSell = 240;  // edtMonthsUntilSell
};

struct RefiResults {
    int oldPaymentsRemaining = 0; // edtOldPaymentsRemaining
    double oldPayment = 0;        // edtOldPayment
    double newPayment = 0;        // edtNewPayment
    double paymentSaved = 0;      // edtPaymentSaved, per month
    double totalPaymentSaved = 0; // edtTotalPaymentSaved
    double oldEquity = 0;         // edtOldEquity
    double newEquity = 0;         // edtNewEquity
    double equitySavings = 0;     // edtEquitySavings
    double totalSaved = 0;        // edtTotalSaved
    int oldMonthsCompared = 0;    // months the current loan is paid before the sale
    int newMonthsCompared = 0;    // months the new loan is paid before the sale
    std::string sellText;         // lblSell: "If you sell in 240 months,"
};

// The fixed second line of the headline.
inline constexpr const char* kRefiSavedText =
    "your new loan will have saved you money as indicated below.";

// Both loans are compared over the months until the sale, each over at most its own
// remaining payments. Counts must be whole numbers from 0 to kMaxPayments and the payments made no
// more than the term, else qn::EInputError with the user's message; arithmetic failures
// throw qn::EMathError.
RefiResults CalcRefi(const RefiInputs& in);

// The month-by-month net savings of the new loan up to the months compared: payment savings
// so far plus the equity difference so far, less the closing costs. Entry m-1 is month m.
std::vector<double> RefiNetSavingsByMonth(const RefiInputs& in);

// The first month in which the net savings reach 0: the new loan has paid for itself. None
// when that never happens within the months compared.
std::optional<int> RefiBreakEvenMonth(const RefiInputs& in);
std::optional<int> BreakEvenMonth(const std::vector<double>& netByMonth);

// What Reset shows in the result fields (the initial example, as displayed). Reset leaves
// the headline as it is, so `sellText` is empty.
RefiResults RefiResetResults();

// The itemised closing-cost panel; all amounts in dollars.
struct RefiClosingItems {
    double discountPoints = 0;    // "Discount Fee"
    double originationPoints = 0; // "Origination Fee"
    double creditCheck = 0;
    double attyFeeY = 0; // "Attorney Fee (yours)"
    double attyFeeL = 0; // "Attorney Fee (lender's)"
    double titleSearchFee = 0;
    double titleInsuranceFee = 0;
    double appraisalFee = 0;
    double inspections = 0;
    double localFees = 0;
    double otherFees = 0;
    double prepaymentPenalty = 0;
};

// The panel total, shown in edtClosingFees and copied into edtRefiClosingCosts.
double CalcClosingCosts(const RefiClosingItems& items);

} // namespace qn::calc

#pragma once

#include "calculators/refinancing.h"
#include "calculators/rent_vs_buy.h"
#include "core/mortgage.h"

#include <vector>

namespace qn::calc {

// The points the pages' charts draw, computed from the same figures the pages show.
struct Point {
    double x = 0;
    double y = 0;
};

// The balance after each payment, starting from the amount at payment 0, up to the payoff.
std::vector<Point> BalanceByPayment(const TMortgage& loan);
// The same loan without its extra payments.
std::vector<Point> BalanceWithoutExtras(const TMortgage& loan);
// What each payment asks for, extras left out, up to the payoff: an adjustable rate's
// payment as it is recast.
std::vector<Point> PaymentByPayment(const TMortgage& loan);

struct YearSplit {
    int year = 0;
    double principal = 0;
    double interest = 0;
};
// Principal and interest paid in each year of twelve payments, up to the payoff.
std::vector<YearSplit> YearlySplit(const TMortgage& loan);

// The balance of a loan paid by `halfPayment` every two weeks (26 a year at the annual rate
// over 26), by month (payment k falls in month k x 12 / 26), until it is repaid.
std::vector<Point> BiweeklyBalanceByMonth(double amount, double annualPercent, double halfPayment);

// The new loan's cumulative net savings by month (x = month), crossing 0 at break-even.
std::vector<Point> RefiNetSavingsSeries(const RefiInputs& in);

struct RvbYear {
    int year = 0;
    double owner = 0;  // the effective gain of owning had the move come that year
    double renter = 0; // the cost of renting (negative: a cost) by that year
};
std::vector<RvbYear> RvbPositionsByYear(const RvbInputs& in);

} // namespace qn::calc

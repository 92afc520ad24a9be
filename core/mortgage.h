#pragma once

#include "core/rounding.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qn {


struct TPayment {
    std::int32_t Number = 0;
    double Principal = 0;       // extra principal included
    double Interest = 0;
    double PrincipalToDate = 0;
    double InterestToDate = 0;
    double ExtraPrincipal = 0;  // the only input held in a row
    double Balance = 0;
};

// How an extra-payment request ended; the page turns OutOfRange into its message.
enum class ExtraResult { Applied, OutOfRange };

class TMortgage {
public:
    TMortgage() = default;
    TMortgage(std::int32_t numPayments, double amount, double rate, std::int32_t periodsPerYear);

    // Stores the figures, replaces the rows by fresh ones and recalculates. Throws
    // EMathError (after storing the figures and fresh rows) for 0 payments, and for a
    // count below 0 or above kMaxPayments (then without rows): the pages refuse such a
    // count beforehand with their own message, so here it is only an arithmetic failure.
    // Amounts whose cents, balance or totals would not fit 64 bits throw EMathError too.
    void Setup(std::int32_t numPayments, double amount, double rate, std::int32_t periodsPerYear);
    void Recalculate();

    // Payment numbers run from 1. A number outside the schedule (or no rows) gives
    // OutOfRange; SetExtraRange keeps the extras it set before the failing number.
    ExtraResult SetExtraPayment(std::int32_t number, double amount);
    ExtraResult SetExtraRange(std::int32_t first, std::int32_t last, double amount);
    // Throws EListError when there are no rows.
    void SetExtraFrom(std::int32_t first, double amount);
    void ClearExtraPayments();

    std::int32_t NumPayments = 0;
    std::int32_t PeriodsPerYear = 0;
    double Amount = 0;
    double Rate = 0;     // annual, as a fraction
    double Payment = 0;  // rounded to the cent
    std::vector<TPayment> Payments;

private:
    void ClearSmallExtras(double amount);

    // The extras the user asked for, by row; rows show the part actually applied.
    std::vector<double> m_extra;
};

// Fixed-width texts of one row: number in 5 characters, then Principal, Interest,
// PrincipalToDate, InterestToDate, ExtraPrincipal, Balance with 2 decimals in 12.
std::array<std::string, 7> FormatPaymentRow(const TPayment& row);

} // namespace qn

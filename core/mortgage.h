#pragma once

#include "core/rounding.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qn {

struct TPayment {
    std::int32_t Number = 0;
    double Principal = 0; // extra principal included
    double Interest = 0;
    double PrincipalToDate = 0;
    double InterestToDate = 0;
    double ExtraPrincipal = 0; // the only input held in a row
    double Balance = 0;
    double Rate = 0; // annual rate as a fraction charged with this payment
};

// Where the index of an adjustable rate stands at each change (changes counted from 0).
enum class TIndexPath {
    Flat,      // Index at every change
    Rising,    // Index + (j + 1) x IndexStep at change j: one more step at each change
    WorstCase, // every change to the highest rate the caps allow
    Typed,     // IndexList[j] at change j, its last value repeating
};

// The terms of an adjustable rate. Rates are annual fractions like TMortgage::Rate (0.0275
// for a 2.75 % margin); months count payments.
struct TAdjustableRate {
    std::int32_t FixedMonths = 0; // payments at the start rate (at least 1); changes from
                                  // FixedMonths + 1 on
    std::int32_t AdjustEvery = 0; // payments from one change to the next, at least 1
    double Margin = 0;
    TIndexPath Path = TIndexPath::Flat;
    double Index = 0;
    double IndexStep = 0;
    std::vector<double> IndexList{};
    double FirstCap = 0;           // largest move at the first change
    double PeriodicCap = 0;        // largest move at each later change
    double LifetimeCap = 0;        // the rate never exceeds the start rate plus this
    std::optional<double> Floor{}; // none: the margin; never below 0 either way
};

// One stretch of the schedule at one rate and level payment: from FirstPayment up to the
// next period's first payment.
struct TRatePeriod {
    std::int32_t FirstPayment = 1;
    double Rate = 0;    // annual, as a fraction
    double Payment = 0; // level payment, rounded to the cent like TMortgage::Payment
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
    // A fixed rate: any adjustable terms of an earlier Setup are dropped.
    void Setup(std::int32_t numPayments, double amount, double rate, std::int32_t periodsPerYear);
    // The same with the rate adjusting by `terms` from the start rate `rate`. At each change
    // the fully indexed rate (index + margin, to the nearest 1/8 %, halves down) is held
    // within the first or periodic cap of the rate before, then within the floor and the
    // lifetime cap; the payment is recast to repay the balance left (after extras) over the
    // remaining payments. Terms that cannot make a schedule (FixedMonths below 1,
    // AdjustEvery below 1, a typed path without values) throw EMathError: the pages check
    // them beforehand with messages of their own.
    void Setup(std::int32_t numPayments, double amount, double rate, std::int32_t periodsPerYear,
               const TAdjustableRate& terms);
    void Recalculate();

    // Payment numbers run from 1. A number outside the schedule (or no rows) gives
    // OutOfRange; SetExtraRange keeps the extras it set before the failing number.
    ExtraResult SetExtraPayment(std::int32_t number, double amount);
    ExtraResult SetExtraRange(std::int32_t first, std::int32_t last, double amount);
    // Throws EListError when there are no rows.
    void SetExtraFrom(std::int32_t first, double amount);
    void ClearExtraPayments();
    // The extras asked for, by payment from 1 (what a saved scenario keeps), and all of them
    // put back at once; an extra beyond the schedule gives OutOfRange and is left out.
    const std::vector<double>& ExtrasAsked() const { return m_extra; }
    ExtraResult SetExtras(const std::vector<double>& extras);

    std::int32_t NumPayments = 0;
    std::int32_t PeriodsPerYear = 0;
    double Amount = 0;
    double Rate = 0;    // annual, as a fraction
    double Payment = 0; // rounded to the cent; the first payment of an adjustable rate
    std::vector<TPayment> Payments;
    std::optional<TAdjustableRate> Adjustable; // none: the rate is fixed
    // Output of Recalculate: the start rate and payment from payment 1, then one period per
    // change of an adjustable rate (also where rate and payment stay as they were).
    std::vector<TRatePeriod> RateSchedule;

private:
    void SetupRows(std::int32_t numPayments, double amount, double rate,
                   std::int32_t periodsPerYear);
    void ScheduleRates();
    void ClearSmallExtras(double amount);

    // The extras the user asked for, by row; rows show the part actually applied.
    std::vector<double> m_extra;
};

// Fixed-width texts of one row: number in 5 characters, then Principal, Interest,
// PrincipalToDate, InterestToDate, ExtraPrincipal, Balance with 2 decimals in 12.
std::array<std::string, 7> FormatPaymentRow(const TPayment& row);

// A row's rate as the schedule shows it: one blank, the percent with 3 decimals, "%"
// (" 8.000%" for 0.08).
std::string FormatPaymentRate(const TPayment& row);

} // namespace qn

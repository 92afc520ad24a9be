#pragma once

#include "core/mortgage.h"

#include <optional>

namespace qn::calc {

// What the extra payments of a schedule buy against the same loan without them.
struct ExtraSummary {
    double interestSaved = 0;
    int paymentsSooner = 0;
    int payoffMonth = 0; // the payment that clears the loan
};

// The payment that clears the loan: the first row whose balance is 0; the last row when
// none is (a loan whose payment rounds to nothing never clears).
int PayoffMonth(const TMortgage& loan);

// PayoffMonth of the same loan without its extra payments.
int PayoffMonthWithoutExtras(const TMortgage& loan);

ExtraSummary SummarizeExtras(const TMortgage& withExtras);

// "Extra payments save $X of interest and repay the loan N payments sooner (month M)".
// `money` formats an amount in the user's currency form.
std::string ExtraSummaryText(const ExtraSummary& summary, const std::string& money);

// The smallest level monthly extra, in whole cents, that put on every payment of the loan
// (its figures, without extras) clears it by payment `target`; none when even the whole
// balance as an extra cannot, or the target is outside the schedule.
std::optional<double> LevelExtraForPayoff(const TMortgage& loan, int target);

} // namespace qn::calc

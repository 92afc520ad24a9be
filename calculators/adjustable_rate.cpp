#include "calculators/adjustable_rate.h"

#include "calculators/extras.h"
#include "core/errors.h"
#include "core/limits.h"
#include "core/numtext.h"

#include <algorithm>
#include <sstream>

namespace qn::calc {

std::vector<double> ParseIndexList(const std::string& text)
{
    return CheckNumberList(text, kArmIndexListCaption, "index value");
}

TAdjustableRate ArmTermsFromFields(const ArmFields& in, int numPayments, double startRatePercent)
{
    TAdjustableRate t;
    const int term = std::max(1, numPayments);
    t.FixedMonths = CheckWhole(in.fixedMonths, 1, term, kArmFixedMonthsCaption);
    t.AdjustEvery = CheckWhole(in.adjustEvery, 1, term, kArmAdjustEveryCaption);
    CheckNotNegative(in.margin, kArmMarginCaption);
    CheckNotNegative(in.firstCap, kArmFirstCapCaption);
    CheckNotNegative(in.periodicCap, kArmPeriodicCapCaption);
    CheckNotNegative(in.lifetimeCap, kArmLifetimeCapCaption);
    const double floor = in.floor.value_or(in.margin);
    CheckNotNegative(floor, kArmFloorCaption);
    const double ceiling = startRatePercent + in.lifetimeCap;
    CheckNotAbove(floor, ceiling, Measure::Rate, kArmFloorCaption,
                  "the Interest Rate plus the Lifetime Cap (" + FloatToStrG(ceiling) + ")");
    t.Path = in.path;
    if (in.path == TIndexPath::Typed) {
        for (double value : ParseIndexList(in.indexList))
            t.IndexList.push_back(value / 100);
    }
    t.Margin = in.margin / 100;
    t.Index = in.index / 100;
    t.IndexStep = in.indexStep / 100;
    t.FirstCap = in.firstCap / 100;
    t.PeriodicCap = in.periodicCap / 100;
    t.LifetimeCap = in.lifetimeCap / 100;
    if (in.floor)
        t.Floor = *in.floor / 100;
    return t;
}

ArmPaymentSummary SummarizeArmPayments(const TMortgage& loan)
{
    ArmPaymentSummary s;
    if (loan.RateSchedule.empty())
        return s;
    // Periods that start after the payoff ask for nothing.
    const int payoff = PayoffMonth(loan);
    s.payoffMonth = payoff;
    s.firstPayment = loan.RateSchedule.front().Payment;
    s.firstPaymentMonths = payoff;
    s.highestPayment = s.firstPayment;
    s.highestFrom = 1;
    for (const TRatePeriod& period : loan.RateSchedule) {
        if (period.FirstPayment > payoff)
            break;
        if (period.Payment != s.firstPayment && s.firstPaymentMonths == payoff)
            s.firstPaymentMonths = period.FirstPayment - 1;
        if (period.Payment > s.highestPayment) {
            s.highestPayment = period.Payment;
            s.highestFrom = period.FirstPayment;
        }
    }
    return s;
}

std::string ArmSummaryText(const ArmPaymentSummary& s, const std::string& firstMoney,
                           const std::string& highestMoney)
{
    std::ostringstream out;
    out << "Payment " << firstMoney << " for " << s.firstPaymentMonths
        << (s.firstPaymentMonths == 1 ? " month" : " months");
    if (s.highestPayment > s.firstPayment)
        out << ", then up to " << highestMoney << " from month " << s.highestFrom;
    else if (s.firstPaymentMonths < s.payoffMonth)
        out << ", then no higher";
    return out.str();
}

} // namespace qn::calc

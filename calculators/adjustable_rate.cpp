#include "calculators/adjustable_rate.h"

#include "calculators/extras.h"
#include "calculators/field_checks.h"
#include "core/errors.h"
#include "core/numtext.h"

#include <algorithm>
#include <sstream>

namespace qn::calc {

namespace {

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace

std::vector<double> ParseIndexList(const std::string& text)
{
    const std::string caption = kArmIndexListCaption;
    std::vector<double> values;
    std::istringstream items(text);
    std::string item;
    while (std::getline(items, item, ';')) {
        item = trimmed(item);
        if (item.empty())
            continue;
        std::string number = item;
        std::replace(number.begin(), number.end(), ',', '.');
        try {
            values.push_back(StrToFloat(number));
        } catch (const EConvertError&) {
            RefuseInput(caption + ": \"" + item + "\" is not a number.");
        }
    }
    if (values.empty())
        RefuseInput(caption + " needs at least one index value, the values separated by \";\".");
    return values;
}

TAdjustableRate ArmTermsFromFields(const ArmFields& in, int numPayments,
                                   double startRatePercent)
{
    const double term = std::max(1, numPayments);
    TAdjustableRate t;
    t.FixedMonths = RequireWholeBetween(in.fixedMonths, 1, term, kArmFixedMonthsCaption);
    t.AdjustEvery = RequireWholeBetween(in.adjustEvery, 1, term, kArmAdjustEveryCaption);
    RequireNotNegative(in.margin, kArmMarginCaption);
    RequireNotNegative(in.firstCap, kArmFirstCapCaption);
    RequireNotNegative(in.periodicCap, kArmPeriodicCapCaption);
    RequireNotNegative(in.lifetimeCap, kArmLifetimeCapCaption);
    const double floor = in.floor.value_or(in.margin);
    RequireNotNegative(floor, kArmFloorCaption);
    const double ceiling = startRatePercent + in.lifetimeCap;
    if (floor > ceiling)
        RefuseInput(std::string(kArmFloorCaption) +
                    " cannot be higher than the Interest Rate plus the Lifetime Cap (" +
                    FloatToStrG(ceiling) + ").");
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

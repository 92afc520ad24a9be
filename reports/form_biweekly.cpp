// The biweekly page's calculations: four blocks of three figures.
#include "reports/form_parts.h"

#include <array>
#include <utility>

namespace qn::reports {

using namespace parts;

void BiweeklySheet(Band& b, const Figures& f)
{
    struct Block {
        const char* heading;
        std::array<const char*, 3> captions;
        std::array<std::pair<const char*, QString>, 3> values;
    };
    const Block blocks[] = {
        {"Your Mortgage Variables",
         {"Loan Amount", "Interest Rate", "Number of|Payments"},
         {{{"lblLA", f.money(bw::kMortgageAmount)},
           {"lblIR", f.number(bw::kMortgageInterest)},
           {"lblNP", f.number(bw::kMortgagePeriods)}}}},
        {"Your Monthly Payment Information",
         {"Monthly Payment", "Total Paid", "Interest|Paid"},
         {{{"lblMP", f.money(bw::kMortgagePayments)},
           {"lblTP", f.money(bw::kMortgageTotalPaid)},
           {"lblIP", f.money(bw::kMortgageCostOfLoan)}}}},
        {"Your Biweekly Payment Information",
         {"Biweekly|Payment Amount", "Total Paid", "Interest|Paid"},
         {{{"lblBWP", f.money(bw::kMortgageHalfPayments)},
           {"lblBWTP", f.money(bw::kMortgageHalfTotalPaid)},
           {"lblBWIP", f.money(bw::kMortgageHalfCostOfLoan)}}}},
        {"Your Savings in Time and Interest by Making Biweekly Payments",
         {"Months Saved", "Years Saved", "Interest|Saved"},
         {{{"lblMonths", f.general4(bw::kTimeSavedMonths)},
           {"lblYears", f.general4(bw::kTimeSavedYears)},
           {"lblInterest", f.money(bw::kInterestSaved)}}}},
    };
    const double cols[] = {150, 475, 800};
    for (int i = 0; i < 4; ++i) {
        const double top = 130.0 * i;
        b.add(caption(QLatin1String(blocks[i].heading), QRectF(kLeft, top, 1110, 26),
                      Qt::AlignHCenter, 16, true));
        for (int c = 0; c < 3; ++c) {
            stacked(b, blocks[i].captions[c], cols[c], 250, top + 76);
            b.add(label(QLatin1String(blocks[i].values[c].first), blocks[i].values[c].second,
                        QRectF(cols[c], top + 80, 250, 22), Qt::AlignHCenter, 11));
        }
    }
}

} // namespace qn::reports

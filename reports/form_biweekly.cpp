// The biweekly page's calculations.
#include "reports/form_parts.h"

#include "reports/formats.h"

#include <array>
#include <utility>

namespace qn::reports {

using namespace parts;
using pages::PageSnapshot;

namespace {

Band bwBand(const PageSnapshot& p)
{
    Band b;
    b.height = 560;
    struct Block {
        const char* heading;
        std::array<QStringList, 3> captions;
        std::array<std::pair<const char*, QString>, 3> values;
    };
    auto money = [&](const char* field) { return FormatMoney(p.value(QLatin1String(field))); };
    auto g4 = [&](const char* field) { return FormatGeneral4(p.value(QLatin1String(field))); };
    const Block blocks[] = {
        {"Your Mortgage Variables",
         {{{QStringLiteral("Loan Amount")},
           {QStringLiteral("Interest Rate")},
           {QStringLiteral("Number of"), QStringLiteral("Payments")}}},
         {{{"lblLA", money("edtMortgageAmount")},
           {"lblIR", FormatNumber(p.value(QStringLiteral("edtMortgageInterest")))},
           {"lblNP", FormatNumber(p.value(QStringLiteral("edtMortgagePeriods")))}}}},
        {"Your Monthly Payment Information",
         {{{QStringLiteral("Monthly Payment")},
           {QStringLiteral("Total Paid")},
           {QStringLiteral("Interest"), QStringLiteral("Paid")}}},
         {{{"lblMP", money("edtMortgagePayments")},
           {"lblTP", money("edtMortgageTotalPaid")},
           {"lblIP", money("edtMortgageCostOfLoan")}}}},
        {"Your Biweekly Payment Information",
         {{{QStringLiteral("Biweekly"), QStringLiteral("Payment Amount")},
           {QStringLiteral("Total Paid")},
           {QStringLiteral("Interest"), QStringLiteral("Paid")}}},
         {{{"lblBWP", money("edtMortgageHalfPayments")},
           {"lblBWTP", money("edtMortgageHalfTotalPaid")},
           {"lblBWIP", money("edtMortgageHalfCostOfLoan")}}}},
        {"Your Savings in Time and Interest by Making Biweekly Payments",
         {{{QStringLiteral("Months Saved")},
           {QStringLiteral("Years Saved")},
           {QStringLiteral("Interest"), QStringLiteral("Saved")}}},
         {{{"lblMonths", g4("edtTimeSavedMonths")},
           {"lblYears", g4("edtTimeSavedYears")},
           {"lblInterest", money("edtInterestSaved")}}}},
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
    return b;
}

} // namespace

Report BiweeklyForm(const PageSnapshot& page)
{
    Band band = bwBand(page);
    addCharts(band, page, 420);
    return onePage(QStringLiteral("of Calculations"), QStringLiteral("Biweekly Mortgage Payments"),
                   std::move(band));
}

} // namespace qn::reports

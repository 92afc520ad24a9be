// The amortization schedule, one line per schedule row.
#include "reports/form_parts.h"

#include "reports/formats.h"

#include <array>
#include <memory>
#include <utility>
#include <vector>

namespace qn::reports {

using namespace parts;
using pages::PageSnapshot;

Report AmortizationForm(const PageSnapshot& page)
{
    Report r;
    r.title = QStringLiteral("of Amortization Schedule");
    r.titleBand = TitleBand(QStringLiteral("Loan Amortization Schedule"));
    addCharts(r.titleBand, page, 380);  // the first page shows the loan's course
    r.pageFooter = FooterBand(true);
    Band& h = r.pageHeader;
    h.height = 88;
    const std::array<std::pair<const char*, const char*>, 4> pairs = {{
        {"Loan Amount:", "edtMortAmt"},
        {"Interest Rate:", "edtIRate"},
        {"Number of Payments:", "edtNumPmts"},
        {"Payment Amount:", "edtAmortPayment"},
    }};
    double x = kLeft;
    const double widths[] = {120, 100, 160, 140};
    const double valueWidths[] = {150, 70, 60, 110};
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        h.add(caption(QLatin1String(pairs[i].first), QRectF(x, 4, widths[i], 20)));
        h.add(label(QLatin1String(pairs[i].second), page.field(QLatin1String(pairs[i].second)),
                    QRectF(x + widths[i], 2, valueWidths[i], 22), Qt::AlignLeft, 13, true));
        x += widths[i] + valueWidths[i];
    }
    h.add(line(30));
    const char* columns[] = {"Payment Number", "Principal", "Interest", "Principal Paid To Date",
                             "Interest Paid To Date", "Extra Principal", "BALANCE"};
    for (int c = 0; c < 7; ++c)
        h.add(caption(QLatin1String(columns[c]), QRectF(kLeft + 158.5 * c, 36, 158, 40),
                      Qt::AlignHCenter, 11, true));
    h.add(line(82));

    const char* names[] = {"LblPaymentNumber", "LblPrincipal",      "LblInterest", "LblPrincipalSoFar",
                           "LblInterestSoFar", "LblExtraPrincipal", "LblBalance"};
    r.detail.height = 16;
    for (int c = 0; c < 7; ++c)
        r.detail.add(label(QLatin1String(names[c]), {}, QRectF(kLeft + 158.5 * c, 0, 140, 16),
                           Qt::AlignRight));
    auto grid =
        std::make_shared<std::vector<QStringList>>(page.grid(QStringLiteral("grdAmortization")));
    auto row = std::make_shared<std::size_t>(1);  // row 0 is the grid's heading row
    r.needData = [grid, row, names](Band& detail) {
        // A grid with only empty rows (before the first schedule) prints no lines.
        if (*row >= grid->size() || (*grid)[*row].value(0).isEmpty())
            return false;
        const QStringList& cells = (*grid)[*row];
        for (int c = 0; c < 7; ++c)
            detail.set(QLatin1String(names[c]), cells.value(c));
        ++*row;
        return true;
    };
    return r;
}

} // namespace qn::reports

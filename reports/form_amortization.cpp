// The amortization schedule, one line per schedule row.
#include "pages/page_controls.h"
#include "reports/form_parts.h"

namespace qn::reports {

using namespace parts;

Report AmortizationForm(const PageSnapshot& page)
{
    const Figures f(page);
    Report r = framed(QStringLiteral("of Amortization Schedule"),
                      QStringLiteral("Loan Amortization Schedule"), true);
    addCharts(r.titleBand, page, 380); // the first page shows the loan's course
    Band& h = r.pageHeader;
    h.height = 88;
    struct Pair {
        const char* caption;
        const Figures::Field& field;
        double width, valueWidth;
    };
    const Pair pairs[] = {{"Loan Amount:", amort::kMortAmt, 120, 150},
                          {"Interest Rate:", amort::kIRate, 100, 70},
                          {"Number of Payments:", amort::kNumPmts, 160, 60},
                          {"Payment Amount:", amort::kAmortPayment, 140, 110}};
    double x = kLeft;
    for (const Pair& p : pairs) {
        h.add(caption(QLatin1String(p.caption), QRectF(x, 4, p.width, 20)));
        h.add(label(QLatin1String(p.field.name), f.text(p.field),
                    QRectF(x + p.width, 2, p.valueWidth, 22), Qt::AlignLeft, 13, true));
        x += p.width + p.valueWidth;
    }
    h.add(line(30));
    QStringList columns = {QStringLiteral("Payment Number"),
                           QStringLiteral("Principal"),
                           QStringLiteral("Interest"),
                           QStringLiteral("Principal Paid To Date"),
                           QStringLiteral("Interest Paid To Date"),
                           QStringLiteral("Extra Principal"),
                           QStringLiteral("BALANCE")};
    QStringList names = {QStringLiteral("LblPaymentNumber"), QStringLiteral("LblPrincipal"),
                         QStringLiteral("LblInterest"),      QStringLiteral("LblPrincipalSoFar"),
                         QStringLiteral("LblInterestSoFar"), QStringLiteral("LblExtraPrincipal"),
                         QStringLiteral("LblBalance")};
    // Row 0 is the grid's heading row: an adjustable rate's schedule has its rates second,
    // and the eight columns share the width of seven.
    const std::vector<QStringList>& grid = f.grid(amort::kGrdAmortization);
    if (!grid.empty() && grid.front().value(1) == QLatin1String(amort::kRateHeading)) {
        columns.insert(1, QLatin1String(amort::kRateHeading));
        names.insert(1, QStringLiteral("LblRate"));
    }
    const double pitch = 158.5 * 7 / static_cast<double>(columns.size());
    for (qsizetype c = 0; c < columns.size(); ++c)
        h.add(caption(columns[c], QRectF(kLeft + pitch * double(c), 36, pitch - 0.5, 40),
                      Qt::AlignHCenter, 11, true));
    h.add(line(82));

    r.detail.height = 16;
    for (qsizetype c = 0; c < names.size(); ++c)
        r.detail.add(label(names[c], {}, QRectF(kLeft + pitch * double(c), 0, pitch - 18.5, 16),
                           Qt::AlignRight));
    linesFromGrid(r, grid, 1, names, true);
    return r;
}

} // namespace qn::reports

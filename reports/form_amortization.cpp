// The amortization schedule, one line per schedule row.
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
    const char* columns[] = {
        "Payment Number",        "Principal",       "Interest", "Principal Paid To Date",
        "Interest Paid To Date", "Extra Principal", "BALANCE"};
    for (int c = 0; c < 7; ++c)
        h.add(caption(QLatin1String(columns[c]), QRectF(kLeft + 158.5 * c, 36, 158, 40),
                      Qt::AlignHCenter, 11, true));
    h.add(line(82));

    const QStringList names = {
        QStringLiteral("LblPaymentNumber"), QStringLiteral("LblPrincipal"),
        QStringLiteral("LblInterest"),      QStringLiteral("LblPrincipalSoFar"),
        QStringLiteral("LblInterestSoFar"), QStringLiteral("LblExtraPrincipal"),
        QStringLiteral("LblBalance")};
    r.detail.height = 16;
    for (int c = 0; c < 7; ++c)
        r.detail.add(label(names[c], {}, QRectF(kLeft + 158.5 * c, 0, 140, 16), Qt::AlignRight));
    // Row 0 is the grid's heading row.
    linesFromGrid(r, f.grid(amort::kGrdAmortization), 1, names, true);
    return r;
}

} // namespace qn::reports

// The loan spread chart: the grid's twelve rows, boxed.
#include "reports/form_parts.h"

#include <algorithm>
#include <array>
#include <utility>

namespace qn::reports {

using namespace parts;

Report LoanSpreadForm(const PageSnapshot& page)
{
    const Figures f(page);
    const int kind = std::min(std::max(0, f.choice(ls::kRgCalculate)), 3);
    const char* titles[] = {"Chart of Monthly Payments", "Chart of Loan Amounts",
                            "Chart of Interest Rates", "Chart of Terms in Months"};
    Report r = framed(QStringLiteral("of Results"), QLatin1String(titles[kind]), false, 120, 44);
    r.titleBand.add(line(116));

    auto increment = [&](const char* name) {
        const QString text = f.label(name);
        return text.isEmpty() ? QStringLiteral(" ") : text;
    };
    const QString loan = f.money(ls::kLoan);
    const QString payment = f.money(ls::kPayment);
    const QString rate = f.number(ls::kInterest) + QLatin1Char('%');
    const QString term = f.number(ls::kTerm) + QStringLiteral(" months");
    const QString loanX =
        QStringLiteral("Loan Amounts incremented by ") + increment(ls::kLoanIncrementText);
    const QString rateX =
        QStringLiteral("Interest Rates incremented by ") + increment(ls::kRateIncrementText);
    const QString payX =
        QStringLiteral("Payment Amounts incremented by ") + increment(ls::kPaymentIncrementText);
    struct Row {
        QString x, y;
        std::array<std::pair<const char*, QString>, 3> pairs;
    };
    const Row rows[] = {
        {loanX, rateX, {{{"Loan Amount:", loan}, {"Interest Rate:", rate}, {"Term:", term}}}},
        {payX, rateX, {{{"Term:", term}, {"Interest Rate:", rate}, {"Payment:", payment}}}},
        {loanX, payX, {{{"Loan Amount:", loan}, {"Payment:", payment}, {"Term:", term}}}},
        {loanX, payX, {{{"Loan Amount:", loan}, {"Interest Rate:", rate}, {"Payment:", payment}}}},
    };
    const Row& row = rows[kind];
    Band& h = r.pageHeader;
    h.height = 76;
    const double lefts[] = {136, 392, 611};
    for (int i = 0; i < 3; ++i) {
        h.add(caption(QLatin1String(row.pairs[i].first), QRectF(lefts[i] - 130, 4, 126, 20),
                      Qt::AlignRight));
        h.add(label(QStringLiteral("lblValue%1").arg(i + 1), row.pairs[i].second,
                    QRectF(lefts[i], 4, 170, 20), Qt::AlignLeft, 11, true));
    }
    h.add(line(30));
    h.add(label(QStringLiteral("lblX"), row.x, QRectF(kLeft, 40, 555, 20), Qt::AlignHCenter));
    h.add(label(QStringLiteral("lblY"), row.y, QRectF(600, 40, 555, 20), Qt::AlignHCenter));

    r.detail.height = 24;
    const double boxes[] = {45, 136, 222, 308, 394, 480, 566, 652};
    for (int c = 0; c < 8; ++c) {
        r.detail.add(box(QRectF(boxes[c], 0, 86, 22)));
        r.detail.add(label(QStringLiteral("lblColumn%1").arg(c + 1), {},
                           QRectF(boxes[c] + 2, 0, 82, 22), Qt::AlignHCenter));
    }
    QStringList names;
    for (int c = 0; c < 8; ++c)
        names.append(QStringLiteral("lblColumn%1").arg(c + 1));
    linesFromGrid(r, f.grid(ls::kGrdLS), 0, names, false);
    return r;
}

} // namespace qn::reports

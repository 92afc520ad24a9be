// The mortgage qualifier's calculations.
#include "reports/form_parts.h"

#include "reports/formats.h"

namespace qn::reports {

using namespace parts;
using pages::PageSnapshot;

namespace {

Band mqBand(const PageSnapshot& p)
{
    Band b;
    b.height = 700;
    auto money = [&](const char* field) { return FormatMoney(p.value(QLatin1String(field))); };
    b.add(caption(QStringLiteral("Your Personal Financial Variables"), QRectF(kLeft, 0, 1110, 26),
                  Qt::AlignHCenter, 16, true));
    // Stacked column headings, in the band's own coordinates (the heading sits at 81 of the
    // page, the band starting under the 120-unit title).
    const double cols[] = {250, 430, 610, 790, 970};
    const QStringList heads[] = {
        {QStringLiteral("Monthly"), QStringLiteral("Income")},
        {QStringLiteral("Other"), QStringLiteral("Monthly"), QStringLiteral("Income")},
        {QStringLiteral("Monthly"), QStringLiteral("Minimum Due"), QStringLiteral("On Credit Cards")},
        {QStringLiteral("Monthly"), QStringLiteral("Auto"), QStringLiteral("Payment(s)")},
        {QStringLiteral("Monthly Student"), QStringLiteral("Loans / Other"),
         QStringLiteral("Notes Payable")}};
    for (int c = 0; c < 5; ++c)
        stacked(b, heads[c], cols[c], 170, 92);
    b.add(line(94));
    const char* row1[] = {"edtIncome1", "edtOIncome1", "edtCards1", "edtAuto1", "edtNotes1"};
    const char* row2[] = {"edtIncome2", "edtOIncome2", "edtCards2", "edtAuto2", "edtNotes2"};
    const char* names1[] = {"lblIncome1", "lblOIncome1", "lblCards1", "lblAuto1", "lblNotes1"};
    const char* names2[] = {"lblIncome2", "lblOIncome2", "lblCards2", "lblAuto2", "lblNotes2"};
    b.add(caption(QStringLiteral("Borrower"), QRectF(kLeft, 104, 200, 22), Qt::AlignLeft, 12, true));
    b.add(caption(QStringLiteral("Co-Borrower"), QRectF(kLeft, 132, 200, 22), Qt::AlignLeft, 12,
                  true));
    for (int c = 0; c < 5; ++c) {
        b.add(label(QLatin1String(names1[c]), money(row1[c]), QRectF(cols[c], 104, 165, 22),
                    Qt::AlignRight, 12));
        b.add(label(QLatin1String(names2[c]), money(row2[c]), QRectF(cols[c], 132, 165, 22),
                    Qt::AlignRight, 12));
    }
    b.add(caption(QStringLiteral("Cash Available for Down Payment:"), QRectF(kLeft, 168, 400, 22),
                  Qt::AlignLeft, 12, true));
    b.add(label(QStringLiteral("lblDownpayment"), money("edtMQDownPayment"),
                QRectF(cols[0], 168, 165, 22), Qt::AlignRight, 12));
    const char* sentence[] = {"Based upon your personal financial variables and the",
                              "mortgage variables you have entered, you meet the",
                              "criteria to qualify for monthly payments and/or loan amounts",
                              "as indicated below."};
    for (int i = 0; i < 4; ++i)
        b.add(caption(QLatin1String(sentence[i]), QRectF(kLeft, 210 + 22 * i, 1110, 22),
                      Qt::AlignHCenter, 15, true));
    b.add(line(302));
    b.add(caption(QStringLiteral("Housing"), QRectF(420, 310, 150, 22), Qt::AlignHCenter, 13, true));
    b.add(caption(QStringLiteral("Debt"), QRectF(600, 310, 150, 22), Qt::AlignHCenter, 13, true));
    b.add(caption(QStringLiteral("Qualifying Ratios:"), QRectF(kLeft, 336, 360, 22), Qt::AlignRight,
                  13));
    b.add(caption(QStringLiteral("Your Ratios:"), QRectF(kLeft, 360, 360, 22), Qt::AlignRight, 13));
    auto number = [&](const char* field) { return FormatNumber(p.value(QLatin1String(field))); };
    b.add(label(QStringLiteral("lblHousingRatio"), number("edtHousingRatio"),
                QRectF(420, 336, 150, 22), Qt::AlignHCenter, 13));
    b.add(label(QStringLiteral("lblDebtRatio"), number("edtDebtRatio"), QRectF(600, 336, 150, 22),
                Qt::AlignHCenter, 13));
    b.add(label(QStringLiteral("lblYourHousingRatio"), number("edtCalculatedHousingRatio"),
                QRectF(420, 360, 150, 22), Qt::AlignHCenter, 13));
    b.add(label(QStringLiteral("lblYourDebtRatio"), number("edtCalculatedDebtRatio"),
                QRectF(600, 360, 150, 22), Qt::AlignHCenter, 13));
    const double loanCols[] = {60, 260, 460, 680, 900};
    const QStringList loanHeads[] = {{QStringLiteral("Interest Rate")},
                                     {QStringLiteral("Term in Years")},
                                     {QStringLiteral("Monthly"), QStringLiteral("Payment")},
                                     {QStringLiteral("Loan Amount")},
                                     {QStringLiteral("Purchase Price")}};
    for (int c = 0; c < 5; ++c)
        stacked(b, loanHeads[c], loanCols[c], 200, 448);
    for (int row = 1; row <= 3; ++row) {
        const double top = 450 + 24 * (row - 1);
        auto f = [row](const char* stem) { return QString::fromLatin1(stem) + QString::number(row); };
        b.add(label(f("lblir"), FormatRate(p.value(f("edtMQir"))), QRectF(loanCols[0], top, 200, 22),
                    Qt::AlignHCenter, 12));
        b.add(label(f("lblterm"), FormatNumber(p.value(f("edtMQTerm"))),
                    QRectF(loanCols[1], top, 200, 22), Qt::AlignHCenter, 12));
        b.add(label(f("lblMQPayment"), FormatMoney(p.value(f("edtMQPayment"))),
                    QRectF(loanCols[2], top, 200, 22), Qt::AlignHCenter, 12));
        b.add(label(f("lblMQLoan"), FormatMoney(p.value(f("edtMQLoan"))),
                    QRectF(loanCols[3], top, 190, 22), Qt::AlignRight, 12));
        b.add(label(f("lblMQPurchasePrice"), FormatMoney(p.value(f("edtMQPurchasePrice"))),
                    QRectF(loanCols[4], top, 190, 22), Qt::AlignRight, 12));
    }
    return b;
}

} // namespace

Report QualifierForm(const PageSnapshot& page)
{
    return onePage(QStringLiteral("of Calculations"), QStringLiteral("Mortgage Qualifier"),
                   mqBand(page));
}

} // namespace qn::reports

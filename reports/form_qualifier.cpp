// The mortgage qualifier's calculations.
#include "reports/form_parts.h"

#include <utility>

namespace qn::reports {

using namespace parts;

void QualifierSheet(Band& b, const Figures& f)
{
    b.add(caption(QStringLiteral("Your Personal Financial Variables"), QRectF(kLeft, 0, 1110, 26),
                  Qt::AlignHCenter, 16, true));
    // Stacked column headings, in the band's own coordinates (the heading sits at 81 of the
    // page, the band starting under the 120-unit title).
    struct Debt {
        double left;
        const char *heading, *stem;
        const Figures::Field& borrower;
        const Figures::Field& coBorrower;
    };
    const Debt debts[] = {
        {250, "Monthly|Income", "Income", mq::kIncome1, mq::kIncome2},
        {430, "Other|Monthly|Income", "OIncome", mq::kOIncome1, mq::kOIncome2},
        {610, "Monthly|Minimum Due|On Credit Cards", "Cards", mq::kCards1, mq::kCards2},
        {790, "Monthly|Auto|Payment(s)", "Auto", mq::kAuto1, mq::kAuto2},
        {970, "Monthly Student|Loans / Other|Notes Payable", "Notes", mq::kNotes1, mq::kNotes2}};
    for (const Debt& d : debts)
        stacked(b, d.heading, d.left, 170, 92);
    b.add(line(94));
    b.add(
        caption(QStringLiteral("Borrower"), QRectF(kLeft, 104, 200, 22), Qt::AlignLeft, 12, true));
    b.add(caption(QStringLiteral("Co-Borrower"), QRectF(kLeft, 132, 200, 22), Qt::AlignLeft, 12,
                  true));
    for (const Debt& d : debts) {
        for (int row = 1; row <= 2; ++row) {
            b.add(label(QStringLiteral("lbl%1%2").arg(QLatin1String(d.stem)).arg(row),
                        f.money(row == 1 ? d.borrower : d.coBorrower),
                        QRectF(d.left, 76 + 28 * row, 165, 22), Qt::AlignRight, 12));
        }
    }
    b.add(caption(QStringLiteral("Cash Available for Down Payment:"), QRectF(kLeft, 168, 400, 22),
                  Qt::AlignLeft, 12, true));
    b.add(label(QStringLiteral("lblDownpayment"), f.money(mq::kDownPayment),
                QRectF(debts[0].left, 168, 165, 22), Qt::AlignRight, 12));
    const char* sentence[] = {"Based upon your personal financial variables and the",
                              "mortgage variables you have entered, you meet the",
                              "criteria to qualify for monthly payments and/or loan amounts",
                              "as indicated below."};
    for (int i = 0; i < 4; ++i)
        b.add(caption(QLatin1String(sentence[i]), QRectF(kLeft, 210 + 22 * i, 1110, 22),
                      Qt::AlignHCenter, 15, true));
    b.add(line(302));
    b.add(
        caption(QStringLiteral("Housing"), QRectF(420, 310, 150, 22), Qt::AlignHCenter, 13, true));
    b.add(caption(QStringLiteral("Debt"), QRectF(600, 310, 150, 22), Qt::AlignHCenter, 13, true));
    b.add(caption(QStringLiteral("Qualifying Ratios:"), QRectF(kLeft, 336, 360, 22), Qt::AlignRight,
                  13));
    b.add(caption(QStringLiteral("Your Ratios:"), QRectF(kLeft, 360, 360, 22), Qt::AlignRight, 13));
    const std::pair<const char*, const Figures::Field&> ratios[] = {
        {"lblHousingRatio", mq::kHousingRatio},
        {"lblDebtRatio", mq::kDebtRatio},
        {"lblYourHousingRatio", mq::kCalculatedHousingRatio},
        {"lblYourDebtRatio", mq::kCalculatedDebtRatio}};
    for (int i = 0; i < 4; ++i)
        b.add(label(QLatin1String(ratios[i].first), f.number(ratios[i].second),
                    QRectF(i % 2 ? 600 : 420, i < 2 ? 336 : 360, 150, 22), Qt::AlignHCenter, 13));
    struct Column {
        double left, width;
        Qt::Alignment align;
        const char *heading, *name;
        QString (*format)(double);
    };
    const Column loans[] = {
        {60, 200, Qt::AlignHCenter, "Interest Rate", "lblir", FormatRate},
        {260, 200, Qt::AlignHCenter, "Term in Years", "lblterm", FormatNumber},
        {460, 200, Qt::AlignHCenter, "Monthly|Payment", "lblMQPayment", FormatMoney},
        {680, 190, Qt::AlignRight, "Loan Amount", "lblMQLoan", FormatMoney},
        {900, 190, Qt::AlignRight, "Purchase Price", "lblMQPurchasePrice", FormatMoney},
    };
    // Each combination's fields in the columns' order.
    const Figures::Field* combinations[][5] = {
        {&mq::kIr1, &mq::kTerm1, &mq::kPayment1, &mq::kLoan1, &mq::kPurchasePrice1},
        {&mq::kIr2, &mq::kTerm2, &mq::kPayment2, &mq::kLoan2, &mq::kPurchasePrice2},
        {&mq::kIr3, &mq::kTerm3, &mq::kPayment3, &mq::kLoan3, &mq::kPurchasePrice3}};
    for (const Column& c : loans)
        stacked(b, c.heading, c.left, 200, 448);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 5; ++col) {
            const Column& c = loans[col];
            b.add(label(QLatin1String(c.name) + QString::number(row + 1),
                        c.format(f.value(*combinations[row][col])),
                        QRectF(c.left, 450 + 24 * row, c.width, 22), c.align, 12));
        }
    }
}

} // namespace qn::reports

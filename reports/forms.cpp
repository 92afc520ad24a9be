#include "reports/forms.h"

#include "reports/formats.h"
#include "toolkit/chart.h"
#include "toolkit/product.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <map>
#include <memory>

namespace qn::reports {

namespace {

using Kind = Item::Kind;
using pages::PageSnapshot;

constexpr double kLeft = 45;
constexpr double kRight = 1155;

Item label(const QString& name, const QString& text, QRectF rect,
           Qt::Alignment align = Qt::AlignLeft, double font = 11, bool bold = false)
{
    Item item;
    item.kind = Kind::Label;
    item.rect = rect;
    item.name = name;
    item.text = text;
    item.align = align;
    item.fontHeight = font;
    item.bold = bold;
    return item;
}

Item caption(const QString& text, QRectF rect, Qt::Alignment align = Qt::AlignLeft,
             double font = 11, bool bold = false)
{
    return label({}, text, rect, align, font, bold);
}

Item line(double top, double left = kLeft, double right = kRight)
{
    Item item;
    item.kind = Kind::Line;
    item.rect = QRectF(left, top, right - left, 0);
    return item;
}

Item box(QRectF rect)
{
    Item item;
    item.kind = Kind::Box;
    item.rect = rect;
    return item;
}

// Centred stacked headings ("Monthly" / "Income") over a column.
void stacked(Band& band, const QStringList& lines, double left, double width, double bottom,
             double font = 13)
{
    const double step = font + 4;
    double top = bottom - step * static_cast<double>(lines.size());
    for (const QString& text : lines) {
        band.add(caption(text, QRectF(left, top, width, step), Qt::AlignHCenter, font, true));
        top += step;
    }
}

const QString kNote1 = QStringLiteral(
    "NOTE:  While effort was made to ensure the accuracy of these calculations, there is NO "
    "WARRANTY, expressed or implied, for the accuracy or");
const QString kNote2 = QStringLiteral(
    "applicability of this information to your particular financial situation.  Please "
    "consult your own qualified advisor before making financial decisions.");

// The page's charts under what a band already holds, the band grown to take them: the same
// charts the page draws, painted by the same code.
void addCharts(Band& band, const PageSnapshot& page, double height)
{
    for (const toolkit::ChartData& data : page.charts) {
        Item item;
        item.kind = Kind::Chart;
        item.rect = QRectF(kLeft, band.height + 10, 1110, height);
        item.chart = std::make_shared<const toolkit::ChartData>(data);
        band.add(item);
        band.height += height + 20;
    }
}

// ---------------------------------------------------------------------------------------
// The amortization schedule, one line per schedule row.

Report amortization(const PageSnapshot& page)
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
    auto grid = std::make_shared<std::vector<QStringList>>();
    if (const auto it = page.grids.find(QStringLiteral("grdAmortization")); it != page.grids.end())
        *grid = it->second;
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

// ---------------------------------------------------------------------------------------
// The loan spread chart: the grid's twelve rows, boxed.

Report paymentChart(const PageSnapshot& page)
{
    Report r;
    r.title = QStringLiteral("of Results");
    const int kind = std::max(0, page.choice(QStringLiteral("rgCalculate")));
    const char* titles[] = {"Chart of Monthly Payments", "Chart of Loan Amounts",
                            "Chart of Interest Rates", "Chart of Terms in Months"};
    r.titleBand = TitleBand(QLatin1String(titles[std::min(kind, 3)]), 120, 44);
    r.titleBand.add(line(116));
    r.pageFooter = FooterBand(false);

    auto increment = [&](const char* name) {
        const QString text = page.label(QLatin1String(name));
        return text.isEmpty() ? QStringLiteral(" ") : text;
    };
    const QString loan = FormatMoney(page.value(QStringLiteral("edtLoan")));
    const QString payment = FormatMoney(page.value(QStringLiteral("edtPayment")));
    const QString rate = FormatNumber(page.value(QStringLiteral("edtInterest"))) + QLatin1Char('%');
    const QString term =
        FormatNumber(page.value(QStringLiteral("edtTerm"))) + QStringLiteral(" months");
    const QString loanX = QStringLiteral("Loan Amounts incremented by ") + increment("LoanIncrementText");
    const QString rateX =
        QStringLiteral("Interest Rates incremented by ") + increment("RateIncrementText");
    const QString payX =
        QStringLiteral("Payment Amounts incremented by ") + increment("PaymentIncrementText");
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
    const Row& row = rows[std::min(kind, 3)];
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
    auto grid = std::make_shared<std::vector<QStringList>>();
    if (const auto it = page.grids.find(QStringLiteral("grdLS")); it != page.grids.end())
        *grid = it->second;
    auto chartRow = std::make_shared<std::size_t>(0);
    r.needData = [grid, chartRow](Band& detail) {
        if (*chartRow >= grid->size())
            return false;
        const QStringList& cells = (*grid)[*chartRow];
        for (int c = 0; c < 8; ++c)
            detail.set(QStringLiteral("lblColumn%1").arg(c + 1), cells.value(c));
        ++*chartRow;
        return true;
    };
    return r;
}

// ---------------------------------------------------------------------------------------
// Single-page reports: everything in one band, lines placed from the top.

Report onePage(const QString& jobTitle, const QString& title, Band content,
               double titleHeight = 120, double titleTop = 43)
{
    Report r;
    r.title = jobTitle;
    r.titleBand = TitleBand(title, titleHeight, titleTop);
    r.pageHeader = std::move(content);
    r.pageFooter = FooterBand(false);
    return r;
}

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

Band refiBand(const PageSnapshot& p)
{
    Band b;
    b.height = 620;
    auto money = [&](const char* field) { return FormatMoney(p.value(QLatin1String(field))); };
    auto number = [&](const char* field) { return FormatNumber(p.value(QLatin1String(field))); };
    auto rate = [&](const char* field) { return FormatRate(p.value(QLatin1String(field))); };
    struct Column {
        const char* caption;
        const char* name;
        QString value;
    };
    auto block = [&](double top, const char* heading, const std::array<Column, 5>& columns) {
        b.add(caption(QLatin1String(heading), QRectF(kLeft, top, 1110, 26), Qt::AlignLeft, 16,
                      true));
        for (int c = 0; c < 5; ++c) {
            const QRectF cell(kLeft + 222 * c, top + 30, 222, 22);
            b.add(caption(QLatin1String(columns[c].caption), cell, Qt::AlignHCenter, 12, true));
            b.add(label(QLatin1String(columns[c].name), columns[c].value,
                        cell.translated(0, 24), Qt::AlignHCenter, 12));
        }
    };
    block(0, "Original Loan",
          {{{"Current Balance", "qrEdtOldLoan", money("edtOldLoan")},
            {"Term in Months", "qrEdtOldTerm", number("edtOldTerm")},
            {"Interest Rate", "qrEdtOldInterestRate", rate("edtOldInterestRate")},
            {"Payments Made", "qrEdtOldPaymentsMade", number("edtOldPaymentsMade")},
            {"Payment", "qrEdtOldPayment", money("edtOldPayment")}}});
    block(100, "New Loan",
          {{{"New Balance", "qrEdtNewLoan", money("edtNewLoan")},
            {"Term in Months", "qrEdtNewTerm", number("edtNewTerm")},
            {"Interest Rate", "qrEdtNewInterestRate", rate("edtNewInterestRate")},
            {"Closing Costs", "qrEdtRefiClosingCosts", money("edtRefiClosingCosts")},
            {"Payment", "qrEdtNewPayment", money("edtNewPayment")}}});
    b.add(caption(QStringLiteral("Savings from Refinancing"), QRectF(kLeft, 200, 1110, 26),
                  Qt::AlignLeft, 16, true));
    b.add(label(QStringLiteral("qrlblWhenYouSell"),
                p.label(QStringLiteral("lblSell"))
                    + QStringLiteral(" your new loan will save you money as indicated below."),
                QRectF(kLeft, 232, 1110, 22), Qt::AlignHCenter, 12));
    const std::array<Column, 8> lines = {{
        {"Payments Remaining on Original Loan", "qrEdtOldPaymentsRemaining",
         number("edtOldPaymentsRemaining")},
        {"Months Until You Plan To Sell", "qrEdtMonthsUntilSell", number("edtMonthsUntilSell")},
        {"Monthly Payment Savings", "qrEdtPaymentSaved", money("edtPaymentSaved")},
        {"Total Monthly Payment Savings", "qrEdtTotalPaymentSaved", money("edtTotalPaymentSaved")},
        {"Equity in Old Loan", "qrEdtOldReduction", money("edtOldEquity")},
        {"Equity in New Loan", "qrEdtNewReduction", money("edtNewEquity")},
        {"Total Equity Savings", "qrEdtReductionSavings", money("edtEquitySavings")},
        {"TOTAL SAVED", "qrEdtTotalSaved", money("edtTotalSaved")},
    }};
    const QString breakEven = p.label(QStringLiteral("lblBreakEven"));
    if (!breakEven.isEmpty())
        b.add(label(QStringLiteral("qrlblBreakEven"), breakEven, QRectF(kLeft, 500, 1110, 22),
                    Qt::AlignHCenter, 12, true));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double top = 270 + 28.0 * static_cast<double>(i);
        b.add(caption(QLatin1String(lines[i].caption), QRectF(kLeft, top, 560, 22),
                      Qt::AlignRight, 13, true));
        b.add(label(QLatin1String(lines[i].name), lines[i].value, QRectF(640, top, 220, 22),
                    Qt::AlignRight, 12));
    }
    return b;
}

Report calcs(const PageSnapshot& page)
{
    if (page.page == QStringLiteral("MQ"))
        return onePage(QStringLiteral("of Calculations"), QStringLiteral("Mortgage Qualifier"),
                       mqBand(page));
    if (page.page == QStringLiteral("BW")) {
        Band band = bwBand(page);
        addCharts(band, page, 420);
        return onePage(QStringLiteral("of Calculations"),
                       QStringLiteral("Biweekly Mortgage Payments"), std::move(band));
    }
    Band band = refiBand(page);
    addCharts(band, page, 380);
    return onePage(QStringLiteral("of Calculations"), QStringLiteral("Refinancing"),
                   std::move(band));
}

// ---------------------------------------------------------------------------------------
// The good-faith estimate.

Report goodFaith(const PageSnapshot& p)
{
    Band b;
    b.height = 860;
    const char* advice[] = {"These results reflect an estimate of the costs ",
                            "you are likely to incur at or prior to the closing ",
                            "of your loan.  This is only an estimate.  The ",
                            "specific estimated fees listed may include ",
                            "items you will not be required to pay.  Also, ",
                            "you may be required to pay items which are ",
                            "not listed in this generic estimate.",
                            "",
                            "In other words, expect your actual charges to ",
                            "vary.",
                            "",
                            "The REAL ESTATE SETTLEMENT ",
                            "PROCEDURES ACT contains detailed ",
                            "guidelines regarding the information you must ",
                            "receive when you purchase real estate.",
                            "",
                            "Also, specific information about your rights is ",
                            "provided in the HUD Special Information ",
                            "Booklet which you must receive at closing."};
    for (int i = 0; i < 19; ++i)
        b.add(caption(QLatin1String(advice[i]), QRectF(kLeft, 6 + 16 * i, 232, 16),
                      Qt::AlignLeft, 8));

    auto v = [&](const char* field) { return p.value(QLatin1String(field)); };
    auto money = [&](const char* field) { return FormatMoney(v(field)); };
    double top = 4;
    auto row = [&](const QString& text, const char* name, const QString& value, bool bold = false,
                   const char* rule = nullptr) {
        if (rule && QLatin1String(rule) == QLatin1String("single"))
            b.add(line(top, 300, 650));
        if (rule && QLatin1String(rule) == QLatin1String("double")) {
            b.add(line(top, 300, 650));
            b.add(line(top + 3, 300, 650));
        }
        b.add(caption(text, QRectF(232, top + 2, 255, 18), Qt::AlignRight, 9, bold));
        b.add(label(QLatin1String(name), value, QRectF(526, top + 2, 120, 18), Qt::AlignRight, 10,
                    bold));
        top += 21;
    };
    row(QStringLiteral("Monthly Income"), "lblPQIncome", money("edtEccIncome"));
    row(QStringLiteral("PURCHASE PRICE"), "lblPQPurchasePrice", money("edtEccCPurchasePrice"), true);
    b.add(label(QStringLiteral("lblPQDownPaymentPercent"), FormatPercent3(v("edtEccDownPaymentPercent")),
                QRectF(488, top + 2, 36, 18), Qt::AlignRight, 10));
    row(QStringLiteral("Down Payment"), "lblPQDownPayment", money("edtEccCDownPayment"));
    row(QStringLiteral("LOAN AMOUNT"), "lblPQLoanAmount", money("edtEccCLoanAmount"), true, "single");
    row(QStringLiteral("Interest Rate"), "lblPQInterest", FormatPercent5(v("edtEccInterest")));
    row(QStringLiteral("Term"), "lblPQTerm", FormatNumber(v("edtEccTerm")));
    row(QStringLiteral("Principal & Interest"), "lblPQPandI", money("edtEccCPandI"));
    row(QStringLiteral("Real Estate Taxes"), "lblPQMonthlyTax", money("edtEccCMonthlyTax"));
    row(QStringLiteral("Homeowner's Insurance"), "lblPQMonthlyInsurance",
        money("edtEccCMonthlyInsurance"));
    row(QStringLiteral("PMI (Private Mortgage Insurance)"), "lblPQPmi", money("edtEccCpmi"));
    row(QStringLiteral("Assocation Fee"), "lblPQAssociationFee", money("edtEccAssociationFee"));
    // Each ratio on the line of the total it is reached with, under its two-line caption on
    // the lines above; the debt ratio a column further right, clear of the housing ratio.
    auto ratio = [&](double left, const char* what, const char* name, const char* field) {
        b.add(caption(QStringLiteral("Your Calculated"), QRectF(left, top - 30, 150, 16),
                      Qt::AlignHCenter, 9));
        b.add(caption(QLatin1String(what), QRectF(left, top - 15, 150, 16), Qt::AlignHCenter,
                      9));
        b.add(label(QLatin1String(name), FormatPercent3(v(field)),
                    QRectF(left, top + 2, 150, 18), Qt::AlignHCenter, 10));
    };
    ratio(660, "Housing Ratio", "lblPQHousingRatio", "edtEccCHousingRatio");
    row(QStringLiteral("MONTHLY PAYMENT"), "lblPQMonthlyPayment", money("edtEccCMonthlyPayment"),
        true, "single");
    row(QStringLiteral("Other Monthly Debt"), "lblPQMonthlyDebt", money("edtEccDebt"));
    ratio(820, "Debt Ratio", "lblPQDebtRatio", "edtEccCDebtRatio");
    // The sums are the report's own, from the fields' values at the moment of printing.
    row(QStringLiteral("TOTAL MONTHLY DEBT"), "lblPQTotalDebt",
        FormatMoney(v("edtEccDebt") + v("edtEccCMonthlyPayment")), true, "double");
    top += 8;
    auto points = [&](const char* field) { return FormatGeneral(v(field), 3); };
    b.add(label(QStringLiteral("lblPQOFee"),
                QStringLiteral("Origination Fee  ") + points("edtEccOriginationPoints")
                    + QLatin1Char('%'),
                QRectF(232, top + 2, 255, 18), Qt::AlignRight, 9));
    b.add(label(QStringLiteral("lblPQOriginationFee"), money("edtOriginationFee"),
                QRectF(526, top + 2, 120, 18), Qt::AlignRight, 10));
    top += 21;
    b.add(label(QStringLiteral("lblPQPoints"),
                QStringLiteral("Discount Points  ") + points("edtEccDiscountPoints")
                    + QLatin1Char('%'),
                QRectF(232, top + 2, 255, 18), Qt::AlignRight, 9));
    b.add(label(QStringLiteral("lblPQDiscountPoints"), money("edtLOF"),
                QRectF(526, top + 2, 120, 18), Qt::AlignRight, 10));
    top += 21;
    row(QStringLiteral("Appraisal Fee"), "lblPQAppraisalFee", money("edtAF"));
    row(QStringLiteral("Credit Report Fee"), "lblPQCreditReportFee", money("edtCR"));
    row(QStringLiteral("Tax-related Service Fee"), "lblPQUnderwritingFee", money("edtTSF"));
    row(QStringLiteral("Lender's Inspection Fee"), "lblPQAttorneyFee", money("edtLPF"));
    row(QStringLiteral("Title Insurance"), "lblPQTitleInsurance", money("edtTIF"));
    row(QStringLiteral("Title Search"), "lblPQMortgageRecordingFee", money("edtTS"));
    row(QStringLiteral("Escrow / Closing Fee"), "lblPQTransferTax", money("edtSTT"));
    row(QStringLiteral("Recording Fee"), "lblPQCertifiedPlotPlan", money("edtRF"));
    row(QStringLiteral("PMI"), "lblPQPMIFirstMonth", money("edtEccCpmi"));
    row(QStringLiteral("Other Fees"), "lblPQOther", money("edtOF"));
    row(QStringLiteral("ESTIMATED CLOSING COSTS"), "lblPQClosingCosts", money("edtEccCClosingCosts"),
        true, "single");
    top += 8;
    row(QStringLiteral("Prepaid Interest"), "lblPQPrepaidInterest", money("edtII"));
    row(QStringLiteral("Real Estate Taxes"), "lblPQRealEstateTaxes", money("edtPTI"));
    row(QStringLiteral("Homeowner's Insurance (First Year)"), "lblPQHomeownersInsurance",
        money("edtHOIP"));
    row(QStringLiteral("Homeowner's Insurance (Renewal)"), "lblPQInsuranceRenewal", money("edtHOII"));
    row(QStringLiteral("PMI"), "lblPQPMIRenewal", money("edtPMII"));
    row(QStringLiteral("ESTIMATED ESCROWS"), "lblPQEstimatedEscrows", money("edtEccCEscrows"), true,
        "single");
    top += 8;
    row(QStringLiteral("Estimated Down Payment"), "lblPQDP", money("edtEccCDownPayment"));
    row(QStringLiteral("Estimated Closing Costs"), "lblPQCC", money("edtEccCClosingCosts"));
    row(QStringLiteral("Estimated Escrows"), "lblPQEE", money("edtEccCEscrows"));
    const long double funds = static_cast<long double>(v("edtEccCDownPayment"))
                              + v("edtEccCClosingCosts") + v("edtEccCEscrows");
    row(QStringLiteral("TOTAL FUNDS TO CLOSE"), "lblTotalFundsToClose",
        FormatMoney(static_cast<double>(funds)), true, "single");
    row(QStringLiteral("(Minus) Seller Paid Costs"), "lblSellerPaidCosts", money("edtSellerPaid"));
    row(QStringLiteral("TOTAL BUYER PAID FUNDS TO CLOSE"), "lblBuyerPaidTotal",
        FormatMoney(static_cast<double>(funds - v("edtSellerPaid"))), true, "double");
    b.height = top + 10;
    return onePage(QStringLiteral("of Estimated Closing Costs"),
                   QStringLiteral("Estimated Closing Costs"), std::move(b), 105, 27);
}

// ---------------------------------------------------------------------------------------
// The rent vs. buy worksheet: twenty caption/value lines.

Report rentVsBuy(const PageSnapshot& p)
{
    Band b;
    b.height = 670;
    struct Line {
        const char* caption;
        const char* name;
        const char* field;
        QString (*format)(double);
    };
    const Line lines[] = {
        {"Current Monthly Rent:", "lblRVBMonthlyRent", "edtRVBMonthlyRent", FormatMoney},
        {"Estimated Annual Rent Increase Percentage:", "lblRVBRentIncrease", "edtRVBRentIncrease",
         FormatPercent3},
        {"Years Before You Will Move:", "lblRVBTerm", "edtRVBTerm", FormatNumber},
        {"Total You Will Spend on Rent:", "lblRVBRentSpent", "edtRVBRentSpent", FormatMoney},
        {"Cash Available for Downpayment:", "lblRVBDownpayment", "edtRVBDownPayment", FormatMoney},
        {"Estimated Annual Return if Invested:", "lblRVBEstimatedReturn", "edtRVBEstimatedReturn",
         FormatPercent3},
        {"Value of Investment:", "lblRVBInvestmentValue", "edtRVBInvestmentValue", FormatMoney},
        {"Interest Rate of Home Loan:", "lblRVBInterestRate", "edtRVBInterestRate", FormatPercent3},
        {"Term of Home Loan in Years:", "lblRVBLoanTerm", "edtRVBLoanTerm", FormatNumber},
        {"Price of Home You Can Afford at Your Current Rent Payment:", "lblRVBHousePrice",
         "edtRVBHousePrice", FormatMoney},
        {"Personal Income Tax Rate % (Include Federal + State):", "lblRVBIncomeTax",
         "edtRVBIncomeTax", FormatPercent3},
        {"Annual Real Estate Tax Rate:", "lblRVBPropertyTax", "edtRVBPropertyTax", FormatPercent3},
        {"Total of Interest Tax Deductions:", "lblRVBTaxDeductions", "edtRVBTaxDeductions",
         FormatMoney},
        {"Property Appreciation Rate:", "lblRVBPropertyAppreciation", "edtRVBPropertyAppreciation",
         FormatPercent3},
        {"Appreciation of Property:", "lblRVBAppreciation", "edtRVBAppreciation", FormatMoney},
        {"Estimated Annual Home Maintenance Expenses:", "lblRVBAnnualMaintenance",
         "edtRVBAnnualMaintenance", FormatMoney},
        {"Estimated Selling Costs as a Percentage of House Value:", "lblRVBSellingCostPercent",
         "edtRVBSellingCostPercent", FormatPercent3},
        {"Effective Gain of Owning:", "lblRVBValueOfPurchase", "edtRVBValueOfPurchase", FormatMoney},
        {"Actual Cost of Renting:", "lblRVBValueOfRenting", "edtRVBValueOfRenting", FormatMoney},
        {"Effective Gain of Owning vs. Renting:", "lblRVBGain", "edtRVBGain", FormatMoney},
    };
    for (int i = 0; i < 20; ++i) {
        const double top = 30 + 32 * i;
        b.add(caption(QLatin1String(lines[i].caption), QRectF(kLeft, top, 478, 24), Qt::AlignRight,
                      12));
        b.add(label(QLatin1String(lines[i].name), lines[i].format(p.value(QLatin1String(lines[i].field))),
                    QRectF(530, top, 110, 24), Qt::AlignRight, 12, true));
    }
    addCharts(b, p, 400);
    return onePage(QStringLiteral("of Rent Vs. Buy Worksheet"),
                   QStringLiteral("Rent vs. Buy Comparison"), std::move(b), 120, 42);
}

} // namespace

Band TitleBand(const QString& title, double height, double top)
{
    Band b;
    b.height = height;
    b.add(label(QStringLiteral("lblTitle"), title, QRectF(kLeft, top, 1110, 36), Qt::AlignLeft, 27,
                true));
    return b;
}

Band FooterBand(bool pageNumbers)
{
    Band b;
    b.height = 75;
    b.add(line(4));
    b.add(label(QStringLiteral("lblApplicationTitle"), toolkit::kProductCaption,
                QRectF(kLeft, 10, 300, 18)));
    Item printed;
    printed.kind = Kind::DateTime;
    printed.rect = QRectF(pageNumbers ? 330 : 400, 10, 400, 18);
    printed.text = QStringLiteral("Printed at ");
    printed.align = Qt::AlignHCenter;
    b.add(printed);
    if (pageNumbers) {
        Item page;
        page.kind = Kind::PageNumber;
        page.rect = QRectF(740, 10, 100, 18);
        page.text = QStringLiteral("Page ");
        page.align = Qt::AlignHCenter;
        b.add(page);
    }
    b.add(label(QStringLiteral("lblURL"), toolkit::kMakerHomePage, QRectF(855, 10, 300, 18),
                Qt::AlignRight));
    b.add(caption(kNote1, QRectF(kLeft, 36, 1110, 16), Qt::AlignLeft, 8));
    b.add(caption(kNote2, QRectF(kLeft, 52, 1110, 16), Qt::AlignLeft, 8));
    return b;
}

std::optional<Report> ReportFor(const PageSnapshot& page)
{
    const QString& name = page.page;
    if (name == QStringLiteral("Amort"))
        return amortization(page);
    if (name == QStringLiteral("LS"))
        return paymentChart(page);
    if (name == QStringLiteral("MQ") || name == QStringLiteral("BW") || name == QStringLiteral("RC"))
        return calcs(page);
    if (name == QStringLiteral("ECC"))
        return goodFaith(page);
    if (name == QStringLiteral("RVB"))
        return rentVsBuy(page);
    return std::nullopt;
}

QString DocumentName(const QString& pageName)
{
    static const std::map<QString, QString> names = {
        {QStringLiteral("LS"), QStringLiteral("Loan Spread Calculations")},
        {QStringLiteral("Amort"), QStringLiteral("Amortization Schedule")},
        {QStringLiteral("ECC"), QStringLiteral("Estimated Closing Costs")},
        {QStringLiteral("RVB"), QStringLiteral("Rent vs. Buy Worksheet")},
        {QStringLiteral("MQ"), QStringLiteral("Mortgage Qualifier")},
        {QStringLiteral("BW"), QStringLiteral("Biweekly Mortgage Payments")},
        {QStringLiteral("RC"), QStringLiteral("Refinancing")},
    };
    const auto it = names.find(pageName);
    return it == names.end() ? QString() : it->second;
}

QString PreviewTitle(const QString& pageName)
{
    const QString name = DocumentName(pageName);
    return name.isEmpty() ? QString() : QStringLiteral("Preview of ") + name;
}

} // namespace qn::reports

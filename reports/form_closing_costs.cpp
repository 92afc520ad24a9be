// The good-faith estimate of the closing-cost page.
#include "pages/closing_costs_fields.h"
#include "reports/form_parts.h"

#include <utility>

namespace qn::reports {

using namespace parts;

namespace {

// What the loan costs, in the free column right of the fees: each figure as its page field
// shows it, a percentage with its sign, a word where there is no figure.
void loanCosts(Band& b, const Figures& f, double top)
{
    namespace ecc = pages::ecc;
    b.add(caption(QStringLiteral("WHAT THE LOAN COSTS"), QRectF(660, top + 2, 490, 18),
                  Qt::AlignRight, 9, true));
    b.add(line(top + 22, 800, 1150));
    top += 25;
    const std::pair<const pages::FieldSpec*, const char*> lines[] = {
        {&ecc::kAPR, "lblPQAPR"},
        {&ecc::kFinanceCharge, "lblPQFinanceCharge"},
        {&ecc::kAmountFinanced, "lblPQAmountFinanced"},
        {&ecc::kTotalOfPayments, "lblPQTotalOfPayments"},
        {&ecc::kTIP, "lblPQTIP"},
        {&ecc::kIn5YearsPaid, "lblPQIn5YearsPaid"},
        {&ecc::kIn5YearsPrincipal, "lblPQIn5YearsPrincipal"},
        {&ecc::kPMICancelMonth, "lblPQPMICancelMonth"},
        {&ecc::kPMIEndMonth, "lblPQPMIEndMonth"}};
    for (const auto& [spec, name] : lines) {
        const QString shown = f.text(*spec);
        QString text = shown;
        if (spec->kind == pages::FieldKind::Money)
            text = f.money(*spec);
        else if (spec->kind == pages::FieldKind::Percent3
                 && shown != QLatin1String(ecc::kNotDefined))
            text += QLatin1Char('%');
        b.add(caption(QLatin1String(spec->caption), QRectF(660, top + 2, 330, 18), Qt::AlignRight,
                      9));
        b.add(label(QLatin1String(name), text, QRectF(1000, top + 2, 150, 18), Qt::AlignRight, 10));
        top += 21;
    }
}

} // namespace

void ClosingCostsSheet(Band& b, const Figures& f)
{
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
        b.add(caption(QLatin1String(advice[i]), QRectF(kLeft, 6 + 16 * i, 232, 16), Qt::AlignLeft,
                      8));

    auto v = [&](const Figures::Field& field) { return f.value(field); };
    auto money = [&](const Figures::Field& field) { return f.money(field); };
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
    row(QStringLiteral("Monthly Income"), "lblPQIncome", money(ecc::kIncome));
    row(QStringLiteral("PURCHASE PRICE"), "lblPQPurchasePrice", money(ecc::kCPurchasePrice), true);
    b.add(label(QStringLiteral("lblPQDownPaymentPercent"),
                FormatPercent3(v(ecc::kDownPaymentPercent)), QRectF(488, top + 2, 36, 18),
                Qt::AlignRight, 10));
    row(QStringLiteral("Down Payment"), "lblPQDownPayment", money(ecc::kCDownPayment));
    row(QStringLiteral("LOAN AMOUNT"), "lblPQLoanAmount", money(ecc::kCLoanAmount), true, "single");
    row(QStringLiteral("Interest Rate"), "lblPQInterest", FormatPercent5(v(ecc::kInterest)));
    row(QStringLiteral("Term"), "lblPQTerm", FormatNumber(v(ecc::kTerm)));
    row(QStringLiteral("Principal & Interest"), "lblPQPandI", money(ecc::kCPandI));
    row(QStringLiteral("Real Estate Taxes"), "lblPQMonthlyTax", money(ecc::kCMonthlyTax));
    row(QStringLiteral("Homeowner's Insurance"), "lblPQMonthlyInsurance",
        money(ecc::kCMonthlyInsurance));
    row(QStringLiteral("PMI (Private Mortgage Insurance)"), "lblPQPmi", money(ecc::kCpmi));
    row(QStringLiteral("Assocation Fee"), "lblPQAssociationFee", money(ecc::kAssociationFee));
    // Each ratio on the line of the total it is reached with, under its two-line caption on
    // the lines above; the debt ratio a column further right, clear of the housing ratio.
    auto ratio = [&](double left, const char* what, const char* name, const Figures::Field& field) {
        b.add(caption(QStringLiteral("Your Calculated"), QRectF(left, top - 30, 150, 16),
                      Qt::AlignHCenter, 9));
        b.add(caption(QLatin1String(what), QRectF(left, top - 15, 150, 16), Qt::AlignHCenter, 9));
        b.add(label(QLatin1String(name), FormatPercent3(v(field)), QRectF(left, top + 2, 150, 18),
                    Qt::AlignHCenter, 10));
    };
    ratio(660, "Housing Ratio", "lblPQHousingRatio", ecc::kCHousingRatio);
    row(QStringLiteral("MONTHLY PAYMENT"), "lblPQMonthlyPayment", money(ecc::kCMonthlyPayment),
        true, "single");
    row(QStringLiteral("Other Monthly Debt"), "lblPQMonthlyDebt", money(ecc::kDebt));
    ratio(820, "Debt Ratio", "lblPQDebtRatio", ecc::kCDebtRatio);
    // The debt total is the report's own, from the fields' values at the moment of printing.
    row(QStringLiteral("TOTAL MONTHLY DEBT"), "lblPQTotalDebt",
        FormatMoney(v(ecc::kDebt) + v(ecc::kCMonthlyPayment)), true, "double");
    top += 8;
    loanCosts(b, f, top);
    // The points in percent, beside the fees they come to.
    struct Points {
        const char *name, *caption;
        const Figures::Field& points;
        const char* feeName;
        const Figures::Field& fee;
    };
    const Points points[] = {{"lblPQOFee", "Origination Fee  ", ecc::kOriginationPoints,
                              "lblPQOriginationFee", ecc::kOriginationFee},
                             {"lblPQPoints", "Discount Points  ", ecc::kDiscountPoints,
                              "lblPQDiscountPoints", ecc::kLOF}};
    for (const Points& line : points) {
        b.add(
            label(QLatin1String(line.name),
                  QLatin1String(line.caption) + FormatGeneral(v(line.points), 3) + QLatin1Char('%'),
                  QRectF(232, top + 2, 255, 18), Qt::AlignRight, 9));
        b.add(label(QLatin1String(line.feeName), money(line.fee), QRectF(526, top + 2, 120, 18),
                    Qt::AlignRight, 10));
        top += 21;
    }
    row(QStringLiteral("Appraisal Fee"), "lblPQAppraisalFee", money(ecc::kAF));
    row(QStringLiteral("Credit Report Fee"), "lblPQCreditReportFee", money(ecc::kCR));
    row(QStringLiteral("Tax-related Service Fee"), "lblPQUnderwritingFee", money(ecc::kTSF));
    row(QStringLiteral("Lender's Inspection Fee"), "lblPQAttorneyFee", money(ecc::kLPF));
    row(QStringLiteral("Title Insurance"), "lblPQTitleInsurance", money(ecc::kTIF));
    row(QStringLiteral("Title Search"), "lblPQMortgageRecordingFee", money(ecc::kTS));
    row(QStringLiteral("Escrow / Closing Fee"), "lblPQTransferTax", money(ecc::kSTT));
    row(QStringLiteral("Recording Fee"), "lblPQCertifiedPlotPlan", money(ecc::kRF));
    row(QStringLiteral("PMI"), "lblPQPMIFirstMonth", money(ecc::kCpmi));
    row(QStringLiteral("Other Fees"), "lblPQOther", money(ecc::kOF));
    row(QStringLiteral("ESTIMATED CLOSING COSTS"), "lblPQClosingCosts", money(ecc::kCClosingCosts),
        true, "single");
    top += 8;
    row(QStringLiteral("Prepaid Interest"), "lblPQPrepaidInterest", money(ecc::kII));
    row(QStringLiteral("Real Estate Taxes"), "lblPQRealEstateTaxes", money(ecc::kPTI));
    row(QStringLiteral("Homeowner's Insurance (First Year)"), "lblPQHomeownersInsurance",
        money(ecc::kHOIP));
    row(QStringLiteral("Homeowner's Insurance (Renewal)"), "lblPQInsuranceRenewal",
        money(ecc::kHOII));
    row(QStringLiteral("PMI"), "lblPQPMIRenewal", money(ecc::kPMII));
    row(QStringLiteral("ESTIMATED ESCROWS"), "lblPQEstimatedEscrows", money(ecc::kCEscrows), true,
        "single");
    top += 8;
    row(QStringLiteral("Estimated Down Payment"), "lblPQDP", money(ecc::kCDownPayment));
    row(QStringLiteral("Estimated Closing Costs"), "lblPQCC", money(ecc::kCClosingCosts));
    row(QStringLiteral("Estimated Escrows"), "lblPQEE", money(ecc::kCEscrows));
    // The page has no line for the funds before the seller's part; what the buyer pays is
    // the page's own total.
    row(QStringLiteral("TOTAL FUNDS TO CLOSE"), "lblTotalFundsToClose",
        FormatMoney(v(ecc::kCDownPayment) + v(ecc::kCClosingCosts) + v(ecc::kCEscrows)), true,
        "single");
    row(QStringLiteral("(Minus) Seller Paid Costs"), "lblSellerPaidCosts", money(ecc::kSellerPaid));
    row(QStringLiteral("TOTAL BUYER PAID FUNDS TO CLOSE"), "lblBuyerPaidTotal",
        money(ecc::kCCashRequiredToClose), true, "double");
    b.height = top + 10;
}

} // namespace qn::reports

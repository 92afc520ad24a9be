#include "reports/forms.h"

#include "reports/form_parts.h"

namespace qn::reports {

const std::vector<ReportInfo>& reportRegistry()
{
    static const std::vector<ReportInfo> rows = {
        {.page = QStringLiteral("LS"),
         .documentName = QStringLiteral("Loan Spread Calculations"),
         .form = LoanSpreadForm},
        {.page = QStringLiteral("Amort"),
         .documentName = QStringLiteral("Amortization Schedule"),
         .form = AmortizationForm},
        {.page = QStringLiteral("ECC"),
         .documentName = QStringLiteral("Estimated Closing Costs"),
         .form = onePage({.job = "of Estimated Closing Costs",
                          .title = "Estimated Closing Costs",
                          .titleHeight = 105,
                          .titleTop = 27},
                         ClosingCostsSheet)},
        {.page = QStringLiteral("RVB"),
         .documentName = QStringLiteral("Rent vs. Buy Worksheet"),
         .form = onePage({.job = "of Rent Vs. Buy Worksheet",
                          .title = "Rent vs. Buy Comparison",
                          .height = 670,
                          .charts = 400,
                          .titleTop = 42},
                         RentVsBuySheet)},
        {.page = QStringLiteral("MQ"),
         .documentName = QStringLiteral("Mortgage Qualifier"),
         .form = onePage({.job = "of Calculations", .title = "Mortgage Qualifier", .height = 700},
                         QualifierSheet)},
        {.page = QStringLiteral("BW"),
         .documentName = QStringLiteral("Biweekly Mortgage Payments"),
         .form = onePage({.job = "of Calculations",
                          .title = "Biweekly Mortgage Payments",
                          .height = 560,
                          .charts = 420},
                         BiweeklySheet)},
        {.page = QStringLiteral("RC"),
         .documentName = QStringLiteral("Refinancing"),
         .form = onePage(
             {.job = "of Calculations", .title = "Refinancing", .height = 620, .charts = 380},
             RefinancingSheet)},
        {.page = QStringLiteral("Compare"),
         .documentName = QStringLiteral("Scenarios Compared"),
         .form = onePage({.job = "of Scenarios", .title = "Scenarios Compared"}, CompareSheet)},
    };
    return rows;
}

const ReportInfo* findReport(const QString& pageName)
{
    for (const ReportInfo& row : reportRegistry())
        if (row.page == pageName)
            return &row;
    return nullptr;
}

std::optional<Report> ReportFor(const pages::PageSnapshot& page)
{
    const ReportInfo* info = findReport(page.page);
    if (!info)
        return std::nullopt;
    return info->form(page);
}

QString DocumentName(const QString& pageName)
{
    const ReportInfo* info = findReport(pageName);
    return info ? info->documentName : QString();
}

QString PreviewTitle(const QString& pageName)
{
    const QString name = DocumentName(pageName);
    return name.isEmpty() ? QString() : QStringLiteral("Preview of ") + name;
}

} // namespace qn::reports

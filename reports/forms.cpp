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
         .form = ClosingCostsForm},
        {.page = QStringLiteral("RVB"),
         .documentName = QStringLiteral("Rent vs. Buy Worksheet"),
         .form = RentVsBuyForm},
        {.page = QStringLiteral("MQ"),
         .documentName = QStringLiteral("Mortgage Qualifier"),
         .form = QualifierForm},
        {.page = QStringLiteral("BW"),
         .documentName = QStringLiteral("Biweekly Mortgage Payments"),
         .form = BiweeklyForm},
        {.page = QStringLiteral("RC"),
         .documentName = QStringLiteral("Refinancing"),
         .form = RefinancingForm},
        {.page = QStringLiteral("Compare"),
         .documentName = QStringLiteral("Scenarios Compared"),
         .form = CompareForm},
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

#pragma once

#include "pages/page_snapshot.h"
#include "reports/report_engine.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace qn::reports {

// One row per page that prints: what a saved copy of its report is called and the form
// that lays the report out from a snapshot of the page.
struct ReportInfo {
    QString page;         // the page registry's name: "Amort", ...
    QString documentName; // "Amortization Schedule"
    std::function<Report(const pages::PageSnapshot& page)> form;
};

// Every report, in no particular order.
const std::vector<ReportInfo>& reportRegistry();
const ReportInfo* findReport(const QString& pageName);

// The report a page prints, filled from what the page shows: the amortization schedule,
// the loan spread chart, the calculations of the qualifier, biweekly and refinancing pages,
// the good-faith estimate and the rent vs. buy worksheet. None for pages without a report.
std::optional<Report> ReportFor(const pages::PageSnapshot& page);

// What a page's report or table is called ("Amortization Schedule"): the name a saved copy is
// offered under. Empty for pages without a report.
QString DocumentName(const QString& pageName);
// The preview window's title for a page's report ("Preview of Amortization Schedule").
QString PreviewTitle(const QString& pageName);

// The parts every report shares: the title band and the footer (with page numbers on the
// schedule), and the two-line note.
Band TitleBand(const QString& title, double height = 120, double top = 43);
Band FooterBand(bool pageNumbers);

} // namespace qn::reports

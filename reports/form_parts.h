#pragma once

#include "pages/page_snapshot.h"
#include "reports/forms.h"
#include "reports/report_engine.h"

#include <QStringList>

// What the report forms share, and the forms themselves: one file each, form_<page>.cpp.

namespace qn::reports {

namespace parts {

// The design's left and right margins.
constexpr double kLeft = 45;
constexpr double kRight = 1155;

// A label a form names (filled or read back by name) and one that only shows its text.
Item label(const QString& name, const QString& text, QRectF rect,
           Qt::Alignment align = Qt::AlignLeft, double font = 11, bool bold = false);
Item caption(const QString& text, QRectF rect, Qt::Alignment align = Qt::AlignLeft,
             double font = 11, bool bold = false);
Item line(double top, double left = kLeft, double right = kRight);
Item box(QRectF rect);

// Centred stacked headings ("Monthly" / "Income") over a column.
void stacked(Band& band, const QStringList& lines, double left, double width, double bottom,
             double font = 13);

// The page's charts under what a band already holds, the band grown to take them: the same
// charts the page draws, painted by the same code.
void addCharts(Band& band, const pages::PageSnapshot& page, double height);

// A single-page report: everything in one band, lines placed from the top.
Report onePage(const QString& jobTitle, const QString& title, Band content,
               double titleHeight = 120, double titleTop = 43);

} // namespace parts

// The forms, each filled from a snapshot of its page.
Report AmortizationForm(const pages::PageSnapshot& page);
Report LoanSpreadForm(const pages::PageSnapshot& page);
Report QualifierForm(const pages::PageSnapshot& page);
Report BiweeklyForm(const pages::PageSnapshot& page);
Report RefinancingForm(const pages::PageSnapshot& page);
Report ClosingCostsForm(const pages::PageSnapshot& page);
Report RentVsBuyForm(const pages::PageSnapshot& page);

} // namespace qn::reports

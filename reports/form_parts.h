#pragma once

#include "pages/page_snapshot.h"
#include "reports/formats.h"
#include "reports/forms.h"
#include "reports/report_engine.h"

#include <QString>
#include <QStringList>

#include <vector>

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

// Centred stacked headings over a column, the lines separated by '|' ("Monthly|Income").
void stacked(Band& band, const char* lines, double left, double width, double bottom,
             double font = 13);

// A page's figures as the forms print them, each by its field's name.
class Figures {
public:
    explicit Figures(const pages::PageSnapshot& page) : m_page(page) {}
    double value(const QString& field) const { return m_page.value(field); }
    double value(const char* field) const { return value(QLatin1String(field)); }
    QString text(const char* field) const { return m_page.field(QLatin1String(field)); }
    QString label(const char* name) const { return m_page.label(QLatin1String(name)); }
    QString money(const char* field) const { return FormatMoney(value(field)); }
    QString number(const char* field) const { return FormatNumber(value(field)); }
    QString rate(const char* field) const { return FormatRate(value(field)); }
    QString percent3(const char* field) const { return FormatPercent3(value(field)); }
    QString percent5(const char* field) const { return FormatPercent5(value(field)); }
    QString general4(const char* field) const { return FormatGeneral4(value(field)); }

private:
    const pages::PageSnapshot& m_page;
};

// The page's charts under what a band already holds, the band grown to take them: the same
// charts the page draws, painted by the same code.
void addCharts(Band& band, const pages::PageSnapshot& page, double height);

// A report with its print job's name, its title band and the footer (with page numbers or
// without).
Report framed(const QString& jobTitle, const QString& title, bool pageNumbers,
              double titleHeight = 120, double titleTop = 43);

// A single-page report: everything in one band, lines placed from the top.
Report onePage(const QString& jobTitle, const QString& title, Band content,
               double titleHeight = 120, double titleTop = 43);

// The report's detail lines from a grid's rows, from `first` on: cell c of a row goes into
// the detail label `names[c]`. With `stopAtEmpty` a row whose first cell is empty ends them
// (a schedule before its first computation has only empty rows).
void linesFromGrid(Report& report, const std::vector<QStringList>& rows, std::size_t first,
                   const QStringList& names, bool stopAtEmpty);

} // namespace parts

using pages::PageSnapshot;

// The forms, each filled from a snapshot of its page.
Report AmortizationForm(const pages::PageSnapshot& page);
Report LoanSpreadForm(const pages::PageSnapshot& page);
Report QualifierForm(const pages::PageSnapshot& page);
Report BiweeklyForm(const pages::PageSnapshot& page);
Report RefinancingForm(const pages::PageSnapshot& page);
Report ClosingCostsForm(const pages::PageSnapshot& page);
Report RentVsBuyForm(const pages::PageSnapshot& page);
Report CompareForm(const pages::PageSnapshot& page);

} // namespace qn::reports

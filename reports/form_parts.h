#pragma once

#include "pages/amortization_fields.h"
#include "pages/biweekly_fields.h"
#include "pages/closing_costs_fields.h"
#include "pages/field_table.h"
#include "pages/loan_spread_fields.h"
#include "pages/mortgage_qualifier_fields.h"
#include "pages/page_controls.h"
#include "pages/page_snapshot.h"
#include "pages/refinancing_fields.h"
#include "pages/rent_vs_buy_fields.h"
#include "reports/formats.h"
#include "reports/forms.h"
#include "reports/report_engine.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// What the report forms share, and the forms themselves: one file each, form_<page>.cpp.

namespace qn::reports {

using pages::PageSnapshot;

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

// A page's figures as the forms print them, each field by its page's constant (a renamed
// field fails to build its form) and each label, grid and group by its control's.
class Figures {
public:
    using Field = pages::FieldSpec;
    explicit Figures(const pages::PageSnapshot& page) : m_page(page) {}
    double value(const Field& field) const { return m_page.value(QLatin1String(field.name)); }
    QString text(const Field& field) const { return m_page.field(QLatin1String(field.name)); }
    QString label(const char* name) const { return m_page.label(QLatin1String(name)); }
    int choice(const char* group) const { return m_page.choice(QLatin1String(group)); }
    const std::vector<QStringList>& grid(const char* name) const
    {
        return m_page.grid(QLatin1String(name));
    }
    QString money(const Field& field) const { return FormatMoney(value(field)); }
    QString number(const Field& field) const { return FormatNumber(value(field)); }
    QString rate(const Field& field) const { return FormatRate(value(field)); }
    QString percent3(const Field& field) const { return FormatPercent3(value(field)); }
    QString percent5(const Field& field) const { return FormatPercent5(value(field)); }
    QString general4(const Field& field) const { return FormatGeneral4(value(field)); }

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

// How a single-page report is framed: its print job's name and title, the height of the one
// band its sheet fills (0: the sheet sets it) and of each of the page's charts drawn under
// it (0: none), and the title band's height and where the title stands in it.
struct PageFrame {
    const char* job;
    const char* title;
    double height = 0;
    double charts = 0;
    double titleHeight = 120;
    double titleTop = 43;
};
// What a single-page form puts into its band, lines placed from the top.
using Sheet = void (*)(Band& band, const Figures& figures);
// The form of a single-page report: the frame around what the sheet fills in.
std::function<Report(const PageSnapshot& page)> onePage(PageFrame frame, Sheet sheet);

// A figure with its caption: the caption's text, the figure's label and what it shows.
struct Captioned {
    const char* caption;
    const char* name;
    QString text;
};

// The report's detail lines from a grid's rows, from `first` on: cell c of a row goes into
// the detail label `names[c]`. With `stopAtEmpty` a row whose first cell is empty ends them
// (a schedule before its first computation has only empty rows).
void linesFromGrid(Report& report, const std::vector<QStringList>& rows, std::size_t first,
                   const QStringList& names, bool stopAtEmpty);

} // namespace parts

// The pages' fields and controls, by their declarations.
namespace amort = pages::amort;
namespace bw = pages::bw;
namespace ecc = pages::ecc;
namespace ls = pages::ls;
namespace mq = pages::mq;
namespace rc = pages::rc;
namespace rvb = pages::rvb;

// The forms of the reports of several pages, each filled from a snapshot of its page.
Report AmortizationForm(const PageSnapshot& page);
Report LoanSpreadForm(const PageSnapshot& page);
// The sheets of the single-page reports.
void QualifierSheet(Band& b, const parts::Figures& f);
void BiweeklySheet(Band& b, const parts::Figures& f);
void RefinancingSheet(Band& b, const parts::Figures& f);
void ClosingCostsSheet(Band& b, const parts::Figures& f);
void RentVsBuySheet(Band& b, const parts::Figures& f);
void CompareSheet(Band& b, const parts::Figures& f);

} // namespace qn::reports

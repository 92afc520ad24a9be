#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <Qt>

#include <functional>
#include <memory>
#include <vector>

namespace qn::toolkit {
struct ChartData;
}

class QPainter;
class QPagedPaintDevice;

namespace qn::reports {

// A banded report: title (first page only), page header and footer (every page), and a
// detail band printed once per record. Positions are in design units, the bands 1200 wide,
// scaled to the printable width of the page.
constexpr double kBandWidth = 1200;

struct Item {
    enum class Kind { Label, Line, Box, DateTime, PageNumber, Chart };
    Kind kind = Kind::Label;
    QRectF rect{};  // within its band; a line uses the top edge
    QString name{}; // labels filled at run time are found by name
    QString text{}; // a label's text; the leading text of a system field
    Qt::Alignment align = Qt::AlignLeft;
    double fontHeight = 11;
    bool bold = false;
    std::shared_ptr<const toolkit::ChartData> chart{}; // what a Chart item draws
};

struct Band {
    double height = 0;
    bool enabled = true;
    std::vector<Item> items;

    Item& add(Item item);
    Item* find(const QString& name);
    // Sets a named label's text; a missing name is a design error, reported by an exception.
    void set(const QString& name, const QString& text);
};

// One band as it lands on a page: its items with their texts resolved.
struct PlacedBand {
    double top = 0;
    double height = 0;
    std::vector<Item> items;
};

struct Page {
    std::vector<PlacedBand> bands;
};

class Report {
public:
    QString title; // the print job's name
    Band titleBand;
    Band pageHeader;
    Band detail;
    Band pageFooter;
    // Called before each detail line: fills the detail band and answers whether there is
    // a record. None: no detail lines.
    std::function<bool(Band& detail)> needData;
    // Called before the page header prints on each page.
    std::function<void(Band& header)> beforeHeader;

    // The layout pass: which bands go on which page and where, without painting.
    // pageHeight is the printable height in design units.
    std::vector<Page> layout(double pageHeight, const QDateTime& printedAt) const;
};

// How a text item is drawn: its font, its drawText flags, and where within its band its
// text is inked (a wrapped text: the lines' box), in design units.
QFont textFont(const Item& item);
int textFlags(const Item& item);
QRectF textExtent(const Item& item);

// The printable area of the pages we print on, in design units: 1200 wide.
double designPageHeight(const QSizeF& printableSize);

// Paints one laid-out page, the painter's coordinates being design units.
void paintPage(QPainter& painter, const Page& page);

// Paints every page on a printer or PDF writer; returns false when the device cannot paint.
bool paintReport(QPagedPaintDevice& device, const std::vector<Page>& pages);

// The report laid out as a PDF document (US Letter); empty when it cannot be painted.
QByteArray pdfBytes(const Report& report, const QDateTime& printedAt);

// Writes pdfBytes to a file through toolkit::SafeFile: an old file stays as it was unless
// the whole new one could be written. False when it could not.
bool writePdf(const Report& report, const QString& path, const QDateTime& printedAt);

} // namespace qn::reports

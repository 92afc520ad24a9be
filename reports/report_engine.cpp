#include "reports/report_engine.h"

#include "toolkit/chart.h"
#include "toolkit/safe_file.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <stdexcept>

namespace qn::reports {

namespace {

// The bands' fonts are given as heights in design units; text is drawn a little larger
// than the design's pixel heights so that a printed page stays readable.
constexpr double kFontScale = 1.25;

QString systemText(const Item& item, int pageNumber, const QDateTime& printedAt)
{
    switch (item.kind) {
    case Item::Kind::DateTime:
        return item.text + QLocale().toString(printedAt, QLocale::ShortFormat);
    case Item::Kind::PageNumber:
        return item.text + QString::number(pageNumber);
    default:
        return item.text;
    }
}

PlacedBand place(const Band& band, double top, int pageNumber, const QDateTime& printedAt)
{
    PlacedBand placed{top, band.height, band.items};
    for (Item& item : placed.items) {
        item.text = systemText(item, pageNumber, printedAt);
        if (item.kind == Item::Kind::DateTime || item.kind == Item::Kind::PageNumber)
            item.kind = Item::Kind::Label;
    }
    return placed;
}

} // namespace

Item& Band::add(Item item)
{
    items.push_back(std::move(item));
    return items.back();
}

Item* Band::find(const QString& name)
{
    for (Item& item : items) {
        if (item.name == name)
            return &item;
    }
    return nullptr;
}

void Band::set(const QString& name, const QString& text)
{
    Item* item = find(name);
    if (!item)
        throw std::logic_error("no report label " + name.toStdString());
    item->text = text;
}

std::vector<Page> Report::layout(double pageHeight, const QDateTime& printedAt) const
{
    std::vector<Page> pages;
    const double footerHeight = pageFooter.enabled ? pageFooter.height : 0;
    double y = 0;
    Band header = pageHeader;
    auto startPage = [&] {
        pages.emplace_back();
        y = 0;
        const int number = static_cast<int>(pages.size());
        if (number == 1 && titleBand.enabled) {
            pages.back().bands.push_back(place(titleBand, y, number, printedAt));
            y += titleBand.height;
        }
        if (pageHeader.enabled) {
            if (beforeHeader)
                beforeHeader(header);
            pages.back().bands.push_back(place(header, y, number, printedAt));
            y += header.height;
        }
    };
    auto finishPage = [&] {
        if (pageFooter.enabled)
            pages.back().bands.push_back(place(pageFooter, pageHeight - footerHeight,
                                               static_cast<int>(pages.size()), printedAt));
    };
    startPage();
    if (needData && detail.enabled) {
        Band line = detail;
        while (needData(line)) {
            if (y + line.height > pageHeight - footerHeight && y > 0) {
                finishPage();
                startPage();
            }
            pages.back().bands.push_back(place(line, y, static_cast<int>(pages.size()), printedAt));
            y += line.height;
        }
    }
    finishPage();
    return pages;
}

QFont textFont(const Item& item)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(qMax(1, qRound(item.fontHeight * kFontScale)));
    font.setBold(item.bold);
    return font;
}

int textFlags(const Item& item)
{
    return static_cast<int>(item.align | Qt::AlignVCenter) | Qt::TextDontClip | Qt::TextWordWrap;
}

QRectF textExtent(const Item& item)
{
    const QFontMetricsF metrics(textFont(item));
    const QRectF box = metrics.boundingRect(item.rect, textFlags(item), item.text);
    if (box.height() > 1.5 * metrics.height())
        return box; // wrapped over several lines
    // One line: where its glyphs are inked, from its baseline.
    return metrics.tightBoundingRect(item.text).translated(box.left(),
                                                           box.top() + metrics.ascent());
}

double designPageHeight(const QSizeF& printableSize)
{
    return printableSize.height() / printableSize.width() * kBandWidth;
}

void paintPage(QPainter& painter, const Page& page)
{
    for (const PlacedBand& band : page.bands) {
        for (const Item& item : band.items) {
            const QRectF r = item.rect.translated(0, band.top);
            switch (item.kind) {
            case Item::Kind::Line:
                painter.setPen(QPen(Qt::black, 1.5));
                painter.drawLine(QPointF(r.left(), r.top()), QPointF(r.right(), r.top()));
                break;
            case Item::Kind::Box:
                painter.setPen(QPen(Qt::black, 1));
                painter.drawRect(r);
                break;
            case Item::Kind::Chart:
                if (item.chart)
                    toolkit::paintChart(painter, r, *item.chart);
                break;
            default:
                painter.setFont(textFont(item));
                painter.setPen(Qt::black);
                painter.drawText(r, textFlags(item), item.text);
                break;
            }
        }
    }
}

bool paintReport(QPagedPaintDevice& device, const std::vector<Page>& pages)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect area = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const double scale = area.width() / kBandWidth;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        painter.save();
        painter.scale(scale, scale);
        paintPage(painter, pages[i]);
        painter.restore();
    }
    return painter.end();
}

QByteArray pdfBytes(const Report& report, const QDateTime& printedAt)
{
    // Made in memory, so that the file is written in one checked piece.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(report.title);
        pdf.setCreator(QStringLiteral("Quennary"));
        pdf.setResolution(300);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                      QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter));
        const QRect area = pdf.pageLayout().paintRectPixels(pdf.resolution());
        const auto pages = report.layout(designPageHeight(area.size()), printedAt);
        if (!paintReport(pdf, pages))
            return {};
    }
    return buffer.data();
}

bool writePdf(const Report& report, const QString& path, const QDateTime& printedAt)
{
    const QByteArray bytes = pdfBytes(report, printedAt);
    return !bytes.isEmpty() && toolkit::WriteFileSafely(path, bytes);
}

} // namespace qn::reports

#include "reports/form_parts.h"

#include "toolkit/chart.h"
#include "toolkit/product.h"

#include <QStringList>

#include <memory>
#include <utility>

namespace qn::reports {

namespace {

using Kind = Item::Kind;

const QString kNote1 = QStringLiteral(
    "NOTE:  While effort was made to ensure the accuracy of these calculations, there is NO "
    "WARRANTY, expressed or implied, for the accuracy or");
const QString kNote2 = QStringLiteral(
    "applicability of this information to your particular financial situation.  Please "
    "consult your own qualified advisor before making financial decisions.");

} // namespace

namespace parts {

Item label(const QString& name, const QString& text, QRectF rect, Qt::Alignment align, double font,
           bool bold)
{
    return {.kind = Kind::Label,
            .rect = rect,
            .name = name,
            .text = text,
            .align = align,
            .fontHeight = font,
            .bold = bold};
}

Item caption(const QString& text, QRectF rect, Qt::Alignment align, double font, bool bold)
{
    return label({}, text, rect, align, font, bold);
}

Item line(double top, double left, double right)
{
    return {.kind = Kind::Line, .rect = QRectF(left, top, right - left, 0)};
}

Item box(QRectF rect) { return {.kind = Kind::Box, .rect = rect}; }

void stacked(Band& band, const char* lines, double left, double width, double bottom, double font)
{
    const QStringList texts = QString::fromUtf8(lines).split(QLatin1Char('|'));
    const double step = font + 4;
    double top = bottom - step * static_cast<double>(texts.size());
    for (const QString& text : texts) {
        band.add(caption(text, QRectF(left, top, width, step), Qt::AlignHCenter, font, true));
        top += step;
    }
}

void addCharts(Band& band, const pages::PageSnapshot& page, double height)
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

Report framed(const QString& jobTitle, const QString& title, bool pageNumbers, double titleHeight,
              double titleTop)
{
    Report r;
    r.title = jobTitle;
    r.titleBand = TitleBand(title, titleHeight, titleTop);
    r.pageFooter = FooterBand(pageNumbers);
    return r;
}

std::function<Report(const PageSnapshot& page)> onePage(PageFrame frame, Sheet sheet)
{
    return [frame, sheet](const PageSnapshot& page) {
        Band b;
        b.height = frame.height;
        sheet(b, Figures(page));
        if (frame.charts > 0)
            addCharts(b, page, frame.charts);
        Report r = framed(QString::fromUtf8(frame.job), QString::fromUtf8(frame.title), false,
                          frame.titleHeight, frame.titleTop);
        r.pageHeader = std::move(b);
        return r;
    };
}

void linesFromGrid(Report& report, const std::vector<QStringList>& rows, std::size_t first,
                   const QStringList& names, bool stopAtEmpty)
{
    auto grid = std::make_shared<const std::vector<QStringList>>(rows);
    auto next = std::make_shared<std::size_t>(first);
    report.needData = [grid, next, names, stopAtEmpty](Band& detail) {
        if (*next >= grid->size() || (stopAtEmpty && (*grid)[*next].value(0).isEmpty()))
            return false;
        const QStringList& cells = (*grid)[*next];
        for (qsizetype c = 0; c < names.size(); ++c)
            detail.set(names[c], cells.value(c));
        ++*next;
        return true;
    };
}

} // namespace parts

using namespace parts;

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

} // namespace qn::reports

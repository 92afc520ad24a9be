#include "toolkit/chart.h"

#include "core/numtext.h"
#include "toolkit/money.h"
#include "toolkit/widgets.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace qn::toolkit {

namespace {

const Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};
const QColor kShades[] = {QColor(60, 60, 60), QColor(190, 190, 190), QColor(120, 120, 120)};

// A step of 1, 2 or 5 times a power of ten giving about five ticks.
double niceStep(double span)
{
    if (span <= 0)
        return 1;
    const double raw = span / 5;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (raw <= m * power)
            return m * power;
    }
    return 10 * power;
}

} // namespace

namespace {

// An axis figure other than money: at most 6 significant digits.
QString axisNumber(double value)
{
    return QString::fromStdString(GeneralText(value, 6, ExponentForm::Printf));
}

struct Range {
    double minX = 0, maxX = 1, minY = 0, maxY = 1, step = 1;
    bool right = false; // a right axis, from minR to maxR in steps of stepR
    double minR = 0, maxR = 1, stepR = 1;

    // The height of a point, from 0 at the bottom to 1 at the top, on its series' axis.
    double height(const ChartSeries& s, double y) const
    {
        return s.rightAxis && right ? (y - minR) / (maxR - minR) : (y - minY) / (maxY - minY);
    }
};

// The smallest step of 1, 2 or 5 times a power of ten that is at least `least`.
double stepAtLeast(double least)
{
    if (!(least > 0))
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(least)));
    for (double m : {1.0, 2.0, 5.0}) {
        if (least <= m * power * (1 + 1e-12))
            return m * power;
    }
    return 10 * power;
}

// The axes' ranges: the y axis in whole steps from 0 or below; the x axis padded by half a
// point's spacing where there are bars, so that the first and last bars stay in the plot.
Range rangeOf(const ChartData& chart)
{
    Range r;
    bool any = false;
    bool bars = false;
    std::size_t points = 0;
    double lowR = 0, highR = 0;
    for (const ChartSeries& s : chart.series) {
        bars = bars || s.bars;
        points = std::max(points, s.points.size());
        r.right = r.right || s.rightAxis;
        for (const QPointF& p : s.points) {
            if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
                continue;
            if (!any) {
                r.minX = r.maxX = p.x();
                any = true;
            }
            r.minX = std::min(r.minX, p.x());
            r.maxX = std::max(r.maxX, p.x());
            double& low = s.rightAxis ? lowR : r.minY;
            double& high = s.rightAxis ? highR : r.maxY;
            low = std::min(low, p.y());
            high = std::max(high, p.y());
        }
    }
    if (bars && any) {
        const double half = (points > 1 ? (r.maxX - r.minX) / double(points - 1) : 1) / 2;
        r.minX -= half;
        r.maxX += half;
    }
    if (r.maxX <= r.minX)
        r.maxX = r.minX + 1;
    r.step = niceStep(r.maxY - r.minY);
    r.minY = std::floor(r.minY / r.step) * r.step;
    r.maxY = std::ceil(r.maxY / r.step) * r.step;
    if (r.maxY <= r.minY)
        r.maxY = r.minY + r.step;
    if (r.right) {
        // As many steps as the left axis has, each as small as still reaches the highest.
        const double steps = std::max(1.0, std::round((r.maxY - r.minY) / r.step));
        r.stepR = stepAtLeast((highR - lowR) / steps);
        for (int tries = 0; tries < 40; ++tries) {
            r.minR = std::floor(lowR / r.stepR) * r.stepR;
            if (r.minR + steps * r.stepR >= highR)
                break;
            r.stepR = stepAtLeast(r.stepR * 1.5);
        }
        r.maxR = r.minR + steps * r.stepR;
    }
    return r;
}

QFont chartFont(QFont font, double textHeight)
{
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(textHeight))));
    font.setBold(false); // whatever the painter drew last
    return font;
}

} // namespace

ChartLayout layOutChart(const QRectF& area, const ChartData& chart, const QFont& font,
                        double minTextHeight)
{
    ChartLayout out;
    const double t = std::max(area.height() / 30, minTextHeight);
    out.textHeight = t;
    const QFontMetricsF metrics(chartFont(font, t));
    const double line = metrics.height();
    const Range r = rangeOf(chart);
    auto yText = [&](double v) { return chart.moneyAxis ? formatCurrency(v, 0) : axisNumber(v); };
    double labelWidth = 0;
    for (double y = r.minY; y <= r.maxY + r.step / 2; y += r.step)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(yText(y)));
    labelWidth += t / 2;
    double rightWidth = 0; // the right axis' labels, where there is one
    if (r.right) {
        for (double y = r.minR; y <= r.maxR + r.stepR / 2; y += r.stepR)
            rightWidth = std::max(rightWidth, metrics.horizontalAdvance(yText(y)));
        rightWidth += t / 2;
    }

    // The legend, and the axis caption at its right, share the bottom line when there is
    // room; otherwise the caption takes a line of its own above it.
    double legendWidth = 0;
    for (const ChartSeries& s : chart.series)
        legendWidth += 2.5 * t + metrics.horizontalAdvance(s.name) + 2 * t;
    const double plotLeft = area.left() + labelWidth + t / 4;
    const double plotWidth = std::max(1.0, area.right() - t / 2 - rightWidth - plotLeft);
    const bool ownLine = legendWidth + metrics.horizontalAdvance(chart.xLabel) > plotWidth;
    const double below = t / 2 + line + (ownLine ? 2 : 1) * line + t / 4;
    const double plotTop = area.top() + line + line / 2;
    out.plot = QRectF(plotLeft, plotTop, plotWidth, std::max(1.0, area.bottom() - below - plotTop));
    const QRectF& plot = out.plot;
    auto toScreen = [&](QPointF p) {
        return QPointF(plot.left() + (p.x() - r.minX) / (r.maxX - r.minX) * plot.width(),
                       plot.bottom() - (p.y() - r.minY) / (r.maxY - r.minY) * plot.height());
    };

    out.texts.push_back(
        {QRectF(area.left(), area.top(), area.width(), line), chart.title, Qt::AlignCenter});
    // Every k-th grid line is labelled, k as small as keeps the labels apart.
    const double gap = plot.height() / std::max(1.0, std::round((r.maxY - r.minY) / r.step));
    const int every = std::max(1, static_cast<int>(std::ceil(line / std::max(gap, 1e-9))));
    int k = 0;
    for (double y = r.minY; y <= r.maxY + r.step / 2; y += r.step, ++k) {
        if (k % every != 0)
            continue;
        const double at = toScreen({r.minX, y}).y();
        out.texts.push_back({QRectF(area.left(), at - line / 2, labelWidth, line), yText(y),
                             Qt::AlignRight | Qt::AlignVCenter});
        if (r.right)
            out.texts.push_back({QRectF(plot.right() + t / 4, at - line / 2, rightWidth, line),
                                 yText(r.minR + k * r.stepR), Qt::AlignLeft | Qt::AlignVCenter});
    }
    const double xStep = niceStep(r.maxX - r.minX);
    double lastRight = -1e300;
    for (double x = std::ceil(r.minX / xStep) * xStep; x <= r.maxX + xStep / 1000; x += xStep) {
        const QString text = axisNumber(x);
        const double width = metrics.horizontalAdvance(text) + t / 2;
        const double centre = toScreen({x, r.minY}).x();
        QRectF box(centre - width / 2, plot.bottom() + t / 2, width, line);
        // The first and last stay clear of the y labels (of both axes) and inside the area.
        if (box.left() < plot.left() - t / 4)
            box.moveLeft(plot.left() - t / 4);
        const double rightEdge = r.right ? plot.right() + t / 4 : area.right();
        if (box.right() > rightEdge)
            box.moveRight(rightEdge);
        if (box.left() < lastRight)
            continue; // no room: the neighbours say enough
        out.texts.push_back({box, text, Qt::AlignHCenter | Qt::AlignTop});
        lastRight = box.right();
    }
    const double bottomLine = area.bottom() - t / 4 - line;
    const double captionWidth = std::min(plot.width(), metrics.horizontalAdvance(chart.xLabel) + 1);
    out.texts.push_back({QRectF(plot.right() - captionWidth,
                                ownLine ? bottomLine - line : bottomLine, captionWidth, line),
                         chart.xLabel, Qt::AlignRight | Qt::AlignVCenter});
    double legendX = plot.left();
    for (const ChartSeries& s : chart.series) {
        const double width = metrics.horizontalAdvance(s.name) + 1;
        out.texts.push_back({QRectF(legendX + 2.5 * t, bottomLine, width, line), s.name,
                             Qt::AlignLeft | Qt::AlignVCenter});
        legendX += 2.5 * t + width + 2 * t;
    }

    int barCount = 0;
    for (const ChartSeries& s : chart.series)
        barCount += s.bars ? 1 : 0;
    int barIndex = 0;
    for (const ChartSeries& s : chart.series) {
        if (!s.bars)
            continue;
        const double slot = plot.width() / std::max<std::size_t>(1, s.points.size()) * 0.8;
        const double width = slot / std::max(1, barCount);
        for (const QPointF& p : s.points) {
            const QPointF top = toScreen(p);
            const QPointF base = toScreen({p.x(), std::clamp(0.0, r.minY, r.maxY)});
            out.bars.push_back(QRectF(top.x() - slot / 2 + width * barIndex,
                                      std::min(top.y(), base.y()), width,
                                      std::fabs(base.y() - top.y())));
        }
        ++barIndex;
    }
    return out;
}

void paintChart(QPainter& painter, const QRectF& area, const ChartData& chart, double minTextHeight)
{
    const ChartLayout layout = layOutChart(area, chart, painter.font(), minTextHeight);
    const Range r = rangeOf(chart);
    const QRectF& plot = layout.plot;
    const double t = layout.textHeight;
    auto toScreen = [&](QPointF p) {
        return QPointF(plot.left() + (p.x() - r.minX) / (r.maxX - r.minX) * plot.width(),
                       plot.bottom() - (p.y() - r.minY) / (r.maxY - r.minY) * plot.height());
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(chartFont(painter.font(), t));
    painter.setPen(QPen(QColor(215, 215, 215), 0));
    for (double y = r.minY; y <= r.maxY + r.step / 2; y += r.step) {
        const QPointF a = toScreen({r.minX, y});
        painter.drawLine(a, QPointF(plot.right(), a.y()));
    }
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(plot);
    const double xStep = niceStep(r.maxX - r.minX);
    for (double x = std::ceil(r.minX / xStep) * xStep; x <= r.maxX + xStep / 1000; x += xStep) {
        const QPointF a = toScreen({x, r.minY});
        painter.drawLine(a, a + QPointF(0, t / 2));
    }
    if (r.minY < 0 && r.maxY > 0)
        painter.drawLine(toScreen({r.minX, 0}), toScreen({r.maxX, 0}));
    painter.setPen(Qt::black);
    for (const ChartLayout::Text& text : layout.texts)
        painter.drawText(text.box, text.flags, text.text);

    // The series, each with its mark in the legend before its caption.
    const std::size_t legendFirst = layout.texts.size() - chart.series.size();
    std::size_t bar = 0;
    int barIndex = 0;
    for (std::size_t i = 0; i < chart.series.size(); ++i) {
        const ChartSeries& s = chart.series[i];
        const QRectF caption = layout.texts[legendFirst + i].box;
        const QRectF mark(caption.left() - 2.5 * t, caption.center().y() - t / 2, 2 * t, t);
        if (s.bars) {
            painter.setPen(QPen(Qt::black, 0));
            painter.setBrush(kShades[barIndex % 3]);
            for (std::size_t k = 0; k < s.points.size() && bar < layout.bars.size(); ++k)
                painter.drawRect(layout.bars[bar++]);
            painter.drawRect(QRectF(mark.left(), mark.top(), t, t));
            ++barIndex;
        } else {
            painter.setPen(QPen(Qt::black, std::max(1.0, t / 6), kStyles[i % 4]));
            painter.setBrush(Qt::NoBrush);
            QPolygonF line;
            for (const QPointF& p : s.points)
                line << QPointF(toScreen(p).x(),
                                plot.bottom() - r.height(s, p.y()) * plot.height());
            painter.drawPolyline(line);
            painter.drawLine(QPointF(mark.left(), mark.center().y()),
                             QPointF(mark.right(), mark.center().y()));
        }
    }
    painter.restore();
}

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
}

void ChartWidget::setCharts(std::vector<ChartData> charts)
{
    m_charts = std::move(charts);
    update();
}

std::vector<QRectF> ChartWidget::chartAreas() const
{
    std::vector<QRectF> areas;
    if (m_charts.empty())
        return areas;
    const double each = static_cast<double>(height()) / static_cast<double>(m_charts.size());
    for (std::size_t i = 0; i < m_charts.size(); ++i)
        areas.emplace_back(4, 4 + each * static_cast<double>(i), width() - 8, each - 8);
    return areas;
}

double ChartWidget::minTextHeight() const
{
    QFont smallest = font();
    smallest.setPointSizeF(kSmallestPoint);
    return QFontInfo(smallest).pixelSize();
}

void ChartWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const std::vector<QRectF> areas = chartAreas();
    for (std::size_t i = 0; i < areas.size(); ++i)
        paintChart(painter, areas[i], m_charts[i], minTextHeight());
}

} // namespace qn::toolkit

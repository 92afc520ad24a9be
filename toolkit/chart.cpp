#include "toolkit/chart.h"

#include "toolkit/money.h"

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

void paintChart(QPainter& painter, const QRectF& area, const ChartData& chart)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    const double unit = area.height() / 30;
    font.setPixelSize(std::max(6, static_cast<int>(unit)));
    painter.setFont(font);
    double minX = 0, maxX = 1, minY = 0, maxY = 1;
    bool any = false;
    for (const ChartSeries& s : chart.series) {
        for (const QPointF& p : s.points) {
            if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
                continue;
            if (!any) {
                minX = maxX = p.x();
                any = true;
            }
            minX = std::min(minX, p.x());
            maxX = std::max(maxX, p.x());
            minY = std::min(minY, p.y());
            maxY = std::max(maxY, p.y());
        }
    }
    if (maxX <= minX)
        maxX = minX + 1;
    const double step = niceStep(maxY - minY);
    minY = std::floor(minY / step) * step;
    maxY = std::ceil(maxY / step) * step;
    if (maxY <= minY)
        maxY = minY + step;
    auto yText = [&](double v) {
        return chart.moneyAxis ? formatCurrency(v, 0) : QString::number(v, 'g', 6);
    };
    const double labelWidth = std::max(painter.fontMetrics().horizontalAdvance(yText(maxY)),
                                       painter.fontMetrics().horizontalAdvance(yText(minY)))
                              + unit;
    const QRectF plot(area.left() + labelWidth, area.top() + 2 * unit,
                      area.width() - labelWidth - unit, area.height() - 8 * unit);
    auto toScreen = [&](QPointF p) {
        return QPointF(plot.left() + (p.x() - minX) / (maxX - minX) * plot.width(),
                       plot.bottom() - (p.y() - minY) / (maxY - minY) * plot.height());
    };
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), 2 * unit), Qt::AlignCenter,
                     chart.title);
    painter.setPen(QPen(QColor(215, 215, 215), 0));
    for (double y = minY; y <= maxY + step / 2; y += step) {
        const QPointF a = toScreen({minX, y});
        painter.drawLine(a, QPointF(plot.right(), a.y()));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(area.left(), a.y() - unit, labelWidth - unit / 2, 2 * unit),
                         Qt::AlignRight | Qt::AlignVCenter, yText(y));
        painter.setPen(QPen(QColor(215, 215, 215), 0));
    }
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(plot);
    const double xStep = niceStep(maxX - minX);
    for (double x = std::ceil(minX / xStep) * xStep; x <= maxX + xStep / 1000; x += xStep) {
        const QPointF a = toScreen({x, minY});
        painter.drawLine(a, a + QPointF(0, unit / 2));
        painter.drawText(QRectF(a.x() - 3 * unit, a.y() + unit / 2, 6 * unit, 1.5 * unit),
                         Qt::AlignHCenter | Qt::AlignTop, QString::number(x, 'g', 6));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + 2 * unit, plot.width(), 1.5 * unit),
                     Qt::AlignHCenter, chart.xLabel);
    if (minY < 0 && maxY > 0) {
        painter.setPen(QPen(Qt::black, 0, Qt::SolidLine));
        painter.drawLine(toScreen({minX, 0}), toScreen({maxX, 0}));
    }
    // The series, and a legend line under the axis caption.
    int barIndex = 0;
    int barCount = 0;
    for (const ChartSeries& s : chart.series)
        barCount += s.bars ? 1 : 0;
    double legendX = plot.left();
    const double legendY = plot.bottom() + 4 * unit;
    for (std::size_t i = 0; i < chart.series.size(); ++i) {
        const ChartSeries& s = chart.series[i];
        if (s.bars) {
            const QColor shade = kShades[barIndex % 3];
            painter.setPen(QPen(Qt::black, 0));
            painter.setBrush(shade);
            const double slot = plot.width() / std::max<std::size_t>(1, s.points.size()) * 0.8;
            const double width = slot / std::max(1, barCount);
            for (const QPointF& p : s.points) {
                const QPointF top = toScreen(p);
                const QPointF base = toScreen({p.x(), 0});
                painter.drawRect(QRectF(top.x() - slot / 2 + width * barIndex, std::min(top.y(), base.y()),
                                        width, std::fabs(base.y() - top.y())));
            }
            painter.drawRect(QRectF(legendX, legendY, unit, unit));
            ++barIndex;
        } else {
            painter.setPen(QPen(Qt::black, std::max(1.0, unit / 6), kStyles[i % 4]));
            painter.setBrush(Qt::NoBrush);
            QPolygonF line;
            for (const QPointF& p : s.points)
                line << toScreen(p);
            painter.drawPolyline(line);
            painter.drawLine(QPointF(legendX, legendY + unit / 2),
                             QPointF(legendX + 2 * unit, legendY + unit / 2));
        }
        painter.setPen(Qt::black);
        const double text = legendX + 2.5 * unit;
        painter.drawText(QPointF(text, legendY + unit), s.name);
        legendX = text + painter.fontMetrics().horizontalAdvance(s.name) + 2 * unit;
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

void ChartWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_charts.empty())
        return;
    const double height = static_cast<double>(this->height()) / static_cast<double>(m_charts.size());
    for (std::size_t i = 0; i < m_charts.size(); ++i)
        paintChart(painter, QRectF(4, 4 + height * static_cast<double>(i), width() - 8, height - 8),
                   m_charts[i]);
}

} // namespace qn::toolkit

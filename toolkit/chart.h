#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QPainter;

namespace qn::toolkit {

// A chart of a few series over one x axis, legible in greyscale: lines differ by dash
// pattern, bars by shade with a black outline. The same painting serves the pages, the
// preview and the printed reports.
struct ChartSeries {
    QString name;
    std::vector<QPointF> points;
    bool bars = false;
};

struct ChartData {
    QString title;
    QString xLabel;
    std::vector<ChartSeries> series;
    bool moneyAxis = true;  // the y axis in the user's currency form, else plain numbers
};

void paintChart(QPainter& painter, const QRectF& area, const ChartData& chart);

class ChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit ChartWidget(QWidget* parent = nullptr);
    void setCharts(std::vector<ChartData> charts);  // stacked top to bottom
    const std::vector<ChartData>& charts() const { return m_charts; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<ChartData> m_charts;
};

} // namespace qn::toolkit

#pragma once

#include <QFont>
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
    // A line of another size than the rest (a payment beside a balance) is drawn against an
    // axis of its own at the right, its figures at the same grid lines as the left's.
    bool rightAxis = false;
};

struct ChartData {
    QString title;
    QString xLabel;
    std::vector<ChartSeries> series;
    bool moneyAxis = true; // the y axis in the user's currency form, else plain numbers
};

// Where a chart's parts go inside `area`: the plot, every text's box and every bar. The text,
// in `font`'s family, is area.height() / 30 high, at least `minTextHeight` (both in the
// painter's units); the plot takes what the texts leave, bars stay inside it, and axis
// labels that would run into each other are left out.
struct ChartLayout {
    struct Text {
        QRectF box;
        QString text;
        int flags = 0; // Qt alignment flags
    };
    double textHeight = 0;
    QRectF plot;
    std::vector<Text> texts; // title, axis labels, axis caption, legend captions
    std::vector<QRectF> bars;
};
ChartLayout layOutChart(const QRectF& area, const ChartData& chart, const QFont& font,
                        double minTextHeight = 0);

void paintChart(QPainter& painter, const QRectF& area, const ChartData& chart,
                double minTextHeight = 0);

class ChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit ChartWidget(QWidget* parent = nullptr);
    void setCharts(std::vector<ChartData> charts); // stacked top to bottom
    const std::vector<ChartData>& charts() const { return m_charts; }
    // Where each chart lies in the widget, and its text height: no smaller than the smallest
    // legible font.
    std::vector<QRectF> chartAreas() const;
    double minTextHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<ChartData> m_charts;
};

} // namespace qn::toolkit

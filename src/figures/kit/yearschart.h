#pragma once

#include "base/text/chartdescription.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QWidget>

#include <array>
#include <vector>

class QFontMetricsF;
class QPainter;

namespace paysmith {

// Points of (years, figure) for each loan; an empty series draws nothing
// for that loan.
using YearsSeries = std::array<std::vector<QPointF>, 2>;

// A line across the chart at some years, named, such as the span a loan is
// kept for or where two offers' costs cross.
struct ChartMark {
    double years = 0.0;
    QString label;
};

// Rising lines leave the top left corner free, falling ones the top right.
enum class LegendCorner { TopRight, TopLeft };

// What a chart of both loans against the years shows.
struct YearsChart {
    QString title;
    YearsSeries series;
    std::vector<ChartMark> marks;
    LegendCorner legend = LegendCorner::TopRight;
    // Why a loan's series is empty, said where its line would be; without
    // one, the chart only says that there is no schedule.
    std::array<QString, 2> missing;
};

struct ChartInk {
    QColor background;
    QColor frame;
    QColor text;
};

// A mark's label as drawn, shortened to fit; an empty box when no room was
// left for it.
struct MarkLabel {
    QString text;
    QRectF box;
};

// Where drawYearsChart puts what may collide: the frame of the lines, the
// figure its top stands for and each mark's label, in the order of the marks.
struct YearsChartLayout {
    QRectF plot;
    double top = 0;
    std::vector<MarkLabel> markLabels;
};

YearsChartLayout layOutYearsChart(const QFontMetricsF& metrics, const QRectF& area,
                                  const YearsChart& chart);

// Both loans' figures against time in years, filling `area` in the
// painter's font. The widgets and the printouts all draw through this, so on
// paper a chart stays lines and text at any resolution.
void drawYearsChart(QPainter& painter, const QRectF& area, const YearsChart& chart,
                    const ChartInk& ink);

class TIntlSupport;

// A chart on a page, drawn with QPainter: no chart library to load, and a
// line of at most a few hundred points per loan, titled by its page. Screen
// readers get it as a chart named after its title and described by where each
// line starts and ends, in the figures of `format`.
class YearsChartWidget : public QWidget {
    Q_OBJECT
  public:
    // `format` must outlive the chart.
    explicit YearsChartWidget(const TIntlSupport& format, QWidget* parent = nullptr);

    void setSeries(int loan, std::vector<QPointF> points);
    const YearsSeries& series() const { return m_chart.series; }
    void setTitle(const QString& title);
    void setMarks(std::vector<ChartMark> marks);
    void setLegendCorner(LegendCorner corner);
    // Why loan 0 or 1 has no line; empty when it has one.
    void setMissing(int loan, const QString& why);
    const YearsChart& chart() const { return m_chart; }
    // Where the chart's parts go at its present size.
    YearsChartLayout laidOut() const;

    static constexpr int kMaxPoints = 600;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void describe();

    const TIntlSupport& m_format;
    YearsChart m_chart;
};

// Both loans' lines as the legend names them, for describeChart.
std::vector<ChartLine> chartLinesOf(const YearsSeries& series);

} // namespace paysmith

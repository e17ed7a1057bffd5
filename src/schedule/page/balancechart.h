#pragma once

#include "base/text/chartdescription.h"
#include "schedule/core/schedule.h"

#include <QColor>
#include <QPointF>
#include <QWidget>

#include <array>
#include <vector>

class QPainter;

namespace paysmith {

// Points of (years, balance) for each loan; an empty series draws nothing
// for that loan.
using BalanceSeries = std::array<std::vector<QPointF>, 2>;

struct ChartInk {
    QColor background;
    QColor frame;
    QColor text;
};

// Both loans' balances against time in years, filling `area` in the
// painter's font. The widget and the printed schedule both draw through this,
// so on paper the chart stays lines and text at any resolution.
void drawBalanceChart(QPainter& painter, const QRectF& area, const BalanceSeries& series,
                      const ChartInk& ink);

class TIntlSupport;

// The chart on the page, drawn with QPainter: no chart library to load, and
// a line of at most a few hundred points per loan. Screen readers get it as a
// chart named after its title and described by where each balance starts and
// ends, in the figures of `format`.
class BalanceChart : public QWidget {
    Q_OBJECT
  public:
    // `format` must outlive the chart.
    explicit BalanceChart(const TIntlSupport& format, QWidget* parent = nullptr);

    void setSeries(int loan, std::vector<QPointF> points);
    const BalanceSeries& series() const { return m_series; }

    static constexpr int kMaxPoints = 600;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void describe();

    const TIntlSupport& m_format;
    BalanceSeries m_series;
};

// Both loans' lines as the legend names them, for describeChart.
std::vector<ChartLine> chartLinesOf(const BalanceSeries& series);

// Every few balances of a schedule and its last, from the amount at year 0,
// so that a long schedule draws as fast as a short one.
std::vector<QPointF> balanceSeries(const LenderSchedule& schedule);

} // namespace paysmith

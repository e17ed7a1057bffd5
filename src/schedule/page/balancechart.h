#pragma once

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

// The chart on the page, drawn with QPainter: no chart library to load, and
// a line of at most a few hundred points per loan.
class BalanceChart : public QWidget {
    Q_OBJECT
  public:
    explicit BalanceChart(QWidget* parent = nullptr);

    void setSeries(int loan, std::vector<QPointF> points);
    const BalanceSeries& series() const { return m_series; }

    static constexpr int kMaxPoints = 600;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    BalanceSeries m_series;
};

// Every few balances of a schedule and its last, from the amount at year 0,
// so that a long schedule draws as fast as a short one.
std::vector<QPointF> balanceSeries(const LenderSchedule& schedule);

} // namespace paysmith

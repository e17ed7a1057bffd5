#pragma once

#include "schedule/core/schedule.h"

#include <QPointF>
#include <QWidget>

#include <array>
#include <vector>

namespace paysmith {

// Both loans' balances against time in years, drawn with QPainter: no chart
// library to load, and a line of at most a few hundred points per loan.
class BalanceChart : public QWidget {
    Q_OBJECT
  public:
    explicit BalanceChart(QWidget* parent = nullptr);

    // Points of (years, balance); an empty series draws nothing for that loan.
    void setSeries(int loan, std::vector<QPointF> points);

    static constexpr int kMaxPoints = 600;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::array<std::vector<QPointF>, 2> m_series;
};

// Every few balances of a schedule and its last, from the amount at year 0,
// so that a long schedule draws as fast as a short one.
std::vector<QPointF> balanceSeries(const LenderSchedule& schedule);

} // namespace paysmith

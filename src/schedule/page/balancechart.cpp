#include "schedule/page/balancechart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace paysmith {

namespace {

const QColor kLoanColours[2] = {QColor(0, 0, 200), QColor(200, 0, 0)};

// 1, 2 or 5 times a power of ten, so that about four ticks cover `range`.
double tickStep(double range) {
    if (!(range > 0))
        return 1;
    const double rough = range / 4;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= rough)
            return factor * power;
    return 10 * power;
}

QString tickText(double value) {
    if (value >= 1e6)
        return QString::number(value / 1e6, 'g', 3) + QStringLiteral("M");
    if (value >= 1e3)
        return QString::number(value / 1e3, 'g', 3) + QStringLiteral("k");
    return QString::number(value, 'g', 3);
}

} // namespace

BalanceChart::BalanceChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(160, 120);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BalanceChart::setSeries(int loan, std::vector<QPointF> points) {
    m_series[static_cast<std::size_t>(loan)] = std::move(points);
    update();
}

void BalanceChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    double maxYears = 0;
    double maxBalance = 0;
    for (const auto& series : m_series)
        for (const QPointF& p : series) {
            maxYears = std::max(maxYears, p.x());
            maxBalance = std::max(maxBalance, p.y());
        }
    const QFontMetrics metrics = painter.fontMetrics();
    const double balanceStep = tickStep(maxBalance);
    const double yearStep = tickStep(maxYears);
    const double top = std::max(balanceStep, std::ceil(maxBalance / balanceStep) * balanceStep);
    const double right = std::max(yearStep, std::ceil(maxYears / yearStep) * yearStep);
    const QRectF plot =
        QRectF(rect()).adjusted(metrics.horizontalAdvance(QStringLiteral("888.8k")) + 6,
                                6 + metrics.height(), -8, -metrics.height() - 6);
    auto at = [&](QPointF p) {
        return QPointF(plot.left() + p.x() / right * plot.width(),
                       plot.bottom() - p.y() / top * plot.height());
    };

    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(plot);
    painter.setPen(palette().color(QPalette::Text));
    for (double v = 0; v <= top + balanceStep / 2; v += balanceStep) {
        const QPointF p = at({0, v});
        painter.drawLine(p, p - QPointF(3, 0));
        painter.drawText(
            QRectF(0, p.y() - metrics.height() / 2.0, plot.left() - 5, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, tickText(v));
    }
    for (double v = 0; v <= right + yearStep / 2; v += yearStep) {
        const QPointF p = at({v, 0});
        painter.drawLine(p, p + QPointF(0, 3));
        painter.drawText(QRectF(p.x() - 30, p.y() + 3, 60, metrics.height()), Qt::AlignCenter,
                         tickText(v));
    }
    painter.drawText(QRectF(plot.left(), 0, plot.width(), metrics.height() + 4), Qt::AlignCenter,
                     tr("Balance against years"));

    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t loan = 0; loan < m_series.size(); ++loan) {
        if (m_series[loan].empty())
            continue;
        QPainterPath path(at(m_series[loan].front()));
        for (const QPointF& p : m_series[loan])
            path.lineTo(at(p));
        painter.setPen(QPen(kLoanColours[loan], 1.5));
        painter.drawPath(path);
        // The legend, top right.
        const QString name = loan == 0 ? tr("Loan 1") : tr("Loan 2");
        const QPointF key(plot.right() - 60, plot.top() + 8 + 14 * static_cast<double>(loan));
        painter.drawLine(key, key + QPointF(14, 0));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(key + QPointF(18, metrics.ascent() / 2.0 - 1), name);
    }
}

std::vector<QPointF> balanceSeries(const LenderSchedule& schedule) {
    const auto& rows = schedule.rows;
    if (rows.empty() || schedule.periodsPerYear <= 0)
        return {};
    const auto point = [&](std::size_t period, std::int64_t cents) {
        return QPointF(static_cast<double>(period) / schedule.periodsPerYear,
                       static_cast<double>(cents) / 100.0);
    };
    std::vector<QPointF> points{point(0, schedule.totals.principal)};
    const std::size_t step = rows.size() / BalanceChart::kMaxPoints + 1;
    for (std::size_t k = step - 1; k < rows.size(); k += step)
        points.push_back(point(k + 1, rows[k].balance));
    if (rows.size() % step != 0)
        points.push_back(point(rows.size(), rows.back().balance));
    return points;
}

} // namespace paysmith

#include "figures/kit/yearschart.h"

#include "base/accessible/chartaccessible.h"
#include "base/qt/qtstrings.h"
#include "numfield/text/intlsupport.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace paysmith {

namespace {

const QColor kLoanColours[2] = {QColor(0, 0, 200), QColor(200, 0, 0)};

QString chartText(const char* text) {
    return QCoreApplication::translate("paysmith::YearsChartWidget", text);
}

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

// A tick is a small multiple of 1, 2 or 5 times a power of ten, so three
// digits before the unit always do: "250K", "1.5M", "1B".
QString tickText(double value) {
    static const struct {
        double size;
        const char* pattern;
    } kUnits[] = {{1e9, QT_TRANSLATE_NOOP("paysmith::YearsChartWidget", "%1B")},
                  {1e6, QT_TRANSLATE_NOOP("paysmith::YearsChartWidget", "%1M")},
                  {1e3, QT_TRANSLATE_NOOP("paysmith::YearsChartWidget", "%1K")}};
    for (const auto& unit : kUnits)
        if (value >= unit.size)
            return chartText(unit.pattern).arg(QString::number(value / unit.size, 'g', 3));
    return QString::number(value, 'g', 3);
}

struct Axis {
    double step = 1;
    double end = 1;
    QStringList labels;
};

// Ticks from 0 to the first multiple of the step at or past `largest`.
Axis axisTo(double largest) {
    Axis axis;
    axis.step = tickStep(largest);
    axis.end = std::max(axis.step, std::ceil(largest / axis.step) * axis.step);
    // Counted, not summed, so no tick drifts from its multiple.
    for (int k = 0; k * axis.step <= axis.end + axis.step / 2; ++k)
        axis.labels << tickText(k * axis.step);
    return axis;
}

double widest(const QFontMetricsF& metrics, const QStringList& texts) {
    double width = 0;
    for (const QString& text : texts)
        width = std::max(width, metrics.horizontalAdvance(text));
    return width;
}

} // namespace

void drawYearsChart(QPainter& painter, const QRectF& area, const YearsChart& chart,
                    const ChartInk& ink) {
    const YearsSeries& series = chart.series;
    painter.save();
    painter.fillRect(area, ink.background);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double line = metrics.height();
    // Spacing and strokes follow the font, so that the chart keeps its
    // proportions on a screen and on paper alike.
    const double pad = line / 4;
    const double stroke = line / 12;
    painter.setPen(ink.text);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), line + pad), Qt::AlignCenter,
                     chart.title);

    double maxYears = 0;
    double maxBalance = 0;
    for (const ChartMark& mark : chart.marks)
        maxYears = std::max(maxYears, mark.years);
    for (const auto& points : series)
        for (const QPointF& p : points) {
            maxYears = std::max(maxYears, p.x());
            maxBalance = std::max(maxBalance, p.y());
        }
    QStringList missing;
    for (std::size_t loan = 0; loan < series.size(); ++loan)
        if (series[loan].empty() && !chart.missing[loan].isEmpty())
            missing << chart.missing[loan];
    if (series[0].empty() && series[1].empty()) {
        if (missing.isEmpty())
            missing << chartText(QT_TRANSLATE_NOOP("paysmith::YearsChartWidget", "No schedule"));
        painter.drawText(area.adjusted(pad, line + pad, -pad, -pad),
                         Qt::AlignCenter | Qt::TextWordWrap, missing.join(QLatin1Char('\n')));
        painter.restore();
        return;
    }
    // A loan without a line says why under the title, and the plot makes room.
    const QRectF missingBox(area.left() + pad, area.top() + line + pad, area.width() - 2 * pad,
                            area.height());
    const double missingHeight =
        missing.isEmpty()
            ? 0.0
            : metrics.boundingRect(missingBox, Qt::TextWordWrap, missing.join(QLatin1Char('\n')))
                  .height();
    if (missingHeight > 0)
        painter.drawText(missingBox, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                         missing.join(QLatin1Char('\n')));

    const Axis balances = axisTo(maxBalance);
    const Axis years = axisTo(maxYears);
    // The last year's label is centred on the frame's right edge; the margin
    // keeps its right half inside the area.
    const double rightMargin =
        std::max(2 * pad, metrics.horizontalAdvance(years.labels.back()) / 2 + stroke);
    const QRectF plot =
        area.adjusted(widest(metrics, balances.labels) + 3 * pad, line + 2 * pad + missingHeight,
                      -rightMargin, -line - 2 * pad);
    auto at = [&](QPointF p) {
        return QPointF(plot.left() + p.x() / years.end * plot.width(),
                       plot.bottom() - p.y() / balances.end * plot.height());
    };

    painter.setPen(QPen(ink.frame, stroke));
    painter.drawRect(plot);
    painter.setPen(QPen(ink.text, stroke));
    for (int k = 0; k < balances.labels.size(); ++k) {
        const QPointF p = at({0, k * balances.step});
        painter.drawLine(p, p - QPointF(pad, 0));
        painter.drawText(
            QRectF(area.left(), p.y() - line / 2, plot.left() - area.left() - 2 * pad, line),
            Qt::AlignRight | Qt::AlignVCenter, balances.labels[k]);
    }
    for (int k = 0; k < years.labels.size(); ++k) {
        const QPointF p = at({k * years.step, 0});
        painter.drawLine(p, p + QPointF(0, pad));
        const double width = metrics.horizontalAdvance(years.labels[k]);
        painter.drawText(QRectF(p.x() - width, p.y() + pad, 2 * width, line), Qt::AlignCenter,
                         years.labels[k]);
    }

    painter.setPen(QPen(ink.frame, stroke, Qt::DashLine));
    // Labels go on rows of text up from the bottom of the frame, each on the
    // lowest row where it overlaps no label before it, so that marks close
    // together stay readable; with more than the frame holds, the bottom row
    // takes the rest.
    const auto rowCount =
        static_cast<std::size_t>(std::max(1.0, std::floor((plot.height() - pad) / line)));
    std::vector<std::vector<QRectF>> rows(rowCount);
    for (const ChartMark& mark : chart.marks) {
        const QPointF foot = at({mark.years, 0});
        painter.drawLine(foot, QPointF(foot.x(), plot.top()));
        // Beside its line, inside the frame.
        const double width = metrics.horizontalAdvance(mark.label);
        const bool leftOfLine = foot.x() + pad + width > plot.right();
        const double left = leftOfLine ? foot.x() - pad - width : foot.x() + pad;
        std::size_t row = 0;
        while (row < rowCount &&
               std::any_of(rows[row].begin(), rows[row].end(), [&](const QRectF& taken) {
                   return taken.left() < left + width + pad && left < taken.right() + pad;
               }))
            ++row;
        if (row == rowCount)
            row = 0;
        const QRectF box(left, plot.bottom() - pad - line * static_cast<double>(row + 1), width,
                         line);
        rows[row].push_back(box);
        painter.save();
        painter.setPen(ink.text);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, mark.label);
        painter.restore();
    }

    const double keyLength = metrics.horizontalAdvance(QStringLiteral("MM"));
    const QString names[2] = {chartText(QT_TRANSLATE_NOOP("paysmith::YearsChartWidget", "Loan 1")),
                              chartText(QT_TRANSLATE_NOOP("paysmith::YearsChartWidget", "Loan 2"))};
    const double legendWidth = keyLength + pad + widest(metrics, {names[0], names[1]});
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t loan = 0; loan < series.size(); ++loan) {
        if (series[loan].empty())
            continue;
        QPainterPath path(at(series[loan].front()));
        for (const QPointF& p : series[loan])
            path.lineTo(at(p));
        painter.setPen(QPen(kLoanColours[loan], 1.5 * stroke));
        painter.drawPath(path);
        // The legend, top right, where a falling balance leaves room.
        const double keyLeft = chart.legend == LegendCorner::TopLeft
                                   ? plot.left() + 2 * pad
                                   : plot.right() - legendWidth - 2 * pad;
        const QPointF key(keyLeft, plot.top() + pad + line * (static_cast<double>(loan) + 0.5));
        painter.drawLine(key, key + QPointF(keyLength, 0));
        painter.setPen(ink.text);
        painter.drawText(QRectF(key.x() + keyLength + pad, key.y() - line / 2, legendWidth, line),
                         Qt::AlignLeft | Qt::AlignVCenter, names[loan]);
    }
    painter.restore();
}

YearsChartWidget::YearsChartWidget(const TIntlSupport& format, QWidget* parent)
    : QWidget(parent), m_format(format) {
    setMinimumSize(160, 120);
    setAttribute(Qt::WA_OpaquePaintEvent);
    describe();
}

void YearsChartWidget::setSeries(int loan, std::vector<QPointF> points) {
    m_chart.series[static_cast<std::size_t>(loan)] = std::move(points);
    describe();
    update();
}

void YearsChartWidget::setTitle(const QString& title) {
    m_chart.title = title;
    describe();
    update();
}

void YearsChartWidget::setMarks(std::vector<ChartMark> marks) {
    m_chart.marks = std::move(marks);
    describe();
    update();
}

void YearsChartWidget::setLegendCorner(LegendCorner corner) {
    m_chart.legend = corner;
    update();
}

void YearsChartWidget::setMissing(int loan, const QString& why) {
    m_chart.missing[static_cast<std::size_t>(loan)] = why;
    describe();
    update();
}

void YearsChartWidget::describe() {
    ChartWording wording = translatedChartWording();
    std::vector<ChartLine> lines = chartLinesOf(m_chart.series);
    // A loan without a line is heard with the reason the chart shows, which
    // names the loan itself.
    wording.empty = u"%1";
    for (std::size_t loan = 0; loan < lines.size(); ++loan)
        if (lines[loan].points.empty())
            lines[loan].name = toU16String(
                m_chart.missing[loan].isEmpty()
                    ? chartText(QT_TRANSLATE_NOOP("paysmith::YearsChartWidget", "%1: no schedule"))
                          .arg(toQString(lines[loan].name))
                    : m_chart.missing[loan]);
    std::vector<ChartMarkAt> marks;
    for (const ChartMark& mark : m_chart.marks)
        marks.push_back({toU16String(mark.label), mark.years});
    describeChartWidget(this, m_chart.title, lines, m_format.DecimalMark(), m_format.GroupMark(),
                        wording, marks);
}

void YearsChartWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawYearsChart(painter, rect(), m_chart,
                   {palette().color(QPalette::Base), palette().color(QPalette::Mid),
                    palette().color(QPalette::Text)});
    // Reached by Tab for a screen reader, the chart shows that it has the focus.
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

std::vector<ChartLine> chartLinesOf(const YearsSeries& series) {
    std::vector<ChartLine> lines;
    const char* const names[2] = {QT_TRANSLATE_NOOP("paysmith::YearsChartWidget", "Loan 1"),
                                  QT_TRANSLATE_NOOP("paysmith::YearsChartWidget", "Loan 2")};
    for (std::size_t loan = 0; loan < series.size(); ++loan) {
        ChartLine line{toU16String(chartText(names[loan])), {}};
        for (const QPointF& p : series[loan])
            line.points.push_back({p.x(), p.y()});
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace paysmith

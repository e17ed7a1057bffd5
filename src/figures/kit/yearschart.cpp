#include "figures/kit/yearschart.h"

#include "base/accessible/chartaccessible.h"
#include "base/qt/qtstrings.h"
#include "base/qt/readablecolour.h"
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

// As printed; on a dark screen a line is lightened until it shows.
const QColor kLoanColours[2] = {QColor(0, 0, 200), QColor(200, 0, 0)};

QString chartText(const char* text) {
    return QCoreApplication::translate("paysmith::YearsChartWidget", text);
}

// The least of 1, 2 or 5 times a power of ten that reaches `range` in at most
// five steps, so that the axis ends within a step of the data: a cost of
// 440K is read against 500K, not 600K.
double tickStep(double range) {
    if (!(range > 0))
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(range / 5)));
    for (double factor : {1.0, 2.0, 5.0})
        if (5 * factor * power >= range)
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

// Where the reasons of loans without a line go: under the title, across.
QRectF missingBoxOf(const QRectF& area, double line, double pad) {
    return QRectF(area.left() + pad, area.top() + line + pad, area.width() - 2 * pad,
                  area.height());
}

// What the chart's parts take in `area`, and the lines the missing loans'
// reasons fill under the title.
struct Frame {
    QStringList missing;
    double missingHeight = 0;
    Axis balances;
    Axis years;
    QRectF plot;
};

Frame frameOf(const QFontMetricsF& metrics, const QRectF& area, const YearsChart& chart) {
    Frame frame;
    const double line = metrics.height();
    const double pad = line / 4;
    const double stroke = line / 12;
    double maxYears = 0;
    double maxBalance = 0;
    for (const ChartMark& mark : chart.marks)
        maxYears = std::max(maxYears, mark.years);
    for (const auto& points : chart.series)
        for (const QPointF& p : points) {
            maxYears = std::max(maxYears, p.x());
            maxBalance = std::max(maxBalance, p.y());
        }
    for (std::size_t loan = 0; loan < chart.series.size(); ++loan)
        if (chart.series[loan].empty() && !chart.missing[loan].isEmpty())
            frame.missing << chart.missing[loan];
    if (!frame.missing.isEmpty())
        frame.missingHeight = metrics
                                  .boundingRect(missingBoxOf(area, line, pad), Qt::TextWordWrap,
                                                frame.missing.join(QLatin1Char('\n')))
                                  .height();
    frame.balances = axisTo(maxBalance);
    frame.years = axisTo(maxYears);
    // The last year's label is centred on the frame's right edge; the margin
    // keeps its right half inside the area.
    const double rightMargin =
        std::max(2 * pad, metrics.horizontalAdvance(frame.years.labels.back()) / 2 + stroke);
    frame.plot = area.adjusted(widest(metrics, frame.balances.labels) + 3 * pad,
                               line + 2 * pad + frame.missingHeight, -rightMargin, -line - 2 * pad);
    return frame;
}

// Each mark's label beside its line, inside the frame, on rows of text up from
// the frame's bottom: on the lowest row, and on the side of its line, where it
// overlaps no label before it. A label wider than the frame is shortened; one
// that finds no room below the legend is left out, as the mark's line still
// shows and the page says in words where the costs cross.
std::vector<MarkLabel> markLabelsOf(const QFontMetricsF& metrics, const Frame& frame,
                                    const YearsChart& chart) {
    const double line = metrics.height();
    const double pad = line / 4;
    const QRectF& plot = frame.plot;
    const double legendHeight = pad + 2 * line;
    const auto rowCount = static_cast<int>(std::floor((plot.height() - pad - legendHeight) / line));
    std::vector<MarkLabel> labels;
    for (const ChartMark& mark : chart.marks) {
        MarkLabel label;
        label.text = metrics.elidedText(mark.label, Qt::ElideRight, plot.width() - 2 * pad);
        const double width = metrics.horizontalAdvance(label.text);
        const double foot = plot.left() + mark.years / frame.years.end * plot.width();
        const auto inside = [&](double left) {
            return std::max(plot.left() + pad, std::min(left, plot.right() - pad - width));
        };
        const double sides[2] = {inside(foot + pad), inside(foot - pad - width)};
        for (int row = 0; row < rowCount && label.box.isEmpty(); ++row)
            for (const double left : sides) {
                const QRectF box(left, plot.bottom() - pad - line * (row + 1), width, line);
                const bool clear =
                    std::none_of(labels.begin(), labels.end(), [&](const auto& other) {
                        return other.box.adjusted(-pad, 0, pad, 0).intersects(box);
                    });
                if (clear) {
                    label.box = box;
                    break;
                }
            }
        labels.push_back(std::move(label));
    }
    return labels;
}

} // namespace

YearsChartLayout layOutYearsChart(const QFontMetricsF& metrics, const QRectF& area,
                                  const YearsChart& chart) {
    const Frame frame = frameOf(metrics, area, chart);
    return {frame.plot, frame.balances.end, markLabelsOf(metrics, frame, chart)};
}

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

    const Frame frame = frameOf(metrics, area, chart);
    QStringList missing = frame.missing;
    if (series[0].empty() && series[1].empty()) {
        if (missing.isEmpty())
            missing << chartText(QT_TRANSLATE_NOOP("paysmith::YearsChartWidget", "No schedule"));
        painter.drawText(area.adjusted(pad, line + pad, -pad, -pad),
                         Qt::AlignCenter | Qt::TextWordWrap, missing.join(QLatin1Char('\n')));
        painter.restore();
        return;
    }
    // A loan without a line says why under the title, and the plot makes room.
    if (frame.missingHeight > 0)
        painter.drawText(missingBoxOf(area, line, pad),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                         missing.join(QLatin1Char('\n')));

    const Axis& balances = frame.balances;
    const Axis& years = frame.years;
    const QRectF& plot = frame.plot;
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
    for (const ChartMark& mark : chart.marks) {
        const QPointF foot = at({mark.years, 0});
        painter.drawLine(foot, QPointF(foot.x(), plot.top()));
    }
    painter.setPen(ink.text);
    for (const MarkLabel& label : markLabelsOf(metrics, frame, chart))
        if (!label.box.isEmpty())
            painter.drawText(label.box, Qt::AlignLeft | Qt::AlignVCenter, label.text);

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
        painter.setPen(
            QPen(readableAccent(kLoanColours[loan], ink.background, kLineContrast), 1.5 * stroke));
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

YearsChartLayout YearsChartWidget::laidOut() const {
    return layOutYearsChart(QFontMetricsF(font(), this), rect(), m_chart);
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

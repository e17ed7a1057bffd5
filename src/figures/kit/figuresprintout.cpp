#include "figures/kit/figuresprintout.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace paysmith {

namespace {

// In points. Half an inch of paper stays blank at least, whatever the
// printer's own margins.
constexpr double kMinMargin = 36;
constexpr double kCellPad = 4;
constexpr double kGap = 10;
constexpr double kRule = 0.5;

const QColor kHeaderShade(224, 224, 224);
const QColor kRowShade(244, 244, 244);
const QColor kRuleColour(128, 128, 128);

} // namespace

FiguresPrintout::FiguresPrintout(FiguresDocument document, QPagedPaintDevice& device,
                                 const QString& family)
    : m_document(std::move(document)), m_device(device), m_family(family) {
    const QPageLayout layout = device.pageLayout();
    const QRectF paper = layout.fullRect(QPageLayout::Point);
    const QRectF printable = layout.paintRect(QPageLayout::Point);
    const QRectF text =
        printable.intersected(paper.adjusted(kMinMargin, kMinMargin, -kMinMargin, -kMinMargin));
    m_origin = text.topLeft() - printable.topLeft();
    m_width = text.width();
    m_height = text.height() - heightOf(Style::Footer);
    layOut();
}

QFont FiguresPrintout::font(Style style) const {
    QFont font(m_family);
    // Sizes in points, the painter's unit; unhinted, so that widths measured
    // here are the widths on paper.
    font.setHintingPreference(QFont::PreferNoHinting);
    switch (style) {
    case Style::Title:
        font.setPixelSize(14);
        font.setBold(true);
        break;
    case Style::Heading:
        font.setPixelSize(11);
        font.setBold(true);
        break;
    case Style::Header:
    case Style::Total:
        font.setPixelSize(9);
        font.setBold(true);
        break;
    case Style::Note:
    case Style::Row:
        font.setPixelSize(9);
        break;
    case Style::Chart:
    case Style::Footer:
        font.setPixelSize(8);
        break;
    }
    return font;
}

double FiguresPrintout::heightOf(Style style) const {
    if (style == Style::Chart)
        return m_width * 0.45;
    // Every line of a table is as high, whatever its weight.
    const Style sized = style == Style::Header || style == Style::Total ? Style::Row : style;
    return QFontMetricsF(font(sized), &m_device).height() * 1.3;
}

double FiguresPrintout::textHeight(Style style, const QString& text) const {
    const QRectF bounds = QFontMetricsF(font(style), &m_device)
                              .boundingRect(QRectF(0, 0, m_width, 1e6), Qt::TextWordWrap, text);
    return std::max(heightOf(style), bounds.height() + heightOf(style) / 3);
}

int FiguresPrintout::setColumns(const PrintedTable& table, Width width) {
    const QFontMetricsF plain(font(Style::Row), &m_device);
    const QFontMetricsF bold(font(Style::Header), &m_device);
    Columns columns;
    columns.alignments = table.alignments;
    const std::size_t count = table.alignments.size();
    columns.width.assign(count, 2 * kCellPad);
    const auto measure = [&](const QStringList& cells, const QFontMetricsF& metrics) {
        for (std::size_t k = 0; k < count && k < static_cast<std::size_t>(cells.size()); ++k)
            columns.width[k] = std::max(
                columns.width[k],
                metrics.horizontalAdvance(cells[static_cast<qsizetype>(k)]) + 2 * kCellPad);
    };
    measure(table.header, bold);
    for (const QStringList& row : table.rows)
        measure(row, plain);
    measure(table.total, bold);

    const double natural = std::accumulate(columns.width.begin(), columns.width.end(), 0.0);
    if (natural > m_width) {
        for (double& w : columns.width)
            w *= m_width / natural;
    } else if (width == Width::FillPage && count > 1) {
        // The first column names its line; the figures share the room left.
        for (std::size_t k = 1; k < count; ++k)
            columns.width[k] += (m_width - natural) / static_cast<double>(count - 1);
    }
    double left = 0;
    for (double w : columns.width) {
        columns.left.push_back(left);
        left += w;
    }
    m_columns.push_back(std::move(columns));
    return static_cast<int>(m_columns.size() - 1);
}

void FiguresPrintout::layOut() {
    const int inputs = setColumns(m_document.inputs, Width::Natural);
    const int details = setColumns(m_document.details, Width::FillPage);
    const int summary = setColumns(m_document.summary, Width::FillPage);

    startPage();
    putText(Style::Title, m_document.title);
    putTable(m_document.inputs, inputs);
    gap();
    if (!m_document.details.rows.empty()) {
        putTable(m_document.details, details);
        if (!m_document.detailsNote.isEmpty())
            putText(Style::Note, m_document.detailsNote);
    } else if (!m_document.noDetailsReason.isEmpty())
        putText(Style::Note, m_document.noDetailsReason);

    // The comparison and the chart each keep to one page.
    if (!m_document.summary.rows.empty()) {
        gap();
        const double summaryHeight =
            textHeight(Style::Heading, m_document.summaryTitle) +
            heightOf(Style::Row) * static_cast<double>(m_document.summary.rows.size() + 1);
        if (!fits(summaryHeight))
            startPage();
        putText(Style::Heading, m_document.summaryTitle);
        putTable(m_document.summary, summary);
        if (!m_document.summaryNote.isEmpty())
            putText(Style::Note, m_document.summaryNote);
    }
    gap();
    if (!fits(heightOf(Style::Chart)))
        startPage();
    putLine(Style::Chart, {}, -1, heightOf(Style::Chart));
}

void FiguresPrintout::startPage() {
    m_pages.emplace_back();
    m_y = 0;
}

void FiguresPrintout::gap() {
    if (m_y > 0)
        m_y += kGap;
}

bool FiguresPrintout::fits(double height) const {
    return m_y + height <= m_height;
}

void FiguresPrintout::putText(Style style, const QString& text) {
    const double height = textHeight(style, text);
    if (!fits(height))
        startPage();
    putLine(style, {text}, -1, height);
}

void FiguresPrintout::putLine(Style style, QStringList cells, int columns, double height) {
    const bool shaded = style == Style::Row && !m_pages.back().empty() &&
                        m_pages.back().back().style == Style::Row && !m_pages.back().back().shaded;
    m_pages.back().push_back({style, std::move(cells), columns, m_y, height, shaded});
    m_y += height;
}

void FiguresPrintout::putTable(const PrintedTable& table, int columns) {
    const double height = heightOf(Style::Row);
    const auto putHeader = [&] {
        if (!table.header.isEmpty())
            putLine(Style::Header, table.header, columns, height);
    };
    // A header never ends a page.
    if (!fits(2 * height))
        startPage();
    putHeader();
    const auto putRow = [&](Style style, const QStringList& cells) {
        if (!fits(height)) {
            startPage();
            putHeader();
        }
        putLine(style, cells, columns, height);
    };
    for (const QStringList& row : table.rows)
        putRow(Style::Row, row);
    if (!table.total.isEmpty())
        putRow(Style::Total, table.total);
}

QString FiguresPrintout::pageNumber(int page) const {
    return QCoreApplication::translate("paysmith::FiguresPrintout", "Page %1 of %2")
        .arg(page + 1)
        .arg(pageCount());
}

QStringList FiguresPrintout::pageText(int page) const {
    QStringList text;
    for (const Line& line : m_pages[static_cast<std::size_t>(page)])
        if (!line.cells.isEmpty())
            text << line.cells.join(QLatin1Char('\t'));
    text << m_document.title + QLatin1Char('\t') + pageNumber(page);
    return text;
}

bool FiguresPrintout::print() {
    QPainter painter;
    if (!painter.begin(&m_device))
        return false;
    for (int page = 0; page < pageCount(); ++page) {
        if (page > 0 && !m_device.newPage())
            return false;
        painter.save();
        painter.scale(m_device.logicalDpiX() / 72.0, m_device.logicalDpiY() / 72.0);
        painter.translate(m_origin);
        paintPage(painter, m_pages[static_cast<std::size_t>(page)], page);
        painter.restore();
    }
    return painter.end();
}

void FiguresPrintout::paintPage(QPainter& painter, const Page& page, int number) const {
    for (const Line& line : page) {
        const QRectF box(0, line.top, m_width, line.height);
        painter.setFont(font(line.style));
        switch (line.style) {
        case Style::Title:
        case Style::Heading:
        case Style::Note:
        case Style::Footer:
            painter.setPen(Qt::black);
            painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                             line.cells.front());
            break;
        case Style::Chart:
            drawYearsChart(painter, box, m_document.chart, {Qt::white, kRuleColour, Qt::black});
            break;
        case Style::Header:
        case Style::Row:
        case Style::Total:
            paintCells(painter, line);
            break;
        }
    }
    painter.setFont(font(Style::Footer));
    painter.setPen(Qt::black);
    const QRectF foot(0, m_height, m_width, heightOf(Style::Footer));
    painter.drawText(foot, Qt::AlignLeft | Qt::AlignBottom, m_document.title);
    painter.drawText(foot, Qt::AlignRight | Qt::AlignBottom, pageNumber(number));
}

void FiguresPrintout::paintCells(QPainter& painter, const Line& line) const {
    const Columns& columns = m_columns[static_cast<std::size_t>(line.columns)];
    const QRectF box(0, line.top, columns.left.back() + columns.width.back(), line.height);
    if (line.style == Style::Header)
        painter.fillRect(box, kHeaderShade);
    else if (line.shaded)
        painter.fillRect(box, kRowShade);
    if (line.style == Style::Total) {
        painter.setPen(QPen(kRuleColour, kRule));
        painter.drawLine(box.topLeft(), box.topRight());
    }
    painter.setPen(Qt::black);
    for (std::size_t k = 0;
         k < columns.left.size() && k < static_cast<std::size_t>(line.cells.size()); ++k) {
        const QRectF cell(columns.left[k] + kCellPad, line.top, columns.width[k] - 2 * kCellPad,
                          line.height);
        painter.drawText(cell, columns.alignments[k] | Qt::AlignVCenter,
                         line.cells[static_cast<qsizetype>(k)]);
    }
}

} // namespace paysmith

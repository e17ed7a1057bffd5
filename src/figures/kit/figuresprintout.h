#pragma once

#include "figures/kit/figuresdocument.h"

#include <QFont>
#include <QPointF>
#include <QStringList>

#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace paysmith {

// A document of figures set on the pages of a printer or PDF writer, portrait
// or not as the device's page layout says: a table's header line repeats on
// each page the table runs onto, each page is numbered, and text stays text,
// so a reader can search and select it and a long schedule stays small.
class FiguresPrintout {
  public:
    // Lays `document` out for `device`'s pages in `family`. The device must
    // outlive this.
    FiguresPrintout(FiguresDocument document, QPagedPaintDevice& device, const QString& family);

    int pageCount() const { return static_cast<int>(m_pages.size()); }
    // A page's lines as a reader finds them, a table's cells separated by
    // tabs, down to its footer.
    QStringList pageText(int page) const;
    // False when the device cannot be painted on.
    bool print();

  private:
    enum class Style { Title, Heading, Note, Header, Row, Total, Chart, Footer };
    struct Columns {
        std::vector<double> left;
        std::vector<double> width;
        std::vector<Qt::Alignment> alignments;
    };
    struct Line {
        Style style;
        QStringList cells;
        int columns; // into m_columns; -1 for a line across the page
        double top;
        double height;
        bool shaded; // every other row, so that the eye keeps to its line
    };
    using Page = std::vector<Line>;
    enum class Width { Natural, FillPage };

    QFont font(Style style) const;
    double heightOf(Style style) const;
    double textHeight(Style style, const QString& text) const;
    int setColumns(const PrintedTable& table, Width width);
    void layOut();
    void startPage();
    void gap();
    bool fits(double height) const;
    void putText(Style style, const QString& text);
    void putLine(Style style, QStringList cells, int columns, double height);
    void putTable(const PrintedTable& table, int columns);
    QString pageNumber(int page) const;
    void paintPage(QPainter& painter, const Page& page, int number) const;
    void paintCells(QPainter& painter, const Line& line) const;

    FiguresDocument m_document;
    QPagedPaintDevice& m_device;
    QString m_family;
    QPointF m_origin; // the text area's corner, in points from the painter's
    double m_width = 0;
    double m_height = 0; // above the footer
    std::vector<Columns> m_columns;
    std::vector<Page> m_pages;
    double m_y = 0;
};

} // namespace paysmith

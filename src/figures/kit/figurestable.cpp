#include "figures/kit/figurestable.h"

#include "base/hint/hint.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace paysmith {

namespace {

constexpr int kRowHeight = 16;

QTableWidgetItem* readOnlyItem(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(alignment);
    return item;
}

// As wide as its captions and figures, however wide its stretched last
// column has been laid out: measured back, that column would keep a table
// grown once (a page built narrow, then widened) from ever giving room back.
class FiguresTable : public QTableWidget {
  public:
    using QTableWidget::QTableWidget;

  protected:
    QSize viewportSizeHint() const override {
        QSize size = QTableWidget::viewportSizeHint();
        const QHeaderView* header = horizontalHeader();
        int needed = 0;
        for (int column = 0; column < columnCount(); ++column)
            needed += std::max(header->sectionSizeHint(column), sizeHintForColumn(column));
        size.rwidth() += needed - header->length();
        return size;
    }
};

QString tableText(const char* text) {
    return QCoreApplication::translate("paysmith::FiguresTable", text);
}

} // namespace

QTableWidget* figuresTable(QWidget* parent, const char* name, int rows) {
    auto* table = new FiguresTable(rows, 3, parent);
    table->setObjectName(QLatin1String(name));
    QFont small = parent->font();
    small.setPixelSize(11);
    table->setFont(small);
    table->setHorizontalHeaderLabels(
        {tableText(QT_TRANSLATE_NOOP("paysmith::FiguresTable", "Loan 1")),
         tableText(QT_TRANSLATE_NOOP("paysmith::FiguresTable", "Loan 2")),
         tableText(QT_TRANSLATE_NOOP("paysmith::FiguresTable", "Loan 2 − Loan 1"))});
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    table->horizontalHeader()->setHighlightSections(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setFixedHeight(kRowHeight + 2);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Reached by Tab, where a screen reader reads it cell by cell with the
    // arrow keys; Tab goes on at once.
    table->setFocusPolicy(Qt::StrongFocus);
    table->setTabKeyNavigation(false);
    // All its rows where there is room. Short of it (the Schedule page at its
    // designed size with both of its notes) it keeps four and scrolls the
    // rest, rather than running under the note below it.
    const auto heightFor = [&](int shown) {
        return kRowHeight * (shown + 1) + 2 + 2 * table->frameWidth();
    };
    table->setMaximumHeight(heightFor(rows));
    table->setMinimumHeight(heightFor(std::min(rows, 4)));
    // As wide as its captions and figures; what is left goes to the chart.
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    return table;
}

void setFiguresRow(QTableWidget* table, int row, const QString& caption, const QStringList& texts) {
    table->setVerticalHeaderItem(row, readOnlyItem(caption, Qt::AlignLeft | Qt::AlignVCenter));
    for (int column = 0; column < texts.size(); ++column) {
        QTableWidgetItem* item = readOnlyItem(texts[column], Qt::AlignRight | Qt::AlignVCenter);
        // A reader moving down a column says the figure alone, which without
        // its row means nothing.
        item->setData(Qt::AccessibleTextRole, caption + QStringLiteral(", ") + texts[column]);
        table->setItem(row, column, item);
    }
}

void addPageButtons(QBoxLayout* layout, QWidget* page, std::initializer_list<PageButton> buttons) {
    for (const PageButton& b : buttons) {
        auto* button = new QPushButton(b.caption, page);
        button->setObjectName(QLatin1String(b.name));
        setHint(button, b.hint);
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, page, b.action);
        layout->addWidget(button);
    }
}

} // namespace paysmith

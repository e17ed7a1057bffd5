#include "figures/kit/figurestable.h"

#include "base/hint/hint.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace paysmith {

namespace {

constexpr int kRowHeight = 16;

QTableWidgetItem* readOnlyItem(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(alignment);
    return item;
}

QString tableText(const char* text) {
    return QCoreApplication::translate("paysmith::FiguresTable", text);
}

} // namespace

QTableWidget* figuresTable(QWidget* parent, const char* name, int rows) {
    auto* table = new QTableWidget(rows, 3, parent);
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
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Reached by Tab, where a screen reader reads it cell by cell with the
    // arrow keys; Tab goes on at once.
    table->setFocusPolicy(Qt::StrongFocus);
    table->setTabKeyNavigation(false);
    table->setFixedHeight(kRowHeight * (rows + 1) + 2 + 2 * table->frameWidth());
    // As wide as its captions and figures; what is left goes to the chart.
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    return table;
}

void setFiguresRow(QTableWidget* table, int row, const QString& caption, const QStringList& texts) {
    table->setVerticalHeaderItem(row, readOnlyItem(caption, Qt::AlignLeft | Qt::AlignVCenter));
    for (int column = 0; column < texts.size(); ++column)
        table->setItem(row, column, readOnlyItem(texts[column], Qt::AlignRight | Qt::AlignVCenter));
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

#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>

class QBoxLayout;
class QTableWidget;
class QWidget;

namespace paysmith {

// A small table of figures of both loans and their difference, a caption a
// row: compact rows, each column as wide as its largest figure, never
// scrolled, so that none is ever cut short.
QTableWidget* figuresTable(QWidget* parent, const char* name, int rows);
// A row's caption and its texts, the figures aligned right.
void setFiguresRow(QTableWidget* table, int row, const QString& caption, const QStringList& texts);

// A page's push button: its object name, caption, hint and action.
struct PageButton {
    const char* name;
    QString caption;
    QString hint;
    std::function<void()> action;
};

void addPageButtons(QBoxLayout* layout, QWidget* page, std::initializer_list<PageButton> buttons);

} // namespace paysmith

#pragma once

#include "figures/kit/figuresdocument.h"

#include <QPageSize>
#include <QString>

#include <functional>

class QWidget;

namespace paysmith {

// A page's document, made only once the user has chosen where it goes.
using DocumentMaker = std::function<FiguresDocument()>;

// Through the print dialog, in the parent's font; a failure is told in a
// message box.
void printDocument(QWidget* parent, const DocumentMaker& document);
// As a PDF file chosen in a file dialog, whole or not at all.
void saveDocumentAsPdf(QWidget* parent, const QString& defaultName, const DocumentMaker& document);
// Into a CSV file chosen in a file dialog; `write` writes the file at the
// path, whole or not at all, and says whether it did.
void saveCsv(QWidget* parent, const QString& caption, const QString& defaultName,
             const std::function<bool(const QString& path)>& write);

// Paper as most printers of the user's country hold it.
QPageSize localPaper();

} // namespace paysmith

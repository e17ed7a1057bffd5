#include "figures/kit/documentoutput.h"

#include "base/print/printing.h"
#include "base/qt/wholefile.h"
#include "figures/kit/figuresprintout.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPdfWriter>
#include <QWidget>

namespace paysmith {

namespace {

QString outputText(const char* text) {
    return QCoreApplication::translate("paysmith::DocumentOutput", text);
}

void warnNotWritten(QWidget* parent, const QString& caption, const QString& path) {
    QMessageBox::warning(
        parent, caption,
        outputText(QT_TRANSLATE_NOOP("paysmith::DocumentOutput",
                                     "The file %1 could not be written. Nothing was saved."))
            .arg(QDir::toNativeSeparators(path)));
}

bool printTo(QWidget* parent, const DocumentMaker& document, QPagedPaintDevice& device) {
    return FiguresPrintout(document(), device, parent->font().family()).print();
}

} // namespace

QPageSize localPaper() {
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

void printDocument(QWidget* parent, const DocumentMaker& document) {
    const QString failure = printThroughDialog(
        parent, [&](QPagedPaintDevice& printer) { printTo(parent, document, printer); });
    if (!failure.isEmpty())
        QMessageBox::warning(
            parent, outputText(QT_TRANSLATE_NOOP("paysmith::DocumentOutput", "Print")), failure);
}

void saveDocumentAsPdf(QWidget* parent, const QString& defaultName, const DocumentMaker& document) {
    const QString caption =
        outputText(QT_TRANSLATE_NOOP("paysmith::DocumentOutput", "Save as PDF"));
    const QString path = QFileDialog::getSaveFileName(
        parent, caption, defaultName,
        outputText(QT_TRANSLATE_NOOP("paysmith::DocumentOutput", "PDF files (*.pdf)")));
    if (path.isEmpty())
        return;
    // Written in memory first, so that a file that cannot be written is
    // left as it was and the user hears of it.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    bool printed = false;
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(localPaper());
        writer.setPageOrientation(QPageLayout::Portrait);
        writer.setCreator(QStringLiteral("Paysmith"));
        printed = printTo(parent, document, writer);
    }
    const QByteArray& content = pdf.data();
    if (!printed ||
        !writeWholeFile(
             path, std::string_view(content.constData(), static_cast<std::size_t>(content.size())))
             .written)
        warnNotWritten(parent, caption, path);
}

void saveCsv(QWidget* parent, const QString& caption, const QString& defaultName,
             const std::function<bool(const QString& path)>& write) {
    const QString path = QFileDialog::getSaveFileName(
        parent, caption, defaultName,
        outputText(
            QT_TRANSLATE_NOOP("paysmith::DocumentOutput", "CSV files (*.csv);;All files (*)")));
    if (!path.isEmpty() && !write(path))
        warnNotWritten(parent, caption, path);
}

} // namespace paysmith

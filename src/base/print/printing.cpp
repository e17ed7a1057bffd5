#include "base/print/printing.h"

#include "base/print/printmodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace paysmith {

namespace {

// A build tree keeps the module beside the program; an installation keeps it
// in the program's folder of libraries, found relative to the executable.
QStringList moduleCandidates() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.filePath(QStringLiteral(PAYSMITH_PRINT_MODULE)),
            programFolder.filePath(QStringLiteral(PAYSMITH_INSTALLED_PRINT_MODULE))};
}

} // namespace

QString printThroughDialog(QWidget* parent, const PageRenderer& render) {
    static PrintEntry entry = nullptr;
    QString failure;
    for (const QString& candidate : moduleCandidates()) {
        if (entry)
            break;
        QLibrary module(candidate);
        entry = reinterpret_cast<PrintEntry>(module.resolve(kPrintEntryName));
        if (!entry)
            failure = module.errorString();
    }
    if (!entry)
        return QCoreApplication::translate("paysmith::Printing", "Printing is not available: %1")
            .arg(failure);
    entry(parent, render);
    return {};
}

} // namespace paysmith

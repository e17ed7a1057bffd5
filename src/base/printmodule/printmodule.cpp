#include "base/print/printmodule.h"

#include <QPrintDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT void paysmith_print_through_dialog(QWidget* parent,
                                                            const paysmith::PageRenderer& render) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted)
        render(printer);
}

#include "base/print/printing.h"

#include <QTest>

namespace paysmith {

class PrintingTest : public QObject {
    Q_OBJECT
  private slots:
    // Run where no print module is, as a broken installation would be: the
    // user is told why nothing prints, and nothing is drawn.
    void saysWhyWhenTheModuleIsMissing() {
        bool rendered = false;
        const QString failure =
            printThroughDialog(nullptr, [&rendered](QPagedPaintDevice&) { rendered = true; });
        QVERIFY2(failure.startsWith("Printing is not available: ") &&
                     failure.contains("paysmith_print.so"),
                 qPrintable(failure));
        QVERIFY(!rendered);
    }
};

} // namespace paysmith

QTEST_MAIN(paysmith::PrintingTest)
#include "printing_test.moc"

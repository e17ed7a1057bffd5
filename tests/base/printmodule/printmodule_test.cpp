#include "base/print/printing.h"

#include <QApplication>
#include <QFile>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace paysmith {

class PrintModuleTest : public QObject {
    Q_OBJECT
  private slots:
    // Run from bin/ of an installed tree: the program finds the module where
    // the package puts it, and every page rendered reaches the printer the
    // user accepted in its dialog.
    void printsEveryPageThroughTheInstalledModule() {
        const QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("schedule.pdf"));
        QTimer::singleShot(0, [&pdf] {
            if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
                dialog->printer()->setOutputFileName(pdf);
                dialog->done(QDialog::Accepted);
            }
        });
        const QString failure = printThroughDialog(nullptr, [](QPagedPaintDevice& pages) {
            QPainter painter(&pages);
            painter.drawText(100, 100, QStringLiteral("1"));
            pages.newPage();
            painter.drawText(100, 100, QStringLiteral("2"));
        });
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QRegularExpression page(QStringLiteral(R"(/Type\s*/Page\b)"));
        QCOMPARE(QString::fromLatin1(file.readAll()).count(page), 2);
    }
};

} // namespace paysmith

QTEST_MAIN(paysmith::PrintModuleTest)
#include "printmodule_test.moc"

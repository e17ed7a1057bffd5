// The yardstick for the program's start-up: a plain Qt form of eight text
// fields in a main window of the same client size, started and measured the
// same way.

#include <QApplication>
#include <QFormLayout>
#include <QLineEdit>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Plain form");
    auto* form = new QWidget;
    auto* layout = new QFormLayout(form);
    for (int field = 1; field <= 8; ++field)
        layout->addRow(QStringLiteral("Field %1:").arg(field), new QLineEdit(QStringLiteral("0")));
    window.setCentralWidget(form);
    window.setFixedSize(658, 435);
    window.show();
    return app.exec();
}

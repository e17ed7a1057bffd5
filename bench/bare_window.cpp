// The yardstick for the program's start-up: an empty Qt main window of the
// same client size, started and measured the same way.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare window");
    window.setFixedSize(658, 435);
    window.show();
    return app.exec();
}

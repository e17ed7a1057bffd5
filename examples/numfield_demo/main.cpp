#include "demowindow.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    paysmith::DemoWindow window;
    window.show();
    return QApplication::exec();
}

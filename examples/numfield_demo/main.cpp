#include "demowindow.h"

#include "numfield/widget/sharedintl.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    paysmith::applicationIntlSupport();
    paysmith::DemoWindow window;
    window.show();
    return QApplication::exec();
}

#include "app/application.h"
#include "app/mainwindow.h"
#include "app/messages.h"
#include "numfield/sharedintl.h"

#include <QDir>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    paysmith::PaysmithApplication app(argc, argv);
    app.setApplicationDisplayName(paysmith::kApplicationTitle);
    app.setWindowIcon(QIcon(":/icons/paysmith.png"));

    paysmith::MainWindowServices services;
    services.showInformation = [](QWidget* parent, const QString& caption, const QString& text) {
        QMessageBox::information(parent, caption, text);
    };
    services.helpFolder = QDir(QCoreApplication::applicationDirPath()).filePath("help");
    services.decimalSeparator = paysmith::applicationIntlSupport().DecimalMark();

    auto* window = new paysmith::TfrmMain(std::move(services));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return app.exec();
}

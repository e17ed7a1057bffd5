#include "app/core/datafolder.h"
#include "app/core/messages.h"
#include "app/window/application.h"
#include "app/window/mainwindow.h"
#include "app/window/platformchoice.h"
#include "app/window/signalclose.h"
#include "app/window/singleinstance.h"
#include "base/qt/qtstrings.h"
#include "numfield/widget/sharedintl.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

#include <memory>

int main(int argc, char* argv[]) {
    paysmith::preferXWayland();
    paysmith::PaysmithApplication app(argc, argv);
    app.setApplicationName("paysmith");
    app.setDesktopFileName("paysmith");
    app.setWindowIcon(QIcon(":/icons/paysmith.png"));
    paysmith::keepFixedSizesSafeUnderWayland();

    paysmith::SingleInstance instance;
    if (!instance.isFirst())
        return 0;

    paysmith::MainWindowServices services;
    services.showInformation = [](QWidget* parent, const QString& caption, const QString& text) {
        QMessageBox::information(parent, caption, text);
    };
    services.programFolder = paysmith::toQString(paysmith::programDataFolder(
        QCoreApplication::applicationDirPath().toStdString(), [](const std::string& folder) {
            return QFileInfo(paysmith::toQString(folder) + QStringLiteral("help")).isDir();
        }));
    services.decimalSeparator = paysmith::applicationIntlSupport().DecimalMark();
    services.askForAnotherSettingsFile = paysmith::askForAnotherSettingsFile;

    services.showStartupError = [](QWidget* parent, const QString& text) {
        QMessageBox::critical(
            parent, QCoreApplication::translate("paysmith::TfrmMain", paysmith::kApplicationTitle),
            text);
    };

    auto window = std::make_unique<paysmith::TfrmMain>(std::move(services));
    instance.raiseOnLaterStarts(*window);
    paysmith::closeWhenTheSessionEnds(*window);
    window->show();
    return app.exec();
}

#include "app/commandline/commandline.h"
#include "app/core/datafolder.h"
#include "app/core/messages.h"
#include "app/i18n/translations.h"
#include "app/settingsfile/settingsfile.h"
#include "app/window/application.h"
#include "app/window/mainwindow.h"
#include "app/window/platformchoice.h"
#include "app/window/signalclose.h"
#include "app/window/singleinstance.h"
#include "base/qt/pngicon.h"
#include "base/qt/qtstrings.h"
#include "numfield/locale/localeintl.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char* argv[]) {
    if (paysmith::wantsCommandLine(argc, argv))
        return paysmith::runCommandLine(argc, argv);
    paysmith::preferXWayland();
    paysmith::PaysmithApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("paysmith"));
    app.setDesktopFileName(QStringLiteral("paysmith"));
    const QString language = paysmith::installTranslations(app);
    app.setWindowIcon(paysmith::pngIcon(QStringLiteral(":/icons/paysmith.png")));
    paysmith::keepFixedSizesSafeUnderWayland();

    paysmith::SingleInstance instance(QFileInfo(paysmith::settingsFilePath()).absolutePath());
    if (!instance.isFirst()) {
        if (const QString display = instance.otherDisplay(); !display.isEmpty())
            std::fprintf(stderr, "%s\n",
                         qPrintable(QCoreApplication::translate(
                                        "paysmith::main",
                                        "Paysmith already runs with these settings on display "
                                        "%1; its window was brought to the front there.")
                                        .arg(display)));
        return 0;
    }

    paysmith::MainWindowServices services;
    services.showInformation = [](QWidget* parent, const QString& caption, const QString& text) {
        QMessageBox::information(parent, caption, text);
    };
    services.programFolder = paysmith::toQString(paysmith::programDataFolder(
        QCoreApplication::applicationDirPath().toStdString(), [](const std::string& folder) {
            return QFileInfo(paysmith::toQString(folder) + QStringLiteral("help")).isDir();
        }));
    services.language = language;
    services.numberFormat = paysmith::TIntlSupport(paysmith::systemIntlSettings());
    services.askForAnotherSettingsFile = paysmith::askForAnotherSettingsFile;

    services.showStartupError = [](QWidget* parent, const QString& text) {
        QMessageBox::critical(
            parent, QCoreApplication::translate("paysmith::TfrmMain", paysmith::kApplicationTitle),
            text);
    };

    auto window = std::make_unique<paysmith::TfrmMain>(std::move(services));
    instance.raiseOnLaterStarts(*window);
    paysmith::closeWhenTheSessionEnds(*window);
    // Qt ends the program with exit(1) when the X server or the Wayland
    // compositor goes away under it, which no window event announces; the
    // inputs are saved on that way out too. A normal end has closed and
    // destroyed the window before this runs.
    std::atexit([] {
        if (paysmith::TfrmMain* running = paysmith::TfrmMain::instance())
            running->SaveWithoutDisplay();
    });
    window->show();
    return app.exec();
}

#pragma once

#include "app/settingsfile/settingsfile.h"
#include "app/window/mainwindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace paysmith::testing_support {

// The main window as a returning user opens it, with its settings below
// `config`: an earlier run's file, so no first-run help, messages swallowed
// and no help folder, with the lines `more` after its general keys. Shown and
// active; empty when it could not be.
inline std::unique_ptr<TfrmMain> openSettledWindow(const QTemporaryDir& config,
                                                   const QByteArray& more = {}) {
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    const QString path = settingsFilePath();
    QFile file(path);
    if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly) ||
        file.write("[GeneralValues]\nRun=1\n" + more) < 0)
        return nullptr;
    file.close();
    MainWindowServices services;
    services.showInformation = [](QWidget*, const QString&, const QString&) {};
    services.showStartupError = [](QWidget*, const QString&) {};
    services.askForAnotherSettingsFile = [](QWidget*, const QString&) { return QString(); };
    services.programFolder = config.filePath(QStringLiteral("no-data")) + u'/';
    auto window = std::make_unique<TfrmMain>(std::move(services));
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    return window;
}

} // namespace paysmith::testing_support

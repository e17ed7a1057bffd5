#include "app/window/settingsfallback.h"

#include "app/core/messages.h"
#include "app/settings/settingswriteerror.h"
#include "app/settingsfile/settingsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace paysmith {

namespace {

QString problemOf(const SettingsWriteError& error) {
    return QCoreApplication::translate("paysmith::SettingsFallback",
                                       "Your loans could not be saved to %1: %2.")
        .arg(QDir::toNativeSeparators(QString::fromStdString(error.path())),
             QString::fromStdString(error.reason()));
}

} // namespace

QString askForAnotherSettingsFile(QWidget* parent, const QString& problem) {
    for (;;) {
        QMessageBox question(QMessageBox::Warning,
                             QCoreApplication::translate("paysmith::TfrmMain", kApplicationTitle),
                             problem, QMessageBox::NoButton, parent);
        question.setInformativeText(QCoreApplication::translate(
            "paysmith::SettingsFallback",
            "Do you want to save them to another file? Copied over the settings file "
            "later, that file gives them back to Paysmith."));
        const QPushButton* elsewhere = question.addButton(
            QCoreApplication::translate("paysmith::SettingsFallback", "Save &Elsewhere..."),
            QMessageBox::AcceptRole);
        question.setEscapeButton(question.addButton(
            QCoreApplication::translate("paysmith::SettingsFallback", "&Don't Save"),
            QMessageBox::RejectRole));
        question.exec();
        if (question.clickedButton() != elsewhere)
            return {};
        const QString file = QFileDialog::getSaveFileName(
            parent,
            QCoreApplication::translate("paysmith::SettingsFallback", "Save the Loans Elsewhere"),
            QDir::home().filePath(QStringLiteral("paysmith.ini")),
            QCoreApplication::translate("paysmith::SettingsFallback",
                                        "Settings files (*.ini);;All files (*)"));
        if (!file.isEmpty())
            return file;
    }
}

void saveValuesOrElsewhere(QWidget* parent, const SavedValues& values, char16_t decimalSeparator,
                           const AskForAnotherFile& ask) {
    const QString settings = settingsFilePath();
    const std::string text = settingsText(settings, values, decimalSeparator);
    for (QString file = settings; !file.isEmpty();) {
        try {
            writeSettingsFile(file, text);
            return;
        } catch (const SettingsWriteError& error) {
            file = ask(parent, problemOf(error));
        }
    }
}

} // namespace paysmith

#include "app/commandline.h"

#include "app/report/loanreport.h"
#include "app/settingsfile/settingsfile.h"
#include "app/window/translations.h"
#include "base/version.h"
#include "numfield/locale/localeintl.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <string_view>

namespace paysmith {

namespace {

void printError(const QString& text) {
    std::fprintf(stderr, "paysmith: %s\n", qPrintable(text));
}

} // namespace

bool wantsCommandLine(int argc, char* argv[]) {
    for (int k = 1; k < argc; ++k) {
        const std::string_view argument = argv[k];
        for (std::string_view option :
             {"--report", "--help", "-h", "--help-all", "--version", "-v", "--settings"})
            if (argument == option || (option.starts_with("--") && argument.starts_with(option) &&
                                       argument.substr(option.size()).starts_with('=')))
                return true;
    }
    return false;
}

int runCommandLine(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("paysmith"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PAYSMITH_VERSION));
    installTranslations(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "paysmith::CommandLine", "Paysmith compares two loans side by side. Without options it "
                                 "opens its window."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption report(
        QStringLiteral("report"),
        QCoreApplication::translate("paysmith::CommandLine",
                                    "Print both saved loans and their figures as JSON, without "
                                    "opening the window."));
    const QCommandLineOption settings(
        QStringLiteral("settings"),
        QCoreApplication::translate("paysmith::CommandLine",
                                    "Read the loans from <file> instead of the saved settings."),
        QStringLiteral("file"));
    parser.addOptions({report, settings});
    parser.process(app);

    if (!parser.isSet(report)) {
        printError(QCoreApplication::translate("paysmith::CommandLine",
                                               "--settings is used with --report"));
        return 2;
    }
    // The saved settings are read as the window reads them: a file not yet
    // written reads as the example loans. A file named on purpose must be there.
    const QString path = parser.isSet(settings) ? parser.value(settings) : settingsFilePath();
    QFile file(path);
    QByteArray content;
    if (file.open(QIODevice::ReadOnly)) {
        content = file.readAll();
    } else if (parser.isSet(settings) || file.exists()) {
        printError(QCoreApplication::translate("paysmith::CommandLine", "cannot read %1: %2")
                       .arg(path, file.errorString()));
        return 2;
    }
    const TIntlSupport format(systemIntlSettings());
    const std::string json =
        loanReportJson(readSavedValues(IniDocument(content.toStdString()), format.DecimalMark()),
                       format.DecimalMark());
    std::fwrite(json.data(), 1, json.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 2;
}

} // namespace paysmith

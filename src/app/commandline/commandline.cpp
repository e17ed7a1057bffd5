#include "app/commandline/commandline.h"

#include "app/i18n/translations.h"
#include "app/report/loanreport.h"
#include "app/settingsfile/settingsfile.h"
#include "base/qt/qtstrings.h"
#include "base/version.h"
#include "compare/core/comparison.h"
#include "numfield/locale/localeintl.h"
#include "schedule/core/extrarefusal.h"

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

QString inputName(LoanInput input) {
    static constexpr const char* kNames[] = {
        QT_TRANSLATE_NOOP("paysmith::CommandLine", "amount borrowed"),
        QT_TRANSLATE_NOOP("paysmith::CommandLine", "number of payments"),
        QT_TRANSLATE_NOOP("paysmith::CommandLine", "annual interest rate"),
        QT_TRANSLATE_NOOP("paysmith::CommandLine", "annual taxes"),
        QT_TRANSLATE_NOOP("paysmith::CommandLine", "annual insurance"),
        QT_TRANSLATE_NOOP("paysmith::CommandLine", "payment"),
    };
    return QCoreApplication::translate("paysmith::CommandLine",
                                       kNames[static_cast<std::size_t>(input)]);
}

QString noteText(const ReportNote& note) {
    const QString value = QString::number(note.value, 'g', 15);
    switch (note.kind) {
    case ReportNote::Kind::InputNotHeld:
        return QCoreApplication::translate("paysmith::CommandLine",
                                           "Loan %1: the %2 %3 does not fit its field; it "
                                           "counts as 0, as in the window.")
            .arg(note.loan)
            .arg(inputName(note.input), value);
    case ReportNote::Kind::ExtraRefused: {
        const bool lumpSum = note.refusal == ExtraRefusal::NegativeLumpSum ||
                             note.refusal == ExtraRefusal::LumpPeriodOutsideSchedule;
        return (lumpSum
                    ? QCoreApplication::translate("paysmith::CommandLine",
                                                  "Loan %1: the lump sum %2 is left out. %3")
                    : QCoreApplication::translate("paysmith::CommandLine",
                                                  "Loan %1: the extra payment %2 is left out. %3"))
            .arg(note.loan)
            .arg(value, translatedWithNumbers("paysmith::Schedule", note.refusalWords.text,
                                              note.refusalWords.numbers));
    }
    case ReportNote::Kind::KeepYearsShort:
        return QCoreApplication::translate("paysmith::CommandLine",
                                           "The years kept, %1, are fewer than %2; the "
                                           "longer term is used instead.")
            .arg(value, QString::number(kMinKeepYears));
    }
    return {};
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
    // written reads as the example loans. A file named on purpose must be
    // there and be a settings file.
    const bool named = parser.isSet(settings);
    const QString path = named ? parser.value(settings) : settingsFilePath();
    QFile file(path);
    QByteArray content;
    if (file.open(QIODevice::ReadOnly)) {
        content = file.readAll();
    } else if (named || file.exists()) {
        printError(QCoreApplication::translate("paysmith::CommandLine", "cannot read %1: %2")
                       .arg(path, file.errorString()));
        return 2;
    }
    const IniDocument document(content.toStdString());
    if (named && !holdsSavedValues(document)) {
        printError(
            QCoreApplication::translate("paysmith::CommandLine", "%1 holds no Paysmith settings")
                .arg(path));
        return 2;
    }
    const TIntlSupport format(systemIntlSettings());
    const LoanReport loans = loanReport(document, format.DecimalMark());
    for (const ReportNote& note : loans.notes)
        printError(noteText(note));
    std::fwrite(loans.json.data(), 1, loans.json.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 2;
}

} // namespace paysmith

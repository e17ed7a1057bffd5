// Every file the program makes, from each case folder's paysmith.ini, against
// the files the folder keeps: the report, both schedules' CSV export, the
// comparison's, and the text of each printout, page by page. A case whose
// folder holds a file "language" runs only in a run in that language (the
// German one under LANG=de_DE.UTF-8); the others only in English.
// PAYSMITH_GOLDEN_UPDATE=1 writes the files instead (scripts/update-golden.sh).

#include "app/i18n/translations.h"
#include "app/report/loanreport.h"
#include "app/settingsfile/settingsfile.h"
#include "app/window/mainwindow.h"
#include "compare/core/comparecsv.h"
#include "compare/model/offersmodel.h"
#include "compare/page/comparepage.h"
#include "figures/kit/documentoutput.h"
#include "figures/kit/figuresprintout.h"
#include "numfield/locale/localeintl.h"
#include "schedule/page/schedulepage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <vector>

namespace paysmith {

namespace {

struct Output {
    QString name;
    QByteArray content;
};

QByteArray fileContent(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// On the paper and in the font that "PDF..." uses; a form's page breaks are
// part of what it says.
QByteArray printedText(const FiguresDocument& document, const QString& family) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setPageSize(localPaper());
    writer.setPageOrientation(QPageLayout::Portrait);
    const FiguresPrintout printout(document, writer, family);
    QString text;
    for (int page = 0; page < printout.pageCount(); ++page)
        text += QStringLiteral("--- page %1 ---\n").arg(page + 1) +
                printout.pageText(page).join(QLatin1Char('\n')) + QLatin1Char('\n');
    return text.toUtf8();
}

// The first line that differs, with the line before it, as a unified diff
// shows it; a long line (the report is one) around its first difference.
QString firstDifference(const QString& path, const QByteArray& expected,
                        const QByteArray& produced) {
    const QList<QByteArray> want = expected.split('\n');
    const QList<QByteArray> got = produced.split('\n');
    qsizetype line = 0;
    while (line < want.size() && line < got.size() && want[line] == got[line])
        ++line;
    const QByteArray& one = line < want.size() ? want[line] : QByteArray();
    const QByteArray& other = line < got.size() ? got[line] : QByteArray();
    qsizetype column = 0;
    while (column < one.size() && column < other.size() && one[column] == other[column])
        ++column;
    const qsizetype from = std::max<qsizetype>(0, column - 60);
    const auto shown = [from](const QByteArray& text) {
        return (from > 0 ? QStringLiteral("...") : QString()) +
               QString::fromUtf8(text.mid(from, 120));
    };
    QString diff = QStringLiteral("--- %1\n+++ produced\n@@ line %2, column %3 @@\n")
                       .arg(path)
                       .arg(line + 1)
                       .arg(column + 1);
    if (line > 0 && from == 0)
        diff += QLatin1Char(' ') + QString::fromUtf8(want[line - 1]) + QLatin1Char('\n');
    if (line < want.size())
        diff += QLatin1Char('-') + shown(one) + QLatin1Char('\n');
    if (line < got.size())
        diff += QLatin1Char('+') + shown(other) + QLatin1Char('\n');
    return diff;
}

} // namespace

class GoldenTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        m_language = installTranslations(*qApp);
        if (m_language.isEmpty())
            m_language = QStringLiteral("en");
    }

    void outputsAreAsKept_data() {
        QTest::addColumn<QString>("folder");
        const QDir cases(QStringLiteral(PAYSMITH_GOLDEN_FOLDER));
        int rows = 0;
        for (const QString& name : cases.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QByteArray language = fileContent(cases.filePath(name + "/language")).trimmed();
            if ((language.isEmpty() ? QStringLiteral("en") : QString::fromUtf8(language)) ==
                m_language) {
                QTest::newRow(qPrintable(name)) << cases.filePath(name);
                ++rows;
            }
        }
        QVERIFY2(rows > 0, qPrintable("no case in " + m_language));
    }

    void outputsAreAsKept() {
        QFETCH(QString, folder);
        const QByteArray settings = fileContent(folder + "/paysmith.ini");
        QVERIFY2(!settings.isEmpty(), qPrintable(folder + "/paysmith.ini is missing"));
        const std::vector<Output> outputs = outputsOf(settings);
        QVERIFY(!QTest::currentTestFailed());

        const bool update = qEnvironmentVariableIntValue("PAYSMITH_GOLDEN_UPDATE") == 1;
        QStringList differences;
        for (const Output& output : outputs) {
            const QString path = QDir(folder).filePath(output.name);
            if (update) {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(output.content) >= 0);
            } else if (const QByteArray expected = fileContent(path); expected != output.content) {
                differences << firstDifference(path, expected, output.content);
            }
        }
        QVERIFY2(differences.isEmpty(),
                 qPrintable("\n" + differences.join('\n') +
                            "If the change is meant, run scripts/update-golden.sh and read the "
                            "diff it leaves."));
        QVERIFY2(m_shown.isEmpty(), qPrintable("the window said: " + m_shown.join('\n')));
    }

  private:
    // The window opened on the settings, as the program opens it.
    std::vector<Output> outputsOf(const QByteArray& settings) {
        m_shown.clear();
        const QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        QFile file(settingsFilePath());
        if (!QDir().mkpath(QFileInfo(file).path()) || !file.open(QIODevice::WriteOnly) ||
            file.write(settings) != settings.size()) {
            QTest::qFail("the settings file could not be written", __FILE__, __LINE__);
            return {};
        }
        file.close();

        MainWindowServices services;
        services.showInformation = [this](QWidget*, const QString&, const QString& text) {
            m_shown << text;
        };
        services.showStartupError = [this](QWidget*, const QString& text) { m_shown << text; };
        services.programFolder = config.filePath("no-data") + "/";
        services.language = m_language == "en" ? QString() : m_language;
        services.numberFormat = TIntlSupport(systemIntlSettings());
        const char16_t decimalMark = services.numberFormat.DecimalMark();
        const auto window = std::make_unique<TfrmMain>(std::move(services));
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) {
            QTest::qFail("the window did not show", __FILE__, __LINE__);
            return {};
        }

        std::vector<Output> outputs;
        outputs.push_back(
            {"report.json",
             bytes(loanReport(IniDocument(settings.toStdString()), decimalMark).json)});
        auto* schedule = window->findChild<SchedulePage*>();
        for (const WhichLoan loan : kBothLoans) {
            schedule->chooseLoan(loan);
            const QString number = QString::number(numberOf(loan));
            outputs.push_back({"schedule" + number + ".csv", bytes(schedule->csv())});
            outputs.push_back({"print-schedule" + number + ".txt",
                               printedText(schedule->document(), schedule->font().family())});
        }
        const Offers& offers = window->findChild<OffersModel*>()->offers();
        outputs.push_back({"compare.csv", bytes(comparisonCsv(offers.offer(WhichLoan::Loan1)->offer,
                                                              offers.offer(WhichLoan::Loan2)->offer,
                                                              offers.comparison()))});
        auto* compare = window->findChild<ComparePage*>();
        outputs.push_back(
            {"print-compare.txt", printedText(compare->document(), compare->font().family())});
        return outputs;
    }

    QString m_language;
    QStringList m_shown;
};

} // namespace paysmith

QTEST_MAIN(paysmith::GoldenTest)
#include "golden_test.moc"

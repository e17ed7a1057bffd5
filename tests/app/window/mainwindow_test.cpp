#include "app/window/mainwindow.h"

#include "app/core/abort.h"
#include "app/settingsfile/settingsfile.h"
#include "numfield/widget/fieldalerts.h"
#include "numfield/widget/numericfield.h"
#include "schedule/page/schedulemodel.h"
#include "schedule/page/schedulepage.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRandomGenerator>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace paysmith {

namespace {

class RecordingAlerts : public FieldAlerts {
  public:
    void beep() override {}
    void showError(QWidget*, const QString& message) override { messages.push_back(message); }
    QStringList messages;
};

struct Shown {
    QString caption;
    QString text;
    QString focusAtShow;
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        m_config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", m_config->path().toLocal8Bit());
        m_shown.clear();
    }

    void cleanup() {
        m_window.reset();
        m_config.reset();
    }

    void defaultLoansShowTheirFigures() {
        openWindow();
        QCOMPARE(text("edtPayment1"), QString("972.90"));
        QCOMPARE(text("edtInterestPaid1"), QString("200,242.97"));
        QCOMPARE(text("edtTaxes1"), QString("0.00"));
        QCOMPARE(text("edtInsurance1"), QString("0.00"));
        QCOMPARE(text("edtTotalPaid1"), QString("350,242.97"));
        QCOMPARE(label("lblTerm"), QString("30.00 years."));
        QCOMPARE(text("edtPayment2"), QString("1,053.13"));
        QCOMPARE(text("edtInterestPaid2"), QString("102,750.06"));
        QCOMPARE(text("edtTaxes2"), QString("0.00"));
        QCOMPARE(text("edtInsurance2"), QString("0.00"));
        QCOMPARE(text("edtTotalPaid2"), QString("252,750.06"));
        QCOMPARE(label("lblTerm2"), QString("20.00 years."));
        QVERIFY(m_window->helpWindow() && m_window->helpWindow()->isVisible());
    }

    void frameMatchesTheDesignedWindow() {
        openWindow();
        QCOMPARE(m_window->windowTitle(), QString("Paysmith, 4.6"));
        QCOMPARE(m_window->centralWidget()->size(), QSize(658, 435));
        QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(m_window->notebook()->tabText(0), QString(" Paysmith "));
        QVERIFY(m_window->findChild<QWidget*>("Panel1"));
        QVERIFY(m_window->findChild<QWidget*>("Panel3"));
        for (const char* name : {"btnReset", "btnUpdate", "btnAbout", "btnHelp", "SpeedButton1",
                                 "WebPanel", "HintPanel", "mnuPop"})
            QVERIFY2(m_window->findChild<QObject*>(name), name);
    }

    void leavingAnAmountRecalculatesThatLoanOnly() {
        openWindow();
        const QString loan2Before = text("edtTotalPaid2");
        enterByTab("edtLoan1");
        QTest::keyClicks(focused(), "250000");
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(text("edtLoan1"), QString("250,000.00"));
        QCOMPARE(text("edtPayment1"), QString("1,621.50"));
        QCOMPARE(text("edtTotalPaid2"), loan2Before);
        QCOMPARE(m_window->loanPanel(LoanNumber::First)->state().Amount, 250000.0);
    }

    void typingAnUnknownFrequencyTurnsItMonthly() {
        openWindow();
        QComboBox* box = combo("cbFrequency1");
        box->setEditText("Annually 1");
        m_window->Calculate(RecalcSource::FrequencyBox);
        QCOMPARE(label("lblTerm"), QString("360.00 years."));
        box->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(focusedName(), QString("cbFrequency1"));
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), "W");
        QCOMPARE(box->currentText(), QString("Monthly 12"));
        QCOMPARE(label("lblTerm"), QString("30.00 years."));
    }

    void pastedConstantIsAccepted() {
        openWindow();
        enterByTab("cbFrequency1");
        QLineEdit* edit = combo("cbFrequency1")->lineEdit();
        edit->selectAll();
        QApplication::clipboard()->setText("Constant");
        edit->paste();
        QCOMPARE(combo("cbFrequency1")->currentText(), QString("Constant"));
        QCOMPARE(m_window->loanPanel(LoanNumber::First)->state().FrequencyIndex, 0);
        QCOMPARE(label("lblTerm"), QString("15.00 years."));
        QCOMPARE(text("edtPayment1"), QString("10,125.00"));
    }

    void savedUnknownFrequencyStandsUntilTheBoxIsLeft() {
        writeSettings("[LastValues]\nFrequency1=monthly 12\n[GeneralValues]\nRun=1\n");
        openWindow();
        QCOMPARE(combo("cbFrequency1")->currentText(), QString("monthly 12"));
        QCOMPARE(m_window->loanPanel(LoanNumber::First)->state().FrequencyIndex, 0);
        QCOMPARE(label("lblTerm"), QString("15.00 years."));
        QVERIFY(!m_window->helpWindow());

        enterByTab("edtLoan1");
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focusedName(), QString("cbFrequency1"));
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(combo("cbFrequency1")->currentText(), QString("Monthly 12"));
        QCOMPARE(label("lblTerm"), QString("30.00 years."));
    }

    void changingPageLeavesTheEditedFieldFirst() {
        openWindow();
        m_window->notebook()->addTab(new QWidget, "Other");
        enterByTab("edtLoan1");
        QTest::keyClicks(focused(), "90000");
        QTabBar* tabs = m_window->notebook()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QCOMPARE(m_window->notebook()->currentIndex(), 1);
        QCOMPARE(m_window->loanPanel(LoanNumber::First)->state().Amount, 90000.0);
        QCOMPARE(text("edtLoan1"), QString("90,000.00"));
        QCOMPARE(text("edtPayment1"), QString("583.74"));
    }

    void f1OpensTheHelpContents() {
        writeSettings("[GeneralValues]\nRun=1\n");
        openWindow();
        QVERIFY(!m_window->helpWindow());
        enterByTab("edtTerm2");
        QTest::keyClick(focused(), Qt::Key_F1);
        QVERIFY(m_window->helpWindow());
        QVERIFY(m_window->helpWindow()->isVisible());
        QVERIFY(m_window->helpWindow()->findChild<QTextBrowser*>()->toPlainText().contains(
            "index.html"));
    }

    void closingClosesTheHelp() {
        openWindow();
        QPointer<HelpWindow> help = m_window->helpWindow();
        QVERIFY(help && help->isVisible());
        m_window->close();
        QVERIFY(!help || !help->isVisible());
    }

    // A refused save names the file and why, and offers another file, again
    // after each refusal. A folder where a file should be refuses even root.
    void refusedSaveOffersAnotherFile() {
        const QTemporaryDir elsewhere;
        QVERIFY(QDir(elsewhere.path()).mkdir("folder"));
        m_answers = QStringList{elsewhere.filePath("folder"), elsewhere.filePath("loans.ini")};
        openWindow();
        QVERIFY(QDir().mkpath(settingsFilePath()));
        m_window->close();
        QCOMPARE(m_shown.size(), 2);
        QVERIFY(
            m_shown[0].text.startsWith("Your loans could not be saved to " + settingsFilePath()));
        QVERIFY(m_shown[1].text.contains(elsewhere.filePath("folder") + ": "));
        QFile saved(elsewhere.filePath("loans.ini"));
        QVERIFY(saved.open(QIODevice::ReadOnly) && saved.readAll().contains("Interest2=5.75"));
    }

    void anotherWindowBecomingActiveDoesNotLeaveTheFrequencyBox() {
        writeSettings("[LastValues]\nFrequency1=monthly 12\n[GeneralValues]\nRun=1\n");
        openWindow();
        enterByTab("cbFrequency1");
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(combo("cbFrequency1")->currentText(), QString("monthly 12"));
        QCOMPARE(label("lblTerm"), QString("15.00 years."));
    }

    void arrowKeysStepFromTheShownFrequency() {
        openWindow();
        enterByTab("cbFrequency1");
        QTest::keyClick(focused(), Qt::Key_Down);
        QCOMPARE(combo("cbFrequency1")->currentText(), QString("Quarterly 4"));
        QCOMPARE(label("lblTerm"), QString("90.00 years."));
    }

    void rejectedEntryOnAnotherPageComesBackToTheFront() {
        RecordingAlerts alerts;
        const ScopedFieldAlerts useAlerts(alerts);
        openWindow();
        m_window->notebook()->addTab(new QWidget, "Other");
        enterByTab("edtTerm1");
        QTest::keyClicks(focused(), "99999");
        QTabBar* tabs = m_window->notebook()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QTRY_COMPARE(alerts.messages.size(), 1);
        QCOMPARE(alerts.messages[0],
                 QString("Value is not within required range (from −32,768 to 32,767)"));
        QCOMPARE(m_window->notebook()->currentIndex(), 0);
        QCOMPARE(focusedName(), QString("edtTerm1"));
        QCOMPARE(text("edtTerm1"), QString("99999"));
    }

    void ctrlShiftTabDoesNotTurnThePageUnderAnEntry() {
        openWindow();
        m_window->notebook()->addTab(new QWidget, "Other");
        enterByTab("edtTerm1");
        QTest::keyClicks(focused(), "400");
        QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_window->notebook()->currentIndex(), 0);
        QCOMPARE(focusedName(), QString("edtTerm1"));
        QCOMPARE(text("edtTerm1"), QString("400"));
    }

    void silentAbortShowsNothing() {
        openWindow();
        m_window->guarded([] { throw EAbort(); });
        QVERIFY(m_shown.isEmpty());
    }

    // Tab and Shift+Tab from every control of the page: the inputs of both
    // loans in a ring; from a result, on to the next loan or back to the
    // loan's own last input.
    void focusChainRunsThroughBothLoans() {
        const QStringList inputs{"edtLoan1",     "cbFrequency1",    "edtTerm1",
                                 "edtInterest1", "edtAnnualTaxes1", "edtAnnualInsurance1",
                                 "edtLoan2",     "cbFrequency2",    "edtTerm2",
                                 "edtInterest2", "edtAnnualTaxes2", "edtAnnualInsurance2"};
        QList<std::tuple<QString, QString, QString>> chain; // from, Tab, Shift+Tab
        for (qsizetype i = 0; i < inputs.size(); ++i)
            chain.append({inputs[i], inputs[(i + 1) % inputs.size()],
                          inputs[(i + inputs.size() - 1) % inputs.size()]});
        for (const char* loan : {"1", "2"})
            for (const char* result :
                 {"edtPayment", "edtInterestPaid", "edtTaxes", "edtInsurance", "edtTotalPaid"})
                chain.append({result + QString(loan),
                              loan == QString("1") ? "edtLoan2" : "edtLoan1",
                              "edtAnnualInsurance" + QString(loan)});

        openWindow();
        for (const auto& [from, next, previous] : chain) {
            for (const auto& [key, expected] :
                 {std::pair{Qt::Key_Tab, next}, std::pair{Qt::Key_Backtab, previous}}) {
                QWidget* start = m_window->findChild<QWidget*>(from);
                start->setFocus(Qt::MouseFocusReason);
                QTRY_COMPARE(focusedName(), from);
                QTest::keyClick(focused(), key);
                QVERIFY2(focusedName() == expected,
                         qPrintable(from + " -> " + focusedName() + ", not " + expected));
            }
        }
    }

    void resetFromAnotherPageRestoresBothLoans() {
        openWindow();
        field("edtLoan2")->setFloatValue(5000);
        field("edtAnnualTaxes1")->setFloatValue(2400);
        combo("cbFrequency2")->setEditText("Weekly 52");
        m_window->Calculate2(RecalcSource::Other);
        m_window->notebook()->addTab(new QWidget, "Other");
        m_window->notebook()->setCurrentIndex(1);

        m_window->btnResetClick();

        QCOMPARE(m_window->notebook()->currentIndex(), 0);
        QCOMPARE(focusedName(), QString("edtLoan1"));
        QCOMPARE(text("edtLoan2"), QString("150,000.00"));
        QCOMPARE(text("edtAnnualTaxes1"), QString("0.00"));
        QCOMPARE(combo("cbFrequency2")->currentText(), QString("Monthly 12"));
        QCOMPARE(text("edtPayment2"), QString("1,053.13"));
        QCOMPARE(text("edtTotalPaid1"), QString("350,242.97"));
    }

    void schedulePageComesSecondAndIsBuiltWhenFirstShown() {
        openWindow();
        QTabWidget* notebook = m_window->notebook();
        QCOMPARE(notebook->widget(0)->objectName(), QString("Page1"));
        QCOMPARE(notebook->tabText(1), QString(" Schedule "));
        auto* page = qobject_cast<SchedulePage*>(notebook->widget(1));
        QVERIFY(page && !page->isBuilt());
        field("edtLoan1")->setFloatValue(90000);
        m_window->Calculate(RecalcSource::Other);
        QVERIFY(!page->isBuilt());

        notebook->setCurrentIndex(1);
        QVERIFY(page->isBuilt());
        QCOMPARE(page->model()->index(0, 1).data().toString(), QString("583.74"));
        field("edtLoan1")->setFloatValue(250000);
        m_window->Calculate(RecalcSource::Other);
        QCOMPARE(page->model()->index(0, 1).data().toString(), QString("1,621.50"));

        const QList<QAction*> file = m_window->findChild<QMenu*>("mnuFile")->actions();
        const auto exit = std::find_if(file.begin(), file.end(), [](const QAction* action) {
            return action->objectName() == "mnuFileExit";
        });
        QVERIFY(exit - file.begin() >= 2);
        QVERIFY(exit[-1]->isSeparator());
        QCOMPARE(exit[-2]->objectName(), QString("mnuFileExportSchedule"));
        QCOMPARE(exit[-2]->text(), QString("Export &Schedule..."));
    }

    void closingWritesWhatTheNextStartReads() {
        openWindow();
        enterByTab("edtInterest2");
        QTest::keyClicks(focused(), "4.5");
        QTest::keyClick(focused(), Qt::Key_Tab);
        field("edtAnnualInsurance1")->setFloatValue(600);
        combo("cbFrequency1")->setEditText("Biweekly 26");
        m_window->Calculate(RecalcSource::FrequencyBox);
        m_window->close();
        m_window.reset();

        const std::string file = readSettingsFile(settingsFilePath());
        QVERIFY(file.find("Interest2=4.5\n") != std::string::npos);
        QVERIFY(file.find("Frequency1=Biweekly 26\n") != std::string::npos);
        QVERIFY(file.find("Insurance1=600\n") != std::string::npos);
        QVERIFY(file.find("Run=1") != std::string::npos);

        openWindow();
        QCOMPARE(text("edtInterest2"), QString("4.5000"));
        QCOMPARE(combo("cbFrequency1")->currentText(), QString("Biweekly 26"));
        QCOMPARE(text("edtAnnualInsurance1"), QString("600.00"));
        QVERIFY(!m_window->helpWindow());
    }

    // Closing leaves the field being typed in first: a valid entry is worked
    // out and saved, a rejected one is reported once and its last valid
    // value saved, and the close goes on either way.
    void closingLeavesTheFocusedFieldFirst_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("messages");
        QTest::addColumn<QString>("savedInput");
        QTest::addColumn<QString>("savedPayment");
        QTest::newRow("valid") << "edtLoan1"
                               << "250000" << 0 << "Loan1=250000"
                               << "Payment1=1621.5";
        QTest::newRow("out of range") << "edtTerm1"
                                      << "99999" << 1 << "Term1=360"
                                      << "Payment1=972.9";
    }

    void closingLeavesTheFocusedFieldFirst() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        RecordingAlerts alerts;
        const ScopedFieldAlerts useAlerts(alerts);
        openWindow();
        enterByTab(field.toLatin1().constData());
        QTest::keyClicks(focused(), typed);
        QVERIFY(m_window->close());
        m_window.reset();
        QTEST(int(alerts.messages.size()), "messages");
        const QString file = QString::fromStdString(readSettingsFile(settingsFilePath()));
        QFETCH(QString, savedInput);
        QFETCH(QString, savedPayment);
        QVERIFY2(file.contains(savedInput + "\n"), qPrintable(file));
        QVERIFY2(file.contains(savedPayment + "\n"), qPrintable(file));
    }

    void enterWorksTheLoanOutAndStaysInTheField() {
        openWindow();
        enterByTab("edtLoan1");
        QTest::keyClicks(focused(), "250000");
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(text("edtPayment1"), QString("1,621.50"));
        QCOMPARE(focusedName(), QString("edtLoan1"));
        QTest::keyClicks(focused(), "9"); // the whole text was selected
        QCOMPARE(text("edtLoan1"), QString("9"));
    }

    void unreadableSettingsStartWithDefaults_data() {
        QTest::addColumn<QByteArray>("content");
        QByteArray noise(65536, '\0');
        QRandomGenerator generator(7);
        for (char& byte : noise)
            byte = static_cast<char>(generator.bounded(256));
        QTest::newRow("random bytes") << noise;
        QTest::newRow("100,000-character lines")
            << "[LastValues]\nLoan1=" + QByteArray(100000, '7') + "\n" + QByteArray(100000, 'x') +
                   "\nFrequency2=" + QByteArray(100000, 'M') + "\n";
    }

    void unreadableSettingsStartWithDefaults() {
        QFETCH(QByteArray, content);
        writeSettings(content);
        openWindow();
        QCOMPARE(text("edtLoan1"), QString("150,000.00"));
        QCOMPARE(text("edtTerm1"), QString("360"));
        QCOMPARE(text("edtInterest2"), QString("5.7500"));
    }

    void failingFormulaShowsTheCalculationMessageOnce() {
        openWindow();
        // The rate mask cannot hold a rate low enough to fail; a wider one can.
        field("edtInterest1")->setPictureMask("#####.####");
        combo("cbFrequency1")->setEditText("Quarterly 4");
        field("edtAnnualTaxes1")->setFloatValue(1200);
        field("edtLoan2")->setFloatValue(99000);
        enterByTab("edtInterest1");
        field("edtInterest1")->setFloatValue(-500);
        QTest::keyClick(focused(), Qt::Key_Tab);

        QCOMPARE(m_shown.size(), 1);
        QCOMPARE(m_shown[0].caption, QString("Information"));
        QVERIFY(m_shown[0].text.startsWith("Valid results cannot be calculated using\n"));
        QCOMPARE(focusedName(), QString("edtLoan1"));
        QCOMPARE(text("edtInterest1"), QString("6.7500"));
        QCOMPARE(text("edtLoan2"), QString("150,000.00"));
        QCOMPARE(combo("cbFrequency1")->currentText(), QString("Monthly 12"));
        QCOMPARE(m_window->loanPanel(LoanNumber::First)->state().FrequencyIndex, 6);
        QCOMPARE(text("edtAnnualTaxes1"), QString("1,200.00"));
    }

    void failedRecalculationKeepsTheResultsAndTheNewInputs() {
        openWindow();
        enterByTab("edtLoan1");
        field("edtInterest1")->setPictureMask("#####.####");
        field("edtInterest1")->setFloatValue(-1300);
        field("edtLoan1")->setFloatValue(80000);
        const QString paymentBefore = text("edtPayment1");

        m_window->guarded([this] { m_window->Calculate(RecalcSource::Other); });

        QCOMPARE(m_shown.size(), 1);
        QCOMPARE(text("edtPayment1"), paymentBefore);
        QCOMPARE(label("lblTerm"), QString("30.00 years."));
        QCOMPARE(m_window->loanPanel(LoanNumber::First)->state().Interest, -1300.0);
        QCOMPARE(m_window->loanPanel(LoanNumber::First)->state().Amount, 80000.0);
        QCOMPARE(text("edtLoan1"), QString("150,000.00"));
        QCOMPARE(focusedName(), QString("edtLoan1"));
    }

    void otherErrorsShowTheGeneralMessage() {
        openWindow();
        m_window->guarded([] { throw std::runtime_error("disk trouble"); });
        QCOMPARE(m_shown.size(), 1);
        QVERIFY(m_shown[0].text.startsWith("An error has occurred."));
        QVERIFY(!m_shown[0].text.contains("disk trouble"));
        QCOMPARE(text("edtLoan1"), QString("150,000.00"));
    }

    void screenReadersFindOneFocusAndNamedButtons() {
        openWindow();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        field("edtLoan2")->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(focusedName(), QString("edtLoan2"));
        QStringList focused;
        collectFocused(QAccessible::queryAccessibleInterface(m_window.get()), focused);
        QCOMPARE(focused, QStringList{"edtLoan2"});

        QStringList names;
        for (const char* button : {"btnReset", "btnUpdate", "btnAbout", "btnHelp", "SpeedButton1"})
            names << QAccessible::queryAccessibleInterface(
                         m_window->findChild<QToolButton*>(button))
                         ->text(QAccessible::Name);
        QCOMPARE(names, QStringList({"Reset Default Values ...", "Check for New Version ...",
                                     "About ...", "Help ...", "Exit Paysmith"}));
    }

  private:
    void openWindow() {
        MainWindowServices services;
        services.showInformation = [this](QWidget*, const QString& caption, const QString& text) {
            m_shown.push_back({caption, text, focusedName()});
        };
        services.showStartupError = [this](QWidget*, const QString& text) {
            m_shown.push_back({"startup", text, focusedName()});
        };
        services.programFolder = m_config->filePath("no-data") + "/";
        services.askForAnotherSettingsFile = [this](QWidget*, const QString& problem) {
            m_shown.push_back({"ask", problem, focusedName()});
            return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
        };
        m_window = std::make_unique<TfrmMain>(std::move(services));
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void writeSettings(const QByteArray& content) {
        const QString path = settingsFilePath();
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    // Focus arrives as it does from the keyboard, selecting the whole value.
    void enterByTab(const char* name) {
        QWidget* target = m_window->findChild<QWidget*>(name);
        QVERIFY(target);
        target->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), target);
    }

    QWidget* focused() const { return QApplication::focusWidget(); }

    QString focusedName() const {
        QWidget* widget = QApplication::focusWidget();
        if (widget && qobject_cast<QLineEdit*>(widget) &&
            qobject_cast<QComboBox*>(widget->parentWidget()))
            widget = widget->parentWidget();
        return widget ? widget->objectName() : QString();
    }

    TNumericField* field(const char* name) const {
        return m_window->findChild<TNumericField*>(name);
    }
    static void collectFocused(QAccessibleInterface* node, QStringList& focused) {
        if (node->state().focused)
            focused << (node->object() ? node->object()->objectName()
                                       : node->text(QAccessible::Name));
        for (int i = 0; i < node->childCount(); ++i)
            collectFocused(node->child(i), focused);
    }
    QString text(const char* name) const { return field(name)->text(); }
    QString label(const char* name) const { return m_window->findChild<QLabel*>(name)->text(); }
    QComboBox* combo(const char* name) const { return m_window->findChild<QComboBox*>(name); }

    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<TfrmMain> m_window;
    QList<Shown> m_shown;
    QStringList m_answers; // to the settings file's refusals
};

} // namespace paysmith

QTEST_MAIN(paysmith::MainWindowTest)
#include "mainwindow_test.moc"

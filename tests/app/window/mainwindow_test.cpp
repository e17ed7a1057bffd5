#include "app/window/mainwindow.h"

#include "app/i18n/translations.h"
#include "app/settings/savedvalues.h"
#include "app/settingsfile/settingsfile.h"
#include "base/accessible/announcer.h"
#include "compare/model/offersmodel.h"
#include "compare/page/comparepage.h"
#include "figures/kit/figuresdocument.h"
#include "figures/kit/figuresprintout.h"
#include "figures/kit/yearschart.h"
#include "numfield/locale/localeintl.h"
#include "numfield/widget/accessibleeventlog.h"
#include "numfield/widget/fieldalerts.h"
#include "numfield/widget/numericfield.h"
#include "schedule/page/schedulemodel.h"
#include "schedule/page/schedulepage.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMultiMap>
#include <QPdfWriter>
#include <QPointer>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

#include <memory>
#include <tuple>

namespace paysmith {

namespace {

class RecordingAlerts : public FieldAlerts {
  public:
    void beep() override {}
    void showError(QWidget*, const QString& message) override { messages.push_back(message); }
    QStringList messages;
};

enum class End { Close, CloseInactive, DisplayLost };

// Where a page is when a change is made, and when what it shows is read.
enum class Seen { InFront, Behind, TurnedTo };

struct Shown {
    QString caption;
    QString text;
    QString focusAtShow;
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    // As the program starts: in the user's language.
    void initTestCase() { installTranslations(*qApp); }

    void init() {
        m_firstRunHelpShown = false;
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
        QVERIFY(m_firstRunHelpShown);
    }

    void frameMatchesTheDesignedWindow() {
        openWindow();
        QCOMPARE(m_window->windowTitle(), QString("Paysmith, 4.6"));
        QCOMPARE(m_window->centralWidget()->size(), QSize(658, 435));
        QCOMPARE(m_window->size(), m_window->minimumSize());
        // Placed on the page itself, not only inside the panels' own box.
        QWidget* page = m_window->notebook()->widget(0);
        for (const auto& [name, place] : {std::pair{"Panel1", QRect(7, 7, 319, 322)},
                                          std::pair{"Panel3", QRect(330, 7, 319, 322)}}) {
            QWidget* panel = m_window->findChild<QWidget*>(name);
            QCOMPARE(QRect(panel->mapTo(page, QPoint()), panel->size()), place);
        }
        QCOMPARE(m_window->findChild<QWidget*>("SpeedButton1")->x(), 624);
        QCOMPARE(m_window->notebook()->tabText(0), QString(" Paysmith "));
    }

    // Grown, the window keeps the loan page as designed, centred, gives the
    // room to the schedule, and opens at that size the next time.
    void grownWindowShowsTheScheduleAndIsRemembered() {
        openWindow();
        const QSize grown(1280, 760);
        m_window->resize(grown);
        QTRY_COMPARE(m_window->size(), grown);
        QWidget* loan1 = m_window->findChild<QWidget*>("Panel1");
        QCOMPARE(loan1->size(), QSize(319, 322));
        QCOMPARE(loan1->mapTo(m_window.get(), QPoint()).x(), (1280 - 654) / 2 + 7);
        turnPage(1);
        auto* table = m_window->findChild<QTableView*>("tvSchedule");
        QTRY_VERIFY(table->rowAt(table->viewport()->height() - 1) >= 24);
        // The next start opens at the size closed with, within its screen.
        const QSize kept(760, 560);
        m_window->resize(kept);
        QVERIFY(m_window->close());
        m_window.reset();
        openWindow();
        QCOMPARE(m_window->size(), kept);
    }

    void pastedConstantIsAccepted() {
        openWindow();
        enterByTab("cbFrequency1");
        QLineEdit* edit = combo("cbFrequency1")->lineEdit();
        edit->selectAll();
        QApplication::clipboard()->setText("Constant");
        edit->paste();
        QCOMPARE(combo("cbFrequency1")->currentText(), QString("Constant"));
        QCOMPARE(m_window->loanPanel(WhichLoan::Loan1)->state().FrequencyIndex, 0);
        QCOMPARE(label("lblTerm"), QString("15.00 years."));
        QCOMPARE(text("edtPayment1"), QString("10,125.00"));
    }

    void savedUnknownFrequencyStandsUntilTheBoxIsLeft() {
        writeSettings("[LastValues]\nFrequency1=monthly 12\n[GeneralValues]\nRun=1\n");
        openWindow();
        QCOMPARE(combo("cbFrequency1")->currentText(), QString("monthly 12"));
        QCOMPARE(m_window->loanPanel(WhichLoan::Loan1)->state().FrequencyIndex, 0);
        QCOMPARE(label("lblTerm"), QString("15.00 years."));
        QVERIFY(!m_window->helpWindow());

        enterByTab("edtLoan1");
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focusedName(), QString("cbFrequency1"));
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(combo("cbFrequency1")->currentText(), QString("Monthly 12"));
        QCOMPARE(label("lblTerm"), QString("30.00 years."));
    }

    // Run by the test mainwindow_german under LANG=de_DE.UTF-8: German on
    // screen, Qt's buttons too, and the English captions in the file, which
    // therefore reads back the same in either language.
    void germanIsShownWhileTheFileKeepsTheEnglishCaptions() {
        if (!QLocale().uiLanguages().contains("de"))
            QSKIP("speaks German only under LANG=de_DE.UTF-8");
        QCOMPARE(installTranslations(*qApp), QString("de"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Abbrechen"));
        QWidget panels;
        const LoanPanel localPanel(WhichLoan::Loan1, TIntlSupport(systemIntlSettings()), &panels);
        const auto captions = localPanel.findChildren<QLabel*>();
        QVERIFY(std::any_of(captions.begin(), captions.end(), [](QLabel* caption) {
            return caption->text() == "Darlehensbetrag  €";
        }));
        openWindow();
        QCOMPARE(m_window->menuBar()->actions().first()->text(), QString("&Datei"));
        QCOMPARE(combo("cbFrequency1")->currentText(), QString("Monatlich 12"));
        for (const auto& [name, typed] : {std::pair{"cbFrequency1", "Halbjährlich 2"},
                                          std::pair{"cbFrequency2", "Weekly 52"}}) {
            enterByTab(name);
            combo(name)->lineEdit()->selectAll();
            combo(name)->lineEdit()->insert(QString(typed));
            QTest::keyClick(focused(), Qt::Key_Tab);
        }
        QCOMPARE(label("lblTerm"), QString("180.00 Jahre."));
        QVERIFY(m_window->close());
        const QString file = QString::fromStdString(readSettingsFile(settingsFilePath()));
        QVERIFY2(file.contains("Frequency1=Biannually 2\n") &&
                     file.contains("Frequency2=Weekly 52\n"),
                 qPrintable(file));
        // A range error names its limits in German words, its numbers in the
        // window's format.
        RecordingAlerts alerts;
        const ScopedFieldAlerts useAlerts(alerts);
        openWindow();
        enterByTab("edtTerm1");
        QTest::keyClicks(focused(), "99999");
        QTest::keyClick(focused(), Qt::Key_Tab);
        QTRY_COMPARE(alerts.messages.size(), 1);
        QCOMPARE(alerts.messages[0],
                 QString("Der Wert liegt nicht im erlaubten Bereich (von −32,768 bis 32,767)"));
    }

    void changingPageLeavesTheEditedFieldFirst() {
        openWindow();
        m_window->notebook()->addTab(new QWidget, "Other");
        enterByTab("edtLoan1");
        QTest::keyClicks(focused(), "90000");
        turnPage(1);
        QCOMPARE(m_window->notebook()->currentIndex(), 1);
        QCOMPARE(m_window->loanPanel(WhichLoan::Loan1)->state().Amount, 90000.0);
        QCOMPARE(text("edtLoan1"), QString("90,000.00"));
        QCOMPARE(text("edtPayment1"), QString("583.74"));
    }

    // F1 opens the help of the page in front, wherever the focus is on it;
    // without a help folder the window names the page it looked for.
    void f1OpensThePageInFrontsHelp_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("topic");
        QTest::newRow("loans") << 0 << "index.html";
        QTest::newRow("schedule") << 1 << "schedule.html";
        QTest::newRow("compare") << 2 << "compare.html";
        QTest::newRow("promotion") << 3 << "index.html";
    }

    void f1OpensThePageInFrontsHelp() {
        QFETCH(int, page);
        writeSettings("[GeneralValues]\nRun=1\n");
        openWindow();
        QVERIFY(!m_window->helpWindow());
        if (page == 0)
            enterByTab("edtTerm2");
        else
            turnPage(page);
        QTest::keyClick(focused() ? focused() : m_window.get(), Qt::Key_F1);
        QVERIFY(m_window->helpWindow());
        QVERIFY(m_window->helpWindow()->isVisible());
        const QString shown = m_window->helpWindow()->findChild<QTextBrowser*>()->toPlainText();
        QFETCH(QString, topic);
        QVERIFY2(shown.contains(topic), qPrintable(shown));
    }

    // No two controls of one window answer the same Alt letter: the page in
    // front with the menu bar's titles, each menu among its own entries, and
    // the help window; mainwindow_german runs this in German.
    void mnemonicsAreUniqueInEveryWindow() {
        openWindow();
        const auto clashes = [](const QStringList& captions) {
            QMultiMap<QKeySequence, QString> byLetter;
            for (const QString& caption : captions)
                byLetter.insert(QKeySequence::mnemonic(caption), caption);
            QStringList found;
            for (const QKeySequence& letter : byLetter.uniqueKeys())
                if (!letter.isEmpty() && byLetter.count(letter) > 1)
                    found << QStringList(byLetter.values(letter)).join(" / ");
            return found.join("; ");
        };
        const auto captionsIn = [&clashes](QWidget* window) {
            QStringList captions;
            for (QWidget* control : window->findChildren<QWidget*>()) {
                const auto* label = qobject_cast<QLabel*>(control);
                const auto* tabs = qobject_cast<QTabBar*>(control);
                if (!control->isVisibleTo(window))
                    continue;
                if (auto* button = qobject_cast<QAbstractButton*>(control))
                    captions << button->text();
                else if (label && label->buddy())
                    captions << label->text();
                else if (auto* group = qobject_cast<QGroupBox*>(control))
                    captions << group->title();
                for (int i = 0; tabs && i < tabs->count(); ++i)
                    captions << tabs->tabText(i);
                if (qobject_cast<QMenuBar*>(control))
                    for (const QAction* title : control->actions())
                        captions << title->text();
            }
            return clashes(captions);
        };
        for (int page = 0; page < m_window->notebook()->count(); ++page) {
            turnPage(page);
            // A page built as it shows lays its controls out, and shows them, next.
            QCoreApplication::processEvents();
            QVERIFY2(captionsIn(m_window.get()).isEmpty(), qPrintable(captionsIn(m_window.get())));
        }
        for (const QMenu* menu : m_window->findChildren<QMenu*>()) {
            QStringList entries;
            for (const QAction* entry : menu->actions())
                entries << (entry->isVisible() ? entry->text() : QString());
            QVERIFY2(clashes(entries).isEmpty(), qPrintable(clashes(entries)));
        }
        m_window->mnuHelpContentsClick();
        QVERIFY2(captionsIn(m_window->helpWindow()).isEmpty(),
                 qPrintable(captionsIn(m_window->helpWindow())));
    }

    void closingClosesTheHelp() {
        openWindow();
        m_window->mnuHelpContentsClick();
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
        turnPage(1);
        QTRY_COMPARE(alerts.messages.size(), 1);
        QCOMPARE(alerts.messages[0],
                 QString("Value is not within required range (from −32,768 to 32,767)"));
        QCOMPARE(m_window->notebook()->currentIndex(), 0);
        QCOMPARE(focusedName(), QString("edtTerm1"));
        QCOMPARE(text("edtTerm1"), QString("99999"));
    }

    // The page keys turn the notebook from inside a number field too, after
    // the field's entry is worked out; the tab bar then has the focus.
    void pageKeysTurnThePageFromAField_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<int>("page");
        QTest::newRow("Ctrl+Tab") << QKeySequence(Qt::CTRL | Qt::Key_Tab) << 1;
        QTest::newRow("Ctrl+PgDn") << QKeySequence(Qt::CTRL | Qt::Key_PageDown) << 1;
        QTest::newRow("Ctrl+Shift+Tab")
            << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab) << 4;
        QTest::newRow("Ctrl+PgUp") << QKeySequence(Qt::CTRL | Qt::Key_PageUp) << 4;
    }

    void pageKeysTurnThePageFromAField() {
        QFETCH(QKeySequence, keys);
        openWindow();
        enterByTab("edtTerm1");
        QTest::keyClicks(focused(), "400");
        QTest::keySequence(focused(), keys);
        QTEST(m_window->notebook()->currentIndex(), "page");
        QCOMPARE(focused(), m_window->notebook()->tabBar());
        QCOMPARE(label("lblTerm"), QString("33.33 years."));
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

    // Turned by the page keys, the page is named by the tab bar, which has
    // the focus; turned from elsewhere, it is announced.
    void pageTurnedFromElsewhereIsAnnounced() {
        openWindow();
        announce(m_window.get(), QStringLiteral("before"));
        QTRY_COMPARE(lastAnnouncement(), QStringLiteral("before"));
        enterByTab("edtTerm1");
        QTest::keySequence(focused(), QKeySequence(Qt::CTRL | Qt::Key_Tab));
        QCoreApplication::processEvents();
        QCOMPARE(lastAnnouncement(), QStringLiteral("before"));
        // Reset from a control of the Schedule page.
        m_window->findChild<QWidget*>("twScheduleSummary")->setFocus(Qt::TabFocusReason);
        m_window->btnResetClick();
        QTRY_VERIFY(lastAnnouncement().startsWith("Paysmith page Loan 1: payment 972.90"));
    }

    void resetFromAnotherPageRestoresBothLoansAndTheComparison() {
        openWindow();
        field("edtLoan2")->setFloatValue(5000);
        field("edtAnnualTaxes1")->setFloatValue(2400);
        combo("cbFrequency2")->setEditText("Weekly 52");
        m_window->Calculate2(RecalcSource::Other);
        m_window->notebook()->addTab(new QWidget, "Other");
        m_window->notebook()->setCurrentIndex(2);
        auto* offers = m_window->findChild<OffersModel*>();
        offers->replaceInputs({{{{4000, 1, 100, 5000, 24}, {500, 0, 50, 0, 0}}}, 5, AprMethod::EU});

        m_window->btnResetClick();

        QCOMPARE(m_window->notebook()->currentIndex(), 0);
        QCOMPARE(focusedName(), QString("edtLoan1"));
        QCOMPARE(text("edtLoan2"), QString("150,000.00"));
        QCOMPARE(text("edtAnnualTaxes1"), QString("0.00"));
        QCOMPARE(combo("cbFrequency2")->currentText(), QString("Monthly 12"));
        QCOMPARE(text("edtPayment2"), QString("1,053.13"));
        QCOMPARE(text("edtTotalPaid1"), QString("350,242.97"));
        // As a file without the comparison's keys gives them, and their
        // extras gone from the schedule.
        QCOMPARE(offers->inputs(), ComparisonInputs{});
        m_window->notebook()->setCurrentIndex(1);
        m_window->findChild<SchedulePage*>()->chooseLoan(WhichLoan::Loan2);
        QVERIFY(!m_window->findChild<SchedulePage*>()->model()->hasExtras());
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
        QVERIFY(exit - file.begin() >= 6);
        QVERIFY(exit[-1]->isSeparator() && exit[-6]->isSeparator());
        const char* const entries[] = {"mnuFileExportSchedule", "mnuFileSchedulePdf",
                                       "mnuFilePrintSchedule", "mnuFileExportComparison"};
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(exit[k - 5]->objectName(), QString(entries[k]));
            QVERIFY(!exit[k - 5]->icon().isNull());
        }
    }

    // The Compare page comes third and is built when first shown; it follows
    // the loans, and what is typed into it counts at once and is kept for the
    // next start.
    void comparePageFollowsTheLoansAndKeepsItsEntries() {
        openWindow();
        QTabWidget* notebook = m_window->notebook();
        QCOMPARE(notebook->tabText(2), QString(" Compare "));
        auto* page = qobject_cast<ComparePage*>(notebook->widget(2));
        QVERIFY(page && !page->isBuilt());
        notebook->setCurrentIndex(2);
        QVERIFY(page->isBuilt());
        enterByTab("edtFees2");
        QTest::keyClicks(focused(), "4000");
        enterByTab("edtPoints1");
        const auto* table = m_window->findChild<QTableWidget*>("twCompare");
        QCOMPARE(table->item(0, 1)->text(), QString("4,000.00"));
        QVERIFY2(label("lblCrossover").startsWith("Kept 30.00 years, Loan "),
                 qPrintable(label("lblCrossover")));
        field("edtInterest1")->setFloatValue(7);
        m_window->Calculate(RecalcSource::Other);
        QCOMPARE(table->item(1, 0)->text(), QString("7.000"));
        // On paper: the inputs beside each other, the figures, and the crossover.
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QPdfWriter writer(&pdf);
        const QStringList paper =
            FiguresPrintout(page->document(), writer, m_window->font().family()).pageText(0);
        for (const QString& line :
             {QString("Which offer costs less"), QString("Annual interest rate %\t7.0000\t5.7500"),
              QString("Fees and points\t0.00\t4,000.00\t4,000.00"), label("lblCrossover")})
            QVERIFY2(paper.contains(line), qPrintable(line + " not in\n" + paper.join('\n')));
        // A loan without a schedule is named, with why, in the line and the chart.
        field("edtTerm2")->setIntegerValue(0);
        m_window->Calculate2(RecalcSource::Other);
        const QString why = QStringLiteral("Loan 2 has no schedule: it has no payments.");
        QCOMPARE(label("lblCrossover"), "The costs over time cannot be compared. " + why);
        QCOMPARE(m_window->findChild<YearsChartWidget*>("chtCost")->chart().missing[1], why);
        field("edtTerm2")->setIntegerValue(240);

        m_window->close();
        m_window.reset();
        const QString file = QString::fromStdString(readSettingsFile(settingsFilePath()));
        QVERIFY2(file.contains("\nFees2=4000\n") && !file.contains("KeepYears"), qPrintable(file));
        openWindow();
        QCOMPARE(m_window->findChild<OffersModel*>()->inputs().offers[1].fees, 4000.0);
    }

    // Extra payments typed on the Compare page reach the Schedule page, whose
    // table gains their column; a lump sum past the schedule's end is refused
    // at its field with the reason.
    void extraPaymentsReachTheScheduleOrAreRefused() {
        RecordingAlerts alerts;
        const ScopedFieldAlerts useAlerts(alerts);
        openWindow();
        m_window->notebook()->setCurrentIndex(2);
        for (const auto& [name, typed] :
             {std::pair{"edtExtra2", "100"}, {"edtLump2", "5000"}, {"edtLumpPeriod2", "241"}}) {
            enterByTab(name);
            QTest::keyClicks(focused(), typed);
        }
        m_window->findChild<QWidget*>("edtFees1")->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(alerts.messages.size(), 1);
        QTRY_COMPARE(focusedName(), QString("edtLumpPeriod2"));

        m_window->notebook()->setCurrentIndex(1);
        auto* page = m_window->findChild<SchedulePage*>();
        page->chooseLoan(WhichLoan::Loan2);
        QCOMPARE(page->model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString("Extra"));
        QCOMPARE(page->model()->index(0, 2).data().toString(), QString("100.00"));
        QVERIFY(m_window->findChild<QLabel*>("lblExtrasIncluded")->isVisible());
    }

    // A refusal two fields share is told once, with the payments the lump
    // sum can go with, at the field typed in; then the other field takes the
    // focus and its correction. Payment number 0 is always taken.
    void crossFieldRefusalsLetEitherFieldBeCorrected_data() {
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QStringList>("entries"); // field and text, then the other's
        QTest::addColumn<QString>("note");        // and the message's, when refused
        QTest::addColumn<QList<double>>("taken"); // each payment, lump sum, its number
        const QString range("from payment 1 to 75.");
        QTest::newRow("extra ends the schedule before the lump sum")
            << QByteArray("Lump1=5000\nLumpPeriod1=300")
            << QStringList{"edtExtra1", "1500", "edtLumpPeriod1", "75"} << range
            << QList<double>{1500, 5000, 75};
        QTest::newRow("number past the shortened end")
            << QByteArray("Extra1=1500\nLump1=5000\nLumpPeriod1=60")
            << QStringList{"edtLumpPeriod1", "300", "edtExtra1", "0"} << range
            << QList<double>{0, 5000, 300};
        QTest::newRow("number 0 takes the lump sum away")
            << QByteArray("Extra1=1500\nLump1=5000\nLumpPeriod1=60")
            << QStringList{"edtLumpPeriod1", "0"} << QString() << QList<double>{1500, 0, 0};
        QTest::newRow("lump sum waits for its number")
            << QByteArray() << QStringList{"edtLump1", "5000"}
            << "The lump sum does nothing until a payment number is given."
            << QList<double>{0, 5000, 0};
    }

    void crossFieldRefusalsLetEitherFieldBeCorrected() {
        QFETCH(QByteArray, start);
        QFETCH(QStringList, entries);
        QFETCH(QString, note);
        RecordingAlerts alerts;
        const ScopedFieldAlerts useAlerts(alerts);
        writeSettings("[LastValues]\n" + start + "\n[GeneralValues]\nRun=1\n");
        openWindow();
        m_window->notebook()->setCurrentIndex(2);
        const qsizetype told = entries.size() / 2 - 1;
        for (qsizetype i = 0; i < entries.size(); i += 2) {
            enterByTab(entries[i]);
            QCoreApplication::processEvents();
            QCOMPARE(focusedName(), entries[i]);
            QTest::keyClicks(focused(), entries[i + 1]);
            QTest::keyClick(focused(), Qt::Key_Tab);
            QCoreApplication::processEvents();
            const QString shown = label("lblExtrasNote");
            QVERIFY(i > 0 || (shown.contains(note) && shown.isEmpty() == note.isEmpty()));
            QVERIFY(i > 0 || !told ||
                    (alerts.messages.value(0).contains(note) && focusedName() == entries[0]));
        }
        QCOMPARE(alerts.messages.size(), told);
        const OfferTerms& taken = m_window->findChild<OffersModel*>()->inputs().offers[0];
        QTEST((QList<double>{taken.extraPerPeriod, taken.lumpSum, double(taken.lumpPeriod)}),
              "taken");
    }

    // A chosen frequency counts while the box still has the focus; an
    // unknown text typed over it is worked out as the monthly text that
    // replaces it, not at the frequency it was before.
    void frequencyBoxRecalculatesItsOwnLoanAtOnce_data() {
        QTest::addColumn<int>("loan");
        QTest::addColumn<QStringList>("quarterly"); // term, payment
        QTest::newRow("loan 1") << 1 << QStringList{"90.00 years.", "2,537.39"};
        QTest::newRow("loan 2") << 2 << QStringList{"60.00 years.", "2,228.76"};
    }

    void frequencyBoxRecalculatesItsOwnLoanAtOnce() {
        QFETCH(int, loan);
        openWindow();
        const QStringList monthly = shown(loan);
        const QStringList otherLoan = shown(3 - loan);
        const QString box = "cbFrequency" + QString::number(loan);
        chooseFrequency(box, "Quarterly 4");
        QTEST((QStringList{label(loan == 1 ? "lblTerm" : "lblTerm2"),
                           text("edtPayment" + QString::number(loan))}),
              "quarterly");

        QLineEdit* edit = combo(box)->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, "x");
        QCOMPARE(shown(loan), monthly);
        QCOMPARE(shown(3 - loan), otherLoan);
    }

    void typedInputsWorkOutTheirOwnLoanOnly_data() { typedLoans(); }

    void typedInputsWorkOutTheirOwnLoanOnly() {
        QFETCH(int, loan);
        QFETCH(QStringList, inputs);
        openWindow();
        // Once built, the schedule must hear of every later recalculation,
        // the last one made as the page turns.
        turnPage(1);
        turnPage(0);
        const QStringList otherLoan = shown(3 - loan);
        enterInputs(loan, inputs);
        turnPage(1);
        QStringList readOuts;
        for (const char* name :
             {"edtPayment", "edtInterestPaid", "edtTaxes", "edtInsurance", "edtTotalPaid"})
            readOuts << text(name + QString::number(loan));
        readOuts << label(loan == 1 ? "lblTerm" : "lblTerm2");
        QTEST(readOuts, "readOuts");
        QCOMPARE(shown(3 - loan), otherLoan);

        m_window->findChild<QRadioButton*>("rbScheduleLoan" + QString::number(loan))->click();
        const ScheduleModel& model = *m_window->findChild<SchedulePage*>()->model();
        QCOMPARE(model.rowCount(), inputs[2].toInt());
        QStringList firstRow;
        for (int column = 0; column < model.columnCount(); ++column)
            firstRow << model.index(0, column).data().toString();
        QTEST(firstRow, "firstRow");

        // The summary sets the loans side by side as their panels show them.
        const QHash<QString, QString> panelField{
            {"Payment with taxes and insurance, formula", "edtPayment"},
            {"Total interest, formula", "edtInterestPaid"},
            {"Total paid, formula", "edtTotalPaid"}};
        const auto* summary = m_window->findChild<QTableWidget*>("twScheduleSummary");
        int compared = 0;
        for (int row = 0; row < summary->rowCount(); ++row) {
            const QString name = panelField.value(summary->verticalHeaderItem(row)->text());
            for (int n = 1; n <= 2 && !name.isEmpty(); ++n, ++compared)
                QCOMPARE(summary->item(row, n - 1)->text(), text(name + QString::number(n)));
        }
        QCOMPARE(compared, 6);
    }

    // What the Schedule and Compare pages show after each change a user can
    // make that they show, both pages built: made with the page in front (a
    // loan's input left by the click on the page's tab, Reset chosen there
    // and the page turned back to), behind (as printed from there), and
    // behind, then turned to.
    void pagesShowEachChange_data() {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("home"); // the entries' page; -1 for any
        QTest::addColumn<int>("page");
        QTest::addColumn<Seen>("seen");
        QTest::addColumn<QString>("line");
        struct Change {
            const char* name;
            QStringList setup;
            QStringList entries;
            int home;
            QString onSchedule;
            QString onCompare;
        };
        // clang-format off
        const Change changes[] = {
            {"amount", {}, {"edtLoan1", "250000"}, 0,
             "1\t1,621.50\t215.25\t1,406.25\t0.00\t0.00\t249,784.75",
             "Cost of borrowing if kept 30.00 years\t333,734.37\t102,749.06\t-230,985.31"},
            {"rate", {}, {"edtInterest1", "3"}, 0,
             "1\t632.41\t257.41\t375.00\t0.00\t0.00\t149,742.59",
             "Kept 30.00 years, Loan 1 costs less. Kept longer, it stays the cheaper one."},
            {"payments", {}, {"edtTerm2", "120"}, 0,
             "Payment with taxes and insurance, formula\t972.90\t1,646.54\t673.64",
             "Payments until paid off\t360\t120\t-240"},
            {"frequency", {}, {"cbFrequency1", "Quarterly 4"}, 0,
             "Payment with taxes and insurance, formula\t2,537.39\t1,053.13\t-1,484.26",
             "Years until paid off\t90.00\t20.00\t-70.00"},
            {"fees", {}, {"edtFees2", "20000"}, 2, "",
             "Fees and points\t0.00\t20,000.00\t20,000.00"},
            {"points", {}, {"edtPoints1", "2"}, 2, "",
             "Fees and points\t3,000.00\t0.00\t-3,000.00"},
            {"years kept", {}, {"edtKeepYears", "5"}, 2, "",
             "Cost of borrowing if kept 5.00 years\t49,187.39\t40,007.34\t-9,180.05"},
            {"fees and years kept", {}, {"edtFees2", "20000", "edtKeepYears", "2"}, 2, "",
             "Kept 2.00 years, Loan 1 costs less. Kept longer, the cheaper one changes: Loan 2 "
             "from 9.25 years on."},
            {"APR method", {}, {"cbAprMethod", "APRC (European Union)"}, 2, "",
             "APRC (%)\t6.963\t5.904\t-1.059"},
            {"extra each payment", {}, {"edtExtra1", "100"}, 2,
             "The extra payments pay the loan off early, in period 276 of 360: the last payment, "
             "230.29, is what was left.",
             "Interest saved by extra payments\t54,962.97\t0.00\t-54,962.97"},
            {"lump sum", {}, {"edtLump1", "5000", "edtLumpPeriod1", "12"}, 2,
             "The lump sum pays the loan off early, in period 327 of 360: the last payment, "
             "933.58, is what was left.",
             "Interest saved by extra payments\t27,141.78\t0.00\t-27,141.78"},
            {"Reset", {"edtLoan1", "250000", "edtFees1", "4000"}, {"mnuFileReset", ""}, -1,
             "Payment with taxes and insurance, formula\t972.90\t1,053.13\t80.23",
             "Fees and points\t0.00\t0.00\t0.00"},
        };
        // clang-format on
        const char* const situations[] = {"in front", "behind", "turned to"};
        for (const Change& c : changes)
            for (const int page : {1, 2})
                for (const Seen seen : {Seen::InFront, Seen::Behind, Seen::TurnedTo}) {
                    const QString& line = page == 1 ? c.onSchedule : c.onCompare;
                    if (!line.isEmpty() && (seen == Seen::InFront || c.home != page))
                        QTest::addRow("%s, %s page %s", c.name, page == 1 ? "Schedule" : "Compare",
                                      situations[int(seen)])
                            << c.setup << c.entries << c.home << page << seen << line;
                }
    }

    void pagesShowEachChange() {
        QFETCH(QStringList, setup);
        QFETCH(QStringList, entries);
        QFETCH(int, home);
        QFETCH(int, page);
        QFETCH(Seen, seen);
        QFETCH(QString, line);
        openWindow();
        for (const int built : {1, 2})
            turnPage(built);
        make(setup);
        turnPage(page);
        const QStringList before = shownLines(page);
        QVERIFY2(!before.contains(line), qPrintable(before.join('\n')));
        if (seen != Seen::InFront)
            turnPage(0);
        make(entries, seen != Seen::InFront || home != 0);
        if (seen != Seen::Behind && m_window->notebook()->currentIndex() != page)
            turnPage(page);
        const QStringList after = seen == Seen::Behind ? printedLines(page) : shownLines(page);
        QVERIFY2(after.contains(line), qPrintable(after.join('\n')));
    }

    // Each change of a loan's inputs publishes the loan as changed, and what
    // is saved of it keeps the frequency's English caption; mainwindow_german
    // runs this in German.
    void loanIsPublishedAsChanged_data() {
        QTest::addColumn<QStringList>("entry");
        QTest::addColumn<QString>("kept"); // amount, frequency, payments, rate,
                                           // taxes, insurance, payment
        QTest::newRow("amount") << QStringList{"edtLoan1", "250000"}
                                << "250000, Monthly 12, 360, 6.75, 0, 0, 1621.5";
        QTest::newRow("frequency") << QStringList{"cbFrequency1", "Quarterly 4"}
                                   << "150000, Quarterly 4, 360, 6.75, 0, 0, 2537.39";
        QTest::newRow("payments") << QStringList{"edtTerm2", "120"}
                                  << "150000, Monthly 12, 120, 5.75, 0, 0, 1646.54";
        QTest::newRow("rate") << QStringList{"edtInterest2", "8"}
                              << "150000, Monthly 12, 240, 8, 0, 0, 1254.66";
        QTest::newRow("taxes") << QStringList{"edtAnnualTaxes1", "1200"}
                               << "150000, Monthly 12, 360, 6.75, 1200, 0, 1072.9";
        QTest::newRow("insurance") << QStringList{"edtAnnualInsurance2", "600"}
                                   << "150000, Monthly 12, 240, 5.75, 0, 600, 1103.13";
        QTest::newRow("frequency of loan 2") << QStringList{"cbFrequency2", "Biannually 2"}
                                             << "150000, Biannually 2, 240, 5.75, 0, 0, 4317.3";
    }

    void loanIsPublishedAsChanged() {
        QFETCH(QStringList, entry);
        openWindow();
        const LoanPanel* panel =
            m_window->loanPanel(entry[0].endsWith('1') ? WhichLoan::Loan1 : WhichLoan::Loan2);
        const auto kept = [](const LoanValues& values) {
            const SavedLoanValues saved = savedValuesOf(values);
            return QStringList{
                QString::number(saved.amount), QString::fromStdU16String(saved.frequency),
                QString::number(saved.term),   QString::number(saved.interest),
                QString::number(saved.taxes),  QString::number(saved.insurance),
                QString::number(saved.payment)}
                .join(", ");
        };
        const QObject receiver;
        QStringList published;
        connect(panel, &LoanPanel::workedOut, &receiver,
                [&](const LoanValues& values) { published << kept(values); });
        make(entry);
        QVERIFY(!published.isEmpty());
        QTEST(published.last(), "kept");
        QTEST(kept(panel->values()), "kept");
    }

    // What changes where the focus is not is told to screen readers once, in
    // these words; what the focus itself says is not told again.
    void changesAreAnnouncedOnce_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("told");
        QTest::newRow("loan worked out") << QStringList{"edtLoan1", "250000"}
                                         << QStringList{"Loan 1: payment 1,621.50, 30.00 years"};
        QTest::newRow("frequency chosen") << QStringList{"cbFrequency2", "Quarterly 4"}
                                          << QStringList{"Loan 2: payment 2,228.76, 60.00 years"};
        QTest::newRow("input left as it was") << QStringList{"edtTerm1", "360"} << QStringList{};
        QTest::newRow("out of range, worked out as 0")
            << QStringList{"edtTerm1", "40000"} << QStringList{};
        QTest::newRow("key refused")
            << QStringList{"edtTerm1", "x"}
            << QStringList{"Only digits and a minus sign can be typed here"};
        QTest::newRow("page turned by its tab")
            << QStringList{"twScheduleSummary", ""} << QStringList{"Schedule page"};
        QTest::newRow("page turned by Reset")
            << QStringList{"twScheduleSummary", "", "mnuFileReset", ""}
            << QStringList{"Schedule page Paysmith page Loan 1: payment 972.90, 30.00 years "
                           "Loan 2: payment 1,053.13, 20.00 years"};
        QTest::newRow("tab pressed by a screen reader")
            << QStringList{"reader presses", "2"} << QStringList{"Compare page"};
        QTest::newRow("extras note")
            << QStringList{"edtLump1", "5000"}
            << QStringList{"Compare page Loan 1: The lump sum does nothing until a payment number "
                           "is given."};
    }

    void changesAreAnnouncedOnce() {
        QFETCH(QStringList, entries);
        RecordingAlerts alerts;
        const ScopedFieldAlerts useAlerts(alerts);
        openWindow();
        for (const int built : {1, 2, 0})
            turnPage(built);
        enterByTab("edtLoan1");
        QTest::qWait(20);
        const AccessibleEventLog log;
        make(entries);
        QTest::qWait(50);
        QStringList told;
        for (const QString& event : log.events(QAccessible::Notification))
            if (event.startsWith("ObjectShow "))
                told << event.mid(11);
        QTEST(told, "told");
    }

    // A page built when first turned to tells readers of its controls as they
    // reach them, not all at once: Orca takes fifty changes at once for a
    // flood and drops what follows, the page's own announcement first.
    void pageBuiltWhenFirstTurnedToIsAnnounced_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("told");
        QTest::newRow("Schedule") << 1 << "Schedule page";
        QTest::newRow("Compare") << 2 << "Compare page";
    }

    void pageBuiltWhenFirstTurnedToIsAnnounced() {
        QFETCH(int, page);
        QFETCH(QString, told);
        openWindow();
        const AccessibleEventLog log;
        turnPage(page);
        QTRY_VERIFY(log.events(QAccessible::Notification).contains("ObjectShow " + told));
        const qsizetype changes = log.count(
            {QAccessible::NameChanged, QAccessible::DescriptionChanged, QAccessible::ValueChanged,
             QAccessible::TextInserted, QAccessible::TextRemoved, QAccessible::TextUpdated,
             QAccessible::TextCaretMoved, QAccessible::TextSelectionChanged});
        QVERIFY2(changes < 20, qPrintable(QStringLiteral("%1 changes told").arg(changes)));
    }

    void closingKeepsTheInputsForTheNextStart_data() { typedLoans(); }

    void closingKeepsTheInputsForTheNextStart() {
        QFETCH(int, loan);
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, saved);
        openWindow();
        enterInputs(loan, inputs);
        const QStringList before = shown(1) + shown(2);
        m_window->close();
        m_window.reset();

        const QString file = QString::fromStdString(readSettingsFile(settingsFilePath()));
        for (const QString& line : saved + QStringList{"Run=1"})
            QVERIFY2(file.contains("\n" + line + "\n"), qPrintable(line + " missing in\n" + file));
        openWindow();
        QCOMPARE(shown(1) + shown(2), before);
        QVERIFY(!m_window->helpWindow());
    }

    // Closing leaves the field being typed in first: a valid entry is worked
    // out and saved, a rejected one is reported once and its last valid
    // value saved, and the close goes on either way; so too when another
    // program's window is active, and when the display has gone (with no one
    // left to report to).

    void closingLeavesTheFocusedFieldFirst_data() {
        QTest::addColumn<End>("end");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("messages");
        QTest::addColumn<QString>("savedInput");
        QTest::addColumn<QString>("savedPayment");
        for (auto [end, name, report] : {std::tuple{End::Close, "", 1},
                                         {End::CloseInactive, " while inactive", 1},
                                         {End::DisplayLost, " without a display", 0}}) {
            QTest::addRow("valid%s", name) << end << "edtLoan1"
                                           << "250000" << 0 << "Loan1=250000"
                                           << "Payment1=1621.5";
            QTest::addRow("out of range%s", name) << end << "edtTerm1"
                                                  << "99999" << report << "Term1=360"
                                                  << "Payment1=972.9";
        }
    }

    void closingLeavesTheFocusedFieldFirst() {
        QFETCH(End, end);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        RecordingAlerts alerts;
        const ScopedFieldAlerts useAlerts(alerts);
        openWindow();
        enterByTab(field.toLatin1().constData());
        QTest::keyClicks(focused(), typed);
        QWidget otherProgram;
        if (end == End::CloseInactive) {
            otherProgram.show();
            otherProgram.activateWindow();
            QTRY_VERIFY(!m_window->isActiveWindow());
        }
        if (end == End::DisplayLost)
            m_window->SaveWithoutDisplay();
        else
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
        QCOMPARE(m_window->loanPanel(WhichLoan::Loan1)->state().FrequencyIndex, 6);
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
        QCOMPARE(m_window->loanPanel(WhichLoan::Loan1)->state().Interest, -1300.0);
        QCOMPARE(m_window->loanPanel(WhichLoan::Loan1)->state().Amount, 80000.0);
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
    // Distinct values in every field of one loan, so that a value taken from
    // a neighbouring field or the other loan shows.
    static void typedLoans() {
        QTest::addColumn<int>("loan");
        QTest::addColumn<QStringList>("inputs"); // in Tab order
        QTest::addColumn<QStringList>("readOuts");
        QTest::addColumn<QStringList>("firstRow");
        QTest::addColumn<QStringList>("saved");
        // clang-format off
        QTest::newRow("loan 1") << 1
            << QStringList{"100000", "Weekly 52", "520", "5.2", "5200", "2600"}
            << QStringList{"396.72", "28,292.12", "52,000.00", "26,000.00", "206,292.12",
                           "10.00 years."}
            << QStringList{"1", "246.72", "146.72", "100.00", "100.00", "50.00", "99,853.28"}
            << QStringList{"Loan1=100000", "Frequency1=Weekly 52", "Term1=520", "Interest1=5.2",
                           "Taxes1=5200", "Insurance1=2600", "Payment1=396.72"};
        QTest::newRow("loan 2") << 2
            << QStringList{"60000", "Quarterly 4", "48", "8", "2000", "1000"}
            << QStringList{"2,706.11", "33,893.29", "24,000.00", "12,000.00", "129,893.29",
                           "12.00 years."}
            << QStringList{"1", "1,956.11", "756.11", "1,200.00", "500.00", "250.00", "59,243.89"}
            << QStringList{"Loan2=60000", "Frequency2=Quarterly 4", "term2=48", "Interest2=8",
                           "Taxes2=2000", "Insurance2=1000", "Payment2=2706.11"};
        // clang-format on
    }

    // Each field entered by Tab, typed over and worked out with Enter; the
    // focus stays in the last one.
    void enterInputs(int loan, const QStringList& inputs) {
        const char* const names[] = {"edtLoan",     "cbFrequency",    "edtTerm",
                                     "edtInterest", "edtAnnualTaxes", "edtAnnualInsurance"};
        for (int k = 0; k < 6; ++k) {
            const QString name = names[k] + QString::number(loan);
            if (name.startsWith("cb")) {
                chooseFrequency(name, inputs[k]);
                continue;
            }
            enterByTab(name);
            QTest::keyClicks(focused(), inputs[k]);
            QTest::keyClick(focused(), Qt::Key_Return);
        }
    }

    // Clicks a page's tab, as a user turns the page.
    void turnPage(int index) {
        QTabBar* tabs = m_window->notebook()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }

    // Types or chooses each entry as a user would, on the entry's own page:
    // pairs of a control's name and its text. A field is left with Tab, the
    // last one only when `leaveLast`; a menu entry is chosen, a tab pressed
    // as a screen reader presses it, and any other control focused.
    void make(const QStringList& entries, bool leaveLast = true) {
        QTabWidget* notebook = m_window->notebook();
        for (qsizetype i = 0; i < entries.size(); i += 2) {
            const QString& name = entries[i];
            const QString& text = entries[i + 1];
            if (name == "reader presses") {
                QAccessible::queryAccessibleInterface(notebook->tabBar())
                    ->child(text.toInt())
                    ->actionInterface()
                    ->doAction(QAccessibleActionInterface::pressAction());
                continue;
            }
            if (auto* action = m_window->findChild<QAction*>(name)) {
                action->trigger();
                continue;
            }
            QWidget* control = m_window->findChild<QWidget*>(name);
            QVERIFY2(control, qPrintable(name));
            for (int page = 0; page < notebook->count(); ++page)
                if (notebook->widget(page)->isAncestorOf(control) &&
                    page != notebook->currentIndex())
                    turnPage(page);
            if (qobject_cast<QComboBox*>(control))
                chooseFrequency(
                    name, QCoreApplication::translate("paysmith::Frequency", qPrintable(text)));
            else
                enterByTab(name);
            if (!qobject_cast<TNumericField*>(control))
                continue;
            QTest::keyClicks(focused(), text);
            if (leaveLast || i + 2 < entries.size())
                QTest::keyClick(focused(), Qt::Key_Tab);
        }
    }

    // What a page shows once the window has settled: its tables' rows, each
    // with its caption first where it has one, and its labels.
    QStringList shownLines(int index) const {
        QCoreApplication::processEvents();
        const QWidget* page = m_window->notebook()->widget(index);
        QStringList lines;
        for (const QTableView* view : page->findChildren<QTableView*>()) {
            const QAbstractItemModel& model = *view->model();
            for (int row = 0; row < model.rowCount(); ++row) {
                QStringList cells;
                if (!view->verticalHeader()->isHidden())
                    cells << model.headerData(row, Qt::Vertical).toString();
                for (int column = 0; column < model.columnCount(); ++column)
                    cells << model.index(row, column).data().toString();
                lines << cells.join('\t');
            }
        }
        for (const QLabel* label : page->findChildren<QLabel*>())
            if (label->isVisibleTo(page))
                lines << label->text();
        return lines;
    }

    // What the page prints, in the same lines.
    QStringList printedLines(int index) const {
        QWidget* page = m_window->notebook()->widget(index);
        const FiguresDocument document = index == 1 ? qobject_cast<SchedulePage*>(page)->document()
                                                    : qobject_cast<ComparePage*>(page)->document();
        QStringList lines{document.detailsNote, document.summaryNote};
        for (const PrintedTable* table : {&document.inputs, &document.details, &document.summary})
            for (const QStringList& row : table->rows)
                lines << row.join('\t');
        return lines;
    }

    // Picks the caption in the opened list with the keyboard; the box keeps
    // the focus.
    void chooseFrequency(const QString& name, const QString& caption) {
        enterByTab(name);
        QComboBox* box = combo(name);
        box->showPopup();
        box->view()->setCurrentIndex(box->model()->index(box->findText(caption), 0));
        QTest::keyClick(box->view(), Qt::Key_Return);
        QCOMPARE(focusedName(), name);
    }

    // Everything a loan's panel shows: its fields, frequency and labels.
    QStringList shown(int loan) const {
        const LoanPanel* panel =
            m_window->loanPanel(loan == 1 ? WhichLoan::Loan1 : WhichLoan::Loan2);
        QStringList shown;
        for (const auto* field : panel->findChildren<TNumericField*>())
            shown << field->objectName() + "=" + field->text();
        for (const auto* label : panel->findChildren<QLabel*>())
            shown << label->text();
        return shown << panel->frequencyText();
    }

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
        // A first run's help opens once the window shows, and takes the focus.
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCoreApplication::processEvents();
        if (HelpWindow* help = m_window->helpWindow()) {
            // Over the window, as F1 opens it, whole on the screen and in
            // front; put away as a person would, to go on with the window.
            QVERIFY(QTest::qWaitForWindowActive(help));
            QVERIFY((help->geometry().center() - m_window->geometry().center()).manhattanLength() <=
                    2);
            QVERIFY(m_window->screen()->availableGeometry().contains(help->frameGeometry()));
            m_firstRunHelpShown = true;
            help->close();
        }
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
    void enterByTab(const QString& name) {
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

    TNumericField* field(const QString& name) const {
        return m_window->findChild<TNumericField*>(name);
    }
    static void collectFocused(QAccessibleInterface* node, QStringList& focused) {
        if (node->state().focused)
            focused << (node->object() ? node->object()->objectName()
                                       : node->text(QAccessible::Name));
        for (int i = 0; i < node->childCount(); ++i)
            collectFocused(node->child(i), focused);
    }
    QString text(const QString& name) const { return field(name)->text(); }
    QString label(const char* name) const { return m_window->findChild<QLabel*>(name)->text(); }
    QComboBox* combo(const QString& name) const { return m_window->findChild<QComboBox*>(name); }

    std::unique_ptr<QTemporaryDir> m_config;
    bool m_firstRunHelpShown = false;
    std::unique_ptr<TfrmMain> m_window;
    QList<Shown> m_shown;
    QStringList m_answers; // to the settings file's refusals
};

} // namespace paysmith

QTEST_MAIN(paysmith::MainWindowTest)
#include "mainwindow_test.moc"

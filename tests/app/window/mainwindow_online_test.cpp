#include "app/window/mainwindow.h"
#include "app/window/settledwindow.h"

#include "app/settingsfile/settingsfile.h"
#include "app/window/panelstatusbar.h"
#include "dialogs/links/destinations.h"
#include "dialogs/shell/recordingshell.h"
#include "dialogs/urllabel/urllabel.h"
#include "numfield/widget/numericfield.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

#include <memory>

namespace paysmith {

using testing_support::RecordingShell;

class MainWindowOnlineTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        m_config = std::make_unique<QTemporaryDir>();
        m_shell = std::make_unique<RecordingShell>();
        m_useShell = std::make_unique<ScopedDesktopShell>(*m_shell);
        m_window = testing_support::openSettledWindow(*m_config);
        QVERIFY(m_window);
    }

    void cleanup() {
        m_window.reset();
        m_useShell.reset();
        m_config.reset();
    }

    void menuEntriesAndTheUpdateButtonOpenTheirAddresses() {
        const QString ref = "?ref=PSM4600";
        const QList<std::pair<const char*, QString>> cases{
            {"mnuWOSupport", "https://www.hfsoft.example/faq.htm" + ref},
            {"mnuWOCheckForUpdate", "https://www.hfsoft.example/updates/PSM4600.htm"},
            {"mnuWOBlog", "https://www.hfsoft.example/wp/"},
            {"mnuWOMailSupport", "mailto:support@hfsoft.example"},
            {"mnuWOTryE", "https://www.mortgagequalifierplus.example/" + ref},
        };
        for (const auto& [name, address] : cases) {
            m_window->findChild<QAction*>(name)->trigger();
            QCOMPARE(m_shell->opened.takeLast(), address);
        }
        QTest::mouseClick(m_window->findChild<QToolButton*>("btnUpdate"), Qt::LeftButton);
        QCOMPARE(m_shell->opened.takeLast(),
                 QString("https://www.hfsoft.example/updates/PSM4600.htm"));
        QVERIFY(m_shell->opened.isEmpty());
    }

    // Rows outside the menu (update button, web panel) never become entries.
    void theMenuOffersTheTableRowsThatAreMenuEntries() {
        QStringList rows, entries;
        for (const Destination& d : onlineDestinations())
            if (!d.sender.empty() && d.place != MenuPlace::NotInMenu)
                rows << QString::fromUtf8(d.sender.data(), qsizetype(d.sender.size()));
        for (const QAction* entry :
             m_window->findChild<QMenu*>("Internet1")->findChildren<QAction*>())
            if (!entry->menu() && !entry->isSeparator() && entry->isVisible())
                entries << entry->objectName();
        rows.sort();
        entries.sort();
        QCOMPARE(entries, rows);
    }

    void anUnknownSenderOpensThePreviousAddressAgain() {
        QObject stranger;
        stranger.setObjectName("mnuWOHome"); // the name alone is not the sender
        m_window->GoOnline(&stranger);
        QCOMPARE(m_shell->opened, QStringList{"mailto:suggestions@hfsoft.example"});
        m_window->findChild<QAction*>("mnuWOFreeware")->trigger();
        m_window->GoOnline(&stranger);
        QCOMPARE(m_shell->opened.last(),
                 QString("https://www.hfsoft.example/free-financial-software.htm?ref=PSM4600"));
        QCOMPARE(m_shell->opened.size(), 3);
    }

    void hiddenEntriesStayHidden() {
        QVERIFY(
            !m_window->findChild<QMenu*>("ContactHarrowfieldbyEmail1")->menuAction()->isVisible());
        for (const char* name : {"mnuWOTryHidden1", "mnuWOTryHidden2"})
            QVERIFY(!m_window->findChild<QAction*>(name)->isVisible());
        QVERIFY(!m_window->urlOnline()->isVisible());
        QCOMPARE(m_window->urlOnline()->text(), QString("UrlOnline"));
    }

    void webPanelInvitesUpToItsEdgeAndOffersItsMenu_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<bool>("hand");
        QTest::addColumn<bool>("invitation");
        QTest::newRow("90") << 90 << true << true;
        QTest::newRow("91") << 91 << false << true;
        QTest::newRow("96") << 96 << false << true;
        QTest::newRow("97") << 97 << false << false;
    }

    void webPanelInvitesUpToItsEdgeAndOffersItsMenu() {
        QFETCH(int, x);
        PanelStatusBar* bar = m_window->statusBar();
        QCOMPARE(bar->webPanel()->width(), 96);
        QCOMPARE(bar->hintPanel()->width(), 560);
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 5), bar->mapToGlobal(QPointF(x, 5)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
        QTEST(bar->cursor().shape() == Qt::PointingHandCursor, "hand");
        QTEST(bar->hintPanel()->text() == "Click to visit HFSoft.example", "invitation");
        if (x > 96)
            QCOMPARE(bar->hintPanel()->text(), bar->restingText());

        // The web panel's own popup menu, or elsewhere the window's, follows
        // the right button; it is put away again. Only the left button opens.
        QString popUp;
        QTimer::singleShot(0, [&popUp] {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                popUp = menu->objectName();
                menu->close();
            }
        });
        QTest::mouseClick(bar, Qt::RightButton, {}, {x, 5});
        QCoreApplication::processEvents();
        QCOMPARE(popUp, QString(x < 96 ? "linkMenu" : "mnuPop"));
        QTest::mouseClick(bar, Qt::LeftButton, {}, {x, 5});
        const QStringList expected{"https://www.hfsoft.example/?ref=PSM4600"};
        QCOMPARE(m_shell->opened, x < 96 ? expected : QStringList{});
    }

    void hintPanelFollowsThePointer() {
        QLabel* hints = m_window->statusBar()->hintPanel();
        QTest::mouseMove(m_window->findChild<TNumericField*>("edtLoan1"), {5, 5});
        QTRY_COMPARE(hints->text(), QString(" Enter the amount of the loan"));
        // The loan's title has no hint, nor has its panel.
        QLabel* title = nullptr;
        for (QLabel* label : m_window->findChild<QWidget*>("Panel1")->findChildren<QLabel*>())
            if (label->text() == "Loan 1")
                title = label;
        QTest::mouseMove(title, {3, 3});
        QTRY_COMPARE(hints->text(), QString());
        QTest::mouseMove(m_window->findChild<QToolButton*>("btnReset"), {5, 5});
        QTRY_COMPARE(hints->text(), QString(" Reset Default Values ..."));
        QTest::mouseMove(m_window->findChild<QToolButton*>("btnAbout"), {5, 5});
        QTRY_COMPARE(hints->text(), QString(" About ..."));
        QTest::mouseMove(m_window->statusBar(), {300, 5});
        QTRY_COMPARE(hints->text(), QString());
    }

    void aRefusedLinkIsToldInTheHintPanel() {
        m_shell->answer = ShellAnswer::Refused;
        m_window->findChild<QAction*>("mnuWOHome")->trigger();
        QCOMPARE(m_shell->beeps, 1);
        QVERIFY(m_window->statusBar()->hintPanel()->text().contains(
            "https://www.hfsoft.example/?ref=PSM4600"));
    }

    void promotionalPicturesOpenTheirProductWithTheMarker() {
        QTabWidget* notebook = m_window->notebook();
        const int loans = notebook->indexOf(m_window->findChild<QWidget*>("Page1"));
        const int first = notebook->indexOf(m_window->findChild<QWidget*>("Page2"));
        const int second = notebook->indexOf(m_window->findChild<QWidget*>("Page4"));
        QVERIFY(loans == 0 && loans < first && first < second);
        QCOMPARE(notebook->tabText(first), QString("Closing Cost Pro"));

        // The pages' pictures are made when the pages are first shown.
        QVERIFY(!m_window->findChild<QWidget*>("imgScreenShot"));
        for (auto [page, name] : {std::pair{first, "imgScreenShot"}, {second, "imgProductShot"}}) {
            notebook->setCurrentIndex(page);
            QTest::mouseClick(m_window->findChild<QWidget*>(name), Qt::LeftButton, {}, {20, 20});
        }
        QCOMPARE(m_shell->opened,
                 QStringList({"https://www.closingcostpro.example/index.php?ref=PSM4600glink",
                              "https://www.mortgagequalifierplus.example/?ref=PSM4600glink"}));
    }

    // A tooltip, a window of its own, speaks in the window's font.
    void tooltipsTakeTheWindowsFont() {
        QToolTip::showText(m_window->mapToGlobal(QPoint(9, 9)), "tip", m_window.get());
        const QWidget* tip = m_window->findChild<QWidget*>("qtooltip_label");
        QVERIFY(tip);
        QCOMPARE(tip->font(), m_window->font());
    }

  private:
    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<RecordingShell> m_shell;
    std::unique_ptr<ScopedDesktopShell> m_useShell;
    std::unique_ptr<TfrmMain> m_window;
};

} // namespace paysmith

QTEST_MAIN(paysmith::MainWindowOnlineTest)
#include "mainwindow_online_test.moc"

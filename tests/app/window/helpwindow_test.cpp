#include "app/window/helpwindow.h"

#include "app/core/helptopics.h"

#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

#include <functional>

namespace paysmith {
// What happened to the help window before it is opened, over its main window.
using HelpHistory = std::function<void(HelpWindow& help, const QRect& screen)>;
} // namespace paysmith

Q_DECLARE_METATYPE(paysmith::HelpHistory)

namespace paysmith {

class HelpWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void firstRunTopicShowsTheGettingStartedPage() {
        QTemporaryDir folder;
        writePage(folder, "getting-started.html", "<p>Welcome to the loans</p>");
        HelpWindow help(folder.path(), nullptr);
        QVERIFY(help.showTopic(kFirstRunHelpContext));
        QVERIFY(help.isVisible());
        QVERIFY(browserText(help).contains("Welcome to the loans"));
    }

    void contentsShowTheIndexPage() {
        QTemporaryDir folder;
        writePage(folder, "index.html", "<p>All topics</p>");
        HelpWindow help(folder.path(), nullptr);
        help.showContents();
        QVERIFY(browserText(help).contains("All topics"));
    }

    void missingFolderIsExplainedInTheWindow() {
        HelpWindow help("/nonexistent/help", nullptr);
        QVERIFY(!help.showTopic(kFirstRunHelpContext));
        QVERIFY(help.isVisible());
        QVERIFY(browserText(help).contains("not found"));
        QVERIFY(browserText(help).contains("/nonexistent/help"));
    }

    void unknownContextIsExplainedInTheWindow() {
        QTemporaryDir folder;
        HelpWindow help(folder.path(), nullptr);
        QVERIFY(!help.showTopic(4711));
        QVERIFY(browserText(help).contains("4711"));
    }

    void installedHelpHasEveryPageTheProgramOpens() {
        const QString installed = QStringLiteral(PAYSMITH_HELP_FOLDER);
        QVERIFY(QFile::exists(installed + "/" + QString::fromUtf8(kHelpContentsPage)));
        const auto page = helpPageForContext(kFirstRunHelpContext);
        QVERIFY(page.has_value());
        QVERIFY(QFile::exists(installed + "/" + QString::fromUtf8(page->data(), page->size())));
    }

    // The installed pages' headings take the colour of their style sheet.
    void headingsFollowTheStyleSheet() {
        HelpWindow help(QStringLiteral(PAYSMITH_HELP_FOLDER), nullptr);
        help.showContents();
        const QTextBlock heading = help.findChild<QTextBrowser*>()->document()->firstBlock();
        QCOMPARE(heading.text(), QString("Paysmith Help"));
        QCOMPARE(heading.charFormat().foreground().color(), QColor("#1d4f94"));
    }

    void escapeAndCtrlWCloseTheWindow() {
        for (const QKeySequence& key :
             {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            QTemporaryDir folder;
            writePage(folder, "index.html", "<p>All topics</p>");
            HelpWindow help(folder.path(), nullptr);
            help.showContents();
            help.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&help));
            QTest::keySequence(QApplication::focusWidget() ? QApplication::focusWidget() : &help,
                               key);
            QVERIFY(!help.isVisible());
        }
    }

    // Opened from a main window in a corner, grown beyond the screen (as a
    // larger scale makes it), or left partly off the screen and opened again,
    // the help window comes up whole on its main window's screen.
    void opensWholeOnTheScreen_data() {
        QTest::addColumn<HelpHistory>("history");
        QTest::newRow("first opening, main window in a corner")
            << HelpHistory([](HelpWindow&, const QRect&) {});
        QTest::newRow("larger than the screen") << HelpHistory(
            [](HelpWindow& help, const QRect& screen) { help.resize(screen.size() * 2); });
        QTest::newRow("left off the screen")
            << HelpHistory([](HelpWindow& help, const QRect& screen) {
                   help.showContents();
                   help.move(screen.bottomRight() - QPoint(50, 50));
                   help.close();
               });
    }

    void opensWholeOnTheScreen() {
        QFETCH(HelpHistory, history);
        QWidget mainWindow;
        mainWindow.setGeometry(0, 0, 200, 100);
        mainWindow.show();
        const QRect screen = mainWindow.screen()->availableGeometry();
        HelpWindow help("/nonexistent/help", &mainWindow);
        history(help, screen);
        help.showContents();
        QVERIFY2(screen.contains(help.frameGeometry()), qPrintable(QString("%1,%2 %3x%4")
                                                                       .arg(help.x())
                                                                       .arg(help.y())
                                                                       .arg(help.width())
                                                                       .arg(help.height())));
    }

  private:
    static void writePage(const QTemporaryDir& folder, const QString& name,
                          const QByteArray& html) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(html);
    }

    static QString browserText(const HelpWindow& help) {
        return help.findChild<QTextBrowser*>()->toPlainText();
    }
};

} // namespace paysmith

QTEST_MAIN(paysmith::HelpWindowTest)
#include "helpwindow_test.moc"

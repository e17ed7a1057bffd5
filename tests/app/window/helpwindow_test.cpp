#include "app/window/helpwindow.h"

#include "app/core/helptopics.h"
#include "base/accessible/announcer.h"
#include "base/qt/readablecolour.h"

#include <QFile>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

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
        for (const int context :
             {kFirstRunHelpContext, kScheduleHelpContext, kCompareHelpContext}) {
            const auto page = helpPageForContext(context);
            QVERIFY(page.has_value());
            for (const QString& language : {QString(), QStringLiteral("/de")})
                QVERIFY2(QFile::exists(installed + language + "/" +
                                       QString::fromUtf8(page->data(), page->size())),
                         page->data());
        }
    }

    // The installed pages' headings take the colour of their style sheet,
    // and every coloured text, headings and links, reads on the page in a
    // light and in a dark desktop palette.
    void headingsAndLinksRead_data() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light palette") << false;
        QTest::newRow("dark palette") << true;
    }

    void headingsAndLinksRead() {
        QFETCH(bool, dark);
        const auto restore =
            qScopeGuard([light = QApplication::palette()] { QApplication::setPalette(light); });
        if (dark)
            QApplication::setPalette(QPalette(QColor(53, 53, 53)));
        HelpWindow help(QStringLiteral(PAYSMITH_HELP_FOLDER), nullptr);
        help.showContents();
        const QTextDocument* page = help.findChild<QTextBrowser*>()->document();
        QCOMPARE(page->firstBlock().text(), QString("Paysmith Help"));
        if (!dark)
            QCOMPARE(page->firstBlock().charFormat().foreground().color(), QColor("#1d4f94"));
        int coloured = 0;
        for (QTextBlock block = page->begin(); block.isValid(); block = block.next())
            for (auto run = block.begin(); !run.atEnd(); ++run) {
                const QTextCharFormat format = run.fragment().charFormat();
                if (!format.hasProperty(QTextFormat::ForegroundBrush))
                    continue;
                ++coloured;
                QVERIFY2(contrastRatio(format.foreground().color(),
                                       help.palette().color(QPalette::Base)) >= kTextContrast,
                         qPrintable(run.fragment().text()));
            }
        QVERIFY(coloured > 1);
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

    // Grown beyond the screen (as a larger scale makes it) or left partly off
    // it, the help window opens again whole on its main window's screen.
    void opensWholeOnTheScreen() {
        QWidget mainWindow;
        mainWindow.show();
        const QRect screen = mainWindow.screen()->availableGeometry();
        HelpWindow help("/nonexistent/help", &mainWindow);
        help.resize(screen.size() * 2);
        help.showContents();
        QVERIFY(screen.contains(help.frameGeometry()));
        help.move(screen.bottomRight() - QPoint(50, 50));
        help.close();
        help.showContents();
        QVERIFY(screen.contains(help.frameGeometry()));
    }

    // Tab from link to link is told link by link.
    void linkReachedByTabIsTold() {
        QTemporaryDir folder;
        writePage(folder, "index.html", "<a href='a.html'>Loans</a> <a href='b.html'>Fees</a>");
        HelpWindow help(folder.path(), nullptr);
        help.showContents();
        for (const QString told : {"Loans link", "Fees link"}) {
            QTest::keyClick(help.findChild<QTextBrowser*>(), Qt::Key_Tab);
            QTRY_COMPARE(lastAnnouncement(), told);
        }
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

#include "dialogs/about/aboutdialog.h"

#include "dialogs/about/builddate.h"

#include "dialogs/common/clickable.h"
#include "dialogs/shell/recordingshell.h"
#include "dialogs/urllabel/urllabel.h"

#include <QBuffer>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace paysmith {

using testing_support::RecordingShell;

class AboutDialogTest : public QObject {
    Q_OBJECT
  private slots:
    // Month names in English, whatever the machine's language.
    void initTestCase() {
        QLocale::setDefault(QLocale::c());
        QFile licence(m_data.filePath("License.txt"));
        QVERIFY(licence.open(QIODevice::WriteOnly));
    }

    void eachOpeningIsFreshWithTheSameTexts() {
        QList<QPointer<TfrmAbout>> dialogs;
        for (int opening = 0; opening < 2; ++opening) {
            whileOpen([&](TfrmAbout& about) {
                dialogs << &about;
                QCOMPARE(about.windowTitle(), QString(" About Paysmith, 4.6"));
                QCOMPARE(about.findChild<QLabel*>("lblVersion")->text(), QString("Version 4.6"));
                QCOMPARE(about.findChild<QLabel*>("lblCompileDate")->text(),
                         "Compiled " + buildDate().toString("MMMM d, yyyy"));
                QCOMPARE(about.size(), QSize(447, 290));
                QVERIFY(!about.findChild<QLabel*>("imgLogo")->pixmap().isNull());
            });
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!dialogs.last());
            QVERIFY(!TfrmAbout::instance());
        }
        QCOMPARE(dialogs.size(), 2);
    }

    // The notice's own copyright line names the years the dialog shows.
    void copyrightYearsAreTheLicenceNotices() {
        QFile notice(PAYSMITH_LICENCE_NOTICE);
        QVERIFY(notice.open(QIODevice::ReadOnly | QIODevice::Text));
        const QRegularExpressionMatch years =
            QRegularExpression("^Copyright \\(C\\) ([-0-9, ]+) ",
                               QRegularExpression::MultilineOption)
                .match(QString::fromUtf8(notice.readAll()));
        QVERIFY(years.hasMatch());
        whileOpen([&](TfrmAbout& about) {
            QVERIFY(about.findChild<QLabel*>("lblCopyright")
                        ->text()
                        .startsWith("Copyright \u00A9 " + years.captured(1) + " "));
        });
    }

    void logoIconAndHomeLinkOpenTheHomePageEachTime() {
        RecordingShell shell;
        const ScopedDesktopShell useShell(shell);
        whileOpen([](TfrmAbout& about) {
            QTest::mouseClick(about.findChild<ClickablePicture*>("imgLogo"), Qt::LeftButton);
            QTest::mouseClick(about.findChild<ClickablePicture*>("imgAboutIcon"), Qt::LeftButton);
            QTest::mouseClick(about.findChild<TUrlLabel*>("urlHome"), Qt::LeftButton);
            QTest::mouseClick(about.findChild<TUrlLabel*>("urlHome"), Qt::LeftButton);
        });
        QCOMPARE(shell.opened, QStringList(4, "https://www.hfsoft.example/?ref=PSM4600"));
        // Their menus copy what they open.
        whileOpen([](TfrmAbout& about) {
            for (const char* name : {"imgLogo", "imgAboutIcon", "urlHome"})
                QCOMPARE(about.findChild<ClickableLabel*>(name)->linkAddress(),
                         QString("https://www.hfsoft.example/?ref=PSM4600"));
        });
    }

    void licenceComesFromTheDataFolder() {
        RecordingShell shell;
        const ScopedDesktopShell useShell(shell);
        whileOpen([](TfrmAbout& about) {
            QTest::mouseClick(about.findChild<QPushButton*>("btnShowLicense"), Qt::LeftButton);
        });
        QCOMPARE(shell.opened, QStringList{m_data.filePath("License.txt")});
    }

    // The beep goes unheard on most desktops: the dialog says what could not
    // be opened, until the next try.
    void whatCouldNotBeOpenedIsSaid_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("refuses");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("problem");
        const QString refused = "No program on this desktop could open ";
        const QString licence = m_data.filePath("License.txt");
        const QString missing = m_empty.filePath("License.txt");
        QTest::newRow("home page refused") << QString("urlHome") << true << m_data.path()
                                           << refused + "https://www.hfsoft.example/?ref=PSM4600";
        QTest::newRow("home page opened")
            << QString("urlHome") << false << m_data.path() << QString();
        QTest::newRow("licence refused")
            << QString("btnShowLicense") << true << m_data.path() << refused + licence;
        QTest::newRow("licence missing") << QString("btnShowLicense") << false << m_empty.path()
                                         << "The licence notice is missing: " + missing;
    }

    void whatCouldNotBeOpenedIsSaid() {
        QFETCH(QString, control);
        QFETCH(QString, folder);
        QFETCH(QString, problem);
        QFETCH(bool, refuses);
        RecordingShell shell;
        shell.answer = refuses ? ShellAnswer::Refused : ShellAnswer::Accepted;
        const ScopedDesktopShell useShell(shell);
        whileOpen(
            [&](TfrmAbout& about) {
                QLabel* said = about.findChild<QLabel*>("lblProblem");
                QTest::mouseClick(about.findChild<QWidget*>(control), Qt::LeftButton);
                QCOMPARE(said->isVisible() ? said->accessibleName() : QString(), problem);
                shell.answer = ShellAnswer::Accepted;
                QTest::mouseClick(about.findChild<QWidget*>("urlHome"), Qt::LeftButton);
                QVERIFY(!said->isVisible());
            },
            folder + "/");
    }

    // Rows of an odd width are not a multiple of four bytes, as QImage's are.
    void logoOfAnOddWidthKeepsItsColumns() {
        QImage stripes(37, 5, QImage::Format_RGB888);
        for (int x = 0; x < stripes.width(); ++x)
            for (int y = 0; y < stripes.height(); ++y)
                stripes.setPixelColor(x, y, x < 18 ? QColor(200, 30, 30) : QColor(30, 30, 200));
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(stripes.save(&buffer, "JPG", 100));

        const QImage decoded = logoImage(
            {reinterpret_cast<const std::uint8_t*>(jpeg.constData()), std::size_t(jpeg.size())});
        QCOMPARE(decoded.size(), QSize(37, 5));
        for (int y = 0; y < 5; ++y) {
            QVERIFY(decoded.pixelColor(2, y).red() > 150);
            QVERIFY(decoded.pixelColor(34, y).blue() > 150);
        }
        QVERIFY(logoImage({}).isNull());
    }

  private:
    // The day the build ran, as the generated header has it.
    static QDate buildDate() {
        return QDate::fromString(QStringLiteral(PAYSMITH_BUILD_DATE), Qt::ISODate);
    }

    // Opens the dialog as the window does and runs `check` while it is open.
    void whileOpen(const std::function<void(TfrmAbout&)>& check, const QString& folder = {}) {
        bool checked = false;
        QTimer::singleShot(0, [&] {
            TfrmAbout* about = TfrmAbout::instance();
            QVERIFY(about && about->isVisible());
            const auto closeAnyway = qScopeGuard([about] { about->btnCloseClick(); });
            check(*about);
            checked = true;
        });
        ShowAbout({"?ref=PSM4600", folder.isEmpty() ? m_data.path() + "/" : folder}, nullptr);
        QVERIFY(checked);
    }

    // A data folder with the licence notice, and one without.
    QTemporaryDir m_data;
    QTemporaryDir m_empty;
};

} // namespace paysmith

QTEST_MAIN(paysmith::AboutDialogTest)
#include "aboutdialog_test.moc"

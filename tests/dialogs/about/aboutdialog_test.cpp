#include "dialogs/about/aboutdialog.h"

#include "base/accessible/announcer.h"
#include "dialogs/about/builddate.h"
#include "dialogs/common/clickable.h"
#include "dialogs/shell/recordingshell.h"
#include "dialogs/urllabel/urllabel.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include <functional>

namespace paysmith {

using testing_support::RecordingShell;

class AboutDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale::c()); // English month names
        m_window.show();
    }

    void eachOpeningIsFreshWithTheSameTexts() {
        QList<QPointer<TfrmAbout>> dialogs;
        for (int opening = 0; opening < 2; ++opening) {
            whileOpen([&](TfrmAbout& about) {
                dialogs << &about;
                QCOMPARE(about.windowTitle(), QString(" About Paysmith, 4.6"));
                QCOMPARE(about.findChild<QLabel*>("lblVersion")->text(), QString("Version 4.6"));
                QCOMPARE(about.findChild<QLabel*>("lblCompileDate")->text(),
                         "Compiled " + QDate::fromString(PAYSMITH_BUILD_DATE, Qt::ISODate)
                                           .toString("MMMM d, yyyy"));
                QString copyright = about.findChild<QLabel*>("lblCopyright")->text();
                QFile notice(PAYSMITH_DATA "License.txt"); // "Copyright (C) 2026 ..."
                QVERIFY(notice.open(QIODevice::ReadOnly) &&
                        notice.readAll().contains(
                            copyright.replace("\u00A9", "(C)").chopped(1).toUtf8()));
                QCOMPARE(about.size(), QSize(447, 290));
                const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
                QVERIFY((about.geometry().center() - screen.center()).manhattanLength() <= 2);
                // Minimised, it takes its window along instead of leaving it blocked.
                QCOMPARE(about.windowHandle()->transientParent(), m_window.windowHandle());
                QVERIFY(!(about.windowFlags() &
                          (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
                QVERIFY(!about.findChild<QLabel*>("imgLogo")->pixmap().isNull());
            });
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!dialogs.last());
            QVERIFY(!TfrmAbout::instance());
        }
        QCOMPARE(dialogs.size(), 2);
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
    }

    // From OK by the keyboard: Tab to the web link, Return, Tab to the
    // licence, Return; the dialog stays open throughout.
    void licenceComesFromTheDataFolder() {
        RecordingShell shell;
        const ScopedDesktopShell useShell(shell);
        whileOpen([](TfrmAbout& about) {
            for (const int key : {Qt::Key_Tab, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Return})
                QTest::keyClick(about.focusWidget(), Qt::Key(key));
            QVERIFY(about.isVisible());
        });
        QCOMPARE(shell.opened, QStringList({"https://www.hfsoft.example/?ref=PSM4600",
                                            PAYSMITH_DATA "License.txt"}));
    }

    // The beep goes unheard on most desktops: the dialog names what failed.
    void whatCouldNotBeOpenedIsSaid() {
        RecordingShell shell;
        shell.answer = ShellAnswer::Refused;
        const ScopedDesktopShell useShell(shell);
        const auto said = [](TfrmAbout& about, const char* control) {
            QTest::mouseClick(about.findChild<QWidget*>(control), Qt::LeftButton);
            // Heard too, where the focus is not.
            const QString shown = about.findChild<QLabel*>("lblProblem")->accessibleName();
            return QTest::qWaitFor([&] { return lastAnnouncement() == shown; })
                       ? shown
                       : "unheard: " + lastAnnouncement();
        };
        const QString refused = "No program on this desktop could open ";
        whileOpen([&](TfrmAbout& about) {
            QCOMPARE(said(about, "urlHome"), refused + "https://www.hfsoft.example/?ref=PSM4600");
            QCOMPARE(said(about, "btnShowLicense"), refused + PAYSMITH_DATA "License.txt");
        });
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
    // Opens the dialog as the window does and runs `check` while it is open.
    void whileOpen(const std::function<void(TfrmAbout&)>& check) {
        bool checked = false;
        QTimer::singleShot(0, [&] {
            TfrmAbout* about = TfrmAbout::instance();
            QVERIFY(about && about->isVisible());
            const auto closeAnyway = qScopeGuard([about] { about->btnCloseClick(); });
            check(*about);
            checked = true;
        });
        ShowAbout({"?ref=PSM4600", PAYSMITH_DATA}, &m_window);
        QVERIFY(checked);
    }

    QWidget m_window;
};

} // namespace paysmith

QTEST_MAIN(paysmith::AboutDialogTest)
#include "aboutdialog_test.moc"

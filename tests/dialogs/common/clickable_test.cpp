#include "dialogs/common/clickable.h"

#include "dialogs/common/popupanswer.h"

#include <QClipboard>
#include <QtTest>

namespace paysmith {

class ClickableTest : public QObject {
    Q_OBJECT
  private slots:
    // A click is the left button pressed and released over the picture.
    void clickNeedsTheLeftButtonPressedAndReleasedOverIt() {
        QWidget window;
        ClickablePicture picture(&window);
        QPixmap pixels(30, 20);
        pixels.fill(Qt::red);
        picture.setPicture(pixels);
        QCOMPARE(picture.size(), QSize(30, 20));
        QSignalSpy clicks(&picture, &ClickableLabel::clicked);

        QTest::mouseClick(&picture, Qt::LeftButton, {}, {5, 5});
        QTest::mouseClick(&picture, Qt::RightButton, {}, {5, 5});
        QTest::mousePress(&picture, Qt::LeftButton, {}, {5, 5});
        QTest::mouseRelease(&picture, Qt::LeftButton, {}, {50, 5});
        QTest::mouseRelease(&picture, Qt::LeftButton, {}, {5, 5});
        QCOMPARE(clicks.size(), 1);
    }

    // A right click on a link brings up the link's menu, not its window's,
    // and opens nothing unless the menu is told to.
    void rightClickOnALinkBringsUpItsMenu_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("choose");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("copied");
        QTest::addColumn<int>("windowMenus");
        const QString site = "https://www.hfsoft.example/?ref=PSM4600";
        QTest::newRow("put away") << site << QString() << "linkMenu" << 0 << "" << 0;
        QTest::newRow("open") << site << "&Open Link"
                              << "linkMenu" << 1 << "" << 0;
        QTest::newRow("copy") << site << "&Copy Link Address"
                              << "linkMenu" << 0 << site << 0;
        QTest::newRow("no address") << QString() << QString() << "" << 0 << "" << 1;
    }

    void rightClickOnALinkBringsUpItsMenu() {
        QFETCH(QString, address);
        QFETCH(QString, choose);
        QWidget window;
        window.setContextMenuPolicy(Qt::CustomContextMenu);
        ClickableLabel link(&window);
        link.setText("link");
        link.setLinkAddress(address);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QGuiApplication::clipboard()->clear();
        QSignalSpy clicks(&link, &ClickableLabel::clicked);
        QSignalSpy windowMenus(&window, &QWidget::customContextMenuRequested);

        const testing_support::PopupAnswer answer(choose);
        testing_support::rightClick(&link, {5, 5});
        QTEST(answer.name, "menu");
        QTEST(int(clicks.size()), "clicks");
        QTEST(QGuiApplication::clipboard()->text(), "copied");
        QTEST(int(windowMenus.size()), "windowMenus");
    }
};

} // namespace paysmith

QTEST_MAIN(paysmith::ClickableTest)
#include "clickable_test.moc"

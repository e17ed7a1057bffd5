#include "dialogs/common/bevelpanel.h"
#include "dialogs/common/clickable.h"

#include <QClipboard>
#include <QtTest>

namespace paysmith {

class ClickableTest : public QObject {
    Q_OBJECT
  private slots:
    // Two bevels, lowered outside and raised inside: each edge's outer pixel
    // is shaded the opposite way of its inner one.
    void aBevelPanelIsLoweredOutsideAndRaisedInside() {
        BevelPanel panel;
        panel.resize(40, 30);
        const QImage image = panel.grab().toImage();
        const auto lightness = [&](int x, int y) { return QColor(image.pixel(x, y)).lightness(); };
        QVERIFY(lightness(0, 0) < lightness(1, 1));     // top left: shadow, then light
        QVERIFY(lightness(39, 29) > lightness(38, 28)); // bottom right: light, then shadow
        QCOMPARE(image.pixel(20, 15), QColor(Qt::white).rgb());
    }

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

    // A right click on a link brings up its own menu: open it or copy its address.
    void rightClickOnALinkBringsUpItsMenu() {
        ClickableLabel link;
        link.setLinkAddress("https://www.hfsoft.example/");
        QSignalSpy clicks(&link, &ClickableLabel::clicked);
        QContextMenuEvent request(QContextMenuEvent::Mouse, {1, 1}, {1, 1});
        QApplication::sendEvent(&link, &request);
        const QList<QAction*> entries = QApplication::activePopupWidget()->actions();
        entries[1]->trigger(); // Copy Link Address
        QCOMPARE(QGuiApplication::clipboard()->text(), link.linkAddress());
        entries[0]->trigger(); // Open Link
        QCOMPARE(clicks.size(), 1);
    }
};

} // namespace paysmith

QTEST_MAIN(paysmith::ClickableTest)
#include "clickable_test.moc"

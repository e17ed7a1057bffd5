#include "dialogs/common/clickable.h"

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
};

} // namespace paysmith

QTEST_MAIN(paysmith::ClickableTest)
#include "clickable_test.moc"

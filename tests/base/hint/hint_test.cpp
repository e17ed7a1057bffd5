#include "base/hint/hint.h"

#include <QLabel>
#include <QtTest>

namespace paysmith {

class HintTest : public QObject {
    Q_OBJECT
  private slots:
    void partsSplitAtTheFirstBar_data() {
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("shortPart");
        QTest::addColumn<QString>("longPart");
        QTest::newRow("both parts") << "Reset| Reset Default Values ..."
                                    << "Reset"
                                    << " Reset Default Values ...";
        QTest::newRow("no bar") << " About ..."
                                << " About ..."
                                << " About ...";
        QTest::newRow("second bar belongs to the long part") << "a|b|c"
                                                             << "a"
                                                             << "b|c";
        QTest::newRow("empty short part") << "|only long"
                                          << ""
                                          << "only long";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }

    void partsSplitAtTheFirstBar() {
        QFETCH(QString, hint);
        QTEST(shortHintPart(hint), "shortPart");
        QTEST(longHintPart(hint), "longPart");
    }

    void currentHintComesFromTheNearestControlWithOne() {
        QWidget window;
        setHint(&window, "Window");
        QWidget panel(&window);
        QLabel label(&panel);
        QCOMPARE(currentHintOf(&label), QString("Window"));
        setHint(&panel, "Short| Panel");
        QCOMPARE(currentHintOf(&label), QString(" Panel"));
        setHint(&label, " Label");
        QCOMPARE(currentHintOf(&label), QString(" Label"));

        // Another window's hint is not this window's.
        QWidget dialog(&window, Qt::Dialog);
        QCOMPARE(currentHintOf(&dialog), QString());
    }

    void onlyControlsWithPopUpsGetATooltip() {
        QLabel plain, popUp;
        setHint(&plain, "Reset| Reset Default Values ...");
        setHint(&popUp, "Click to visit our web site ...|long", PopUpHint::On);
        QVERIFY(plain.toolTip().isEmpty());
        QVERIFY(popUp.toolTip().contains("Click to visit our web site ..."));
        QVERIFY(!popUp.toolTip().contains("long"));
        QCOMPARE(popUp.toolTipDuration(), 4000);
    }
};

} // namespace paysmith

QTEST_MAIN(paysmith::HintTest)
#include "hint_test.moc"

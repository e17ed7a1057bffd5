#include "dialogs/urllabel/urllabel.h"

#include "dialogs/shell/recordingshell.h"

#include <QAccessible>
#include <QtTest>

namespace paysmith {

using testing_support::RecordingShell;

class UrlLabelTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        m_window = std::make_unique<QWidget>();
        m_window->resize(200, 100);
        m_label = new TUrlLabel(m_window.get());
        m_label->setGeometry(10, 10, 120, 20);
        m_label->setURL("https://www.hfsoft.example/");
        QPalette blue = m_label->palette();
        blue.setColor(m_label->foregroundRole(), Qt::blue);
        m_label->setPalette(blue);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QTest::mouseMove(m_window.get(), {150, 80});
    }

    void cleanup() { m_window.reset(); }

    void showsTheCaptionOrElseTheAddress() {
        QCOMPARE(m_label->text(), QString("https://www.hfsoft.example/"));
        m_label->setCaption("HFSoft.example");
        m_label->setURL("https://www.other.example/");
        QCOMPARE(m_label->text(), QString("HFSoft.example"));
        m_label->setCaption({});
        QCOMPARE(m_label->text(), QString("https://www.other.example/"));
        QVERIFY(m_label->UnderlineURL());
        QCOMPARE(m_label->cursor().shape(), Qt::PointingHandCursor);
    }

    // Red while the pointer is over it, back to its colour on the first tick
    // after it has left; after a click it rests in the visited colour if it uses one.
    void colourFollowsThePointerAndTheClick_data() {
        QTest::addColumn<bool>("useVisited");
        QTest::addColumn<uint>("resting");
        QTest::newRow("without visited colour") << false << uint(0xFF0000);
        QTest::newRow("with visited colour") << true << uint(0x800080);
    }

    void colourFollowsThePointerAndTheClick() {
        QFETCH(bool, useVisited);
        RecordingShell shell;
        const ScopedDesktopShell useShell(shell);
        m_label->setUseVisitedColor(useVisited);
        m_label->setVisitedColor(0x800080);

        QTest::mouseMove(m_label, {5, 5});
        QVERIFY(m_label->isHighlighted());
        QCOMPARE(m_label->fontColour(), LabelColour{0x0000FF});
        QTest::mouseClick(m_label, Qt::LeftButton, {}, {5, 5});
        QCOMPARE(shell.opened, QStringList{"https://www.hfsoft.example/"});
        QCOMPARE(m_label->fontColour(), LabelColour{0x0000FF});

        QTest::mouseMove(m_window.get(), {150, 80});
        QVERIFY(m_label->isHighlighted()); // until the next tick
        QTRY_VERIFY_WITH_TIMEOUT(!m_label->isHighlighted(), 250);
        QTEST(m_label->fontColour(), "resting");

        QTest::mouseMove(m_label, {6, 6});
        QCOMPARE(m_label->fontColour(), LabelColour{0x0000FF});
        QTest::mouseMove(m_window.get(), {150, 80});
        QTRY_VERIFY_WITH_TIMEOUT(!m_label->isHighlighted(), 250);
        QTEST(m_label->fontColour(), "resting");
    }

    void noColourHighlightsInTheFontsColour() {
        m_label->setHighlightColor(kNoColour);
        QTest::mouseMove(m_label, {5, 5});
        QVERIFY(m_label->isHighlighted());
        QCOMPARE(m_label->fontColour(), LabelColour{0xFF0000});
    }

    void refusedAddressBeepsAndTheClickEventStillRuns() {
        RecordingShell shell;
        shell.answer = ShellAnswer::Refused;
        const ScopedDesktopShell useShell(shell);
        QSignalSpy clicked(m_label, &TUrlLabel::clicked);
        QSignalSpy refused(m_label, &TUrlLabel::openRefused);
        m_label->setURL(QString(1030, u'a'));
        m_label->Click();
        QCOMPARE(shell.opened, QStringList{QString(1023, u'a')});
        QCOMPARE(shell.beeps, 1);
        QCOMPARE(refused.size(), 1);
        QCOMPARE(clicked.size(), 1);

        m_label->setURL({});
        m_label->Click();
        QCOMPARE(shell.opened.size(), 1);
        QCOMPARE(shell.beeps, 1);
        QCOMPARE(clicked.size(), 2);
    }

    void readersSeeALinkTheyCanPress() {
        RecordingShell shell;
        const ScopedDesktopShell useShell(shell);
        m_label->setCaption("HFSoft.example");
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(m_label);
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name), QString("HFSoft.example"));
        QVERIFY(link->state().linked);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(shell.opened, QStringList{"https://www.hfsoft.example/"});
    }

  private:
    std::unique_ptr<QWidget> m_window;
    TUrlLabel* m_label = nullptr;
};

} // namespace paysmith

QTEST_MAIN(paysmith::UrlLabelTest)
#include "urllabel_test.moc"

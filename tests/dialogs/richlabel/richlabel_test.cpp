#include "dialogs/richlabel/richlabel.h"

#include "dialogs/shell/recordingshell.h"

#include <QAccessible>
#include <QtTest>

namespace paysmith {

using testing_support::RecordingShell;

class RichLabelTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        m_window = std::make_unique<QWidget>();
        m_window->resize(400, 100);
        m_label = new TRichLabel(m_window.get());
        m_label->setGeometry(0, 0, 400, 60);
        m_label->setMarkupText(
            "plain text <a href=\"https://x.example/?ref=PSM4600\">web</a> "
            "<a href=\"mailto:a@x.example\">mail</a> <a href=\"topic7\">topic</a>");
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    // A left or middle press on a link opens it; targets that are neither
    // web nor mail addresses go to OnAnchorClick instead.
    void pressOnALinkOpensIt_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("anchor");
        QTest::newRow("web, left button")
            << "web" << int(Qt::LeftButton) << "https://x.example/?ref=PSM4600"
            << "";
        QTest::newRow("web, right button") << "web" << int(Qt::RightButton) << ""
                                           << "";
        QTest::newRow("mail, middle button")
            << "mail" << int(Qt::MiddleButton) << "mailto:a@x.example"
            << "";
        QTest::newRow("anchor, left button") << "topic" << int(Qt::LeftButton) << ""
                                             << "topic7";
        QTest::newRow("plain text") << "plain" << int(Qt::LeftButton) << ""
                                    << "";
    }

    void pressOnALinkOpensIt() {
        QFETCH(QString, link);
        QFETCH(int, button);
        RecordingShell shell;
        shell.answer = ShellAnswer::Refused;
        const ScopedDesktopShell useShell(shell);
        QSignalSpy anchors(m_label, &TRichLabel::OnAnchorClick);
        QTest::mousePress(m_label, Qt::MouseButton(button), {}, centreOf(link));
        // The press alone opens; the release belongs to nobody.
        const QStringList openedAtPress = shell.opened;
        QTest::mouseRelease(m_label, Qt::MouseButton(button), {}, centreOf(link));
        QCOMPARE(shell.opened, openedAtPress);
        QTEST(shell.opened.join(""), "opened");
        QTEST(anchors.isEmpty() ? QString() : anchors[0][1].toString(), "anchor");
        QCOMPARE(shell.beeps, 0); // a rich label reports no failure
    }

    void handOnlyOverLinkText() {
        QTest::mouseMove(m_label, centreOf("web"));
        QCOMPARE(m_label->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseMove(m_label, centreOf("plain"));
        QCOMPARE(m_label->cursor().shape(), Qt::ArrowCursor);
    }

    // A right click brings up the link's menu over a link, and goes on to the
    // window over plain text.
    void rightClickOverALinkBringsUpItsMenu() {
        QContextMenuEvent overLink(QContextMenuEvent::Mouse, centreOf("web"), {});
        QContextMenuEvent overText(QContextMenuEvent::Mouse, centreOf("plain"), {});
        QApplication::sendEvent(m_label, &overLink);
        QApplication::sendEvent(m_label, &overText);
        QVERIFY(overLink.isAccepted() && !overText.isAccepted());
        QCOMPARE(QApplication::activePopupWidget()->objectName(), QString("linkMenu"));
    }

    // A proportional font's widths are fractions of a pixel: each run must
    // start where the text before it ends, whatever the change of style.
    void runsFollowOneAnotherWithoutGaps() {
        m_label->setFont(QFont("Arial", 9));
        m_label->setMarkupText("It comes with the <I>Home Buyer's Budget Workbook</I>, the "
                               "<I>Guide to Loan Programs</I>. Get <B>Closing Cost Pro</B>.");
        for (const LaidOutLine& line : m_label->layout().lines)
            for (std::size_t i = 1; i < line.runs.size(); ++i) {
                const PlacedRun& run = line.runs[i - 1];
                const QString text = QString::fromStdU16String(run.text);
                const qreal end =
                    run.x + QFontMetricsF(m_label->fontOf(run.style)).horizontalAdvance(text);
                QVERIFY2(qAbs(line.runs[i].x - end) < 1, qPrintable(text));
            }
    }

    // A screen reader reads the label as a read-only text and finds each
    // link as a child named after its words, which it can press.
    void screenReadersReadTheTextAndPressItsLinks() {
        m_label->setMarkupText("<p align=center>first <b>bold</b> line<br>"
                               "<a href=\"topic7\">a <i>two</i> part</a> link</p><p>end</p>");
        QAccessibleInterface* label = QAccessible::queryAccessibleInterface(m_label);
        QCOMPARE(label->role(), QAccessible::EditableText);
        QVERIFY(label->state().readOnly && !label->state().editable);
        QAccessibleTextInterface* text = label->textInterface();
        QVERIFY(text);
        const QString whole = QStringLiteral("first bold line\na two part link\nend");
        QCOMPARE(text->text(0, text->characterCount()), whole);
        int start = -1;
        int end = -1;
        QCOMPARE(text->textAfterOffset(3, QAccessible::LineBoundary, &start, &end),
                 QStringLiteral("a two part link\n"));
        QCOMPARE(label->childCount(), 1);
        QAccessibleInterface* link = label->child(0);
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name), QStringLiteral("a two part"));
        QCOMPARE(label->indexOfChild(link), 0);
        QCOMPARE(label->childAt(link->rect().center().x(), link->rect().center().y()), link);
        QSignalSpy anchors(m_label, &TRichLabel::OnAnchorClick);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(anchors.size(), 1);
        QCOMPARE(anchors[0][1].toString(), QStringLiteral("topic7"));
    }

  private:
    QPoint centreOf(const QString& text) const {
        for (const LaidOutLine& line : m_label->layout().lines)
            for (const PlacedRun& run : line.runs)
                if (QString::fromStdU16String(run.text).contains(text))
                    return {run.x + run.width / 2, line.top + line.height / 2};
        return {};
    }

    std::unique_ptr<QWidget> m_window;
    TRichLabel* m_label = nullptr;
};

} // namespace paysmith

QTEST_MAIN(paysmith::RichLabelTest)
#include "richlabel_test.moc"

#include "dialogs/richlabel/richlabel.h"

#include "dialogs/common/popupanswer.h"
#include "dialogs/shell/recordingshell.h"

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

    // A press of the left or middle button on a link opens it; targets that
    // are neither web nor mail addresses go to OnAnchorClick instead.
    void pressOnALinkOpensIt_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("anchor");
        QTest::newRow("web, left button")
            << "web" << int(Qt::LeftButton) << "https://x.example/?ref=PSM4600"
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

    // The right button brings up the link's menu over a link, the window's
    // elsewhere; only the menu's Open opens.
    void rightClickBringsUpTheMenuOfWhatIsUnderIt_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("choose");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<int>("windowMenus");
        QTest::newRow("link, put away") << "web" << QString() << "linkMenu"
                                        << "" << 0;
        QTest::newRow("link, opened") << "web"
                                      << "&Open Link"
                                      << "linkMenu"
                                      << "https://x.example/?ref=PSM4600" << 0;
        QTest::newRow("plain text") << "plain" << QString() << ""
                                    << "" << 1;
    }

    void rightClickBringsUpTheMenuOfWhatIsUnderIt() {
        QFETCH(QString, text);
        QFETCH(QString, choose);
        RecordingShell shell;
        const ScopedDesktopShell useShell(shell);
        m_window->setContextMenuPolicy(Qt::CustomContextMenu);
        QSignalSpy windowMenus(m_window.get(), &QWidget::customContextMenuRequested);
        const testing_support::PopupAnswer answer(choose);
        testing_support::rightClick(m_label, centreOf(text));
        QTEST(answer.name, "menu");
        QTEST(shell.opened.join(""), "opened");
        QTEST(int(windowMenus.size()), "windowMenus");
    }

    void handOnlyOverLinkText() {
        QTest::mouseMove(m_label, centreOf("web"));
        QCOMPARE(m_label->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseMove(m_label, centreOf("plain"));
        QCOMPARE(m_label->cursor().shape(), Qt::ArrowCursor);
    }

    // A proportional font's widths are fractions of a pixel: each run must
    // start where the text before it ends, whatever the change of style.
    void runsFollowOneAnotherWithoutGaps() {
        TRichLabel label;
        QFont arial("Arial");
        arial.setPixelSize(12);
        QVERIFY(!QFontInfo(arial).fixedPitch());
        label.setFont(arial);
        label.resize(308, 239);
        label.setMarkupText(
            "<p><font size=2>It comes with the <I>Home Buyer's Budget Workbook</I>, the "
            "<I>Pre-Qualification Letter Kit</I> and the <I>Guide to Loan Programs</I>. Get "
            "<a href=\"https://x.example/\">Mortgage Qualifier Plus</a> for $39.95.<br></p>"
            "<p>New in version 3: <B>estimate import</B> reads the figures. Try "
            "<a href=\"https://y.example/\">Closing Cost Pro</a> today!</font>");
        int boundaries = 0;
        for (const LaidOutLine& line : label.layout().lines)
            for (std::size_t i = 1; i < line.runs.size(); ++i, ++boundaries) {
                const PlacedRun& before = line.runs[i - 1];
                const qreal end =
                    before.x + QFontMetricsF(label.fontOf(before.style))
                                   .horizontalAdvance(QString::fromStdU16String(before.text));
                QVERIFY2(qAbs(line.runs[i].x - end) < 1,
                         qPrintable(QString::fromStdU16String(line.runs[i].text)));
            }
        QVERIFY(boundaries >= 8);
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

#include "dialogs/disclaimer/disclaimerdialog.h"

#include "dialogs/richlabel/richlabel.h"

#include <QScopeGuard>
#include <QToolButton>
#include <QtTest>

namespace paysmith {

class DisclaimerDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void paragraphIsCentredLineByLineWithTheMiddleSentenceBold() {
        QString bold;
        QTimer::singleShot(0, [&bold] {
            TfrmDisclaim* dialog = TfrmDisclaim::instance();
            QVERIFY(dialog);
            // A failed check below must not leave the modal loop running.
            const auto closeAnyway = qScopeGuard([dialog] { dialog->close(); });
            QCOMPARE(dialog->windowTitle(), QString("Disclaimer"));
            const TextLayout& layout = dialog->text()->layout();
            QVERIFY(layout.lines.size() >= 3);
            for (const LaidOutLine& line : layout.lines) {
                if (line.runs.empty())
                    continue;
                const int left = line.runs.front().x;
                const int right = line.runs.back().x + line.runs.back().width;
                QVERIFY(std::abs(left - (330 - right)) <= 1);
                for (const PlacedRun& run : line.runs)
                    if (run.style.bold)
                        bold += QString::fromStdU16String(run.text);
                bold += u' '; // where the line wrapped
            }
            QTest::mouseClick(dialog->findChild<QToolButton*>("btnClose"), Qt::LeftButton);
        });
        ShowDisclaimer(nullptr);
        QCOMPARE(bold.simplified(), QString("there is NO WARRANTY, expressed or implied, for the "
                                            "accuracy or applicability of this information to "
                                            "your particular financial question."));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!TfrmDisclaim::instance());
    }

    void markupKeepsItsDoubleBlanks() {
        const QString markup = disclaimerMarkup();
        QVERIFY(markup.startsWith("<P align=\"center\">Though effort"));
        QVERIFY(markup.contains("WARRANTY,  expressed"));
        QVERIFY(markup.contains("question.</b>  Consult"));
        QVERIFY(markup.endsWith("decision.</P>"));
    }
};

} // namespace paysmith

QTEST_MAIN(paysmith::DisclaimerDialogTest)
#include "disclaimerdialog_test.moc"

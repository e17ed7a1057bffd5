#include "compare/page/comparepage.h"

#include "numfield/text/intlsupport.h"
#include "numfield/widget/fieldalerts.h"
#include "numfield/widget/numericfield.h"

#include <QApplication>
#include <QLabel>
#include <QtTest>

namespace paysmith {

namespace {

class RecordingAlerts : public FieldAlerts {
  public:
    void beep() override {}
    void showError(QWidget*, const QString& message) override { messages << message; }
    QStringList messages;
};

// The extras as {each payment, lump sum, its payment number}.
OfferTerms extras(const QList<double>& values) {
    return {0, 0, values[0], values[1], static_cast<std::int32_t>(values[2])};
}

} // namespace

class ComparePageTest : public QObject {
    Q_OBJECT
  private slots:
    // A refusal that two fields share keeps the focus where it was typed
    // until it is told, names the payments the lump sum can go with, and then
    // lets the user correct the other field instead.
    void crossFieldRefusalsLetEitherFieldBeCorrected_data() {
        QTest::addColumn<QList<double>>("start");
        QTest::addColumn<QString>("typed"); // into edtExtra1, edtLump1 or edtLumpPeriod1
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("note"); // in the message too, if one is shown
        QTest::addColumn<QString>("other");
        QTest::addColumn<QString>("correction");
        QTest::addColumn<QList<double>>("taken");
        const QString pastTheEnd("from payment 1 to 75.");
        const QString none;
        const QList<double> lumpAt60{1500, 5000, 60};
        QTest::newRow("extra ends the schedule before the lump sum")
            << QList<double>{0, 5000, 300} << "edtExtra1"
            << "1500" << pastTheEnd << "edtLumpPeriod1"
            << "60" << lumpAt60;
        QTest::newRow("lump sum at a number past the end")
            << QList<double>{1500, 0, 300} << "edtLump1"
            << "5000" << pastTheEnd << "edtLumpPeriod1"
            << "75" << QList<double>{1500, 5000, 75};
        QTest::newRow("number past the shortened end") << lumpAt60 << "edtLumpPeriod1"
                                                       << "300" << pastTheEnd << "edtExtra1"
                                                       << "0" << QList<double>{0, 5000, 300};
        QTest::newRow("number 0 takes the lump sum away")
            << lumpAt60 << "edtLumpPeriod1"
            << "0" << none << none << none << QList<double>{1500, 0, 0};
        QTest::newRow("lump sum waits for its number")
            << QList<double>{0, 0, 0} << "edtLump1"
            << "5000"
            << "Loan 1: The lump sum does nothing until a payment number is given." << none << none
            << QList<double>{0, 5000, 0};
    }

    void crossFieldRefusalsLetEitherFieldBeCorrected() {
        QFETCH(QList<double>, start);
        QFETCH(QString, typed);
        QFETCH(QString, note);
        QFETCH(QString, other);
        RecordingAlerts alerts;
        const ScopedFieldAlerts useAlerts(alerts);
        const TIntlSupport format;
        ComparePage page(format, AprMethod::US);
        LoanValues loan;
        loan.entry.amount = 150000.0;
        loan.entry.payments = 360;
        loan.entry.annualRatePercent = 6.75;
        loan.frequencyIndex = kDefaultFrequencyIndex;
        page.setLoan(0, loan);
        ComparisonInputs inputs;
        inputs.offers[0] = extras(start);
        page.setInputs(inputs);
        page.show();
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        const auto focus = [&](const QString& name) {
            auto* field = page.findChild<TNumericField*>(name);
            field->setFocus(Qt::TabFocusReason);
            QCoreApplication::processEvents();
            return field;
        };
        const auto typeAndLeave = [](TNumericField* field, const QString& text) {
            QTest::keyClicks(field, text);
            QTest::keyClick(field, Qt::Key_Tab);
            QCoreApplication::processEvents();
        };
        QFETCH(QString, text);
        auto* refused = focus(typed);
        typeAndLeave(refused, text);
        const QString shown = page.findChild<QLabel*>("lblExtrasNote")->text();
        QVERIFY2(note.isEmpty() ? shown.isEmpty() : shown.contains(note), qPrintable(shown));
        if (other.isEmpty()) {
            QVERIFY(alerts.messages.isEmpty());
        } else {
            QCOMPARE(alerts.messages.size(), 1);
            QVERIFY2(alerts.messages[0].contains(note), qPrintable(alerts.messages[0]));
            QCOMPARE(QApplication::focusWidget(), refused);
            auto* corrected = focus(other);
            QCOMPARE(QApplication::focusWidget(), corrected);
            QFETCH(QString, correction);
            typeAndLeave(corrected, correction);
            QCOMPARE(alerts.messages.size(), 1);
        }
        QFETCH(QList<double>, taken);
        QCOMPARE(page.inputs().offers[0], extras(taken));
    }
};

} // namespace paysmith

QTEST_MAIN(paysmith::ComparePageTest)
#include "comparepage_test.moc"

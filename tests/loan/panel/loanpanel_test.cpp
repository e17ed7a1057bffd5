#include "loan/panel/loanpanel.h"

#include "base/accessible/announcer.h"
#include "numfield/widget/accessibleeventlog.h"
#include "numfield/widget/numericfield.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QtTest>

namespace paysmith {

class LoanPanelTest : public QObject {
    Q_OBJECT
  private slots:
    void recalculationReadsTheFrequencyText_data() {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("payment");
        const int box = static_cast<int>(RecalcSource::FrequencyBox);
        const int other = static_cast<int>(RecalcSource::Other);
        // 150,000.00 at 6.75 % over 360 payments.
        QTest::newRow("monthly") << "Monthly 12" << other << "Monthly 12"
                                 << "30.00 years."
                                 << "972.90";
        QTest::newRow("quarterly") << "Quarterly 4" << other << "Quarterly 4"
                                   << "90.00 years."
                                   << "2,537.39";
        QTest::newRow("unknown text left by the box becomes monthly")
            << "monthly 12" << box << "Monthly 12"
            << "30.00 years."
            << "972.90";
        // The index stays at the previous recalculation's frequency.
        QTest::newRow("unknown text from elsewhere stands")
            << "Fortnightly" << other << "Fortnightly"
            << "30.00 years."
            << "972.90";
        QTest::newRow("constant is no list caption but a frequency")
            << "Constant" << box << "Constant"
            << "15.00 years."
            << "10,125.00";
    }

    void recalculationReadsTheFrequencyText() {
        QFETCH(QString, frequency);
        QFETCH(int, source);
        QWidget window;
        const TIntlSupport format;
        LoanPanel panel(WhichLoan::Loan1, format, &window);
        panel.controls().amount->setFloatValue(150000.0);
        panel.controls().rate->setFloatValue(6.75);
        panel.controls().payments->setIntegerValue(360);
        panel.recalculate(RecalcSource::Other);

        panel.setFrequencyText(frequency);
        QSignalSpy published(&panel, &LoanPanel::workedOut);
        panel.recalculate(static_cast<RecalcSource>(source));
        QTEST(panel.frequencyText(), "shown");
        QTEST(panel.controls().term->text(), "term");
        QTEST(panel.controls().payment->text(), "payment");
        // What is published is what the panel shows.
        QCOMPARE(published.size(), 1);
        const LoanValues& values = panel.values();
        QTEST(QString::fromStdU16String(values.entry.frequency), "shown");
        QTEST(QString::fromStdU16String(values.term), "term");
        QCOMPARE(values.entry.amount, 150000.0);
    }

    void screenReadersTellTheLoansApart_data() {
        QTest::addColumn<int>("loan");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("paymentDescription");
        QTest::newRow("loan 1") << int(WhichLoan::Loan1) << "Loan 1"
                                << "Calculated payment (PITI) amount";
        QTest::newRow("loan 2") << int(WhichLoan::Loan2) << "Loan 2"
                                << "Calculated payment amount";
    }

    void screenReadersTellTheLoansApart() {
        QFETCH(int, loan);
        QWidget window;
        const TIntlSupport format;
        LoanPanel panel(static_cast<WhichLoan>(loan), format, &window);
        const LoanControls& c = panel.controls();
        c.amount->setFloatValue(150000.0);
        c.rate->setFloatValue(6.75);
        c.payments->setIntegerValue(360);

        AccessibleEventLog log;
        const QString paymentBefore = c.payment->text();
        panel.recalculate(RecalcSource::Other);
        QCOMPARE(log.followedText(c.payment, paymentBefore), c.payment->text());
        QCOMPARE(log.textChanges(c.amount), 0);

        QAccessibleInterface* group = QAccessible::queryAccessibleInterface(&panel);
        QCOMPARE(group->role(), QAccessible::Grouping);
        QTEST(group->text(QAccessible::Name), "name");
        const QString term = QStringLiteral("The term of this loan is 30.00 years.");
        QCOMPARE(group->text(QAccessible::Description), term);
        QCOMPARE(QAccessible::queryAccessibleInterface(c.term)->text(QAccessible::Name), term);
        // The panel is labelled by its title, and labels nothing itself.
        const auto labels = group->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->object(), c.title);
        QCOMPARE(labels.first().second, QAccessible::Relation(QAccessible::Label));
        QVERIFY(group->relations(QAccessible::Labelled).isEmpty());

        QAccessibleInterface* payment = QAccessible::queryAccessibleInterface(c.payment);
        QTEST(payment->text(QAccessible::Description), "paymentDescription");
        QVERIFY(payment->state().readOnly);
        QVERIFY(!payment->state().editable);
        QAccessibleInterface* amount = QAccessible::queryAccessibleInterface(c.amount);
        QCOMPARE(amount->text(QAccessible::Description),
                 QStringLiteral("Enter the amount of the loan"));
        QVERIFY(amount->state().editable);
    }

    // What the panel's own controls change of the payment and the term is
    // announced once; the program's own working out (start, Reset) is not.
    void newPaymentIsAnnounced() {
        QWidget window;
        const TIntlSupport format;
        LoanPanel panel(WhichLoan::Loan2, format, &window);
        const LoanControls& c = panel.controls();
        c.rate->setFloatValue(6.75);
        c.payments->setIntegerValue(12);
        AccessibleEventLog log;
        panel.recalculate(RecalcSource::Other);
        emit c.rate->OnExit();
        c.amount->setFloatValue(250000.0);
        emit c.amount->OnExit();
        const QString told = QStringLiteral("Loan 2: payment 21,602.88, 1.00 year");
        QTRY_COMPARE(lastAnnouncement(), told);
        QCOMPARE(log.events(QAccessible::Notification).filter("ObjectShow"),
                 QStringList{"ObjectShow " + told});
    }
};

} // namespace paysmith

QTEST_MAIN(paysmith::LoanPanelTest)
#include "loanpanel_test.moc"

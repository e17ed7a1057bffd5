#include "compare/page/comparepage.h"

#include "base/accessible/announcer.h"
#include "compare/model/offersmodel.h"
#include "loan/core/exampleloan.h"
#include "numfield/text/intlsupport.h"
#include "numfield/widget/numericfield.h"

#include <QAccessible>
#include <QComboBox>
#include <QFileDialog>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace paysmith {

namespace {

using testing_support::loan;

// The page on offers of its own, wired as the window wires it, with Loan 1 at
// 6.75 % and Loan 2 at 5.75 %, both over 30 years.
struct PageOnOffers {
    explicit PageOnOffers(AprMethod region = AprMethod::US) : page(format, offers, region) {
        QObject::connect(&offers, &OffersModel::changed, &page, &ComparePage::followOffers);
        QObject::connect(&offers, &OffersModel::inputsReplaced, &page, &ComparePage::showNewInputs);
        offers.setLoan(WhichLoan::Loan1, loan(6.75, 360));
        offers.setLoan(WhichLoan::Loan2, loan(5.75, 360));
        page.resize(900, 560);
        page.show();
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
    }

    QStringList row(int index) const {
        const auto* table = page.findChild<QTableWidget*>("twCompare");
        QStringList shown{table->verticalHeaderItem(index)->text()};
        for (int column = 0; column < 3; ++column)
            shown << table->item(index, column)->text();
        return shown;
    }

    void type(const char* name, const QString& text) {
        auto* field = page.findChild<TNumericField*>(name);
        field->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
    }

    const TIntlSupport format;
    OffersModel offers;
    ComparePage page;
};

} // namespace

class ComparePageTest : public QObject {
    Q_OBJECT
  private slots:
    // The rate row follows the method the region starts with, then the one
    // the user picks from the box, which is kept.
    void rateRowFollowsTheChosenMethod_data() {
        QTest::addColumn<AprMethod>("region");
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("row");
        const QStringList apr{"APR (%)", "6.750", "5.750", "-1.000"};
        const QStringList aprc{"APRC (%)", "6.963", "5.904", "-1.059"};
        QTest::newRow("US") << AprMethod::US << 0 << apr;
        QTest::newRow("US, APRC chosen") << AprMethod::US << int(Qt::Key_Down) << aprc;
        QTest::newRow("EU") << AprMethod::EU << 0 << aprc;
        QTest::newRow("EU, APR chosen") << AprMethod::EU << int(Qt::Key_Up) << apr;
    }

    void rateRowFollowsTheChosenMethod() {
        QFETCH(AprMethod, region);
        QFETCH(int, key);
        QFETCH(QStringList, row);
        PageOnOffers on(region);
        auto* box = on.page.findChild<QComboBox*>("cbAprMethod");
        if (key)
            QTest::keyClick(box, Qt::Key(key));
        QCOMPARE(on.row(1), row);
        QCOMPARE(on.offers.inputs().method.has_value(), key != 0);
        // Orca reads the method a closed box shows from its text.
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(box)->textInterface();
        QVERIFY(text && text->text(0, text->characterCount()) == box->currentText());
    }

    // Until the user types a span, the years kept follow the longer loan; a
    // span out of range is refused and leaves the one before.
    void yearsKeptAreTypedOrFollowTheLoans_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("kept"); // 0: none kept, the loans' term
        QTest::addColumn<QString>("caption");
        QTest::newRow("left alone") << QString() << 0.0 << "Cost of borrowing if kept 30.00 years";
        QTest::newRow("typed") << "7" << 7.0 << "Cost of borrowing if kept 7.00 years";
        QTest::newRow("longer than either loan")
            << "31" << 0.0 << "Cost of borrowing if kept 30.00 years";
        QTest::newRow("shorter than a quarter")
            << "0.1" << 0.0 << "Cost of borrowing if kept 30.00 years";
    }

    void yearsKeptAreTypedOrFollowTheLoans() {
        QFETCH(QString, typed);
        QFETCH(double, kept);
        PageOnOffers on;
        if (!typed.isEmpty())
            on.type("edtKeepYears", typed);
        QCOMPARE(on.offers.inputs().keepYears.value_or(0.0), kept);
        QTEST(on.row(2).value(0), "caption");
        // A longer loan moves a span that follows the loans, not a typed one.
        on.offers.setLoan(WhichLoan::Loan2, loan(5.75, 480));
        QCOMPARE(on.row(2).value(0), kept ? QString("Cost of borrowing if kept 7.00 years")
                                          : QString("Cost of borrowing if kept 40.00 years"));
    }

    // Changed figures are told with the sentence, an entry that changes
    // nothing is not; Loan 1's fields are heard with their loan as Loan 2's
    // are, and the sentence is reached by Tab after the chart.
    void pageIsHeard_data() {
        QTest::addColumn<QString>("control"); // empty: Loan 2 lengthened elsewhere
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("told"); // how it starts; empty: nothing
        QTest::newRow("fees") << "edtFees2"
                              << "3000"
                              << "Loan 1: APR 6.750 %, cost 200,240.76, "
                                 "balance then 0.00. Loan 2: APR 5.937 %";
        QTest::newRow("no change") << "edtFees1"
                                   << "0"
                                   << "";
        QTest::newRow("method") << "cbAprMethod"
                                << ""
                                << "Loan 1: APRC 6.963 %";
        QTest::newRow("loan") << ""
                              << ""
                              << "Loan 1: APR 6.750 %, cost 200,240.76, balance then "
                                 "0.00. Loan 2: APR 5.750 %, cost 233,680.83, balance "
                                 "then 0.00. Kept 40.00 years, Loan 1 costs less.";
    }

    void pageIsHeard() {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, told);
        PageOnOffers on;
        const QString before = QTest::currentDataTag();
        announce(&on.page, before);
        QTRY_COMPARE(lastAnnouncement(), before);
        if (control.isEmpty())
            on.offers.setLoan(WhichLoan::Loan2, loan(5.75, 480));
        else if (typed.isEmpty())
            QTest::keyClick(on.page.findChild<QComboBox*>(control), Qt::Key_Down);
        else
            on.type(qPrintable(control), typed);
        QTest::qWait(20);
        QVERIFY2(lastAnnouncement().startsWith(told.isEmpty() ? before : told),
                 qPrintable(lastAnnouncement()));
        for (const QString name : {"edtFees1", "edtPoints1", "edtLumpPeriod1", "edtFees2"}) {
            auto* field = QAccessible::queryAccessibleInterface(on.page.findChild<QWidget*>(name));
            // Readers say the caption a field is labelled by before its name.
            QVERIFY(field->relations(QAccessible::Label).isEmpty() &&
                    field->text(QAccessible::Name).endsWith("Loan " + name.right(1)));
        }
        on.page.findChild<QWidget*>("chtCost")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("lblCrossover"));
    }

    // The export writes what the page shows: a refused extra is left out.
    void exportWritesTheComparisonShown() {
        PageOnOffers on;
        on.type("edtFees2", "3000");
        ComparisonInputs inputs = on.offers.inputs();
        inputs.offers[0].lumpSum = 5000;
        inputs.offers[0].lumpPeriod = 400; // past the last payment
        on.offers.replaceInputs(inputs);
        QTemporaryDir folder;
        const QString path = folder.filePath("compared.csv");
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        on.page.exportComparison();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QVERIFY(lines.contains("Fees,0.00,3000.00"));
        QVERIFY(lines.contains("Lump sum,0.00,0.00"));
        QVERIFY(lines.contains("Lump sum with payment,0,0"));
        QCOMPARE(on.row(0), (QStringList{"Fees and points", "0.00", "3,000.00", "3,000.00"}));
    }
};

} // namespace paysmith

QTEST_MAIN(paysmith::ComparePageTest)
#include "comparepage_test.moc"

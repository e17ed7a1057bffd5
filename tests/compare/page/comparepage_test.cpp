#include "compare/page/comparepage.h"

#include "loan/core/exampleloan.h"
#include "numfield/text/intlsupport.h"

#include <QComboBox>
#include <QTableWidget>
#include <QtTest>

namespace paysmith {

namespace {

using testing_support::loan;

} // namespace

class ComparePageTest : public QObject {
    Q_OBJECT
  private slots:
    // The rate row follows the method the region starts with, then the one
    // the user picks from the box.
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
        const TIntlSupport format;
        ComparePage page(format, region);
        page.setLoan(0, loan(6.75, 360));
        page.setLoan(1, loan(5.75, 360));
        page.show();
        if (key)
            QTest::keyClick(page.findChild<QComboBox*>("cbAprMethod"), Qt::Key(key));
        const auto* table = page.findChild<QTableWidget*>();
        QStringList shown{table->verticalHeaderItem(1)->text()};
        for (int column = 0; column < 3; ++column)
            shown << table->item(1, column)->text();
        QCOMPARE(shown, row);
    }
};

} // namespace paysmith

QTEST_MAIN(paysmith::ComparePageTest)
#include "comparepage_test.moc"

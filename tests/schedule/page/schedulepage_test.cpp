#include "schedule/page/schedulepage.h"

#include "base/qt/qtstrings.h"
#include "figures/kit/figuresprintout.h"
#include "figures/kit/yearschart.h"
#include "loan/core/exampleloan.h"
#include "numfield/text/intlsupport.h"
#include "schedule/page/balanceseries.h"
#include "schedule/page/schedulemodel.h"

#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPdfWriter>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace paysmith {

namespace {

using testing_support::loan;

// A page on both loans' schedules as the test sets them, told of each change
// as the window tells it of the offers'.
class PageOnLoans final : public LoanSchedulesSource {
  public:
    PageOnLoans() {
        for (const WhichLoan loan : kBothLoans)
            setLoan(loan, {});
    }
    std::shared_ptr<const LoanSchedules> schedulesOf(WhichLoan loan) const override {
        return m_schedules[indexOf(loan)];
    }
    void setLoan(WhichLoan loan, const LoanValues& values, const ExtraPayments& extras = {}) {
        m_schedules[indexOf(loan)] =
            std::make_shared<const LoanSchedules>(loanSchedules(scheduleInputsOf(values), extras));
        page.followSchedules();
    }

    const TIntlSupport format;
    SchedulePage page{format, *this};

  private:
    std::array<std::shared_ptr<const LoanSchedules>, 2> m_schedules;
};

} // namespace

class SchedulePageTest : public QObject {
    Q_OBJECT
  private slots:
    void isBuiltWhenFirstShownAndFollowsTheLoans() {
        PageOnLoans loans;
        SchedulePage& page = loans.page;
        loans.setLoan(WhichLoan::Loan1, loan(6.75, 360));
        loans.setLoan(WhichLoan::Loan2, loan(5.75, 240));
        QVERIFY(!page.isBuilt());

        page.show();
        QVERIFY(page.isBuilt());
        const ScheduleModel& model = *page.model();
        QCOMPARE(model.rowCount(), 360);
        QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("972.90"));
        QCOMPARE(model.index(0, 2).data().toString(), QStringLiteral("129.15"));
        QCOMPARE(model.index(0, 3).data().toString(), QStringLiteral("843.75"));
        QCOMPARE(model.index(359, 6).data().toString(), QStringLiteral("0.00"));

        page.chooseLoan(WhichLoan::Loan2);
        QCOMPARE(model.rowCount(), 240);

        loans.setLoan(WhichLoan::Loan2, loan(5.75, 0));
        QCOMPARE(model.rowCount(), 0);
        const auto* reason = page.findChild<QLabel*>("lblNoSchedule");
        QVERIFY(reason && reason->isVisible());
        // The page, its chart and its printout say it in the same words.
        const QString why = QStringLiteral("Loan 2 has no schedule: it has no payments.");
        QCOMPARE(reason->text(), why);
        QCOMPARE(page.findChild<YearsChartWidget*>("chtBalance")->chart().missing[1], why);
        QCOMPARE(page.document().noDetailsReason, why);

        // Hidden, the page only notes the change and catches up when shown.
        page.hide();
        loans.setLoan(WhichLoan::Loan2, loan(5.75, 12));
        QCOMPARE(model.rowCount(), 0);
        page.show();
        QCOMPARE(model.rowCount(), 12);
        QVERIFY(!reason->isVisible());
    }

    // Extras stand in a column of their own and pay the loan off early,
    // which the note under the table says, on paper too.
    void extrasAreToldApartFromTheCents() {
        PageOnLoans loans;
        SchedulePage& page = loans.page;
        loans.setLoan(WhichLoan::Loan1, loan(6.75, 360), {20000, 0, 0});
        page.show();
        QVERIFY(page.model()->rowsAsText({0}).startsWith("1\t972.90\t200.00\t129.15\t843.75\t"));
        const auto* note = page.findChild<QLabel*>("lblLastPayment");
        QVERIFY(note->isVisible());
        QVERIFY2(note->text().startsWith("The extra payments pay the loan off early, in period "),
                 qPrintable(note->text()));
        QVERIFY(page.findChild<QLabel*>("lblSummaryWithoutExtras")->isVisible());
        const FiguresDocument document = page.document();
        QCOMPARE(document.detailsNote, note->text());
        QVERIFY(!document.summaryNote.isEmpty());
    }

    // The table numbers the periods from 1 and shows each once; the chart
    // thins a long schedule out but keeps its first and last balance, and
    // must not draw the last twice when the schedule ends on a step.
    void tableAndChartShowEveryPeriodOnce_data() {
        QTest::addColumn<int>("payments");
        QTest::newRow("one payment") << 1;
        QTest::newRow("a year") << 12;
        QTest::newRow("the chart's steps end on the last period") << 1200;
        QTest::newRow("one period past the chart's last step") << 1201;
    }

    void tableAndChartShowEveryPeriodOnce() {
        QFETCH(int, payments);
        const LoanValues values = loan(6.75, payments);
        PageOnLoans loans;
        SchedulePage& page = loans.page;
        loans.setLoan(WhichLoan::Loan1, values);
        page.show();
        const ScheduleModel& model = *page.model();
        QCOMPARE(model.rowCount(), payments);
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("1"));
        QCOMPARE(model.index(payments - 1, 0).data().toString(), QString::number(payments));

        const LenderSchedule schedule = lenderSchedule(scheduleInputsOf(values));
        const std::vector<QPointF> points = balanceSeries(schedule);
        QVERIFY(points.size() <= YearsChartWidget::kMaxPoints + 2);
        QCOMPARE(points.front(), QPointF(0, values.entry.amount));
        QCOMPARE(points.back().x(), payments / 12.0);
        int previous = 0;
        for (std::size_t k = 1; k < points.size(); ++k) {
            const int period = qRound(points[k].x() * 12);
            QVERIFY2(period > previous, qPrintable(QString::number(period)));
            QCOMPARE(points[k].y(), schedule.rows[std::size_t(period - 1)].balance / 100.0);
            previous = period;
        }
    }

    // Tab leaves the table in one step, Ctrl+C copies the selected rows in
    // order, and the other loan's schedule starts at its first period.
    void tableWorksFromTheKeyboard() {
        PageOnLoans loans;
        SchedulePage& page = loans.page;
        loans.setLoan(WhichLoan::Loan1, loan(6.75, 360));
        loans.setLoan(WhichLoan::Loan2, loan(5.75, 240));
        page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        auto* table = page.findChild<QTableView*>("tvSchedule");
        table->setFocus();
        table->selectRow(2);
        table->selectionModel()->select(table->model()->index(1, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::keySequence(table, QKeySequence::Copy);
        const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith("2\t972.90\t"));
        QVERIFY(lines[1].startsWith("3\t972.90\t"));

        table->scrollToBottom();
        page.chooseLoan(WhichLoan::Loan2);
        QCOMPARE(table->verticalScrollBar()->value(), 0);

        // Tab goes on to the comparison and the chart, which a screen reader
        // hears described by both balances.
        for (const char* next : {"twScheduleSummary", "chtBalance"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString(next));
        }
        auto* chart = page.findChild<YearsChartWidget*>("chtBalance");
        QCOMPARE(QAccessible::queryAccessibleInterface(chart)->text(QAccessible::Description),
                 toQString(describeChart(chartLinesOf(chart->series()), {}, u'.', u',')));

        // Alt+1 chooses Loan 1 as it focuses it, so that a reader says so.
        QTest::keyClick(&page, Qt::Key_1, Qt::AltModifier);
        QVERIFY(page.findChild<QRadioButton*>("rbScheduleLoan1")->isChecked());
        // A figure of the comparison is heard with its row's name.
        auto* summary = page.findChild<QTableWidget*>("twScheduleSummary");
        QAccessibleInterface* cell =
            QAccessible::queryAccessibleInterface(summary)->tableInterface()->cellAt(1, 1);
        QCOMPARE(cell->text(QAccessible::Name),
                 summary->verticalHeaderItem(1)->text() + ", " + summary->item(1, 1)->text());
    }

    void printsTheChosenLoanAsADocument_data() {
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        QTest::newRow("A4") << QPageSize::A4;
        QTest::newRow("Letter") << QPageSize::Letter;
    }

    // Text on numbered pages that a reader can search, the table's header on
    // every page it runs onto, each period once, and a file that stays small.
    void printsTheChosenLoanAsADocument() {
        QFETCH(QPageSize::PageSizeId, paper);
        PageOnLoans loans;
        SchedulePage& page = loans.page;
        LoanValues taxed = loan(6.75, 360);
        taxed.entry.annualTaxes = 1800;
        taxed.entry.annualInsurance = 600;
        loans.setLoan(WhichLoan::Loan1, taxed);
        loans.setLoan(WhichLoan::Loan2, loan(5.75, 240));
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(paper));
        FiguresPrintout printout(page.document(), writer, QStringLiteral("Liberation Sans"));
        const int pages = printout.pageCount();
        QVERIFY2(std::abs(pages - 8) <= 1, qPrintable(QString::number(pages)));

        const QStringList first = printout.pageText(0);
        for (const char* line : {"Lender's schedule of Loan 1", "Amount borrowed\t150,000.00",
                                 "Payment frequency\tMonthly 12", "Number of payments\t360",
                                 "Annual interest rate %\t6.7500", "Annual taxes\t1,800.00",
                                 "Annual insurance\t600.00"})
            QVERIFY2(first.contains(QString::fromUtf8(line)), line);
        const QString header =
            QStringLiteral("Period\tPrincipal + interest\tPrincipal\tInterest\tTaxes\t"
                           "Insurance\tBalance");
        int period = 0;
        for (int k = 0; k < pages; ++k) {
            const QStringList lines = printout.pageText(k);
            QVERIFY(lines.back().endsWith(QStringLiteral("Page %1 of %2").arg(k + 1).arg(pages)));
            for (qsizetype n = 0; n < lines.size(); ++n) {
                if (!lines[n].startsWith(QString::number(period + 1) + QLatin1Char('\t')))
                    continue;
                QVERIFY(n > 0);
                QVERIFY(lines[n - 1] == header ||
                        lines[n - 1].startsWith(QString::number(period) + QLatin1Char('\t')));
                ++period;
            }
        }
        QCOMPARE(period, 360);
        // After the rows, their totals (150.00 of taxes and 50.00 of insurance a
        // month for 30 years) and the comparison of both loans.
        QStringList after;
        for (int k = 0; k < pages; ++k)
            after << printout.pageText(k);
        after = after.mid(after.indexOf(QRegularExpression(QStringLiteral("360\t.*"))));
        QVERIFY(after[1].startsWith(QStringLiteral("Total\t")));
        QVERIFY(after[1].endsWith(QStringLiteral("\t54,000.00\t18,000.00\t")));
        const qsizetype summary =
            after.indexOf(QStringLiteral("\tLoan 1\tLoan 2\tLoan 2 − Loan 1"));
        QVERIFY(summary > 1);
        QVERIFY(after[summary + 2].startsWith(
            QStringLiteral("Payment with taxes and insurance, lender's\t1,172.90\t")));

        QVERIFY(printout.print());
        const QByteArray file = pdf.data();
        QVERIFY(file.startsWith("%PDF-"));
        QVERIFY2(file.size() < 300 * 1024, qPrintable(QString::number(file.size())));
        QCOMPARE(file.count("/Type /Page\n"), pages);
        // Vector drawing and text: no picture anywhere.
        QVERIFY(!file.contains("/Subtype /Image"));
    }

    void csvIsWrittenWholeOrNotAtAll() {
        QTemporaryDir folder;
        const LoanSchedules inputs = loanSchedules({150000.0, 6.75, 360, 6, 0, 0});
        const QString path = folder.filePath("schedule.csv");
        QVERIFY(writeScheduleCsv(inputs, path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        // inputs, a blank line, header, rows, totals and the final newline
        QCOMPARE(lines.size(), 7 + 360 + 3);
        QCOMPARE(lines[0], QByteArray("Amount borrowed,150000.00"));
        QCOMPARE(lines[8], QByteArray("1,972.90,129.15,843.75,0.00,0.00,149870.85"));
        QVERIFY(lines[368].startsWith("Total,"));

        const QString unwritable = folder.filePath("missing/schedule.csv");
        QVERIFY(!writeScheduleCsv(inputs, unwritable));
        QVERIFY(!QFile::exists(unwritable));
    }
};

} // namespace paysmith

QTEST_MAIN(paysmith::SchedulePageTest)
#include "schedulepage_test.moc"

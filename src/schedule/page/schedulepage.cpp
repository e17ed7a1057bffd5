#include "schedule/page/schedulepage.h"

#include "base/accessible/quietbuild.h"
#include "base/hint/hint.h"
#include "base/palette/accentkeeper.h"
#include "base/print/printing.h"
#include "base/qt/qtstrings.h"
#include "base/qt/wholefile.h"
#include "figures/kit/documentoutput.h"
#include "figures/kit/figuresprintout.h"
#include "figures/kit/figurestable.h"
#include "figures/kit/moneytext.h"
#include "figures/kit/yearschart.h"
#include "schedule/core/schedulecsv.h"
#include "schedule/page/balanceseries.h"
#include "schedule/page/scheduledocument.h"
#include "schedule/page/schedulemodel.h"
#include "schedule/wording/schedulewords.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPdfWriter>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace paysmith {

namespace {

constexpr int kRowHeight = 16;
// From this width on the table has the page's height to itself.
constexpr int kSideBySideWidth = 1000;

void compactRows(QTableView* table) {
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    table->horizontalHeader()->setHighlightSections(false);
}

} // namespace

SchedulePage::SchedulePage(const TIntlSupport& format, const LoanSchedulesSource& source,
                           QWidget* parent)
    : QWidget(parent), m_format(format), m_source(source) {}

SchedulePage::~SchedulePage() = default;

bool writeScheduleCsv(const LoanSchedules& schedules, const QString& path) {
    return writeWholeFile(path, scheduleCsv(schedules.inputs, schedules.extras, schedules.lender))
        .written;
}

void SchedulePage::showEvent(QShowEvent* event) {
    makeCurrent();
    // Laid out with its figures now, so that the first paint shows the table
    // and chart at their sizes, not their least.
    layout()->activate();
    QWidget::showEvent(event);
}

void SchedulePage::makeCurrent() {
    // Built here on first use, with its figures: readers meet its controls
    // when they go there, not one by one as they are made.
    const QuietBuild quiet(isBuilt() ? nullptr : this);
    if (!isBuilt())
        build();
    if (m_stale)
        refresh();
}

void SchedulePage::followSchedules() {
    m_stale = true;
    if (isBuilt() && isVisible())
        refresh();
}

void SchedulePage::chooseLoan(WhichLoan loan) {
    const bool other = loan != m_loan;
    m_loan = loan;
    if (!isBuilt())
        return;
    m_loanButtons[indexOf(loan)]->setChecked(true);
    showChosenLoan();
    // Another loan's schedule starts at its first period.
    if (other)
        m_table->scrollToTop();
}

void SchedulePage::build() {
    QFont small = font();
    small.setPixelSize(11);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(tr("Lender's schedule of"), this));
    auto* group = new QButtonGroup(this);
    for (const WhichLoan loan : kBothLoans) {
        const bool first = loan == WhichLoan::Loan1;
        auto* button = new QRadioButton(first ? tr("Loan &1") : tr("Loan &2"), this);
        button->setObjectName(first ? "rbScheduleLoan1" : "rbScheduleLoan2");
        setHint(button, first ? tr("Show the lender's schedule of Loan 1")
                              : tr("Show the lender's schedule of Loan 2"));
        group->addButton(button, static_cast<int>(indexOf(loan)));
        button->installEventFilter(this);
        bar->addWidget(button);
        m_loanButtons[indexOf(loan)] = button;
    }
    m_loanButtons[indexOf(m_loan)]->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this,
            [this](int index) { chooseLoan(kBothLoans[static_cast<std::size_t>(index)]); });
    bar->addStretch();
    addPageButtons(
        bar, this,
        {{"btnScheduleExport", tr("&Export..."),
          tr("Save the chosen loan's schedule as a CSV file for a spreadsheet"),
          [this] { exportSchedule(); }},
         {"btnSchedulePrint", tr("&Print..."),
          tr("Print the chosen loan's schedule and the comparison"), [this] { printPage(); }},
         {"btnSchedulePdf", tr("P&DF..."),
          tr("Save the chosen loan's schedule and the comparison as a PDF file"),
          [this] { savePdf(); }}});
    layout->addLayout(bar);

    m_reason = new QLabel(this);
    m_reason->setObjectName("lblNoSchedule");
    keepAccent(m_reason, QColor(0xb0, 0, 0));
    m_reason->setWordWrap(true);
    m_reason->hide();
    layout->addWidget(m_reason);
    m_extrasNote = new QLabel(
        tr("Extra payments are included, as entered on the Compare page: they go to principal "
           "and shorten the term."),
        this);
    m_extrasNote->setObjectName("lblExtrasIncluded");
    m_extrasNote->setWordWrap(true);
    m_extrasNote->hide();
    layout->addWidget(m_extrasNote);

    m_model = new ScheduleModel(m_format, this);
    m_table = new QTableView(this);
    m_table->setObjectName("tvSchedule");
    m_table->setAccessibleName(tr("Lender's schedule"));
    m_table->setFont(small);
    m_table->setModel(m_model);
    m_table->verticalHeader()->hide();
    compactRows(m_table);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // The period numbers need little room, and the payment's heading is the
    // longest; the other money columns share the rest.
    for (const int column : {0, 1})
        m_table->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab leaves the table at once; the arrow keys move inside it.
    m_table->setTabKeyNavigation(false);
    m_table->installEventFilter(this);
    setHint(m_table, tr("Each period as the lender bills it; Ctrl+C copies the selected rows"));

    m_lastPaymentNote = new QLabel(this);
    m_lastPaymentNote->setObjectName("lblLastPayment");
    m_lastPaymentNote->setWordWrap(true);
    m_lastPaymentNote->hide();
    auto* tableColumn = new QVBoxLayout;
    tableColumn->addWidget(m_table, 1);
    tableColumn->addWidget(m_lastPaymentNote);
    m_body = new QBoxLayout(QBoxLayout::TopToBottom);
    m_body->addLayout(tableColumn, 1);
    layout->addLayout(m_body, 1);

    m_figures = new QBoxLayout(QBoxLayout::LeftToRight);
    auto* lower = m_figures;
    m_summary = figuresTable(this, "twScheduleSummary", static_cast<int>(kSummaryLines));
    m_summary->setAccessibleName(tr("Both loans compared"));
    setHint(m_summary, tr("Both loans under the formula and under the lender's whole cents, "
                          "with the cost per year"));
    m_summaryNote = new QLabel(
        tr("The lender's figures above are without the extra payments, so that they differ "
           "from the formula's only by whole cents; the schedule's totals include them."),
        this);
    m_summaryNote->setObjectName("lblSummaryWithoutExtras");
    m_summaryNote->setWordWrap(true);
    m_summaryNote->hide();
    auto* summaryColumn = new QVBoxLayout;
    summaryColumn->addWidget(m_summary, 1);
    summaryColumn->addWidget(m_summaryNote);
    lower->addLayout(summaryColumn, 1);
    m_chart = new YearsChartWidget(m_format, this);
    m_chart->setObjectName("chtBalance");
    m_chart->setFont(small);
    m_chart->setTitle(tr("Balance against years"));
    // Narrow enough that the comparison keeps its figures beside a scroll bar.
    m_chart->setMinimumWidth(160);
    setHint(m_chart, tr("Both loans' balances against the years"));
    lower->addWidget(m_chart);
    m_body->addLayout(lower);
    arrangeForWidth();
}

bool SchedulePage::eventFilter(QObject* watched, QEvent* event) {
    // A loan's mnemonic chooses it at once and then gives it the focus, so
    // that a reader, which says the focused button, says that it is chosen.
    // Qt would focus it and choose it a moment later, unheard.
    if (event->type() == QEvent::Shortcut && std::ranges::count(m_loanButtons, watched) == 1 &&
        !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        auto* button = static_cast<QRadioButton*>(watched);
        button->click();
        button->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    if (watched == m_table && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        QList<int> rows;
        for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
            rows << index.row();
        if (!rows.isEmpty())
            QGuiApplication::clipboard()->setText(m_model->rowsAsText(rows));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SchedulePage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (isBuilt())
        arrangeForWidth();
}

void SchedulePage::arrangeForWidth() {
    // Wide enough, the summary and the chart stand beside the table, which
    // then has the page's whole height for its rows.
    const bool sideBySide = width() >= kSideBySideWidth;
    m_body->setDirection(sideBySide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    m_figures->setDirection(sideBySide ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    m_figures->setStretch(0, sideBySide ? 0 : 1); // the comparison and its note
    m_figures->setStretchFactor(m_chart, sideBySide ? 1 : 0);
}

void SchedulePage::refresh() {
    m_stale = false;
    for (const WhichLoan loan : kBothLoans) {
        auto schedules = m_source.schedulesOf(loan);
        const auto series = static_cast<int>(indexOf(loan));
        m_chart->setSeries(series, balanceSeries(schedules->lender));
        m_chart->setMissing(series, noScheduleMessageOf(loan, *schedules));
        m_schedules[indexOf(loan)] = std::move(schedules);
    }
    m_summaryNote->setVisible(std::any_of(m_schedules.begin(), m_schedules.end(),
                                          [](auto& s) { return s->lender.totals.extra != 0; }));

    const MoneyText money(m_format, MoneyText::kTotalMask);
    const auto text = [&](const std::optional<double>& value) {
        return value ? money.ofUnits(*value) : QStringLiteral("—");
    };
    int row = 0;
    for (const SummaryLine& line : summaryLines(*m_schedules[0], *m_schedules[1])) {
        const std::optional<double> values[] = {line.loan1, line.loan2, line.difference};
        setFiguresRow(m_summary, row,
                      translated("paysmith::SchedulePage", std::string_view(line.caption)),
                      {text(values[0]), text(values[1]), text(values[2])});
        ++row;
    }
    showChosenLoan();
}

void SchedulePage::showChosenLoan() {
    const auto& schedules = m_schedules[indexOf(m_loan)];
    if (!schedules)
        return;
    // The model shares the schedule, so a later refresh cannot pull it away
    // from under the view.
    m_model->setSchedule(std::shared_ptr<const LenderSchedule>(schedules, &schedules->lender));
    const bool exists = schedules->lender.exists();
    m_extrasNote->setVisible(m_model->hasExtras());
    m_reason->setText(noScheduleMessageOf(m_loan, *schedules));
    m_reason->setVisible(!exists);

    const LastPaymentNote note = lastPaymentNote(*schedules);
    const MoneyText money(m_format);
    const QString last = money.ofCents(note.lastCents);
    const QString period = QLocale().toString(note.periods);
    const QString periods = QLocale().toString(note.contractPeriods);
    switch (note.cause) {
    case LastPaymentCause::None:
        m_lastPaymentNote->clear();
        break;
    case LastPaymentCause::Rounding:
        m_lastPaymentNote->setText(
            tr("The last payment is %1, not %2: each payment is rounded to the cent, and over "
               "%3 payments the cents left over, with their interest, add up to what the last "
               "payment settles.")
                .arg(last, money.ofCents(note.regularCents), periods));
        break;
    case LastPaymentCause::ExtraPayments:
        m_lastPaymentNote->setText(
            tr("The extra payments pay the loan off early, in period %1 of %2: the last "
               "payment, %3, is what was left.")
                .arg(period, periods, last));
        break;
    case LastPaymentCause::LumpSum:
        m_lastPaymentNote->setText(
            tr("The lump sum pays the loan off early, in period %1 of %2: the last payment, %3, "
               "is what was left.")
                .arg(period, periods, last));
        break;
    case LastPaymentCause::ExtraPaymentsAndLumpSum:
        m_lastPaymentNote->setText(
            tr("The extra payments and the lump sum pay the loan off early, in period %1 of %2: "
               "the last payment, %3, is what was left.")
                .arg(period, periods, last));
        break;
    }
    m_lastPaymentNote->setVisible(note.cause != LastPaymentCause::None);
}

QString SchedulePage::noScheduleMessageOf(WhichLoan loan, const LoanSchedules& schedules) const {
    return noScheduleMessage(noScheduleWords(loan, schedules.inputs, schedules.lender.reason),
                             m_format);
}

namespace {

QString defaultFileName(WhichLoan loan, const char* extension) {
    return QCoreApplication::translate("paysmith::SchedulePage", "loan%1-schedule.%2")
        .arg(numberOf(loan))
        .arg(QLatin1String(extension));
}

} // namespace

void SchedulePage::exportSchedule() {
    const std::shared_ptr<const LoanSchedules> schedules = m_source.schedulesOf(m_loan);
    const QString caption = tr("Export Schedule");
    if (!schedules->lender.exists()) {
        QMessageBox::information(this, caption, noScheduleMessageOf(m_loan, *schedules));
        return;
    }
    saveCsv(this, caption, defaultFileName(m_loan, "csv"),
            [&](const QString& path) { return writeScheduleCsv(*schedules, path); });
}

std::string SchedulePage::csv() const {
    const std::shared_ptr<const LoanSchedules> schedules = m_source.schedulesOf(m_loan);
    return scheduleCsv(schedules->inputs, schedules->extras, schedules->lender);
}

FiguresDocument SchedulePage::document() {
    makeCurrent();
    const std::size_t loan = indexOf(m_loan);
    FiguresDocument document =
        scheduleDocument(m_loan, m_schedules[loan]->inputs, m_schedules[loan]->lender, *m_model,
                         *m_summary->model(), m_chart->chart(), m_format);
    // The notes as the page shows them.
    if (m_lastPaymentNote->isVisibleTo(this))
        document.detailsNote = m_lastPaymentNote->text();
    if (m_summaryNote->isVisibleTo(this))
        document.summaryNote = m_summaryNote->text();
    return document;
}

void SchedulePage::printPage() {
    printDocument(this, [this] { return document(); });
}

void SchedulePage::savePdf() {
    saveDocumentAsPdf(this, defaultFileName(m_loan, "pdf"), [this] { return document(); });
}

} // namespace paysmith

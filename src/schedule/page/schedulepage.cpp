#include "schedule/page/schedulepage.h"

#include "base/hint/hint.h"
#include "base/print/printing.h"
#include "base/qt/qtstrings.h"
#include "base/qt/wholefile.h"
#include "schedule/core/schedulecsv.h"
#include "schedule/page/balancechart.h"
#include "schedule/page/moneytext.h"
#include "schedule/page/scheduledocument.h"
#include "schedule/page/schedulemodel.h"
#include "schedule/page/scheduleprintout.h"

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
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace paysmith {

namespace {

constexpr int kRowHeight = 16;
// From this width on the table has the page's height to itself.
constexpr int kSideBySideWidth = 1000;

QTableWidgetItem* readOnlyItem(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(alignment);
    return item;
}

void compactRows(QTableView* table) {
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    table->horizontalHeader()->setHighlightSections(false);
}

} // namespace

SchedulePage::SchedulePage(const TIntlSupport& format, QWidget* parent)
    : QWidget(parent), m_format(format) {}

SchedulePage::~SchedulePage() = default;

bool writeScheduleCsv(const ScheduleInputs& inputs, const QString& path) {
    return writeWholeFile(path, scheduleCsv(inputs)).written;
}

void SchedulePage::showEvent(QShowEvent* event) {
    makeCurrent();
    QWidget::showEvent(event);
}

void SchedulePage::makeCurrent() {
    if (!isBuilt())
        build();
    if (m_stale)
        refresh();
}

void SchedulePage::setLoan(int loan, const LoanValues& values) {
    m_inputs[static_cast<std::size_t>(loan)] = scheduleInputsOf(values);
    m_stale = true;
    if (isBuilt() && isVisible())
        refresh();
}

void SchedulePage::chooseLoan(int loan) {
    const bool other = loan != m_loan;
    m_loan = loan;
    if (!isBuilt())
        return;
    m_loanButtons[static_cast<std::size_t>(loan)]->setChecked(true);
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
    for (int loan = 0; loan < 2; ++loan) {
        auto* button = new QRadioButton(loan == 0 ? tr("Loan &1") : tr("Loan &2"), this);
        button->setObjectName(loan == 0 ? "rbScheduleLoan1" : "rbScheduleLoan2");
        setHint(button, loan == 0 ? tr("Show the lender's schedule of Loan 1")
                                  : tr("Show the lender's schedule of Loan 2"));
        group->addButton(button, loan);
        bar->addWidget(button);
        m_loanButtons[static_cast<std::size_t>(loan)] = button;
    }
    m_loanButtons[static_cast<std::size_t>(m_loan)]->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, [this](int loan) { chooseLoan(loan); });
    bar->addStretch();
    const struct {
        const char* name;
        QString caption;
        QString hint;
        void (SchedulePage::*action)();
    } buttons[] = {{"btnScheduleExport", tr("&Export..."),
                    tr("Save the chosen loan's schedule as a CSV file for a spreadsheet"),
                    &SchedulePage::exportSchedule},
                   {"btnSchedulePrint", tr("&Print..."),
                    tr("Print the chosen loan's schedule and the comparison"),
                    &SchedulePage::printPage},
                   {"btnSchedulePdf", tr("P&DF..."),
                    tr("Save the chosen loan's schedule and the comparison as a PDF file"),
                    &SchedulePage::savePdf}};
    for (const auto& b : buttons) {
        auto* button = new QPushButton(b.caption, this);
        button->setObjectName(b.name);
        setHint(button, b.hint);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, b.action);
        bar->addWidget(button);
    }
    layout->addLayout(bar);

    m_reason = new QLabel(this);
    m_reason->setObjectName("lblNoSchedule");
    m_reason->setStyleSheet(QStringLiteral("color: #b00000"));
    m_reason->setWordWrap(true);
    m_reason->hide();
    layout->addWidget(m_reason);

    m_model = new ScheduleModel(m_format, this);
    m_table = new QTableView(this);
    m_table->setObjectName("tvSchedule");
    m_table->setAccessibleName(tr("Lender's schedule"));
    m_table->setFont(small);
    m_table->setModel(m_model);
    m_table->verticalHeader()->hide();
    compactRows(m_table);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
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
    m_summary = new QTableWidget(static_cast<int>(kSummaryLines), 3, this);
    m_summary->setObjectName("twScheduleSummary");
    m_summary->setAccessibleName(tr("Both loans compared"));
    m_summary->setFont(small);
    m_summary->setHorizontalHeaderLabels({tr("Loan 1"), tr("Loan 2"), tr("Loan 2 − Loan 1")});
    compactRows(m_summary);
    // Each column as wide as its largest figure, so none is ever cut short.
    m_summary->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_summary->horizontalHeader()->setStretchLastSection(true);
    m_summary->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_summary->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Reached by Tab, where a screen reader reads it cell by cell with the
    // arrow keys; Tab goes on at once.
    m_summary->setFocusPolicy(Qt::StrongFocus);
    m_summary->setTabKeyNavigation(false);
    setHint(m_summary, tr("Both loans under the formula and under the lender's whole cents, "
                          "with the cost per year"));
    m_summary->horizontalHeader()->setFixedHeight(kRowHeight + 2);
    m_summary->setFixedHeight(kRowHeight * static_cast<int>(kSummaryLines + 1) + 2 +
                              2 * m_summary->frameWidth());
    lower->addWidget(m_summary, 1);
    m_chart = new BalanceChart(m_format, this);
    m_chart->setObjectName("chtBalance");
    m_chart->setFont(small);
    m_chart->setMinimumWidth(220);
    setHint(m_chart, tr("Both loans' balances against the years"));
    lower->addWidget(m_chart);
    m_body->addLayout(lower);
    arrangeForWidth();
}

bool SchedulePage::eventFilter(QObject* watched, QEvent* event) {
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
    m_figures->setStretchFactor(m_summary, sideBySide ? 0 : 1);
    m_figures->setStretchFactor(m_chart, sideBySide ? 1 : 0);
}

void SchedulePage::refresh() {
    m_stale = false;
    for (int loan = 0; loan < 2; ++loan) {
        auto schedules = std::make_shared<const LoanSchedules>(
            loanSchedules(m_inputs[static_cast<std::size_t>(loan)]));
        m_chart->setSeries(loan, balanceSeries(schedules->lender));
        m_schedules[static_cast<std::size_t>(loan)] = std::move(schedules);
    }

    const MoneyText money(m_format, MoneyText::kTotalMask);
    const auto text = [&](const std::optional<double>& value) {
        return value ? money.ofUnits(*value) : QStringLiteral("—");
    };
    int row = 0;
    for (const SummaryLine& line : summaryLines(*m_schedules[0], *m_schedules[1])) {
        m_summary->setVerticalHeaderItem(
            row, readOnlyItem(translated("paysmith::SchedulePage", std::string_view(line.caption)),
                              Qt::AlignLeft | Qt::AlignVCenter));
        const std::optional<double> values[] = {line.loan1, line.loan2, line.difference};
        for (int column = 0; column < 3; ++column)
            m_summary->setItem(
                row, column, readOnlyItem(text(values[column]), Qt::AlignRight | Qt::AlignVCenter));
        ++row;
    }
    showChosenLoan();
}

void SchedulePage::showChosenLoan() {
    const auto& schedules = m_schedules[static_cast<std::size_t>(m_loan)];
    if (!schedules)
        return;
    // The model shares the schedule, so a later refresh cannot pull it away
    // from under the view.
    m_model->setSchedule(std::shared_ptr<const LenderSchedule>(schedules, &schedules->lender));
    const bool exists = schedules->lender.exists();
    m_reason->setText(
        exists ? QString()
               : translated("paysmith::Schedule", noScheduleText(schedules->lender.reason)));
    m_reason->setVisible(!exists);

    const LenderSchedule& lender = schedules->lender;
    const bool standsOut = lastPaymentStandsOut(lender);
    if (standsOut) {
        const MoneyText money(m_format);
        m_lastPaymentNote->setText(
            tr("The last payment is %1, not %2: each payment is rounded to the cent, and over "
               "%3 payments the cents left over, with their interest, add up to what the last "
               "payment settles.")
                .arg(money.ofCents(lender.rows.back().payment), money.ofCents(lender.payment),
                     QLocale().toString(static_cast<qlonglong>(lender.rows.size()))));
    }
    m_lastPaymentNote->setVisible(standsOut);
}

namespace {

QString defaultFileName(int loan, const char* extension) {
    return QCoreApplication::translate("paysmith::SchedulePage", "loan%1-schedule.%2")
        .arg(loan + 1)
        .arg(QLatin1String(extension));
}

// Paper as most printers of the user's country hold it.
QPageSize localPaper() {
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

void warnNotWritten(QWidget* parent, const QString& caption, const QString& path) {
    QMessageBox::warning(
        parent, caption,
        QCoreApplication::translate("paysmith::SchedulePage",
                                    "The schedule could not be written to %1. Nothing was saved.")
            .arg(QDir::toNativeSeparators(path)));
}

} // namespace

void SchedulePage::exportSchedule() {
    const ScheduleInputs& inputs = m_inputs[static_cast<std::size_t>(m_loan)];
    const LenderSchedule schedule = lenderSchedule(inputs);
    const QString caption = tr("Export Schedule");
    if (!schedule.exists()) {
        QMessageBox::information(this, caption,
                                 translated("paysmith::Schedule", noScheduleText(schedule.reason)));
        return;
    }
    const QString path = QFileDialog::getSaveFileName(this, caption, defaultFileName(m_loan, "csv"),
                                                      tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    if (!writeScheduleCsv(inputs, path))
        warnNotWritten(this, caption, path);
}

ScheduleDocument SchedulePage::document() {
    makeCurrent();
    const auto loan = static_cast<std::size_t>(m_loan);
    return scheduleDocument(m_loan, m_inputs[loan], m_schedules[loan]->lender, *m_model,
                            *m_summary->model(), m_chart->series(), MoneyText(m_format));
}

bool SchedulePage::printTo(QPagedPaintDevice& device) {
    return SchedulePrintout(document(), device, font().family()).print();
}

void SchedulePage::printPage() {
    const QString failure =
        printThroughDialog(this, [this](QPagedPaintDevice& printer) { printTo(printer); });
    if (!failure.isEmpty())
        QMessageBox::warning(this, tr("Print"), failure);
}

void SchedulePage::savePdf() {
    const QString caption = tr("Save as PDF");
    const QString path = QFileDialog::getSaveFileName(this, caption, defaultFileName(m_loan, "pdf"),
                                                      tr("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    // Written in memory first, so that a file that cannot be written is
    // left as it was and the user hears of it.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    bool printed = false;
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(localPaper());
        writer.setPageOrientation(QPageLayout::Portrait);
        writer.setCreator(QStringLiteral("Paysmith"));
        printed = printTo(writer);
    }
    const QByteArray& content = pdf.data();
    if (!printed ||
        !writeWholeFile(
             path, std::string_view(content.constData(), static_cast<std::size_t>(content.size())))
             .written)
        warnNotWritten(this, caption, path);
}

} // namespace paysmith

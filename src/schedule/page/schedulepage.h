#pragma once

#include "schedule/core/schedulessource.h"

#include <QWidget>

#include <array>
#include <memory>
#include <string>

class QBoxLayout;
class QLabel;
class QRadioButton;
class QTableView;
class QTableWidget;

namespace paysmith {

class YearsChartWidget;
class ScheduleModel;
struct FiguresDocument;
class TIntlSupport;

// The Schedule page: both loans' schedules as `source` keeps them, the extra
// payments included. It stays an empty widget until it is first shown, so the
// program starts as fast with it as without; from then on it follows every
// change it is told of while it shows, and catches up when shown again.
class SchedulePage : public QWidget {
    Q_OBJECT
  public:
    // `format` and `source` must outlive the page.
    SchedulePage(const TIntlSupport& format, const LoanSchedulesSource& source,
                 QWidget* parent = nullptr);
    ~SchedulePage() override;

    // The source's schedules have changed.
    void followSchedules();
    // The chosen loan's lender's schedule, through a dialog: as CSV, printed
    // or as PDF. The page need not have been shown.
    void exportSchedule();
    void printPage();
    void savePdf();
    // The chosen loan's CSV as the export writes it; empty for no schedule.
    std::string csv() const;

    bool isBuilt() const { return m_model != nullptr; }
    ScheduleModel* model() const { return m_model; }
    void chooseLoan(WhichLoan loan);
    // The chosen loan's inputs and schedule, the comparison of both loans and
    // their chart, as the page shows them, for paper.
    FiguresDocument document();

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void makeCurrent();
    void build();
    void arrangeForWidth();
    void refresh();
    void showChosenLoan();
    QString noScheduleMessageOf(WhichLoan loan, const LoanSchedules& schedules) const;

    const TIntlSupport& m_format;
    const LoanSchedulesSource& m_source;
    WhichLoan m_loan = WhichLoan::Loan1;
    bool m_stale = true;
    std::array<std::shared_ptr<const LoanSchedules>, 2> m_schedules;

    ScheduleModel* m_model = nullptr;
    std::array<QRadioButton*, 2> m_loanButtons{};
    QLabel* m_reason = nullptr;
    QLabel* m_extrasNote = nullptr;
    QLabel* m_lastPaymentNote = nullptr;
    QLabel* m_summaryNote = nullptr;
    QBoxLayout* m_body = nullptr;
    QBoxLayout* m_figures = nullptr;
    QTableView* m_table = nullptr;
    QTableWidget* m_summary = nullptr;
    YearsChartWidget* m_chart = nullptr;
};

// Writes the loan's lender's schedule as CSV to `path`, whole or not at all.
bool writeScheduleCsv(const LoanSchedules& schedules, const QString& path);

} // namespace paysmith

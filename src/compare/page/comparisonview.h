#pragma once

#include "compare/core/offers.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace paysmith {

class TIntlSupport;
class YearsChartWidget;

// Both offers compared as the page shows them: a table of their figures
// beside the chart of their costs against the years, and a sentence on which
// costs less, kept for the years and longer.
class ComparisonView : public QWidget {
    Q_OBJECT
  public:
    // `format` must outlive the view.
    ComparisonView(const TIntlSupport& format, QWidget* parent);

    void showComparison(const Offers& offers, AprMethod method);

    QTableWidget* table() const { return m_table; }
    YearsChartWidget* chart() const { return m_chart; }
    // Laid out by the page, beside its buttons.
    QLabel* sentence() const { return m_sentence; }
    // The figures a listener needs from what is shown: each loan's rate,
    // cost and balance at the years kept, then the sentence.
    const QString& spokenResults() const { return m_spoken; }

  private:
    // Why `loan` has no line in the chart; empty when it has one.
    QString missingPathText(const Offers& offers, WhichLoan loan) const;
    QString sentenceText(const Offers& offers) const;

    const TIntlSupport& m_format;
    QTableWidget* m_table = nullptr;
    YearsChartWidget* m_chart = nullptr;
    QLabel* m_sentence = nullptr;
    QString m_spoken;
};

} // namespace paysmith

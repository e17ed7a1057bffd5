#pragma once

#include "numfield/text/datatype.h"
#include "numfield/text/intlsupport.h"

#include <QWidget>

namespace paysmith {

class TNumericField;

// Amount, number of payments and rate of one monthly loan, and its payment
// as a yellow read-out, recomputed whenever a field is left.
class DemoWindow : public QWidget {
    Q_OBJECT

  public:
    DemoWindow();

  private:
    TNumericField* addRow(int row, const QString& caption, TNumericDataType type,
                          const QString& mask);
    void recalculate();

    const TIntlSupport m_format;
    TNumericField* m_amount;
    TNumericField* m_count;
    TNumericField* m_rate;
    TNumericField* m_payment;
};

} // namespace paysmith

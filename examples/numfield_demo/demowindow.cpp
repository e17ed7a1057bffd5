#include "demowindow.h"

#include "numfield/locale/localeintl.h"

#include "loan/core/matherror.h"
#include "loan/core/payment.h"
#include "numfield/widget/numericfield.h"

#include <QFont>
#include <QLabel>

namespace paysmith {

namespace {

constexpr int kMonthly = 6;
constexpr int kLabelRight = 191;
constexpr int kFieldLeft = 197;
constexpr int kRowHeight = 26;

} // namespace

DemoWindow::DemoWindow() : m_format(systemIntlSettings()) {
    setWindowTitle(QStringLiteral("Numeric fields"));
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(12);
    setFont(arial);
    setFixedSize(330, 130);

    m_amount = addRow(0, QStringLiteral("Amount Borrowed  $"), TNumericDataType::nftDouble,
                      QStringLiteral("###,###,###.##"));
    m_count = addRow(1, QStringLiteral("Number of Payments"), TNumericDataType::nftInteger,
                     QStringLiteral("iiiiii"));
    m_rate = addRow(2, QStringLiteral("Annual Interest Rate  %"), TNumericDataType::nftDouble,
                    QStringLiteral("###.####"));
    m_payment = addRow(3, QStringLiteral("Payment Amount  $"), TNumericDataType::nftDouble,
                       QStringLiteral("###,###,###.##"));
    m_payment->setColor(Qt::yellow);
    m_payment->setFocusPolicy(Qt::ClickFocus);

    m_amount->setFloatValue(150000);
    m_count->setIntegerValue(360);
    m_rate->setFloatValue(6.75);
    recalculate();
    m_amount->setFocus();
}

TNumericField* DemoWindow::addRow(int row, const QString& caption, TNumericDataType type,
                                  const QString& mask) {
    auto* field = new TNumericField(m_format, this);
    field->setDataType(type);
    field->setPictureMask(mask);
    field->setColor(Qt::white);
    field->setGeometry(kFieldLeft, 13 + row * kRowHeight, 110, field->height());
    connect(field, &TNumericField::OnExit, this, &DemoWindow::recalculate);

    auto* label = new QLabel(caption, this);
    label->setBuddy(field);
    label->adjustSize();
    label->move(kLabelRight - label->width(), field->y() + 3);
    return field;
}

void DemoWindow::recalculate() {
    try {
        m_payment->setFloatValue(CalcPayment(m_count->IntegerValue(), kMonthly,
                                             m_rate->FloatValue(), m_amount->FloatValue()));
    } catch (const EMathError&) {
        m_payment->setFloatValue(0);
    }
}

} // namespace paysmith

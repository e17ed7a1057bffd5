#pragma once

#include <QAccessibleWidget>

namespace paysmith {

class TNumericField;

// What screen readers get of a numeric field: an editable text whose value
// is the text as shown, and a numeric value with the field's range.
class NumericFieldAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit NumericFieldAccessible(TNumericField* field);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

  private:
    TNumericField* field() const;
};

// Makes Qt's accessibility use NumericFieldAccessible for every field; once
// is enough, more calls do nothing.
void installNumericFieldAccessibility();

} // namespace paysmith

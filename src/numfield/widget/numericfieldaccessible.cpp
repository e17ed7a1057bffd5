#include "numfield/widget/numericfieldaccessible.h"

#include "numfield/widget/numericfield.h"

#include <cmath>

namespace paysmith {

namespace {

QAccessibleInterface* createAccessible(const QString&, QObject* object) {
    if (auto* field = qobject_cast<TNumericField*>(object))
        return new NumericFieldAccessible(field);
    return nullptr;
}

} // namespace

NumericFieldAccessible::NumericFieldAccessible(TNumericField* field)
    : QAccessibleWidget(field, QAccessible::EditableText) {}

TNumericField* NumericFieldAccessible::field() const {
    return static_cast<TNumericField*>(widget());
}

QString NumericFieldAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value)
        return field()->text();
    return QAccessibleWidget::text(t);
}

QAccessible::State NumericFieldAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = !field()->Options().contains(TEntryFieldOption::efoReadOnly);
    s.readOnly = !s.editable;
    return s;
}

void* NumericFieldAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant NumericFieldAccessible::currentValue() const {
    return field()->model().shownValue();
}

void NumericFieldAccessible::setCurrentValue(const QVariant& value) {
    if (isIntegerType(field()->DataType()))
        field()->setIntegerValue(value.toInt());
    else
        field()->setFloatValue(value.toDouble());
}

QVariant NumericFieldAccessible::maximumValue() const {
    return static_cast<double>(field()->model().range().second);
}

QVariant NumericFieldAccessible::minimumValue() const {
    return static_cast<double>(field()->model().range().first);
}

QVariant NumericFieldAccessible::minimumStepSize() const {
    return std::pow(10.0, -field()->model().decimalPlaces());
}

void installNumericFieldAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(createAccessible);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace paysmith

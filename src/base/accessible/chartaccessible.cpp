#include "base/accessible/chartaccessible.h"

#include "base/qt/qtstrings.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QVariant>
#include <QWidget>

namespace paysmith {

namespace {

constexpr char kChartProperty[] = "paysmithChart";
constexpr char kContext[] = "paysmith::ChartDescription";

class ChartAccessible : public QAccessibleWidget {
  public:
    explicit ChartAccessible(QWidget* chart) : QAccessibleWidget(chart, QAccessible::Chart) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
};

QAccessibleInterface* createAccessible(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->property(kChartProperty).toBool())
        return new ChartAccessible(widget);
    return nullptr;
}

std::u16string translatedPart(const std::u16string& english) {
    return toU16String(translated(kContext, english));
}

} // namespace

ChartWording translatedChartWording() {
    // The English texts of ChartWording, so that lupdate finds them.
    static_cast<void>(QT_TRANSLATE_NOOP("paysmith::ChartDescription", "%1 from %2 to %3 in %4"));
    static_cast<void>(QT_TRANSLATE_NOOP("paysmith::ChartDescription", "%1 years"));
    static_cast<void>(QT_TRANSLATE_NOOP("paysmith::ChartDescription", "%1 year"));
    static_cast<void>(QT_TRANSLATE_NOOP("paysmith::ChartDescription", "%1: nothing to draw"));
    static_cast<void>(QT_TRANSLATE_NOOP("paysmith::ChartDescription", "; "));
    static_cast<void>(QT_TRANSLATE_NOOP("paysmith::ChartDescription", "%1 at %2"));
    ChartWording wording;
    for (std::u16string* part : {&wording.line, &wording.years, &wording.oneYear, &wording.empty,
                                 &wording.separator, &wording.mark})
        *part = translatedPart(*part);
    return wording;
}

void describeChartWidget(QWidget* chart, const QString& name, const std::vector<ChartLine>& lines,
                         char16_t decimalMark, char16_t groupMark, const ChartWording& wording,
                         const std::vector<ChartMarkAt>& marks) {
    [[maybe_unused]] static const bool installed =
        (QAccessible::installFactory(createAccessible), true);
    if (!chart->property(kChartProperty).toBool()) {
        chart->setProperty(kChartProperty, true);
        // An interface made before the chart was marked would keep the
        // plain widget's role.
        QAccessible::deleteAccessibleInterface(
            QAccessible::uniqueId(QAccessible::queryAccessibleInterface(chart)));
        if (chart->focusPolicy() == Qt::NoFocus)
            chart->setFocusPolicy(Qt::TabFocus);
    }
    // Each setter tells readers of its change; they hear of changes only.
    if (chart->accessibleName() != name)
        chart->setAccessibleName(name);
    const QString description =
        toQString(describeChart(lines, wording, decimalMark, groupMark, marks));
    if (chart->accessibleDescription() != description)
        chart->setAccessibleDescription(description);
}

} // namespace paysmith

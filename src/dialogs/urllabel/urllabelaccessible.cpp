#include "dialogs/urllabel/urllabelaccessible.h"

#include "dialogs/urllabel/urllabel.h"

#include <QAccessibleWidget>

namespace paysmith {

namespace {

// A link label as a reader should have it: a link named by its words, whose
// press opens it as a click does.
class UrlLabelAccessible : public QAccessibleWidget {
  public:
    explicit UrlLabelAccessible(TUrlLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return label()->text();
        if (t == QAccessible::Value)
            return label()->URL();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction())
            label()->Click();
    }

  private:
    TUrlLabel* label() const { return static_cast<TUrlLabel*>(widget()); }
};

QAccessibleInterface* createAccessible(const QString&, QObject* object) {
    if (auto* label = qobject_cast<TUrlLabel*>(object))
        return new UrlLabelAccessible(label);
    return nullptr;
}

} // namespace

void installUrlLabelAccessibility() {
    [[maybe_unused]] static const bool installed =
        (QAccessible::installFactory(createAccessible), true);
}

} // namespace paysmith

#include "base/accessible/quietbuild.h"

#include <QWidget>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace paysmith {

namespace {

// The page being built, and who heard of changes before it.
QWidget* quietPage = nullptr;
QAccessible::UpdateHandler passedOn = nullptr;

bool tellsOfAChange(QAccessible::Event type) {
    switch (type) {
    case QAccessible::NameChanged:
    case QAccessible::DescriptionChanged:
    case QAccessible::ValueChanged:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
    case QAccessible::TextAttributeChanged:
    case QAccessible::Selection:
    case QAccessible::SelectionAdd:
    case QAccessible::SelectionRemove:
    case QAccessible::SelectionWithin:
        return true;
    default:
        return false;
    }
}

bool insidePage(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget && (widget == quietPage || quietPage->isAncestorOf(widget));
}

void passOn(QAccessibleEvent* event) {
    if (quietPage && tellsOfAChange(event->type()) && insidePage(event->object()))
        return;
    if (passedOn) {
        passedOn(event);
        return;
    }
    // Where Qt itself sends what no handler takes.
    if (QPlatformAccessibility* bridge =
            QGuiApplicationPrivate::platformIntegration()->accessibility())
        bridge->notifyAccessibilityUpdate(event);
}

} // namespace

QuietBuild::QuietBuild(QWidget* page) : m_page(quietPage ? nullptr : page) {
    // A page built inside another's build is held back with it.
    if (!m_page)
        return;
    quietPage = m_page;
    passedOn = QAccessible::installUpdateHandler(passOn);
}

QuietBuild::~QuietBuild() {
    if (!m_page)
        return;
    QAccessible::installUpdateHandler(passedOn);
    quietPage = nullptr;
    passedOn = nullptr;
}

} // namespace paysmith

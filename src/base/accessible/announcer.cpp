#include "base/accessible/announcer.h"

#include <QAccessibleObject>
#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace paysmith {

namespace {

// The one notification the program shows to screen readers. It has no
// picture: it exists only on the accessibility bus.
class Announcement : public QObject {
  public:
    Announcement();

    void add(QWidget* source, const QString& text);
    const QString& text() const { return m_text; }
    bool shown() const { return m_shown; }
    QWidget* window() const { return m_window; }

  private:
    void deliver();

    QPointer<QWidget> m_window;
    QStringList m_pending;
    QString m_text;
    bool m_shown = false;
    QTimer m_idle;
};

class NotificationAccessible : public QAccessibleObject {
  public:
    explicit NotificationAccessible(Announcement* announcement) : QAccessibleObject(announcement) {}

    QWindow* window() const override {
        QWidget* owner = announcement()->window();
        return owner ? owner->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        QWidget* owner = announcement()->window();
        return QAccessible::queryAccessibleInterface(owner ? static_cast<QObject*>(owner) : qApp);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? announcement()->text() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !announcement()->shown();
        s.offscreen = s.invisible;
        s.readOnly = true;
        return s;
    }

  private:
    Announcement* announcement() const { return static_cast<Announcement*>(object()); }
};

Announcement::Announcement() : QObject(qApp) {
    setObjectName(QStringLiteral("announcement"));
    QAccessible::registerAccessibleInterface(new NotificationAccessible(this));
    m_idle.setSingleShot(true);
    m_idle.setInterval(0);
    connect(&m_idle, &QTimer::timeout, this, &Announcement::deliver);
}

void Announcement::add(QWidget* source, const QString& text) {
    if (text.trimmed().isEmpty())
        return;
    if (source)
        m_window = source->window();
    m_pending << text.trimmed();
    m_idle.start();
}

void Announcement::deliver() {
    if (m_pending.isEmpty())
        return;
    QAccessibleInterface* self = QAccessible::queryAccessibleInterface(this);
    if (m_shown) {
        m_shown = false;
        QAccessibleEvent hide(self, QAccessible::ObjectHide);
        QAccessible::updateAccessibility(&hide);
    }
    m_text = m_pending.join(u' ');
    m_pending.clear();
    QAccessibleEvent renamed(self, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    m_shown = true;
    QAccessibleEvent show(self, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&show);
}

Announcement& announcement() {
    // Made on first use and gone with the application.
    static QPointer<Announcement> one;
    if (!one)
        one = new Announcement;
    return *one;
}

} // namespace

void announce(QWidget* source, const QString& text) {
    announcement().add(source, text);
}

QString lastAnnouncement() {
    return announcement().text();
}

} // namespace paysmith

#pragma once

#include <algorithm>
#include <initializer_list>

#include <QAccessible>
#include <QList>
#include <QMetaEnum>
#include <QString>
#include <QStringList>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace paysmith {

// Records what screen readers are told while it lives, and replays it the way
// a reader keeps its own copy of a text: from the text events alone.
class AccessibleEventLog {
  public:
    AccessibleEventLog() {
        s_log = this;
        m_previous = QAccessible::installUpdateHandler(&record);
        // Qt tells screen readers nothing until one has asked; the offscreen
        // platform never sees one ask.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    ~AccessibleEventLog() {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        QAccessible::installUpdateHandler(m_previous);
        s_log = nullptr;
    }
    AccessibleEventLog(const AccessibleEventLog&) = delete;
    AccessibleEventLog& operator=(const AccessibleEventLog&) = delete;

    // `initial` with every text change sent for `object` applied in turn.
    QString followedText(const QObject* object, QString initial) const {
        for (const Entry& e : m_entries) {
            if (e.object != object)
                continue;
            if (!e.removed.isEmpty() && initial.mid(e.position, e.removed.size()) != e.removed)
                return QStringLiteral("<removed '%1' not at %2 of '%3'>")
                    .arg(e.removed)
                    .arg(e.position)
                    .arg(initial);
            initial.replace(e.position, e.removed.size(), e.inserted);
        }
        return initial;
    }
    // The caret offset last sent for `object`, -1 if none was.
    int lastCaret(const QObject* object) const {
        int caret = -1;
        for (const Entry& e : m_entries)
            if (e.object == object && e.caret >= 0)
                caret = e.caret;
        return caret;
    }
    int textChanges(const QObject* object) const {
        int count = 0;
        for (const Entry& e : m_entries)
            count += e.object == object && (!e.removed.isEmpty() || !e.inserted.isEmpty());
        return count;
    }
    // Every event about objects of `role`, as its type and the object's name.
    QStringList events(QAccessible::Role role) const {
        QStringList found;
        for (const Entry& e : m_entries)
            if (e.role == role)
                found << e.event;
        return found;
    }
    // How many events of `types` readers were told of.
    qsizetype count(std::initializer_list<QAccessible::Event> types) const {
        return std::count_if(m_entries.begin(), m_entries.end(), [types](const Entry& e) {
            return std::find(types.begin(), types.end(), e.type) != types.end();
        });
    }
    void clear() { m_entries.clear(); }

  private:
    struct Entry {
        const QObject* object = nullptr;
        int position = 0;
        QString removed;
        QString inserted;
        int caret = -1;
        QAccessible::Role role = QAccessible::NoRole;
        QAccessible::Event type = QAccessible::InvalidEvent;
        QString event;
    };

    static void record(QAccessibleEvent* event) {
        Entry e;
        e.object = event->object();
        e.type = event->type();
        switch (event->type()) {
        case QAccessible::TextInserted: {
            const auto* insert = static_cast<QAccessibleTextInsertEvent*>(event);
            e.position = insert->changePosition();
            e.inserted = insert->textInserted();
            break;
        }
        case QAccessible::TextRemoved: {
            const auto* remove = static_cast<QAccessibleTextRemoveEvent*>(event);
            e.position = remove->changePosition();
            e.removed = remove->textRemoved();
            break;
        }
        case QAccessible::TextUpdated: {
            const auto* update = static_cast<QAccessibleTextUpdateEvent*>(event);
            e.position = update->changePosition();
            e.removed = update->textRemoved();
            e.inserted = update->textInserted();
            break;
        }
        case QAccessible::TextCaretMoved:
            e.caret = static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition();
            break;
        default:
            if (QAccessibleInterface* object = event->accessibleInterface()) {
                e.role = object->role();
                e.event = QStringLiteral("%1 %2").arg(
                    QMetaEnum::fromType<QAccessible::Event>().valueToKey(event->type()),
                    object->text(QAccessible::Name));
                break;
            }
            return;
        }
        s_log->m_entries << e;
    }

    static inline AccessibleEventLog* s_log = nullptr;
    QAccessible::UpdateHandler m_previous;
    QList<Entry> m_entries;
};

} // namespace paysmith

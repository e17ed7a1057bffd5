#include "base/accessible/announcer.h"
#include "base/accessible/chartaccessible.h"
#include "base/qt/qtstrings.h"

#include "numfield/widget/accessibleeventlog.h"

#include <QWidget>
#include <QtTest>

namespace paysmith {

class AccessibleTest : public QObject {
    Q_OBJECT
  private slots:
    // Announcements of one turn of the event loop go out together once it is
    // idle, each shown anew as a notification of the window announced from.
    void announcementsAreShownAsNotificationsWhenIdle() {
        QWidget window;
        AccessibleEventLog log;
        announce(&window, QStringLiteral(" Loan 1: payment 972.90, 30.00 years "));
        announce(&window, QStringLiteral(" "));
        announce(&window, QStringLiteral("Loan 2: payment 1,053.13, 20.00 years"));
        QVERIFY(log.events(QAccessible::Notification).isEmpty());
        const QString both = QStringLiteral(
            "Loan 1: payment 972.90, 30.00 years Loan 2: payment 1,053.13, 20.00 years");
        QTRY_COMPARE(log.events(QAccessible::Notification),
                     (QStringList{"NameChanged " + both, "ObjectShow " + both}));
        QCOMPARE(lastAnnouncement(), both);
        QAccessibleInterface* notification =
            QAccessible::queryAccessibleInterface(qApp->findChild<QObject*>("announcement"));
        QCOMPARE(notification->parent(), QAccessible::queryAccessibleInterface(&window));

        log.clear();
        announce(&window, both);
        QTRY_COMPARE(
            log.events(QAccessible::Notification),
            (QStringList{"ObjectHide " + both, "NameChanged " + both, "ObjectShow " + both}));
    }

    // A chart is named and described once per change, and reached by Tab.
    void chartIsNamedAndDescribed() {
        QWidget chart;
        const std::vector<ChartLine> lines{{u"Loan 1", {{0, 150000}, {30, 0}}}};
        describeChartWidget(&chart, QStringLiteral("Balance"), lines, u'.', u',');
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&chart);
        QCOMPARE(accessible->role(), QAccessible::Chart);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Balance"));
        QCOMPARE(accessible->text(QAccessible::Description),
                 toQString(describeChart(lines, translatedChartWording(), u'.', u',')));
        QCOMPARE(chart.focusPolicy(), Qt::TabFocus);

        AccessibleEventLog log;
        describeChartWidget(&chart, QStringLiteral("Balance"), lines, u'.', u',');
        describeChartWidget(&chart, QStringLiteral("Balance"), {{u"Loan 1", {}}}, u'.', u',');
        QCOMPARE(log.events(QAccessible::Chart).size(), 1);
        QVERIFY(log.events(QAccessible::Chart).first().startsWith("DescriptionChanged "));
    }
};

} // namespace paysmith

QTEST_MAIN(paysmith::AccessibleTest)
#include "accessible_test.moc"

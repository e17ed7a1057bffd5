#include "dialogs/shell/desktopshell.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

namespace paysmith {

// The system shell through a stand-in xdg-open on PATH that writes down its
// argument and its parents and exits with the status it is given.
class DesktopShellTest : public QObject {
    Q_OBJECT
  private slots:
    void theOpenersExitStatusIsTheAnswer_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("web address taken")
            << 0 << "https://www.hfsoft.example/?ref=PSM4600" << true;
        QTest::newRow("mail address refused") << 3 << "mailto:support@hfsoft.example" << false;
        QTest::newRow("file path as it is") << 0 << "/usr/share/paysmith/License.txt" << true;
    }

    void theOpenersExitStatusIsTheAnswer() {
        QFETCH(int, status);
        QFETCH(QString, target);
        QTemporaryDir bin;
        const QString record = bin.filePath("opened");
        QFile opener(bin.filePath("xdg-open"));
        QVERIFY(opener.open(QIODevice::WriteOnly));
        opener.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\n"
                                    "echo $PPID $(cut -d' ' -f4 /proc/$PPID/stat) > '%1.parents'\n"
                                    "exit %2\n")
                         .arg(record)
                         .arg(status)
                         .toUtf8());
        opener.close();
        opener.setPermissions(opener.permissions() | QFile::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8() + ':' + path);

        std::optional<ShellAnswer> answer;
        openTarget(target, nullptr, [&answer](ShellAnswer a) { answer = a; });
        QVERIFY(!answer); // the request returns before the desktop answers
        QTRY_VERIFY(answer.has_value());
        qputenv("PATH", path);
        QTEST(*answer == ShellAnswer::Accepted, "accepted");
        QFile written(record);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(written.readAll()), target);
        // An opener that is the program's child dies with it, cutting off a
        // link followed just before closing.
        QFile parents(record + ".parents");
        QVERIFY(parents.open(QIODevice::ReadOnly));
        const QString self = QString::number(QCoreApplication::applicationPid());
        QVERIFY(!QString::fromUtf8(parents.readAll()).simplified().split(' ').contains(self));
    }
};

} // namespace paysmith

QTEST_MAIN(paysmith::DesktopShellTest)
#include "desktopshell_test.moc"

#include "app/settingsfile/settingsfile.h"

#include "settingstestsupport.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

namespace paysmith {

class SettingsDurabilityTest : public QObject {
    Q_OBJECT

  private slots:
    // A process killed at any moment of a save leaves the old file or the new
    // one, never a mix, a truncated file or none.
    void killedSavesLeaveTheOldOrTheNewFile() {
        ScratchConfig config;
        // Foreign lines make each save long enough for kills to land inside it.
        const QByteArray foreign = foreignNotes(2000);
        config.writeSettingsFile(foreign);

        QCOMPARE(runSaveHelper({"once", "1"}).exitCode, 0);
        const QByteArray first = config.settingsFileContent();
        QCOMPARE(runSaveHelper({"once", "2"}).exitCode, 0);
        const QByteArray second = config.settingsFileContent();
        QVERIFY(first.startsWith(foreign) && second.startsWith(foreign) && first != second);

        QRandomGenerator random(20240611);
        constexpr int kKills = 300;
        for (int kill = 0; kill < kKills; ++kill) {
            QProcess saver;
            saver.start(saveHelperPath(), {"loop"});
            QVERIFY(saver.waitForReadyRead(10'000));
            QThread::usleep(random.bounded(4000));
            saver.kill();
            QVERIFY(saver.waitForFinished(10'000));
            const QByteArray content = config.settingsFileContent();
            QVERIFY2(content == first || content == second,
                     qPrintable(QString("kill %1 left %2 bytes").arg(kill).arg(content.size())));
        }
    }
};

} // namespace paysmith

QTEST_GUILESS_MAIN(paysmith::SettingsDurabilityTest)
#include "settingsdurability_test.moc"

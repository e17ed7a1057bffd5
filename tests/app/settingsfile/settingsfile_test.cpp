#include "app/settingsfile/settingsfile.h"

#include "app/settings/settingswriteerror.h"
#include "loan/core/matherror.h"
#include "settingstestsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QScopeGuard>
#include <QTest>

#include <functional>
#include <type_traits>
#include <unistd.h>

namespace paysmith {
// Makes a test row's folders unusable for a save.
using Blocker = std::function<void(const ScratchConfig&)>;
} // namespace paysmith

Q_DECLARE_METATYPE(paysmith::SavedValues)
Q_DECLARE_METATYPE(paysmith::Blocker)

namespace paysmith {

namespace {

// The error handler tells calculation faults from all other errors by EMathError.
static_assert(!std::is_base_of_v<EMathError, SettingsWriteError>);

constexpr uid_t kNobody = 65534;

SavedValues changedValues() {
    return SavedValues{
        .loan1 = {250000.5, 7.125, 180, 2265.46, u"Biweekly 26", 1200.75, 800},
        .loan2 = {99999.99, 0.5, 12, 8337.5, u"monthly 12", 0, 55.5},
        .firstRunDone = true,
        .window = {},
        .comparison = {},
    };
}

// Foreign lines large enough that no save fits under the limits used below.
QByteArray largeOldFile() {
    return "[LastValues]\nLoan1=123\n" + foreignNotes(1000);
}

bool runningAsRoot() {
    return geteuid() == 0;
}

// Root writes through read-only modes, so saves that must be refused run as
// nobody when the tests run as root. Nobody may not reach the build tree (a
// checkout under a 0700 home), so it runs a copy of the helper in the scratch
// folder; the launcher ends with the helper to run.
QStringList asUnprivilegedUser(const ScratchConfig& config) {
    if (!runningAsRoot())
        return {saveHelperPath()};
    QFile::setPermissions(config.root(), QFile::permissions(config.root()) | QFileDevice::ExeOther |
                                             QFileDevice::ReadOther);
    const QString helper = config.root() + "/settings_save_helper";
    QFile::copy(saveHelperPath(), helper);
    const QString root = config.root();
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    QStringList paths{root};
    while (it.hasNext())
        paths << it.next();
    for (const QString& path : paths)
        if (chown(QFile::encodeName(path).constData(), kNobody, kNobody) != 0)
            qWarning("chown %s failed", qPrintable(path));
    const QStringList launcher{"setpriv", QString("--reuid=%1").arg(kNobody),
                               QString("--regid=%1").arg(kNobody), "--clear-groups"};
    if (QProcess::execute(launcher[0], launcher.mid(1) + QStringList{"test", "-x", helper}) != 0)
        return {};
    return launcher + QStringList{helper};
}

void takeAwayWriting(const QString& path) {
    QFile::setPermissions(path, QFile::permissions(path) &
                                    ~(QFileDevice::WriteOwner | QFileDevice::WriteGroup |
                                      QFileDevice::WriteOther | QFileDevice::WriteUser));
}

} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT

  private slots:
    void pathIsTakenFromTheConfigFolderEachTime() {
        ScratchConfig first;
        QCOMPARE(settingsFilePath(), first.settingsFile());
        ScratchConfig second;
        QCOMPARE(settingsFilePath(), second.settingsFile());
    }

    void firstSaveMakesTheFoldersAndReadsBack_data() {
        QTest::addColumn<SavedValues>("values");
        QTest::addColumn<char16_t>("separator");
        QTest::newRow("defaults with a point") << RestoreDefaults() << u'.';
        QTest::newRow("every key changed, with a comma") << changedValues() << u',';
    }

    void firstSaveMakesTheFoldersAndReadsBack() {
        QFETCH(SavedValues, values);
        QFETCH(char16_t, separator);
        ScratchConfig config;
        QCOMPARE(loadSavedValues(separator), RestoreDefaults());
        QVERIFY(!QDir(config.configFolder() + "/Harrowfield Financial Software").exists());
        saveValues(values, separator);
        QVERIFY(QFile::exists(config.settingsFile()));
        QCOMPARE(loadSavedValues(separator), values);
    }

    void saveKeepsTheLinesOfOthers() {
        ScratchConfig config;
        config.writeSettingsFile(
            "; kept\r\n[Window]\r\nLeft=10\r\n[LastValues]\r\nColour=blue\r\n");
        saveValues(changedValues(), u'.');
        const QByteArray content = config.settingsFileContent();
        QVERIFY2(
            content.startsWith("; kept\r\n[Window]\r\nLeft=10\r\n[LastValues]\r\nColour=blue\r\n"),
            content.constData());
        QCOMPARE(loadSavedValues(u'.'), changedValues());
    }

    // A save killed midway may leave QSaveFile's temporary file behind.
    void staleTemporaryFilesAreIgnored() {
        ScratchConfig config;
        config.writeSettingsFile("[LastValues]\nLoan1=5\n");
        const QString stale = config.settingsFolder() + "/paysmith.ini.a1B2c3";
        QFile staleFile(stale);
        QVERIFY(staleFile.open(QIODevice::WriteOnly));
        staleFile.write("[LastValues]\nLoan1=7\n");
        staleFile.close();

        QCOMPARE(loadSavedValues(u'.').loan1.amount, 5.0);
        saveValues(changedValues(), u'.');
        QCOMPARE(loadSavedValues(u'.'), changedValues());
    }

    void refusedSaveLeavesEverythingAsItWas_data() {
        QTest::addColumn<Blocker>("block");
        QTest::addColumn<QStringList>("limit");
        QTest::newRow("folder where the file belongs") << Blocker([](const ScratchConfig& c) {
            QFile::remove(c.settingsFile());
            QDir().mkpath(c.settingsFile());
        }) << QStringList();
        QTest::newRow("file where the config folder belongs")
            << Blocker([](const ScratchConfig& c) {
                   QDir(c.configFolder()).removeRecursively();
                   QFile file(c.configFolder());
                   QVERIFY(file.open(QIODevice::WriteOnly));
               })
            << QStringList();
        QTest::newRow("read-only file")
            << Blocker([](const ScratchConfig& c) { takeAwayWriting(c.settingsFile()); })
            << QStringList();
        QTest::newRow("read-only folder")
            << Blocker([](const ScratchConfig& c) { takeAwayWriting(c.settingsFolder()); })
            << QStringList();
        QTest::newRow("folders cannot be made") << Blocker([](const ScratchConfig& c) {
            QDir(c.configFolder() + "/Harrowfield Financial Software").removeRecursively();
            takeAwayWriting(c.configFolder());
        }) << QStringList();
        QTest::newRow("file-size limit cuts the write short")
            << Blocker([](const ScratchConfig&) {}) << QStringList{"prlimit", "--fsize=8192"};
    }

    void refusedSaveLeavesEverythingAsItWas() {
        QFETCH(Blocker, block);
        QFETCH(QStringList, limit);
        ScratchConfig config;
        config.writeSettingsFile(largeOldFile());
        const QStringList helper = asUnprivilegedUser(config);
        if (helper.isEmpty())
            QSKIP("the unprivileged user cannot reach the scratch folder (TMPDIR under a 0700 "
                  "folder)");
        block(config);
        const auto before = config.snapshot();

        const HelperRun run = runSaveHelper({"once", "3"}, limit + helper);
        QVERIFY(run.errorOutput.startsWith("Unable to write to " + config.settingsFile() + ": "));
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(config.snapshot(), before);
    }

    // Every write succeeded and only the rename failed: its result must count.
    void failedRenameIsReportedAndKeepsTheOldFile() {
        ScratchConfig config;
        config.writeSettingsFile(largeOldFile());
        const auto before = config.snapshot();
        QVERIFY_THROWS_EXCEPTION(SettingsWriteError,
                                 writeSettingsFile(config.settingsFile(), "[LastValues]\n",
                                                   [](QSaveFile&) { return false; }));
        QCOMPARE(config.snapshot(), before);
    }

    void nearlyFullDisk() {
        if (!runningAsRoot())
            QSKIP("mounting a small tmpfs needs root");
        ScratchConfig config;
        QProcess mount;
        mount.start("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", config.configFolder()});
        if (!mount.waitForFinished() || mount.exitCode() != 0)
            QSKIP("this machine refuses to mount a tmpfs");
        const auto unmount =
            qScopeGuard([&] { QProcess::execute("umount", {config.configFolder()}); });

        // The old file takes 48 of the 64 KiB, so its replacement cannot fit.
        config.writeSettingsFile(largeOldFile());
        QCOMPARE(config.settingsFileContent(), largeOldFile());
        const auto before = config.snapshot();

        const HelperRun run = runSaveHelper({"once", "3"});
        QCOMPARE(run.errorOutput,
                 "Unable to write to " + config.settingsFile() + ": No space left on device\n");
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(config.snapshot(), before);
    }
};

} // namespace paysmith

QTEST_GUILESS_MAIN(paysmith::SettingsFileTest)
#include "settingsfile_test.moc"

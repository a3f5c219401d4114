// What a Linux desktop does to a running program: a second copy in the same folder, the session's end
// by a signal and folders that limit a save.
#include "platform/folderlock.h"
#include "tests/harness.h"

#include <QFileInfo>
#include <QSysInfo>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

enum class Holder { RunningCopy, DeadCopy, FolderAllowsNoFiles };

const QString LockName = QStringLiteral(".tapmeter.lock");

// Above the kernel's highest process id, so no process has it.
const QByteArray DeadProcess = "2147483647";

// Runs work in a child process as an ordinary user when the tests run as root, whom folder
// permissions do not stop; true when work returned true.
bool asOrdinaryUser(const std::function<bool()>& work) {
    if (geteuid() != 0)
        return work();
    const pid_t child = fork();
    if (child == 0)
        _exit(setgid(65534) == 0 && setuid(65534) == 0 && work() ? 0 : 1);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

class TestDesktopSession : public QObject {
    Q_OBJECT

private slots:
    void oneCopyPerFolder_data();
    void oneCopyPerFolder();
    void signalSavesAndEnds_data();
    void signalSavesAndEnds();
    void savesInAFolderThatLimitsIt_data();
    void savesInAFolderThatLimitsIt();
};

void TestDesktopSession::oneCopyPerFolder_data() {
    QTest::addColumn<Holder>("holder");
    QTest::addColumn<bool>("refused");
    QTest::newRow("a running copy") << Holder::RunningCopy << true;
    QTest::newRow("lock of a copy that died") << Holder::DeadCopy << false;
    QTest::newRow("folder allows no new files") << Holder::FolderAllowsNoFiles << false;
}

void TestDesktopSession::oneCopyPerFolder() {
    QFETCH(Holder, holder);
    QFETCH(bool, refused);
    QTemporaryDir dir;
    const QString lockPath = dir.filePath(LockName);
    std::optional<FolderLock> first;
    if (holder == Holder::RunningCopy)
        first.emplace(dir.path());
    if (holder == Holder::DeadCopy)
        QVERIFY(writeFile(lockPath, DeadProcess + "\ntapmeter\n" + QSysInfo::machineHostName().toUtf8() + "\n"));

    const FolderLock second(holder == Holder::FolderAllowsNoFiles ? QStringLiteral("/proc") : dir.path());
    QCOMPARE(second.heldElsewhere(), refused);
    if (holder == Holder::DeadCopy)
        QVERIFY(readFile(lockPath).startsWith(QByteArray::number(QCoreApplication::applicationPid()) + "\n"));
}

// The program itself, in a folder of its own, ended by a signal once it has taken its lock.
void TestDesktopSession::signalSavesAndEnds_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("saveFails");
    QTest::newRow("SIGTERM") << SIGTERM << false;
    QTest::newRow("SIGHUP") << SIGHUP << false;
    QTest::newRow("SIGINT") << SIGINT << false;
    QTest::newRow("SIGTERM, results.dat cannot be written") << SIGTERM << true;
}

void TestDesktopSession::signalSavesAndEnds() {
    QFETCH(int, signal);
    QFETCH(bool, saveFails);
    QTemporaryDir dir;
    const QString results = dir.filePath(QStringLiteral("results.dat"));
    if (saveFails)
        QVERIFY(QDir().mkdir(results));
    QProcess program;
    program.setEnvironment(QProcess::systemEnvironment() << "XDG_CONFIG_HOME=" + dir.filePath("config"));
    program.setWorkingDirectory(dir.path());
    program.start(QStringLiteral(TAPMETER_PROGRAM), {});
    QVERIFY(program.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(dir.filePath(LockName)), 60000);

    QCOMPARE(kill(pid_t(program.processId()), signal), 0);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(readFile(dir.filePath(QStringLiteral("config/Tapmeter/Tapmeter.ini"))).contains("Sounds=0"));
    QCOMPARE(QFileInfo(results).isFile(), !saveFails);
    QVERIFY(!QFileInfo::exists(dir.filePath(LockName)));
}

// A writable results.dat, another user's, in a folder that limits the save: one that allows no new
// files is written in place; a shared sticky folder (as /tmp) refuses the replacement, which must be
// told and leave the old file as it was.
void TestDesktopSession::savesInAFolderThatLimitsIt_data() {
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<bool>("saved");
    QTest::newRow("allows no new files") << 0555 << true;
    QTest::newRow("sticky, the file is another's") << 01777 << false;
}

void TestDesktopSession::savesInAFolderThatLimitsIt() {
    QFETCH(int, folderMode);
    QFETCH(bool, saved);
    if (!saved && geteuid() != 0)
        QSKIP("needs the file of another user: run as root");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("results.dat"));
    const QByteArray before = ":::house\r\n4.3\r\nD\r\nN\r\n", after = ":::garden\r\n-\r\nna\r\nna\r\n";
    QVERIFY(writeFile(path, before));
    QVERIFY(chmod(QFile::encodeName(path).constData(), 0666) == 0);
    QVERIFY(chmod(QFile::encodeName(dir.path()).constData(), mode_t(folderMode)) == 0);

    const bool reported = asOrdinaryUser([&path] {
        return QtTextFiles().writeLines(path, {":::garden", "-", "na", "na"}, nullptr);
    });
    chmod(QFile::encodeName(dir.path()).constData(), 0755);
    QCOMPARE(reported, saved);
    QCOMPARE(readFile(path), saved ? after : before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"results.dat"});
}

QTEST_MAIN(TestDesktopSession)
#include "test_desktopsession.moc"

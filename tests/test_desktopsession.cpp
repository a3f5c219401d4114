// What a Linux desktop does to a running program: a second copy in the same folder, the session's end
// by a signal and folders that limit a save.
#include "platform/folderlock.h"
#include "platform/qtdialogs.h"
#include "platform/sessionend.h"
#include "tests/harness.h"

#include <QApplication>
#include <QFileInfo>
#include <QSysInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <csignal>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

enum class Holder {
    RunningCopy,
    DeadCopy,
    OtherMachine,
    StartingCopy,
    EmptyLock,
    GarbageLock,
    DanglingLink,
    FolderAllowsNoFiles
};
enum class Trouble { None, SaveFails, Unreadable, SignalsWhileEnding, OutputNobodyReads };

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

// Starts the program in dir with a configuration folder of its own there, once its lock is taken; inChild runs in the
// child just before the program does.
bool startProgram(QProcess& program, const QTemporaryDir& dir, const std::function<void()>& inChild = {}) {
    program.setEnvironment(QProcess::systemEnvironment()
                           << "XDG_CONFIG_HOME=" + dir.filePath("config") << "QT_DEBUG_PLUGINS=1");
    program.setWorkingDirectory(dir.path());
    if (inChild)
        program.setChildProcessModifier(inChild);
    program.start(QStringLiteral(TAPMETER_PROGRAM), {});
    const qint64 pid = program.processId();
    return program.waitForStarted() &&
           QTest::qWaitFor([&] { return readFile(dir.filePath(LockName)).startsWith(QByteArray::number(pid) + "\n"); },
                           60000);
}

// Sends the signal until the program has ended: some arrive while it saves and tears down.
void signalUntilEnded(pid_t pid, int signal) {
    const QString status = QStringLiteral("/proc/%1/stat").arg(pid);
    while (kill(pid, signal) == 0 && !readFile(status).contains(") Z "))
        ;
}

} // namespace

class TestDesktopSession : public QObject {
    Q_OBJECT

private slots:
    void oneCopyPerFolder_data();
    void oneCopyPerFolder();
    void signalSavesAndEnds_data();
    void signalSavesAndEnds();
    void secondCopyEndsAfterSaying();
    void recordTypedAsTheSessionEndsIsKept_data();
    void recordTypedAsTheSessionEndsIsKept();
    void savesInAFolderThatLimitsIt_data();
    void savesInAFolderThatLimitsIt();
};

void TestDesktopSession::oneCopyPerFolder_data() {
    QTest::addColumn<Holder>("holder");
    QTest::addColumn<bool>("refused");
    QTest::newRow("a running copy") << Holder::RunningCopy << true;
    QTest::newRow("lock of a copy that died") << Holder::DeadCopy << false;
    // Whether it still runs cannot be told, however old its lock.
    QTest::newRow("lock of a copy on another machine") << Holder::OtherMachine << true;
    // A copy that has made its lock but not yet written into it holds a file lock on it.
    QTest::newRow("empty lock of a copy that is starting") << Holder::StartingCopy << true;
    QTest::newRow("empty lock left by a crash") << Holder::EmptyLock << false;
    QTest::newRow("lock naming no process") << Holder::GarbageLock << false;
    QTest::newRow("lock that is a link to nowhere") << Holder::DanglingLink << false;
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
    QFile starting(lockPath);
    if (holder == Holder::OtherMachine)
        QVERIFY(writeFile(lockPath, "1\ntapmeter\nanother-machine\n") && starting.open(QIODevice::ReadWrite) &&
                starting.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
    if (holder == Holder::EmptyLock || holder == Holder::GarbageLock || holder == Holder::StartingCopy)
        QVERIFY(writeFile(lockPath, holder == Holder::GarbageLock ? "0\n\x7f\xff junk" : ""));
    if (holder == Holder::StartingCopy)
        QVERIFY(starting.open(QIODevice::ReadOnly) && flock(starting.handle(), LOCK_EX) == 0);
    if (holder == Holder::DanglingLink)
        QVERIFY(QFile::link(dir.filePath("gone"), lockPath));

    const FolderLock second(holder == Holder::FolderAllowsNoFiles ? QStringLiteral("/proc") : dir.path());
    QCOMPARE(second.heldElsewhere(), refused);
    if (!refused && holder != Holder::FolderAllowsNoFiles)
        QVERIFY(readFile(lockPath).startsWith(QByteArray::number(QCoreApplication::applicationPid()) + "\n"));
}

// The program itself, in a folder of its own, ended by a signal once it has taken its lock.
void TestDesktopSession::signalSavesAndEnds_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<Trouble>("trouble");
    QTest::newRow("SIGTERM") << SIGTERM << Trouble::None;
    QTest::newRow("SIGHUP") << SIGHUP << Trouble::None;
    QTest::newRow("SIGINT") << SIGINT << Trouble::None;
    QTest::newRow("SIGTERM, results.dat cannot be written") << SIGTERM << Trouble::SaveFails;
    QTest::newRow("SIGTERM, results.dat cannot be read") << SIGTERM << Trouble::Unreadable;
    QTest::newRow("SIGHUP again and again") << SIGHUP << Trouble::SignalsWhileEnding;
    QTest::newRow("SIGTERM, output to a pipe nobody reads") << SIGTERM << Trouble::OutputNobodyReads;
}

void TestDesktopSession::signalSavesAndEnds() {
    QFETCH(int, signal);
    QFETCH(Trouble, trouble);
    QTemporaryDir dir;
    const QString results = dir.filePath(QStringLiteral("results.dat"));
    const QByteArray old = ":::house\r\n4.3\r\nD\r\nN\r\n";
    if (trouble == Trouble::SaveFails)
        QVERIFY(QDir().mkdir(results));
    // Readable by nobody but root, whom the program then does not run as.
    const bool asOrdinaryUser = trouble == Trouble::Unreadable && geteuid() == 0;
    if (trouble == Trouble::Unreadable) {
        QVERIFY(writeFile(results, old) && chmod(QFile::encodeName(results).constData(), 0200) == 0);
        QVERIFY(!asOrdinaryUser || (chown(QFile::encodeName(results).constData(), 65534, 65534) == 0 &&
                                    chmod(QFile::encodeName(dir.path()).constData(), 0777) == 0));
    }
    QProcess program;
    QVERIFY(startProgram(program, dir, [trouble, asOrdinaryUser] {
        if (asOrdinaryUser && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(99);
        // Qt writes to the standard error as it starts; here nobody reads it.
        int ends[2];
        if (trouble == Trouble::OutputNobodyReads && (pipe(ends) != 0 || close(ends[0]) != 0 || dup2(ends[1], 1) < 0 ||
                                                      dup2(ends[1], 2) < 0 || std::signal(SIGPIPE, SIG_DFL) == SIG_ERR))
            _exit(99);
    }));

    if (trouble == Trouble::SignalsWhileEnding)
        signalUntilEnded(pid_t(program.processId()), signal);
    else
        QCOMPARE(kill(pid_t(program.processId()), signal), 0);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(readFile(dir.filePath(QStringLiteral("config/Tapmeter/Tapmeter.ini"))).contains("Sounds=0"));
    QCOMPARE(QFileInfo(results).isFile(), trouble != Trouble::SaveFails);
    if (trouble == Trouble::Unreadable) {
        chmod(QFile::encodeName(results).constData(), 0600);
        QCOMPARE(readFile(results), old);
    }
    QVERIFY(!QFileInfo::exists(dir.filePath(LockName)));
}

// A second copy started in the folder says so, on standard error too, and ends without touching the first one's lock.
void TestDesktopSession::secondCopyEndsAfterSaying() {
    QTemporaryDir dir;
    QProcess first, second;
    QVERIFY(startProgram(first, dir));
    second.setWorkingDirectory(dir.path());
    second.setEnvironment(first.environment());
    second.start(QStringLiteral(TAPMETER_PROGRAM), {});
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += second.readAllStandardError()).contains(AlreadyRunningMessage.toUtf8()), 60000);
    // Its message box is open: ending the session closes it.
    QCOMPARE(kill(pid_t(second.processId()), SIGTERM), 0);
    QVERIFY(second.waitForFinished(60000));
    QCOMPARE(second.exitCode(), 1);
    QVERIFY(readFile(dir.filePath(LockName)).startsWith(QByteArray::number(first.processId()) + "\n"));
    QCOMPARE(kill(pid_t(first.processId()), SIGTERM), 0);
    QVERIFY(first.waitForFinished(60000));
    QCOMPARE(first.exitCode(), 0);
}

// The session ends while the record's name prompt is open: the record is kept with the name typed so far, by the
// program's own prompt and end of the session.
void TestDesktopSession::recordTypedAsTheSessionEndsIsKept_data() {
    QTest::addColumn<int>("signal"); // 0: the session manager asks to save
    QTest::addColumn<QString>("name");
    QTest::newRow("SIGTERM") << SIGTERM << "Ann";
    QTest::newRow("SIGHUP") << SIGHUP << "Ann";
    QTest::newRow("SIGINT, nothing typed") << SIGINT << "";
    QTest::newRow("the session manager") << 0 << "Ann";
}

void TestDesktopSession::recordTypedAsTheSessionEndsIsKept() {
    QFETCH(int, signal);
    QFETCH(QString, name);
    Form1Harness h(Files::Real);
    h.setResults(":::house\r\n-\r\nna\r\nna\r\n");
    QtDialogs dialogs;
    Services services{h.fakes.sound, dialogs, h.fakes.settings, h.fakes.clock, *h.realFiles, h.fakes.appendFiles};
    Form1 window(services);
    const SessionEnd sessionEnd;
    QObject::connect(&sessionEnd, &SessionEnd::requested, &window, &Form1::endSession);
    window.show();
    QTimer::singleShot(0, [&] {
        // Runs once the prompt is open.
        QTimer::singleShot(0, [&] {
            QTest::keyClicks(QApplication::activeModalWidget()->findChild<QLineEdit*>(), name);
            if (signal != 0) {
                raise(signal);
                return;
            }
            const int request = QGuiApplication::staticMetaObject.indexOfSignal("commitDataRequest(QSessionManager&)");
            void* arguments[] = {nullptr, nullptr};
            QMetaObject::activate(qApp, &QGuiApplication::staticMetaObject,
                                  request - QGuiApplication::staticMetaObject.methodOffset(), arguments);
            // Unless that ended it, which is at once.
            QTimer::singleShot(0, &window, [] { QCoreApplication::exit(1); });
        });
        QTest::keyClicks(window.findChild<QLineEdit*>("Text1"), "house");
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    const QList<QByteArray> record = readFile(h.resultsPath()).split('\r');
    QCOMPARE(record.size(), 5);
    QVERIFY(record[1] != "\n-");
    QCOMPARE(record[3], "\n" + name.toLatin1());
}

// A writable results.dat, another user's, in a folder that limits the save: one that allows no new
// files is written in place; a shared sticky folder (as /tmp) refuses the replacement, which must be
// told and leave the old file as it was.
void TestDesktopSession::savesInAFolderThatLimitsIt_data() {
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<bool>("saved");
    QTest::newRow("allows no new files") << 0555 << true;
    QTest::newRow("immutable: new files not permitted") << -1 << true;
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
    QVERIFY(chmod(QFile::encodeName(dir.path()).constData(), folderMode < 0 ? 0755 : mode_t(folderMode)) == 0);
    const auto mutableAgain = qScopeGuard([&dir] { QProcess::execute("chattr", {"-i", dir.path()}); });
    if (folderMode < 0 && QProcess::execute("chattr", {"+i", dir.path()}) != 0)
        QSKIP("needs a folder made immutable: run as root on a file system that has the flag");

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

// What a Linux desktop does to a running program: a second copy in the same folder, the session's end
// by a signal and folders that limit a save.
#include "platform/folderlock.h"
#include "platform/qtdialogs.h"
#include "platform/sessionend.h"
#include "tests/harness.h"

#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <csignal>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

enum class Trouble { None, Unreadable, SignalsWhileEnding, OutputNobodyReads, SecondCopy };

const QString LockName = QStringLiteral(".tapmeter.lock");
const QByteArray OldResults = ":::house\r\n4.3\r\nD\r\nN\r\n";

bool holdsLock(const QTemporaryDir& dir, qint64 pid) {
    return readFile(dir.filePath(LockName)).startsWith(QByteArray::number(pid) + "\n");
}

} // namespace

class TestDesktopSession : public QObject {
    Q_OBJECT

private slots:
    void oneCopyPerFolder_data();
    void oneCopyPerFolder();
    void signalSavesAndEnds_data();
    void signalSavesAndEnds();
    void recordTypedAsTheSessionEndsIsKept_data();
    void recordTypedAsTheSessionEndsIsKept();
    void savesInAFolderThatLimitsIt_data();
    void savesInAFolderThatLimitsIt();
};

// A lock file that names a running copy, however old the lock, refuses the start; one that names no process is taken.
void TestDesktopSession::oneCopyPerFolder_data() {
    QTest::addColumn<QByteArray>("lock"); // what the lock file holds; "@" for a link to nowhere
    QTest::addColumn<bool>("refused");
    // Whether it still runs cannot be told.
    QTest::newRow("lock of a copy on another machine") << QByteArray("1\ntapmeter\nanother-machine\n") << true;
    // A copy that has made its lock but not yet written into it holds a file lock on it.
    QTest::newRow("empty lock of a copy that is starting") << QByteArray() << true;
    QTest::newRow("empty lock left by a crash") << QByteArray() << false;
    QTest::newRow("lock naming no process") << QByteArray("0\n\x7f\xff junk") << false;
    QTest::newRow("lock that is a link to nowhere") << QByteArray("@") << false;
}

void TestDesktopSession::oneCopyPerFolder() {
    QFETCH(QByteArray, lock);
    QFETCH(bool, refused);
    QTemporaryDir dir;
    QFile file(dir.filePath(LockName));
    QVERIFY(lock == "@"
                ? QFile::link(dir.filePath("gone"), file.fileName())
                : writeFile(file.fileName(), lock) && file.open(QIODevice::ReadWrite) &&
                      file.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
    QVERIFY(!refused || !lock.isEmpty() || flock(file.handle(), LOCK_EX) == 0);
    const FolderLock second(dir.path());
    QCOMPARE(second.heldElsewhere(), refused);
    QVERIFY(refused || holdsLock(dir, QCoreApplication::applicationPid()));
}

// The program itself, in a folder of its own, ended by a signal once it has taken its lock.
void TestDesktopSession::signalSavesAndEnds_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<Trouble>("trouble");
    QTest::newRow("SIGTERM") << SIGTERM << Trouble::None;
    // Nor can it be written: it is no regular file.
    QTest::newRow("SIGTERM, results.dat cannot be read") << SIGTERM << Trouble::Unreadable;
    QTest::newRow("SIGHUP again and again") << SIGHUP << Trouble::SignalsWhileEnding;
    QTest::newRow("SIGTERM, output to a pipe nobody reads") << SIGTERM << Trouble::OutputNobodyReads;
    // It says so, on standard error too, and ends without touching the first one's lock.
    QTest::newRow("SIGTERM, after a second copy was started") << SIGTERM << Trouble::SecondCopy;
}

void TestDesktopSession::signalSavesAndEnds() {
    QFETCH(int, signal);
    QFETCH(Trouble, trouble);
    QTemporaryDir dir;
    const QString results = dir.filePath(QStringLiteral("results.dat"));
    QVERIFY(trouble != Trouble::Unreadable || mkfifo(QFile::encodeName(results).constData(), 0600) == 0);
    QProcess program;
    program.setChildProcessModifier([trouble] {
        // Qt writes to the standard error as it starts; here nobody reads it.
        int ends[2];
        if (trouble == Trouble::OutputNobodyReads && (pipe(ends) != 0 || close(ends[0]) != 0 || dup2(ends[1], 1) < 0 ||
                                                      dup2(ends[1], 2) < 0 || std::signal(SIGPIPE, SIG_DFL) == SIG_ERR))
            _exit(99);
    });
    // With a configuration folder of its own.
    program.setEnvironment(QProcess::systemEnvironment()
                           << "XDG_CONFIG_HOME=" + dir.filePath("config") << "QT_DEBUG_PLUGINS=1");
    program.setWorkingDirectory(dir.path());
    program.start(QStringLiteral(TAPMETER_PROGRAM), {});
    const pid_t pid = pid_t(program.processId());
    QVERIFY(QTest::qWaitFor([&] { return holdsLock(dir, pid); }, 60000));
    if (trouble == Trouble::SecondCopy) {
        QProcess second;
        second.setEnvironment(program.environment());
        second.setWorkingDirectory(dir.path());
        second.start(QStringLiteral(TAPMETER_PROGRAM), {});
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += second.readAllStandardError()).contains(AlreadyRunningMessage.toUtf8()),
                                 60000);
        // Its message box is open: ending the session closes it.
        QVERIFY(kill(pid_t(second.processId()), SIGTERM) == 0 && second.waitForFinished(60000));
        QCOMPARE(second.exitCode(), 1);
        QVERIFY(holdsLock(dir, pid));
    }

    // Some signals arrive while it saves and tears down.
    while (kill(pid, signal) == 0 && trouble == Trouble::SignalsWhileEnding &&
           !readFile(QStringLiteral("/proc/%1/stat").arg(pid)).contains(") Z "))
        ;
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(readFile(dir.filePath(QStringLiteral("config/Tapmeter/Tapmeter.ini"))).contains("Sounds=0"));
    // Not saved over where it could not be read.
    QCOMPARE(QFileInfo(results).isFile(), trouble != Trouble::Unreadable);
    QVERIFY(!QFileInfo::exists(dir.filePath(LockName)));
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
    const QByteArray folder = QFile::encodeName(dir.path());
    QVERIFY(writeFile(path, OldResults) && QFile::setPermissions(path, QFileDevice::Permissions(0x6666)));
    QVERIFY(chmod(folder.constData(), folderMode < 0 ? 0755 : mode_t(folderMode)) == 0);
    const auto mutableAgain = qScopeGuard([&dir] { QProcess::execute("chattr", {"-i", dir.path()}); });
    if (folderMode < 0 && QProcess::execute("chattr", {"+i", dir.path()}) != 0)
        QSKIP("needs a folder made immutable: run as root on a file system that has the flag");

    // As an ordinary user where the tests run as root, whom folder permissions do not stop.
    const pid_t child = fork();
    if (child == 0 && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
        _exit(2);
    if (child == 0)
        _exit(QtTextFiles().writeLines(path, {":::garden", "-", "na", "na"}, AnsiText::Encoding::CodePage, nullptr)
                  ? 0
                  : 1);
    int status = 0;
    QVERIFY(waitpid(child, &status, 0) == child);
    chmod(folder.constData(), 0755);
    QCOMPARE(WIFEXITED(status) && WEXITSTATUS(status) == 0, saved);
    QCOMPARE(readFile(path), saved ? ":::garden\r\n-\r\nna\r\nna\r\n" : OldResults);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"results.dat"});
}

QTEST_MAIN(TestDesktopSession)
#include "test_desktopsession.moc"

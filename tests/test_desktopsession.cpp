// What a Linux desktop does to a running program: a second copy in the same folder, the session's end
// by a signal and folders that limit a save.
#include "app/workingfolder.h"
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
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

enum class Trouble { None, Unreadable, SignalsWhileEnding, OutputNobodyReads, SecondCopy };

const QByteArray OldResults = ":::house\r\n4.3\r\nD\r\nN\r\n";

// The lock of a working folder: in the runtime folder, named after the working folder's device and inode.
QString lockPath(const QString& runtime, const QString& folder) {
    struct stat status {};
    if (stat(QFile::encodeName(folder).constData(), &status) != 0)
        return {};
    return QStringLiteral("%1/tapmeter-%2-%3.lock").arg(runtime).arg(status.st_dev).arg(status.st_ino);
}

bool holdsLock(const QString& runtime, const QString& folder, qint64 pid) {
    return readFile(lockPath(runtime, folder)).startsWith(QByteArray::number(pid) + "\n");
}

// The variable set to the folder until the scope ends, then as it was.
auto environmentFor(const char* name, const QString& folder) {
    const std::optional<QByteArray> was = qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
    qputenv(name, QFile::encodeName(folder));
    return qScopeGuard([name, was] { was ? qputenv(name, *was) : qunsetenv(name); });
}

} // namespace

class TestDesktopSession : public QObject {
    Q_OBJECT

private slots:
    // What may be found where the lock of a folder goes. Only a Tapmeter working in that folder keeps another copy out;
    // nothing found there ever hangs the start.
    void oneCopyPerFolder_data() {
        // What the lock holds (PID stands for this process's number); what it is: a file, a held file (a running
        // process holds it), a link, a pipe, a device or a folder; whether its holder works in the folder locked.
        const Table<QByteArray, QString, bool, bool> table("lock", "kind", "inFolder", "refused");
        table.row("copy working in the folder", QByteArray("PID\ntapmeter\n"), "held file", true, true);
        table.row("copy working in another folder", QByteArray("PID\ntapmeter\n"), "held file", false, false);
        table.row("copy on another computer", QByteArray("1\ntapmeter\nanother-computer\n"), "held file", true, false);
        // A copy that has made its lock but not yet written into it.
        table.row("empty lock of a copy that is starting", QByteArray(), "held file", true, true);
        // Whatever it names, a lock nobody holds is free.
        table.row("lock naming a copy that has ended", QByteArray("PID\ntapmeter\n"), "file", true, false);
        table.row("link to nowhere", QByteArray(), "link", true, false);
        table.row("named pipe", QByteArray(), "pipe", true, false);
        table.row("device", QByteArray(), "device", true, false);
        table.row("folder with a file in it", QByteArray(), "folder", true, false);
    }

    void oneCopyPerFolder() {
        QFETCH(QByteArray, lock);
        QFETCH(QString, kind);
        QFETCH(bool, inFolder);
        QFETCH(bool, refused);
        const QTemporaryDir runtime; // the user's alone, as the session gives one
        const auto sessionsAgain = environmentFor("XDG_RUNTIME_DIR", runtime.path());
        QTemporaryDir folder;
        const QString path = lockPath(runtime.path(), folder.path());
        const QByteArray name = QFile::encodeName(path);

        // Given: the lock's place taken.
        QFile held(path);
        if (kind == "link")
            QVERIFY(QFile::link(folder.filePath("gone"), path));
        else if (kind == "pipe")
            QVERIFY(mkfifo(name.constData(), 0600) == 0);
        else if (kind == "device" && mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
            QSKIP("needs a device node of its own: run as root");
        else if (kind == "folder")
            QVERIFY(QDir().mkpath(path) && writeFile(path + "/note", "kept"));
        else if (kind.endsWith("file"))
            QVERIFY(writeFile(path,
                              QByteArray(lock).replace("PID", QByteArray::number(QCoreApplication::applicationPid()))));
        // This process holds it as the copy it names would, working where the row says.
        QVERIFY(kind != "held file" || (held.open(QIODevice::ReadWrite) && flock(held.handle(), LOCK_EX) == 0));
        const QString before = QDir::currentPath();
        const auto back = qScopeGuard([&before] { QDir::setCurrent(before); });
        QVERIFY(QDir::setCurrent(inFolder ? folder.path() : runtime.path()));

        // When: a copy starts in the folder.
        const FolderLock second(folder.path());

        // Then: it is kept out only by a copy working there, and otherwise holds the lock itself.
        QCOMPARE(second.heldElsewhere(), refused);
        QCOMPARE(holdsLock(runtime.path(), folder.path(), QCoreApplication::applicationPid()),
                 !refused || lock.startsWith("PID"));
        // A full folder in the way is kept, under another name.
        QVERIFY(kind != "folder" || readFile(path + ".not-a-lock/note") == "kept");
        // The working folder stays as it was.
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }

    // The program itself, in a folder of its own, ended by a signal once it has taken its lock.
    void signalSavesAndEnds_data() {
        const Table<int, Trouble> table("signal", "trouble");
        table.row("SIGTERM", SIGTERM, Trouble::None);
        // Nor can it be written: it is no regular file.
        table.row("SIGTERM, results.dat cannot be read", SIGTERM, Trouble::Unreadable);
        table.row("SIGHUP again and again: a second signal during the teardown is ignored", SIGHUP,
                  Trouble::SignalsWhileEnding);
        table.row("SIGTERM, output to a pipe nobody reads", SIGTERM, Trouble::OutputNobodyReads);
        // It says so, on standard error too, and ends without touching the first one's lock.
        table.row("SIGTERM, after a second copy was started", SIGTERM, Trouble::SecondCopy);
    }

    void signalSavesAndEnds() {
        QFETCH(int, signal);
        QFETCH(Trouble, trouble);
        QTemporaryDir dir;
        const QTemporaryDir runtime;
        const QString work = dir.filePath(QStringLiteral("work"));
        const QString results = work + QStringLiteral("/results.dat");
        QVERIFY(QDir().mkpath(work));
        QVERIFY(trouble != Trouble::Unreadable || mkfifo(QFile::encodeName(results).constData(), 0600) == 0);
        QProcess program;
        program.setChildProcessModifier([trouble] {
            // Qt writes to the standard error as it starts; here nobody reads it.
            int ends[2];
            if (trouble == Trouble::OutputNobodyReads &&
                (pipe(ends) != 0 || close(ends[0]) != 0 || dup2(ends[1], 1) < 0 || dup2(ends[1], 2) < 0 ||
                 std::signal(SIGPIPE, SIG_DFL) == SIG_ERR))
                _exit(99);
        });
        // With a configuration folder of its own.
        program.setEnvironment(QProcess::systemEnvironment()
                               << "XDG_CONFIG_HOME=" + dir.filePath("config") << "XDG_RUNTIME_DIR=" + runtime.path()
                               << "QT_DEBUG_PLUGINS=1");
        program.setWorkingDirectory(work);
        program.start(QStringLiteral(TAPMETER_PROGRAM), {});
        const pid_t pid = pid_t(program.processId());
        QVERIFY(QTest::qWaitFor([&] { return holdsLock(runtime.path(), work, pid); }, 60000));
        if (trouble == Trouble::SecondCopy) {
            QProcess second;
            second.setEnvironment(program.environment());
            second.setWorkingDirectory(work);
            second.start(QStringLiteral(TAPMETER_PROGRAM), {});
            QByteArray said;
            QTRY_VERIFY_WITH_TIMEOUT((said += second.readAllStandardError()).contains(alreadyRunningMessage().toUtf8()),
                                     60000);
            // Its message box is open: ending the session closes it.
            QVERIFY(kill(pid_t(second.processId()), SIGTERM) == 0 && second.waitForFinished(60000));
            QCOMPARE(second.exitCode(), 1);
            QVERIFY(holdsLock(runtime.path(), work, pid));
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
        // Its lock goes with it, and none was ever made in the working folder.
        QVERIFY(!QFileInfo::exists(lockPath(runtime.path(), work)));
        QVERIFY(!QFileInfo::exists(work + "/.tapmeter.lock"));
    }

    // The session ends while the record's name prompt is open: the record is kept with the name typed so far, by the
    // program's own prompt and end of the session.
    void recordTypedAsTheSessionEndsIsKept_data() {
        // Signal 0: the session manager asks to save.
        const Table<int, QString> table("signal", "name");
        table.row("SIGTERM", SIGTERM, "Ann");
        table.row("SIGINT, nothing typed", SIGINT, "");
        table.row("the session manager", 0, "Ann");
    }

    void recordTypedAsTheSessionEndsIsKept() {
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
                const int request =
                    QGuiApplication::staticMetaObject.indexOfSignal("commitDataRequest(QSessionManager&)");
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
    void savesInAFolderThatLimitsIt_data() {
        const Table<int, bool> table("folderMode", "saved");
        table.row("allows no new files", 0555, true);
        table.row("immutable: new files not permitted", -1, true);
        table.row("sticky, the file is another's", 01777, false);
    }

    void savesInAFolderThatLimitsIt() {
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

    // Where neither the runtime folder nor the cache folder takes a lock, the
    // program starts all the same, as it did before there were locks.
    void startsWhereNoLockCanBeMade() {
        const QTemporaryDir runtime;
        QTemporaryDir cache;
        const auto sessionsAgain = environmentFor("XDG_RUNTIME_DIR", runtime.path());
        const auto cachesAgain = environmentFor("XDG_CACHE_HOME", cache.path());
        const auto mutableAgain = qScopeGuard([&] {
            QProcess::execute("chattr", {"-i", runtime.path(), cache.path()});
        });
        if (QProcess::execute("chattr", {"+i", runtime.path(), cache.path()}) != 0)
            QSKIP("needs folders made immutable: run as root on a file system that has the flag");
        QTemporaryDir folder;
        const FolderLock lock(folder.path());
        QVERIFY(!lock.heldElsewhere());
        QVERIFY(!QFileInfo::exists(lockPath(runtime.path(), folder.path())));
    }

    // Installed, the program works in a folder of its own; where that cannot be
    // made or entered it stops, rather than work in the folder it was started in.
    // A copy of this test beside a data folder runs the start as installed.
    void noStartWithoutItsWorkingFolder() {
        if (qEnvironmentVariableIsSet("TAPMETER_AS_INSTALLED")) {
            FakeDialogs dialogs;
            const QString startedIn = QDir::currentPath();
            QVERIFY(!enterWorkingFolder(dialogs));
            QCOMPARE(QDir::currentPath(), startedIn);
            QVERIFY(dialogs.messages().value(0).endsWith("Tapmeter cannot start without its folder."));
            return;
        }
        QTemporaryDir tree;
        const QString installed = tree.filePath("bin/test_desktopsession");
        QVERIFY(QDir().mkpath(tree.filePath("bin")) && QDir().mkpath(tree.filePath("share/tapmeter")));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), installed));
        // A file where the home folder should be.
        QVERIFY(writeFile(tree.filePath("home"), "not a folder"));
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TAPMETER_AS_INSTALLED", "1");
        environment.insert("HOME", tree.filePath("home"));
        environment.remove("XDG_DATA_HOME");
        program.setProcessEnvironment(environment);
        program.start(installed, {"noStartWithoutItsWorkingFolder"});
        QVERIFY(program.waitForFinished(60000));
        QVERIFY2(program.exitCode() == 0, program.readAllStandardOutput().constData());
    }
};

QTEST_MAIN(TestDesktopSession)
#include "test_desktopsession.moc"

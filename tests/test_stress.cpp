// The program on real files under stress: results.dat written on a failing disk by the Save button, on closing and
// by the merge, results files no typist would write, history.csv that is no regular file, and a settings file that
// cannot be written.
#include "platform/qtappendfiles.h"
#include "platform/qtsettingsstore.h"
#include "tests/harness.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSettings>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

enum class Fault { FolderRemoved, DiskFull };
enum class Caller { SaveButton, Closing, Merge };
enum class HistoryFile { NamedPipe, LinkToZeros, CutByFullDisk, BeyondAnyHistory };

const QByteArray OldResults = ":::house\r\n4.3\r\nD0\r\nTypist\r\n:::garden\r\n-\r\nna\r\nna\r\n";
// A word that makes the new file too long for the file-size limit the old one fits in.
const QByteArray LongWord(1100, 'k');
const QByteArray FriendResults = ":::house\r\n3.1\r\nD1\r\nFriend\r\n:::" + LongWord + "\r\n2.2\r\nD1\r\nFriend\r\n";

// A file may not grow past 1 KiB; with SIGXFSZ ignored, the write fails with EFBIG.
bool limitFileSize(bool on) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = on ? 1024 : limit.rlim_max;
    std::signal(SIGXFSZ, on ? SIG_IGN : SIG_DFL);
    return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

constexpr qsizetype MiB = 1024 * 1024;

// The same random bytes every run, without a colon so that no marker turns up by chance.
QByteArray garbage(qsizetype size) {
    QList<quint32> words(size / 4);
    QRandomGenerator(7).fillRange(words.data(), words.size());
    return QByteArray(reinterpret_cast<const char*>(words.constData()), size).replace(':', ';');
}

} // namespace

class TestStress : public QObject {
    Q_OBJECT

private slots:
    void failedWriteLosesNothing_data() {
        const Table<Fault, Caller> table("fault", "caller");
        const char* const callers[] = {"Save button", "closing", "merge"};
        for (int caller = 0; caller < int(std::size(callers)); ++caller) {
            QTest::addRow("working folder removed, %s", callers[caller]) << Fault::FolderRemoved << Caller(caller);
            QTest::addRow("disk full, %s", callers[caller]) << Fault::DiskFull << Caller(caller);
        }
    }

    // The old file stays whole, the typist is told why, and nothing is written anywhere else.
    void failedWriteLosesNothing() {
        QFETCH(Fault, fault);
        QFETCH(Caller, caller);
        if (QFileInfo::exists(QStringLiteral("/results.dat")))
            QSKIP("/results.dat exists already; a stray write there could not be told apart");
        Form1Harness h(Files::Real);
        const QString friendPath = h.root.filePath(QStringLiteral("friend.dat"));
        QVERIFY(writeFile(h.resultsPath(), OldResults) && writeFile(friendPath, FriendResults));
        h.start();
        h.addWord(QString::fromLatin1(LongWord));
        if (caller == Caller::Merge)
            h.openSources(friendPath, h.resultsPath());
        const auto cleanUp = qScopeGuard([] { limitFileSize(false); });
        QVERIFY(fault == Fault::FolderRemoved ? QDir(h.workFolder).removeRecursively() : limitFileSize(true));
        if (caller == Caller::Closing)
            QVERIFY(!h.form->close());
        else
            (caller == Caller::Merge ? h.w->Command5 : h.ui->Command4)->click();
        const QStringList told =
            h.fakes.dialogs.texts(caller == Caller::Closing ? FakeDialogs::Kind::Confirm : FakeDialogs::Kind::Message);
        const QString reason = caller == Caller::Merge ? "Could not write " + h.resultsPath() + ": "
                                                       : QStringLiteral("Could not save results.dat: ");
        QVERIFY2(told.size() == 1 && told[0].startsWith(reason) && told[0].size() > reason.size() + 2,
                 qPrintable(told.join(u'\n')));
        // Least of all in the root folder, which a vanished working folder might resolve to.
        QVERIFY(!QFileInfo::exists(QStringLiteral("/results.dat")));
        QCOMPARE(QDir(h.workFolder).entryList(QDir::Files | QDir::Hidden),
                 fault == Fault::DiskFull ? QStringList{"results.dat"} : QStringList());
        QVERIFY(fault == Fault::FolderRemoved || readFile(h.resultsPath()) == OldResults);
    }

    void hostileFilesLoadAsTheRulesSay_data() {
        // Saved: the records as written back.
        const Table<QByteArray, QStringList, QByteArray> table("file", "words", "saved");
        // Lines before the first marker are skipped, however many.
        const QByteArray last = ":::last\r\n1.5\r\nD\r\nN\r\n";
        table.row("100 MB of garbage", garbage(100 * MiB) + '\r' + last, QStringList{"last"}, last);
        const QByteArray nul = QByteArrayLiteral(":::a\0b\r\n\0\r\n\0\0\r\nna\0me\r\n");
        table.row("NUL bytes", QByteArray(MiB, '\0') + '\r' + nul + QByteArray(MiB, '\0'),
                  QStringList{QString::fromLatin1("a\0b", 3)}, nul);
        const QByteArray longLine =
            ":::long\r\n1\r\nD\r\n" + garbage(10 * MiB).replace('\r', 'r') + "\r\n:::next\r\n2\r\nd\r\nn\r\n";
        table.row("10 MB line", longLine, QStringList{"long", "next"}, longLine);
        // Written back the same size, but not the same.
        table.row("a short record, a blank line", QByteArray(":::a\r\n1\r\nD\r\n:::b\r\n2\r\nD\r\nN\r\n\r\n"),
                  QStringList{"a", "b"}, QByteArray(":::a\r\n1\r\nD\r\n\r\n:::b\r\n2\r\nD\r\nN\r\n"));
    }

    // The list shows what the reading rules make of the file, and saving writes it back without losing a byte.
    void hostileFilesLoadAsTheRulesSay() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, words);
        QFETCH(QByteArray, saved);
        // A file not read whole is told of once and kept before it is first replaced.
        const bool readWhole = file == saved;
        Form1Harness h(Files::Real);
        QVERIFY(writeFile(h.resultsPath(), file));
        // Told over the window, once it is shown.
        h.fakes.dialogs.whileOpen = [&](const FakeDialogs::Box&) { QVERIFY(h.form && h.form->isVisible()); };
        h.start();
        h.form->show();
        QCoreApplication::processEvents();
        QCOMPARE(h.listed(), words);
        QCOMPARE(h.fakes.dialogs.messages().size(), readWhole ? 0 : 1);
        QVERIFY(readWhole || h.fakes.dialogs.messages()[0].contains("results.dat.bak"));
        h.ui->Command4->click();
        QCOMPARE(readFile(h.resultsPath()), saved);
        QCOMPARE(readFile(h.resultsPath() + ".bak"), readWhole ? QByteArray() : file);
    }

    void historyIsReadAndAddedToOnlyAsARegularFile_data() {
        const Table<HistoryFile> table("history");
        table.row("a named pipe", HistoryFile::NamedPipe);
        table.row("a link to /dev/zero", HistoryFile::LinkToZeros);
        table.row("cut short by a full disk", HistoryFile::CutByFullDisk);
        table.row("beyond any history", HistoryFile::BeyondAnyHistory);
    }

    // What is no regular file reads as no history and is never added to, without waiting; a line cut short comes off
    // again; reading stops far beyond any real history.
    void historyIsReadAndAddedToOnlyAsARegularFile() {
        QFETCH(HistoryFile, history);
        QTemporaryDir dir;
        QFile file(dir.filePath("history.csv"));
        const QByteArray old(1000, 'x');
        const bool huge = history == HistoryFile::BeyondAnyHistory;
        const qint64 kept = huge ? AppendFiles::ReadLimit : history == HistoryFile::CutByFullDisk ? old.size() : 0;
        QVERIFY(history != HistoryFile::NamedPipe || mkfifo(QFile::encodeName(file.fileName()).constData(), 0600) == 0);
        QVERIFY(history != HistoryFile::LinkToZeros || QFile::link("/dev/zero", file.fileName()));
        QVERIFY(history != HistoryFile::CutByFullDisk || writeFile(file.fileName(), old));
        QVERIFY(!huge || (file.open(QIODevice::WriteOnly) && file.resize(kept + 1000) && file.flush()));

        QString error;
        QByteArray bytes;
        QVERIFY(QtAppendFiles().read(file.fileName(), &bytes, &error));
        QCOMPARE(bytes.size(), kept);
        const auto cleanUp = qScopeGuard([] { limitFileSize(false); });
        QVERIFY(limitFileSize(history == HistoryFile::CutByFullDisk));
        QCOMPARE(QtAppendFiles().append(file.fileName(), "", QByteArray(100, 'y'), &error), huge);
        QVERIFY2(huge || !error.isEmpty(), "a reason is told");
        QCOMPARE(QFileInfo(file.fileName()).size(), huge ? kept + 1102 : kept);
    }

    // A results.dat that is no one else's to read keeps a copy that is not either, and the copy replaces a link in its
    // place rather than write to where the link leads. Settings that cannot be written are told like results.dat that
    // cannot, and results.dat is saved all the same.
    void copyIsNoMoreOpenAndSettingsAreTold() {
        Form1Harness h(Files::Real);
        const QString elsewhere = h.root.filePath("elsewhere"), copy = h.resultsPath() + ".bak";
        const QByteArray junk = "junk\r\n" + OldResults;
        QVERIFY(writeFile(h.resultsPath(), junk) && writeFile(elsewhere, "mine") && QFile::link(elsewhere, copy));
        QVERIFY(QFile::setPermissions(h.resultsPath(), QFile::ReadOwner | QFile::WriteOwner));
        // Where the settings' folder should be, there is a file.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, h.root.path());
        QVERIFY(writeFile(h.root.filePath("Tapmeter"), ""));
        QtSettingsStore settings;
        Services services{h.fakes.sound, h.fakes.dialogs, settings, h.fakes.clock, *h.realFiles, h.fakes.appendFiles};
        Form1 window(services);
        window.findChild<QPushButton*>("Command4")->click();
        QCOMPARE(h.fakes.dialogs.messages().last(), "Could not save the settings in Tapmeter.ini.");
        QCOMPARE(readFile(h.resultsPath()), OldResults);
        QCOMPARE(readFile(elsewhere), "mine");
        QCOMPARE(readFile(copy), junk);
        QCOMPARE(QFileInfo(copy).permissions(),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    }
};

QTEST_MAIN(TestStress)
#include "test_stress.moc"

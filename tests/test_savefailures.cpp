// results.dat written on a failing disk by the Save button, on closing and by the merge: the old file
// stays whole, the typist is told, nothing in memory changes, and the write works once the fault is gone.
#include "realfiles.h"
#include "resultsformat.h"

#include <QFileInfo>
#include <QScopeGuard>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Fault { PathIsFolder, FolderRemoved, DiskFull, ReadOnlyFolder };
enum class Caller { SaveButton, Closing, Merge };

const QByteArray OldResults = ":::house\r\n4.3\r\nD0\r\nTypist\r\n:::garden\r\n-\r\nna\r\nna\r\n";
// Makes the new file too long for the file-size limit the old one fits in.
const QByteArray LongName(4000, 'n');
const QByteArray FriendResults =
    ":::house\r\n3.1\r\nD1\r\nFriend\r\n:::kitchen table\r\n2.2\r\nD1\r\n" + LongName + "\r\n";
const QByteArray SavedResults = OldResults + ":::kitchen table\r\n-\r\nna\r\n" + LongName + "\r\n";
const QByteArray MergedResults =
    ":::house\r\n3.1\r\nD1\r\nFriend\r\n:::garden\r\n-\r\nna\r\nna\r\n:::kitchen table\r\n2.2\r\nD1\r\n" + LongName +
    "\r\n";

// A file may not grow past 1 KiB; with SIGXFSZ ignored, the write fails with EFBIG.
bool limitFileSize(bool on) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = on ? 1024 : limit.rlim_max;
    std::signal(SIGXFSZ, on ? SIG_IGN : SIG_DFL);
    return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

bool applyFault(Fault fault, const RealFilesForm1& h) {
    switch (fault) {
    case Fault::PathIsFolder:
        return QFile::remove(h.resultsPath()) && QDir().mkdir(h.resultsPath());
    case Fault::FolderRemoved:
        return QDir(h.workFolder).removeRecursively();
    case Fault::DiskFull:
        return limitFileSize(true);
    case Fault::ReadOnlyFolder:
        // A writable results.dat alone would be written in place.
        return chmod(QFile::encodeName(h.resultsPath()).constData(), 0444) == 0 &&
               chmod(QFile::encodeName(h.workFolder).constData(), 0555) == 0;
    }
    return false;
}

// Takes any fault away again.
void clearFaults(const RealFilesForm1& h) {
    limitFileSize(false);
    chmod(QFile::encodeName(h.workFolder).constData(), 0755);
    chmod(QFile::encodeName(h.resultsPath()).constData(), 0644);
    QDir(h.resultsPath()).removeRecursively();
    QDir().mkpath(h.workFolder);
    QDir::setCurrent(h.workFolder);
}

// The old state, with no temporary file left behind.
bool oldStateKept(Fault fault, const RealFilesForm1& h) {
    const QStringList files = QDir(h.workFolder).entryList(QDir::Files | QDir::Hidden);
    switch (fault) {
    case Fault::PathIsFolder:
        return QFileInfo(h.resultsPath()).isDir() && files.isEmpty();
    case Fault::FolderRemoved:
        // Least of all in the root folder, which a vanished working folder might resolve to.
        return !QFileInfo::exists(h.workFolder) && !QFileInfo::exists(QStringLiteral("/results.dat"));
    default:
        return files == QStringList{"results.dat"} && readFile(h.resultsPath()) == OldResults;
    }
}

// What both windows hold: the word table, the lists, the marks and the panel.
QStringList memory(const RealFilesForm1& h) {
    QStringList held = entries(h.ui->Combo1) + ResultsFormat::recordLines(h.form->wordTable(), RecordTable::Slots);
    if (h.window) {
        held << entries(h.w->ImageCombo1) << entries(h.w->ImageCombo2) << h.w->Text6->text() << h.w->Text7->text()
             << h.w->Text8->text();
        for (int mark : marks(h.w->ImageCombo1) + marks(h.w->ImageCombo2))
            held << QString::number(mark);
    }
    return held;
}

// Writes results.dat the caller's way; false when the main window stays open.
bool write(RealFilesForm1& h, Caller caller) {
    if (caller == Caller::Closing)
        return h.form->close();
    caller == Caller::Merge ? h.window->Command5_Click() : h.form->Command4_Click();
    return true;
}

} // namespace

class TestSaveFailures : public QObject {
    Q_OBJECT

private slots:
    void failedWriteLosesNothing_data();
    void failedWriteLosesNothing();
};

void TestSaveFailures::failedWriteLosesNothing_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<Caller>("caller");
    const char* const faults[] = {"path is a folder", "working folder removed", "disk full",
                                  "read-only folder and file"};
    const char* const callers[] = {"Save button", "closing", "merge"};
    for (int fault = 0; fault < int(std::size(faults)); ++fault) {
        for (int caller = 0; caller < int(std::size(callers)); ++caller)
            QTest::addRow("%s, %s", faults[fault], callers[caller]) << Fault(fault) << Caller(caller);
    }
}

void TestSaveFailures::failedWriteLosesNothing() {
    QFETCH(Fault, fault);
    QFETCH(Caller, caller);
    if (fault == Fault::ReadOnlyFolder && geteuid() == 0)
        QSKIP("Folder permissions do not stop root from writing: no fault to test");
    if (fault == Fault::FolderRemoved && QFileInfo::exists(QStringLiteral("/results.dat")))
        QSKIP("/results.dat exists already; a stray write there could not be told apart");

    RealFilesForm1 h;
    const QString friendPath = h.root.filePath(QStringLiteral("friend.dat"));
    QVERIFY(writeFile(h.resultsPath(), OldResults) && writeFile(friendPath, FriendResults));
    h.start();
    if (caller == Caller::Merge) {
        h.openSources(friendPath, h.resultsPath());
    } else {
        h.fakes.dialogs.promptAnswers << QStringLiteral("kitchen table");
        h.form->Command3_Click();
        h.form->wordTable().RecordName[2] = QString::fromLatin1(LongName);
    }
    const QStringList before = memory(h);

    const auto cleanUp = qScopeGuard([&] { clearFaults(h); });
    QVERIFY(applyFault(fault, h));
    QCOMPARE(write(h, caller), caller != Caller::Closing);
    const QStringList told =
        h.fakes.dialogs.texts(caller == Caller::Closing ? FakeDialogs::Kind::Confirm : FakeDialogs::Kind::Message);
    const QString reason = caller == Caller::Merge ? "Could not write " + h.resultsPath() + ": "
                                                   : QStringLiteral("Could not save results.dat: ");
    QCOMPARE(told.size(), 1);
    QVERIFY2(told[0].startsWith(reason) && told[0].size() > reason.size() + 2, qPrintable(told[0]));
    QVERIFY(oldStateKept(fault, h));
    QCOMPARE(memory(h), before);

    clearFaults(h);
    QVERIFY(write(h, caller));
    QCOMPARE(readFile(h.resultsPath()), caller == Caller::Merge ? MergedResults : SavedResults);
    QCOMPARE(entries(h.ui->Combo1), (QStringList{"house", "garden", "kitchen table"}));
}

QTEST_MAIN(TestSaveFailures)
#include "test_savefailures.moc"

// Saving results.dat on a disk that fails: the old file stays whole, the
// typist is told, and the words in memory are kept to be saved once the
// fault is gone.
#include "realfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray OldResults = ":::house\r\n4.3\r\n05/12/2026 18:22:05\r\nTypist\r\n"
                              ":::garden\r\n-\r\nna\r\nna\r\n";
const QString AddedWord = QStringLiteral("kitchen table");
// Long enough that the new file cannot fit where the old one just did.
const QString LongName = QString(4000, u'n');
const QByteArray NewResults = OldResults + ":::kitchen table\r\n-\r\nna\r\n" + LongName.toLatin1() + "\r\n";
const QString SaveFailure = QStringLiteral("Could not save results.dat: ");
// A friend's file with a faster house and a new word: merged into
// results.dat it no longer fits where the old results.dat did.
const QByteArray FriendResults =
    ":::house\r\n3.1\r\nD1\r\nFriend\r\n:::kitchen table\r\n2.2\r\nD1\r\n" + LongName.toLatin1() + "\r\n";
const QByteArray MergedResults = ":::house\r\n3.1\r\nD1\r\nFriend\r\n:::garden\r\n-\r\nna\r\nna\r\n"
                                 ":::kitchen table\r\n2.2\r\nD1\r\n" +
                                 LongName.toLatin1() + "\r\n";

enum class Fault { PathIsFolder, FolderRemoved, DiskFull, ReadOnlyFolder };

// Brings a fault about, and takes it away again at the latest when the test
// ends, whatever happens in between.
class DiskFault {
public:
    DiskFault(Fault fault, RealFilesForm1& window)
        : m_fault(fault)
        , m_window(window) {}
    ~DiskFault() { clear(); }
    DiskFault(const DiskFault&) = delete;
    DiskFault& operator=(const DiskFault&) = delete;

    bool apply() {
        m_active = true;
        const QString results = m_window.resultsPath();
        switch (m_fault) {
        case Fault::PathIsFolder:
            return QFile::remove(results) && QDir().mkdir(results) &&
                   writeFile(results + QStringLiteral("/inside.txt"), OldResults);
        case Fault::FolderRemoved:
            return QDir(m_window.workFolder).removeRecursively();
        case Fault::DiskFull: {
            // A file may not grow past 1 KiB; the write fails with EFBIG
            // instead of killing the process.
            m_oldSignal = std::signal(SIGXFSZ, SIG_IGN);
            getrlimit(RLIMIT_FSIZE, &m_oldLimit);
            rlimit limit = m_oldLimit;
            limit.rlim_cur = 1024;
            return setrlimit(RLIMIT_FSIZE, &limit) == 0;
        }
        case Fault::ReadOnlyFolder:
            return chmod(QFile::encodeName(m_window.workFolder).constData(), 0555) == 0;
        }
        return false;
    }

    void clear() {
        if (!m_active)
            return;
        m_active = false;
        switch (m_fault) {
        case Fault::PathIsFolder:
            QDir(m_window.resultsPath()).removeRecursively();
            break;
        case Fault::FolderRemoved:
            QDir().mkpath(m_window.workFolder);
            m_window.enterWorkFolder();
            break;
        case Fault::DiskFull:
            setrlimit(RLIMIT_FSIZE, &m_oldLimit);
            std::signal(SIGXFSZ, m_oldSignal);
            break;
        case Fault::ReadOnlyFolder:
            chmod(QFile::encodeName(m_window.workFolder).constData(), 0755);
            break;
        }
    }

    // What the failed save must have left as it was.
    bool oldStateKept() const {
        const QString results = m_window.resultsPath();
        switch (m_fault) {
        case Fault::PathIsFolder:
            return QFileInfo(results).isDir() && readFile(results + QStringLiteral("/inside.txt")) == OldResults;
        case Fault::FolderRemoved:
            // Nothing may turn up anywhere else instead, least of all in the
            // root folder, which a vanished working folder might resolve to.
            return !QFileInfo::exists(m_window.workFolder) && !QFileInfo::exists(QStringLiteral("/results.dat"));
        case Fault::DiskFull:
        case Fault::ReadOnlyFolder:
            return readFile(results) == OldResults;
        }
        return false;
    }

private:
    Fault m_fault;
    RealFilesForm1& m_window;
    bool m_active = false;
    rlimit m_oldLimit{};
    void (*m_oldSignal)(int) = SIG_DFL;
};

struct Memory {
    QStringList listed;
    QStringList columns;

    static Memory of(RealFilesForm1& window) {
        Memory memory{window.listed(), {}};
        const WordTable& table = window.form->wordTable();
        for (int i = 0; i < RecordTable::Slots; ++i)
            memory.columns << table.Words[i] << table.FastestTime[i] << table.RecordDate[i] << table.RecordName[i];
        return memory;
    }
    bool operator==(const Memory&) const = default;
};

// The files in the working folder, temporary ones included.
QStringList filesInWorkFolder(const RealFilesForm1& window) {
    return QDir(window.workFolder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

} // namespace

class TestSaveFailures : public QObject {
    Q_OBJECT

private slots:
    void failedSaveLosesNothing_data();
    void failedSaveLosesNothing();
    void failedMergeLosesNothing_data();
    void failedMergeLosesNothing();
};

namespace {

// What the Update Results window shows of its two sources.
struct MergeWindowState {
    QStringList source1;
    QStringList source2;
    QList<int> marks1;
    QList<int> marks2;
    QStringList panel2;
    QStringList mainList;

    static MergeWindowState of(RealFilesForm1& window, Form3* merge) {
        const Ui::Form3* w = merge->controls();
        return {entries(w->ImageCombo1),
                entries(w->ImageCombo2),
                marks(w->ImageCombo1),
                marks(w->ImageCombo2),
                {w->Text6->text(), w->Text7->text(), w->Text8->text()},
                window.listed()};
    }
    bool operator==(const MergeWindowState&) const = default;
};

// Why a fault cannot be brought about here, if it cannot.
const char* noFaultHere(Fault fault) {
    if (fault == Fault::ReadOnlyFolder && geteuid() == 0)
        return "Running as root: folder permissions do not stop root from writing, so there is no fault to test";
    if (fault == Fault::FolderRemoved && QFileInfo::exists(QStringLiteral("/results.dat")))
        return "/results.dat exists already; a stray write there could not be told apart";
    return nullptr;
}

} // namespace

void TestSaveFailures::failedSaveLosesNothing_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("closing");
    const std::pair<const char*, Fault> faults[] = {
        {"path is a folder", Fault::PathIsFolder},
        {"working folder removed", Fault::FolderRemoved},
        {"disk full", Fault::DiskFull},
        {"read-only folder", Fault::ReadOnlyFolder},
    };
    for (const auto& [name, fault] : faults) {
        QTest::addRow("%s, Save button", name) << fault << false;
        QTest::addRow("%s, closing", name) << fault << true;
    }
}

void TestSaveFailures::failedSaveLosesNothing() {
    QFETCH(Fault, fault);
    QFETCH(bool, closing);
    if (const char* reason = noFaultHere(fault))
        QSKIP(reason);
    const bool rootHadResults = QFileInfo::exists(QStringLiteral("/results.dat"));

    RealFilesForm1 window;
    QVERIFY(writeFile(window.resultsPath(), OldResults));
    window.start();
    window.dialogs.promptAnswers << AddedWord;
    window.form->Command3_Click();
    window.form->wordTable().RecordName[2] = LongName;
    QCOMPARE(window.listed(), (QStringList{"house", "garden", AddedWord}));
    const Memory before = Memory::of(window);
    window.form->show();

    DiskFault diskFault(fault, window);
    QVERIFY(diskFault.apply());
    QString told;
    if (closing) {
        window.dialogs.confirmAnswers << false;
        QVERIFY(!window.form->close());
        QVERIFY(window.form->isVisible());
        const QStringList asked = window.dialogs.texts(FakeDialogs::Kind::Confirm);
        QCOMPARE(asked.size(), 1);
        told = asked[0];
    } else {
        window.form->Command4_Click();
        QCOMPARE(window.dialogs.messages().size(), 1);
        told = window.dialogs.messages()[0];
    }
    QVERIFY2(told.startsWith(SaveFailure) && told.size() > SaveFailure.size() + 2, qPrintable(told));
    QVERIFY(diskFault.oldStateKept());
    if (fault != Fault::FolderRemoved) {
        const QStringList expected = fault == Fault::PathIsFolder ? QStringList() : QStringList{"results.dat"};
        QCOMPARE(filesInWorkFolder(window), expected);
    }
    QVERIFY(Memory::of(window) == before);

    diskFault.clear();
    if (closing) {
        QVERIFY(window.form->close());
    } else {
        window.form->Command4_Click();
        QCOMPARE(window.dialogs.messages().last(), "Saved!");
    }
    QCOMPARE(readFile(window.resultsPath()), NewResults);
    QCOMPARE(filesInWorkFolder(window), QStringList{"results.dat"});
    QCOMPARE(QFileInfo::exists(QStringLiteral("/results.dat")), rootHadResults);
}

void TestSaveFailures::failedMergeLosesNothing_data() {
    QTest::addColumn<Fault>("fault");
    QTest::newRow("path is a folder") << Fault::PathIsFolder;
    QTest::newRow("working folder removed") << Fault::FolderRemoved;
    QTest::newRow("disk full") << Fault::DiskFull;
    QTest::newRow("read-only folder") << Fault::ReadOnlyFolder;
}

// The merge rewrites Source 2, here the program's own results.dat, which the
// main window reloads after a merge.
void TestSaveFailures::failedMergeLosesNothing() {
    QFETCH(Fault, fault);
    if (const char* reason = noFaultHere(fault))
        QSKIP(reason);
    const bool rootHadResults = QFileInfo::exists(QStringLiteral("/results.dat"));

    RealFilesForm1 window;
    const QString friendPath = window.root.filePath(QStringLiteral("friend.dat"));
    QVERIFY(writeFile(friendPath, FriendResults));
    QVERIFY(writeFile(window.resultsPath(), OldResults));
    window.start();
    Form3* merge = window.openSources(friendPath, window.resultsPath());
    QCOMPARE(entries(merge->controls()->ImageCombo2), (QStringList{"house", "garden"}));
    QVERIFY(merge->controls()->Command5->isEnabled());
    const MergeWindowState before = MergeWindowState::of(window, merge);

    DiskFault diskFault(fault, window);
    QVERIFY(diskFault.apply());
    merge->Command5_Click();
    QCOMPARE(window.dialogs.messages().size(), 1);
    const QString told = window.dialogs.messages()[0];
    const QString prefix = QStringLiteral("Could not write ") + window.resultsPath() + QStringLiteral(": ");
    QVERIFY2(told.startsWith(prefix) && told.size() > prefix.size() + 2, qPrintable(told));
    QVERIFY(diskFault.oldStateKept());
    if (fault != Fault::FolderRemoved) {
        const QStringList expected = fault == Fault::PathIsFolder ? QStringList() : QStringList{"results.dat"};
        QCOMPARE(filesInWorkFolder(window), expected);
    }
    QVERIFY(MergeWindowState::of(window, merge) == before);

    diskFault.clear();
    merge->Command5_Click();
    QCOMPARE(window.dialogs.messages().last(), "Done!\r\n\r\nUpdated: 1\r\nAdded: 1");
    QCOMPARE(readFile(window.resultsPath()), MergedResults);
    QCOMPARE(entries(merge->controls()->ImageCombo2), (QStringList{"house", "garden", "kitchen table"}));
    QCOMPARE(window.listed(), (QStringList{"house", "garden", "kitchen table"}));
    QCOMPARE(QFileInfo::exists(QStringLiteral("/results.dat")), rootHadResults);
}

QTEST_MAIN(TestSaveFailures)
#include "test_savefailures.moc"

// The program on real files under stress: results.dat written on a failing disk by the Save button, on closing and
// by the merge, and results files no typist would write, read as results.dat and as a merge source.
#include "harness.h"
#include "resultsformat.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Fault { PathIsFolder, FolderRemoved, DiskFull, ReadOnlyFolder };
enum class Caller { SaveButton, Closing, Merge };
enum class Hostile { Garbage, OnlyCarriageReturns, NulBytes, LongLine, Utf8, LineFeedsOnly, TenThousandRecords };
enum class Place { ResultsDat, Source1, Source2 };

const QByteArray OldResults = ":::house\r\n4.3\r\nD0\r\nTypist\r\n:::garden\r\n-\r\nna\r\nna\r\n";
// A word that makes the new file too long for the file-size limit the old one fits in.
const QByteArray LongWord(1100, 'k');
const QByteArray FriendResults = ":::house\r\n3.1\r\nD1\r\nFriend\r\n:::" + LongWord + "\r\n2.2\r\nD1\r\nFriend\r\n";
const QByteArray SavedResults = OldResults + ":::" + LongWord + "\r\n-\r\nna\r\nna\r\n";
const QByteArray MergedResults =
    ":::house\r\n3.1\r\nD1\r\nFriend\r\n:::garden\r\n-\r\nna\r\nna\r\n:::" + LongWord + "\r\n2.2\r\nD1\r\nFriend\r\n";

// A file may not grow past 1 KiB; with SIGXFSZ ignored, the write fails with EFBIG.
bool limitFileSize(bool on) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = on ? 1024 : limit.rlim_max;
    std::signal(SIGXFSZ, on ? SIG_IGN : SIG_DFL);
    return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

bool applyFault(Fault fault, const Form1Harness& h) {
    switch (fault) {
    case Fault::PathIsFolder:
        return QFile::remove(h.resultsPath()) && QDir().mkdir(h.resultsPath());
    case Fault::FolderRemoved:
        return QDir(h.workFolder).removeRecursively();
    case Fault::DiskFull:
        return limitFileSize(true);
    case Fault::ReadOnlyFolder:
        return chmod(QFile::encodeName(h.workFolder).constData(), 0555) == 0;
    }
    return false;
}

// Takes any fault away again.
void clearFaults(const Form1Harness& h) {
    limitFileSize(false);
    chmod(QFile::encodeName(h.workFolder).constData(), 0755);
    QDir(h.resultsPath()).removeRecursively();
    QDir().mkpath(h.workFolder);
    QDir::setCurrent(h.workFolder);
}

// The old state, with no temporary file left behind.
bool oldStateKept(Fault fault, const Form1Harness& h) {
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
QStringList memory(const Form1Harness& h) {
    QStringList held = h.listed() + ResultsFormat::recordLines(h.form->wordTable(), RecordTable::Slots);
    if (h.window) {
        held << entries(h.w->ImageCombo1) << entries(h.w->ImageCombo2) << h.w->Text6->text() << h.w->Text7->text()
             << h.w->Text8->text();
        for (int mark : marks(h.w->ImageCombo1) + marks(h.w->ImageCombo2))
            held << QString::number(mark);
    }
    return held;
}

// Writes results.dat the caller's way; false when the main window stays open.
bool write(Form1Harness& h, Caller caller) {
    if (caller == Caller::Closing)
        return h.form->close();
    caller == Caller::Merge ? h.window->Command5_Click() : h.form->Command4_Click();
    return true;
}

constexpr qsizetype MiB = 1024 * 1024;
const QByteArray PlainSource = ":::house\r\n4.3\r\nD\r\nN\r\n";

// The same random bytes every run, without a colon so that no marker turns up by chance.
QByteArray garbage(qsizetype size) {
    QList<quint32> words(size / 4);
    QRandomGenerator(7).fillRange(words.data(), words.size());
    return QByteArray(reinterpret_cast<const char*>(words.constData()), size).replace(':', ';');
}

QByteArray records(int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += QByteArray(":::w%1\r\n%1.5\r\nD%1\r\nN%1\r\n").replace("%1", QByteArray::number(i));
    return bytes;
}

struct Case {
    QByteArray file;
    QStringList words;
    QByteArray saved; // the records as written back
};

Case hostileCase(Hostile hostile) {
    switch (hostile) {
    case Hostile::Garbage: {
        // Lines before the first marker are skipped, however many.
        const QByteArray record = ":::last\r\n1.5\r\nD\r\nN\r\n";
        return {garbage(100 * MiB) + '\r' + record, {"last"}, record};
    }
    case Hostile::OnlyCarriageReturns:
        return {QByteArray(10 * MiB, '\r'), {}, {}};
    case Hostile::NulBytes: {
        const QByteArray record = QByteArrayLiteral(":::a\0b\r\n\0\r\n\0\0\r\nna\0me\r\n");
        return {
            QByteArray(MiB, '\0') + '\r' + record + QByteArray(MiB, '\0'), {QString::fromLatin1("a\0b", 3)}, record};
    }
    case Hostile::LongLine: {
        const QByteArray file =
            ":::long\r\n1\r\nD\r\n" + garbage(10 * MiB).replace('\r', 'r') + "\r\n:::next\r\n2\r\nd\r\nn\r\n";
        return {file, {"long", "next"}, file};
    }
    case Hostile::Utf8: {
        // One character per byte, written back as the same bytes.
        const QByteArray file =
            QStringLiteral(":::日本語\r\n3.5\r\n2026年5月12日\r\nЁлка\r\n:::grüße\r\n-\r\nna\r\nna\r\n").toUtf8();
        return {file, {QStringLiteral("æ—¥æœ¬èªž"), QStringLiteral("grÃ¼ÃŸe")}, file};
    }
    case Hostile::LineFeedsOnly: {
        // One line: one word holding the whole file, without time, date or name.
        const QByteArray file = ":::one\n1\nd\nn\n:::two\n2\nd\nn\n";
        return {file, {"one\n1\nd\nn\n:::two\n2\nd\nn\n"}, file + "\r\n\r\n\r\n\r\n"};
    }
    case Hostile::TenThousandRecords: {
        QStringList words;
        for (int i = 0; i < RecordTable::Slots; ++i)
            words << QStringLiteral("w%1").arg(i);
        return {records(10000), words, records(RecordTable::Slots)};
    }
    }
    return {};
}

} // namespace

class TestStress : public QObject {
    Q_OBJECT

private slots:
    void failedWriteLosesNothing_data();
    void failedWriteLosesNothing();
    void hostileFilesLoadAsTheRulesSay_data();
    void hostileFilesLoadAsTheRulesSay();
};

void TestStress::failedWriteLosesNothing_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<Caller>("caller");
    const char* const faults[] = {"path is a folder", "working folder removed", "disk full", "read-only folder"};
    const char* const callers[] = {"Save button", "closing", "merge"};
    for (int fault = 0; fault < int(std::size(faults)); ++fault) {
        for (int caller = 0; caller < int(std::size(callers)); ++caller)
            QTest::addRow("%s, %s", faults[fault], callers[caller]) << Fault(fault) << Caller(caller);
    }
}

// The old file stays whole, the typist is told, nothing in memory changes, and the write works once the fault is
// gone.
void TestStress::failedWriteLosesNothing() {
    QFETCH(Fault, fault);
    QFETCH(Caller, caller);
    if (fault == Fault::ReadOnlyFolder && geteuid() == 0)
        QSKIP("Folder permissions do not stop root from writing: no fault to test");
    if (fault == Fault::FolderRemoved && QFileInfo::exists(QStringLiteral("/results.dat")))
        QSKIP("/results.dat exists already; a stray write there could not be told apart");

    Form1Harness h(Files::Real);
    const QString friendPath = h.root.filePath(QStringLiteral("friend.dat"));
    QVERIFY(writeFile(h.resultsPath(), OldResults) && writeFile(friendPath, FriendResults));
    h.start();
    if (caller == Caller::Merge) {
        h.openSources(friendPath, h.resultsPath());
    } else {
        h.fakes.dialogs.promptAnswers << QString::fromLatin1(LongWord);
        h.form->Command3_Click();
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
    QCOMPARE(h.listed(), (QStringList{"house", "garden", QString::fromLatin1(LongWord)}));
}

void TestStress::hostileFilesLoadAsTheRulesSay_data() {
    QTest::addColumn<Hostile>("hostile");
    QTest::addColumn<Place>("place");
    const char* const files[] = {"100 MB of garbage",           "only CRs",          "NUL bytes",     "10 MB line",
                                 "UTF-8 outside the code page", "LF-only line ends", "10,000 records"};
    // Both windows read through one reader: each file once as results.dat and once as a merge source, the one that
    // is written back; a merge with no room to spare reads it as the other.
    for (int file = 0; file < int(std::size(files)); ++file) {
        const Place source = Hostile(file) == Hostile::TenThousandRecords ? Place::Source1 : Place::Source2;
        QTest::addRow("%s as results.dat", files[file]) << Hostile(file) << Place::ResultsDat;
        QTest::addRow("%s as Source %d", files[file], int(source)) << Hostile(file) << source;
    }
}

// The windows list what the reading rules make of the file and write that back without losing a byte of it. As a
// merge source the hostile file meets a plain one with one record.
void TestStress::hostileFilesLoadAsTheRulesSay() {
    QFETCH(Hostile, hostile);
    QFETCH(Place, place);
    const Case expected = hostileCase(hostile);
    Form1Harness h(Files::Real);
    const QString hostilePath =
        place == Place::ResultsDat ? h.resultsPath() : h.root.filePath(QStringLiteral("hostile.dat"));
    const QString plainPath = h.root.filePath(QStringLiteral("plain.dat"));
    QVERIFY(writeFile(hostilePath, expected.file) && writeFile(plainPath, PlainSource));
    h.start();

    if (place == Place::ResultsDat) {
        QCOMPARE(h.listed(), expected.words);
        QCOMPARE(h.fakes.dialogs.messages().size(), hostile == Hostile::TenThousandRecords ? 1 : 0);
        h.form->Command4_Click();
        QCOMPARE(readFile(hostilePath), expected.saved);
        return;
    }
    const bool first = place == Place::Source1;
    h.openSources(first ? hostilePath : plainPath, first ? plainPath : hostilePath);
    QCOMPARE(entries(first ? h.w->ImageCombo1 : h.w->ImageCombo2), expected.words);
    h.window->Command5_Click();
    if (first) // every word of the hostile file is new to the plain one, as far as there is room
        QCOMPARE(entries(h.w->ImageCombo2), (QStringList{"house"} + expected.words).mid(0, RecordTable::Slots));
    else
        QCOMPARE(readFile(hostilePath), expected.saved + PlainSource);
}

QTEST_MAIN(TestStress)
#include "test_stress.moc"
